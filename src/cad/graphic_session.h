// A session with the graphic window's state: display list, world window and zoom.
#pragma once

#include "cad/graphic_state.h"
#include "cad/hatch.h"
#include "model/session.h"

namespace kv40::cad {

struct GraphicSession : virtual model::Session {
  GraphicState graphic;
  HatchState hatch;  // the hatch polygon being collected

  // one per program: never copied (a copy would share nothing but look complete)
  GraphicSession() = default;
  GraphicSession(const GraphicSession&) = delete;
  GraphicSession& operator=(const GraphicSession&) = delete;
};

}  // namespace kv40::cad
