// Reading report text files in either code page and splitting them into pages.
#include "report/text_pages.h"

#include <iterator>

#include "base/text_file.h"
#include "base/utf8.h"

namespace kv40::report {
namespace {

std::vector<std::string> SplitUtf8Lines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      line += c;
      continue;
    }
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.push_back(std::move(line));
    line.clear();
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

bool IsUtf8(std::string_view bytes) {
  std::size_t pos = 0;
  while (pos < bytes.size()) {
    const std::size_t start = pos;
    const char32_t cp = base::DecodeUtf8(bytes, pos);
    // a genuine U+FFFD takes three bytes; a broken sequence gives it for one byte
    if (cp == base::kReplacementChar && pos - start != 3) return false;
  }
  return true;
}

std::optional<std::vector<std::string>> ReadReportText(const std::filesystem::path& path) {
  const base::BytesResult read = base::ReadFileBytes(path, base::kMaxTextFileBytes);
  if (!read.bytes) return std::nullopt;
  const std::string& bytes = *read.bytes;
  if (IsUtf8(bytes)) return SplitUtf8Lines(bytes);
  return base::SplitLines(bytes).lines;
}

std::vector<TextPage> SplitPages(const std::vector<std::string>& lines) {
  std::vector<TextPage> pages(1);
  bool open = true;  // the last page has room for lines (no form feed closed it yet)
  for (const std::string& line : lines) {
    if (line.empty() || line[0] != kFormFeed) {
      if (!open) pages.emplace_back();
      pages.back().push_back(line);
      open = true;
      continue;
    }
    if (!open) pages.emplace_back();  // a form feed right after a form feed: an empty page
    const std::size_t rest = line.find_first_not_of(kFormFeed);
    open = false;
    if (rest != std::string::npos) {
      pages.emplace_back(TextPage{line.substr(rest)});
      open = true;
    }
  }
  return pages;
}

}  // namespace kv40::report
