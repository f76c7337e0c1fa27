// The program's texts for the window, CAD files and exports: length limit, ASCII mode and
// decimal marks.
#include <string>

#include "base/text.h"
#include "base/utf8.h"

namespace kv40::base {
namespace {

// ToAscii's replacements; nullptr when the character stays.
const char* AsciiFor(char32_t cp) {
  switch (cp) {
    case U'ü':
      return "ue";
    case U'é':
      return "e";
    case U'ä':
      return "ae";
    case U'Ä':
      return "Ae";
    case U'ö':
      return "oe";
    case U'Ö':
      return "Oe";
    case U'Ü':
      return "Ue";
    case U'á':
      return "a";
    case U'ú':
      return "u";
    case U'ñ':
      return "n";
    case U'─':
    case U'═':
      return "-";
    case U'ß':
      return "ss";
    case U'µ':
    case U'μ':  // Greek mu, which the codec also writes as the micro sign
      return "u";
    case U'±':
      return "+/-";
    case U'°':
      return "deg";
    case U'²':
      return "2";
    default:
      return nullptr;
  }
}

// Frames drawn with line characters become plain "|", "+" and "-" in ASCII mode.
char32_t AsciiModeChar(char32_t cp) {
  switch (cp) {
    case U'ⁿ':
      return U'³';
    case U'│':
    case U'┤':
    case U'╡':
    case U'╢':
    case U'╣':
    case U'║':
    case U'├':
    case U'┼':
    case U'╞':
    case U'╟':
    case U'╠':
    case U'╤':
    case U'╫':
      return U'|';
    case U'╕':
    case U'╗':
    case U'╝':
    case U'╛':
    case U'┐':
    case U'└':
    case U'╚':
    case U'╔':
    case U'╬':
    case U'╙':
    case U'╓':
    case U'┘':
    case U'┌':
      return U'+';
    case U'─':
    case U'═':
      return U'-';
    default:
      return cp;
  }
}

bool TooLong(std::string_view text) {
  return base::CharCount(text) >= static_cast<std::size_t>(kMaxConvertChars);
}

std::string Replace(std::string_view text, char from, char to) {
  std::string out(text);
  for (char& ch : out) {
    if (ch == from) ch = to;
  }
  return out;
}

}  // namespace

std::string ToAscii(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t start = pos;
    if (const char* ascii = AsciiFor(base::DecodeUtf8(text, pos))) {
      out += ascii;
    } else {
      out.append(text.substr(start, pos - start));
    }
  }
  return out;
}

std::string WindowText(const NumberFormat& nf, std::string_view text) {
  if (nf.asciiMode != 1) return std::string(text);
  const std::string ascii = ToAscii(text);
  std::string out;
  out.reserve(ascii.size());
  std::size_t pos = 0;
  while (pos < ascii.size()) {
    const std::size_t start = pos;
    const char32_t cp = base::DecodeUtf8(ascii, pos);
    const char32_t mapped = AsciiModeChar(cp);
    if (mapped == cp) {
      out.append(ascii.substr(start, pos - start));
    } else {
      base::AppendUtf8(out, mapped);
    }
  }
  return out;
}

std::string OemToWindow(const NumberFormat& nf, std::string_view text) {
  if (TooLong(text)) return {};
  return WindowText(nf, text);
}

std::string WindowToOem(std::string_view text) {
  if (TooLong(text)) return {};
  return std::string(text);
}

std::string CadText(const NumberFormat& nf, std::string_view text) {
  switch (nf.cadTextMode) {
    case 2:
      return OemToWindow(nf, text);
    case 3:
      return ToAscii(text);
    default:
      return std::string(text);
  }
}

std::string ExportDecimal(const NumberFormat& nf, std::string_view text) {
  return nf.exportSeparator == 1 ? Replace(text, ',', '.') : Replace(text, '.', ',');
}

}  // namespace kv40::base
