// The reports of the spline connection: the commands of View → Ausdruck, the message report of
// View → Error Messages, and the batch report "/I". Each runs a whole report through the report
// writer onto the chosen device; a calculation that failed shows its message list instead.
#pragma once

#include <string>

#include "report/report_session.h"

namespace kv40::report {

inline constexpr const char* kWhatToPrint = "Was drucken ?";

// The dimension and strength sheets: what = 1 dimension sheet ("Abmessungen"), 2 strength sheet
// ("Festigkeit"), 3 both ("Abmessungen+Festigkeit"), 0 asks "Was drucken ?" first. The message
// section follows when there are messages.
void PrintSheets(ReportSession& p, int what);

// The compact extract ("auszug"): module, teeth, diameters, deviations and tolerances.
void PrintExtract(ReportSession& p);

// The formula sheet ("Rechenzettel", "Detail Festigkeit Niemann"): the strength formulas of
// Niemann (2005) with the numbers put in.
void PrintFormulaSheet(ReportSession& p);

// View → Error Messages: the messages with cause and remedy in the text window; the notice
// "Berechnung erfolgreich ohne Fehlermeldungen" when there are none.
void ShowMessageReport(ReportSession& p);

// The batch report "/I": both sheets and the message section, framed, into the input file's
// name + ".txt" in the current folder (UTF-8). `file` is the input file as named on the command
// line. Returns the exit code: 0 written; 1 when the calculation failed or the file could not
// be written (each with a message).
int BatchReport(ReportSession& p, const std::string& file);

}  // namespace kv40::report
