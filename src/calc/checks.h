// Meshing geometry of shaft and hub on one axis and the plausibility checks of the results.
#pragma once

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::calc {

// Centre-distance step of the second geometry pass (centre distance 0).
void CalcCentreDistance(model::SpecState& s);
// Interference limits of the tip circles, usable root diameters dNf, sliding and tip
// interference checks.
void CalcPairData(model::SpecState& s);
// "Tsn < 2Rs" accuracy check and the check for unusable results.
void CheckAccuracy(model::SpecState& s);
// Geometry warnings after the calculation (pointed teeth, undercut, clearance, measuring
// values, deviations against the centre-distance allowance).
void CheckWarnings(model::SpecState& s, const base::NumberFormat& nf);
// Drawing values sne, dfe, dae, dwe for a pair of generating profile shift coefficients.
void DrawingValues(model::SpecState& s, const PartPair<Extended>& xe);

// The drawing values of one part for the generating profile shift xe, leaving the state as it
// is; valid is false when no pair of pitch circles has the picture's centre distance.
struct DrawnValues {
  Extended sne = 0, dfe = 0, dae = 0, dwe = 0;
  bool valid = true;
};
DrawnValues DrawingValuesOf(const model::SpecState& s, int part, Extended xe);

}  // namespace kv40::calc
