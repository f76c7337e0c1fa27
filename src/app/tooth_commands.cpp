// The commands of the tooth-form pictures.
#include "app/tooth_commands.h"

#include "cad/tooth_menu.h"
#include "report/message_help.h"

namespace kv40::app {
namespace {

// A failed calculation has nothing to draw: its messages are shown instead.
bool Calculated(Program& p) {
  if (!p.connection.log.fatal) return true;
  report::ShowMessageList(p);
  return false;
}

}  // namespace

void ViewToothForm(Program& p, int view) {
  p.cancel = false;
  if (!Calculated(p)) return;
  cad::ToothFormMenu(p, cad::CadDevice::Screen, view);
}

void CadToothForm(Program& p) {
  p.cancel = false;
  if (!Calculated(p)) return;
  cad::ToothFormMenu(p, cad::CadDevice::Ask, 0);
}

void CadToothProfile(Program& p, Shell& shell, int part) {
  shell.RunDialog(part == 1 ? InputDialog::ToothProfileShaft : InputDialog::ToothProfileHub);
  if (p.cancel || !Calculated(p)) return;
  cad::ToothPictureChoice(p, cad::CadDevice::Ask, part);
}

bool DrawDefaultView(Program& p) {
  int view = 0;
  switch (p.config.mainDrawingKind) {
    case 4:
      view = 6;
      break;
    case 5:
      view = 3;
      break;
    default:
      return false;
  }
  if (p.connection.log.fatal) return false;
  p.cancel = false;
  cad::ToothFormView(p, cad::CadDevice::Screen, view);
  const bool drawn = !p.cancel;
  p.cancel = false;
  return drawn;
}

}  // namespace kv40::app
