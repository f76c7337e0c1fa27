// The spreadsheet commands: workbooks written with libxlsxwriter, opened by the desktop.
#include "report/spreadsheet.h"

#include <filesystem>

#include "base/text.h"
#include "base/text_file.h"
#include "model/dialogs.h"
#include "model/input_file.h"
#include "report/external_program.h"
#include "report/message_help.h"
#include "report/spline_report.h"
#include "report/writer.h"
#include "report/xlsx_workbook.h"

namespace kv40::report {
namespace {
namespace fs = std::filesystem;

constexpr const char* kSaveFirst =
    "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")";
constexpr const char* kFileNotFound = "File not found. Use \"File->Save\"";

std::string TempDir(const ReportSession& p) {
  return base::AddBackslash(p.config.tempDir);
}

// The input file's name without folder and extension, or "KV40" without one.
std::string BaseName(const ReportSession& p) {
  if (p.currentFile.empty()) return model::kProgramShortName;
  return model::SplitFileName(p.currentFile).name;
}

// Writes and opens the workbook; failureText when the spreadsheet program does not start.
bool WriteAndOpen(ReportSession& p, const std::string& path, const SheetCells& cells,
                  const std::string& failureText) {
  const std::string failure = WriteWorkbook(path, cells, p.config.tempDir);
  if (!failure.empty()) {
    model::ShowError(p, failure);
    p.cancel = true;
    return false;
  }
  model::Desktop& desktop = p.GetDesktop();
  const auto opener = FindProgram(kSpreadsheetOpener);
  desktop.SetWaitCursor(true);
  // An opener without a spreadsheet program would try web browsers instead: ask first.
  const bool started = opener && desktop.HasDefaultProgram(kWorkbookMimeType) &&
                       desktop.StartProgramChecked(*opener, path);
  desktop.SetWaitCursor(false);
  if (!started) {
    model::ShowError(
        p, failureText + "\n(kein Programm für " + path + " gefunden; " + kSpreadsheetOpener + ")");
    p.cancel = true;
  }
  return started;
}

// The lines of the saved input data file, one per row of column A.
bool InputFileCells(ReportSession& p, SheetCells& cells) {
  if (p.currentFile.empty()) {
    model::ShowInfo(p, kFileNotFound);
    p.cancel = true;
    return false;
  }
  const std::string path = model::InputFilePath(p, p.currentFile);
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) {
    model::ShowInfo(p, kFileNotFound);
    p.cancel = true;
    return false;
  }
  const base::ReadResult read = base::ReadTextFile(path);
  if (!read.text) {
    model::ShowError(p, "Datei " + path + " kann nicht gelesen werden !");
    p.cancel = true;
    return false;
  }
  for (const std::string& line : read.text->lines)
    cells.push_back({base::OemToWindow(p.fmt(), line)});
  return true;
}

SheetCells TabSeparatedCells(const std::vector<std::string>& lines) {
  SheetCells cells;
  for (const std::string& line : lines) {
    std::vector<std::string>& row = cells.emplace_back();
    std::size_t start = 0;
    while (true) {
      const std::size_t tab = line.find('\t', start);
      row.push_back(line.substr(start, tab - start));
      if (tab == std::string::npos) break;
      start = tab + 1;
    }
  }
  return cells;
}

}  // namespace

std::string InputWorkbookPath(const ReportSession& p) {
  return TempDir(p) + BaseName(p) + ".xlsx";
}
std::string PrintoutWorkbookPath(const ReportSession& p) {
  return TempDir(p) + BaseName(p) + "_Ausdruck.xlsx";
}
std::string GridWorkbookPath(const ReportSession& p) {
  return TempDir(p) + model::kProgramShortName + "_Tabelle.xlsx";
}

bool StartSpreadsheet(ReportSession& p) {
  if (p.currentFile.empty()) {
    model::ShowInfo(p, kSaveFirst);
    p.cancel = true;
    return false;
  }
  SheetCells cells;
  if (!InputFileCells(p, cells)) return false;
  return WriteAndOpen(p, InputWorkbookPath(p), cells, kCannotStart);
}

void ExportInputToSpreadsheet(ReportSession& p) {
  if (p.modified) {
    model::SaveInputFile(p, p.currentFile);
    if (p.cancel) return;
  }
  SheetCells cells;
  if (!InputFileCells(p, cells)) return;
  WriteAndOpen(p, InputWorkbookPath(p), cells, kCannotStart);
}

void PrintoutToSpreadsheet(ReportSession& p) {
  if (p.connection.log.fatal) return ShowMessageList(p);
  // the dimension sheet as tab-separated text, without asking for a device or a file
  WriterState& w = p.writer;
  const auto forced = w.forcedDevice;
  const bool ask = p.config.askTextDevice;
  w.forcedDevice = Device::Export;
  p.config.askTextDevice = false;
  PrintSheets(p, 1);
  w.forcedDevice = forced;
  p.config.askTextDevice = ask;
  if (p.cancel) return;
  const std::string copy = TempDir(p) + "$$" + std::to_string(w.exportCounter) + ".txt";
  const auto text = base::ReadFileBytes(copy, base::kMaxTextFileBytes);
  if (!text.bytes) {
    model::ShowError(p, "Datei " + copy + " kann nicht gelesen werden !");
    p.cancel = true;
    return;
  }
  std::vector<std::string> lines;
  std::size_t start = 0;
  const std::string& bytes = *text.bytes;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  WriteAndOpen(p, PrintoutWorkbookPath(p), TabSeparatedCells(lines), kCannotStart);
}

void ExportGridToSpreadsheet(ReportSession& p, const PreviewGrid& grid) {
  SheetCells cells;
  cells.emplace_back(grid.headings.begin(), grid.headings.end());
  for (const PreviewRow& row : grid.rows)
    cells.emplace_back(row.cells.begin(), row.cells.end());
  WriteAndOpen(p, GridWorkbookPath(p), cells, kCannotStartPreview);
}

}  // namespace kv40::report
