// Trimming, padding, cutting, case, wrapping and folder names; lengths count characters.
#include "base/text.h"

#include <algorithm>

#include "base/utf8.h"

namespace kv40::base {
namespace {

std::size_t Count(int n) {
  return static_cast<std::size_t>(std::max(n, 0));
}

std::string MapAscii(std::string_view text, char from, char to, int shift) {
  std::string out(text);
  for (char& ch : out) {
    if (ch >= from && ch <= to) ch = static_cast<char>(ch + shift);
  }
  return out;
}

}  // namespace

std::string_view TrimLeftView(std::string_view text, std::string_view chars) {
  const auto first = text.find_first_not_of(chars);
  return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

std::string_view TrimRightView(std::string_view text, std::string_view chars) {
  const auto last = text.find_last_not_of(chars);
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

std::string_view TrimView(std::string_view text, std::string_view chars) {
  return TrimRightView(TrimLeftView(text, chars), chars);
}

std::string Trim(std::string_view text) {
  return std::string(TrimView(text));
}

std::string RemoveBlanks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    if (ch != ' ') out.push_back(ch);
  }
  return out;
}

std::string PadRight(std::string_view text, int width) {
  std::string out = base::CutChars(text, Count(width));
  const std::size_t n = base::CharCount(out);
  if (n < Count(width)) out.append(Count(width) - n, ' ');
  return out;
}

std::string PadLeft(std::string_view text, int width) {
  std::string out = base::CutChars(Trim(text), Count(width));
  const std::size_t n = base::CharCount(out);
  if (n < Count(width)) out.insert(0, Count(width) - n, ' ');
  return out;
}

std::string Left(std::string_view text, int n) {
  return base::CutChars(text, Count(n));
}

std::string Right(std::string_view text, int n) {
  const std::size_t total = base::CharCount(text);
  const std::size_t keep = std::min(total, Count(n));
  return base::SubChars(text, total - keep);
}

std::string UpperCase(std::string_view text) {
  return MapAscii(text, 'a', 'z', 'A' - 'a');
}

std::string LowerCase(std::string_view text) {
  return MapAscii(text, 'A', 'Z', 'a' - 'A');
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && UpperCase(a) == UpperCase(b);
}

std::string ReplaceChar(char32_t from, char32_t to, std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    const char32_t cp = base::DecodeUtf8(text, pos);
    if (cp == from) {
      base::AppendUtf8(out, to);
    } else {
      out.append(text.substr(start, pos - start));  // broken bytes pass through as they were
    }
  }
  return out;
}

std::vector<std::string> WrapText(std::string_view text, char32_t breakChar, int width) {
  const std::size_t w = static_cast<std::size_t>(std::clamp(width, 1, kMaxWrapWidth));
  std::vector<std::string> lines;
  std::string rest(text);
  while (!rest.empty()) {
    if (base::CharCount(rest) <= w) {
      lines.push_back(rest);
      break;
    }
    // Find the last break character among the first w characters.
    std::size_t pos = 0;
    std::size_t cut = 0;
    for (std::size_t i = 0; i < w; ++i) {
      if (base::DecodeUtf8(rest, pos) == breakChar) cut = pos;
    }
    if (cut == 0) cut = pos;
    lines.push_back(rest.substr(0, cut));
    rest.erase(0, cut);
  }
  return lines;
}

std::string AddBackslash(std::string_view folder) {
  std::string out = Trim(folder);
  if (!out.empty() && out.back() != '/' && out.back() != '\\') out.push_back('/');
  return out;
}

std::string HtmlEscaped(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    switch (ch) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += ch;
    }
  }
  return out;
}

}  // namespace kv40::base
