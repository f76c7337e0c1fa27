// The output devices of the report writer: which files each one writes, in which code page,
// and what it hands the finished report to; missing programs and unwritable folders.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "base/codepage.h"
#include "report/external_program.h"
#include "report/writer.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;

constexpr const char* kLine = "Maß 5 µm";
const std::string kIndented = std::string("       ") + kLine;

// A shell script that stands in for a program; it copies its argument to `copy`.
void WriteScript(const fs::path& path, const std::string& body) {
  test::WriteBytes(path, "#!/bin/sh\n" + body + "\n");
  fs::permissions(path, fs::perms::owner_all);
}

class Devices : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.currentFile = "probe";
    p.dataDir = dir.path().string() + "/";
  }

  // One line as a report on the device; false when the report was cancelled.
  bool Report(std::optional<report::Device> device) {
    report::OpenReport(p, device);
    if (p.cancel) return false;
    report::WriteLine(p, kLine);
    report::CloseReport(p);
    return !p.cancel;
  }

  std::string Temp(const std::string& name) const { return (dir / name).string(); }
  // The names in the temporary folder that begin with prefix.
  std::vector<std::string> TempFiles(const std::string& prefix) const {
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(dir.path())) {
      const std::string name = e.path().filename().string();
      if (name.starts_with(prefix)) names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  std::string Dos(const std::string& utf8) const { return base::Utf8ToCp437(utf8).bytes; }

  test::TestProgram t;
  app::Program& p = t.p;
  test::TempDir dir;
};

TEST_F(Devices, ScreenGetsAUtf8CopyAndTheReportFileGoes) {
  ASSERT_TRUE(Report(report::Device::Screen));
  EXPECT_EQ(t.desktop.shown, std::vector<std::string>{Temp("outwin.txt")});
  EXPECT_EQ(test::ReadBytes(dir / "outwin.txt"), kIndented + "\n");
  EXPECT_TRUE(TempFiles("$OUT").empty());
}

TEST_F(Devices, FileIsWrittenInTheDosCodePageWithAUtf8Copy) {
  t.ui.AnswerSaveFile(Temp("ergebnis"));
  ASSERT_TRUE(Report(report::Device::File));
  const auto chooser = t.ui.Of(test::PromptKind::SaveFile);
  ASSERT_EQ(chooser.size(), 1u);
  EXPECT_EQ(chooser[0].text, "*.txt");
  EXPECT_EQ(test::ReadBytes(dir / "ergebnis.txt"), Dos(kIndented + "\r\n"));
  EXPECT_EQ(test::ReadBytes(dir / "outwin.txt"), kIndented + "\n");
  EXPECT_EQ(t.ui.MessageTexts(),
            std::vector<std::string>{Temp("ergebnis.txt") +
                                     " und Windows-Datei outwin.txt wurden angelegt.."});
  EXPECT_EQ(p.currentFile, "probe");  // the report file is not the input file

  t.ui.AnswerSaveFile(std::nullopt);
  EXPECT_FALSE(Report(report::Device::File));
}

TEST_F(Devices, PrinterPrintsAndDeletes) {
  ASSERT_TRUE(Report(report::Device::Printer));
  ASSERT_EQ(t.desktop.printed.size(), 1u);
  const std::string printed = fs::path(t.desktop.printed[0]).filename().string();
  EXPECT_TRUE(printed.starts_with("$OUT") && printed.ends_with(".TMP")) << printed;
  EXPECT_TRUE(TempFiles("$OUT").empty());
}

TEST_F(Devices, WorkingFilesHaveNamesOfTheirOwnAndGo) {
  // Another run's (or another user's) files under the historic names are left alone.
  test::WriteBytes(dir / "$OUT1.TMP", "fremd");
  ASSERT_EQ(mkfifo(Temp("$$$1.txt").c_str(), 0600), 0);
  p.writer.forcedDevice = report::Device::NamedExport;
  ASSERT_TRUE(Report(std::nullopt));
  EXPECT_EQ(test::ReadBytes(dir / "probe.txt"), std::string(kLine) + "\n");
  ASSERT_TRUE(Report(report::Device::Screen));
  EXPECT_EQ(test::ReadBytes(dir / "$OUT1.TMP"), "fremd");
  EXPECT_EQ(TempFiles("$"), (std::vector<std::string>{"$$$1.txt", "$OUT1.TMP"}));

  // a report opened and never closed: its working file goes when the next one opens
  p.writer.forcedDevice.reset();
  report::OpenReport(p, report::Device::Screen);
  ASSERT_EQ(TempFiles("$OUT").size(), 2u);
  ASSERT_TRUE(Report(report::Device::Screen));
  EXPECT_EQ(TempFiles("$OUT"), std::vector<std::string>{"$OUT1.TMP"});
}

TEST_F(Devices, TheBatchReportNeverAsksForAFile) {
  p.config.askTextDevice = true;  // "Text Device Window ?" = TRUE
  p.writer.forcedDevice = report::Device::NamedExport;
  ASSERT_TRUE(Report(std::nullopt));
  EXPECT_TRUE(t.ui.prompts().empty());
  EXPECT_EQ(test::ReadBytes(dir / "probe.txt"), std::string(kLine) + "\n");
}

TEST_F(Devices, TextProgramAndBrowserMustExist) {
  p.config.textProgram = "true";
  ASSERT_TRUE(Report(report::Device::TextProgram));
  ASSERT_EQ(t.desktop.started.size(), 1u);
  EXPECT_EQ(t.desktop.started[0].first, *report::FindProgram("true"));
  EXPECT_EQ(t.desktop.started[0].second, Temp("outwin.txt"));

  p.config.htmlBrowser = "true";
  ASSERT_TRUE(Report(report::Device::Html));
  ASSERT_EQ(t.desktop.started.size(), 2u);
  EXPECT_EQ(t.desktop.started[1].second, Temp("KV40.htm"));
  EXPECT_NE(test::ReadBytes(dir / "KV40.htm").find("<br>" + std::string(kLine) + "\n"),
            std::string::npos);

  struct Case {
    const char* name;
    report::Device device;
    std::string* setting;
    const char* kept;  // the file that stays for the user
  };
  const Case cases[] = {
      {"text program", report::Device::TextProgram, &p.config.textProgram, "outwin.txt"},
      {"browser", report::Device::Html, &p.config.htmlBrowser, "KV40.htm"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.ui.ClearPrompts();
    fs::remove(dir / c.kept);
    *c.setting = "/nowhere/kv40-viewer";
    Report(c.device);
    EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"/nowhere/kv40-viewer not found"});
    EXPECT_TRUE(fs::exists(dir / c.kept));
    EXPECT_EQ(t.desktop.started.size(), 2u);
    p.cancel = false;
  }
}

TEST_F(Devices, HtmlWithoutBrowserAsksForTheFile) {
  p.config.htmlBrowser = " ";
  t.ui.AnswerSaveFile(Temp("seite"));
  ASSERT_TRUE(Report(report::Device::Html));
  EXPECT_EQ(t.ui.Of(test::PromptKind::SaveFile).at(0).text, "*.htm");
  EXPECT_TRUE(fs::exists(dir / "seite.htm"));
  EXPECT_TRUE(t.desktop.started.empty());
}

TEST_F(Devices, ExportsAreCounted) {
  ASSERT_TRUE(Report(report::Device::Export));
  ASSERT_TRUE(Report(report::Device::Export));
  EXPECT_EQ(p.writer.exportCounter, 2);
  for (const char* n : {"1", "2"}) {
    SCOPED_TRACE(n);
    EXPECT_EQ(test::ReadBytes(dir / ("$$$" + std::string(n) + ".txt")),
              Dos(std::string(kLine) + "\r\n"));
    EXPECT_EQ(test::ReadBytes(dir / ("$$" + std::string(n) + ".txt")), std::string(kLine) + "\n");
  }
  // device 9: like 6, the copy named after the input data file; its working file goes
  ASSERT_TRUE(Report(report::Device::NamedExport));
  EXPECT_EQ(test::ReadBytes(dir / "probe.txt"), std::string(kLine) + "\n");
  EXPECT_EQ(TempFiles("$$$"), (std::vector<std::string>{"$$$1.txt", "$$$2.txt"}));
  // device 8: OUTDOS.TXT and the screen copy
  ASSERT_TRUE(Report(report::Device::DosFile));
  EXPECT_EQ(test::ReadBytes(dir / "OUTDOS.TXT"), Dos(kIndented + "\r\n"));
  EXPECT_EQ(test::ReadBytes(dir / "outwin.txt"), kIndented + "\n");
}

TEST_F(Devices, TextPrinterGetsPrinterSetUpAndReport) {
  const fs::path printed = dir / "printed";
  WriteScript(dir / "lp", "cat \"$1\" > '" + printed.string() + "'");
  test::WriteBytes(dir / "TEXT.HXP", "\x1b@");
  p.writer.textPrinter = (dir / "lp").string();
  const fs::path before = fs::current_path();
  fs::current_path(dir.path());  // TEXT.HXP is looked for in the working folder
  t.ui.AnswerYesNoCancel(model::Answer::No);
  const bool done = Report(report::Device::TextPrinter);
  fs::current_path(before);
  ASSERT_TRUE(done);
  EXPECT_EQ(t.ui.Of(test::PromptKind::YesNoCancel).at(0).text, "Pause nach jeder Seite ?");
  EXPECT_EQ(test::ReadBytes(printed), "\x1b@" + kIndented + "\n");
  EXPECT_TRUE(TempFiles("$OUT").empty());

  struct Case {
    const char* name;
    std::string command;
    std::string message;
  };
  WriteScript(dir / "broken-lp", "exit 1");
  const Case cases[] = {
      {"no lp", "kv40-no-such-lp", "kv40-no-such-lp not found"},
      {"lp refuses", (dir / "broken-lp").string(),
       "Textdrucker: " + (dir / "broken-lp").string() + " hat den Druckauftrag nicht angenommen"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.ui.ClearPrompts();
    p.writer.textPrinter = c.command;
    t.ui.AnswerYesNoCancel(model::Answer::No);
    Report(report::Device::TextPrinter);
    EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{c.message});
  }
}

TEST_F(Devices, PagePauseAsksBeforeEachPage) {
  p.writer.textPrinter = "true";
  t.ui.AnswerYesNoCancel(model::Answer::Yes);     // pause after each page
  t.ui.AnswerYesNoCancel(model::Answer::Yes);     // page 1
  t.ui.AnswerYesNoCancel(model::Answer::Cancel);  // page 2: stop
  report::OpenReport(p, report::Device::TextPrinter);
  report::PageHeader(p, 1, 0);
  report::PageEnd(p);
  report::PageHeader(p, 0, 0);
  EXPECT_TRUE(p.cancel);
  const auto asked = t.ui.Of(test::PromptKind::YesNoCancel);
  ASSERT_EQ(asked.size(), 3u);
  EXPECT_EQ(asked[1].text, "Blatt in Drucker einlegen.  Fortfahren ?");
}

TEST_F(Devices, DeviceChoiceAndCreateFailures) {
  p.config.askTextDevice = true;
  p.config.textDevice = report::DeviceNumber(report::Device::File);
  t.ui.Cancel(test::PromptKind::Choose);
  EXPECT_FALSE(Report(std::nullopt));
  const auto asked = t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Ausgabe auf ..");
  EXPECT_EQ(asked[0].items.size(), 7u);
  EXPECT_EQ(asked[0].items[6], "HTML File (Netscape, Internet Explorer ...)");
  EXPECT_EQ(asked[0].preselect, report::DeviceNumber(report::Device::File));

  p.cancel = false;
  p.config.askTextDevice = false;
  p.config.textDevice = report::DeviceNumber(report::Device::Screen);
  p.config.tempDir = (dir / "missing").string() + "/";
  EXPECT_FALSE(Report(std::nullopt));
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"file write error"});
  EXPECT_TRUE(t.desktop.shown.empty());

  // a folder in place of the file: nothing is written, the report is refused
  p.cancel = false;
  t.ui.ClearPrompts();
  p.writer.forcedDevice = report::Device::NamedExport;
  fs::create_directory(dir / "probe.txt");
  EXPECT_FALSE(Report(std::nullopt));
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"file write error"});
  // a FIFO in its place: refused at once, never waited on
  p.cancel = false;
  t.ui.ClearPrompts();
  fs::remove(dir / "probe.txt");
  ASSERT_EQ(mkfifo(Temp("probe.txt").c_str(), 0600), 0);
  EXPECT_FALSE(Report(std::nullopt));
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{"file write error"});
}

TEST(FindProgram, PathSearch) {
  EXPECT_TRUE(report::FindProgram("sh").has_value());
  EXPECT_EQ(report::FindProgram("/bin/sh"), std::optional<std::string>("/bin/sh"));
  EXPECT_FALSE(report::FindProgram("kv40-no-such-program").has_value());
  EXPECT_FALSE(report::FindProgram("/etc/passwd").has_value());  // not executable
  EXPECT_FALSE(report::FindProgram("/tmp").has_value());         // a folder
  EXPECT_FALSE(report::FindProgram("").has_value());
}

}  // namespace
}  // namespace kv40
