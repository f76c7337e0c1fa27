// The production drawing's commands: View items on the screen, CAD items on a chosen device
// with the menu coming back after each drawing, and the default view.
#include "app/drawing_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "calc/driver.h"
#include "model/input_file.h"
#include "support/dxf_check.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {

namespace fs = std::filesystem;

struct Sample {
  Sample() {
    EXPECT_TRUE(model::LoadInputFile(p, std::string(KV40_SOURCE_DATA_DIR) + "/beispiel1.k40"));
    calc::RecalcAll(p.connection, p.fmt(), p.cancel);
    p.config.tempDir = dir.path().string() + "/";
  }
  // The texts the screen shows that start with prefix.
  std::size_t Shown(const std::string& text) const {
    const auto lines = p.graphic.displayList.Lines();
    return static_cast<std::size_t>(std::count_if(lines.begin(), lines.end(), [&](const auto& l) {
      return l.rfind("6;", 0) == 0 && l.find(";" + text) != std::string::npos;
    }));
  }
  test::TempDir dir;
  test::TestProgram t;
  Program& p = t.p;
};

TEST(DrawingCommands, TheViewItemsShowTheirEntryOnTheScreen) {
  struct Case {
    int entry;
    std::size_t titleBlocks, shaftTables, hubTables, strength;
  };
  const Case cases[] = {
      {1, 0, 0, 0, 0}, {2, 0, 0, 0, 0}, {3, 0, 1, 0, 0}, {4, 0, 0, 1, 0}, {5, 1, 1, 0, 0},
      {6, 1, 0, 1, 0}, {7, 0, 1, 1, 0}, {8, 2, 1, 1, 0}, {9, 0, 1, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    Sample s;
    ShowProductionView(s.p, c.entry);
    ASSERT_FALSE(s.p.cancel);
    EXPECT_EQ(s.Shown("Zust."), c.titleBlocks);
    EXPECT_EQ(s.Shown("ZAHNWELLE "), c.shaftTables);
    EXPECT_EQ(s.Shown("ZAHNNABE "), c.hubTables);
    EXPECT_EQ(s.Shown("FESTIGKEIT"), c.strength);
    EXPECT_GT(s.p.graphic.displayList.size(), 20u);
  }
  Sample s;
  ShowProductionView(s.p, 3);  // the shaft table alone, in its own limits
  EXPECT_EQ(s.p.drawing.DrawXMin, -5);
  EXPECT_EQ(s.p.drawing.DrawYMin, -5);
  EXPECT_EQ(s.p.drawing.DrawXMax, 130);
  EXPECT_EQ(s.p.drawing.DrawYMax, 130);
}

TEST(DrawingCommands, TheDefaultViewFollowsTheConfiguration) {
  struct Case {
    int kind;
    std::size_t titleBlocks, strength, hubTables;
  };
  // 1 Quick, 2 both tables, 3 both sheets, 4 and 5 tooth forms, anything else Quick
  const Case cases[] = {{0, 0, 1, 1}, {1, 0, 1, 1}, {2, 0, 0, 1}, {3, 2, 0, 1},
                        {4, 0, 0, 0}, {5, 0, 0, 0}, {17, 0, 1, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    Sample s;
    s.p.config.mainDrawingKind = c.kind;
    EXPECT_TRUE(ShowDefaultView(s.p));
    EXPECT_GT(s.p.graphic.displayList.size(), 20u);
    EXPECT_EQ(s.Shown("Zust."), c.titleBlocks);
    EXPECT_EQ(s.Shown("FESTIGKEIT"), c.strength);
    EXPECT_EQ(s.Shown("ZAHNNABE "), c.hubTables);
  }
}

TEST(DrawingCommands, AFailedCalculationLeavesTheDefaultViewToTheLogo) {
  Sample s;
  s.p.connection.z5482 = 0;  // "Fatal  : z = 0 !"
  calc::RecalcAll(s.p.connection, s.p.fmt(), s.p.cancel);
  ASSERT_TRUE(s.p.connection.log.fatal);
  EXPECT_FALSE(ShowDefaultView(s.p));
  EXPECT_TRUE(s.t.ui.prompts().empty());  // no message list: the View menu counts them
  EXPECT_TRUE(s.p.graphic.displayList.empty());
}

TEST(DrawingCommands, CadDrawingsGoToTheChosenDeviceAndFile) {
  Sample s;
  const std::string file = (s.dir / "beide").string();  // the extension comes with the device
  s.t.ui.AnswerChoose(1).AnswerSaveFile(file);
  CadProductionEntry(s.p, 8);
  ASSERT_FALSE(s.p.cancel);
  const auto asked = s.t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "CAD-Code");
  EXPECT_EQ(test::EzdxfAudit(file + ".dxf", true), "ok");
}

TEST(DrawingCommands, TheCadMenuComesBackAfterEachDrawingAndAfterACancelledDevice) {
  Sample s;
  const std::string file = (s.dir / "welle.dxf").string();
  s.t.ui
      .AnswerChoose(5)                   // "Zeichnung Welle"
      .Cancel(test::PromptKind::Choose)  // no device: back to the menu
      .AnswerChoose(9)                   // "Quick"
      .AnswerChoose(1)                   // DXF
      .AnswerSaveFile(file)
      .AnswerChoose(10);  // "zurück .."
  CadProductionMenu(s.p);
  EXPECT_EQ(s.t.ui.Pending(), 0u);
  std::vector<std::string> prompts;
  for (const auto& q : s.t.ui.Of(test::PromptKind::Choose))
    prompts.push_back(q.text);
  EXPECT_EQ(prompts, (std::vector<std::string>{"Bitte wählen ..", "CAD-Code", "Bitte wählen ..",
                                               "CAD-Code", "Bitte wählen .."}));
  EXPECT_EQ(test::EzdxfAudit(file, true), "ok");
}

}  // namespace
}  // namespace kv40::app
