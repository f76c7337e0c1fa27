// Polygon hatching on the drawing: points are collected one by one, then the polygon is
// outlined and hatched through the kernel. A failure is recorded for the drawing and cancels
// it; the calculation's messages are never touched.
#pragma once

#include <string>
#include <vector>

#include "cad/hatch_geometry.h"

namespace kv40::cad {

struct GraphicSession;

// The polygon being collected and the hatch mode: 0 outline and lines on the layer in force,
// 1 outline on layer 5 and lines on layer 3, 2 lines only, on layer 3.
struct HatchState {
  std::vector<Point> points;
  int mode = 1;
};

void HatchReset(GraphicSession& p);
// The 51st and later points are refused ("Schraffurfehler").
void HatchPoint(GraphicSession& p, Extended x, Extended y);
void HatchMode(GraphicSession& p, int mode);
// Hatches the first n collected points (0: all) at angle degrees, distance apart (0: a tenth
// of the polygon's extent across the lines). The polygon is closed unless its last point is
// its first.
void Hatch(GraphicSession& p, int n, Extended angle, Extended distance);

// Records a failure of the drawing and cancels it.
void DrawingFault(GraphicSession& p, const std::string& text);

}  // namespace kv40::cad
