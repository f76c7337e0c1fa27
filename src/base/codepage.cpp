// CP437 <-> UTF-8 by table; the bytes below 128 are ASCII in both.
#include "base/codepage.h"

#include <array>

#include "base/utf8.h"

namespace kv40::base {
namespace {

constexpr std::array<char32_t, 128> kHigh = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

// Windows-1252 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr std::array<char32_t, 32> kCp1252C1 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

std::string Cp437ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (char ch : bytes) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else {
      AppendUtf8(out, kHigh[b - 0x80]);
    }
  }
  return out;
}

int Cp437Byte(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i) {
    if (kHigh[i] == cp) return static_cast<int>(0x80 + i);
  }
  // Characters that look the same and have a common alternative spelling.
  if (cp == 0x03BC) return 0xE6;  // Greek mu for the micro sign
  if (cp == 0x2211) return 0xE4;  // n-ary sum for Sigma
  if (cp == 0x2205) return 0xED;  // empty set for phi
  return -1;
}

OemText Utf8ToCp437(std::string_view utf8) {
  OemText result;
  result.bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {  // fast path for ASCII
      result.bytes.push_back(utf8[pos++]);
      continue;
    }
    const char32_t cp = DecodeUtf8(utf8, pos);
    const int oem = Cp437Byte(cp);
    if (oem < 0) {
      result.bytes.push_back('?');
      result.lossy = true;
    } else {
      result.bytes.push_back(static_cast<char>(oem));
    }
  }
  return result;
}

int Cp1252Byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kCp1252C1.size(); ++i) {
    if (kCp1252C1[i] != 0 && kCp1252C1[i] == cp) return static_cast<int>(0x80 + i);
  }
  return -1;
}

OemText Utf8ToCp1252(std::string_view utf8) {
  OemText result;
  result.bytes.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const char32_t cp = DecodeUtf8(utf8, pos);
    const int b = cp == kReplacementChar ? -1 : Cp1252Byte(cp);
    result.bytes.push_back(b < 0 ? '?' : static_cast<char>(b));
    result.lossy = result.lossy || b < 0;
  }
  return result;
}

}  // namespace kv40::base
