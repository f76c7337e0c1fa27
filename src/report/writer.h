// The report writer: every printed report goes through these calls. The same calls give a
// framed text page (70 columns inside a 72-character line, indented by 7 blanks), an HTML page
// or tab-separated text, depending on the device. Texts are UTF-8; report text files are
// written in the DOS code page, HTML and the converted copies in UTF-8.
//
// A report: SetPageHeader, SetTableHeadings (optional), OpenReport, PageHeader (1, kind),
// lines with EnsureSpace where a block must not be split, PageEnd, WriteMessageSection
// (optional), CloseReport. Every call does nothing once p.cancel is set.
#pragma once

#include <string>
#include <vector>

#include "model/program.h"

namespace kv40::report {

enum class Style { Text, Html, Tab };

inline constexpr int kLineWidth = 72;  // a built line is cut here
inline constexpr int kFrameWidth = 70;
inline constexpr const char* kFrameMarker = "$!$";  // a frame line that is not printed
inline constexpr const char* kChooseDevice = "Ausgabe auf ..";
inline constexpr int kDeviceListKind = 90;  // OpenReport only fills the device list

// The style of the current device: tab-separated for 6 and 9, HTML for 7, framed text else.
Style CurrentStyle(const model::Program& p);

// ---- opening and closing ----
// Fills itemLines 1..7 with the device texts; kind 90 stops there. Kind 0 takes the
// configured device (asking for it when so configured), any other kind is the device.
// Prepares the device's file and starts an empty report; failures set p.cancel.
void OpenReport(model::Program& p, int kind, const std::string& name);
// Ends the report, writes its file and hands it to the device.
void CloseReport(model::Program& p);

// ---- header setup ----
// Texts are cut to 65 characters; an empty title becomes the program title and version.
// Clears the line and page counters.
void SetPageHeader(model::Program& p, const std::string& title, const std::string& line1,
                   const std::string& line2, const std::string& line3, const std::string& line4,
                   int total);
void SetTableHeadings(model::Program& p, const std::string& h0, const std::string& h1,
                      const std::string& h2, const std::string& h3, const std::string& h4);

// ---- frame lines of the configured frame mode ----
std::string ThinLine(const model::Program& p);
std::string DoubleLine(const model::Program& p);
std::string TopFrame(const model::Program& p);
std::string MiddleFrame(const model::Program& p);
std::string BottomFrame(const model::Program& p);
std::string SideChar(const model::Program& p);

// ---- lines ----
struct Field {
  int column;  // 1-based
  std::string text;
};
// A line of `width` blanks with each field put at its column, in order; a field that reaches
// the next one's column pushes that one (and the rest) to the right. Cut at 72 characters.
std::string BuildLine(int width, const std::vector<Field>& fields);

void WriteLine(model::Program& p, const std::string& text);
// One line without indent, counting or page break.
void WriteRaw(model::Program& p, const std::string& text);
// WriteLine without the line end.
void WriteText(model::Program& p, const std::string& text);
// HTML: one table row of one cell; otherwise WriteLine.
void WriteTextRow(model::Program& p, const std::string& text);
// Texts longer than 72 characters are broken at blanks into lines of at most 64 (text style).
void WriteWrapped(model::Program& p, const std::string& text);
void WriteRow4(model::Program& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value);
// value1 is the shaft's, value2 the hub's.
void WriteRow5(model::Program& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value1, const std::string& value2);
// A 72-character line: text at column 1, "Nr.: " + number at column 40.
std::string WriteTitleNumberLine(const std::string& text, const std::string& number);

// ---- pages ----
// n = 1 starts the first page of a report, n = 0 continues with the next page number.
// kind 1 adds the table heading.
void PageHeader(model::Program& p, int n, int kind);
void PageEnd(model::Program& p);
// Begins a new page of the given kind when less than ten lines are left on this one.
void EnsureSpace(model::Program& p, int kind);
void BeginHtmlTable(model::Program& p);
void EndHtmlTable(model::Program& p);

// ---- the calculation's messages ----
// Each message with its cause and remedy from the message help file.
void WriteMessageSection(model::Program& p);
// A page of its own with the message section, when there are messages.
void PrintMessageReport(model::Program& p);

}  // namespace kv40::report
