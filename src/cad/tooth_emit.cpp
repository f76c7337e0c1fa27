// Tooth-form figures and block placements sent through the drawing kernel.
#include "cad/tooth_emit.h"

#include <variant>

#include "cad/kernel.h"

namespace kv40::cad {

void FailDrawing(GraphicSession& p, const std::string& text) {
  p.drawing.messages.Add(text);
  p.cancel = true;
}

void EmitFigure(GraphicSession& p, const calc::Figure& figure) {
  if (!figure.ok()) {
    FailDrawing(p, figure.failure);
    return;
  }
  for (const calc::FigEntity& e : figure.entities) {
    if (p.cancel) return;
    std::visit(
        [&p](const auto& x) {
          using T = std::decay_t<decltype(x)>;
          CadLayer(p, x.layer);
          if constexpr (std::is_same_v<T, calc::FigPolyline>) {
            CadBeginPolyline(p);
            for (const calc::Vertex& v : x.vertices)
              CadVertex(p, v.x, v.y, v.bulge);
            CadEndPolyline(p);
          } else if constexpr (std::is_same_v<T, calc::FigLine>) {
            CadLine(p, x.x1, x.y1, x.x2, x.y2);
          } else if constexpr (std::is_same_v<T, calc::FigArc>) {
            CadArc(p, x.xc, x.yc, x.a1, x.a2, x.r);
          } else {
            CadCircle(p, x.xc, x.yc, x.r);
          }
        },
        e);
  }
}

void DefineBlock(GraphicSession& p, const std::string& name, const calc::Figure& figure) {
  if (!figure.ok()) {
    FailDrawing(p, figure.failure);
    return;
  }
  CadBlock(p, name);
  EmitFigure(p, figure);
  CadEndBlock(p);
}

void InsertEach(GraphicSession& p, const std::string& name,
                const std::vector<calc::Placement>& places) {
  for (const calc::Placement& at : places) {
    if (p.cancel) return;
    CadInsert(p, name, at.x, at.y, at.angle, 1, 1);
  }
}

}  // namespace kv40::cad
