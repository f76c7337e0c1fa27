// Basic involute geometry of shaft and hub: general gear data, diameters, tool data,
// generating profile shifts, tooth and space widths, tip thickness and clearances.
#pragma once

#include "model/spec_state.h"

namespace kv40::calc {

// General gear data: input checks, reference diameters, transverse pressure angle,
// undercut limit.
void CheckBasicData(model::SpecState& s);
// Tolerances, tool data, operating pressure angle, generating profile shifts, diameters,
// pitches. A failing operating pressure angle sets fatal and the cancel flag.
void CalcGeometry(model::SpecState& s, bool& cancel);
// Tip shortening, clearance, tooth depth, tooth thickness and space width, tip thickness;
// then the pair data (interference limits, usable root diameters).
void CalcToothData(model::SpecState& s);

}  // namespace kv40::calc
