// Input sequences, the edit steps and the language switch.
#include "app/commands.h"

#include "app/captions.h"
#include "calc/driver.h"
#include "model/input_file.h"
#include "report/message_help.h"

namespace kv40::app {

void Recalculate(model::Session& p) {
  calc::RecalcAll(p.connection, p.fmt(), p.cancel);
}

bool OpenInputFile(model::Session& p, const std::string& name) {
  if (!model::LoadInputFile(p, name)) return false;
  Recalculate(p);
  return true;
}

void QuickInput(Program& p, Shell& shell) {
  for (InputDialog d : {InputDialog::Text, InputDialog::Dimensions, InputDialog::Tolerances,
                        InputDialog::Measurement, InputDialog::Material, InputDialog::Load}) {
    shell.RunDialog(d);
    if (p.cancel) break;
  }
  if (p.cancel) {
    p.cancel = false;
    Recalculate(p);
    return;
  }
  Recalculate(p);
  p.modified = true;
  report::ShowMessageList(p);
}

void EditStep(Program& p, Shell& shell, InputDialog dialog) {
  p.cancel = false;
  shell.RunDialog(dialog);
  if (p.cancel) return;
  p.modified = true;
  Recalculate(p);
  shell.Refresh();
}

void EditMaterial(Program& p, Shell& shell) {
  p.cancel = false;
  shell.RunDialog(InputDialog::Material);
  if (!p.cancel) p.modified = true;
  // A cancelled dialog stored nothing; the calculation must not stop for its cancel.
  p.cancel = false;
  Recalculate(p);
  shell.Refresh();
}

void EditText(Program& p, Shell& shell) {
  p.cancel = false;
  shell.RunDialog(InputDialog::Text);
  if (!p.cancel) p.modified = true;
}

void SetLanguage(Program& p, Shell& shell, int i) {
  p.config.language = i;
  LoadMenuCaptions(p, i);
  LoadTermCaptions(p, i);
  shell.ApplyCaptions();
  shell.UpdateTitle();
}

std::string ErrorItemCaption(const Program& p) {
  return Caption(p, Cap::ErrorMessages) + " (" + std::to_string(p.connection.log.messageCount) +
         ")";
}

}  // namespace kv40::app
