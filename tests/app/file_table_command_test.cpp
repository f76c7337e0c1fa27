// File → Öffnen (Tabelle): the scan leaves the open connection alone, a picked row opens its
// file, a broken file neither opens nor disturbs what is open.
#include "app/file_table_command.h"

#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "model/input_file.h"
#include "support/quiet_shell.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

// Picks the rows of the given files one after another, then leaves the grid.
struct PickingShell final : test::QuietShell {
  void Refresh() override { ++refreshes; }
  void UpdateTitle() override { ++titles; }

  void BeginScan(int total) override { scanTotal = total; }
  bool ScanStep(int done, const std::string& name) override {
    steps.push_back(name);
    return stopAfter == 0 || done < stopAfter;
  }
  void EndScan() override { ++scanEnds; }
  std::optional<std::size_t> ShowPreview(report::PreviewGrid& grid,
                                         const std::string& caption) override {
    grids.push_back(grid);
    captions.push_back(caption);
    if (picks.empty()) return std::nullopt;
    const std::string file = picks.front();
    picks.pop_front();
    for (std::size_t i = 0; i < grid.rows.size(); ++i) {
      if (grid.rows[i].cells[0] == file) return i;
    }
    ADD_FAILURE() << file << " not in the grid";
    return std::nullopt;
  }

  std::deque<std::string> picks;
  int stopAfter = 0;
  int scanTotal = -1;
  int scanEnds = 0;
  std::vector<std::string> steps;
  std::vector<report::PreviewGrid> grids;
  std::vector<std::string> captions;
  int refreshes = 0;
  int titles = 0;
};

class FileTableCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBytes(dir / "a.k40", test::ReadBytes(kData / "beispiel1.k40"));
    test::WriteBytes(dir / "b.k40", test::ReadBytes(kData / "beispiel2.k40"));
    test::WriteBytes(dir / "kaputt.k40", "KV40\r\nnur zwei Zeilen\r\n");
    p.dataDir = dir.path().string() + "/";
    // the open connection: beispiel1 under another name, with an unsaved change
    ASSERT_TRUE(OpenInputFile(p, (kData / "beispiel1.k40").string()));
    p.currentFile = "offen";
    p.connection.znr[1] = "GEÄNDERT";
    p.modified = true;
    open = p.connection;
  }

  test::TempDir dir;
  test::TestProgram t;
  Program& p = t.p;
  PickingShell shell;
  model::SpecState open;
};

TEST_F(FileTableCommand, ScanLeavesTheOpenConnectionAlone) {
  t.ui.AnswerYesNoCancel(model::Answer::No);  // do not save "offen"
  FileOpenTable(p, shell);
  EXPECT_EQ(shell.scanTotal, 3);
  EXPECT_EQ(shell.steps, (std::vector<std::string>{"a.k40", "b.k40", "kaputt.k40"}));
  EXPECT_EQ(shell.scanEnds, 1);
  ASSERT_EQ(shell.grids.size(), 1u);
  const report::PreviewGrid& grid = shell.grids[0];
  ASSERT_EQ(grid.rows.size(), 3u);
  EXPECT_FALSE(grid.rows[0].failed);
  EXPECT_FALSE(grid.rows[1].failed);
  EXPECT_TRUE(grid.rows[2].failed);
  EXPECT_EQ(grid.rows[2].cells[2], "") << "no values of the file before";
  EXPECT_EQ(shell.captions[0], "KV40  " + p.dataDir);
  // nothing picked: the connection is the one that was open
  EXPECT_EQ(p.currentFile, "offen");
  EXPECT_EQ(p.connection.znr[1], "GEÄNDERT");
  EXPECT_EQ(p.connection.TN, open.TN);
  EXPECT_EQ(p.connection.log.messageCount, open.log.messageCount);
  EXPECT_TRUE(p.cancel) << "left with Exit";
}

TEST_F(FileTableCommand, PickedRowsOpenTheirFiles) {
  t.ui.AnswerYesNoCancel(model::Answer::No);
  shell.picks = {"b.k40", "kaputt.k40", "a.k40"};
  FileOpenTable(p, shell);
  EXPECT_EQ(shell.grids.size(), 4u) << "the grid comes back after each pick";
  ASSERT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_TRUE(t.ui.MessageTexts()[0].find("kaputt.k40") != std::string::npos);
  EXPECT_EQ(shell.grids[2].lastPicked, (dir / "kaputt.k40").string());
  // the last pick is open and calculated, the broken one changed nothing
  EXPECT_EQ(p.currentFile, "a");
  EXPECT_EQ(p.dataDir, dir.path().string() + "/");
  EXPECT_FALSE(p.modified);
  EXPECT_EQ(p.connection.znr[1], "KV40-0001-01");
  EXPECT_GT(p.connection.MdR[1], 0);
  EXPECT_EQ(shell.refreshes, 2);
}

TEST_F(FileTableCommand, BrokenPickKeepsTheOpenFile) {
  t.ui.AnswerYesNoCancel(model::Answer::No);
  shell.picks = {"kaputt.k40"};
  FileOpenTable(p, shell);
  EXPECT_EQ(p.currentFile, "offen");
  EXPECT_EQ(p.connection.znr[1], "GEÄNDERT");
  EXPECT_EQ(shell.refreshes, 0);
}

TEST_F(FileTableCommand, CancelledScanShowsWhatWasScanned) {
  t.ui.AnswerYesNoCancel(model::Answer::No);
  shell.stopAfter = 1;
  FileOpenTable(p, shell);
  ASSERT_EQ(shell.grids.size(), 1u);
  EXPECT_EQ(shell.grids[0].rows.size(), 1u);
}

TEST_F(FileTableCommand, CancelledSaveQuestionScansNothing) {
  t.ui.AnswerYesNoCancel(model::Answer::Cancel);
  FileOpenTable(p, shell);
  EXPECT_EQ(shell.scanTotal, -1);
  EXPECT_TRUE(shell.grids.empty());
  EXPECT_TRUE(p.modified);
}

}  // namespace
}  // namespace kv40::app
