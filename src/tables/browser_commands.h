// What the table browser's buttons and menu items do to the open table: search, sorting by
// a column, append, pack, the transfers, HTML export and the help items. The window only
// calls these; every question and message goes through the Ui seam.
#pragma once

#include <string>
#include <vector>

#include "tables/dbf_table.h"
#include "tables/table_session.h"

namespace kv40::tables {

// Asks "Suchbegriff eingeben" (the last term preset) and searches from the first record.
// Not found: term + " nicht gefunden". True when found (the record is then current).
bool SearchTable(TableSession& p);
// Searches the last term again from the record after the current one.
bool SearchTableNext(TableSession& p);
// Orders the table by field n through the index "$qentemp.ndx" in the temporary folder,
// staying on the current record.
void SortByField(TableSession& p, int n);
void AppendBlankRecord(TableSession& p);
void PackTable(TableSession& p);
void AppendDbfFile(TableSession& p);
void AppendDelimitedFile(TableSession& p);
void SaveAsDelimited(TableSession& p);

// The HTML page of the shown records (fileName is shown without its folder).
std::vector<std::string> HtmlTableLines(const TableSession& p, const DbfTable& t,
                                        const std::string& fileName);
// Asks for an HTML file, proposing the table's name, and writes HtmlTableLines into it.
void ExportHtml(TableSession& p);
// Prints the shown records through the report writer on the configured device: a table of
// the first seven fields under a header naming the table file, the caption and title1.
void PrintTable(TableSession& p, const std::string& caption);

// The help image of the browser (help/show_help.h) is drawn in the graphic window, which a
// table session does not have: the window's own code shows it.
enum class BrowserHelp { Structure, Common, File };
// The help items of the browser; each clears p.cancel.
void ShowBrowserHelp(TableSession& p, BrowserHelp item);

}  // namespace kv40::tables
