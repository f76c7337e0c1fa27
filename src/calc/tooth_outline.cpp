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

// The hub as a tool with the tip radius leaves it: root land on the root circle, a fillet arc
// of the tip radius touching root circle and involute, the involute up to the tip.
std::vector<Vertex> HubRoundedRoot(const ToothGear& g, int n, Figure& fig) {
  const Extended rho = g.rhoaP0;
  const Extended Rf = std::fabs(g.dfe) / 2;
  const Extended Ra = std::fabs(g.dae) / 2;
  const Extended rb = std::fabs(g.db) / 2;
  const Extended half = kPi / g.teeth();
  // Flank point at radius R and the centre of a circle of radius rho touching it from the
  // space side (positive frame: tooth on the positive y axis).
  auto flank = [&](Extended R, Point2& centre) {
    const Extended psi = InvoluteHalfAngle(g, R, fig);
    const Extended ay = std::acos(rb / R);
    const Point2 er{std::sin(psi), std::cos(psi)};
    const Point2 et{std::cos(psi), -std::sin(psi)};
    const Point2 q{R * er.x, R * er.y};
    // the normal towards the space: the hub's tooth widens outwards
    const Point2 nrm{-std::sin(ay) * er.x + std::cos(ay) * et.x,
                     -std::sin(ay) * er.y + std::cos(ay) * et.y};
    centre = {q.x + rho * nrm.x, q.y + rho * nrm.y};
    return q;
  };
  Extended lo = std::max(Ra, rb), hi = Rf;
  Point2 c{};
  auto miss = [&](Extended R) {
    flank(R, c);
    return std::hypot(c.x, c.y) - (Rf - rho);
  };
  if (!(rho > 0)) {
    lo = hi = Rf;
  } else if (miss(lo) > 0 || miss(hi) < 0) {
    fig.Fail("Fatal  : Fussausrundung !");
    return {};
  } else {
    for (int it = 0; it < 80; ++it) {
      const Extended mid = (lo + hi) / 2;
      (miss(mid) < 0 ? lo : hi) = mid;
    }
  }
  const Point2 q = flank(hi, c);
  const Extended cr = std::hypot(c.x, c.y);
  const Point2 foot = rho > 0 ? Point2{c.x * Rf / cr, c.y * Rf / cr} : q;
  const Extended footAngle = std::atan2(foot.x, foot.y);
  std::vector<Vertex> v;
  const Point2 centre = OnCircle(Rf, half);
  v.push_back({centre.x, centre.y, half - footAngle});
  if (rho > 0) {
    const Extended a0 = std::atan2(foot.y - c.y, foot.x - c.x);
    const Extended a1 = std::atan2(q.y - c.y, q.x - c.x);
    Extended sweep = a1 - a0;
    while (sweep > kPi)
      sweep -= 2 * kPi;
    while (sweep < -kPi)
      sweep += 2 * kPi;
    v.push_back({foot.x, foot.y, sweep});
  }
  // the flank in the part's frame, mirrored back afterwards with the rest
  std::vector<Vertex> flankPoints;
  AppendFlank(g, -2 * hi, n, flankPoints, fig);
  for (Vertex& p : v) {
    p.y = -p.y;
    p.bulge = -p.bulge;
  }
  v.insert(v.end(), flankPoints.begin(), flankPoints.end());
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
