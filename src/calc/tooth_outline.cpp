// The outline of one tooth: the flank as involute points, and one of three root forms.
#include "calc/tooth_outline.h"

#include <algorithm>
#include <cmath>

namespace kv40::calc {
namespace {

Extended SafeAcos(Extended c, Figure& fig) {
  if (!(c >= -1 && c <= 1)) {
    if (!(c >= -1 - 1e-12L && c <= 1 + 1e-12L)) fig.Fail("Error: function ArcCos in math");
    c = c < 0 ? -1 : 1;
  }
  return std::acos(c);
}

Extended Dist(Point2 a, Point2 b) {
  return std::hypot(b.x - a.x, b.y - a.y);
}

// n flank points from the signed diameter d0 to the tip diameter, in equal diameter steps; the
// last one's bulge spans the tip land over to the left flank.
void AppendFlank(const ToothGear& g, Extended d0, int n, std::vector<Vertex>& v, Figure& fig) {
  const Extended step = (g.dae - d0) / (n - 1);
  for (int k = 0; k < n; ++k) {
    const Extended dy = k == n - 1 ? g.dae : d0 + k * step;
    const Point2 p = InvolutePoint(g, dy, fig);
    v.push_back({p.x, p.y, 0});
  }
  const Vertex& tip = v.back();
  v.back().bulge = 2 * g.side() * std::atan2(tip.x, g.side() * tip.y);
}

Point2 OnCircle(Extended radius, Extended angle) {
  return {radius * std::sin(angle), radius * std::cos(angle)};
}

// Form 1 without the fillet: the bare flanks from the base circle.
std::vector<Vertex> FlanksFromBaseCircle(const ToothGear& g, int n, Figure& fig) {
  std::vector<Vertex> v;
  AppendFlank(g, g.db, n, v, fig);
  return v;
}

// The generated root: root land from the space centre, the fillet of the tool's tip rounding,
// the involute from where the fillet meets it.
std::vector<Vertex> GeneratedRoot(const ToothGear& g, const model::ToothFormOptions& o, int n,
                                  Figure& fig) {
  const GeneratedFillet f = ExactRootFillet(g, o.filletSteps, fig);
  std::vector<Vertex> v;
  if (!fig.ok()) return v;
  const Extended rf = std::fabs(g.dfe) / 2;
  const Extended half = kPi / g.teeth();
  const int s = g.side();
  auto angleOf = [&](Point2 p) { return std::atan2(p.x, s * p.y); };
  std::size_t first = 0;
  if (f.footAngle < half) {
    const Point2 centre = ToPartFrame(g, OnCircle(rf, half));
    v.push_back({centre.x, centre.y, s * (half - f.footAngle)});
  } else {
    // the fillets of both sides meet before the space centre: start where this one crosses it
    while (first + 1 < f.points.size() && angleOf(f.points[first + 1]) >= half)
      ++first;
  }
  for (std::size_t k = first; k + 1 < f.points.size(); ++k)
    v.push_back({f.points[k].x, f.points[k].y, 0});
  AppendFlank(g, 2 * s * f.meetRadius, n, v, fig);
  return v;
}

// Form 2: a circle of the tool's tip radius touching the root circle and passing through the
// start of the involute.
std::vector<Vertex> FilletCircleRoot(const ToothGear& g, int n, Figure& fig) {
  const Extended rho = g.rhoaP0;
  const Extended rf = g.dfe / 2;
  const Extended half = kPi / g.z;
  const Point2 p1 = InvolutePoint(g, FormDiameter(g), fig);
  if (!(rho > 0)) {
    // a tool without tip rounding: the involute rises straight from the root circle
    const Point2 p2 = OnCircle(rf, half);
    std::vector<Vertex> v{{p2.x, p2.y, half - std::atan2(p1.x, p1.y)}};
    AppendFlank(g, FormDiameter(g), n, v, fig);
    return v;
  }
  const Extended r1 = std::hypot(p1.x, p1.y);
  const Extended theta1 = std::atan2(p1.x, p1.y);
  const Extended oc = rf + rho;
  const Extended gamma = SafeAcos((oc * oc + r1 * r1 - rho * rho) / (2 * oc * r1), fig);
  const Extended thetaC = theta1 + gamma;
  const Point2 p3 = OnCircle(rf, thetaC);
  const Extended chord = Dist(p3, p1);
  const Extended beta = SafeAcos(1 - chord * chord / (2 * rho * rho), fig);
  const Point2 p2 = OnCircle(rf, half);
  std::vector<Vertex> v{{p2.x, p2.y, half - thetaC}, {p3.x, p3.y, -beta}};
  AppendFlank(g, FormDiameter(g), n, v, fig);
  return v;
}

// Flank point of the hub at radius R (frame with the tooth on the positive y axis) and the
// centre of the circle of radius rho that touches it from the tooth-space side.
Point2 HubFlank(const ToothGear& g, Extended R, Point2& centre, Figure& fig) {
  const Extended psi = InvoluteHalfAngle(g, R, fig);
  const Extended ay = std::acos(std::fabs(g.db) / 2 / R);
  const Point2 er{std::sin(psi), std::cos(psi)};
  const Point2 et{std::cos(psi), -std::sin(psi)};
  // the normal towards the space: the hub's tooth widens outwards
  const Point2 n{-std::sin(ay) * er.x + std::cos(ay) * et.x,
                 -std::sin(ay) * er.y + std::cos(ay) * et.y};
  centre = {R * er.x + g.rhoaP0 * n.x, R * er.y + g.rhoaP0 * n.y};
  return {R * er.x, R * er.y};
}

// The hub's root fillet: a circle of the tool's tip radius touching the root circle and the
// involute, as a form tool with that tip radius leaves it.
struct HubFillet {
  Point2 centre, foot, flank;
  Extended flankRadius = 0;
};
HubFillet HubRootFillet(const ToothGear& g, Figure& fig) {
  const Extended rho = g.rhoaP0;
  const Extended Rf = std::fabs(g.dfe) / 2;
  Extended lo = std::max(std::fabs(g.dae), std::fabs(g.db)) / 2, hi = Rf;
  HubFillet f;
  auto miss = [&](Extended R) {
    HubFlank(g, R, f.centre, fig);
    return std::hypot(f.centre.x, f.centre.y) - (Rf - rho);
  };
  if (!(rho > 0)) {
    lo = Rf;
  } else if (miss(lo) > 0 || miss(hi) < 0) {
    fig.Fail("Fatal  : Fussausrundung !");
    return f;
  } else {
    for (int it = 0; it < 80; ++it) {
      const Extended mid = (lo + hi) / 2;
      (miss(mid) < 0 ? lo : hi) = mid;
    }
  }
  f.flankRadius = rho > 0 ? hi : Rf;
  f.flank = HubFlank(g, f.flankRadius, f.centre, fig);
  const Extended cr = std::hypot(f.centre.x, f.centre.y);
  f.foot = rho > 0 ? Point2{f.centre.x * Rf / cr, f.centre.y * Rf / cr} : f.flank;
  return f;
}

// The hub: root land on the root circle, the fillet arc, the involute up to the tip.
std::vector<Vertex> HubRoundedRoot(const ToothGear& g, int n, Figure& fig) {
  const HubFillet f = HubRootFillet(g, fig);
  if (!fig.ok()) return {};
  const Extended Rf = std::fabs(g.dfe) / 2;
  const Extended half = kPi / g.teeth();
  std::vector<Vertex> v;
  const Point2 centre = OnCircle(Rf, half);
  v.push_back({centre.x, centre.y, half - std::atan2(f.foot.x, f.foot.y)});
  if (g.rhoaP0 > 0) {
    const Point2 c = f.centre;
    Extended sweep =
        std::atan2(f.flank.y - c.y, f.flank.x - c.x) - std::atan2(f.foot.y - c.y, f.foot.x - c.x);
    while (sweep > kPi)
      sweep -= 2 * kPi;
    while (sweep < -kPi)
      sweep += 2 * kPi;
    v.push_back({f.foot.x, f.foot.y, sweep});
  }
  // into the part's frame: mirrored onto the negative y axis
  for (Vertex& p : v) {
    p.y = -p.y;
    p.bulge = -p.bulge;
  }
  AppendFlank(g, -2 * f.flankRadius, n, v, fig);
  return v;
}

}  // namespace

int InvolutePointCount(const model::ToothFormOptions& o) {
  if (o.nInvPoints <= 0) return 20;
  return o.nInvPoints < 2 ? 2 : o.nInvPoints;
}

std::vector<Vertex> MirroredOutline(const std::vector<Vertex>& right) {
  std::vector<Vertex> all = right;
  for (std::size_t k = right.size(); k-- > 0;) {
    all.push_back({-right[k].x, right[k].y, k > 0 ? right[k - 1].bulge : 0});
  }
  return all;
}

Extended InvoluteStartDiameter(const ToothGear& g, const model::ToothFormOptions& o) {
  Figure scratch;
  if (g.internal()) return -2 * HubRootFillet(g, scratch).flankRadius;
  if (!InvoluteFromBaseCircle(g)) return FormDiameter(g);
  if (!o.drawTrochoid) return g.db;
  return 2 * ExactRootFillet(g, o.filletSteps, scratch).meetRadius;
}

Figure ToothOutline(const ToothGear& g, const model::ToothFormOptions& o) {
  Figure fig;
  fig.Fail(g.failure);
  if (!fig.ok()) return fig;
  const int n = InvolutePointCount(o);
  std::vector<Vertex> right;
  if (g.internal()) {
    right = HubRoundedRoot(g, n, fig);
  } else if (!InvoluteFromBaseCircle(g)) {
    right = FilletCircleRoot(g, n, fig);
  } else if (o.drawTrochoid) {
    right = GeneratedRoot(g, o, n, fig);
  } else {
    right = FlanksFromBaseCircle(g, n, fig);
  }
  if (!fig.ok()) return fig;
  for (const Vertex& v : right) {
    if (!std::isfinite(v.x) || !std::isfinite(v.y) || !std::isfinite(v.bulge)) {
      fig.Fail("Fatal  : Zahnform !");
      return fig;
    }
  }
  fig.entities.push_back(FigPolyline{kOutlineLayer, MirroredOutline(right)});
  if (o.drawDiameters == 2) {
    const Extended h = (g.dae - g.dfe) / 2;
    fig.entities.push_back(
        FigLine{kCentreLineLayer, 0, g.dfe / 2 - 0.2L * h, 0, g.dae / 2 + 0.2L * h});
  }
  return fig;
}

}  // namespace kv40::calc
