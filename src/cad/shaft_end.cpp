// The shaft-end symbol's points from its table of relative heights.
#include "cad/shaft_end.h"

namespace kv40::cad {
namespace {

// Radial positions of the curve's points as fractions of the radius.
constexpr std::array<Extended, kShaftEndPoints> kRadial{
    0,     0.043, 0.079, 0.129, 0.177, 0.221, 0.268, 0.321, 0.379, 0.464, 0.564,  0.618,
    0.714, 0.804, 0.846, 0.879, 0.914, 0.936, 0.954, 0.968, 0.979, 0.986, 0.9964, 1};

}  // namespace

std::array<Point, kShaftEndPoints> ShaftEndCurve(Extended diameter) {
  const Extended h = 0.075L * diameter;
  std::array<Extended, kShaftEndPoints> y{};
  for (int k = 0; k <= 10; ++k)
    y[k] = k * h / 11;
  y[11] = 10.5L * h / 11;
  y[12] = h;
  for (int m = 1; m <= 11; ++m)
    y[12 + m] = y[12 - m];
  std::array<Point, kShaftEndPoints> p{};
  for (int k = 0; k < kShaftEndPoints; ++k)
    p[k] = {kRadial[k] * diameter / 2, y[k]};
  return p;
}

std::vector<Point> ShaftEndHatchPolygon(Extended diameter) {
  const auto c = ShaftEndCurve(diameter);
  std::vector<Point> poly(c.begin(), c.end());
  for (int j = 0; j <= 22; ++j)
    poly.push_back({c[22 - j].x, -c[j].y});
  return poly;
}

}  // namespace kv40::cad
