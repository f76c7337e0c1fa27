// The calculation driver: turns the inputs of the state into a complete set of results.
// Findings go to p.connection.log (with its fatal flag); a failing step may set p.cancel, which the
// caller clears before and tests after a run.
#pragma once

#include "model/program.h"

namespace kv40::calc {

// Recomputes every result from the inputs, starting with an empty log.
void RecalcAll(model::Program& p);
// Converts the DIN 5482 dimension block into the general gear inputs; z5482 = 0 is fatal.
void ApplyDin5482(model::Program& p);
// The main calculation (geometry, tolerances, tooth data, inspection, checks, load).
void CalcSpline(model::Program& p);
// The dimension dialog's recalculation after row pickedRow of the DIN 5482 table was taken:
// measuring proposals, default tolerances and face widths, then CalcSpline.
void RecalcDimensions(model::Program& p, int pickedRow);

}  // namespace kv40::calc
