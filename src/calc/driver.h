// The calculation driver: turns the inputs of the state into a complete set of results.
#pragma once

#include "model/program.h"

namespace kv40::calc {

// Recomputes every result from the inputs; findings go to p.spec.log.
void RecalcAll(model::Program& p);
// Converts the DIN 5482 dimension block into the general gear inputs.
void ApplyDin5482(model::Program& p);
// The main calculation (geometry, tolerances, tooth data, inspection, checks, load).
void CalcSpline(model::Program& p);
// The dimension dialog's recalculation after a row of the DIN 5482 table was taken.
void RecalcDimensions(model::Program& p, int pickedRow);

}  // namespace kv40::calc
