// The ranges of the inputs the calculation can use, shared by its input checks and by the
// dialogs' fields so that both refuse the same values; and the check that no result of a
// run is an infinite or undefined number.
#pragma once

#include <string>
#include <string_view>

#include "base/part_pair.h"
#include "model/spec_state.h"

namespace kv40::calc {

struct InputRange {
  Extended lower;
  Extended upper;
  const char* text;  // the limits as the calculation's message shows them
};

// Teeth of the shaft (the hub has as many): fewer than 2 is no spline, and beyond 1000 teeth
// the teeth of any practical diameter are thinner than the smallest module.
inline constexpr InputRange kToothCountRange{2, 1000, "2..1000"};
// Normal module in mm: from fine-pitch splines to the largest gear modules.
inline constexpr InputRange kModuleRange{0.05L, 100, "0.05..100"};
// Diameters d1 .. d4 of the block in mm: up to the largest nominal size of the ISO 286 limits
// that the tip and root diameters get.
inline constexpr InputRange kDiameterRange{1, 3150, "1..3150"};
// Pressure angle in degrees (the DIN 5482 block always gives 30).
inline constexpr InputRange kPressureAngleRange{5, 45, "5..45"};
// Face widths b0, b1, b2 in mm as the calculation uses them: a width entered as 0 has become
// the default from the reference diameter before; anything thinner than 0.1 mm only
// carries load on paper.
inline constexpr InputRange kWidthRange{0.1L, 10000, "0.1..10000"};
// Connection kind: 1 fixed hub, 2 hub sliding without load, 3 hub sliding under load.
inline constexpr InputRange kConnKindRange{1, 3, "1..3"};
// Application factor KA: positive; the published factors lie between 1 and about 3.
inline constexpr InputRange kApplicationFactorRange{0.1L, 10, "0.1..10"};
// Nominal and maximum torque in N m: positive, up to the largest drive shafts.
inline constexpr InputRange kTorqueRange{0.001L, 1e7L, "0.001..1e7"};
// Yield strength in N/mm^2 (the tensile strength for brittle materials): any real material.
inline constexpr InputRange kYieldRange{1, 5000, "1..5000"};

// A NaN is in no range.
inline bool InRange(const InputRange& r, Extended v) {
  return v >= r.lower && v <= r.upper;
}

// Records "Fatal  : <name> nicht in <limits> !" and returns false when v is outside r.
bool CheckRange(model::MessageLog& log, std::string_view name, const InputRange& r, Extended v);

// The name of the first number of the state that is infinite, undefined or beyond what a
// double holds (what every reader of the exports would take as infinite); empty when none.
std::string FirstNonFiniteField(const model::SpecState& s);
// A run whose state holds such a number is fatal: "Fatal  : nicht endlich: <name>" (one help
// entry explains them all).
inline constexpr const char* kNotFinitePrefix = "Fatal  : nicht endlich: ";
void CheckFiniteResults(model::SpecState& s);

}  // namespace kv40::calc
