// The drawing kernel with its DXF and screen devices: what ezdxf makes of the files, the
// screen's display list against the DXF, and the kernel's refusals.
#include "cad/kernel.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/dxf_check.h"
#include "support/sample_drawing.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

namespace fs = std::filesystem;

// A program whose batch drawings go to dir/<name>.<ext>.
struct BatchProgram {
  explicit BatchProgram(const test::TempDir& dir, const std::string& name = "probe") {
    t.p.batchCad = true;
    t.p.currentFile = (dir.path() / name).string();
    t.p.config.tempDir = dir.path().string() + "/";
  }
  test::TestProgram t;
  app::Program& p = t.p;
};

TEST(Kernel, EveryDxfTheKernelWritesPassesEzdxf) {
  struct Case {
    const char* name;
    int tables;
    bool polylines;
  };
  const Case cases[] = {
      {"tables 0, lines and arcs", 0, false},
      {"tables 1, POLYLINE entities", 1, true},
      {"tables 2, POLYLINE entities", 2, true},
      {"tables 2, lines and arcs", 2, false},
  };
  test::TempDir dir;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BatchProgram b(dir);
    b.p.toothForm.invPolyline = c.polylines;
    test::DrawSample(b.p, CadDevice::Dxf, c.tables);
    ASSERT_FALSE(b.p.cancel) << (b.p.drawing.messages.empty() ? "" : b.p.drawing.messages.texts[0]);
    EXPECT_EQ(test::EzdxfAudit(dir / "probe.dxf", c.tables == 2), "ok");
  }
}

TEST(Kernel, TheScreenShowsWhatTheDxfHolds) {
  test::TempDir dir;
  for (const bool polylines : {false, true}) {
    SCOPED_TRACE(polylines ? "POLYLINE entities" : "lines and arcs");
    BatchProgram b(dir);
    b.p.toothForm.invPolyline = polylines;
    test::DrawSample(b.p, CadDevice::Dxf);
    test::DrawSample(b.p, CadDevice::Screen);
    ASSERT_FALSE(b.p.cancel);
    // the screen adds its status text to the drawing
    auto lines = b.p.graphic.displayList.Lines();
    const auto status = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
      return l.find("QUENTAR KV40 V1.3") != std::string::npos;
    });
    ASSERT_NE(status, lines.end());
    lines.erase(status);
    EXPECT_EQ(test::CompareWithDisplayList(dir / "probe.dxf", lines), "ok");
  }
}

}  // namespace
}  // namespace kv40::cad
