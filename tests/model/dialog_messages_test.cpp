// Message boxes, the text screen and the messages of failed file operations.
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/dialogs.h"
#include "support/scripted_ui.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::model {
namespace {

using test::PromptKind;
using Strings = std::vector<std::string>;

TEST(MessageBoxes, CaptionsAndSilentErrors) {
  struct Case {
    const char* name;
    std::function<void(Session&)> show;
    bool showErrors;
    std::string wantCaption;  // empty: nothing shown
    BoxKind wantKind;
  };
  const Case cases[] = {
      {"error", [](Session& p) { ShowMessageBox(p, "t", BoxKind::Error); }, true,
       "Fehler : ", BoxKind::Error},
      {"help", [](Session& p) { ShowMessageBox(p, "t", BoxKind::Help); }, true, "Hilfe",
       BoxKind::Help},
      {"plain", [](Session& p) { ShowMessageBox(p, "t", BoxKind::Plain); }, true,
       "Meldung:", BoxKind::Plain},
      {"info", [](Session& p) { ShowInfo(p, "t"); }, true, "Meldung:", BoxKind::Info},
      {"ShowError", [](Session& p) { ShowError(p, "t"); }, true, "Fehler : ", BoxKind::Error},
      {"ShowError silent", [](Session& p) { ShowError(p, "t"); }, false, "", BoxKind::Error},
      {"ShowInfo not silenced", [](Session& p) { ShowInfo(p, "t"); }, false,
       "Meldung:", BoxKind::Info},
      {"own caption", [](Session& p) { ShowBox(p, "Ergebnis", "t"); }, true, "Ergebnis",
       BoxKind::Plain},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    t.p.showErrors = c.showErrors;
    c.show(t.p);
    const auto boxes = t.ui.Of(PromptKind::MessageBox);
    if (c.wantCaption.empty()) {
      EXPECT_TRUE(boxes.empty());
      continue;
    }
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, c.wantCaption);
    EXPECT_EQ(boxes[0].box, c.wantKind);
    EXPECT_EQ(boxes[0].text, "t");
  }
}

TEST(MessageBoxes, AsciiModeTransliteratesWhatIsShown) {
  test::TestProgram t;
  t.p.config.fmt.asciiMode = 1;
  ShowInfo(t.p, "Prüfmaß 30°");
  EXPECT_EQ(t.ui.MessageTexts(), Strings{"Pruefmass 30deg"});
}

TEST(ShowTextScreen, TwentyTwoLinesUnderTheShortName) {
  test::TestProgram t;
  for (int i = 0; i < 30; ++i)
    t.p.itemLines[static_cast<std::size_t>(i)] = "L" + std::to_string(i + 1);
  ShowTextScreen(t.p);
  const auto screens = t.ui.Of(PromptKind::TextScreen);
  ASSERT_EQ(screens.size(), 1u);
  EXPECT_EQ(screens[0].caption, "KV40");
  ASSERT_EQ(screens[0].items.size(), 22u);
  EXPECT_EQ(screens[0].items.front(), "L1");
  EXPECT_EQ(screens[0].items.back(), "L22");
}

TEST(FileErrors, MessagesByErrorCode) {
  struct Case {
    const char* name;
    void (*report)(Session&, int);
    int error;
    std::string want;
  };
  const Case cases[] = {
      {"write, read error", &ReportWriteError, EIO, "Lesefehler"},
      {"write, disk full", &ReportWriteError, ENOSPC, "Diskette/Platte voll"},
      {"write, quota", &ReportWriteError, EDQUOT, "Diskette/Platte voll"},
      {"write, other", &ReportWriteError, EACCES, "Fehler bei Zugriff auf Diskette/Platte"},
      {"close, disk full", &ReportCloseError, ENOSPC, "Diskette/Platte voll"},
      {"close, other", &ReportCloseError, EBADF, "Fehler beim Schließen einer Datei"},
      {"create, disk full", &ReportCreateError, EFBIG, "Diskette/Platte voll"},
      {"create, other", &ReportCreateError, EACCES, "file write error"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const bool showErrors : {true, false}) {
      test::TestProgram t;
      t.p.showErrors = showErrors;
      c.report(t.p, c.error);
      EXPECT_TRUE(t.p.cancel);  // also while the box is suppressed
      EXPECT_EQ(t.ui.MessageTexts(), showErrors ? Strings{c.want} : Strings{});
    }
  }
}

TEST(FileErrors, RequireFile) {
  test::TempDir dir;
  test::WriteBytes(dir / "da.k40", "x\r\n");
  ASSERT_EQ(mkfifo((dir / "fifo.k40").c_str(), 0600), 0);
  struct Case {
    const char* name;
    std::filesystem::path path;
    const char* message;  // after the path; empty: the file is required and there
  };
  const Case cases[] = {
      {"readable file", dir / "da.k40", ""},
      {"missing file", dir / "fehlt.k40", " nicht gefunden oder kein Zugriffsrecht !"},
      // there, but no file to read: a FIFO must not wait for a writer
      {"a folder is no file", dir.path(), " kann nicht gelesen werden !"},
      {"a FIFO is no file", dir / "fifo.k40", " kann nicht gelesen werden !"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    const bool there = c.message[0] == '\0';
    EXPECT_EQ(RequireFile(t.p, c.path), there);
    EXPECT_EQ(t.p.cancel, !there);
    const Strings want = there ? Strings{} : Strings{"Datei " + c.path.string() + c.message};
    EXPECT_EQ(t.ui.MessageTexts(), want);
  }
}

TEST(CopyTextFile, ConvertsEachLineFromTheDosCodePage) {
  test::TempDir dir;
  test::WriteBytes(dir / "bericht.txt",
                   "Ma\xE1 30\xF8\r\n\r\n\x81"
                   "ber\r\n");
  test::TestProgram t;
  EXPECT_TRUE(CopyTextFile(t.p, dir / "bericht.txt", dir / "outwin.txt"));
  EXPECT_FALSE(t.p.cancel);
  EXPECT_EQ(test::ReadBytes(dir / "outwin.txt"), "Maß 30°\n\nüber\n");
}

TEST(CopyTextFile, FailuresCancel) {
  test::TempDir dir;
  test::WriteBytes(dir / "a.txt", "a\r\n");
  struct Case {
    const char* name;
    std::filesystem::path from;
    std::filesystem::path to;
    std::string wantMessage;
  };
  const Case cases[] = {
      {"missing source", dir / "fehlt.txt", dir / "b.txt",
       "Datei " + (dir / "fehlt.txt").string() + " nicht gefunden oder kein Zugriffsrecht !"},
      {"target folder missing", dir / "a.txt", dir / "nicht" / "b.txt",
       "Fehler bei Zugriff auf Diskette/Platte"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::TestProgram t;
    EXPECT_FALSE(CopyTextFile(t.p, c.from, c.to));
    EXPECT_TRUE(t.p.cancel);
    EXPECT_EQ(t.ui.MessageTexts(), Strings{c.wantMessage});
    EXPECT_FALSE(std::filesystem::exists(c.to));
  }
}

}  // namespace
}  // namespace kv40::model
