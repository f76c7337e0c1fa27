// The help-image index kv40.dbh: one line per image, "name","information".
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/text_file.h"

namespace kv40::help {

inline constexpr int kMaxIndexEntries = 130;
inline constexpr int kIndexNameLength = 8;
inline constexpr int kIndexInfoLength = 50;
inline constexpr int kIndexItemLength = 65;

struct IndexEntry {
  std::string name;  // the image file without folder and ".plt"
  std::string info;
  std::size_t line = 0;  // 0-based line of the file it came from
};

struct HelpIndex {
  std::vector<std::string> lines;  // the file's lines as read, kept for rewriting
  std::vector<IndexEntry> entries;
  int badFields = 0;  // fields that did not start with a double quote
};

// Reads the index's lines; blank lines are no entries, at most 130 entries are taken.
HelpIndex ParseHelpIndex(const base::TextLines& text);
// The line of an entry in the file: "name","information".
std::string IndexLine(std::string_view name, std::string_view info);
// An entry as the manager's list shows it: the name padded or cut to 8 characters, ": " and
// the information, cut to 65 characters.
std::string IndexItem(const IndexEntry& e);
// The image file name of a list item: its first 8 characters, trimmed, in lower case.
std::string ImageNameOfItem(std::string_view item);

// The index's file name: lower-case program short name + ".dbh".
std::string IndexFileName();

// Writes the lines through a temporary file beside the index and a rename. 0 or the errno.
int WriteHelpIndex(const std::filesystem::path& file, const std::vector<std::string>& lines);

}  // namespace kv40::help
