// Report text files as printed pages: read in either code page, split at form feeds.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv40::report {

inline constexpr char kFormFeed = '\f';

// True when bytes are well-formed UTF-8 (plain ASCII included).
bool IsUtf8(std::string_view bytes);

// The lines of a report text file as UTF-8: a converted copy (UTF-8) is taken as it is, a file
// in the DOS code page is decoded. Lines end with CR LF, LF or CR. nullopt when unreadable.
std::optional<std::vector<std::string>> ReadReportText(const std::filesystem::path& path);

using TextPage = std::vector<std::string>;

// A line beginning with a form feed ends its page; what follows the form feeds on that line
// opens the next one. Every page is kept, also one after the last form feed; an empty tail
// after a closing form feed makes no page of its own. There is always at least one page.
std::vector<TextPage> SplitPages(const std::vector<std::string>& lines);

}  // namespace kv40::report
