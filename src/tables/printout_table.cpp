// The stored print settings of the print dialog: table "printout.dbf".
#include <filesystem>

#include "base/format.h"
#include "model/dialogs.h"
#include "tables/lookups.h"
#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace {

constexpr int kPrintoutHelp = 1040;
constexpr int kNameLength = 25;

}  // namespace

bool OpenPrintoutTable(TableSession& p) {
  const std::filesystem::path local = std::filesystem::path(p.startDir) / "printout.dbf";
  std::error_code ec;
  if (!p.startDir.empty() && std::filesystem::exists(local, ec)) return OpenTableFile(p, local);
  return OpenTable(p, "printout");
}

std::optional<PrintSetting> PickPrintSetting(TableSession& p) {
  p.cancel = false;
  if (!OpenPrintoutTable(p)) return std::nullopt;
  TableState& session = State(p);
  SetBrowserTitles(p, "Printout", "");
  if (session.printoutRecord > 0) GoRecord(p, session.printoutRecord);
  p.helpContext = kPrintoutHelp;
  std::optional<PrintSetting> picked;
  if (Browse(p, "", kEditTable) && RecordNumber(p) > 0) {
    session.printoutRecord = RecordNumber(p);
    PrintSetting s;
    s.name = FieldText(p, 1);
    s.xscale = FieldText(p, 2);
    s.yscale = FieldText(p, 3);
    s.xorigin = FieldText(p, 4);
    s.yorigin = FieldText(p, 5);
    s.landscape = FieldByName(p, "landscape");
    s.monochrom = FieldByName(p, "monochrom");
    s.variable = FieldByName(p, "variable");
    s.borderline = FieldByName(p, "borderline");
    picked = s;
  }
  CloseTable(p);
  p.cancel = false;
  return picked;
}

void StorePrintSetting(TableSession& p, const PrintSetting& values) {
  if (!OpenPrintoutTable(p)) return;
  std::string name;
  if (model::AskText(p, "Name", kNameLength, name)) {
    // A new record for every stored setting, so that no stored setting is overwritten.
    AppendRecord(p);
    WriteTextField(p, "name", name);
    WriteRealField(p, "xscale", base::ParseNumber(values.xscale));
    WriteRealField(p, "yscale", base::ParseNumber(values.yscale));
    WriteIntField(p, "xorigin", base::ParseInt(values.xorigin));
    WriteIntField(p, "yorigin", base::ParseInt(values.yorigin));
    WriteLogicalField(p, "landscape", values.landscape);
    WriteLogicalField(p, "monochrom", values.monochrom);
    WriteLogicalField(p, "variable", values.variable);
    WriteLogicalField(p, "borderline", values.borderline);
    Post(p);
  }
  CloseTable(p);
}

}  // namespace kv40::tables
