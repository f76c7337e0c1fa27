// Tooth-thickness deviations and tolerances (tolerance fields and series), backlash limits,
// and the ISO 286 limit deviations of the tip and root diameters.
#pragma once

#include <string>
#include <string_view>

#include "model/spec_state.h"

namespace kv40::calc {

inline constexpr std::string_view kShaftFieldLetters = "abcdefghikmnprstuv";
inline constexpr std::string_view kHubFieldLetters = "FGHJKM";

// Size class X (1 .. 9) of the tolerance tables for module mn and reference diameter dB.
int SizeClass(model::MessageLog& log, Extended mn, Extended dB);
// Upper deviation of the shaft's tooth thickness in um for field position pos (1 .. 18).
int ToothDeviationShaft(model::MessageLog& log, int pos, Extended mn, Extended dB);
// The hub's value in um: the negated deviation of the mirrored row 11 - pos (pos 1 .. 6).
int ToothDeviationHub(model::MessageLog& log, int pos, Extended mn, Extended dB);
// Index (1 .. 33) into the tolerance tables for series index s (1 .. 9).
int ToleranceIndex(model::MessageLog& log, int s, Extended mn, Extended dB);
// Total and single-measurement tooth-thickness tolerance in um.
int TotalTolerance(model::MessageLog& log, int s, Extended mn, Extended dB);
int SingleTolerance(model::MessageLog& log, int s, Extended mn, Extended dB);
// Tolerance text of a part, e.g. "9h" or "10H" (at most 8 characters).
std::string ToleranceCode(int part, int series, int pos);

// Ase, Asi, T, TE, AseE and the tolerance texts of both parts from the fields and series.
void CalcToothTolerances(model::SpecState& s);
// Theoretical backlash limits jtmin, jtmax.
void CalcBacklash(model::SpecState& s);

// Limit deviations in um of an ISO 286 field; error is empty on success.
struct IsoLimits {
  Extended lower = 0;
  Extended upper = 0;
  std::string error;
};
// Only the positions "H" and "h" (grades 1 .. 18, sizes up to 3150 mm) are known.
IsoLimits IsoLimitsOf(std::string_view field, Extended size);
// IsoLimitsOf that sets the cancel flag on an error (the error text is not logged).
IsoLimits IsoDeviation(bool& cancel, std::string_view field, Extended size);
// Standard tolerance IT grade (1 .. 18) in um for the size range index (0 .. 20).
Extended StandardTolerance(int grade, int range);

}  // namespace kv40::calc
