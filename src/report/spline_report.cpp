// The report commands: the sheets, the message report and the batch report, and the start
// every spline report shares.
#include "report/spline_report.h"

#include "base/text.h"
#include "model/dialogs.h"
#include "report/message_help.h"
#include "report/spline_report_parts.h"
#include "report/writer.h"

namespace kv40::report {
namespace {

constexpr const char* kSheetsName = "Zahnwellenverbindung nach DIN 5482";
constexpr const char* kStrengthName = "Festigkeit Zahnwellenverbindung";
constexpr const char* kMessagesTitle = "Error Messages";

// "Was drucken ?": 1 dimension sheet, 2 strength sheet, 3 both; 0 when cancelled.
int AskWhat(ReportSession& p) {
  p.itemLines[0] = "Geometrie";
  p.itemLines[1] = "Festigkeit";
  p.itemLines[2] = "Geometrie und Festigkeit";
  int what = 3;
  return model::ChooseItem(p, kWhatToPrint, 3, what) ? what : 0;
}

}  // namespace

namespace detail {

Extended MicroFactor(const base::NumberFormat& nf) {
  return nf.inchUnits == 1 ? 1.0e6L : 1000.0L;
}

std::string ReportTitle(const std::string& name) {
  return std::string(model::kProgramShortName) + " V" + model::kProgramVersion + "  " + name;
}

void SetSplineHeader(ReportSession& p, const std::string& title) {
  const model::SpecState& s = p.connection;
  SetPageHeader(p, title, WriteTitleNumberLine(s.zname[1], s.znr[1]),
                WriteTitleNumberLine(s.zname[2], s.znr[2]), s.text[1], s.text[2], 0);
}

bool OpenSplineReport(ReportSession& p) {
  if (p.connection.log.fatal) {
    ShowMessageList(p);
    return false;
  }
  OpenReport(p);
  return !p.cancel;
}

}  // namespace detail

void PrintSheets(ReportSession& p, int what) {
  if (p.connection.log.fatal) return ShowMessageList(p);
  if (what == 0) what = AskWhat(p);
  if (what < 1 || what > 3) return;
  if (!detail::OpenSplineReport(p)) return;
  detail::SetSplineHeader(p, detail::ReportTitle(kSheetsName));
  SetTableHeadings(p, "", "Zeichen", "Einheit", " Welle", " Nabe");
  if (what == 1 || what == 3) detail::DimensionSheet(p);
  if (what == 2 || what == 3) {
    detail::SetSplineHeader(p, detail::ReportTitle(kStrengthName));
    detail::StrengthSheet(p);
  }
  PrintMessageReport(p);
  if (!p.cancel) CloseReport(p);
}

void ShowMessageReport(ReportSession& p) {
  const model::SpecState& s = p.connection;
  if (s.log.messageCount == 0) return model::ShowInfo(p, kNoMessages);
  SetPageHeader(p, std::string(model::kProgramShortName) + " V" + model::kProgramVersion,
                kMessagesTitle, s.text[1], s.text[2], s.text[3], 1);
  if (s.log.fatal) return ShowMessageList(p);
  OpenReport(p, Device::Screen);
  if (p.cancel) return;
  PrintMessageReport(p);
  // Long causes and remedies can fill more than the one page the header counts on: written
  // again with the pages counted, so that no page says "Bl. 2/ 1".
  if (p.writer.open && p.writer.pageCount > p.writer.pageTotal) {
    p.writer.pageTotal = p.writer.pageCount;
    RestartReport(p);
    PrintMessageReport(p);
  }
  CloseReport(p);
}

int BatchReport(ReportSession& p, const std::string& file) {
  WriterState& w = p.writer;
  if (p.connection.log.fatal) {
    std::string messages;
    for (int i = 1; i <= p.connection.log.messageCount; ++i)
      messages += "\n" + p.connection.log.Message(i);
    model::ShowError(p, "Kein Bericht: die Berechnung ist fehlgeschlagen." + messages);
    return 1;
  }
  w.forcedDevice = Device::NamedExport;
  w.namedFile = file;
  p.cancel = false;
  PrintSheets(p, 0);
  const bool failed = p.cancel || w.open;
  w.forcedDevice.reset();
  w.namedFile.clear();
  if (failed) {
    model::ShowError(p, "Bericht " + p.currentFile + ".txt" + " wurde nicht geschrieben.");
    return 1;
  }
  return 0;
}

}  // namespace kv40::report
