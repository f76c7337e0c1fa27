// Little-endian integers inside byte buffers, as binary file formats store them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv40::base {

inline std::uint32_t GetU32(std::string_view b, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 4; i-- > 0;)
    v = v << 8 | static_cast<unsigned char>(b[at + i]);
  return v;
}

inline int GetU16(std::string_view b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

inline void PutU32(std::string& b, std::size_t at, std::uint32_t v) {
  for (std::size_t i = 0; i < 4; ++i)
    b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

inline void PutU16(std::string& b, std::size_t at, int v) {
  b[at] = static_cast<char>(v & 0xFF);
  b[at + 1] = static_cast<char>((v >> 8) & 0xFF);
}

}  // namespace kv40::base
