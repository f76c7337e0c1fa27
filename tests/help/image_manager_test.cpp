// The help-image manager: the first image at once, browsing, and every edit of the index.
#include "help/image_manager.h"

#include <gtest/gtest.h>

#include <deque>

#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::help {
namespace {

// Answers the manager's window from a queue and records what it showed.
struct ScriptedWindow final : HelpImageWindow {
  ImageChoice Show(const std::vector<std::string>& items, int selected) override {
    shown.push_back(items);
    preselected.push_back(selected);
    if (answers.empty()) return {ImageAction::Ok, 0};
    const ImageChoice c = answers.front();
    answers.pop_front();
    return c;
  }
  std::deque<ImageChoice> answers;
  std::vector<std::vector<std::string>> shown;
  std::vector<int> preselected;
};

struct Manager : ::testing::Test {
  Manager() {
    t.p.config.pltDir = dir.path().string() + "/";
    t.p.help.imageWindow = &window;
    test::WriteBytes(dir / "kv40.dbh", "\"eins\",\"Erstes\"\r\n\"zwei\",\"Zweites\"\r\n");
    test::WriteBytes(dir / "eins.plt", "PU0,0;PD40,0;");
    test::WriteBytes(dir / "Zwei.PLT", "PU0,0;PD0,80;");
    test::WriteBytes(dir / "drei.plt", "PU0,0;CI40;");
  }
  std::string Index() const { return test::ReadBytes(dir / "kv40.dbh"); }
  bool Drawn(const std::string& record) const {
    const auto lines = t.p.graphic.displayList.Lines();
    return std::find(lines.begin(), lines.end(), record) != lines.end();
  }
  test::TempDir dir;
  test::TestProgram t;
  ScriptedWindow window;
};

TEST_F(Manager, ShowsTheFirstImageThenTheChosenOnes) {
  window.answers = {{ImageAction::Show, 2}};
  ManageHelpImages(t.p);
  EXPECT_TRUE(Drawn("4;0;0;0;2"));  // zwei.plt, found without regard to case
  ASSERT_EQ(window.shown.size(), 2u);
  EXPECT_EQ(window.shown[0], (std::vector<std::string>{"eins    : Erstes", "zwei    : Zweites"}));
  EXPECT_EQ(window.preselected, (std::vector<int>{1, 2}));  // the image shown last
  EXPECT_EQ(t.p.helpContext, kManagerHelp);
  EXPECT_FALSE(t.p.cancel);
}

TEST_F(Manager, EditsTheIndex) {
  struct Case {
    const char* name;
    ImageChoice choice;
    std::function<void(test::ScriptedUi&)> answers;
    std::string index;
  };
  const Case cases[] = {
      {"new: a plot file and its information are appended",
       {ImageAction::New, 0},
       [this](test::ScriptedUi& ui) {
         ui.AnswerOpenFile((dir / "drei.plt").string()).AnswerText("Drittes");
       },
       "\"eins\",\"Erstes\"\r\n\"zwei\",\"Zweites\"\r\n\"drei\",\"Drittes\"\r\n"},
      {"insert before the selected entry",
       {ImageAction::Insert, 2},
       [this](test::ScriptedUi& ui) {
         ui.AnswerOpenFile((dir / "drei.plt").string()).AnswerText("Drittes");
       },
       "\"eins\",\"Erstes\"\r\n\"drei\",\"Drittes\"\r\n\"zwei\",\"Zweites\"\r\n"},
      {"change name and information",
       {ImageAction::Change, 1},
       [](test::ScriptedUi& ui) { ui.AnswerText("eins2").AnswerText("Neu"); },
       "\"eins2\",\"Neu\"\r\n\"zwei\",\"Zweites\"\r\n"},
      {"delete after Yes",
       {ImageAction::Delete, 1},
       [](test::ScriptedUi& ui) { ui.AnswerYesNoCancel(model::Answer::Yes); },
       "\"zwei\",\"Zweites\"\r\n"},
      {"No to the delete question changes nothing and ends",
       {ImageAction::Delete, 1},
       [](test::ScriptedUi& ui) { ui.AnswerYesNoCancel(model::Answer::No); },
       "\"eins\",\"Erstes\"\r\n\"zwei\",\"Zweites\"\r\n"},
      {"a cancelled question changes nothing",
       {ImageAction::New, 0},
       [this](test::ScriptedUi& ui) {
         ui.AnswerOpenFile((dir / "drei.plt").string()).Cancel(test::PromptKind::EnterText);
       },
       "\"eins\",\"Erstes\"\r\n\"zwei\",\"Zweites\"\r\n"},
  };
  const std::string original = Index();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(dir / "kv40.dbh", original);
    window.answers = {c.choice};
    c.answers(t.ui);
    ManageHelpImages(t.p);
    EXPECT_EQ(Index(), c.index);
    EXPECT_EQ(t.ui.Pending(), 0u);
  }
}

TEST_F(Manager, WithoutAnIndexPlotFilesAreBrowsedAndTheirFolderKept) {
  std::filesystem::remove(dir / "kv40.dbh");
  test::TempDir other;
  test::WriteBytes(other / "bild.plt", "PU0,0;PD40,40;");
  t.ui.AnswerOpenFile((other / "bild.plt").string()).AnswerOpenFile(std::nullopt);
  ManageHelpImages(t.p);
  EXPECT_TRUE(Drawn("4;0;0;1;1"));
  EXPECT_EQ(t.p.config.pltDir, other.path().string() + "/");
  EXPECT_TRUE(window.shown.empty());
}

TEST_F(Manager, AMissingImageIsNamedAndEndsTheManager) {
  std::filesystem::remove(dir / "eins.plt");
  ManageHelpImages(t.p);
  EXPECT_EQ(t.ui.MessageTexts(),
            std::vector<std::string>{(dir / "eins.plt").string() + " nicht gefunden !"});
  EXPECT_TRUE(window.shown.empty());
}

}  // namespace
}  // namespace kv40::help
