// Inspection dimensions: span over k teeth and the dimension over two balls or pins, for the
// nominal profile shift and the tolerance limits; proposals for ball diameter and k.
// The hub runs through the same formulas with its negative values and gets negative results.
#pragma once

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::calc {

// ProposeDM's answer when no ball diameter can be proposed: the caller keeps its own.
inline constexpr Extended kNoProposal = 0;

// Span of part i over k[i] teeth for the generating profile shift xe; proposes k[i] when 0.
Extended SpanW(model::SpecState& s, int i, Extended xe);
// The span with explicit arguments (z != 0), without a proposal. Angles in radians.
Extended SpanWFree(model::MessageLog& log, int z, int k, Extended mn, Extended alpha, Extended beta,
                   Extended xe);
// Dimension over two balls of diameter DM[i] for part i.
Extended BallDim(model::SpecState& s, int i, Extended xe);
// The same with explicit arguments (z != 0).
Extended BallDimFree(model::MessageLog& log, int z, Extended mn, Extended alpha, Extended beta,
                     Extended xe, Extended dm);
// Dimension over two pins from the ball dimension m (equal to m for straight teeth).
Extended PinDim(const model::SpecState& s, int i, Extended m);
Extended PinDimFree(int z, Extended betaDeg, Extended dm, Extended m);
// Proposed ball diameter, rounded to 0.1 mm (0.001 inch in inch mode); kNoProposal when
// none can be made ("Fatal  : Kugelmaß DmMess !").
Extended ProposeDM(model::MessageLog& log, const base::NumberFormat& nf, int z, Extended beta,
                   Extended alpha, Extended x, Extended mn);
// Proposed number of teeth spanned (negative for the hub).
int ProposeK(model::MessageLog& log, int z, Extended beta, Extended alpha, Extended x, Extended mn);

// Span and ball/pin dimensions of both parts, then the accuracy check. Nothing when fatal.
void CalcMeasurements(model::SpecState& s);
// The single-measurement maxima WEmax and MdREmax; false when the calculation is to end.
bool CalcSingleMeasurements(model::SpecState& s);

}  // namespace kv40::calc
