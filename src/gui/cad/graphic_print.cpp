// Printing the graphic window onto a QPrinter: paper or a PDF file.
#include <QPainter>
#include <QPrinter>

#include "gui/cad/graphic_window.h"
#include "gui/cad/replay.h"

namespace kv40::cad {

bool TFquengra::PrintWindow(QPrinter& printer, bool fit) {
  GraphicState& g = p_.graphic;
  if (fit) BackToWholeDrawing();
  Replay();  // the screen first, so both show the same
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  g.Printing = true;
  ReplayOptions o;
  o.printing = true;
  const ReplayResult result = ReplayDisplayList(g, painter, o);
  g.Printing = false;
  painter.end();
  if (result == ReplayResult::kBadWindow) p_.cancel = true;
  ClearViewPort();
  return true;
}

}  // namespace kv40::cad
