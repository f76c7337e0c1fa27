// The geometry of polygon hatching: parallel lines at a given angle and spacing, clipped to a
// closed polygon. A pure function; the kernel calls that draw the result are in hatch.h.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/part_pair.h"

namespace kv40::cad {

struct Point {
  Extended x = 0;
  Extended y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Segment {
  Point a;
  Point b;
};

inline constexpr int kMaxHatchPoints = 50;     // points one hatch polygon collects
inline constexpr int kMaxHatchCrossings = 10;  // crossings of one hatch line with the outline
inline constexpr int kMaxHatchLines = 10000;   // lines of one hatch (a spacing near 0)

inline constexpr const char* kHatchPointFault = "Schraffurfehler";
inline constexpr const char* kHatchCrossingFault = "Fatal  : schraff schnittp";

struct HatchLinesResult {
  std::vector<Segment> segments;
  std::string fault;  // empty, or why nothing is hatched
};

// The hatch lines inside the closed polygon (first point repeated at the end): lines at
// angleDeg to the x axis, `distance` apart measured at right angles to them (0: a tenth of the
// polygon's extent across the lines; a negative spacing counts as positive). The first line
// lies one spacing inside the polygon's extent. Angle 0 hatches nothing. The polygon is turned
// so that the lines run along x, which keeps every angle, steep ones too, free of tangents and
// of divisions by a cosine.
HatchLinesResult HatchLines(std::span<const Point> closed, Extended angleDeg, Extended distance);

}  // namespace kv40::cad
