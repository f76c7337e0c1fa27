// The graphic window's state without a window: recording into the display list, the world
// window, the zoom rectangle and the mapping from world units to device pixels.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/part_pair.h"
#include "cad/display_list.h"
#include "cad/graphic_colors.h"

namespace kv40::model {
struct Config;
}

namespace kv40::cad {

// What the recording needs from the window on screen, when there is one.
class GraphicView {
 public:
  virtual ~GraphicView() = default;
  // Replays the display list with the current mapping (soon, from the event loop).
  virtual void Invalidate() = 0;
  virtual void SetWaitCursor(bool on) = 0;
  // Immediate drawing on the window, in world units, not recorded.
  virtual void MoveTo(Extended x, Extended y) = 0;
  virtual void LineTo(Extended x, Extended y) = 0;
};

// Keys that zoom and pan.
enum class GraphicKey {
  kEscape,
  kF5,
  kLeft,
  kRight,
  kUp,
  kDown,
  kPageUp,
  kPageDown,
  kPlus,
  kMinus
};

// Zoom rectangle in viewport pixels, y counted upwards (y0 is the lower edge).
struct ZoomRect {
  int x0 = 0;
  int y0 = 0;
  int x1 = 0;
  int y1 = 0;
  friend bool operator==(const ZoomRect&, const ZoomRect&) = default;
};

// World to device pixels for one replay pass, taken from the state when the pass starts
// and after every window record. Computed in double: the records hold 8 digits.
struct DeviceMapping {
  bool printer = false;
  double zoomX0 = 0, zoomY0 = 0, scaleX = 1, scaleY = 1;
  int viewX0 = 0, viewY1 = 0;
  // printer only: page size in pixels, print scales, resolution and the origin offset
  double pageW = 0, pageH = 0, printScaleX = 1, printScaleY = 1, resX = 1, resY = 1;
  int offsetX = 0, offsetY = 0;

  int X(double x) const {
    if (!printer) return RoundPixel((x - zoomX0) * scaleX) + viewX0;
    return offsetX + RoundPixel(pageW * (((x - zoomX0) * scaleX) + viewX0) * printScaleX / resX);
  }
  int Y(double y) const {
    if (!printer) return viewY1 - RoundPixel((y - zoomY0) * scaleY);
    return offsetY + RoundPixel(pageH * (viewY1 - (y - zoomY0) * scaleY) * printScaleY / resY);
  }
  int LengthX(double l) const {
    return RoundPixel(printer ? pageW * l * scaleX * printScaleX / resX : l * scaleX);
  }
  int LengthY(double l) const {
    return RoundPixel(printer ? pageH * l * scaleY * printScaleY / resY : l * scaleY);
  }

  // Nearest integer, ties to even (adding 1.5 * 2^52 leaves no fraction bits), kept well
  // inside what a painter can rasterise.
  static int RoundPixel(double v) {
    constexpr double kLimit = 16777216.0;
    constexpr double kMagic = 6755399441055744.0;
    v = v >= -kLimit ? (v <= kLimit ? v : kLimit) : -kLimit;  // NaN too
    return static_cast<int>((v + kMagic) - kMagic);
  }
};

// The screen mapping as one value: viewport, world window, zoomed world corner and scales.
struct WorldFrame {
  int viewX0 = 0, viewY0 = 0, viewX1 = 1, viewY1 = 1;
  Extended worldXMin = 0, worldYMin = 0, worldXMax = 1, worldYMax = 1;
  Extended zoomWorldX0 = 0, zoomWorldY0 = 0, scaleX = 1, scaleY = 1;
};

class GraphicState {
 public:
  // device and viewport, in device pixels, y down
  Word ResX = 640, ResY = 480;
  int ViewX0 = 0, ViewY0 = 0, ViewX1 = 1, ViewY1 = 1;
  int SavedViewX0 = 0, SavedViewY0 = 0, SavedViewX1 = 1, SavedViewY1 = 1;
  // world window, y up
  Extended WorldXMin = 0, WorldYMin = 0, WorldXMax = 1, WorldYMax = 1;
  Extended LimitXMin = 0, LimitYMin = 0, LimitXMax = 1, LimitYMax = 1;
  bool Isotropic = true;
  // ScaleX / ScaleY in isotropic mode: 1 for square pixels ("GrafikKorrekturFaktor")
  Extended IsoRatio = 1;
  // zoom rectangle and its world corners
  int ZoomX0 = 0, ZoomY0 = 0, ZoomX1 = 640, ZoomY1 = 480;
  Extended ZoomWorldX0 = 0, ZoomWorldY0 = 0, ZoomWorldX1 = 1, ZoomWorldY1 = 1;
  Extended ScaleX = 1, ScaleY = 1;
  Extended MouseAspect = 1;
  Extended ZoomFactor = 1.2L, PanFactor = 0.1L;
  // pen and text state of the recording
  int CurColor = -1, CurLineStyle = 99, CurLineWidth = 1;
  bool ColorDisplay = true;
  int BackgroundColor = 1;  // 0x00BBGGRR
  std::string GraphFontName = "Arial";
  Extended TextWidthFactor = 0.8L, TextHeightFactor = 1.0L;
  Word GraphFontStyle = 0;
  int TextSizeMode = 0;
  // printing
  bool Printing = false;
  Extended PrintScaleX = 1, PrintScaleY = 1;
  int PrintOriginX = 0, PrintOriginY = 0;  // millimetres from the page's left and top edge
  bool PrintBorder = false;
  int PrintColorMode = 1;

  DisplayList displayList;
  GraphicView* view = nullptr;  // the window on screen; none in batch runs and tests

  // Takes the display and print settings of the configuration.
  void ApplyConfig(const model::Config& c);
  // Print settings only, as the print dialog resets them.
  void ApplyPrintConfig(const model::Config& c);

  // Window and zoom. The functions that set a world window return false when it has no
  // width or height; the caller sets the cancel flag.
  bool SetWindow(bool iso, bool border, Extended vpLeft, Extended vpBottom, Extended vpRight,
                 Extended vpTop, Extended xmin, Extended ymin, Extended xmax, Extended ymax);
  bool Header(Extended xmin, Extended ymin, Extended xmax, Extended ymax);
  bool ReSetWindow();
  void SetScale(int x0, int y0, int x1, int y1);
  void ResetZoom();
  void SaveLimit();
  bool RestoreLimit();
  void SaveViewPort();
  void RetrieveViewPort();
  bool Regen();
  Extended EinX(Extended f) const { return f * (WorldXMax - WorldXMin); }
  Extended EinY(Extended f) const { return f * (WorldYMax - WorldYMin); }
  ZoomRect Zoom() const { return {ZoomX0, ZoomY0, ZoomX1, ZoomY1}; }

  // Recording.
  void circle(Extended xc, Extended yc, Extended r);
  void line(Extended x1, Extended y1, Extended x2, Extended y2);
  void Rectangle(Extended x1, Extended y1, Extended x2, Extended y2);
  void Arc(Extended xc, Extended yc, Extended startAngle, Extended endAngle, Extended r);
  void OutTextXY(Extended x, Extended y, std::string_view text);
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4);
  void SetColor(int n);
  int GetColor() const { return CurColor; }
  void SetColorAcad(int n) { SetColor(GetColorTurbo(n)); }
  void SetLineStyle(int n);
  void SetLineStyleName(std::string_view name) { SetLineStyle(LineStyleFromName(name)); }
  void SetLineWidth(int n);
  void SetTextStyle(int n, Extended angle, Extended height, Extended width);
  void SleepMs(int ms);
  void SetTextSizeMode(int n) { TextSizeMode = n; }
  // 1 when the text direction is steep (strictly inside 45..135, 225..315 or -135..-45).
  static int GetDirection(Extended angle);
  // Our logo: a spline hub over the letters "KV40", filled quadrilaterals in colours 9, 13.
  bool DrawLogo();

  // Through the window, when there is one.
  void Clear();
  void ClearViewPort();
  void SetWaitCursor();
  void SetOldCursor();
  void MoveTo(Extended x, Extended y);
  void LineTo(Extended x, Extended y);

  // Zoom and pan keys; true when the key is bound (the window then repaints).
  bool ProcessKey(GraphicKey key);
  // The zoom rectangle for a rubber band from (xs, ys) to (xe, ye) in client pixels, over a
  // picture painted with frame f; nullopt when the band has no width or height.
  static std::optional<ZoomRect> RubberZoom(const WorldFrame& f, int xs, int ys, int xe, int ye);
  WorldFrame Frame() const;

  // Replay support.
  void BeginReplay();
  // A window record: viewport and world window, then the zoom rectangle again; false when
  // the world window is degenerate.
  bool ApplyWindowRecord(const RecordView& r);
  DeviceMapping ScreenMapping() const;
  DeviceMapping PrinterMapping(int pageW, int pageH) const;

 private:
  void Record(RecordCode code, std::initializer_list<double> values) {
    displayList.Add(code, values);
  }
};

}  // namespace kv40::cad
