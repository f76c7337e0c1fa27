// The scripted Ui of the tests fails a test on questions nobody expected.
#include "support/scripted_ui.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace kv40::test {
namespace {

TEST(ScriptedUi, UnexpectedQuestionsFail) {
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        EXPECT_EQ(ui.YesNo("Ändern ?", true, 0), std::nullopt);
      },
      "unexpected question YesNo");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        ui.AnswerYesNo(true);
        EXPECT_EQ(ui.EnterText("Name", 10, "", 0), std::nullopt);
        ui.YesNo("x", true, 0);  // the queued answer is still there for the right question
      },
      "expected a YesNo question, got EnterText");
  EXPECT_NONFATAL_FAILURE(
      {
        ScriptedUi ui;
        ui.AnswerChoose(4);
        ui.Choose("Wahl", {"a", "b"}, 1, 0);
      },
      "item 4 of 2");
  EXPECT_NONFATAL_FAILURE({ ScriptedUi().AnswerText("nie gefragt"); },
                          "EnterText answer was never asked for");
}

TEST(ScriptedUi, RecordsPromptsAndAnswersInOrder) {
  ScriptedUi ui;
  ui.AnswerText("neu").AnswerTextUnchanged().AnswerSaveFile("/tmp/a.k40");
  ui.MessageBox(model::BoxKind::Error, "Fehler : ", "kaputt");
  EXPECT_EQ(ui.EnterText("A", 5, "alt", 7), "neu");
  EXPECT_EQ(ui.EnterText("B", 5, "alt", 7), "alt");
  EXPECT_EQ(ui.SaveFile("*.k40", "/tmp"), "/tmp/a.k40");
  ASSERT_EQ(ui.prompts().size(), 4u);
  EXPECT_EQ(ui.prompts()[1].text, "A");
  EXPECT_EQ(ui.prompts()[1].helpContext, 7);
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"kaputt"});
  EXPECT_EQ(ui.Pending(), 0u);
}

}  // namespace
}  // namespace kv40::test
