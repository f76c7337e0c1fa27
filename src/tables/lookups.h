// The program's lookups in its tables: DIN 5482 sizes into the dimension block, materials
// with their group factors into the material records, the browsers of the Database menu,
// and the stored print settings.
#pragma once

#include <optional>
#include <string>

#include "tables/table_session.h"

namespace kv40::tables {

// Browse kinds: 0 edits the table from a menu, 1 picks a record for the caller.
inline constexpr int kEditTable = 0;
inline constexpr int kPickRecord = 1;

// Browses the DIN 5482 table (kind as above). With a picked record its fields 1 to 13 go
// into the DIN 5482 block. Returns the record number taken, 0 when cancelled or failed.
int PickDin5482(TableSession& p, int kind);
// Reads record 1 of the DIN 5482 table into the block, when the table is there.
void ReadDin5482Default(TableSession& p);
// Fields 1 to 13 of the current record into the DIN 5482 block.
void ReadDin5482Record(TableSession& p);

// Browses the material table for part 1 (shaft) or 2 (hub), starting at its material
// number. With kind not 0 the row taken fills the part's material record, and fS and fH
// come from the row of its group in the material-group table.
void PickMaterial(TableSession& p, int kind, int part);
// The Database menu's browsers of the material table and the material-group table; with
// kind not 0 the current record is taken as for the shaft.
void ShowMaterialTable(TableSession& p, int kind);
void ShowMaterialTypes(TableSession& p, int kind);
void ShowDin5482Table(TableSession& p);

// ---- stored print settings, "printout.dbf" ----
struct PrintSetting {
  std::string name;
  std::string xscale;  // scales and origins as the table holds them (texts)
  std::string yscale;
  std::string xorigin;
  std::string yorigin;
  bool landscape = false;
  bool monochrom = false;
  bool variable = false;  // scale fitted to the page
  bool borderline = false;
};
// Opens "printout.dbf" from the folder the program was started in when it is there (as it
// is), else from the DBF folder.
bool OpenPrintoutTable(TableSession& p);
// Lets the user pick a stored setting in the browser; nullopt when cancelled.
std::optional<PrintSetting> PickPrintSetting(TableSession& p);
// Stores the values as a new setting under a name the user enters.
void StorePrintSetting(TableSession& p, const PrintSetting& values);

}  // namespace kv40::tables
