// The menus of the tooth-form pictures: "Bitte wählen .." of the view and CAD commands, the
// picture choice "Zahnformzeichnung" of one part, and the options list "Konfiguration
// Zahnradgrafik".
#pragma once

#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad {

// The views of "Bitte wählen ..": 1 shaft, 2 hub, 3 shaft and hub, 4 tool of the shaft, 5 tool
// of the hub, 6 meshing. Draws view 1..6 once on the device.
void ToothFormView(GraphicSession& p, CadDevice device, int view);

// entry 1..6: that view, without the menu; 0: the menu, again after each drawing until "zurück
// .." or cancel ("Config" opens the options list and returns to the menu). Device Ask lets each
// drawing choose its device.
void ToothFormMenu(GraphicSession& p, CadDevice device, int entry);

// The choice "Zahnformzeichnung" of part 1 or 2: pictures 1 to 8, "Config" and "zurück ..",
// again after each drawing until "zurück .." or cancel.
void ToothPictureChoice(GraphicSession& p, CadDevice device, int part);

// "Konfiguration Zahnradgrafik": accuracy, generating profile shifts, centre distance of the
// meshing picture, auxiliary lines; again until "zurück" or cancel.
void ToothFormConfig(model::Session& p);

}  // namespace kv40::cad
