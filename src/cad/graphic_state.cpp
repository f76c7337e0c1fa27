// The graphic window's state: world window, zoom, mapping and the recording calls.
#include "cad/graphic_state.h"

#include <algorithm>
#include <cmath>

#include "model/config.h"

namespace kv40::cad {

namespace {

constexpr Extended kDegToRad = 3.141592653589793238462643383279502884L / 180.0L;
// Device coordinates stay well inside what the painter can rasterise.
constexpr Extended kMaxPixel = 16777216.0L;

int Round(Extended v) {
  return static_cast<int>(std::nearbyint(std::clamp(v, -kMaxPixel, kMaxPixel)));
}

}  // namespace

void GraphicState::ApplyConfig(const model::Config& c) {
  if (c.resX != 0 && c.resX != 0xFFFF) ResX = c.resX;
  if (c.resY != 0 && c.resY != 0xFFFF) ResY = c.resY;
  if (c.zoomFactor > 0) ZoomFactor = c.zoomFactor;
  PanFactor = c.panFactor;
  ColorDisplay = c.colorGraphics;
  BackgroundColor = c.backgroundColor;
  GraphFontName = c.graphFontName;
  TextWidthFactor = c.graphTextWidthFactor;
  TextHeightFactor = c.textHeightFactor;
  GraphFontStyle = c.graphFontStyle;
  IsoRatio = c.aspectCorrection > 0 ? c.aspectCorrection : 1.0L;
  ApplyPrintConfig(c);
}

void GraphicState::ApplyPrintConfig(const model::Config& c) {
  PrintScaleX = c.printScaleX;
  PrintScaleY = c.printScaleY;
  PrintOriginX = c.printOriginX;
  PrintOriginY = c.printOriginY;
  PrintBorder = c.printBorder;
  PrintColorMode = c.printColorMode;
}

bool GraphicState::SetWindow(bool iso, bool border, Extended vpLeft, Extended vpBottom,
                             Extended vpRight, Extended vpTop, Extended xmin, Extended ymin,
                             Extended xmax, Extended ymax) {
  ViewX0 = Round(vpLeft * ResX);
  ViewX1 = Round(vpRight * ResX);
  ViewY0 = Round((1 - vpTop) * ResY);
  ViewY1 = Round((1 - vpBottom) * ResY);
  if (border) {
    ++ViewX0;
    ++ViewY0;
    --ViewX1;
    --ViewY1;
  }
  Record(RecordCode::kWindow,
         {static_cast<double>(ViewX0), static_cast<double>(ViewY0), static_cast<double>(ViewX1),
          static_cast<double>(ViewY1), static_cast<double>(xmin), static_cast<double>(ymin),
          static_cast<double>(xmax), static_cast<double>(ymax)});
  WorldXMin = xmin;
  WorldYMin = ymin;
  WorldXMax = xmax;
  WorldYMax = ymax;
  Isotropic = iso;
  if (xmax == xmin || ymax == ymin) return false;
  SetScale(ViewX0, ViewY0, ViewX1, ViewY1);
  return true;
}

bool GraphicState::Header(Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
  const Extended w = WorldXMax - WorldXMin;
  const Extended h = WorldYMax - WorldYMin;
  if (w != 0 && h != 0) MouseAspect = (ResX * 0.75L / ResY * 640) / w / (480 / h);
  const bool ok = SetWindow(true, true, 0, 0, 1, 1, xmin, ymin, xmax, ymax);
  SetLineStyle(kSolidLine);
  SaveLimit();
  return ok;
}

bool GraphicState::ReSetWindow() {
  const bool ok = SetWindow(false, false, 0, 0, 1, 1, 0, 0, 1, 1);
  ResetZoom();
  return ok;
}

void GraphicState::SetScale(int x0, int y0, int x1, int y1) {
  const Extended wx = ViewX1 - ViewX0;
  const Extended wy = ViewY1 - ViewY0;
  const Extended ww = WorldXMax - WorldXMin;
  const Extended wh = WorldYMax - WorldYMin;
  // a rectangle, viewport or world window without area leaves the mapping as it is
  if (x0 == x1 || y0 == y1 || wx == 0 || wy == 0 || ww == 0 || wh == 0) return;
  ZoomX0 = x0;
  ZoomY0 = y0;
  ZoomX1 = x1;
  ZoomY1 = y1;
  ZoomWorldX0 = (x0 - ViewX0) / wx * ww + WorldXMin;
  ZoomWorldX1 = (x1 - ViewX0) / wx * ww + WorldXMin;
  ZoomWorldY0 = (y0 - ViewY0) / wy * wh + WorldYMin;
  ZoomWorldY1 = (y1 - ViewY0) / wy * wh + WorldYMin;
  ScaleX = wx / (ZoomWorldX1 - ZoomWorldX0);
  ScaleY = wy / (ZoomWorldY1 - ZoomWorldY0);
  if (Isotropic) {
    // the smaller scale wins, so the whole rectangle stays visible
    const Extended v = ScaleY * IsoRatio;
    if (ScaleX >= v) {
      ScaleX = v;
    } else {
      ScaleY = ScaleX / IsoRatio;
    }
  }
}

void GraphicState::ResetZoom() {
  SetScale(ViewX0, ViewY0, ViewX1, ViewY1);
}

void GraphicState::SaveLimit() {
  LimitXMin = WorldXMin;
  LimitYMin = WorldYMin;
  LimitXMax = WorldXMax;
  LimitYMax = WorldYMax;
}

bool GraphicState::RestoreLimit() {
  return SetWindow(true, true, 0, 0, 1, 1, LimitXMin, LimitYMin, LimitXMax, LimitYMax);
}

void GraphicState::SaveViewPort() {
  SavedViewX0 = ViewX0;
  SavedViewY0 = ViewY0;
  SavedViewX1 = ViewX1;
  SavedViewY1 = ViewY1;
}

void GraphicState::RetrieveViewPort() {
  ViewX0 = SavedViewX0;
  ViewY0 = SavedViewY0;
  ViewX1 = SavedViewX1;
  ViewY1 = SavedViewY1;
}

bool GraphicState::Regen() {
  bool ok = RestoreLimit();
  ok = SetWindow(true, true, 0, 0, 1, 1, 0, 0, 1, 1) && ok;
  ResetZoom();
  SetScale(ZoomX0, ZoomY0, ZoomX1, ZoomY1);
  ClearViewPort();
  return ok;
}

void GraphicState::circle(Extended xc, Extended yc, Extended r) {
  Record(RecordCode::kCircle,
         {static_cast<double>(xc), static_cast<double>(yc), static_cast<double>(r)});
}

void GraphicState::line(Extended x1, Extended y1, Extended x2, Extended y2) {
  Record(RecordCode::kLine, {static_cast<double>(x1), static_cast<double>(y1),
                             static_cast<double>(x2), static_cast<double>(y2)});
}

void GraphicState::Rectangle(Extended x1, Extended y1, Extended x2, Extended y2) {
  line(x1, y1, x2, y1);
  line(x2, y1, x2, y2);
  line(x2, y2, x1, y2);
  line(x1, y2, x1, y1);
}

void GraphicState::Arc(Extended xc, Extended yc, Extended startAngle, Extended endAngle,
                       Extended r) {
  // (frac(a2 / 360) - frac(a1 / 360)) * 360, computed exactly: 4 degrees stay 4
  Extended sweep = std::fmod(endAngle, 360.0L) - std::fmod(startAngle, 360.0L);
  if (sweep < 0) sweep += 360;
  const Extended xs = xc + r * std::cos(startAngle * kDegToRad);
  const Extended ys = yc + r * std::sin(startAngle * kDegToRad);
  const Extended xe = xc + r * std::cos(endAngle * kDegToRad);
  const Extended ye = yc + r * std::sin(endAngle * kDegToRad);
  if (std::fabs(sweep) >= 4) {
    Record(RecordCode::kArc,
           {static_cast<double>(xc - r), static_cast<double>(yc - r), static_cast<double>(xc + r),
            static_cast<double>(yc + r), static_cast<double>(xs), static_cast<double>(ys),
            static_cast<double>(xe), static_cast<double>(ye)});
  } else {
    line(xs, ys, xe, ye);  // too short for an arc: its chord
  }
}

void GraphicState::OutTextXY(Extended x, Extended y, std::string_view text) {
  displayList.AddText(static_cast<double>(x), static_cast<double>(y), text);
}

void GraphicState::Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3,
                         Extended y3, Extended x4, Extended y4) {
  Record(RecordCode::kSolid,
         {static_cast<double>(x1), static_cast<double>(y1), static_cast<double>(x2),
          static_cast<double>(y2), static_cast<double>(x3), static_cast<double>(y3),
          static_cast<double>(x4), static_cast<double>(y4)});
}

void GraphicState::SetColor(int n) {
  if (n > kMaxColor) return;
  if (n != CurColor) Record(RecordCode::kColor, {static_cast<double>(n)});
  CurColor = n;
}

void GraphicState::SetLineStyle(int n) {
  if (n != CurLineStyle) Record(RecordCode::kLineStyle, {static_cast<double>(n)});
  CurLineStyle = n;
}

void GraphicState::SetLineWidth(int n) {
  if (n != CurLineWidth) Record(RecordCode::kLineWidth, {static_cast<double>(n)});
  CurLineWidth = n;
}

void GraphicState::SetTextStyle(int n, Extended angle, Extended height, Extended width) {
  Record(RecordCode::kTextStyle, {static_cast<double>(height), static_cast<double>(width),
                                  static_cast<double>(n), static_cast<double>(angle)});
}

void GraphicState::SleepMs(int ms) {
  Record(RecordCode::kSleep, {static_cast<double>(ms)});
}

int GraphicState::GetDirection(Extended angle) {
  const auto inside = [angle](Extended lo, Extended hi) { return angle > lo && angle < hi; };
  return inside(45, 135) || inside(225, 315) || inside(-135, -45) ? 1 : 0;
}

void GraphicState::Clear() {
  displayList.Clear();
  // an empty list has no pen yet: the next colour, line style and width are recorded again
  CurColor = -1;
  CurLineStyle = 99;
  CurLineWidth = 1;
  if (view != nullptr) view->Invalidate();
}

void GraphicState::ClearViewPort() {
  if (view == nullptr) return;
  view->SetWaitCursor(true);
  view->Invalidate();
}

void GraphicState::SetWaitCursor() {
  if (view != nullptr) view->SetWaitCursor(true);
}

void GraphicState::SetOldCursor() {
  if (view != nullptr) view->SetWaitCursor(false);
}

void GraphicState::MoveTo(Extended x, Extended y) {
  if (view != nullptr) view->MoveTo(x, y);
}

void GraphicState::LineTo(Extended x, Extended y) {
  if (view != nullptr) view->LineTo(x, y);
}

}  // namespace kv40::cad
