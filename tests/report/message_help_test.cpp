// The message list, the help dialog of one message and saving an edited entry, through the
// scripted Ui.
#include <sys/resource.h>

#include <csignal>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/message_log.h"
#include "report/message_help.h"
#include "report/message_help_file.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::report {
namespace {

using test::PromptKind;

const char* const kHelp =
    "Hilfe zu den Meldungen\r\n"
    "Fatal  : mn = 0 !\r\n"
    "Modul fehlt.\r\n"
    "Modul eingeben.\r\n"
    "Warnung: Spitzzahn ! (1)\r\n"
    "Kopf zu d\x81nn.\r\n"
    "d3 verkleinern.\r\n"
    "Fehler : Seq<1 (0.50 Welle)\r\n"
    "Sicherheit zu klein.\r\n"
    "Breite vergr\x94\xE1"
    "ern.\r\n"
    "Schluss\n";

class MessageHelpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t_.p.config.pltDir = dir_.path().string() + "/";
    t_.p.config.helpLevel = 1;
    test::WriteBytes(Path(), kHelp);
    for (const char* m :
         {"Fatal  : mn = 0 !", "Warnung: Spitzzahn ! (2)", "Fehler : Seq<1 (0.20 Nabe)"})
      AddMessage(t_.p.connection.log, m);
  }
  std::filesystem::path Path() const { return dir_ / "KV40.err"; }

  test::TempDir dir_;
  test::TestProgram t_;
};

TEST_F(MessageHelpTest, ListWalksOnToTheNextMessageAndClosesAfterTheLast) {
  t_.ui.AnswerChoose(2).AnswerMessageHelp({}).AnswerChoose(3).AnswerMessageHelp({});
  ShowMessageList(t_.p);

  const std::vector<test::Prompt> lists = t_.ui.Of(PromptKind::Choose);
  ASSERT_EQ(lists.size(), 2u);
  const std::vector<std::string> items = {"Fatal  : mn = 0 !", "Warnung: Spitzzahn ! (2)",
                                          "Fehler : Seq<1 (0.20 Nabe)", "Weiter/zurück..."};
  EXPECT_EQ(lists[0].items, items);
  EXPECT_EQ(lists[0].text, kMessageListTitle);
  EXPECT_EQ(lists[0].preselect, 4);  // help level 1: "Weiter/zurück..."
  EXPECT_EQ(lists[0].helpContext, 1210);
  EXPECT_EQ(lists[1].preselect, 3);  // the message after the one just explained

  const std::vector<test::Prompt> helps = t_.ui.Of(PromptKind::MessageHelp);
  ASSERT_EQ(helps.size(), 2u);
  // Message 2 of part 2 shares the entry of part 1: the first 14 characters decide.
  EXPECT_EQ(helps[0].text, "Warnung: Spitzzahn ! (2)");
  EXPECT_EQ(helps[0].items, (std::vector<std::string>{"Kopf zu dünn.", "d3 verkleinern."}));
  EXPECT_EQ(helps[0].helpContext, 1970);
  EXPECT_EQ(helps[1].text, "Fehler : Seq<1 (0.20 Nabe)");
  EXPECT_EQ(t_.ui.prompts().size(), 4u);
  EXPECT_FALSE(t_.p.cancel);
}

TEST_F(MessageHelpTest, ListEndsOnContinueOrCancel) {
  struct Case {
    const char* name;
    int helpLevel;
    bool cancel;
    int preselect;
  };
  const Case cases[] = {
      {"help level 2 starts at the first message", 2, false, 1},
      {"cancel ends the list", 1, true, 4},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    t_.ui.ClearPrompts();
    t_.p.config.helpLevel = c.helpLevel;
    if (c.cancel) {
      t_.ui.Cancel(PromptKind::Choose);
    } else {
      t_.ui.AnswerChoose(4);
    }
    ShowMessageList(t_.p);
    ASSERT_EQ(t_.ui.prompts().size(), 1u);
    EXPECT_EQ(t_.ui.prompts()[0].preselect, c.preselect);
    EXPECT_EQ(t_.p.cancel, c.cancel);
  }
}

TEST_F(MessageHelpTest, ListShowsNothingInBatchAndABoxWithoutMessages) {
  t_.p.args = {"x.k40", "/nogui"};
  ShowMessageList(t_.p);
  EXPECT_TRUE(t_.ui.prompts().empty());

  t_.p.args.clear();
  ResetMessages(t_.p.connection.log);
  ShowMessageList(t_.p);
  ASSERT_EQ(t_.ui.prompts().size(), 1u);
  EXPECT_EQ(t_.ui.prompts()[0].kind, PromptKind::MessageBox);
  EXPECT_EQ(t_.ui.prompts()[0].caption, "Meldung:");
  EXPECT_EQ(t_.ui.prompts()[0].text, kNoMessages);
}

TEST_F(MessageHelpTest, HelpWithoutFileOrEntry) {
  ResetMessages(t_.p.connection.log);
  AddMessage(t_.p.connection.log, "Fatal  : KA = 0 !");
  ShowMessageHelp(t_.p, 1);
  EXPECT_EQ(t_.ui.MessageTexts(), std::vector<std::string>{kNoDescription});
  EXPECT_EQ(t_.ui.prompts()[0].caption, "Meldung");
  EXPECT_FALSE(t_.p.cancel);

  t_.ui.ClearPrompts();
  std::filesystem::remove(Path());
  ShowMessageHelp(t_.p, 1);
  EXPECT_EQ(t_.ui.MessageTexts(),
            std::vector<std::string>{"Datei " + Path().string() +
                                     " nicht gefunden oder kein Zugriffsrecht !"});
  EXPECT_TRUE(t_.p.cancel);
}

TEST_F(MessageHelpTest, EditedHelpIsSavedOnlyOnYes) {
  const std::string saved =
      "Hilfe zu den Meldungen\r\nFatal  : mn = 0 !\r\nModul fehlt.\r\nModul eingeben.\r\n"
      "Warnung: Spitzzahn ! (1)\r\nKopf zu schmal.\r\nd3 kleiner w\x84hlen.\r\n"
      "Fehler : Seq<1 (0.50 Welle)\r\nSicherheit zu klein.\r\nBreite vergr\x94\xE1"
      "ern.\r\n"
      "Schluss\n";
  struct Case {
    const char* name;
    model::Answer answer;
    std::string file;
    bool cancel;
  };
  const Case cases[] = {
      {"yes", model::Answer::Yes, saved, false},
      {"no", model::Answer::No, kHelp, false},
      {"cancel counts as no", model::Answer::Cancel, kHelp, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::WriteBytes(Path(), kHelp);
    t_.p.cancel = false;
    t_.ui.AnswerMessageHelp({true, "Kopf zu schmal.", "d3 kleiner wählen."})
        .AnswerYesNoCancel(c.answer);
    ShowMessageHelp(t_.p, 2);
    EXPECT_EQ(test::ReadBytes(Path()), c.file);
    EXPECT_EQ(t_.p.cancel, c.cancel);
  }
  ASSERT_EQ(t_.ui.Of(PromptKind::YesNoCancel).size(), 3u);
  EXPECT_EQ(t_.ui.Of(PromptKind::YesNoCancel)[0].text, "Save Changes ?");
}

// In ASCII mode the dialog shows "vergroessern"; a remedy left alone keeps its umlauts.
TEST_F(MessageHelpTest, TextLeftAloneIsSavedAsTheFileHadIt) {
  t_.p.config.fmt.asciiMode = 1;
  t_.ui.AnswerMessageHelp({true, "Sicherheit prüfen.", "Breite vergroessern."})
      .AnswerYesNoCancel(model::Answer::Yes);
  ShowMessageHelp(t_.p, 3);
  ASSERT_EQ(t_.ui.Of(PromptKind::MessageHelp).size(), 1u);
  EXPECT_EQ(t_.ui.Of(PromptKind::MessageHelp)[0].items[1], "Breite vergroessern.");
  std::string want = kHelp;
  want.replace(want.find("Sicherheit zu klein."), 20,
               "Sicherheit pr\x81"
               "fen.");
  EXPECT_EQ(test::ReadBytes(Path()), want);
}

TEST_F(MessageHelpTest, UnmodifiedHelpAsksNothing) {
  t_.ui.AnswerMessageHelp({false, "geändert, aber nicht gemeldet", ""});
  ShowMessageHelp(t_.p, 1);
  EXPECT_EQ(t_.ui.prompts().size(), 1u);
  EXPECT_EQ(test::ReadBytes(Path()), kHelp);
}

TEST_F(MessageHelpTest, SaveWithUnknownKeyChangesNothing) {
  EXPECT_FALSE(SaveMessageHelp(t_.p, "Fatal  : z = 0 !", "c", "r"));
  EXPECT_EQ(t_.ui.MessageTexts(), std::vector<std::string>{"Fatal  : z = 0 ! not found."});
  EXPECT_EQ(test::ReadBytes(Path()), kHelp);
}

// The temporary folder plays no part in saving: the new file is written beside the old one
// and renamed over it, so a temporary folder equal to the help folder is no special case.
TEST_F(MessageHelpTest, SaveWorksWhenTheTemporaryFolderIsTheHelpFolder) {
  t_.p.config.tempDir = t_.p.config.pltDir;
  ASSERT_TRUE(SaveMessageHelp(t_.p, "Fatal  : mn = 0 !", "neu", "neu2"));
  std::string want = kHelp;
  want.replace(want.find("Modul fehlt.\r\nModul eingeben."), 29, "neu\r\nneu2");
  EXPECT_EQ(test::ReadBytes(Path()), want);
  int files = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_.path()))
    ++files;
  EXPECT_EQ(files, 1);
}

TEST_F(MessageHelpTest, FailedSaveKeepsTheOldFile) {
  std::string big = kHelp;
  for (int i = 0; i < 200; ++i)
    big += "Kommentarzeile ohne Bedeutung\r\n";
  test::WriteBytes(Path(), big);

  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  struct rlimit small = old;
  small.rlim_cur = 4096;
  auto prev = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const bool ok = SaveMessageHelp(t_.p, "Fatal  : mn = 0 !", "neu", "neu");
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, prev);

  EXPECT_FALSE(ok);
  EXPECT_TRUE(t_.p.cancel);
  EXPECT_EQ(t_.ui.MessageTexts(), std::vector<std::string>{"Diskette/Platte voll"});
  EXPECT_EQ(test::ReadBytes(Path()), big);
}

}  // namespace
}  // namespace kv40::report
