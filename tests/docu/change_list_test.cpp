// The change commands of the Dokument menu and the change-list printout on the report devices.
//
// The expected files in tests/data/docu were checked by hand against the printout's layout;
// to refresh them after an intended change see tests/support/golden.h.
#include "docu/change_list.h"

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/utf8.h"
#include "model/input_file.h"
#include "report/writer.h"
#include "support/golden.h"
#include "support/scripted_docu_forms.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::docu {
namespace {
namespace fs = std::filesystem;

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

class ChangeList : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.dataDir = "/daten/kv40/";  // named in the page header
    p.currentFile = "welle";
    p.connection.text[1] = "Antrieb Förderband";
    p.connection.text[2] = "Welle / Nabe";
  }

  void Add(const std::string& text, const std::string& date, const std::string& editor,
           const std::string& description) {
    model::DocuData& d = p.docu;
    d.changeList[static_cast<std::size_t>(d.changeCount++)] = {text, date, editor, description};
  }

  // Three entries: a plain one, one whose description has line breaks, one too long for a line.
  void ThreeChanges() {
    model::DrawingInfo& info = p.docu.drawingInfo;
    info.drawnDate = "01.02.2026";
    info.drawnBy = "Krause";
    info.replaces = "KV-0815";
    Add("Erstausgabe", "01.02.2026", "KR", "");
    Add("Passung geändert", "03.03.2026", "MÜ", "Nabe H7 statt H8\nWelle nachgeschliffen");
    Add("Werkstoff", "05.04.2026", "KR",
        "Werkstoff der Welle von C45 auf 42CrMo4 vergütet geändert, weil die Tragfähigkeit "
        "bei Überlast nicht reichte");
  }

  // The screen copy of the report (outwin.txt), as the text window gets it.
  std::string OnScreen(int kind) {
    t.desktop.shown.clear();
    PrintChangeList(p, kind);
    EXPECT_FALSE(p.cancel);
    EXPECT_EQ(t.desktop.shown, std::vector<std::string>{(dir / "outwin.txt").string()});
    return test::ReadBytes(dir / "outwin.txt");
  }

  std::string TempFile(const std::string& name) {
    return Replace(test::ReadBytes(dir / name), dir.path().string() + "/", "TEMP/");
  }

  test::TempDir dir;
  test::TestProgram t;
  app::Program& p = t.p;
  test::ScriptedDocuForms forms;
};

TEST_F(ChangeList, FramedTextOnScreenAndPrinted) {
  ThreeChanges();
  struct Case {
    const char* name;
    int kind;
    int frameMode;
    const char* expected;
  };
  const Case cases[] = {
      {"shown: no page header", 1, 2, "docu/changes_shown.txt"},
      {"printed: page header, star frames", 0, 1, "docu/changes_printed.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p.config.frameMode = static_cast<Word>(c.frameMode);
    p.config.textDevice = report::DeviceNumber(report::Device::Screen);
    const std::string text = OnScreen(c.kind);
    test::ExpectGolden(c.expected, text);
    // every line of the description stays inside the 72 columns of the framed page
    for (std::size_t at = 0, end; at < text.size(); at = end + 1) {
      end = text.find('\n', at);
      if (end == std::string::npos) end = text.size();
      EXPECT_LE(base::CharCount(text.substr(at, end - at)), 7u + 72u);
    }
  }
}

TEST_F(ChangeList, TabSeparatedAndHtml) {
  ThreeChanges();
  p.config.textDevice = report::DeviceNumber(report::Device::Export);
  PrintChangeList(p, 0);
  ASSERT_FALSE(p.cancel);
  test::ExpectGolden("docu/changes_tab.txt", TempFile("$$1.txt"));

  p.config.textDevice = report::DeviceNumber(report::Device::Html);
  p.config.htmlBrowser = "true";  // any program that exists
  PrintChangeList(p, 0);
  ASSERT_FALSE(p.cancel);
  test::ExpectGolden("docu/changes.htm", TempFile("KV40.htm"));
  // tidy: exit code 2 means errors (1 is warnings only)
  const fs::path html = dir / "KV40.htm";
  const std::string command =
      "tidy -q -e -utf8 '" + html.string() + "' 2>'" + (dir / "tidy.txt").string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_LT(WEXITSTATUS(status), 2) << test::ReadBytes(dir / "tidy.txt");
}

TEST_F(ChangeList, IndexStyle) {
  struct Case {
    const char* name;
    Word style;
    std::string third;
  };
  const Case cases[] = {{"style 1 numbers", 1, "3"},
                        {"any other style letters", 0, "c"},
                        {"style 2 letters too", 2, "c"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p.config.titleBlockOption = c.style;
    EXPECT_EQ(ChangeIndex(p, 3), c.third);
  }
  p.config.titleBlockOption = 0;
  EXPECT_EQ(ChangeIndex(p, 25), "y");
}

TEST_F(ChangeList, NewEntryIsEditedThenShown) {
  forms.OnChangeEntry([](ChangeEntryForm& f) {
    f.changeText = "Fase an der Nabe vergrößert";  // 27 characters, cut to 20
    f.editor = "Schulz";
    f.description = "Zeile 1\r\nZeile 2";
  });
  ChangeListCommand(p, forms, ChangeCommand::New);
  EXPECT_FALSE(p.cancel);
  EXPECT_TRUE(p.modified);
  ASSERT_EQ(p.docu.changeCount, 1);
  ASSERT_EQ(forms.changeShown.size(), 1u);
  EXPECT_EQ(forms.changeShown[0].index, 1);
  EXPECT_EQ(forms.changeShown[0].changeDate, "10.12.2026");  // today
  EXPECT_EQ(forms.changeShown[0].today, "10.12.2026");
  const model::ChangeEntry& e = p.docu.changeList[0];
  EXPECT_EQ(e.changeText, "Fase an der Nabe ver");
  EXPECT_EQ(e.changeDate, "10.12.2026");
  EXPECT_EQ(e.editor, "Schul");
  EXPECT_EQ(e.description, "Zeile 1\nZeile 2");
  EXPECT_EQ(t.desktop.shown.size(), 1u);
}

TEST_F(ChangeList, CancelledNewEntryLeavesNothingBehind) {
  Add("Erstausgabe", "01.02.2026", "KR", "");
  forms.CancelChangeEntry();
  ChangeListCommand(p, forms, ChangeCommand::New);
  EXPECT_TRUE(p.cancel);
  EXPECT_FALSE(p.modified);
  EXPECT_EQ(p.docu.changeCount, 1);
  EXPECT_TRUE(t.desktop.shown.empty()) << "no list after a cancelled dialog";
}

TEST_F(ChangeList, DeletedEntryDoesNotComeBackInTheNextNewOne) {
  Add("Erstausgabe", "01.02.2026", "KR", "");
  Add("Irrtum", "02.02.2026", "XY", "falsch eingetragen");
  ChangeListCommand(p, forms, ChangeCommand::DeleteLast);
  EXPECT_EQ(p.docu.changeCount, 1);
  EXPECT_TRUE(p.modified);
  forms.OnChangeEntry([](ChangeEntryForm&) {});
  ChangeListCommand(p, forms, ChangeCommand::New);
  ASSERT_EQ(forms.changeShown.size(), 1u);
  const ChangeEntryForm& shown = forms.changeShown[0];
  EXPECT_EQ(shown.index, 2);
  EXPECT_EQ(shown.changeText, "");
  EXPECT_EQ(shown.editor, "");
  EXPECT_EQ(shown.description, "");
  EXPECT_EQ(shown.changeDate, "10.12.2026");
}

TEST_F(ChangeList, LimitsAndEmptyList) {
  struct Case {
    const char* name;
    int entries;
    ChangeCommand command;
    int countAfter;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"a 26th entry is refused",
       model::kMaxChanges,
       ChangeCommand::New,
       model::kMaxChanges,
       {"Max. Änderungen = 25 !"}},
      {"editing on an empty list does nothing", 0, ChangeCommand::EditLast, 0, {}},
      {"deleting on an empty list does nothing", 0, ChangeCommand::DeleteLast, 0, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram fresh;
    test::ScriptedDocuForms none;
    fresh.p.config.tempDir = dir.path().string() + "/";
    fresh.p.docu.changeCount = c.entries;
    ChangeListCommand(fresh.p, none, c.command);
    EXPECT_EQ(fresh.p.docu.changeCount, c.countAfter);
    EXPECT_EQ(fresh.ui.MessageTexts(), c.messages);
    EXPECT_FALSE(fresh.p.modified);
    EXPECT_TRUE(fresh.desktop.shown.empty());
  }
}

TEST_F(ChangeList, AskedWhichCommand) {
  Add("Erstausgabe", "01.02.2026", "KR", "");
  t.ui.AnswerChoose(4);
  ChangeListCommand(p, forms, ChangeCommand::Ask);
  const auto asked = t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Änderungen");
  EXPECT_EQ(asked[0].items, (std::vector<std::string>{"neu", "ändern", "löschen", "anzeigen",
                                                      "Ausdruck", "Zeichnungsinfo", "zurück...."}));
  EXPECT_EQ(asked[0].preselect, 4);
  EXPECT_EQ(asked[0].helpContext, kChangesHelp);
  EXPECT_EQ(t.desktop.shown.size(), 1u);

  t.ui.AnswerChoose(7);  // "zurück...."
  ChangeListCommand(p, forms, ChangeCommand::Ask);
  t.ui.Cancel(test::PromptKind::Choose);
  ChangeListCommand(p, forms, ChangeCommand::Ask);
  EXPECT_EQ(t.desktop.shown.size(), 1u);
  EXPECT_EQ(p.docu.changeCount, 1);
}

TEST_F(ChangeList, DrawingInformationMarksTheInputsModified) {
  forms.CancelDrawingInfo();
  ChangeListCommand(p, forms, ChangeCommand::DrawingInfo);
  EXPECT_FALSE(p.modified);
  forms.OnDrawingInfo([](DrawingInfoForm& f) { f.names[1] = "Lange"; });
  ChangeListCommand(p, forms, ChangeCommand::DrawingInfo);
  EXPECT_TRUE(p.modified);
  EXPECT_EQ(p.docu.drawingInfo.checkedBy, "Lange");
}

TEST_F(ChangeList, ChangesSurviveSaveAndOpen) {
  ThreeChanges();
  model::SaveInputFile(p, (dir / "mit_aenderungen.k40").string());
  ASSERT_FALSE(p.cancel);
  test::TestProgram other;
  ASSERT_TRUE(model::LoadInputFile(other.p, (dir / "mit_aenderungen.k40").string()));
  ASSERT_EQ(other.p.docu.changeCount, 3);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    const auto& a = p.docu.changeList[static_cast<std::size_t>(i)];
    const auto& b = other.p.docu.changeList[static_cast<std::size_t>(i)];
    EXPECT_EQ(b.changeText, a.changeText);
    EXPECT_EQ(b.changeDate, a.changeDate);
    EXPECT_EQ(b.editor, a.editor);
    EXPECT_EQ(b.description, a.description);
  }
  EXPECT_EQ(other.p.docu.drawingInfo.replaces, "KV-0815");
}

}  // namespace
}  // namespace kv40::docu
