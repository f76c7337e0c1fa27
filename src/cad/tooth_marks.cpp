// The labelled diameters of the tooth-form pictures.
#include "cad/tooth_marks.h"

#include <cmath>

#include "base/format.h"
#include "cad/kernel.h"
#include "cad/tooth_emit.h"
#include "calc/tooth_outline.h"

namespace kv40::cad {
namespace {

constexpr Extended kDeg = 180 / calc::kPi;

// The half opening (degrees) of the arc at radius R whose right end stays inside x <= xmax
// and y >= ymin (the frame with the tooth axis pointing up); nullopt when no end inside can
// be found.
std::optional<Extended> LimitOpening(Extended R, Extended open, Extended xmax, Extended ymin) {
  Extended o = open;
  if (R * std::sin(o / kDeg) > xmax) {
    if (xmax / R > 1 || xmax / R < -1) return std::nullopt;
    o = std::asin(xmax / R) * kDeg;
  }
  if (R * std::cos(o / kDeg) < ymin) {
    if (ymin / R > 1 || ymin / R < -1) return std::nullopt;
    o = std::min(o, std::acos(ymin / R) * kDeg);
  }
  return o;
}

}  // namespace

std::vector<DiameterMark> DiameterMarks(const calc::ToothGear& g, const model::ToothFormOptions& o,
                                        bool wholeGear) {
  const Extended form = calc::InvoluteStartDiameter(g, o);
  const Extended tight = 0.1L * g.mn, loose = 0.15L * g.mn;
  auto near = [](Extended a, Extended b, Extended by) { return std::fabs(a - b) < by; };
  std::vector<DiameterMark> m;
  m.push_back({"dw", g.dwe, 18});
  m.push_back({"d", g.d, 17, near(g.d, g.dw, tight) ? 1.2L : 1});
  m.push_back({"db", g.db, wholeGear ? 29 : 25});
  m.push_back({"df", g.dfe, 19});
  m.push_back({"da", g.dae, 21});
  m.push_back(
      {"dFf", form, 20, near(form, g.db, tight) ? 1.2L : 1, !calc::NearlyEqual(form, g.db)});
  if (!calc::NearlyEqual(g.dFa, g.da)) m.push_back({"dFa", g.dFa, 29});
  const bool crowded = near(g.db, g.dNf, loose) || near(g.d, g.dNf, loose);
  m.push_back({"dNf", g.dNf, 24, crowded ? 1.2L : 1});
  return m;
}

void DrawDiameterArcs(GraphicSession& p, const calc::ToothGear& g,
                      const std::vector<DiameterMark>& marks, const std::string& suffix) {
  const DrawingState& d = p.drawing;
  const int s = g.side();
  // the frame with the tooth axis pointing up: the hub's picture is mirrored in y
  const Extended xmax = d.DrawXMax, ymin = s > 0 ? d.DrawYMin : -d.DrawYMax;
  const Extended axis = s > 0 ? 90 : 270;
  const Extended open = 1.5L * 180 / g.teeth();
  for (const DiameterMark& m : marks) {
    if (p.cancel) return;
    const Extended R = std::fabs(m.diameter) / 2;
    if (!(R > 0)) continue;
    auto o = LimitOpening(R, m.widen * open, xmax, ymin);
    if (!o) {
      p.drawing.messages.Add("Warnung: ArcLimit");
      o = m.widen * open;
    }
    CadLayer(p, m.layer);
    CadArc(p, 0, 0, axis - *o, axis + *o, R);
    const Extended end = (axis - s * *o) / kDeg;
    CadTextStyle(p, 2, -s * *o, 0.1L * g.mn, 0.08L * g.mn);
    CadText(p, m.label + suffix, R * std::cos(end), R * std::sin(end));
  }
  CadLayer(p, 0);
}

void DrawDiameterCircles(GraphicSession& p, const std::vector<DiameterMark>& marks, Extended xc,
                         Extended yc) {
  for (const DiameterMark& m : marks) {
    if (p.cancel) return;
    CadLayer(p, m.layer);
    CadCircle(p, xc, yc, std::fabs(m.diameter) / 2);
  }
  CadLayer(p, 0);
}

void ListDiameters(GraphicSession& p, const std::vector<DiameterMark>& marks,
                   const std::string& suffix, Extended x, Extended y, Extended h) {
  CadTextStyle(p, 2, 0, h, 0.8L * h);
  CadMoveTo(p, x, y);
  for (const DiameterMark& m : marks) {
    if (!m.listed) continue;
    CadLayer(p, m.layer);
    CadTextLine(
        p, m.label + suffix + " = " + base::FormatLengthDec(p.fmt(), 3, std::fabs(m.diameter)));
  }
  CadLayer(p, 0);
}

}  // namespace kv40::cad
