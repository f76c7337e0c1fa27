// What CadBeginDrawing asks: the device ("CAD-Code"), the output file, the plot command line.
#pragma once

#include <optional>
#include <string>

#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad {

// The "CAD-Code" choice, preselecting the device used last; nullopt and p.cancel when
// cancelled.
std::optional<CadDevice> AskCadDevice(GraphicSession& p);

// The file of devices 1, 2 and 5: in a batch drawing the input file's name with the device's
// extension in the current folder; otherwise the save dialog in the CAD folder. A name
// without extension gets the device's. nullopt and p.cancel when none was chosen or its folder
// cannot be written (with the message).
std::optional<std::string> ChooseDrawingFile(GraphicSession& p, CadDevice device);

// The plot command line for this drawing: one of the configured lines, edited in the
// plot-program dialog (p.drawing.plotDialog, when set) and in the prompt; "0" or an empty
// entry runs the wizard. False and p.cancel when cancelled.
bool ChoosePlotCommand(GraphicSession& p);

}  // namespace kv40::cad
