// The demonstration without a window: the steps it shows, stopping early, and the user's
// connection as it was afterwards.
#include "app/demo.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "config/config_file.h"
#include "report/file_table.h"
#include "support/quiet_shell.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

const std::filesystem::path kData = KV40_SOURCE_DATA_DIR;

// Steps through the presentation (or stops after stopAfter steps) and records what it saw.
struct StepShell final : test::QuietShell {
  explicit StepShell(Program& p) : p_(p) {}
  void Refresh() override { ++refreshes; }
  void UpdateTitle() override { ++titles; }
  bool DemoStep(const std::string& caption, int i, int n, int pauseMs) override {
    captions.push_back(caption);
    counts.push_back(n);
    EXPECT_EQ(i, static_cast<int>(captions.size()));
    EXPECT_GT(pauseMs, 0);
    // the sample is what the steps show
    shownDrawing.push_back(p_.connection.znr[1]);
    return stopAfter == 0 || i < stopAfter;
  }
  void DemoCaption(const std::string& caption, int i, int) override {
    // the caption comes before its picture
    EXPECT_EQ(i, static_cast<int>(captions.size()) + 1);
    announced.push_back(caption);
  }
  bool DemoPause(int ms) override {
    EXPECT_GT(ms, 0);
    turns.push_back(p_.connection.rotAngle1);
    return true;
  }
  void DemoTable(const report::PreviewGrid& grid, const std::string& caption) override {
    tables.push_back(grid);
    tableCaption = caption;
  }
  void EndDemo() override { ++ends; }

  Program& p_;
  int stopAfter = 0;
  std::vector<std::string> captions;
  std::vector<std::string> announced;
  std::vector<long double> turns;  // the shaft's turn at each frame of the meshing
  std::vector<int> counts;
  std::vector<std::string> shownDrawing;
  std::vector<report::PreviewGrid> tables;
  std::string tableCaption;
  int ends = 0;
  int refreshes = 0;
  int titles = 0;
};

class Demo : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.dataDir = dir.path().string() + "/";
    ASSERT_TRUE(OpenInputFile(p, (kData / "beispiel2.k40").string()));
    p.currentFile = "meine";
    p.startedWithFile = true;
    p.connection.znr[1] = "MEINE-WELLE";
    p.modified = true;
    p.docu.changeCount = 1;
    p.docu.changeList[0].changeText = "meine Änderung";
    before = p.connection;
  }

  test::TempDir dir;
  test::TestProgram t;
  Program& p = t.p;
  model::SpecState before;
};

TEST_F(Demo, ShowsEveryStepOverTheSampleAndPutsTheUserStateBack) {
  StepShell shell(p);
  RunDemo(p, shell);
  ASSERT_GE(shell.captions.size(), 2u);
  EXPECT_EQ(shell.counts.front(), static_cast<int>(shell.captions.size()));
  EXPECT_NE(shell.captions.front().find("Maßblatt"), std::string::npos);
  EXPECT_NE(shell.captions.back().find("Ergebnistabelle"), std::string::npos);
  for (const std::string& shown : shell.shownDrawing)
    EXPECT_EQ(shown, "KV40-0001-01") << "every step shows the sample";
  // the dimension sheet went to the text window, the table beside it
  ASSERT_EQ(t.desktop.shown.size(), 1u);
  const std::string sheet = test::ReadBytes(t.desktop.shown[0]);
  EXPECT_NE(sheet.find("KV40-0001-01"), std::string::npos);
  EXPECT_NE(sheet.find("beispiel1.k40 "), std::string::npos) << "the sample's name in the header";
  ASSERT_EQ(shell.tables.size(), 1u);
  EXPECT_EQ(shell.tables[0].rows.size(), report::InputFilesOf(config::BundledDataDir()).size());
  EXPECT_EQ(shell.announced, shell.captions);
  // the meshing turns the shaft (24 teeth) from 0 through one pitch of 15° in small steps
  ASSERT_GE(shell.turns.size(), 5u);
  EXPECT_EQ(shell.turns.front(), 0);
  EXPECT_NEAR(static_cast<double>(shell.turns.back()), 15.0, 1e-9);
  for (std::size_t k = 1; k < shell.turns.size(); ++k)
    EXPECT_GT(shell.turns[k], shell.turns[k - 1]);
  // each step's report goes before the next picture, the last one at the end
  EXPECT_EQ(t.desktop.textWindowCloses, static_cast<int>(shell.captions.size()) + 1);
  EXPECT_EQ(shell.ends, 1);
  // the user's connection, file and documentation as they were, the view shown again
  EXPECT_EQ(p.connection.znr[1], "MEINE-WELLE");
  EXPECT_EQ(p.connection.z[1], before.z[1]);
  EXPECT_EQ(p.connection.TN, before.TN);
  EXPECT_EQ(p.connection.rotAngle1, before.rotAngle1);
  EXPECT_EQ(p.currentFile, "meine");
  EXPECT_EQ(p.dataDir, dir.path().string() + "/");
  EXPECT_TRUE(p.modified);
  EXPECT_TRUE(p.startedWithFile);
  EXPECT_EQ(p.docu.changeList[0].changeText, "meine Änderung");
  EXPECT_FALSE(p.writer.forcedDevice.has_value());
  EXPECT_FALSE(p.cancel);
  EXPECT_EQ(shell.refreshes, 1);
  EXPECT_EQ(shell.titles, 1);
}

TEST_F(Demo, ClosingTheDialogEndsThePresentation) {
  StepShell shell(p);
  shell.stopAfter = 1;
  RunDemo(p, shell);
  EXPECT_EQ(shell.captions.size(), 1u);
  EXPECT_TRUE(shell.tables.empty());
  EXPECT_EQ(shell.ends, 1);
  EXPECT_EQ(p.connection.znr[1], "MEINE-WELLE");
  EXPECT_EQ(p.currentFile, "meine");
}

}  // namespace
}  // namespace kv40::app
