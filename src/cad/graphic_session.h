// A session with the graphic window's state (display list, world window and zoom) and the
// drawing kernel's state.
#pragma once

#include "cad/drawing_state.h"
#include "cad/graphic_state.h"
#include "model/session.h"

namespace kv40::cad {

struct GraphicSession : virtual model::Session {
  GraphicState graphic;
  DrawingState drawing;

  // one per program: never copied (a copy would share nothing but look complete)
  GraphicSession() = default;
  GraphicSession(const GraphicSession&) = delete;
  GraphicSession& operator=(const GraphicSession&) = delete;
};

}  // namespace kv40::cad
