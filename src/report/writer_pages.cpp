// The report writer's pages: header texts, page headers in the three styles, page ends,
// and the section of calculation messages.
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "base/format.h"
#include "base/text.h"
#include "base/utf8.h"
#include "model/dialogs.h"
#include "report/message_help_file.h"
#include "report/writer.h"
#include "report/writer_internal.h"

namespace kv40::report {
namespace {

constexpr const char* kPauseQuestion = "Blatt in Drucker einlegen.  Fortfahren ?";
constexpr const char* kMessageTitle = "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN";
constexpr int kMaxPathChars = 69;  // folder and name together; beyond that the name alone

std::string ProgramTitleVersion() {
  return std::string(model::kProgramTitle) + " V" + model::kProgramVersion;
}

// The input data file as the page header names it.
std::string HeaderFileName(const ReportSession& p) {
  if (!p.writer.namedFile.empty()) return p.writer.namedFile;
  if (p.startedWithFile || p.currentFile.empty()) return p.currentFile;
  const std::string folder = p.dataDir.empty() ? std::string() : base::AddBackslash(p.dataDir);
  const std::string ext = std::string(".") + model::kFileExt;
  if (base::CharCount(folder + p.currentFile) > kMaxPathChars) return p.currentFile + ext;
  return folder + p.currentFile + ext;
}

// The first page of a report: n = 1, or n = 0 before any page was begun.
bool FirstPage(const ReportSession& p, int n) {
  return n == 1 || (n == 0 && p.writer.pageCount == 0);
}

// A header line: the fields between the side characters at columns 1 and 70.
void SideLine(ReportSession& p, std::vector<Field> fields) {
  const std::string side = SideChar(p);
  fields.insert(fields.begin(), Field{1, side});
  fields.push_back(Field{kFrameWidth, side});
  WriteLine(p, BuildLine(kFrameWidth, fields));
}

std::string PageNumberText(const ReportSession& p, int page) {
  std::string text = "Bl." + base::IntBlankPad(page, 2);
  if (p.writer.pageTotal != 0) text += "/" + base::IntBlankPad(p.writer.pageTotal, 2);
  return text;
}

void HtmlTableHeading(ReportSession& p) {
  const auto& h = p.writer.headings;
  BeginHtmlTable(p);
  std::string row = "<TR><TD><CENTER>" + base::HtmlEscaped(h[0]) + "</CENTER></TD>";
  for (std::size_t i = 1; i < h.size(); ++i)
    row += "<TD>" + base::HtmlEscaped(h[i]) + "</TD>";
  detail::Emit(p, row + "</TR>");
}

void TabHeader(ReportSession& p, int n, int kind) {
  auto& w = p.writer;
  if (FirstPage(p, n)) {
    const base::DateTime now = p.Now();
    WriteRaw(p, ProgramTitleVersion() + '\t' + base::DateText(p.fmt(), now) + '\t' +
                    base::TimeText(now));
    WriteRaw(p, base::RemoveBlanks(w.outputFile));
    for (int i = 1; i <= 3; ++i)
      WriteRaw(p, p.connection.text[i]);
    WriteRaw(p, " ");
    ++w.pageCount;
  }
  if (kind == 1) {
    const auto& h = w.headings;
    WriteRaw(p, h[0] + '\t' + h[1] + '\t' + h[2] + '\t' + h[3] + '\t' + h[4]);
  }
}

void HtmlHeader(ReportSession& p, int n, int kind) {
  auto& w = p.writer;
  if (FirstPage(p, n)) {
    const std::string title = base::HtmlEscaped(ProgramTitleVersion());
    // The document begins once; a second report in the same file (the strength sheet after
    // the dimension sheet) gets its header block only.
    if (w.body.empty()) {
      WriteRaw(p, "<!-- " + base::RemoveBlanks(w.outputFile) + " -->");
      WriteRaw(p, "<HTML>");
      WriteRaw(p, "<head><meta charset=\"utf-8\"><title>" + title + "</title></head>");
      WriteRaw(p, "<BODY BGCOLOR=\"C0C0C0\">");
    }
    EndHtmlTable(p);
    WriteRaw(p, "<hr>");
    ++w.lineCount;
    detail::Emit(p, "<br><h4>" + title + "</h4>");
    WriteRaw(p, "<hr>");
    for (const std::string& line : w.headerLines)
      WriteRaw(p, "<h5>" + base::HtmlEscaped(line) + "</h5>");
    WriteRaw(p, "<hr>");
    ++w.pageCount;
  }
  if (kind == 1) HtmlTableHeading(p);
}

// The framed header: title, page, date, time and file, the header lines, the table heading.
void FramedHeader(ReportSession& p, int page, int kind) {
  const auto& w = p.writer;
  const bool onEveryPage = p.config.headerMode != 2;
  if (detail::FrameMode(p) == 4) WriteLine(p, "");
  for (int i = 0; i < p.config.headerSpaceLines; ++i)
    WriteLine(p, "");
  WriteLine(p, TopFrame(p));
  std::vector<Field> first{{6, w.headerTitle}};
  if (onEveryPage) first.push_back({w.pageTotal == 0 ? 64 : 60, PageNumberText(p, page)});
  SideLine(p, first);
  const base::DateTime now = p.Now();
  SideLine(p, {{53, base::DateText(p.fmt(), now)}, {64, base::TimeText(now)}});
  SideLine(p, {{6, HeaderFileName(p)}});
  WriteLine(p, MiddleFrame(p));
  for (std::size_t i = 0; i < w.headerLines.size(); ++i) {
    if (i == 3 && w.headerLines[i].empty()) continue;
    // Trailing blanks of a full-length line (the number lines) would push the frame right.
    std::string_view line = w.headerLines[i];
    line = line.substr(0, line.find_last_not_of(' ') + 1);
    SideLine(p, {{6, std::string(line)}});
  }
  if (kind == 1) {
    const auto& h = w.headings;
    WriteLine(p, MiddleFrame(p));
    SideLine(p, {{35, h[1]}, {44, h[2]}, {51, h[3]}, {62, h[4]}});
    WriteLine(p, BottomFrame(p));
    WriteLine(p, "");
  } else {
    WriteLine(p, BottomFrame(p));
  }
}

void TextHeader(ReportSession& p, int n, int kind) {
  auto& w = p.writer;
  if (w.pagePause && !model::AskYesNoCancel(p, kPauseQuestion)) p.cancel = true;
  if (p.cancel) return;
  const bool first = FirstPage(p, n);
  if (p.config.headerMode == 2 && !first) return WriteLine(p, " ");
  if (detail::FrameMode(p) == 4 && !first && w.lineCount < detail::LinesPerPage(p) / 2) return;
  w.lineCount = 0;
  w.pageKind = kind;
  ++w.pageCount;
  const bool wasInHeader = w.inHeader;
  w.inHeader = true;
  FramedHeader(p, n == 0 ? w.pageCount : n, kind);
  w.inHeader = wasInHeader;
}

}  // namespace

void SetPageHeader(ReportSession& p, const std::string& title, const std::string& line1,
                   const std::string& line2, const std::string& line3, const std::string& line4,
                   int total) {
  auto& w = p.writer;
  w.headerTitle = base::Left(
      title.empty() ? std::string(model::kProgramTitle) + "  V" + model::kProgramVersion : title,
      kHeaderTextLength);
  const std::string* lines[] = {&line1, &line2, &line3, &line4};
  for (std::size_t i = 0; i < w.headerLines.size(); ++i)
    w.headerLines[i] = base::Left(*lines[i], kHeaderTextLength);
  w.pageTotal = total;
  w.lineCount = 0;
  w.pageCount = 0;
}

void SetTableHeadings(ReportSession& p, const std::string& h0, const std::string& h1,
                      const std::string& h2, const std::string& h3, const std::string& h4) {
  auto& h = p.writer.headings;
  h = {base::Left(h0, kHeadingLength), base::Left(h1, kShortHeadingLength),
       base::Left(h2, kShortHeadingLength), base::Left(h3, kShortHeadingLength),
       base::Left(h4, kShortHeadingLength)};
}

void PageHeader(ReportSession& p, int n, int kind) {
  if (!detail::Writing(p)) return;
  switch (CurrentStyle(p)) {
    case Style::Tab:
      return TabHeader(p, n, kind);
    case Style::Html:
      return HtmlHeader(p, n, kind);
    case Style::Text:
      return TextHeader(p, n, kind);
  }
}

void PageEnd(ReportSession& p) {
  if (!detail::Writing(p)) return;
  auto& w = p.writer;
  if (w.device == Device::Export || w.device == Device::Html || w.device == Device::NamedExport) {
    return;
  }
  if (detail::FrameMode(p) == 4 && w.lineCount < detail::LinesPerPage(p) / 2) return;
  if (w.device == Device::Screen || w.device == Device::Printer) detail::Emit(p, "\f");
  if (w.device == Device::TextPrinter) detail::EmitNoEnd(p, "\f");
  w.lineCount = 0;
}

void EnsureSpace(ReportSession& p, int kind) {
  if (!detail::Writing(p)) return;
  if (p.writer.lineCount <= std::max(detail::LinesPerPage(p) - 10, 10)) return;
  PageEnd(p);
  PageHeader(p, 0, kind);
  WriteLine(p, "");
}

void WriteMessageSection(ReportSession& p) {
  const model::MessageLog& log = p.connection.log;
  if (!detail::Writing(p) || log.messageCount == 0) return;
  const Style style = CurrentStyle(p);
  WriteRaw(p, "");
  WriteLine(p, kMessageTitle);
  if (style != Style::Tab) {
    WriteLine(p, DoubleLine(p));
    WriteRaw(p, "");
    WriteLine(p, ThinLine(p));
  }
  BeginHtmlTable(p);
  for (int i = 1; i <= log.messageCount; ++i) {
    if (style == Style::Tab) {
      WriteRaw(p, log.Message(i) + '\t' + MessageCause(p, i) + '\t' + MessageRemedy(p, i));
      continue;
    }
    WriteTextRow(p, log.Message(i));
    WriteWrapped(p, MessageCause(p, i));
    WriteWrapped(p, MessageRemedy(p, i));
    if (style == Style::Text && detail::FrameMode(p) != 4) WriteLine(p, ThinLine(p));
    if (style == Style::Html) {
      EndHtmlTable(p);
      WriteLine(p, "");
      BeginHtmlTable(p);
    }
  }
  EndHtmlTable(p);
}

void PrintMessageReport(ReportSession& p) {
  if (!detail::Writing(p) || p.connection.log.messageCount == 0) return;
  PageHeader(p, 0, 0);
  WriteMessageSection(p);
  PageEnd(p);
}

}  // namespace kv40::report
