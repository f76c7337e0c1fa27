// Lengths, stresses and torques in the chosen unit system, their labels, date and time.
#include <algorithm>

#include "base/format.h"

namespace kv40::base {
namespace {

bool Inch(const NumberFormat& nf) {
  return nf.inchUnits == 1;
}
bool Ascii(const NumberFormat& nf) {
  return nf.asciiMode == 1;
}

Extended ToInch(Extended mm) {
  return mm / kMmPerInch;
}
Extended ToPsi(Extended mpa) {
  return mpa * kPsiPerMpa;
}
Extended ToLbfin(Extended nm) {
  return nm * kLbfinPerNm;
}

std::string TwoDigits(int n) {
  return IntZeroPad(n, 2);
}

}  // namespace

std::string FormatLength(const NumberFormat& nf, int width, int decimals, Extended mm) {
  if (!Inch(nf)) return FormatFixed(nf, width, decimals, mm);
  return FormatFixed(nf, std::max(width - 1, 1), decimals + 1, ToInch(mm));
}

std::string FormatStress(const NumberFormat& nf, int width, int decimals, Extended mpa) {
  if (!Inch(nf)) return FormatFixed(nf, width, decimals, mpa);
  return FormatFixed(nf, width + 2, std::max(decimals - 2, 0), ToPsi(mpa));
}

std::string FormatTorque(const NumberFormat& nf, int width, int decimals, Extended nm) {
  if (!Inch(nf)) return FormatFixed(nf, width, decimals, nm);
  return FormatFixed(nf, width + 1, std::max(decimals - 1, 0), ToLbfin(nm));
}

std::string FormatLengthSig(const NumberFormat& nf, Extended mm) {
  return Inch(nf) ? FormatDec(nf, 4, ToInch(mm)) : FormatSig(nf, mm);
}

std::string FormatLengthSigLong(const NumberFormat& nf, Extended mm) {
  return Inch(nf) ? FormatDec(nf, 4, ToInch(mm)) : FormatSigLong(nf, mm);
}

std::string FormatLengthDec(const NumberFormat& nf, int decimals, Extended mm) {
  return Inch(nf) ? FormatDec(nf, decimals + 1, ToInch(mm)) : FormatDec(nf, decimals, mm);
}

std::string FormatLengthDecFine(const NumberFormat& nf, int decimals, Extended mm) {
  return Inch(nf) ? FormatDec(nf, decimals + 2, ToInch(mm)) : FormatDec(nf, decimals, mm);
}

std::string FormatStressSig(const NumberFormat& nf, Extended mpa) {
  return FormatSig(nf, Inch(nf) ? ToPsi(mpa) : mpa);
}

std::string FormatTorqueSig(const NumberFormat& nf, Extended nm) {
  return FormatSig(nf, Inch(nf) ? ToLbfin(nm) : nm);
}

Extended ParseLength(const NumberFormat& nf, std::string_view text) {
  const Extended v = ParseNumber(text);
  return Inch(nf) ? v * kMmPerInch : v;
}

Extended ParseStress(const NumberFormat& nf, std::string_view text) {
  const Extended v = ParseNumber(text);
  return Inch(nf) ? v / kPsiPerMpa : v;
}

Extended ParseTorque(const NumberFormat& nf, std::string_view text) {
  const Extended v = ParseNumber(text);
  return Inch(nf) ? v * kNmPerLbfin : v;
}

std::string LengthUnit(const NumberFormat& nf) {
  return Inch(nf) ? "in" : "mm";
}

std::string StressUnit(const NumberFormat& nf) {
  return Inch(nf) ? "psi" : "MPa";
}

std::string TorqueUnit(const NumberFormat& nf) {
  return Inch(nf) ? "lbfin" : "Nm";
}

std::string MicroUnit(const NumberFormat& nf) {
  const char* micro = Ascii(nf) ? "u" : "µ";
  return std::string(micro) + (Inch(nf) ? "in" : "m");
}

std::string AngleUnit(const NumberFormat& nf) {
  return Ascii(nf) ? "deg" : "°";
}

std::string DateText(const NumberFormat& nf, const base::DateTime& now) {
  const std::string d = TwoDigits(now.day);
  const std::string m = TwoDigits(now.month);
  const std::string y = IntZeroPad(now.year, 4);
  switch (nf.dateCode) {
    case 1:
      return d + "." + m + "." + y;
    case 2:
      return m + "/" + d + "/" + y;
    case 4:
      return d + "/" + m + "/" + y;
    default:  // 3 and any unknown code
      return y + "/" + m + "/" + d;
  }
}

std::string TimeText(const base::DateTime& now) {
  return IntToText(now.hour) + ":" + TwoDigits(now.minute);
}

}  // namespace kv40::base
