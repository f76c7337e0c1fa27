// The version history on the text screen.
#include "app/history.h"

#include <vector>

#include "base/text.h"
#include "base/text_file.h"
#include "config/config_file.h"
#include "model/dialogs.h"

namespace kv40::app {

void ShowHistory(model::Session& p) {
  const std::string path = base::AddBackslash(config::BundledDataDir()) + kHistoryFile;
  const base::BytesResult read = base::ReadFileBytes(path, 1u << 20);
  if (!read.bytes) {
    model::ShowError(p, path + " not found !");
    return;
  }
  std::vector<std::string> lines;
  const std::string& text = *read.bytes;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  p.GetUi().TextScreen(kHistoryCaption, lines);
}

}  // namespace kv40::app
