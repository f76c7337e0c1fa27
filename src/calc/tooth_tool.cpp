// The rack tool's outline and the placements of the tooth-form blocks.
#include "calc/tooth_tool.h"

#include <cmath>

namespace kv40::calc {
namespace {

constexpr Extended kDeg = 180 / kPi;

void Line(Figure& f, Extended x1, Extended y1, Extended x2, Extended y2) {
  f.entities.push_back(FigLine{kToolLayer, x1, y1, x2, y2});
}
void Arc(Figure& f, Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  if (r > 0) f.entities.push_back(FigArc{kToolLayer, xc, yc, a1, a2, r});
}

}  // namespace

RackTool MakeRackTool(const ToothGear& g) {
  RackTool t;
  const Extended mn = g.mn, rho = g.rhoaP0, k = g.kP0;
  const Extended a = g.alpha, ad = g.alpha * kDeg;
  const Extended sa = std::sin(a), ca = std::cos(a), ta = std::tan(a);
  t.p3 = (g.d - g.dfe) / 2;
  t.datum = g.haP0 - t.p3;
  t.root = g.haP0 + g.hfP0 - t.p3;
  const Extended L = t.root, H = kPi * mn / 2;
  // the tooth is pi*mn/2 thick on the datum line
  const Extended e = kPi * mn / 4 - ta * (g.haP0 - rho);
  const Extended gx = e - rho / ca, hy = rho - t.p3;    // tip-rounding centre
  const Extended I = gx + rho * ca, J = hy - rho * sa;  // where it touches the flank
  const Extended K = kPi * mn / 4 + g.hfP0 * ta;        // flank on the root line
  Figure& f = t.outline;
  const bool rootRounding = g.kP0Star > 0 && k > 0;
  const Extended xB = K + k * (1 - sa) / ca, yB = L - k;
  // right half, from the root line inwards
  if (!rootRounding) {
    Line(f, H, L, K, L);
    Line(f, K, L, I, J);
  } else {
    Line(f, H, L, xB, L);
    Arc(f, xB, yB, 90, 180 - ad, k);
    Line(f, xB - k * ca, yB + k * sa, I, J);
  }
  // the tip
  Arc(f, gx, hy, 270, 360 - ad, rho);
  Line(f, gx, -t.p3, -gx, -t.p3);
  Arc(f, -gx, hy, 180 + ad, 270, rho);
  // left half, from the flank outwards
  if (!rootRounding) {
    Line(f, -I, J, -K, L);
    Line(f, -K, L, -H, L);
  } else {
    Line(f, -I, J, -(xB - k * ca), yB + k * sa);
    Arc(f, -xB, yB, ad, 90, k);
    Line(f, -xB, L, -H, L);
  }
  return t;
}

std::vector<Placement> EnvelopePlacements(const ToothGear& g, const model::ToothFormOptions& o) {
  const int n = o.envelopesExternal <= 0 ? 30 : o.envelopesExternal;
  const Extended r = g.d / 2;
  const Extended e = 4.5L / g.z + 0.3L;
  const Extended step = e / n;
  std::vector<Placement> out;
  out.reserve(static_cast<std::size_t>(2 * n));
  for (int k = 0; k < 2 * n; ++k) {
    const Extended phi = -e + k * step;
    out.push_back({r * (phi * std::cos(phi) - std::sin(phi)),
                   r * (std::cos(phi) + phi * std::sin(phi)), phi * kDeg});
  }
  return out;
}

std::vector<Placement> ToothPlacements(const ToothGear& g) {
  std::vector<Placement> out;
  const Extended pitch = 360.0L / g.z;
  for (int k = 0; k < g.teeth(); ++k)
    out.push_back({0, 0, 180.0L / g.z + 360 - k * pitch});
  return out;
}

std::vector<Placement> SpacePlacements(const ToothGear& g) {
  std::vector<Placement> out;
  const Extended pitch = 360.0L / g.z;
  for (int k = 0; k < g.teeth(); ++k)
    out.push_back({0, 0, 360 - k * pitch});
  return out;
}

HubEnvelope HubEnvelopePlacements(const ToothGear& shaft, const ToothGear& hub,
                                  const model::ToothFormOptions& o) {
  HubEnvelope h;
  for (int k = 0; k < hub.teeth(); ++k)
    h.hubTeeth.push_back({0, 0, 90 + k * 360.0L / hub.z});
  h.pitchRadius = std::fabs(hub.dwe) / 2;
  const Extended a = (-shaft.dwe - hub.dwe) / 2;
  // equal and opposite pitch circles: rolling one in the other only turns it on the spot
  h.coaxial = std::fabs(a) < 1e-9L * std::fabs(hub.d);
  if (h.coaxial) {
    h.shaft.push_back({0, 0, -90});
    return h;
  }
  const int n = o.envelopesInternal <= 0 ? 200 : o.envelopesInternal;
  for (int k = 0; k < n; ++k) {
    const Extended theta = 2 * kPi * k / n;
    h.shaft.push_back({a * std::cos(theta), a * std::sin(theta),
                       -(90 + kDeg * (-theta * (hub.dwe / shaft.dwe + 1)))});
  }
  return h;
}

Meshing MeshingPlacements(int z1, int z2, Extended a, Extended rotAngle) {
  Meshing m;
  const Extended p1 = 360.0L / z1, p2 = 360.0L / z2;
  m.shaftTeeth = {{0, 0, rotAngle}, {0, 0, rotAngle + p1}, {0, 0, rotAngle - p1}};
  const Extended turn = rotAngle * z1 / z2;
  for (int k = 0; k < 2; ++k) {
    m.hubTeeth.push_back({0, a, 180 + (k + 0.5L) * p2 - turn});
    m.hubTeeth.push_back({0, a, 180 - (k + 0.5L) * p2 - turn});
  }
  return m;
}

GearPair PairPlacements(int z1, int z2, Extended a, Extended rotAngle) {
  // the shaft has a space on the y axis; a hub tooth stands in it
  return {{0, 0, rotAngle}, {0, a, 180 - 180.0L / z2 - rotAngle * z1 / z2}};
}

}  // namespace kv40::calc
