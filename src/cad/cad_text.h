// Texts and numbers as the CAD files hold them: texts in the byte form of the "CAD Text Mode",
// numbers in fixed point with "." whatever the locale.
#pragma once

#include <string>
#include <string_view>

#include "base/format.h"
#include "base/part_pair.h"

namespace kv40::cad {

// The bytes of a drawing text: line breaks, tabs and other control characters become blanks
// (no text can break a record), then mode 2 gives Windows-1252, mode 3 the ASCII
// transliteration, any other mode the DOS code page; characters without a form become "?".
std::string CadTextBytes(int cadTextMode, std::string_view utf8);

// Appends value in fixed point with `decimals` decimals and "." (no padding); a value that
// rounds to zero is written without a sign. separator replaces the ".".
void AppendFixed(std::string& out, Extended value, int decimals, char separator = '.');
std::string FixedText(Extended value, int decimals, char separator = '.');

// Three significant digits without trailing zeros, "0" below 1e-5, always with "."; the
// configured decimal offset applies as everywhere else.
std::string SigText(const base::NumberFormat& nf, Extended value);

}  // namespace kv40::cad
