// What the table browser's buttons and menu items do to the open table.
#include "tables/browser_commands.h"

#include <algorithm>
#include <filesystem>

#include "base/format.h"
#include "base/text.h"
#include "base/text_file.h"
#include "base/utf8.h"
#include "help/show_help.h"
#include "model/dialogs.h"
#include "report/writer.h"
#include "tables/dbf_transfer.h"
#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace fs = std::filesystem;
namespace {

constexpr int kSearchLength = 50;
constexpr int kCommonHelp = 3210;
constexpr int kPrintedFields = 7;
constexpr const char* kLossyNotice =
    "Einige Zeichen gibt es im DOS-Zeichensatz nicht; sie wurden als \"?\" gespeichert.";

DbfTable* Table(TableSession& p) {
  TableState& s = State(p);
  return s.table ? &*s.table : nullptr;
}

bool Search(TableSession& p, bool fromFirst) {
  DbfTable* t = Table(p);
  if (t == nullptr) return false;
  const std::string& term = State(p).searchTerm;
  if (t->Search(term, fromFirst)) return true;
  model::ShowInfo(p, term + " " + "nicht gefunden");
  return false;
}

void Report(TableSession& p, const TransferResult& r) {
  if (r.error != DbfError::None) {
    std::string text = "DBF Error " + std::to_string(DbfErrorCode(r.error));
    if (r.line > 0) text += " (Zeile " + std::to_string(r.line) + ")";
    model::ShowError(p, text);
    p.cancel = true;
  } else if (r.lossy) {
    model::ShowInfo(p, kLossyNotice);
  }
}

// The text padded with blanks (or cut) to width characters.
std::string Padded(const std::string& text, int width) {
  std::string out = base::CutChars(text, static_cast<std::size_t>(width));
  out.append(static_cast<std::size_t>(width) - base::CharCount(out), ' ');
  return out;
}

// A printed column: the field's width and one blank, wider when the field's name is longer.
int ColumnWidth(const DbfField& f) {
  return std::max(f.length, static_cast<int>(base::CharCount(f.name))) + 1;
}

// One printed row: the texts in their columns.
void PrintRow(TableSession& p, const DbfTable& t, const std::vector<std::string>& texts) {
  std::string line;
  switch (report::CurrentStyle(p)) {
    case report::Style::Tab:
      for (std::size_t i = 0; i < texts.size(); ++i)
        line += (i > 0 ? "\t" : "") + texts[i];
      return report::WriteRaw(p, line);
    case report::Style::Html:
      for (const std::string& text : texts)
        line += "<TD>" + base::HtmlEscaped(text) + "</TD>";
      return report::WriteRaw(p, "<TR>" + line + "</TR>");
    case report::Style::Text:
      for (std::size_t i = 0; i < texts.size(); ++i)
        line += Padded(texts[i], ColumnWidth(t.Field(static_cast<int>(i) + 1)));
      // a wider row would run over the page's frame
      return report::WriteLine(p, base::CutChars(line, report::kLineWidth));
  }
}

std::string StartFolder(const TableSession& p) {
  return p.config.dbfDir.empty() ? p.startDir : p.config.dbfDir;
}

}  // namespace

bool SearchTable(TableSession& p) {
  if (Table(p) == nullptr) return false;
  std::string term = State(p).searchTerm;
  if (!model::AskText(p, "Suchbegriff eingeben", kSearchLength, term)) return false;
  State(p).searchTerm = term;
  return Search(p, true);
}

bool SearchTableNext(TableSession& p) {
  return Search(p, false);
}

void SortByField(TableSession& p, int n) {
  DbfTable* t = Table(p);
  if (t == nullptr || n < 1 || n > t->FieldCount()) return;
  const int current = t->RecordNumber();
  const DbfError e = t->CreateIndex(t->Field(n).name, TempFolder(p) / "$qentemp.ndx");
  if (e != DbfError::None) return ShowDbfError(p, e);
  if (current > 0) GoRecord(p, current);
}

void AppendBlankRecord(TableSession& p) {
  AppendRecord(p);
}

void PackTable(TableSession& p) {
  if (DbfTable* t = Table(p)) {
    if (const DbfError e = t->Pack(); e != DbfError::None) ShowDbfError(p, e);
  }
}

void AppendDbfFile(TableSession& p) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const auto file = p.GetUi().OpenFile("*.dbf", StartFolder(p));
  if (file) Report(p, AppendFromDbf(*t, *file));
}

void AppendDelimitedFile(TableSession& p) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const auto file = p.GetUi().OpenFile("*.txt", StartFolder(p));
  if (file) Report(p, AppendDelimited(*t, *file));
}

void SaveAsDelimited(TableSession& p) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const auto file = p.GetUi().SaveFile("*.txt", StartFolder(p));
  if (file) Report(p, CopyToDelimited(*t, *file));
}

std::vector<std::string> HtmlTableLines(const TableSession& p, const DbfTable& t,
                                        const std::string& fileName) {
  const std::string name = fs::path(fileName).filename().string();
  const base::DateTime now = p.Now();
  std::vector<std::string> lines = {
      "<HTML>",
      "<head><meta charset=\"utf-8\"><title>" + base::HtmlEscaped(name) + "</title></head>",
      "<BODY BGCOLOR=\"C0C0C0\">",
      std::string("<P>") + model::kProgramShortName + "V" + model::kProgramVersion + "</P>",
      "<P>" + base::HtmlEscaped(base::UpperCase(fileName)) + "</P>",
      "<P>" + base::DateText(p.fmt(), now) + " - " + base::TimeText(now) + "</P>",
      "<HR>",
      "<TABLE BORDER = \"1\" WIDTH= \"100%\">"};
  std::string heading = "<TR>";
  for (int n = 1; n <= t.FieldCount(); ++n)
    heading += "<TD><CENTER>" + base::HtmlEscaped(t.Field(n).name) + "</CENTER></TD>";
  lines.push_back(heading + "</TR>");
  for (const int rec : t.Order()) {
    std::string row = "<TR>";
    for (int n = 1; n <= t.FieldCount(); ++n)
      row += "<TD>" + base::HtmlEscaped(t.StoredText(rec, n)) + "</TD>";
    lines.push_back(row + "</TR>");
  }
  for (const char* end : {"</TABLE>", "</BODY>", "</HTML>"})
    lines.emplace_back(end);
  return lines;
}

void ExportHtml(TableSession& p) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const fs::path proposed =
      fs::path(StartFolder(p)) / State(p).file.filename().replace_extension("htm");
  auto file = p.GetUi().SaveFile("HTML files (*.htm *.html);;All files (*)", proposed.string());
  if (!file) return;
  if (fs::path(*file).extension().empty()) *file += ".htm";
  std::string bytes;
  for (const std::string& line : HtmlTableLines(p, *t, *file))
    bytes += line + "\n";
  if (const int err = base::WriteFileAtomically(*file, bytes); err != 0) {
    model::ReportCreateError(p, err);
  }
}

void PrintTable(TableSession& p, const std::string& caption) {
  DbfTable* t = Table(p);
  if (t == nullptr) return;
  const TableState& s = State(p);
  report::SetPageHeader(p, std::string(model::kProgramShortName) + " V" + model::kProgramVersion,
                        s.file.string(), caption, s.title1, "", 0);
  report::OpenReport(p);
  if (p.cancel) return;
  report::PageHeader(p, 0, 0);
  const int fields = std::min(t->FieldCount(), kPrintedFields);
  std::vector<std::string> names;
  for (int n = 1; n <= fields; ++n)
    names.push_back(t->Field(n).name);
  const report::Style style = report::CurrentStyle(p);
  if (style == report::Style::Html) {
    std::string heading;
    for (const std::string& name : names)
      heading += "<TD><CENTER>" + base::HtmlEscaped(name) + "</CENTER></TD>";
    report::WriteRaw(p, "<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    report::WriteRaw(p, "<TR>" + heading + "</TR>");
  } else if (style == report::Style::Text) {
    report::WriteLine(p, report::DoubleLine(p));
    PrintRow(p, *t, names);
    report::WriteLine(p, report::DoubleLine(p));
  } else {
    PrintRow(p, *t, names);
  }
  for (const int rec : t->Order()) {
    std::vector<std::string> texts;
    for (int n = 1; n <= fields; ++n)
      texts.push_back(t->StoredText(rec, n));
    PrintRow(p, *t, texts);
  }
  if (style == report::Style::Html) report::WriteRaw(p, "</TABLE>");
  report::PageEnd(p);
  if (!p.cancel) report::CloseReport(p);
}

void ShowBrowserHelp(TableSession& p, BrowserHelp item) {
  switch (item) {
    case BrowserHelp::Structure:
      help::ShowHelpText(p, 0);
      break;
    case BrowserHelp::Common:
      help::ShowHelpText(p, kCommonHelp);
      break;
    case BrowserHelp::File:
      model::ShowInfo(p, State(p).file.string());
      break;
  }
  p.cancel = false;
}

}  // namespace kv40::tables
