// Fuzz target for the help-image index reader (kv40.dbh): any file gives at most 130 entries,
// each from a line of the file, and list items of at most 65 characters.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text_file.h"
#include "base/utf8.h"
#include "help/help_index.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv40;
  const base::TextLines text =
      base::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  const help::HelpIndex index = help::ParseHelpIndex(text);
  Require(index.entries.size() <= static_cast<std::size_t>(help::kMaxIndexEntries));
  for (const help::IndexEntry& e : index.entries) {
    Require(e.line < index.lines.size());
    Require(base::CharCount(help::IndexItem(e)) <=
            static_cast<std::size_t>(help::kIndexItemLength));
    Require(base::CharCount(help::ImageNameOfItem(help::IndexItem(e))) <= 8);
  }
  return 0;
}
