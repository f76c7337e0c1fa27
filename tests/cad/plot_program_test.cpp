// The plot program started by the drawing kernel: the command line as a list of arguments,
// never through a shell, and a program that cannot start is said.
#include "cad/plot_program.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::cad {
namespace {

TEST(PlotProgram, TheComposedLineStartsWithoutAShell) {
  test::TempDir dir;
  test::TestProgram t;
  const std::string plotFile = (dir / "gravolt.dxf").string();
  // a shell would run the second command and make "b" and "c"
  const std::string odd = "a; touch b $(touch c)";
  ASSERT_TRUE(StartPlotProgram(t.p, "touch \"" + odd + "\"", plotFile));
  const auto made = dir / odd;
  for (int i = 0; i < 300 && !std::filesystem::exists(made); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_TRUE(std::filesystem::exists(made));
  EXPECT_FALSE(std::filesystem::exists(dir / "b"));
  EXPECT_FALSE(std::filesystem::exists(dir / "c"));

  EXPECT_FALSE(StartPlotProgram(t.p, "kv40-kein-solches-programm x", plotFile));
  EXPECT_TRUE(t.p.cancel);
  ASSERT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_NE(t.ui.MessageTexts()[0].find("kv40-kein-solches-programm"), std::string::npos);
}

}  // namespace
}  // namespace kv40::cad
