// The one shared table the program's lookups work on, what they keep between calls, and
// the seam to the table browser window (Qt in the GUI module, scripted in tests).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/part_pair.h"
#include "report/report_session.h"
#include "tables/dbf_table.h"

namespace kv40::tables {

// How the browser shows the open table.
struct BrowseView {
  std::string caption;
  std::string mode;   // "CLOSE": quick pick, the first click, search or arrow key takes a row
  bool pick = false;  // pick only: grid read-only, deleted records hidden, no edit menus
};

struct TableSession;

class TableBrowser {
 public:
  virtual ~TableBrowser() = default;
  // Shows the open table of the session modally; true when it was closed with OK. The
  // current record of the table is then the one the user took.
  virtual bool Show(TableSession& p, const BrowseView& view) = 0;
};

struct TableState {
  std::optional<DbfTable> table;
  std::filesystem::path file;  // the file open, which may be the copy in the temporary folder
  bool inTempFolder = false;
  std::string title1;
  std::string title2;
  bool found = false;  // result of the last FindKey
  TableBrowser* browser = nullptr;

  // kept for the whole run
  std::string searchTerm;
  int gridRow = 0;
  int gridColumn = 0;
  int din5482Record = 1;
  PartPair<int> materialRecord = Pair(1, 1);
  int printoutRecord = 0;  // 0: none picked yet
};

// A session with the one shared table of the lookups and the browser. Printing a table goes
// through the report writer.
struct TableSession : virtual report::ReportSession {
  TableState tables;

  // one per program: never copied (a copy would share nothing but look complete)
  TableSession() = default;
  TableSession(const TableSession&) = delete;
  TableSession& operator=(const TableSession&) = delete;
};

inline TableState& State(TableSession& p) {
  return p.tables;
}

}  // namespace kv40::tables
