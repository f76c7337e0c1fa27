// The batch drawing "/CADi:j": devices, the views table, and the exit codes.
#include "app/batch_drawing.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/run_program.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

namespace fs = std::filesystem;

void DrawCross(cad::GraphicSession& p, cad::CadDevice device) {
  cad::CadBeginDrawing(p, device);
  cad::CadLimits(p, 0, 0, 10, 10);
  cad::CadTables(p, 0);
  cad::CadEntities(p);
  cad::CadLine(p, 0, 0, 10, 10);
  cad::CadLine(p, 0, 10, 10, 0);
  cad::CadEndSection(p);
  cad::CadEndDrawing(p);
}

const cad::DrawingView kViews[] = {{1, "Kreuz", DrawCross}, {2, "leer", nullptr}};

TEST(BatchDrawing, DevicesViewsAndExitCodes) {
  struct Case {
    const char* name;
    int device;
    int j;
    const char* blocker;  // a folder of the output file's name: it cannot be written
    int exitCode;
    const char* file;  // written, or nullptr
  };
  const Case cases[] = {
      {"DXF", 1, 1, nullptr, 0, "probe.dxf"},
      {"listing", 5, 1, nullptr, 0, "probe.txt"},
      {"IGES", 2, 1, nullptr, 0, "probe.igs"},
      {"screen refused", 3, 1, nullptr, 1, nullptr},
      {"plot refused", 4, 1, nullptr, 1, nullptr},
      {"a view not drawn yet", 1, 2, nullptr, 0, nullptr},
      {"j outside the table", 1, 99, nullptr, 0, nullptr},
      {"the file cannot be written", 1, 1, "probe.dxf", 1, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TempDir dir;
    test::TestProgram t;
    t.p.currentFile = (dir / "probe").string();
    if (c.blocker != nullptr) fs::create_directory(dir / c.blocker);
    EXPECT_EQ(RunBatchDrawing(t.p, c.device, c.j, kViews), c.exitCode);
    EXPECT_FALSE(t.p.batchCad);
    std::size_t files = 0;
    for (const auto& e : fs::directory_iterator(dir.path())) {
      files += e.is_regular_file() ? 1 : 0;
    }
    EXPECT_EQ(files, c.file != nullptr ? 1u : 0u);
    if (c.file != nullptr) {
      EXPECT_TRUE(fs::exists(dir / c.file));
    }
  }
}

TEST(BatchDrawing, AFailedCalculationDrawsNothing) {
  test::TempDir dir;
  test::TestProgram t;
  t.p.currentFile = (dir / "probe").string();
  t.p.connection.log.fatal = true;
  EXPECT_EQ(RunBatchDrawing(t.p, 1, 1, kViews), 1);
  EXPECT_FALSE(fs::exists(dir / "probe.dxf"));
}

TEST(BatchDrawing, FromTheShell) {
  test::TempDir dir;
  fs::copy_file(fs::path(KV40_SOURCE_DATA_DIR) / "beispiel1.k40", dir / "beispiel1.k40");
  const auto none = test::RunKv40({"beispiel1.k40", "/CAD1:99", "/NOGUI"}, dir.path());
  EXPECT_EQ(none.exitCode, 0) << none.err;
  const auto screen = test::RunKv40({"beispiel1.k40", "/CAD3:1", "/NOGUI"}, dir.path());
  EXPECT_EQ(screen.exitCode, 1);
  EXPECT_NE(screen.err.find("/CAD3"), std::string::npos) << screen.err;
  std::size_t files = 0;
  for (const auto& e : fs::directory_iterator(dir.path()))
    files += e.path().extension() == ".k40" ? 0 : 1;
  EXPECT_EQ(files, 0u);
}

}  // namespace
}  // namespace kv40::app
