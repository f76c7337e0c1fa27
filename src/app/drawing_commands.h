// The production drawing's commands: the View items show an entry on the screen, the CAD
// items write one to the device the user chooses; and the default view after each change.
#pragma once

#include "app/program.h"

namespace kv40::app {

// View → Quick, Tabelle, Zeichnung, Fertigungszeichnung: entry 1..9 on the screen.
void ShowProductionView(Program& p, int entry);
// CAD → Fertigungszeichnung...: the menu of entries, each on the device chosen for it.
void CadProductionMenu(Program& p);
// CAD → Zeichnung 1, 2, 1 + 2: entry 5, 6 or 8 on the device chosen for it.
void CadProductionEntry(Program& p, int entry);

// The configured default view ("kind of drawing shown in the main window") on the screen:
// 1 the Quick tables, 2 the tables of shaft and hub, 3 the production drawing of both; 4 and 5
// are the tooth-form views; any other value the Quick tables. False when nothing was drawn
// (a failed calculation, whose messages the View menu counts): the window shows its logo.
bool ShowDefaultView(Program& p);

}  // namespace kv40::app
