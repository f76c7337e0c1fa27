// Fuzz target for the help text reader: any file gives every number it lists, with at most
// five lines, and a clear "not found" entry for others.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/text_file.h"
#include "help/show_help.h"

namespace {

void Require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace kv40;
  const base::TextLines text =
      base::SplitLines(std::string_view(reinterpret_cast<const char*>(data), size));
  const auto numbers = help::HelpNumbers(text);
  for (std::size_t i = 0; i < numbers.size() && i < 50; ++i) {
    Require(numbers[i] % help::kEntryStep == 0);
    Require(help::FindHelpEntryIn(text, numbers[i]).found);
  }
  const help::HelpEntry none = help::FindHelpEntryIn(text, 65535);
  Require(none.found || none.lines[0] == "Hilfetext Nr 65535: keine Hilfe vorhanden.");
  return 0;
}
