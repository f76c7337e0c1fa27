// Hatch lines: inside their polygon, ends on its outline, at the asked angle and spacing, for
// steep angles too.
#include "cad/hatch_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace kv40::cad {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::vector<Point> Closed(std::vector<Point> pts) {
  pts.push_back(pts.front());
  return pts;
}

double DistanceToEdge(const Point& p, const Point& a, const Point& b) {
  const double dx = static_cast<double>(b.x - a.x), dy = static_cast<double>(b.y - a.y);
  const double len2 = dx * dx + dy * dy;
  double t =
      len2 == 0
          ? 0
          : (static_cast<double>(p.x - a.x) * dx + static_cast<double>(p.y - a.y) * dy) / len2;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(static_cast<double>(p.x - a.x) - t * dx,
                    static_cast<double>(p.y - a.y) - t * dy);
}

double DistanceToOutline(const Point& p, const std::vector<Point>& closed) {
  double best = 1e300;
  for (std::size_t i = 0; i + 1 < closed.size(); ++i) {
    best = std::min(best, DistanceToEdge(p, closed[i], closed[i + 1]));
  }
  return best;
}

// Even-odd rule by a ray towards +x.
bool Inside(const Point& p, const std::vector<Point>& closed) {
  bool in = false;
  for (std::size_t i = 0; i + 1 < closed.size(); ++i) {
    const Point& a = closed[i];
    const Point& b = closed[i + 1];
    if ((a.y > p.y) != (b.y > p.y) && p.x < a.x + (p.y - a.y) * (b.x - a.x) / (b.y - a.y)) in = !in;
  }
  return in;
}

struct Case {
  const char* name;
  std::vector<Point> polygon;  // closed
  double angle;
  double distance;
  std::size_t lines;  // expected number of segments
};

TEST(HatchGeometry, SegmentsLieInsideWithBothEndsOnTheOutline) {
  const auto square = Closed({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  // a U open at the top: lines across it cross the outline four times
  const auto u = Closed({{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}});
  const auto triangle = Closed({{0, 0}, {8, 0}, {0, 6}});
  const Case cases[] = {
      // w = y - x runs over [-10, 10]; a tenth of it is the step: 9 lines
      {"square 45 degrees, automatic spacing", square, 45, 0, 9},
      {"square 45 degrees, spacing 1", square, 45, 1, 14},  // 10 * sqrt(2) / 1 rounded down
      {"square 90 degrees (vertical lines)", square, 90, 2, 4},
      {"square 89.9999999 degrees", square, 89.9999999, 2, 4},
      {"square 90 degrees, a line would lie on the left edge", square, 90, 2.5, 3},
      {"square 135 degrees", square, 135, 2, 7},
      {"square 270 degrees", square, 270, 2, 4},
      {"square -45 degrees", square, -45, 1, 14},
      {"square 30 degrees", square, 30, 1.5, 9},
      // y = 9 - 0.7 i: eight lines through both legs, four below them
      {"U shape horizontal through both legs", u, 180, 0.7, 2 * 8 + 4},
      {"triangle 60 degrees", triangle, 60, 0.5, 0},  // count checked below only as > 0
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HatchLinesResult r = HatchLines(c.polygon, c.angle, c.distance);
    ASSERT_TRUE(r.fault.empty()) << r.fault;
    if (c.lines > 0) {
      EXPECT_EQ(r.segments.size(), c.lines);
    } else {
      EXPECT_FALSE(r.segments.empty());
    }
    const double a = c.angle * kPi / 180;
    for (const Segment& s : r.segments) {
      EXPECT_LT(DistanceToOutline(s.a, c.polygon), 1e-9);
      EXPECT_LT(DistanceToOutline(s.b, c.polygon), 1e-9);
      const Point mid{(s.a.x + s.b.x) / 2, (s.a.y + s.b.y) / 2};
      EXPECT_TRUE(Inside(mid, c.polygon)) << mid.x << " " << mid.y;
      // along the asked direction
      const double cross = std::cos(a) * static_cast<double>(s.b.y - s.a.y) -
                           std::sin(a) * static_cast<double>(s.b.x - s.a.x);
      EXPECT_NEAR(cross, 0, 1e-9);
    }
  }
}

TEST(HatchGeometry, VerticalLinesAreEvenlySpacedAtRightAnglesToThemselves) {
  const auto square = Closed({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  const HatchLinesResult r = HatchLines(square, 90, 2);
  ASSERT_EQ(r.segments.size(), 4u);
  std::vector<double> xs;
  for (const Segment& s : r.segments) {
    EXPECT_NEAR(static_cast<double>(s.a.x), static_cast<double>(s.b.x), 1e-12);
    EXPECT_NEAR(std::fabs(static_cast<double>(s.b.y - s.a.y)), 10, 1e-12);
    xs.push_back(static_cast<double>(s.a.x));
  }
  std::sort(xs.begin(), xs.end());
  for (std::size_t i = 0; i < xs.size(); ++i)
    EXPECT_NEAR(xs[i], 2.0 * (i + 1), 1e-12);
}

TEST(HatchGeometry, NothingOrAFaultForDegenerateInput) {
  const auto square = Closed({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
  const auto line = Closed({{0, 0}, {10, 10}});
  const Extended inf = INFINITY;
  struct Fault {
    const char* name;
    std::vector<Point> polygon;
    Extended angle, distance;
    const char* fault;
  };
  const Fault cases[] = {
      {"angle 0 draws no lines", square, 0, 1, ""},
      {"a polygon without area", line, 45, 1, ""},
      {"a flat polygon", Closed({{0, 0}, {5, 5}, {10, 10}}), 45, 1, ""},
      {"a spacing near zero would draw without end", square, 45, 1e-9L, kHatchPointFault},
      {"a point at infinity", Closed({{0, 0}, {inf, 0}, {10, 10}}), 45, 1, kHatchPointFault},
      {"an angle that is not a number", square, NAN, 1, kHatchPointFault},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const HatchLinesResult r = HatchLines(c.polygon, c.angle, c.distance);
    EXPECT_TRUE(r.segments.empty());
    EXPECT_EQ(r.fault, c.fault);
  }
}

TEST(HatchGeometry, MoreThanTenCrossingsOfOneLineIsAFault) {
  // a comb of six teeth: a line through the teeth crosses the outline twelve times
  std::vector<Point> comb{{0, 0}, {23, 0}};
  for (int i = 5; i >= 0; --i) {
    comb.push_back({4.0L * i + 3, 10});
    comb.push_back({4.0L * i, 10});
    if (i == 0) break;
    comb.push_back({4.0L * i, 2});
    comb.push_back({4.0L * i - 1, 2});
  }
  const auto closed = Closed(comb);
  const HatchLinesResult r = HatchLines(closed, 180, 1);
  EXPECT_EQ(r.fault, kHatchCrossingFault);
  EXPECT_TRUE(r.segments.empty());
}

}  // namespace
}  // namespace kv40::cad
