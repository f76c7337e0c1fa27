// The batch drawing "/CADi:j": view j of the views table written on device i.
#pragma once

#include <span>

#include "app/program.h"
#include "cad/drawing_views.h"

namespace kv40::app {

// Writes view j on device i (1 DXF, 2 IGES, 5 listing) as currentFile + the device's
// extension in the current folder. Exit code 0, also when j names no drawn view; 1 with a
// message on standard error for another device, a failed calculation or a drawing that could
// not be written.
int RunBatchDrawing(Program& p, int device, int j,
                    std::span<const cad::DrawingView> views = cad::DrawingViews());

}  // namespace kv40::app
