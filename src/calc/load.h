// Load capacity of the connection: allowable torques after Roloff/Matek and Niemann (1981),
// flank pressure and safety factors after Niemann (2005).
#pragma once

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::calc {

// The load block of the calculation; KA = 0 ends it with a fatal message.
void CalcLoadCapacity(model::SpecState& s, const base::NumberFormat& nf);
// Load-share factors K phi,eq and K phi,max for quality number q (4 .. 12); outside that
// range "Fehler : tol = " q " !" is recorded and 0 returned.
Extended LoadShareEq(model::MessageLog& log, int q);
Extended LoadShareMax(model::MessageLog& log, int q);

}  // namespace kv40::calc
