// Hatching through the kernel: outline and lines on the layers of each hatch mode, a polygon
// closed once, the point limit, and a failure kept apart from the calculation.
#include "cad/hatch.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cad/kernel.h"
#include "support/dxf_check.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

const std::string kProbe = std::string(KV40_TEST_DATA_DIR) + "/../support/drawing_probe.py";

// One hatch of the square (0, 0)-(10, 10) drawn on layer 2 into a DXF file; the entities
// of its model space as "TYPE layer [vertices]" lines.
struct Hatched {
  Hatched(int mode, Extended angle, bool closedByCaller, int extraPoints = 0) {
    p.batchCad = true;
    p.currentFile = (dir.path() / "hatch").string();
    CadBeginDrawing(p, CadDevice::Dxf);
    CadLimits(p, 0, 0, 10, 10);
    CadTables(p, 2);
    CadEntities(p);
    CadLayer(p, 2);
    HatchReset(p);
    HatchMode(p, mode);
    for (const auto& [x, y] : {std::pair{0, 0}, {10, 0}, {10, 10}, {0, 10}})
      HatchPoint(p, x, y);
    if (closedByCaller) HatchPoint(p, 0, 0);
    for (int i = 0; i < extraPoints; ++i)
      HatchPoint(p, 5, 5);
    Hatch(p, 0, angle, 2);
    CadEndSection(p);
    CadEndDrawing(p);
  }
  std::string Entities() const {
    return test::Shell("/usr/bin/python3 '" + kProbe + "' entities '" +
                       (dir / "hatch.dxf").string() + "' '*'");
  }
  test::TempDir dir;
  test::TestProgram t;
  app::Program& p = t.p;
};

std::string Repeat(const std::string& line, int n) {
  std::string s;
  for (int i = 0; i < n; ++i)
    s += line;
  return s;
}

TEST(Hatch, LayersOfEachModeAndAPolygonClosedOnce) {
  struct Case {
    const char* name;
    int mode;
    Extended angle;
    bool closedByCaller;
    std::string entities;
  };
  // at 90 degrees, 2 apart: four vertical lines at x = 2, 4, 6, 8
  const Case cases[] = {
      {"mode 1: outline on 5, lines on 3", 1, 90, false, "POLYLINE 5 5\n" + Repeat("LINE 3\n", 4)},
      {"first point repeated by the caller", 1, 90, true, "POLYLINE 5 5\n" + Repeat("LINE 3\n", 4)},
      {"mode 2: lines only", 2, 90, false, Repeat("LINE 3\n", 4)},
      {"mode 0: everything on the layer in force", 0, 90, false,
       "POLYLINE 2 5\n" + Repeat("LINE 2\n", 4)},
      {"angle 0: the outline only", 1, 0, false, "POLYLINE 5 5\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Hatched h(c.mode, c.angle, c.closedByCaller);
    ASSERT_FALSE(h.p.cancel);
    EXPECT_EQ(h.Entities(), c.entities);
  }
}

TEST(Hatch, FiftyPointsAreHatchedAndTheFiftyFirstCancelsTheDrawing) {
  Hatched fifty(1, 45, true, 50 - 5);
  EXPECT_FALSE(fifty.p.cancel);
  EXPECT_TRUE(fs::exists(fifty.dir / "hatch.dxf"));
  Hatched more(1, 45, true, 50 - 5 + 1);
  EXPECT_TRUE(more.p.cancel);
  EXPECT_EQ(more.p.drawing.messages.texts, std::vector<std::string>{"Schraffurfehler"});
  EXPECT_FALSE(fs::exists(more.dir / "hatch.dxf"));
  EXPECT_FALSE(more.p.connection.log.fatal);
  EXPECT_EQ(more.p.connection.log.messageCount, 0);
}

}  // namespace
}  // namespace kv40::cad
