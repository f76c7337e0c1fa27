// The batch drawing "/CADi:j".
#include "app/batch_drawing.h"

#include <algorithm>
#include <cstdio>

namespace kv40::app {

int RunBatchDrawing(Program& p, int device, int j, std::span<const cad::DrawingView> views) {
  if (device != 1 && device != 2 && device != 5) {
    std::fprintf(stderr,
                 "KV40: /CAD%d: im Batch gibt es nur die Geräte 1 (DXF), 2 (IGES) und 5 (TXT).\n",
                 device);
    return 1;
  }
  if (p.connection.log.fatal) {
    std::fprintf(stderr, "KV40: Keine Zeichnung: die Berechnung ist fehlgeschlagen.\n");
    for (int i = 1; i <= p.connection.log.messageCount; ++i)
      std::fprintf(stderr, "  %s\n", p.connection.log.Message(i).c_str());
    return 1;
  }
  const auto view =
      std::find_if(views.begin(), views.end(), [j](const cad::DrawingView& v) { return v.j == j; });
  if (view == views.end() || view->draw == nullptr) return 0;
  p.batchCad = true;
  p.cancel = false;
  view->draw(p, static_cast<cad::CadDevice>(device));
  p.batchCad = false;
  if (!p.cancel) return 0;
  std::fprintf(stderr, "KV40: Die Zeichnung %d wurde nicht geschrieben.\n", j);
  for (const std::string& m : p.drawing.messages.texts)
    std::fprintf(stderr, "  %s\n", m.c_str());
  return 1;
}

}  // namespace kv40::app
