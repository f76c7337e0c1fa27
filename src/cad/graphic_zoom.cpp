// The graphic window's zoom and pan, the rubber band, and the mapping of a replay pass.
#include <algorithm>
#include <cmath>

#include "cad/graphic_state.h"

namespace kv40::cad {

namespace {

int Round(Extended v) {
  return static_cast<int>(std::nearbyint(v));
}

}  // namespace

bool GraphicState::ProcessKey(GraphicKey key) {
  const int w = ZoomX1 - ZoomX0;
  const int h = ZoomY1 - ZoomY0;
  const auto pan = [this](int dx, int dy) {
    SetScale(ZoomX0 + dx, ZoomY0 + dy, ZoomX1 + dx, ZoomY1 + dy);
  };
  const auto zoom = [this, w, h](Extended factor) {
    const int hx = Round(w * factor) / 2;
    const int hy = Round(h * factor) / 2;
    const int cx = (ZoomX0 + ZoomX1) / 2;
    const int cy = (ZoomY0 + ZoomY1) / 2;
    SetScale(cx - hx, cy - hy, cx + hx, cy + hy);
  };
  ClearViewPort();
  switch (key) {
    case GraphicKey::kEscape:
    case GraphicKey::kF5:
      ResetZoom();
      break;
    case GraphicKey::kLeft:  // the picture moves left
      pan(Round(PanFactor * w), 0);
      break;
    case GraphicKey::kRight:
      pan(-Round(PanFactor * w), 0);
      break;
    case GraphicKey::kUp:  // the picture moves up
      pan(0, -Round(PanFactor * h));
      break;
    case GraphicKey::kDown:
      pan(0, Round(PanFactor * h));
      break;
    case GraphicKey::kPageUp:
      pan(0, -Round(5 * PanFactor * h));
      break;
    case GraphicKey::kPageDown:
      pan(0, Round(5 * PanFactor * h));
      break;
    case GraphicKey::kPlus:
      zoom(1 / ZoomFactor);
      break;
    case GraphicKey::kMinus:
      zoom(ZoomFactor);
      break;
  }
  return true;
}

// The band's corners go back through the mapping on screen to world units and from there
// into the units of the zoom rectangle, so the zoom shows what the band enclosed (in both
// isotropic and free scaling, and whatever the size of the window).
std::optional<ZoomRect> GraphicState::RubberZoom(const WorldFrame& f, int xs, int ys, int xe,
                                                 int ye) {
  if (xs == xe || ys == ye) return std::nullopt;
  const Extended wx = f.viewX1 - f.viewX0;
  const Extended wy = f.viewY1 - f.viewY0;
  const Extended ww = f.worldXMax - f.worldXMin;
  const Extended wh = f.worldYMax - f.worldYMin;
  if (wx == 0 || wy == 0 || ww == 0 || wh == 0 || f.scaleX == 0 || f.scaleY == 0) {
    return std::nullopt;
  }
  const auto zoomX = [&](int px) {
    const Extended x = f.zoomWorldX0 + (px - f.viewX0) / f.scaleX;
    return Round(f.viewX0 + (x - f.worldXMin) / ww * wx);
  };
  const auto zoomY = [&](int py) {
    const Extended y = f.zoomWorldY0 + (f.viewY1 - py) / f.scaleY;
    return Round(f.viewY0 + (y - f.worldYMin) / wh * wy);
  };
  ZoomRect r{zoomX(std::min(xs, xe)), zoomY(std::max(ys, ye)), zoomX(std::max(xs, xe)),
             zoomY(std::min(ys, ye))};
  if (r.x0 == r.x1 || r.y0 == r.y1) return std::nullopt;
  return r;
}

WorldFrame GraphicState::Frame() const {
  return {ViewX0,    ViewY0,    ViewX1,      ViewY1,      WorldXMin, WorldYMin,
          WorldXMax, WorldYMax, ZoomWorldX0, ZoomWorldY0, ScaleX,    ScaleY};
}

void GraphicState::BeginReplay() {
  CurLineStyle = 99;
  CurLineWidth = 1;
}

bool GraphicState::ApplyWindowRecord(const RecordView& r) {
  ViewX0 = Round(r.v[0]);
  ViewY0 = Round(r.v[1]);
  ViewX1 = Round(r.v[2]);
  ViewY1 = Round(r.v[3]);
  WorldXMin = r.v[4];
  WorldYMin = r.v[5];
  WorldXMax = r.v[6];
  WorldYMax = r.v[7];
  if (WorldXMax == WorldXMin || WorldYMax == WorldYMin) return false;
  SetScale(ZoomX0, ZoomY0, ZoomX1, ZoomY1);
  return true;
}

DeviceMapping GraphicState::ScreenMapping() const {
  DeviceMapping m;
  m.zoomX0 = static_cast<double>(ZoomWorldX0);
  m.zoomY0 = static_cast<double>(ZoomWorldY0);
  m.scaleX = static_cast<double>(ScaleX);
  m.scaleY = static_cast<double>(ScaleY);
  m.viewX0 = ViewX0;
  m.viewY1 = ViewY1;
  return m;
}

DeviceMapping GraphicState::PrinterMapping(int pageW, int pageH) const {
  DeviceMapping m = ScreenMapping();
  m.printer = true;
  m.printScaleX = static_cast<double>(PrintScaleX);
  m.printScaleY = static_cast<double>(PrintScaleY);
  m.resX = ResX > 0 ? ResX : 1;
  m.resY = ResY > 0 ? ResY : 1;
  // One scale for both axes, the largest that fits the screen onto the page: a drawing keeps
  // its proportions on paper of any shape (the print scales stay the user's own).
  const double fit = std::min(pageW / m.resX, pageH / m.resY);
  m.pageW = fit * m.resX;
  m.pageH = fit * m.resY;
  // both offsets convert millimetres with the page width over 210 mm
  m.offsetX = Round(static_cast<Extended>(pageW) * PrintOriginX / 210);
  m.offsetY = Round(static_cast<Extended>(pageW) * PrintOriginY / 210);
  return m;
}

}  // namespace kv40::cad
