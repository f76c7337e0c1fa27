// What the input dialogs propose and derive while the user types: tooth count and face
// widths from the diameters, the load value derived from the other two, K lambda, plim,
// the measuring proposals and the live recalculation of the tolerance dialog.
#pragma once

#include <cstdint>
#include <optional>

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::calc {

// Which load value the load dialog derives from the other two (calcWhat).
enum class LoadDerived { P = 1, n = 2, TN = 3 };
// calcWhat as stored; 0 and values outside 1..3 count as P.
LoadDerived LoadDerivedFrom(int calcWhat);

// The derived load value from P (kW), n (1/min) and T (N m); nullopt when it cannot be
// derived (n without a positive torque, TN without a positive speed).
std::optional<Extended> DeriveLoad(LoadDerived what, Extended P, Extended n, Extended T);

// Number of teeth from the hub diameters and the entered module (all in the same unit):
// (d1 + d2) / 2 / mn rounded half to even; nullopt when the calculated module of the state
// or the entered module is 0.
std::optional<int> ProposeToothCount(const model::SpecState& s, Extended d1, Extended d2,
                                     Extended mnEntered);
// Face width from the hub root diameter, mm: 1.2 * d1 rounded to whole millimetres.
Extended ProposeFaceWidth(Extended d1);
// Shaft tip and root diameters from the hub's, mm: 0.5 mm below d1 and d2.
Extended ProposeTipDiameter(Extended d1);
Extended ProposeRootDiameter(Extended d2);

// K lambda from b0 and the shaft's operating pitch diameter: e^(0.1 r^2) + 0.01 r with
// r = b0 / dw[1]; nullopt when dw[1] is not positive (the caller then offers 1.0).
std::optional<Extended> ProposeKlambda(const model::SpecState& s);

// A real entry rounded to the nearest whole number (halves to even), kept in the 32-bit
// range; not a number gives 0.
std::int32_t RoundToInt32(Extended v);

// Allowable surface pressure Re * fS * fH.
Extended Plim(Extended re, Extended fS, Extended fH);

// Teeth spanned of both parts, proposed from the last calculation with the minimum generating
// profile shift (the hub's proposal is negative).
PartPair<int> ProposeMeasuringTeeth(model::SpecState& s);
// Ball diameters of both parts proposed the same way, mm; kNoProposal where none can be made.
PartPair<Extended> ProposeBallDiameters(model::SpecState& s, const base::NumberFormat& nf);

// Takes the four tolerance selections (1-based indices) into the state and runs the whole
// calculation, so that the results stay complete (ISO limits and designations included) even
// when the dialog is then cancelled.
void ApplyTolerances(model::SpecState& s, const base::NumberFormat& nf, bool& cancel,
                     const PartPair<Word>& field, const PartPair<Word>& series);

}  // namespace kv40::calc
