// The tooth-form commands of the View and CAD menus and the main window's configured drawing.
#include "app/tooth_commands.h"

#include <algorithm>
#include <filesystem>

#include <gtest/gtest.h>

#include "app/command_table.h"
#include "calc/driver.h"
#include "support/dxf_check.h"
#include "support/quiet_shell.h"
#include "support/spline_blocks.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::app {
namespace {
namespace fs = std::filesystem;

// Records the dialogs the commands open; a dialog may be cancelled.
struct RecordingShell final : test::QuietShell {
  explicit RecordingShell(Program& program) : p(program) {}
  void RunDialog(InputDialog d) override {
    dialogs.push_back(d);
    p.cancel = cancelDialog;
  }
  Program& p;
  std::vector<InputDialog> dialogs;
  bool cancelDialog = false;
};

struct Fixture {
  Fixture() {
    test::SelfDefinedBlock(t.p.connection, 50.2L, 2, 24);
    t.p.connection.r1 = t.p.connection.r2 = 0.32L;
    bool cancel = false;
    calc::RecalcAll(t.p.connection, t.p.fmt(), cancel);
  }
  void Run(const char* item) {
    for (const MenuEntry& e : CommandTable()) {
      if (std::string(e.name) == item) {
        ASSERT_NE(e.handler, nullptr) << item;
        e.handler(t.p, shell);
        return;
      }
    }
    FAIL() << item;
  }
  test::TestProgram t;
  RecordingShell shell{t.p};
};

TEST(ToothCommands, ViewItemsDrawOnTheScreen) {
  const char* items[] = {"mi_viewverzahnungwellenabe", "mi_viewverzahnungwelle",
                         "mi_viewverzahnungnabe",      "mi_viewbezugsprofilwelle",
                         "mi_viewbezugsprofilnabe",    "mi_viewzahneingriff"};
  for (const char* item : items) {
    SCOPED_TRACE(item);
    Fixture f;
    f.Run(item);
    EXPECT_FALSE(f.t.p.cancel);
    EXPECT_GT(f.t.p.graphic.displayList.size(), 20u);
    EXPECT_TRUE(f.t.ui.prompts().empty());
  }
}

TEST(ToothCommands, AFailedCalculationShowsItsMessagesInstead) {
  for (const char* item : {"mi_viewzahneingriff", "mi_cadzahnform"}) {
    SCOPED_TRACE(item);
    Fixture f;
    model::AddMessage(f.t.p.connection.log, "Fatal  : mn <= 0!");
    f.t.p.connection.log.fatal = true;
    f.t.ui.Cancel(test::PromptKind::Choose);
    f.Run(item);
    const auto asked = f.t.ui.Of(test::PromptKind::Choose);
    ASSERT_EQ(asked.size(), 1u);
    const auto& items = asked[0].items;
    EXPECT_NE(std::find(items.begin(), items.end(), "Fatal  : mn <= 0!"), items.end());
    EXPECT_EQ(f.t.p.graphic.displayList.size(), 0u);
  }
}

TEST(ToothCommands, CadToothFormWritesTheChosenDevice) {
  test::TempDir dir;
  Fixture f;
  const std::string file = (dir / "welle.dxf").string();
  f.t.ui.AnswerChoose(1);  // "Zeichnung Welle"
  f.t.ui.AnswerChoose(1);  // "CAD-Code": DXF
  f.t.ui.AnswerSaveFile(file);
  f.t.ui.AnswerChoose(8);  // "zurück .."
  f.Run("mi_cadzahnform");
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(test::EzdxfAudit(file), "ok");
}

TEST(ToothCommands, CadToothProfileAsksItsOptionsFirst) {
  struct Case {
    const char* item;
    InputDialog dialog;
    bool cancel;
    std::size_t choices;  // "Zahnformzeichnung" shown or not
  };
  const Case cases[] = {
      {"mi_cadZahnprofilWelle", InputDialog::ToothProfileShaft, false, 1},
      {"mi_cadZahnprofilNabe", InputDialog::ToothProfileHub, false, 1},
      {"mi_cadZahnprofilWelle", InputDialog::ToothProfileShaft, true, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.item);
    Fixture f;
    f.shell.cancelDialog = c.cancel;
    if (!c.cancel) f.t.ui.AnswerChoose(10);  // "zurück .."
    f.Run(c.item);
    EXPECT_EQ(f.shell.dialogs, std::vector<InputDialog>{c.dialog});
    const auto asked = f.t.ui.Of(test::PromptKind::Choose);
    ASSERT_EQ(asked.size(), c.choices);
    if (c.choices > 0) {
      EXPECT_EQ(asked[0].text, "Zahnformzeichnung");
      EXPECT_EQ(asked[0].items.size(), 10u);
    }
  }
}

TEST(ToothCommands, ConfiguredDrawingOfTheMainWindow) {
  struct Case {
    int kind;
    bool fatal;
    bool drawn;
  };
  const Case cases[] = {
      {5, false, true}, {4, false, true}, {0, false, false}, {3, false, false}, {5, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.kind);
    Fixture f;
    f.t.p.config.mainDrawingKind = c.kind;
    f.t.p.connection.log.fatal = c.fatal;
    EXPECT_EQ(DrawDefaultView(f.t.p), c.drawn);
    EXPECT_EQ(f.t.p.graphic.displayList.size() > 0, c.drawn);
    EXPECT_FALSE(f.t.p.cancel);
  }
}

}  // namespace
}  // namespace kv40::app
