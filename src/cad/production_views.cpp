// Shaft and hub views of the production drawing, in the part's own millimetres.
#include "cad/production_views.h"

#include <algorithm>
#include <cmath>

#include "base/format.h"
#include "cad/hatch.h"
#include "cad/kernel.h"
#include "cad/shaft_end.h"

namespace kv40::cad {

void CylinderLines(GraphicSession& p, Extended x1, Extended yc, Extended x2, Extended d) {
  CadLine(p, x1, yc - d / 2, x2, yc - d / 2);
  CadLine(p, x1, yc + d / 2, x2, yc + d / 2);
}

void ConeLines(GraphicSession& p, Extended x1, Extended yc, Extended x2, Extended d1, Extended d2) {
  CadLine(p, x1, yc - d1 / 2, x2, yc - d2 / 2);
  CadLine(p, x1, yc + d1 / 2, x2, yc + d2 / 2);
}

void CrossLine(GraphicSession& p, Extended x, Extended yc, Extended d) {
  CadLine(p, x, yc - d / 2, x, yc + d / 2);
}

void BreakLine(GraphicSession& p, bool add, Extended x1, Extended y1, Extended x2, Extended y2,
               Extended a) {
  const Extended dx = x2 - x1;
  const Extended dy = y2 - y1;
  const Extended length = std::hypot(dx, dy);
  // unit normal of the line (none for a line without length: the points stay on it)
  const Extended nx = length > 0 ? -dy / length : 0;
  const Extended ny = length > 0 ? dx / length : 0;
  base::Random& random = p.GetRandom();
  CadMoveTo(p, x1, y1);
  if (add) HatchPoint(p, x1, y1);
  for (int i = 1; i <= 5; ++i) {
    const Extended u1 = random.Next();
    const Extended u2 = random.Next();
    const Extended off = 2 * a * (u1 - u2);
    const Extended x = x1 + dx * i / 6 + nx * off;
    const Extended y = y1 + dy * i / 6 + ny * off;
    CadLineTo(p, x, y);
    if (add) HatchPoint(p, x, y);
  }
  CadLineTo(p, x2, y2);
  if (add) HatchPoint(p, x2, y2);
}

void ShaftEndSymbol(GraphicSession& p) {
  const Extended diameter = p.connection.da[1];
  HatchReset(p);
  for (const Point& q : ShaftEndHatchPolygon(diameter))
    HatchPoint(p, q.x, q.y);
  Hatch(p, 47, 45, 0);
  if (p.cancel) return;
  if (p.hatch.mode == 1) CadLayer(p, 5);
  const auto c = ShaftEndCurve(diameter);
  CadMoveTo(p, c[0].x, c[0].y);
  for (int k = 1; k < kShaftEndPoints; ++k)
    CadLineTo(p, -c[k].x, c[k].y);
}

void ShaftView(GraphicSession& p) {
  const model::SpecState& s = p.connection;
  const Extended t = 10 * s.mn;  // the plain shaft before the toothed length
  const Extended b = s.b[1];
  const Extended d = s.d[1];
  const Extended da = s.da[1];
  const Extended df = s.df[1];
  CadInsert(p, "WLSTUMP", 0, 0, 90, 1, 1);
  CadLayer(p, 1);
  CadLine(p, 0, 0, 1.1L * t + b, 0);
  CylinderLines(p, 0.9L * t, 0, 1.1L * t + b, d);
  CadLayer(p, 2);
  CylinderLines(p, t, 0, t + b, df);
  CadLayer(p, 5);
  CylinderLines(p, 0, 0, t + b - s.mn, da);
  CrossLine(p, t, 0, da);
  CrossLine(p, t + b - s.mn, 0, da);
  CrossLine(p, t + b, 0, df);
  ConeLines(p, t + b - s.mn, 0, t + b, da, df);
  CadTextStyle(p, 2, 0, 0.05L * b, b / 30);
  CadText(p, s.bez[1], 1.1L * t, 0.02L * d);
  CadLayer(p, 0);
  CadSizeUnit(p, 0.025L * std::min(da / 2, b));
  const base::NumberFormat& nf = p.fmt();
  CadDimensionExt(p, base::FormatLengthSig(nf, s.d4), "", "", t + b, -df / 2, t + b, df / 2,
                  t + b + 0.2L * d);
  CadDimensionExt(p, base::FormatLengthSig(nf, s.d3), "", "h11", t + b, -da / 2, t + b, da / 2,
                  t + b + 0.4L * d);
}

namespace {

// One wall section of the hub between the root circle at y = rf and y = rf + w (both signed),
// hatched, its outer edge a break line.
void HubWall(GraphicSession& p, Extended b, Extended rf, Extended w) {
  HatchReset(p);
  HatchPoint(p, 0, rf + w);
  HatchPoint(p, 0, rf);
  HatchPoint(p, b, rf);
  CadLayer(p, 3);
  BreakLine(p, true, b, rf + w, 0, rf + w, 0.2L * std::fabs(w));
  HatchMode(p, 2);
  Hatch(p, 0, 45, 0);
  HatchMode(p, 1);
}

}  // namespace

void HubView(GraphicSession& p) {
  const model::SpecState& s = p.connection;
  const Extended b = s.b[2];
  const Extended mn = s.mn;
  const Extended rf = -s.df[2] / 2;  // the hub's diameters are stored negative
  const Extended w = std::min(4 * mn, 0.25L * s.dB);
  CadLayer(p, 1);
  CadLine(p, -mn, 0, b + mn, 0);
  CylinderLines(p, -2 * mn, 0, b + 2 * mn, -s.d[2]);
  HubWall(p, b, rf, w);
  if (p.cancel) return;
  HubWall(p, b, -rf, -w);
  if (p.cancel) return;
  CadLayer(p, 5);
  CylinderLines(p, 0, 0, b, -s.df[2]);
  CylinderLines(p, 0, 0, b, -s.da[2]);
  CrossLine(p, 0, 0, 1.5L * s.dB);
  CrossLine(p, b, 0, 1.5L * s.dB);
  CadTextStyle(p, 2, 0, 0.05L * s.dB, s.dB / 30);
  CadText(p, s.bez[2], 0.05L * s.dB, 0.02L * s.dB);
  CadLayer(p, 0);
  CadSizeUnit(p, 0.025L * std::min(b, -s.da[2]));
  const base::NumberFormat& nf = p.fmt();
  CadDimensionExt(p, base::FormatLengthSig(nf, s.d1), "H12", "", b, -rf, b, rf, b - 0.4L * s.d[2]);
  CadDimensionExt(p, base::FormatLengthSig(nf, s.d2), "H11", "", b, s.da[2] / 2, b, -s.da[2] / 2,
                  b - 0.2L * s.d[2]);
}

}  // namespace kv40::cad
