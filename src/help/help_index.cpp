// Reading and writing the help-image index.
#include "help/help_index.h"

#include "base/text.h"
#include "base/utf8.h"
#include "model/session.h"

namespace kv40::help {
namespace {

// One field from pos on: a quoted text, or (counted as bad) the text up to the next comma.
std::string ReadField(std::string_view line, std::size_t& pos, int& bad) {
  while (pos < line.size() && (line[pos] == ' ' || line[pos] == ','))
    ++pos;
  if (pos < line.size() && line[pos] == '"') {
    const std::size_t close = line.find('"', pos + 1);
    const std::size_t end = close == std::string_view::npos ? line.size() : close;
    std::string field(line.substr(pos + 1, end - pos - 1));
    pos = close == std::string_view::npos ? line.size() : close + 1;
    return field;
  }
  ++bad;
  const std::size_t comma = line.find(',', pos);
  const std::size_t end = comma == std::string_view::npos ? line.size() : comma;
  std::string field = base::Trim(line.substr(pos, end - pos));
  pos = end;
  return field;
}

}  // namespace

HelpIndex ParseHelpIndex(const base::TextLines& text) {
  HelpIndex index;
  index.lines = text.lines;
  for (std::size_t i = 0; i < text.lines.size(); ++i) {
    const std::string& line = text.lines[i];
    if (base::Trim(line).empty()) continue;
    if (static_cast<int>(index.entries.size()) >= kMaxIndexEntries) break;
    std::size_t pos = 0;
    IndexEntry e;
    e.name = ReadField(line, pos, index.badFields);
    e.info = ReadField(line, pos, index.badFields);
    e.line = i;
    index.entries.push_back(std::move(e));
  }
  return index;
}

std::string IndexLine(std::string_view name, std::string_view info) {
  return "\"" + std::string(name) + "\",\"" + std::string(info) + "\"";
}

std::string IndexItem(const IndexEntry& e) {
  return base::CutChars(base::PadRight(e.name, kIndexNameLength) + ": " + e.info, kIndexItemLength);
}

std::string ImageNameOfItem(std::string_view item) {
  return base::LowerCase(base::Trim(base::CutChars(item, kIndexNameLength)));
}

std::string IndexFileName() {
  return base::LowerCase(model::kProgramShortName) + ".dbh";
}

int WriteHelpIndex(const std::filesystem::path& file, const std::vector<std::string>& lines) {
  base::SafeTextWriter writer(file);
  for (const std::string& line : lines)
    writer.WriteLine(line);
  return writer.Commit() ? 0 : writer.error();
}

}  // namespace kv40::help
