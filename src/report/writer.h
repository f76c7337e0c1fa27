// The report writer: every printed report goes through these calls. The same calls give a
// framed text page (70 columns inside a 72-character line, indented by 7 blanks), an HTML page
// or tab-separated text, depending on the device. Texts are UTF-8; report text files are
// written in the DOS code page, HTML and the converted copies in UTF-8.
//
// A report: SetPageHeader, SetTableHeadings (optional), OpenReport, PageHeader (1, kind),
// lines with EnsureSpace where a block must not be split, PageEnd, WriteMessageSection
// (optional), CloseReport. Every call does nothing once p.cancel is set.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "report/report_session.h"

namespace kv40::report {

enum class Style { Text, Html, Tab };

inline constexpr int kLineWidth = 72;  // a built line is cut here
inline constexpr int kFrameWidth = 70;
inline constexpr const char* kFrameMarker = "$!$";  // a frame line that is not printed
inline constexpr const char* kChooseDevice = "Ausgabe auf ..";

// The style of the current device: tab-separated for 6 and 9, HTML for 7, framed text else.
Style CurrentStyle(const ReportSession& p);

// ---- opening and closing ----
// The texts of the devices 1..7 in itemLines 1..7, as "Ausgabe auf .." lists them.
void FillDeviceList(model::Session& p);
// Fills the device list, then takes the given device, or else the forced one, or else the
// configured one (asking for it when so configured). Prepares the device's file and starts an
// empty report; failures set p.cancel.
void OpenReport(ReportSession& p, std::optional<Device> device = std::nullopt);
// Ends the report, writes its file and hands it to the device.
void CloseReport(ReportSession& p);
// Empties the open report so that it can be written once more from its first page, for
// instance with the page total that the first writing counted.
void RestartReport(ReportSession& p);

// ---- header setup ----
// Texts are cut to 65 characters; an empty title becomes the program title and version.
// Clears the line and page counters.
void SetPageHeader(ReportSession& p, const std::string& title, const std::string& line1,
                   const std::string& line2, const std::string& line3, const std::string& line4,
                   int total);
void SetTableHeadings(ReportSession& p, const std::string& h0, const std::string& h1,
                      const std::string& h2, const std::string& h3, const std::string& h4);

// ---- frame lines of the configured frame mode ----
std::string ThinLine(const ReportSession& p);
std::string DoubleLine(const ReportSession& p);
std::string TopFrame(const ReportSession& p);
std::string MiddleFrame(const ReportSession& p);
std::string BottomFrame(const ReportSession& p);
std::string SideChar(const ReportSession& p);

// ---- lines ----
struct Field {
  int column;  // 1-based
  std::string text;
};
// A line of `width` blanks with each field put at its column, in order; a field that reaches
// the next one's column pushes that one (and the rest) to the right. Cut at 72 characters.
std::string BuildLine(int width, const std::vector<Field>& fields);

void WriteLine(ReportSession& p, const std::string& text);
// One line without indent, counting or page break.
void WriteRaw(ReportSession& p, const std::string& text);
// WriteLine without the line end.
void WriteText(ReportSession& p, const std::string& text);
// HTML: one table row of one cell; otherwise WriteLine.
void WriteTextRow(ReportSession& p, const std::string& text);
// Texts longer than 72 characters are broken at blanks into lines of at most 64 (text style).
void WriteWrapped(ReportSession& p, const std::string& text);
void WriteRow4(ReportSession& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value);
// value1 is the shaft's, value2 the hub's.
void WriteRow5(ReportSession& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value1, const std::string& value2);
// A 72-character line: text at column 1, "Nr.: " + number at column 40.
std::string WriteTitleNumberLine(const std::string& text, const std::string& number);

// ---- pages ----
// n = 1 starts the first page of a report, n = 0 continues with the next page number.
// kind 1 adds the table heading.
void PageHeader(ReportSession& p, int n, int kind);
void PageEnd(ReportSession& p);
// Begins a new page of the given kind when less than ten lines are left on this one.
void EnsureSpace(ReportSession& p, int kind);
void BeginHtmlTable(ReportSession& p);
void EndHtmlTable(ReportSession& p);

// ---- the calculation's messages ----
// Each message with its cause and remedy from the message help file.
void WriteMessageSection(ReportSession& p);
// A page of its own with the message section, when there are messages.
void PrintMessageReport(ReportSession& p);

}  // namespace kv40::report
