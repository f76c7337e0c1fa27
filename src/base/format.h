// Number formatting, units, date and time texts: pure functions of their arguments and of
// the number settings of the configuration.
#pragma once

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/clock.h"
#include "base/part_pair.h"

namespace kv40::base {

// The configuration's number and text settings that formatting reads.
struct NumberFormat {
  int decimalsOffset = 3;    // "Dezimalstellen"; 3 = no change
  int decimalSeparator = 1;  // "Dot=1 Komma=2"
  int exportSeparator = 2;   // 1: comma to point, otherwise point to comma
  int inchUnits = 0;         // "Metric Units=0,  English units=1"; toggled by mm <--> inch
  int asciiMode = 0;         // 1: transliterate special characters
  int cadTextMode = 1;       // 1 unchanged, 2 window code page, 3 ASCII
  int dateCode = 1;          // 1..4
};

// ---- numbers ----
// The plain number text in the given notation with `decimals` digits after the point, the
// same in every process locale (to_chars); the building block of every formatter here.
std::string NumberText(Extended value, std::chars_format form, int decimals);
std::string FormatFixed(const NumberFormat& nf, int width, int decimals, Extended value);
struct Layout {
  int width = 0;
  int decimals = 0;
};
Layout SignificantLayout(int digits, Extended value);
std::string FormatSig(const NumberFormat& nf, Extended value);
std::string FormatSigN(const NumberFormat& nf, int n, Extended value);
std::string FormatSigLong(const NumberFormat& nf, Extended value);
std::string FormatDec(const NumberFormat& nf, int decimals, Extended value);
std::string FormatSigned(const NumberFormat& nf, int decimals, Extended value);
std::string IntToText(std::int64_t n);
std::string IntZeroPad(std::int64_t n, int width);
std::string IntBlankPad(std::int64_t n, int width);

// Reads a number; the first "," counts as the decimal point. nullopt when not a number.
std::optional<Extended> TryParseNumber(std::string_view text);
std::optional<std::int64_t> TryParseInt(std::string_view text);
Extended ParseNumber(std::string_view text);   // invalid text gives 0
std::int64_t ParseInt(std::string_view text);  // invalid text gives 0

// ---- units (inch mode converts the stored metric value for display) ----
inline constexpr Extended kMmPerInch = 25.4L;
inline constexpr Extended kPsiPerMpa = 145.037L;
inline constexpr Extended kLbfinPerNm = 8.850749005255468551L;
inline constexpr Extended kNmPerLbfin = 0.112984788L;

std::string FormatLength(const NumberFormat& nf, int width, int decimals, Extended mm);
std::string FormatStress(const NumberFormat& nf, int width, int decimals, Extended mpa);
std::string FormatTorque(const NumberFormat& nf, int width, int decimals, Extended nm);
std::string FormatLengthSig(const NumberFormat& nf, Extended mm);
std::string FormatLengthSigLong(const NumberFormat& nf, Extended mm);
std::string FormatLengthDec(const NumberFormat& nf, int decimals, Extended mm);
std::string FormatLengthDecFine(const NumberFormat& nf, int decimals, Extended mm);
std::string FormatStressSig(const NumberFormat& nf, Extended mpa);
std::string FormatTorqueSig(const NumberFormat& nf, Extended nm);
Extended ParseLength(const NumberFormat& nf, std::string_view text);
Extended ParseStress(const NumberFormat& nf, std::string_view text);
Extended ParseTorque(const NumberFormat& nf, std::string_view text);
std::string LengthUnit(const NumberFormat& nf);
std::string StressUnit(const NumberFormat& nf);
std::string TorqueUnit(const NumberFormat& nf);
std::string MicroUnit(const NumberFormat& nf);
std::string AngleUnit(const NumberFormat& nf);

// ---- date and time ----
std::string DateText(const NumberFormat& nf, const base::DateTime& now);
std::string TimeText(const base::DateTime& now);

}  // namespace kv40::base
