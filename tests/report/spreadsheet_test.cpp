// The spreadsheet commands: the workbooks they write, read back with openpyxl cell by cell, and
// the spreadsheet program they open.
#include "report/spreadsheet.h"

#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "calc/driver.h"
#include "model/input_file.h"
#include "support/read_workbook.h"
#include "support/temp_dir.h"
#include "support/test_program.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

const fs::path kData = KV40_SOURCE_DATA_DIR;

class Spreadsheet : public ::testing::Test {
 protected:
  void SetUp() override {
    p.config.tempDir = dir.path().string() + "/";
    p.dataDir = dir.path().string() + "/";
    test::WriteBytes(dir / "welle.k40", test::ReadBytes(kData / "beispiel1.k40"));
    ASSERT_TRUE(model::LoadInputFile(p, "welle"));
    calc::RecalcAll(p.connection, p.fmt(), p.cancel);
    ASSERT_EQ(p.currentFile, "welle");
  }

  // The one workbook handed to the opener; its cells.
  std::map<std::string, std::string> Opened(const std::string& workbook) {
    EXPECT_FALSE(p.cancel);
    EXPECT_EQ(t.desktop.started.size(), 1u);
    if (t.desktop.started.size() != 1u) return {};
    EXPECT_TRUE(t.desktop.started[0].first.ends_with("/xdg-open"));
    EXPECT_EQ(t.desktop.started[0].second, workbook);
    t.desktop.started.clear();
    return test::ReadWorkbook(workbook);
  }

  test::TempDir dir;
  test::TestProgram t;
  app::Program& p = t.p;
};

TEST_F(Spreadsheet, StartPutsTheInputFileIntoColumnA) {
  ASSERT_TRUE(StartSpreadsheet(p));
  const auto cells = Opened((dir / "welle.xlsx").string());
  struct Case {
    const char* cell;
    std::string value;
  };
  const Case cases[] = {
      {"A2", "str:KV40   Passverzahnung DIN 5482"},
      {"A3", "str:Version 1.3"},
      {"A10", "str:KV40-0001-01"},
      {"A51", "str:ÄNDERUNGEN"},
      {"A52", "int:0"},
      {"A79", "int:800"},     // "800.0000000"
      {"A81", "float:1.25"},  // "1.2500000"
      {"A88", "str:TRUE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.cell);
    EXPECT_EQ(cells.count(c.cell) ? cells.at(c.cell) : "(empty)", c.value);
  }
  EXPECT_EQ(cells.count("A8"), 0u) << "an empty line leaves its cell empty";
  EXPECT_EQ(cells.count("B1"), 0u) << "column A only";
  EXPECT_EQ(cells.count("error"), 0u) << cells.at("error");
}

TEST_F(Spreadsheet, WhatStopsTheStart) {
  const std::string noProgram = "Excel kann nicht gestartet werden\n(kein Programm für " +
                                (dir / "welle.xlsx").string() + " gefunden; xdg-open)";
  struct Case {
    const char* name;
    std::string currentFile;
    bool known;  // the desktop names a program for workbooks
    bool opens;  // the opener does not give up at once
    std::size_t started;
    std::string message;
  };
  const Case cases[] = {
      {"not saved yet", "", true, true, 0,
       "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")"},
      {"saved file is gone", "weg", true, true, 0, "File not found. Use \"File->Save\""},
      {"no program for workbooks: the opener is not even started", "welle", false, true, 0,
       noProgram},
      {"the opener gives up", "welle", true, false, 1, noProgram},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    t.ui.ClearPrompts();
    p.cancel = false;
    p.currentFile = c.currentFile;
    t.desktop.hasDefaultProgram = c.known;
    t.desktop.result = c.opens;
    EXPECT_FALSE(StartSpreadsheet(p));
    EXPECT_TRUE(p.cancel);
    EXPECT_EQ(t.ui.MessageTexts(), std::vector<std::string>{c.message});
    EXPECT_EQ(t.desktop.started.size(), c.started);
    t.desktop.started.clear();
  }
  EXPECT_EQ(t.desktop.mimeTypes.back(), kWorkbookMimeType);
}

TEST_F(Spreadsheet, ExportSavesChangedInputsFirst) {
  p.connection.znr[1] = "KV40-0099-01";
  p.modified = true;
  ExportInputToSpreadsheet(p);
  EXPECT_FALSE(p.modified);
  const auto cells = Opened((dir / "welle.xlsx").string());
  EXPECT_EQ(cells.at("A10"), "str:KV40-0099-01");
}

TEST_F(Spreadsheet, PrintoutOneFieldPerCell) {
  p.config.askTextDevice = true;  // the printout asks nothing all the same
  PrintoutToSpreadsheet(p);
  EXPECT_TRUE(p.config.askTextDevice);
  EXPECT_FALSE(p.writer.forcedDevice.has_value());
  const auto cells = Opened((dir / "welle_Ausdruck.xlsx").string());
  std::string row;
  for (const auto& [cell, value] : cells) {
    if (value == "str:Normalmodul") row = cell.substr(1);
  }
  ASSERT_FALSE(row.empty());
  EXPECT_EQ(cells.at("B" + row), "str:mn");
  EXPECT_EQ(cells.at("C" + row), "str:mm");
  EXPECT_EQ(cells.at("D" + row), "int:2");  // "   2,0000" with the export's decimal comma
  EXPECT_EQ(cells.count("E" + row), 0u);
  EXPECT_EQ(cells.count("error"), 0u);
}

TEST_F(Spreadsheet, PrintoutOfAFailedCalculationShowsTheMessages) {
  p.connection.log.fatal = true;
  model::AddMessage(p.connection.log, "Fatal  : erfunden");
  t.ui.Cancel(test::PromptKind::Choose);
  PrintoutToSpreadsheet(p);
  EXPECT_EQ(t.ui.Of(test::PromptKind::Choose).size(), 1u);
  EXPECT_TRUE(t.desktop.started.empty());
  EXPECT_FALSE(fs::exists(dir / "welle_Ausdruck.xlsx"));
}

TEST_F(Spreadsheet, GridWithHeadings) {
  PreviewGrid grid;
  grid.headings = PreviewHeadings(p.fmt());
  PreviewRow row;
  row.cells[0] = "w.k40";
  row.cells[2] = "007";
  row.cells[4] = " 50.00";
  row.cells[8] = "-0.050";
  grid.rows = {row, FailedRow("/x/kaputt.k40", "2026/01/02", "Fehler: Datei nicht lesbar")};
  ExportGridToSpreadsheet(p, grid);
  const auto cells = Opened((dir / "KV40_Tabelle.xlsx").string());
  const std::map<std::string, std::string> expected{
      {"A1", "str:File"},       {"B1", "str:Date  y/m/d"},
      {"C1", "str:1 (Welle)"},  {"D1", "str:2 (Nabe)"},
      {"E1", "str:dB [mm]"},    {"F1", "str:m [mm]"},
      {"G1", "str:alpha [°]"},  {"H1", "str:z"},
      {"I1", "str:x"},          {"J1", "str:l [mm]"},
      {"K1", "str:TN [Nm]"},    {"L1", "str:Tmax [Nm]"},
      {"M1", "str:Material 1"}, {"N1", "str:Material 2"},
      {"O1", "str:S eq 1"},     {"P1", "str:S eq 2"},
      {"Q1", "str:S max 1"},    {"R1", "str:S max 2"},
      {"S1", "str:Status"},     {"A2", "str:w.k40"},
      {"C2", "str:007"},        {"E2", "int:50"},
      {"I2", "float:-0.05"},    {"A3", "str:kaputt.k40"},
      {"B3", "str:2026/01/02"}, {"S3", "str:Fehler: Datei nicht lesbar"},
  };
  EXPECT_EQ(cells, expected);
}

TEST_F(Spreadsheet, WorkbookThatCannotBeWritten) {
  p.config.tempDir = (dir / "fehlt").string() + "/";
  EXPECT_FALSE(StartSpreadsheet(p));
  EXPECT_TRUE(p.cancel);
  ASSERT_EQ(t.ui.MessageTexts().size(), 1u);
  EXPECT_TRUE(t.ui.MessageTexts()[0].find("fehlt/welle.xlsx") != std::string::npos)
      << t.ui.MessageTexts()[0];
  EXPECT_TRUE(t.desktop.started.empty());
}

}  // namespace
}  // namespace kv40::report
