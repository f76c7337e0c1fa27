// The commands of the tooth-form pictures: the View items on the screen, the CAD items on a
// chosen device, and the main window's default view.
#pragma once

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

// Tooth-form view 1..6 ("Bitte wählen .." entries: shaft, hub, shaft and hub, tool of the
// shaft, tool of the hub, meshing) on the screen. After a failed calculation the message list
// instead.
void ViewToothForm(Program& p, int view);
// CAD → Zahnform...: the menu "Bitte wählen .." with the device chosen per drawing.
void CadToothForm(Program& p);
// CAD → Zahnform Welle / Nabe: the tooth-profile options of the part, then its pictures
// ("Zahnformzeichnung") on the device chosen per drawing.
void CadToothProfile(Program& p, Shell& shell, int part);

// The configured drawing of the main window ("Hauptfenster", configuration entry 88):
// 4 the meshing, 5 the tooth forms of shaft and hub. False when the kind names no drawing of
// the program (the window then shows its logo) or the calculation failed.
bool DrawDefaultView(Program& p);

}  // namespace kv40::app
