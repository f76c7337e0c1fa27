// The spline reports as the user gets them: the sheets in framed text (frame modes 2 and 4),
// HTML and tab-separated text, the extract, the formula sheet and the message report.
//
// The expected files in tests/data/reports were checked by hand against the report layout
// once; to refresh them after an intended change see tests/support/golden.h.
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/commands.h"
#include "base/codepage.h"
#include "base/format.h"
#include "calc/driver.h"
#include "model/input_file.h"
#include "report/message_help.h"
#include "report/spline_report.h"
#include "support/golden.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40 {
namespace {
namespace fs = std::filesystem;

const fs::path kSamples = KV40_SOURCE_DATA_DIR;
const fs::path kReports = fs::path(KV40_TEST_DATA_DIR) / "reports";

std::string Replace(std::string text, const std::string& from, const std::string& to) {
  for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

std::size_t Count(const std::string& text, const std::string& what) {
  std::size_t n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
    ++n;
  return n;
}

class SplineReport : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.config.pltDir = kSamples.string() + "/";
    Load(kReports / "ueberlast.k40");
  }

  void Load(const fs::path& file) {
    ASSERT_TRUE(app::OpenInputFile(p, file.string()));
    ASSERT_FALSE(p.cancel);
    p.currentFile = file.stem().string();
  }

  // The report as the screen device shows it (the copy outwin.txt, UTF-8).
  template <class Report>
  std::string OnScreen(Report report) {
    p.config.textDevice = report::DeviceNumber(report::Device::Screen);
    report(p);
    EXPECT_FALSE(p.cancel);
    EXPECT_EQ(t.desktop.shown, std::vector<std::string>{(dir / "outwin.txt").string()});
    t.desktop.shown.clear();
    return test::ReadBytes(dir / "outwin.txt");
  }

  // A file of the temporary folder with that folder's name replaced by "TEMP".
  std::string TempFile(const std::string& name) {
    return Replace(test::ReadBytes(dir / name), dir.path().string() + "/", "TEMP/");
  }

  test::TestProgram t;
  app::Program& p = t.p;
  test::TempDir dir;
};

TEST_F(SplineReport, SheetsInFrameModes2And4) {
  struct Case {
    const char* name;
    int frameMode;
    const char* expected;
  };
  const Case cases[] = {
      {"box characters", 2, "reports/sheets_mode2.txt"},
      {"no frame lines, pages only after half a page", 4, "reports/sheets_mode4.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    p.config.frameMode = static_cast<Word>(c.frameMode);
    test::ExpectGolden(c.expected, OnScreen([](app::Program& q) { report::PrintSheets(q, 3); }));
  }
}

TEST_F(SplineReport, DosFileHoldsTheSameTextInTheDosCodePage) {
  p.config.textDevice = report::DeviceNumber(report::Device::DosFile);
  report::PrintSheets(p, 3);
  ASSERT_FALSE(p.cancel);
  // the screen's text without its page ends
  const std::string copy = test::ReadBytes(dir / "outwin.txt");
  EXPECT_EQ(copy, Replace(test::ReadBytes(kReports / "sheets_mode2.txt"), "\f\n", ""));
  const base::OemText dos = base::Utf8ToCp437(Replace(copy, "\n", "\r\n"));
  EXPECT_FALSE(dos.lossy);
  EXPECT_EQ(test::ReadBytes(dir / "OUTDOS.TXT"), dos.bytes);
}

TEST_F(SplineReport, SheetsAsHtmlPassTidy) {
  p.config.textDevice = report::DeviceNumber(report::Device::Html);
  p.config.htmlBrowser = "true";  // any program that exists
  report::PrintSheets(p, 3);
  ASSERT_FALSE(p.cancel);
  const fs::path html = dir / "KV40.htm";
  ASSERT_EQ(t.desktop.started.size(), 1u);
  EXPECT_EQ(t.desktop.started[0].second, html.string());
  test::ExpectGolden("reports/sheets.htm", TempFile("KV40.htm"));

  // tidy: exit code 2 means errors (1 is warnings only)
  const std::string command =
      "tidy -q -e -utf8 '" + html.string() + "' 2>'" + (dir / "tidy.txt").string() + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_LT(WEXITSTATUS(status), 2) << test::ReadBytes(dir / "tidy.txt");
}

TEST_F(SplineReport, SheetsAsTabSeparatedText) {
  p.config.textDevice = report::DeviceNumber(report::Device::Export);
  p.config.fmt.exportSeparator = 2;  // point to comma
  report::PrintSheets(p, 3);
  ASSERT_FALSE(p.cancel);
  test::ExpectGolden("reports/sheets_tab.txt", TempFile("$$1.txt"));
  // the export itself is in the DOS code page
  EXPECT_EQ(test::ReadBytes(dir / "$$$1.txt"),
            base::Utf8ToCp437(Replace(test::ReadBytes(dir / "$$1.txt"), "\n", "\r\n")).bytes);
}

TEST_F(SplineReport, ExtractAndFormulaSheet) {
  test::ExpectGolden("reports/extract.txt", OnScreen(report::PrintExtract));
  test::ExpectGolden("reports/formula.txt", OnScreen(report::PrintFormulaSheet));
}

TEST_F(SplineReport, WhatDecidesTheSheets) {
  struct Case {
    const char* name;
    int what;
    std::size_t frames;  // page headers
    bool dimensions;
    bool strength;
  };
  const Case cases[] = {
      {"dimension sheet: three pages and the message page", 1, 4, true, false},
      {"strength sheet", 2, 4, false, true},
      {"both", 3, 7, true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = OnScreen([&](app::Program& q) { report::PrintSheets(q, c.what); });
    EXPECT_EQ(Count(text, "╔"), c.frames);
    EXPECT_EQ(text.find("PRÜFMASSE") != std::string::npos, c.dimensions);
    EXPECT_EQ(text.find("FESTIGKEIT NACH ROLOFF/MATEK") != std::string::npos, c.strength);
    EXPECT_NE(text.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN"), std::string::npos);
  }
}

TEST_F(SplineReport, AskedWhatToPrint) {
  t.ui.AnswerChoose(2);
  const std::string text = OnScreen([](app::Program& q) { report::PrintSheets(q, 0); });
  const auto asked = t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].text, "Was drucken ?");
  EXPECT_EQ(asked[0].items,
            (std::vector<std::string>{"Geometrie", "Festigkeit", "Geometrie und Festigkeit"}));
  EXPECT_EQ(text.find("PRÜFMASSE"), std::string::npos);

  t.ui.Cancel(test::PromptKind::Choose);
  report::PrintSheets(p, 0);
  EXPECT_TRUE(t.desktop.shown.empty());
}

TEST_F(SplineReport, RowsThatDependOnTheData) {
  // beispiel1: normal load, no messages; ueberlast: shaft torsion above half the yield point
  const std::string over = OnScreen([](app::Program& q) { report::PrintSheets(q, 2); });
  EXPECT_NE(over.find("Max.Torsionsspannung              taunmax  MPa"), std::string::npos);
  EXPECT_NE(over.find("Werkstoffnummer"), std::string::npos);

  Load(kSamples / "beispiel1.k40");
  p.connection.matnr[1].clear();
  const std::string normal = OnScreen([](app::Program& q) { report::PrintSheets(q, 2); });
  EXPECT_EQ(normal.find("taunmax"), std::string::npos);
  EXPECT_EQ(normal.find("Werkstoffnummer"), std::string::npos);
  EXPECT_EQ(normal.find("BEMERKUNGEN"), std::string::npos);
}

TEST_F(SplineReport, InchModeLabels) {
  p.config.fmt.inchUnits = 1;
  const std::string text = OnScreen([](app::Program& q) { report::PrintSheets(q, 3); });
  struct Row {
    const char* line;
  };
  const Row rows[] = {
      {"Normalmodul                       mn       in            0.07874"},
      {"Teilkreisdurchmesser              d        in        1.8898     1.8898"},
      // 50 µm and 71 µm
      {"Zahndickentoleranz                T        µin      1968.5     2795.3"},
      {"Streckgrenze                      Re       psi      152289      33359"},
      {"Nenndrehmoment                    TN       lbfin       265522"},
      {"Zul.Drehmoment (stoßfrei)         T zul    lbfin"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.line);
    EXPECT_NE(text.find(r.line), std::string::npos);
  }
  for (const char* unit : {"  mm  ", "  MPa  ", "  Nm  ", "  µm  "}) {
    SCOPED_TRACE(unit);
    EXPECT_EQ(text.find(unit), std::string::npos);
  }
}

TEST_F(SplineReport, FailedCalculationShowsTheMessageList) {
  model::InitDefaults(p.connection);  // no dimension block: z = 0
  calc::RecalcAll(p.connection, p.fmt(), p.cancel);
  ASSERT_TRUE(p.connection.log.fatal);
  t.ui.Cancel(test::PromptKind::Choose);  // the message list
  report::PrintSheets(p, 3);
  const auto lists = t.ui.Of(test::PromptKind::Choose);
  ASSERT_EQ(lists.size(), 1u);
  EXPECT_EQ(lists[0].text, report::kMessageListTitle);
  EXPECT_TRUE(t.desktop.shown.empty());
  EXPECT_FALSE(fs::exists(dir / "outwin.txt"));
}

TEST_F(SplineReport, MessageReport) {
  const std::string text = OnScreen(report::ShowMessageReport);
  EXPECT_NE(text.find("║    KV40 V1.3                                             Bl. 1/ 1  ║"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("║    Error Messages"), std::string::npos);
  EXPECT_NE(text.find("       Warnung: tau max / Re > 0.7 !\n"), std::string::npos);
  EXPECT_EQ(text.find("Zahnwellenverbindung nach"), std::string::npos);

  // messages whose causes and remedies fill more than one page: every page counts them all
  p.config.linesPerPage = 30;
  for (const char* m : {"Warnung: Spitzzahn ! (1)", "Warnung: Unterschnitt ! (1)",
                        "Fehler : Zahnspiel < 0 ! (1)", "Warnung: Tsn < 2Rs !  (1)"})
    model::AddMessage(p.connection.log, m);
  const std::string pages = OnScreen(report::ShowMessageReport);
  const auto total = static_cast<int>(Count(pages, "\f\n"));
  ASSERT_GT(total, 1) << pages;
  for (int page = 1; page <= total; ++page) {
    const std::string number =
        "Bl." + base::IntBlankPad(page, 2) + "/" + base::IntBlankPad(total, 2);
    EXPECT_EQ(Count(pages, number), 1u) << number;
  }
  EXPECT_EQ(Count(pages, "Bl. "), static_cast<std::size_t>(total));

  Load(kSamples / "beispiel1.k40");
  report::ShowMessageReport(p);
  EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{report::kNoMessages});
  EXPECT_TRUE(t.desktop.shown.empty());
}

}  // namespace
}  // namespace kv40
