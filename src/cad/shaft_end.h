// The conventional break symbol of a solid shaft end ("WLSTUMP"): its curve and the hatched
// half, for a shaft of diameter D, before the view turns it across the shaft axis.
#pragma once

#include <array>
#include <vector>

#include "cad/hatch_geometry.h"

namespace kv40::cad {

inline constexpr int kShaftEndPoints = 24;

// P_0 .. P_23: from the centre (0, 0) out to the radius, rising to the symbol's height
// 0.075 D and falling back.
std::array<Point, kShaftEndPoints> ShaftEndCurve(Extended diameter);

// The hatched half: the curve, then its point-mirror image back to the centre (47 points).
std::vector<Point> ShaftEndHatchPolygon(Extended diameter);

}  // namespace kv40::cad
