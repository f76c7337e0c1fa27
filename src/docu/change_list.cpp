// The change commands of the Dokument menu and the change-list printout.
#include "docu/change_list.h"

#include <cstddef>
#include <vector>

#include "base/format.h"
#include "base/text.h"
#include "model/dialogs.h"
#include "report/writer.h"

namespace kv40::docu {
namespace {

constexpr const char* kChangeItems[] = {"neu",      "ändern",         "löschen",   "anzeigen",
                                        "Ausdruck", "Zeichnungsinfo", "zurück...."};
constexpr int kPreselectedItem = 4;
constexpr int kShowOnScreen = 1;
constexpr int kAskDevice = 0;

model::ChangeEntry& Entry(model::Session& p, int i) {
  return p.docu.changeList[static_cast<std::size_t>(i - 1)];
}

void NewChange(report::ReportSession& p, DocuForms& forms) {
  model::DocuData& d = p.docu;
  if (d.changeCount >= model::kMaxChanges) {
    model::ShowError(p, "Max. Änderungen = " + std::to_string(model::kMaxChanges) + " !");
    return;
  }
  ++d.changeCount;
  // The slot may still hold a deleted entry: the new one starts empty.
  Entry(p, d.changeCount) = model::ChangeEntry{};
  Entry(p, d.changeCount).changeDate = base::DateText(p.fmt(), p.Now());
  EditChangeEntry(p, forms, d.changeCount);
  if (p.cancel) {
    Entry(p, d.changeCount) = model::ChangeEntry{};
    --d.changeCount;
    return;
  }
  p.modified = true;
  PrintChangeList(p, kShowOnScreen);
}

void EditLastChange(report::ReportSession& p, DocuForms& forms) {
  if (p.docu.changeCount <= 0) return;
  EditChangeEntry(p, forms, p.docu.changeCount);
  if (p.cancel) return;
  p.modified = true;
  PrintChangeList(p, kShowOnScreen);
}

void DeleteLastChange(report::ReportSession& p) {
  if (p.docu.changeCount <= 0) return;
  --p.docu.changeCount;
  p.modified = true;
  PrintChangeList(p, kShowOnScreen);
}

// The lines of a description: one per line break; in the framed text, long lines are broken at
// blanks so that they stay inside the frame.
std::vector<std::string> DescriptionLines(const report::ReportSession& p, const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    if (report::CurrentStyle(p) == report::Style::Text) {
      for (const std::string& part : base::WrapText(line, U' ', base::kMaxWrapWidth))
        lines.push_back(part);
      if (line.empty()) lines.emplace_back();
    } else {
      lines.push_back(line);
    }
    start = end + 1;
  }
  return lines;
}

void WriteHead(report::ReportSession& p) {
  const model::DrawingInfo& info = p.docu.drawingInfo;
  report::WriteLine(p, "");
  report::WriteLine(
      p, "Erstellungsdatum: " + info.drawnDate + "     " + "Erstellt von" + ": " + info.drawnBy);
  if (!info.replaces.empty()) {
    report::WriteLine(p, "");
    report::WriteLine(p, "Ersatz für: " + base::PadRight(info.replaces, model::kReplaceLen));
  }
  if (!info.replacedBy.empty()) {
    report::WriteLine(p, "");
    report::WriteLine(p, "Ersetzt durch: " + base::PadRight(info.replacedBy, model::kReplaceLen));
  }
  report::WriteLine(p, "");
  report::WriteLine(p, base::PadRight("Index", 6) + "  " + base::PadRight("Datum", 10) + "   " +
                           base::PadRight("Bearb.", 6) + "   " + base::PadRight("Änderung", 20));
  report::WriteLine(p, report::DoubleLine(p));
}

void WriteEntries(report::ReportSession& p) {
  for (int i = 1; i <= p.docu.changeCount && !p.cancel; ++i) {
    const model::ChangeEntry& e = Entry(p, i);
    report::WriteLine(p, "  " + ChangeIndex(p, i) + "     " + base::PadRight(e.changeDate, 10) +
                             "   " + base::PadRight(e.editor, 6) + "   " +
                             base::PadRight(e.changeText, 20));
    for (const std::string& line : DescriptionLines(p, e.description))
      report::WriteLine(p, " " + line);
    report::WriteLine(p, report::ThinLine(p));
  }
}

}  // namespace

std::string ChangeIndex(const model::Session& p, int position) {
  if (p.config.titleBlockOption == 1) return std::to_string(position);
  return std::string(1, static_cast<char>(96 + position));
}

void ChangeListCommand(report::ReportSession& p, DocuForms& forms, ChangeCommand command) {
  if (command == ChangeCommand::Ask) {
    p.helpContext = kChangesHelp;
    const int count = static_cast<int>(std::size(kChangeItems));
    for (int i = 0; i < count; ++i)
      p.itemLines[static_cast<std::size_t>(i)] = kChangeItems[i];
    int chosen = kPreselectedItem;
    if (!model::ChooseItem(p, kChangesPrompt, count, chosen) || chosen == count) return;
    command = static_cast<ChangeCommand>(chosen);
  }
  switch (command) {
    case ChangeCommand::New:
      return NewChange(p, forms);
    case ChangeCommand::EditLast:
      return EditLastChange(p, forms);
    case ChangeCommand::DeleteLast:
      return DeleteLastChange(p);
    case ChangeCommand::Show:
      return PrintChangeList(p, kShowOnScreen);
    case ChangeCommand::Print:
      return PrintChangeList(p, kAskDevice);
    case ChangeCommand::DrawingInfo:
      ShowDrawingInfo(p, forms);
      if (!p.cancel) p.modified = true;
      return;
    case ChangeCommand::Ask:
      return;
  }
}

void PrintChangeList(report::ReportSession& p, int kind) {
  const model::SpecState& s = p.connection;
  report::SetPageHeader(p, std::string(model::kProgramTitle) + " V" + model::kProgramVersion,
                        "Änderungsprotokoll", s.text[1], s.text[2], s.text[3], 0);
  if (kind == kShowOnScreen) {
    report::OpenReport(p, report::Device::Screen);
  } else {
    report::OpenReport(p);
  }
  if (p.cancel) return;
  if (kind != kShowOnScreen) report::PageHeader(p, 0, 0);
  WriteHead(p);
  WriteEntries(p);
  if (!p.cancel) report::CloseReport(p);
}

}  // namespace kv40::docu
