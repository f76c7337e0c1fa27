// Replay of the display list onto a QPainter: the window's picture, a QImage, a printer page.
#pragma once

#include <functional>

#include "cad/graphic_state.h"

class QPainter;

namespace kv40::cad {

enum class ReplayResult {
  kDone,
  kCancelled,  // keepGoing said stop
  kBadWindow,  // a window record without width or height: the caller sets the cancel flag
};

struct ReplayOptions {
  // true: the printer pass, mapped onto the painter's whole device as the page
  bool printing = false;
  // Asked before every 50 000th record; it may run pending events. False ends the replay.
  std::function<bool()> keepGoing;
  // Pauses of sleep records (never while printing).
  std::function<void(int ms)> sleep;
};

inline constexpr std::size_t kReplayEventInterval = 50000;

// Replays every record of g.displayList; the window records change g's viewport, world
// window and scales as they come. The painter must be active; nothing is filled first.
// painted receives the frame in force for the last drawing record (for the rubber band).
ReplayResult ReplayDisplayList(GraphicState& g, QPainter& painter, const ReplayOptions& options,
                               WorldFrame* painted = nullptr);

}  // namespace kv40::cad
