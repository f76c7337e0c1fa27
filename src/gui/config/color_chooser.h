// The colour chooser TForm_selectcolor: one of the 16 colours of the graphic window.
#pragma once

#include <optional>

#include "app/program.h"

class QWidget;

namespace kv40::config::gui {

// Opens on the current colour number (1..16); OK returns the chosen number, Abbrechen nothing.
std::optional<int> ChooseColor(app::Program& p, QWidget* parent, int current);

}  // namespace kv40::config::gui
