// Hatch lines clipped to a polygon, computed in a frame turned so that the lines run along x.
#include "cad/hatch_geometry.h"

#include <algorithm>
#include <cmath>

namespace kv40::cad {
namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;

bool Finite(std::span<const Point> points) {
  return std::all_of(points.begin(), points.end(),
                     [](const Point& p) { return std::isfinite(p.x) && std::isfinite(p.y); });
}

// The crossings of the line v = c with the closed outline, as u values, ascending. A vertex on
// the line counts with the edges that leave it upwards only, so the crossings pair up as for a
// line an infinitesimal step above c.
std::vector<Extended> Crossings(std::span<const Point> turned, Extended c) {
  std::vector<Extended> u;
  for (std::size_t i = 0; i + 1 < turned.size(); ++i) {
    const Point& a = turned[i];
    const Point& b = turned[i + 1];
    if ((a.y <= c) == (b.y <= c)) continue;
    u.push_back(a.x + (c - a.y) * (b.x - a.x) / (b.y - a.y));
  }
  std::sort(u.begin(), u.end());
  return u;
}

}  // namespace

HatchLinesResult HatchLines(std::span<const Point> closed, Extended angleDeg, Extended distance) {
  HatchLinesResult r;
  if (!Finite(closed) || !std::isfinite(angleDeg) || !std::isfinite(distance)) {
    r.fault = kHatchPointFault;
    return r;
  }
  if (angleDeg == 0 || closed.size() < 4) return r;  // no area: three points close a line

  // u along the hatch lines, v across them
  const Extended t = angleDeg * kPi / 180;
  const Extended cs = std::cos(t);
  const Extended sn = std::sin(t);
  std::vector<Point> turned;
  turned.reserve(closed.size());
  for (const Point& p : closed)
    turned.push_back({p.x * cs + p.y * sn, p.y * cs - p.x * sn});
  const auto [lo, hi] = std::minmax_element(
      turned.begin(), turned.end(), [](const Point& a, const Point& b) { return a.y < b.y; });
  const Extended vmin = lo->y;
  const Extended vmax = hi->y;
  const Extended extent = vmax - vmin;
  if (!(extent > 0)) return r;
  const Extended step = distance == 0 ? extent / 10 : std::fabs(distance);
  if (extent / step > kMaxHatchLines) {
    r.fault = kHatchPointFault;
    return r;
  }

  // a line closer to the far side than this would only trace the outline
  const Extended last = vmax - extent * 1e-6L;
  for (int i = 1;; ++i) {
    const Extended v = vmin + i * step;
    if (!(v < last)) break;
    const std::vector<Extended> u = Crossings(turned, v);
    if (u.size() > kMaxHatchCrossings) {
      r.segments.clear();
      r.fault = kHatchCrossingFault;
      return r;
    }
    for (std::size_t k = 0; k + 1 < u.size(); k += 2) {
      if (u[k] == u[k + 1]) continue;  // the line only touches a corner
      r.segments.push_back({{u[k] * cs - v * sn, u[k] * sn + v * cs},
                            {u[k + 1] * cs - v * sn, u[k + 1] * sn + v * cs}});
    }
  }
  return r;
}

}  // namespace kv40::cad
