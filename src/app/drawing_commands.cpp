// View and CAD commands of the production drawing.
#include "app/drawing_commands.h"

#include "cad/production_drawing.h"

namespace kv40::app {

void ShowProductionView(Program& p, int entry) {
  p.cancel = false;
  cad::ProductionDrawing(p, cad::CadDevice::Screen, entry);
}

void CadProductionMenu(Program& p) {
  p.cancel = false;
  cad::ProductionDrawing(p, cad::CadDevice::Ask, 0);
}

void CadProductionEntry(Program& p, int entry) {
  p.cancel = false;
  cad::ProductionDrawing(p, cad::CadDevice::Ask, entry);
}

void ShowDefaultView(Program& p) {
  switch (p.config.mainDrawingKind) {
    case 2:
      return ShowProductionView(p, static_cast<int>(cad::ProductionEntry::Tables));
    case 3:
      return ShowProductionView(p, static_cast<int>(cad::ProductionEntry::BothSheets));
    default:
      return ShowProductionView(p, static_cast<int>(cad::ProductionEntry::Quick));
  }
}

}  // namespace kv40::app
