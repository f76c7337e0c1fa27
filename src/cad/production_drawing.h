// The production drawing of shaft and hub: side views with dimensioned diameters, the data
// tables a spline drawing carries, strength and load tables, on A4 sheets with title block;
// one kernel drawing per menu entry, on the screen or a CAD device.
#pragma once

#include "cad/graphic_session.h"
#include "cad/kernel.h"
#include "cad/production_layout.h"

namespace kv40::cad {

inline constexpr const char* kProductionMenuTitle = "Bitte wählen ..";

// Produces entry e once on the device (Ask: the "CAD-Code" choice). A fatal calculation shows
// the message list instead; sizes that give a view no finite scale give no drawing either.
void DrawProductionEntry(GraphicSession& p, CadDevice device, ProductionEntry e);

// entry 1..9: that drawing once. entry 0: the menu "Bitte wählen .." again after each drawing,
// until "zurück .." or a cancel; a cancelled device choice returns to the menu.
void ProductionDrawing(GraphicSession& p, CadDevice device, int entry);

}  // namespace kv40::cad
