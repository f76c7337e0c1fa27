// The spreadsheet commands of the "&OLE" menu and the preview's "Export Excel": each writes a
// workbook (.xlsx) into the temporary folder and opens it with the desktop's spreadsheet
// program. A failure shows its message and sets p.cancel.
#pragma once

#include <string>

#include "report/preview.h"
#include "report/report_session.h"

namespace kv40::report {

// Opens workbooks: the desktop's program for the file type.
inline constexpr const char* kSpreadsheetOpener = "xdg-open";
inline constexpr const char* kWorkbookMimeType =
    "application/vnd.openxmlformats-officedocument.spreadsheetml.sheet";
inline constexpr const char* kCannotStart = "Excel kann nicht gestartet werden";
inline constexpr const char* kCannotStartPreview = "Could not start Excel";

// "Start Excel": the input data file must have been saved; its lines go into column A of a new
// workbook, which is opened. True when the spreadsheet program started.
bool StartSpreadsheet(ReportSession& p);

// "Export KV40 -> Excel": saves the inputs first when they were changed, then as StartSpreadsheet.
void ExportInputToSpreadsheet(ReportSession& p);

// "Printout -> Excel": the dimension sheet as tab-separated text, one field per cell. A failed
// calculation shows its message list instead.
void PrintoutToSpreadsheet(ReportSession& p);

// The preview's "Export Excel": every cell of the grid, headings in row 1.
void ExportGridToSpreadsheet(ReportSession& p, const PreviewGrid& grid);

// The workbook files, in the temporary folder.
std::string InputWorkbookPath(const ReportSession& p);
std::string PrintoutWorkbookPath(const ReportSession& p);
std::string GridWorkbookPath(const ReportSession& p);

}  // namespace kv40::report
