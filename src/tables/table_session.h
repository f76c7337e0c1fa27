// The one shared table the program's lookups work on, what they keep between calls, and
// the seam to the table browser window (Qt in the GUI module, scripted in tests).
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "base/part_pair.h"
#include "model/program.h"
#include "tables/dbf_table.h"

namespace kv40::tables {

// How the browser shows the open table.
struct BrowseView {
  std::string caption;
  std::string mode;   // "CLOSE": quick pick, the first click, search or arrow key takes a row
  bool pick = false;  // pick only: grid read-only, deleted records hidden, no edit menus
};

class TableBrowser {
 public:
  virtual ~TableBrowser() = default;
  // Shows the open table of the session modally; true when it was closed with OK. The
  // current record of the table is then the one the user took.
  virtual bool Show(model::Program& p, const BrowseView& view) = 0;
};

struct TableSession {
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

// The session of the program instance, created on first use.
TableSession& Session(model::Program& p);

}  // namespace kv40::tables
