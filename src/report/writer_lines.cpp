// The report writer's line output in its three styles, and the frame lines.
#include <algorithm>
#include <string>

#include "base/text.h"
#include "base/utf8.h"
#include "report/writer.h"
#include "report/writer_internal.h"

namespace kv40::report {
namespace {

constexpr const char* kIndent = "       ";  // 7 blanks before every text line

std::string Repeat(const char* ch, int n) {
  std::string out;
  for (int i = 0; i < n; ++i)
    out += ch;
  return out;
}

// A frame line: mode 1 of `mode1` characters, mode 2 the box-drawing line given, mode 3
// blanks, mode 4 the marker that is never printed.
std::string FrameOf(const ReportSession& p, const char* mode1, const std::string& mode2) {
  switch (detail::FrameMode(p)) {
    case 1:
      return Repeat(mode1, kFrameWidth);
    case 3:
      return std::string(kFrameWidth, ' ');
    case 4:
      return kFrameMarker;
    default:
      return mode2;
  }
}

// Mode 2 frames: corner, 68 double lines, corner.
std::string BoxLine(const char* left, const char* right) {
  return left + Repeat("═", kFrameWidth - 2) + right;
}

bool IsDroppedInExport(const ReportSession& p, const std::string& text) {
  return text == kFrameMarker || text == ThinLine(p) || text == DoubleLine(p);
}

// The automatic page break when a page is full.
void BreakPage(ReportSession& p) {
  auto& w = p.writer;
  if (p.config.headerMode == 2) {
    detail::Emit(p, "\f");
    w.lineCount = 0;
    return;
  }
  w.inHeader = true;  // the new page's header and its blank line never break again
  PageEnd(p);
  PageHeader(p, 0, w.pageKind);
  WriteLine(p, "");
  w.inHeader = false;
}

// WriteLine and WriteText: the same, with or without the line end.
void PutLine(ReportSession& p, const std::string& text, bool lineEnd) {
  if (!detail::Writing(p)) return;
  auto& w = p.writer;
  const auto emit = [&](const std::string& t) {
    lineEnd ? detail::Emit(p, t) : detail::EmitNoEnd(p, t);
  };
  switch (CurrentStyle(p)) {
    case Style::Tab:
      if (lineEnd && IsDroppedInExport(p, text)) return;
      emit(text);
      return;
    case Style::Html:
      EndHtmlTable(p);
      ++w.lineCount;
      if (IsDroppedInExport(p, text)) return;
      emit("<br>" + base::HtmlEscaped(text));
      return;
    case Style::Text:
      if (text == kFrameMarker) return;
      ++w.lineCount;
      if (w.lineCount >= detail::LinesPerPage(p) && !w.inHeader) BreakPage(p);
      if (p.cancel) return;
      emit(kIndent + text);
      return;
  }
}

// The value of a tab-separated row with the export decimal separator.
std::string ExportValue(const ReportSession& p, const std::string& value) {
  return base::ExportDecimal(p.fmt(), value);
}

std::string Cell(const std::string& text) {
  return "</TD><TD>" + base::HtmlEscaped(text);
}

}  // namespace

Style CurrentStyle(const ReportSession& p) {
  const auto& w = p.writer;
  if (w.device == Device::Html) return Style::Html;
  if (w.device == Device::Export) return Style::Tab;
  if (w.device == Device::NamedExport) return Style::Tab;
  return Style::Text;
}

std::string ThinLine(const ReportSession& p) {
  return FrameOf(p, "-", Repeat("─", kFrameWidth));
}

std::string DoubleLine(const ReportSession& p) {
  return FrameOf(p, "=", Repeat("═", kFrameWidth));
}

std::string TopFrame(const ReportSession& p) {
  return FrameOf(p, "*", BoxLine("╔", "╗"));
}

std::string MiddleFrame(const ReportSession& p) {
  return FrameOf(p, "*", BoxLine("╠", "╣"));
}

std::string BottomFrame(const ReportSession& p) {
  return FrameOf(p, "*", BoxLine("╚", "╝"));
}

std::string SideChar(const ReportSession& p) {
  const int mode = detail::FrameMode(p);
  if (mode == 1) return "*";
  if (mode == 2) return "║";
  return " ";
}

std::string BuildLine(int width, const std::vector<Field>& fields) {
  std::u32string line(static_cast<std::size_t>(std::max(width, 0)), U' ');
  std::size_t end = 0;  // just after the last field placed
  for (const Field& f : fields) {
    if (f.text.empty()) continue;
    std::size_t at = std::max(static_cast<std::size_t>(std::max(f.column, 1) - 1), end);
    std::size_t pos = 0;
    while (pos < f.text.size()) {
      const char32_t cp = base::DecodeUtf8(f.text, pos);
      if (at >= line.size()) line.resize(at + 1, U' ');
      line[at++] = cp;
    }
    end = at;
  }
  if (line.size() > static_cast<std::size_t>(kLineWidth)) line.resize(kLineWidth);
  std::string out;
  out.reserve(line.size());
  for (char32_t cp : line)
    base::AppendUtf8(out, cp);
  return out;
}

void WriteLine(ReportSession& p, const std::string& text) {
  PutLine(p, text, true);
}

void WriteText(ReportSession& p, const std::string& text) {
  PutLine(p, text, false);
}

void WriteRaw(ReportSession& p, const std::string& text) {
  if (!detail::Writing(p)) return;
  detail::Emit(p, text);
}

void WriteTextRow(ReportSession& p, const std::string& text) {
  if (!detail::Writing(p)) return;
  if (CurrentStyle(p) != Style::Html) return WriteLine(p, text);
  if (!p.writer.tableOpen) BeginHtmlTable(p);
  detail::Emit(p, "<TR><TD>" + base::HtmlEscaped(text) + "</TD></TR>");
}

void WriteWrapped(ReportSession& p, const std::string& text) {
  if (text.empty()) return;
  if (base::CharCount(text) <= static_cast<std::size_t>(kLineWidth) ||
      CurrentStyle(p) != Style::Text) {
    return WriteTextRow(p, text);
  }
  for (const std::string& line : base::WrapText(text, U' ', base::kMaxWrapWidth))
    WriteTextRow(p, line);
}

void WriteRow4(ReportSession& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value) {
  if (!detail::Writing(p)) return;
  switch (CurrentStyle(p)) {
    case Style::Tab:
      return WriteRaw(p, description + '\t' + symbol + '\t' + unit + '\t' + ExportValue(p, value));
    case Style::Html:
      if (!p.writer.tableOpen) BeginHtmlTable(p);
      detail::Emit(p, "<TR><TD>" + base::HtmlEscaped(description) + Cell(symbol) + Cell(unit) +
                          "</TD><TD><DIV ALIGN=RIGHT>" + base::HtmlEscaped(value) +
                          "</DIV></TD></TR>");
      return;
    case Style::Text:
      WriteLine(p, BuildLine(68, {{1, description}, {35, symbol}, {44, unit}, {56, value}}));
      if (detail::FrameMode(p) != 4) WriteLine(p, ThinLine(p));
      return;
  }
}

void WriteRow5(ReportSession& p, const std::string& description, const std::string& symbol,
               const std::string& unit, const std::string& value1, const std::string& value2) {
  if (!detail::Writing(p)) return;
  switch (CurrentStyle(p)) {
    case Style::Tab:
      return WriteRaw(p, description + '\t' + symbol + '\t' + unit + '\t' + ExportValue(p, value1) +
                             '\t' + ExportValue(p, value2));
    case Style::Html:
      if (!p.writer.tableOpen) BeginHtmlTable(p);
      detail::Emit(p, "<TR><TD>" + base::HtmlEscaped(description) + Cell(symbol) + Cell(unit) +
                          Cell(value1) + Cell(value2) + "</TD></TR>");
      return;
    case Style::Text:
      WriteLine(
          p,
          BuildLine(66, {{1, description}, {35, symbol}, {44, unit}, {51, value1}, {62, value2}}));
      if (detail::FrameMode(p) != 4) WriteLine(p, ThinLine(p));
      return;
  }
}

std::string WriteTitleNumberLine(const std::string& text, const std::string& number) {
  return BuildLine(kLineWidth, {{1, text}, {40, "Nr.: " + number}});
}

void BeginHtmlTable(ReportSession& p) {
  if (!detail::Writing(p) || CurrentStyle(p) != Style::Html) return;
  EndHtmlTable(p);
  detail::Emit(p, "<TABLE BORDER = \"2\" WIDTH= \"100%\">");
  p.writer.tableOpen = true;
}

void EndHtmlTable(ReportSession& p) {
  if (!detail::Writing(p) || !p.writer.tableOpen) return;
  detail::Emit(p, "</TABLE>");
  p.writer.tableOpen = false;
}

namespace detail {

void Emit(ReportSession& p, std::string_view text) {
  EmitNoEnd(p, text);
  p.writer.body += '\n';
}

void EmitNoEnd(ReportSession& p, std::string_view text) {
  if (text == "\f") {  // the page break is the writer's own
    p.writer.body += text;
    return;
  }
  // A control character typed into a text field (ESC, BEL, NUL, a line break) would drive the
  // printer or break the page layout: it prints as a blank. Tabs separate the export columns.
  for (const char ch : text) {
    const bool control = (static_cast<unsigned char>(ch) < 0x20 && ch != '\t') || ch == 0x7F;
    p.writer.body += control ? ' ' : ch;
  }
}

int LinesPerPage(const ReportSession& p) {
  return p.config.linesPerPage;
}

int FrameMode(const ReportSession& p) {
  const int mode = p.config.frameMode;
  return mode >= 1 && mode <= 4 ? mode : 2;
}

bool Writing(const ReportSession& p) {
  return p.writer.open && !p.cancel;
}

}  // namespace detail
}  // namespace kv40::report
