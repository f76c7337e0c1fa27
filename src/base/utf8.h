// UTF-8 helpers: lengths and cuts count characters, not bytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kv40::base {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes the code point at pos and advances pos; broken sequences give U+FFFD (one byte).
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);
void AppendUtf8(std::string& out, char32_t cp);

// Number of characters (code points).
std::size_t CharCount(std::string_view text);
// The first n characters.
std::string CutChars(std::string_view text, std::size_t n);
// Characters from index `first` (0-based), at most n of them.
std::string SubChars(std::string_view text, std::size_t first, std::size_t n = std::string::npos);

}  // namespace kv40::base
