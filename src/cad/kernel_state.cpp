// The kernel's drawing-wide settings: origin, layer, styles, size unit, limits and tables.
#include "base/format.h"
#include "base/utf8.h"
#include "cad/kernel_internal.h"
#include "model/input_file.h"

namespace kv40::cad {
namespace detail {

int FoldLayer(int n) {
  if (n < 0) return 0;
  return n > 31 ? n % 16 + 16 : n;
}

void SetLayer(GraphicSession& p, int n) {
  D(p).CurLayer = FoldLayer(n);
  Target(p).Layer(D(p).CurLayer);
}

void SendTextStyle(GraphicSession& p) {
  Target(p).TextStyle(D(p).text);
}

}  // namespace detail

using namespace detail;

void CadOrigin(GraphicSession& p, Extended x, Extended y) {
  if (!Drawing(p) || !Finite(p, "CadOrigin", {x, y})) return;
  D(p).OriginX = x;
  D(p).OriginY = y;
}

void CadLayer(GraphicSession& p, int n) {
  if (!Drawing(p)) return;
  SetLayer(p, n);
}

void CadLineStyle(GraphicSession& p, int n) {
  if (!Drawing(p)) return;
  Target(p).LineStyle(n);
}

void CadTextStyle(GraphicSession& p, int n, Extended angle, Extended height, Extended width) {
  if (!Drawing(p) || !Finite(p, "CadTextStyle", {angle, height, width})) return;
  CadTextFormat& t = D(p).text;
  const Extended factor = p.config.cadTextWidthFactor;
  t.font = n;
  t.height = height;
  t.angle = angle;
  t.width = width == 0 || height == 0 ? factor * 0.7L : factor * width / height;
  t.oblique = p.config.cadTextAngle;
  t.rawWidth = width;
  SendTextStyle(p);
}

void CadTextJustify(GraphicSession& p, int h, int v) {
  if (!Drawing(p)) return;
  D(p).JustifyH = h;
  D(p).JustifyV = v;
}

void CadLineSpacing(GraphicSession& p, Extended f) {
  if (!Drawing(p) || !Finite(p, "CadLineSpacing", {f})) return;
  D(p).LineSpacing = f;
}

void CadSizeUnit(GraphicSession& p, Extended f) {
  if (!Drawing(p) || !Finite(p, "CadSizeUnit", {f})) return;
  D(p).SizeUnit = f * p.config.drawingFactor;
}

void CadLogoMode(GraphicSession& p, int n) {
  if (!Drawing(p)) return;
  D(p).LogoMode = n;
}

void CadLimits(GraphicSession& p, Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
  if (!Drawing(p) || !Finite(p, "CadLimits", {xmin, ymin, xmax, ymax})) return;
  DrawingState& d = D(p);
  d.DrawXMin = xmin;
  d.DrawYMin = ymin;
  d.DrawXMax = xmax;
  d.DrawYMax = ymax;
  d.DrawW = xmax - xmin;
  d.DrawH = ymax - ymin;
  d.output->Limits(xmin + d.OriginX, ymin + d.OriginY, xmax + d.OriginX, ymax + d.OriginY);
  if (p.cancel) {  // the window refused a limits rectangle without width or height
    d.messages.Add("Zeichnungsgrenzen ohne Breite oder Höhe");
    return;
  }
  if ((OnScreen(p) || OnPlot(p)) && p.graphic.PrintBorder) {
    CadLayer(p, 19);
    CadRectangle(p, xmin, ymin, xmax, ymax);
  }
  if (!OnScreen(p)) return;
  const Extended w = d.DrawW;
  const Extended h = d.DrawH;
  CadLayer(p, 30);
  CadTextStyle(p, 2, 0, 0.006L * h, 0.0045L * w);
  std::string file;
  // a name given with its extension (as on the command line) stands as it is
  if (!p.currentFile.empty()) file = model::InputFilePath(p, p.currentFile);
  const base::DateTime now = p.Now();
  const std::string status = base::DateText(p.fmt(), now) + " " + base::TimeText(now) + " - " +
                             "QUENTAR " + model::kProgramShortName + " V" + model::kProgramVersion +
                             " - " + base::CutChars(file, 120);
  CadText(p, status, xmin + 0.002L * w, ymin + 0.005L * h);
}

void CadTables(GraphicSession& p, int n) {
  if (!Drawing(p)) return;
  D(p).output->Tables(n);
}

}  // namespace kv40::cad
