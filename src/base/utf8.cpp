// UTF-8 decoding and character-counted cuts.
#include "base/utf8.h"

namespace kv40::base {

char32_t DecodeUtf8(std::string_view text, std::size_t& pos) {
  const auto b0 = static_cast<unsigned char>(text[pos]);
  if (b0 < 0x80) {
    ++pos;
    return b0;
  }
  int extra = 0;
  char32_t cp = 0;
  if ((b0 & 0xE0) == 0xC0) {
    extra = 1;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    extra = 2;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    extra = 3;
    cp = b0 & 0x07;
  } else {
    ++pos;
    return kReplacementChar;
  }
  if (pos + extra >= text.size()) {  // sequence cut off at the end
    ++pos;
    return kReplacementChar;
  }
  for (int i = 1; i <= extra; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if ((b & 0xC0) != 0x80) {
      ++pos;
      return kReplacementChar;
    }
    cp = (cp << 6) | (b & 0x3F);
  }
  pos += extra + 1;
  return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (char ch : text) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
  }
  return n;
}

std::string SubChars(std::string_view text, std::size_t first, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t i = 0; i < first && pos < text.size(); ++i)
    DecodeUtf8(text, pos);
  const std::size_t begin = pos;
  for (std::size_t i = 0; i < n && pos < text.size(); ++i)
    DecodeUtf8(text, pos);
  return std::string(text.substr(begin, pos - begin));
}

std::string CutChars(std::string_view text, std::size_t n) {
  return SubChars(text, 0, n);
}

}  // namespace kv40::base
