// The HP-GL interpreter against hp2xx: for plot files covering the instructions of the help
// images, what we draw and what hp2xx plots are the same lines, once both are moved to their
// bounding box's corner. Labels are compared by place and size (hp2xx strokes its own font).
// Not compared: the 7-bit form of "PE" (hp2xx reads only the 8-bit form), and a pen-down move
// before any position (hp2xx starts at the origin, we draw nothing).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "help/hpgl.h"
#include "support/temp_dir.h"

namespace kv40::help {
namespace {

struct Segment {
  double x1, y1, x2, y2;
};

// Lines, circles and arcs as short segments.
class Segments final : public HpglCanvas {
 public:
  void Line(Extended x1, Extended y1, Extended x2, Extended y2, int) override {
    all.push_back({double(x1), double(y1), double(x2), double(y2)});
  }
  void Circle(Extended xc, Extended yc, Extended r, int) override {
    ArcSegments(xc, yc, 0, 360, r);
  }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int) override {
    ArcSegments(xc, yc, a1, a2, r);
  }
  void Label(Extended x, Extended y, const std::string&, Extended, Extended height, Extended,
             int) override {
    labels.push_back({double(x), double(y), double(height), 0});
  }
  std::vector<Segment> all;
  std::vector<Segment> labels;  // x, y, height

 private:
  void ArcSegments(double xc, double yc, double a1, double a2, double r) {
    const int n = 360;
    for (int i = 0; i < n; ++i) {
      const double s = (a1 + (a2 - a1) * i / n) * M_PI / 180;
      const double e = (a1 + (a2 - a1) * (i + 1) / n) * M_PI / 180;
      all.push_back(
          {xc + r * std::cos(s), yc + r * std::sin(s), xc + r * std::cos(e), yc + r * std::sin(e)});
    }
  }
};

// hp2xx's plot in millimetres: "#PU" starts a new polyline, "#PD" draws to the next point.
std::vector<Segment> Hp2xx(const std::filesystem::path& file) {
  std::vector<Segment> out;
  const std::string cmd = "hp2xx -q -t -m gpt -f - '" + file.string() + "' 2>/dev/null";
  FILE* f = popen(cmd.c_str(), "r");
  if (f == nullptr) return out;
  char buf[256];
  std::string state;
  double px = 0, py = 0;
  while (std::fgets(buf, sizeof buf, f) != nullptr) {
    const std::string line(buf);
    if (line[0] == '#') {
      state = line.substr(1, 2);
      continue;
    }
    std::istringstream in(line);
    double x = 0, y = 0;
    if (!(in >> x >> y)) continue;
    if (state == "PD") out.push_back({px, py, x, y});
    px = x;
    py = y;
  }
  pclose(f);
  return out;
}

void MoveToCorner(std::vector<Segment>& s) {
  double mx = 1e300, my = 1e300;
  for (const auto& g : s) {
    mx = std::min({mx, g.x1, g.x2});
    my = std::min({my, g.y1, g.y2});
  }
  for (auto& g : s) {
    g.x1 -= mx;
    g.x2 -= mx;
    g.y1 -= my;
    g.y2 -= my;
  }
}

double Distance(double x, double y, const Segment& g) {
  const double dx = g.x2 - g.x1, dy = g.y2 - g.y1;
  const double l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((x - g.x1) * dx + (y - g.y1) * dy) / l2 : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(x - (g.x1 + t * dx), y - (g.y1 + t * dy));
}

// The largest distance of points along a's segments from b's lines.
double Deviation(const std::vector<Segment>& a, const std::vector<Segment>& b) {
  double worst = 0;
  for (const auto& g : a) {
    for (double t : {0.0, 0.25, 0.5, 0.75, 1.0}) {
      const double x = g.x1 + t * (g.x2 - g.x1), y = g.y1 + t * (g.y2 - g.y1);
      double best = 1e300;
      for (const auto& h : b)
        best = std::min(best, Distance(x, y, h));
      worst = std::max(worst, best);
    }
  }
  return worst;
}

TEST(HpglAgainstHp2xx, TheSameLinesForEveryDrawingInstruction) {
  struct Case {
    const char* name;
    std::string plot;
  };
  const Case cases[] = {
      {"PU, PD and PA with pairs; skipped instructions",
       "IN;IP0,0,4000,4000;SC;LT;SP1;PU0,0;"
       "PD400,0,400,400,0,400,0,0;PU800,800;"
       "PA1200,800;PD;PA1200,1200,1600,1200;PU;"},
      {"pens and circles", "IN;SP2;PU2000,2000;CI400;SP3;PU3000,2000;CI200;PU;"},
      {"arcs both ways, the pen at their end",
       "IN;SP1;PU400,0;PD;AA0,0,90;PD0,800;PU;"
       "PA2000,0;PD;AA1600,0,-135;PD1000,-1000;PU;"},
      {"an arc of a whole turn is the circle", "IN;SP1;PU2400,2000;PD;AA2000,2000,-360;PU;"},
      {"encoded polyline, 8-bit, with pen up and absolute points",
       "IN;SP1;PU0,0;PEO\xC5p\xC2\xC1\xC2;PU;PA2000,0;PE<=_\xCB_\xCBO\xC5O\xC5;PU;"},
      {"a help image of the program's own", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::string plot = c.plot;
    if (plot.empty()) {
      // the dimension block drawn as the build draws it: lines, circles, arcs, encoded teeth
      const auto file = std::filesystem::path(KV40_HELP_DIR) / "abmess.plt";
      plot = test::ReadBytes(file);
      ASSERT_FALSE(plot.empty()) << file;
      // without its labels: hp2xx strokes them in a font of its own
      std::string bare;
      for (std::size_t i = 0; i < plot.size(); ++i) {
        if (plot.compare(i, 2, "LB") == 0) {
          i = plot.find('\x03', i);
          continue;
        }
        bare += plot[i];
      }
      plot = bare;
    }
    test::TempDir dir;
    test::WriteBytes(dir / "t.plt", plot);
    std::vector<Segment> theirs = Hp2xx(dir / "t.plt");
    ASSERT_FALSE(theirs.empty()) << "hp2xx (Debian package hp2xx) drew nothing";
    Segments ours;
    HpglState state;
    InterpretHpgl(plot, state, ours);
    ASSERT_FALSE(ours.all.empty());
    MoveToCorner(theirs);
    MoveToCorner(ours.all);
    EXPECT_LT(Deviation(theirs, ours.all), 0.06);
    EXPECT_LT(Deviation(ours.all, theirs), 0.06);
  }
}

TEST(HpglAgainstHp2xx, LabelsStandWhereHp2xxPutsThemWithTheirSize) {
  const std::string plot = "IN;SP1;PU0,0;PD40,0;PU400,400;SI0.3,0.4;DI1,0;LBAB\x03;";
  test::TempDir dir;
  test::WriteBytes(dir / "t.plt", plot);
  const auto theirs = Hp2xx(dir / "t.plt");
  ASSERT_FALSE(theirs.empty());
  Segments ours;
  HpglState state;
  InterpretHpgl(plot, state, ours);
  ASSERT_EQ(ours.labels.size(), 1u);
  // hp2xx's strokes of the label: everything above the short line at y = 0
  double minX = 1e300, minY = 1e300, maxY = -1e300;
  for (const auto& g : theirs) {
    if (g.y1 < 0.01 && g.y2 < 0.01 && g.x2 <= 1.01) continue;  // the line from (0,0) to (1,0)
    minX = std::min({minX, g.x1, g.x2});
    minY = std::min({minY, g.y1, g.y2});
    maxY = std::max({maxY, g.y1, g.y2});
  }
  EXPECT_NEAR(minX, ours.labels[0].x1, 0.5);
  EXPECT_NEAR(minY, ours.labels[0].y1, 0.5);
  EXPECT_NEAR(maxY - minY, ours.labels[0].x2, 0.5);  // the height, 4 mm
}

}  // namespace
}  // namespace kv40::help
