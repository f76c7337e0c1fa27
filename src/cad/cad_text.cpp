// Texts and numbers as the CAD files hold them.
#include "cad/cad_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/codepage.h"
#include "base/text.h"
#include "base/utf8.h"

namespace kv40::cad {

std::string CadTextBytes(int cadTextMode, std::string_view utf8) {
  std::string clean(utf8);
  for (char& ch : clean) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b == 0x7F) ch = ' ';
  }
  switch (cadTextMode) {
    case 2:
      return base::Utf8ToCp1252(clean).bytes;
    case 3: {
      std::string ascii = base::ToAscii(clean);
      std::string out;
      std::size_t pos = 0;
      while (pos < ascii.size()) {
        const char32_t cp = base::DecodeUtf8(ascii, pos);
        out.push_back(cp < 0x80 ? static_cast<char>(cp) : '?');
      }
      return out;
    }
    default:
      return base::Utf8ToCp437(clean).bytes;
  }
}

void AppendFixed(std::string& out, Extended value, int decimals, char separator) {
  decimals = std::clamp(decimals, 0, 32);
  char buf[400];
  // Drawing coordinates need no more than a double's 15 digits.
  const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<double>(value),
                               std::chars_format::fixed, decimals);
  if (r.ec != std::errc()) {
    out += '0';
    return;
  }
  const char* first = buf;
  const char* last = r.ptr;
  if (*first == '-' && std::all_of(first + 1, last, [](char c) { return c == '0' || c == '.'; })) {
    ++first;  // no "-0.000"
  }
  const std::size_t start = out.size();
  out.append(first, static_cast<std::size_t>(last - first));
  if (separator != '.')
    std::replace(out.begin() + static_cast<std::ptrdiff_t>(start), out.end(), '.', separator);
}

std::string FixedText(Extended value, int decimals, char separator) {
  std::string out;
  AppendFixed(out, value, decimals, separator);
  return out;
}

std::string SigText(const base::NumberFormat& nf, Extended value) {
  if (!(std::fabs(value) >= 1e-5L)) return "0";
  const base::Layout l = base::SignificantLayout(3, value);
  int decimals = l.decimals;
  if (nf.decimalsOffset != 3) decimals = std::clamp(decimals + nf.decimalsOffset - 3, 0, 10);
  return FixedText(value, std::max(decimals, 0));
}

}  // namespace kv40::cad
