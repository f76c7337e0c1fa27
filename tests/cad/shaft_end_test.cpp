// The shaft-end symbol: its curve, its hatched half, and that the half hatches cleanly.
#include "cad/shaft_end.h"

#include <gtest/gtest.h>

namespace kv40::cad {
namespace {

double D(Extended v) {
  return static_cast<double>(v);
}

TEST(ShaftEnd, CurveRisesToItsHeightAndFallsBackSymmetrically) {
  const auto c = ShaftEndCurve(40);  // h = 3
  EXPECT_EQ(c[0], (Point{0, 0}));
  EXPECT_NEAR(D(c[5].x), 0.221 * 20, 1e-12);
  EXPECT_NEAR(D(c[5].y), 5 * 3.0 / 11, 1e-12);
  EXPECT_NEAR(D(c[11].y), 10.5 * 3.0 / 11, 1e-12);
  EXPECT_NEAR(D(c[12].y), 3, 1e-12);
  EXPECT_NEAR(D(c[23].x), 20, 1e-12);
  for (int m = 1; m <= 11; ++m)
    EXPECT_EQ(c[12 + m].y, c[12 - m].y) << m;
  for (int k = 1; k < kShaftEndPoints; ++k)
    EXPECT_GT(c[k].x, c[k - 1].x) << k;
}

TEST(ShaftEnd, TheHatchedHalfIsTheCurveAndItsMirrorImage) {
  const auto c = ShaftEndCurve(40);
  const auto poly = ShaftEndHatchPolygon(40);
  ASSERT_EQ(poly.size(), 47u);
  for (int k = 0; k < kShaftEndPoints; ++k)
    EXPECT_EQ(poly[k], c[k]);
  EXPECT_EQ(poly[24], (Point{c[22].x, 0}));
  EXPECT_EQ(poly[36], (Point{c[10].x, -c[12].y}));  // the lowest point
  EXPECT_EQ(poly[46], (Point{0, -c[22].y}));

  // closed as the hatch closes it, at 45 degrees with the automatic spacing
  std::vector<Point> closed = poly;
  closed.push_back(poly.front());
  const HatchLinesResult r = HatchLines(closed, 45, 0);
  EXPECT_TRUE(r.fault.empty()) << r.fault;
  EXPECT_GE(r.segments.size(), 9u);
}

}  // namespace
}  // namespace kv40::cad
