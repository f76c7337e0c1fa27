// File → Öffnen (Tabelle): the input data files of the data folder as a table of results, and
// the file picked from it opened.
#pragma once

#include <string>

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

// Scans the data folder (each file calculated on its own, the open connection untouched), shows
// the grid and opens each picked file, until the grid is left. A file that cannot be opened
// leaves the open connection and its name as they were.
void FileOpenTable(Program& p, Shell& shell);

// The grid window's caption: product name and data folder (the current folder when none).
std::string PreviewCaption(const Program& p);

}  // namespace kv40::app
