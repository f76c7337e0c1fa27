// The drawings the batch switch "/CADi:j" can write: one table from j to a drawing function.
// The drawing modules fill their rows; a row without a function draws nothing.
#pragma once

#include <span>

#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad {

// Draws one view from CadBeginDrawing(p, device) to CadEndDrawing; sets p.cancel on failure.
using DrawViewFn = void (*)(GraphicSession& p, CadDevice device);

struct DrawingView {
  int j;             // the index of "/CADi:j"
  const char* name;  // what the view shows
  DrawViewFn draw;   // nullptr: not drawn yet (the view draws nothing)
};

std::span<const DrawingView> DrawingViews();
// The row of j; nullptr when j is not in the table.
const DrawingView* FindDrawingView(int j);

}  // namespace kv40::cad
