// A German UTF-8 locale (decimal comma) made for the test run with localedef, so that tests
// can run the program as on a German desktop whether or not the system has that locale.
#pragma once

#include <optional>
#include <string>

namespace kv40::test {

inline constexpr const char* kCommaLocale = "de_DE.UTF-8";

// Makes de_DE.UTF-8 in a folder of the test run (once per process) and points LOCPATH at it,
// so that setlocale and a Qt application created afterwards find it. The error text when
// localedef is missing or fails; nullopt on success.
std::optional<std::string> PrepareCommaLocale();

}  // namespace kv40::test
