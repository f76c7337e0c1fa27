// Hatching through the kernel: outline as a polyline, then the clipped hatch lines.
#include "cad/hatch.h"

#include "base/format.h"
#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad {

void DrawingFault(GraphicSession& p, const std::string& text) {
  p.drawing.messages.Add(text);
  p.cancel = true;
}

void HatchReset(GraphicSession& p) {
  p.hatch.points.clear();
}

void HatchPoint(GraphicSession& p, Extended x, Extended y) {
  if (p.hatch.points.size() >= kMaxHatchPoints) {
    DrawingFault(p, kHatchPointFault);
    return;
  }
  p.hatch.points.push_back({x, y});
}

void HatchMode(GraphicSession& p, int mode) {
  p.hatch.mode = mode;
}

void Hatch(GraphicSession& p, int n, Extended angle, Extended distance) {
  if (p.cancel) return;
  const std::vector<Point>& all = p.hatch.points;
  if (n == 0) n = static_cast<int>(all.size());
  if (n > kMaxHatchPoints || n < 0 || n > static_cast<int>(all.size())) {
    DrawingFault(p, "Fatal  : " + base::IntToText(n) + " schraff !");
    return;
  }
  std::vector<Point> poly(all.begin(), all.begin() + n);
  if (poly.empty()) return;
  if (!(poly.back() == poly.front())) poly.push_back(poly.front());

  const int mode = p.hatch.mode;
  if (mode != 2) {
    if (mode == 1) CadLayer(p, 5);
    CadBeginPolyline(p);
    for (const Point& q : poly)
      CadVertex(p, q.x, q.y, 0);
    CadEndPolyline(p);
  }
  const HatchLinesResult r = HatchLines(poly, angle, distance);
  if (!r.fault.empty()) {
    DrawingFault(p, r.fault);
    return;
  }
  if (angle == 0) return;
  if (mode == 1 || mode == 2) CadLayer(p, 3);
  for (const Segment& s : r.segments)
    CadLine(p, s.a.x, s.a.y, s.b.x, s.b.y);
}

}  // namespace kv40::cad
