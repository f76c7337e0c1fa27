// The calculation driver: turns the inputs of the state into a complete set of results.
// Findings go to the connection's log (with its fatal flag); a failing step may set the command's
// cancel flag, which the caller clears before and tests after a run. The number settings round
// the measuring proposals (inch mode) and format the designations.
#pragma once

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::calc {

// Recomputes every result from the inputs, starting with an empty log.
void RecalcAll(model::SpecState& s, const base::NumberFormat& nf, bool& cancel);
// Converts the DIN 5482 dimension block into the general gear inputs; z5482 = 0 is fatal.
void ApplyDin5482(model::SpecState& s);
// The main calculation (geometry, tolerances, tooth data, inspection, checks, load).
void CalcSpline(model::SpecState& s, const base::NumberFormat& nf, bool& cancel);
// The dimension dialog's recalculation after row pickedRow of the DIN 5482 table was taken:
// measuring proposals, default tolerances and face widths, then CalcSpline.
void RecalcDimensions(model::SpecState& s, const base::NumberFormat& nf, bool& cancel,
                      int pickedRow);

}  // namespace kv40::calc
