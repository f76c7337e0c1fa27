// Text helpers of the reports and dialogs: trimming, padding, wrapping, folder names, and the
// conversions between the program's texts and the screen, CAD and export forms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/format.h"

namespace kv40::base {

// ---- plain text (lengths count characters) ----
// The text without leading and trailing characters of `chars` (by default the blank).
std::string_view TrimView(std::string_view text, std::string_view chars = " ");
std::string_view TrimLeftView(std::string_view text, std::string_view chars = " ");
std::string_view TrimRightView(std::string_view text, std::string_view chars = " ");
std::string Trim(std::string_view text);  // leading and trailing blanks
// Blanks and NULs, the padding of fixed-width fields.
inline constexpr std::string_view kBlankOrNul{" \0", 2};
std::string RemoveBlanks(std::string_view text);
// Cut to width characters or append blanks.
std::string PadRight(std::string_view text, int width);
// Trim, then cut to the first width characters or prepend blanks.
std::string PadLeft(std::string_view text, int width);
std::string Left(std::string_view text, int n);
std::string Right(std::string_view text, int n);
// Only A..Z and a..z change (never by the process locale).
std::string UpperCase(std::string_view text);
// "&", "<" and ">" as HTML entities.
std::string HtmlEscaped(std::string_view text);
std::string LowerCase(std::string_view text);
// Equal when both are the same after UpperCase.
bool EqualsIgnoringCase(std::string_view a, std::string_view b);
std::string ReplaceChar(char32_t from, char32_t to, std::string_view text);

inline constexpr int kMaxWrapWidth = 64;
// Breaks text into lines of at most width characters (never more than 64): a line ends after
// the last breakChar within its first width characters, or after width characters when there
// is none. The break character stays at the end of its line.
std::vector<std::string> WrapText(std::string_view text, char32_t breakChar, int width);

// A folder with its trailing separator, ready to have a file name appended: trimmed, and "/"
// appended unless it is empty or already ends in "/" or "\".
std::string AddBackslash(std::string_view folder);

// ---- code pages ----
// Texts are UTF-8 inside the program and on the screen, so the conversions between the
// program's texts and the window's only keep the historic length limit and, in ASCII mode,
// transliterate for screens and files that want plain characters.
inline constexpr int kMaxConvertChars = 255;

// Umlauts, sharp s, micro, degree, plus-minus, square and single/double lines to ASCII text.
std::string ToAscii(std::string_view text);
// A text for the window: 255 characters or more give an empty text; in ASCII mode ToAscii
// followed by the box-drawing table, otherwise unchanged.
std::string OemToWindow(const NumberFormat& nf, std::string_view text);
// As OemToWindow without the length limit, for texts shown in dialogs and boxes.
std::string WindowText(const NumberFormat& nf, std::string_view text);
// A text from the window back to the program's form: 255 characters or more give an empty
// text, otherwise unchanged.
std::string WindowToOem(std::string_view text);
// A text for CAD files by the CAD text mode: 2 OemToWindow, 3 ToAscii, otherwise unchanged.
std::string CadText(const NumberFormat& nf, std::string_view text);
// Export separator 1: every "," becomes "."; otherwise every "." becomes ",".
std::string ExportDecimal(const NumberFormat& nf, std::string_view text);

}  // namespace kv40::base
