// The screen device: recording into the display list.
#include "cad/screen_output.h"

#include "cad/quengraf.h"

namespace kv40::cad {

ScreenLayerStyle LayerStyle(const model::Config& c, int layer) {
  ScreenLayerStyle s;
  if (layer >= 0 && layer < model::kLayerCount) {
    s.lineStyle = layer == 1 ? kDashDotLine : layer == 2 ? kDashedLine : kSolidLine;
    s.cadColor = c.layerColors[static_cast<std::size_t>(layer)];
    if (layer >= 1) s.width = c.layerWidths[static_cast<std::size_t>(layer)];
  } else if (layer >= 16 && layer < 32) {
    const auto i = static_cast<std::size_t>(layer - 16);
    s.cadColor = c.upperLayerColors[i];
    const int w = c.upperLayerWidths[i];
    s.width = w >= 2 && w <= 50 ? w : 1;
  }
  return s;
}

ScreenOutput::ScreenOutput(GraphicSession& p) : p_(p) {
  g().Clear();
  g().SetWaitCursor();
}

void ScreenOutput::Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) {
  Header(p_, xmin, ymin, xmax, ymax);
}

void ScreenOutput::Layer(int layer) {
  const ScreenLayerStyle s = LayerStyle(p_.config, layer);
  g().SetLineStyle(s.lineStyle);
  if (s.cadColor >= 0) g().SetColorAcad(s.cadColor);
  g().SetLineWidth(s.width);
}

void ScreenOutput::TextStyle(const CadTextFormat& f) {
  g().SetTextStyle(f.font, f.angle, f.height, 0.95L * f.rawWidth);
}

void ScreenOutput::Text(const std::string& text, Extended x, Extended y, const CadTextFormat&) {
  std::string clean = text;
  for (char& ch : clean) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 0x20 || b == 0x7F) ch = ' ';
  }
  OutTextXY(p_, x, y, clean);
}

void ScreenOutput::Entities() {
  g().ClearViewPort();
  g().SetLineStyle(kSolidLine);
}

bool ScreenOutput::Finish() {
  g().ClearViewPort();
  g().SetOldCursor();
  return true;
}

}  // namespace kv40::cad
