// The kernel's entity calls: origin, checks, text justification, polylines with bulges.
#include <cmath>

#include "base/utf8.h"
#include "cad/cad_text.h"
#include "cad/dxf_writer.h"
#include "cad/kernel_internal.h"

namespace kv40::cad {
namespace detail {

bool Drawing(const GraphicSession& p) {
  return !p.cancel && p.drawing.output != nullptr;
}

CadOutput& Target(GraphicSession& p) {
  DrawingState& d = D(p);
  if (d.recorder) return *d.recorder;
  return *d.output;
}

void Fail(GraphicSession& p, const std::string& text) {
  D(p).messages.Add(text);
  p.cancel = true;
}

bool Finite(GraphicSession& p, const char* call, std::initializer_list<Extended> values) {
  for (const Extended v : values) {
    if (!std::isfinite(v)) {
      Fail(p, std::string("Ungültige Zahl in ") + call + ": Zeichnung abgebrochen");
      return false;
    }
  }
  return true;
}

void EmitLine(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2) {
  Target(p).Line(x1, y1, x2, y2);
}

void EmitArc(GraphicSession& p, Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  if (r == 0) return;
  // A full turn is a circle on every device (the window would draw a zero-length chord).
  if (IsFullCircle(a1, a2)) {
    Target(p).Circle(xc, yc, r);
  } else {
    Target(p).Arc(xc, yc, a1, a2, r);
  }
}

void EmitText(GraphicSession& p, const std::string& text, Extended x, Extended y,
              const CadTextFormat& f) {
  Target(p).Text(text, x, y, f);
}

void ArcThrough(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2,
                Extended phi) {
  const Extended dx = x2 - x1;
  const Extended dy = y2 - y1;
  const Extended c = std::hypot(dx, dy);
  if (c == 0) {
    D(p).messages.Add("GetArcCenter l12=0");
    return;
  }
  const Extended s = std::sin(phi / 2);
  if (std::fabs(s) < 1e-12L) {
    D(p).messages.Add("Fehler in GetArcCenter (dphi = " + SigText(p.fmt(), phi) + " ! ");
    EmitLine(p, x1, y1, x2, y2);
    return;
  }
  const Extended dist = (c / 2) / std::tan(phi / 2);
  const Extended xc = (x1 + x2) / 2 - dy / c * dist;
  const Extended yc = (y1 + y2) / 2 + dx / c * dist;
  const Extended r = std::fabs((c / 2) / s);
  const auto angle = [&](Extended x, Extended y) {
    Extended a = std::atan2(y - yc, x - xc) / model::kDegToRad;
    return a < 0 ? a + 360 : a;
  };
  const Extended a1 = angle(x1, y1);
  const Extended a2 = angle(x2, y2);
  if (phi > 0) {
    EmitArc(p, xc, yc, a1, a2, r);
  } else {
    EmitArc(p, xc, yc, a2, a1, r);
  }
}

void BeginPolylineAt(GraphicSession& p) {
  DrawingState& d = D(p);
  d.polylineWhole = !d.recorder && d.output->TakesPolylines();
  if (d.polylineWhole) d.output->BeginPolyline();
  d.VertexCount = 1;
  d.PrevBulge = 0;
}

void VertexAt(GraphicSession& p, Extended x, Extended y, Extended bulgeAngle) {
  DrawingState& d = D(p);
  const bool fullTurn = bulgeAngle != 0 && std::fabs(std::sin(bulgeAngle / 2)) < 1e-12L;
  if (d.polylineWhole) {
    if (fullTurn) {
      d.messages.Add("Fehler in GetArcCenter (dphi = " + SigText(p.fmt(), bulgeAngle) + " ! ");
    }
    d.output->Vertex(x, y, fullTurn ? 0 : std::tan(bulgeAngle / 4));
  } else if (d.VertexCount > 1) {
    if (d.PrevBulge == 0) {
      EmitLine(p, d.PrevX, d.PrevY, x, y);
    } else {
      ArcThrough(p, d.PrevX, d.PrevY, x, y, d.PrevBulge);
    }
  }
  d.PrevX = x;
  d.PrevY = y;
  d.PrevBulge = bulgeAngle;
  ++d.VertexCount;
}

void EndPolylineAt(GraphicSession& p) {
  DrawingState& d = D(p);
  if (d.polylineWhole) d.output->EndPolyline();
  d.polylineWhole = false;
}

}  // namespace detail

using namespace detail;

void CadLine(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2) {
  if (!Drawing(p) || !Finite(p, "CadLine", {x1, y1, x2, y2})) return;
  const DrawingState& d = D(p);
  EmitLine(p, x1 + d.OriginX, y1 + d.OriginY, x2 + d.OriginX, y2 + d.OriginY);
}

void CadCircle(GraphicSession& p, Extended xc, Extended yc, Extended r) {
  if (!Drawing(p) || !Finite(p, "CadCircle", {xc, yc, r})) return;
  const DrawingState& d = D(p);
  Target(p).Circle(xc + d.OriginX, yc + d.OriginY, r);
}

void CadArc(GraphicSession& p, Extended xc, Extended yc, Extended a1, Extended a2, Extended r) {
  if (!Drawing(p) || !Finite(p, "CadArc", {xc, yc, a1, a2, r})) return;
  const DrawingState& d = D(p);
  EmitArc(p, xc + d.OriginX, yc + d.OriginY, a1, a2, r);
}

void CadText(GraphicSession& p, const std::string& text, Extended x, Extended y) {
  if (text.empty() || !Drawing(p) || !Finite(p, "CadText", {x, y})) return;
  const DrawingState& d = D(p);
  const auto n = static_cast<Extended>(base::CharCount(text));
  const Extended h = d.text.height;
  x += d.OriginX;
  y += d.OriginY;
  if (d.JustifyH == 1) x -= n * h * d.text.width * 0.5L;
  if (d.JustifyH == 2) x -= n * h * d.text.width;
  if (d.JustifyV == 1) y -= h * 0.5L;
  if (d.JustifyV == 2) y -= h;
  EmitText(p, text, x, y, d.text);
}

void CadTextLine(GraphicSession& p, const std::string& text) {
  if (!Drawing(p)) return;
  DrawingState& d = D(p);
  CadText(p, text, d.CursorX, d.CursorY);
  d.CursorY -= d.text.height * 1.6L * d.LineSpacing;
}

void CadSolid(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2, Extended x3,
              Extended y3, Extended x4, Extended y4) {
  if (!Drawing(p) || !Finite(p, "CadSolid", {x1, y1, x2, y2, x3, y3, x4, y4})) return;
  const Extended ox = D(p).OriginX;
  const Extended oy = D(p).OriginY;
  Target(p).Solid(x1 + ox, y1 + oy, x2 + ox, y2 + oy, x3 + ox, y3 + oy, x4 + ox, y4 + oy);
}

void CadMoveTo(GraphicSession& p, Extended x, Extended y) {
  if (!Drawing(p) || !Finite(p, "CadMoveTo", {x, y})) return;
  D(p).CursorX = x;
  D(p).CursorY = y;
}

void CadLineTo(GraphicSession& p, Extended x, Extended y) {
  if (!Drawing(p)) return;
  CadLine(p, D(p).CursorX, D(p).CursorY, x, y);
  D(p).CursorX = x;
  D(p).CursorY = y;
}

void CadRectangle(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2) {
  CadMoveTo(p, x1, y1);
  CadLineTo(p, x1, y2);
  CadLineTo(p, x2, y2);
  CadLineTo(p, x2, y1);
  CadLineTo(p, x1, y1);
}

void CadBeginPolyline(GraphicSession& p) {
  if (!Drawing(p)) return;
  BeginPolylineAt(p);
}

void CadVertex(GraphicSession& p, Extended x, Extended y, Extended bulgeAngle) {
  if (!Drawing(p) || !Finite(p, "CadVertex", {x, y, bulgeAngle})) return;
  DrawingState& d = D(p);
  if (d.VertexCount == 1) {
    d.CursorX = x;
    d.CursorY = y;
  }
  VertexAt(p, x + d.OriginX, y + d.OriginY, bulgeAngle);
}

void CadEndPolyline(GraphicSession& p) {
  if (!Drawing(p)) return;
  EndPolylineAt(p);
}

}  // namespace kv40::cad
