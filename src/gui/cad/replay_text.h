// Text records of the replay: font from the window's text style, placement by the base point.
#pragma once

#include <string_view>

#include "cad/graphic_state.h"

class QPainter;

namespace kv40::cad {

// Text style in force during a replay (world units, degrees) and the replay colour.
struct TextState {
  double height = 0;
  double width = 0;
  double angle = 0;
  int color = 1;
};

// Draws text with its lower left corner at (x, y) in world units.
void DrawRecordText(QPainter& painter, const GraphicState& g, const DeviceMapping& m,
                    const TextState& t, const PassColors& pass, double x, double y,
                    std::string_view text);

}  // namespace kv40::cad
