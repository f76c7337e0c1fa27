// The one place that converts between the DOS code page of the files (IBM CP437) and UTF-8.
#pragma once

#include <string>
#include <string_view>

namespace kv40::base {

// Bytes in CP437 to UTF-8. Every byte has a character, so this never fails.
std::string Cp437ToUtf8(std::string_view bytes);

struct OemText {
  std::string bytes;
  bool lossy = false;  // some character had no CP437 form and was written as "?"
};

// UTF-8 to CP437 bytes. Characters without a CP437 form (and broken UTF-8) become "?".
OemText Utf8ToCp437(std::string_view utf8);

// The CP437 byte of one Unicode code point, or -1 when there is none.
int Cp437Byte(char32_t cp);

// UTF-8 to Windows-1252 bytes, what DXF readers assume for a file without a code-page header.
// Characters without a Windows-1252 form (and broken UTF-8) become "?".
OemText Utf8ToCp1252(std::string_view utf8);
int Cp1252Byte(char32_t cp);

}  // namespace kv40::base
