// The configuration dialog Tconfig (File → Einstellungen): every setting on ten pages.
#pragma once

#include "app/program.h"
#include "config/config_format.h"

class QWidget;

namespace kv40::config::gui {

// Shows the settings of p.config. OK stores them (after the folder check) for the rest of the
// run and returns true; "&Speichern" stores them and writes KV40.cfg, the dialog staying
// open; "Import.." fills the controls from another configuration file without storing it;
// Abbrechen sets p.cancel. screen sizes the "<" values that come from the screen.
bool ShowConfigDialog(app::Program& p, QWidget* parent, const ScreenInfo& screen);

}  // namespace kv40::config::gui
