// The print dialog of the graphic window (TForm_printconf, File → Print) and, in printer-setup
// mode, the check of the printer with its information window (TForm_printerinfo).
#pragma once

#include "app/program.h"

class QPrinter;

namespace kv40::cad {
class TFquengra;
}

namespace kv40::config::gui {

// Opens the dialog on the print settings of the configuration. OK stores scale, origin,
// border, colour mode and orientation in the window's print settings and prints the drawing
// on printer (or, in printer-setup mode, runs an empty job and shows the printer's data);
// Abbrechen sets p.cancel.
void ShowPrintDialog(app::Program& p, cad::TFquengra& window, QPrinter& printer, bool printerSetup);

}  // namespace kv40::config::gui
