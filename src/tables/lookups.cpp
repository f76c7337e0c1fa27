// The program's lookups in its tables: DIN 5482 sizes, materials, material groups.
#include "tables/lookups.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>

#include "base/format.h"
#include "base/utf8.h"
#include "model/dialogs.h"
#include "model/message_log.h"
#include "tables/table_access.h"
#include "tables/table_session.h"

namespace kv40::tables {
namespace {

constexpr const char* kDinTitle1 = " Zahnwellenverbindung nach DIN 5482 ";
constexpr const char* kDinTitle2 = "Abmessungen nach DIN 5482";
constexpr const char* kMaterialTitle = "Werkstoffdatenbank";
constexpr const char* kTypesTitle = "Werkstoffgruppen mit fH und fS";

Extended Number(const TableSession& p, int field) {
  return base::ParseNumber(FieldText(p, field));
}

std::int32_t Integer(const TableSession& p, int field) {
  const Extended v = std::nearbyint(Number(p, field));
  return static_cast<std::int32_t>(std::clamp<Extended>(v, INT32_MIN, INT32_MAX));
}

// Fields 1 to 13 of the current material record into the record of the part.
void ReadMaterialRecord(TableSession& p, int part) {
  model::SpecState& s = p.connection;
  s.matnr[part] = base::CutChars(FieldText(p, 1), model::kMatnrLen);
  s.matname[part] = base::CutChars(FieldText(p, 2), model::kMatnameLen);
  s.matText3[part] = base::CutChars(FieldText(p, 3), model::kMatText3Len);
  s.wgroup[part] = Integer(p, 4);
  s.matInt5[part] = Integer(p, 5);
  s.Re[part] = Integer(p, 6);
  s.matInt7[part] = Integer(p, 7);
  for (int i = 1; i <= 4; ++i)
    s.matNumbers[part][i] = Number(p, 7 + i);
  for (int i = 1; i <= 2; ++i)
    s.matTexts[part][i] = base::CutChars(FieldText(p, 11 + i), model::kMatTextLen);
}

// fS and fH of the part from the row of its material group.
void ReadGroupFactors(TableSession& p, int part) {
  const int type = p.connection.wgroup[part];
  CloseTable(p);
  if (!OpenTable(p, "kv8wstyp")) return;
  MakeIndex(p, FieldName(p, 1), "kv8wstyp");
  if (p.cancel) return;
  if (FindKey(p, base::IntBlankPad(type, 2))) {
    p.connection.fS[part] = Number(p, part == 1 ? 5 : 7);
    p.connection.fH[part] = Number(p, part == 1 ? 6 : 8);
    return;
  }
  const std::string message =
      "Werkstofftyp " + base::IntZeroPad(type, 2) + " " + "nicht gefunden" + ".";
  model::ShowError(p, message);
  model::AddMessage(p.connection.log, message);
}

}  // namespace

void ReadDin5482Record(TableSession& p) {
  model::SpecState& s = p.connection;
  s.bez5482 = base::CutChars(FieldText(p, 1), model::kBez5482Len);
  s.d1 = Number(p, 2);
  s.d2 = Number(p, 3);
  s.d3 = Number(p, 4);
  s.d4 = Number(p, 5);
  s.t6 = Number(p, 6);
  s.z5482 = Integer(p, 7);
  s.mn5482 = Number(p, 8);
  s.xm = Number(p, 9);
  s.r1 = Number(p, 10);
  s.r2 = Number(p, 11);
  s.kmin = Number(p, 12);
  s.text5482 = base::CutChars(FieldText(p, 13), model::kText5482Len);
}

int PickDin5482(TableSession& p, int kind) {
  TableState& session = State(p);
  if (!model::RequireFile(p, TablePath(p, "din5482.dbf"))) return 0;
  SetBrowserTitles(p, kDinTitle1, kDinTitle2);
  if (!OpenTable(p, "din5482")) return 0;
  MakeIndex(p, FieldName(p, 2), "din5482");
  int picked = 0;
  if (!p.cancel) {
    GoRecord(p, session.din5482Record);
    if (Browse(p, "", kind)) {
      picked = RecordNumber(p);
      session.din5482Record = picked;
      if (kind != kEditTable) ReadDin5482Record(p);
    }
  }
  CloseTable(p);
  return picked;
}

void ShowDin5482Table(TableSession& p) {
  PickDin5482(p, kEditTable);
}

void ReadDin5482Default(TableSession& p) {
  std::error_code ec;
  if (!std::filesystem::exists(TablePath(p, "din5482.dbf"), ec)) return;
  if (!OpenTableFile(p, TablePath(p, "din5482.dbf"))) return;
  if (RecordCount(p) > 0) {
    GoRecord(p, 1);
    ReadDin5482Record(p);
  }
  CloseTable(p);
}

void PickMaterial(TableSession& p, int kind, int part) {
  TableState& session = State(p);
  SetBrowserTitles(p, std::string("Werkstoff ") + (part == 1 ? "Welle" : "Nabe"), kMaterialTitle);
  if (!OpenTable(p, "wkx1base")) return;
  MakeIndex(p, FieldName(p, 1), "wkx1base");
  if (p.cancel) return CloseTable(p);
  if (!FindKey(p, p.connection.matnr[part])) GoRecord(p, session.materialRecord[part]);
  if (Browse(p, kind == kPickRecord ? "CLOSE" : "", kind) && kind != kEditTable) {
    ReadMaterialRecord(p, part);
    session.materialRecord[part] = RecordNumber(p);
    ReadGroupFactors(p, part);
  }
  CloseTable(p);
}

void ShowMaterialTable(TableSession& p, int kind) {
  SetBrowserTitles(p, "", kMaterialTitle);
  if (!OpenTable(p, "wkx1base")) return;
  MakeIndex(p, FieldName(p, 1), "wkx1base");
  if (!p.cancel && Browse(p, "", kind) && kind != kEditTable) {
    ReadMaterialRecord(p, 1);
    State(p).materialRecord[1] = RecordNumber(p);
    ReadGroupFactors(p, 1);
  }
  CloseTable(p);
}

void ShowMaterialTypes(TableSession& p, int kind) {
  SetBrowserTitles(p, "", kTypesTitle);
  if (!OpenTable(p, "kv8wstyp")) {
    model::AddMessage(p.connection.log, "Fatal  : DIN 6885 Datenbank");
    return;
  }
  MakeIndex(p, FieldName(p, 1), "kv8wstyp");
  if (!p.cancel && Browse(p, "", kind) && kind != kEditTable) {
    p.connection.fS[1] = Number(p, 5);
    p.connection.fH[1] = Number(p, 6);
  }
  CloseTable(p);
}

}  // namespace kv40::tables
