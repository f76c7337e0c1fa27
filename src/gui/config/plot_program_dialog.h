// The plot-program option dialog TForm_confgravolt: composes one command line for the
// external plot program from its controls. Used by the configuration dialog's "Extern" page
// and by the drawing kernel when the plot program is chosen as CAD device.
#pragma once

#include <string>

#include "app/program.h"

class QWidget;

namespace kv40::config::gui {

// The controls start from their initial values (the given line is not parsed). OK clears
// p.cancel and returns true; commandLine is then the composed line, or the given one when no
// control was changed. Abbrechen sets p.cancel and returns false.
bool RunPlotProgramDialog(app::Program& p, QWidget* parent, std::string& commandLine);

}  // namespace kv40::config::gui
