// View and CAD commands of the production drawing.
#include "app/drawing_commands.h"

#include "app/tooth_commands.h"
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

bool ShowDefaultView(Program& p) {
  const int kind = p.config.mainDrawingKind;
  if (kind == 4 || kind == 5) return DrawDefaultView(p);  // the tooth forms
  if (p.connection.log.fatal) return false;
  cad::ProductionEntry entry = cad::ProductionEntry::Quick;
  if (kind == 2) entry = cad::ProductionEntry::Tables;
  if (kind == 3) entry = cad::ProductionEntry::BothSheets;
  ShowProductionView(p, static_cast<int>(entry));
  const bool drawn = !p.cancel;
  p.cancel = false;
  return drawn;
}

}  // namespace kv40::app
