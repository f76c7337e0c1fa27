// The screen device: the kernel's calls recorded into the graphic window's display list
// through the window's facade, with the layers' line styles, colours and widths.
#pragma once

#include <string>

#include "cad/cad_output.h"
#include "cad/graphic_session.h"

namespace kv40::cad {

// The window's line style, CAD colour (-1: keep the colour in force) and pen width of a layer.
struct ScreenLayerStyle {
  int lineStyle = 0;
  int cadColor = -1;
  int width = 1;
};
ScreenLayerStyle LayerStyle(const model::Config& c, int layer);

class ScreenOutput final : public CadOutput {
 public:
  // Clears the window and shows the busy cursor.
  explicit ScreenOutput(GraphicSession& p);

  void Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) override;
  void Layer(int layer) override;
  void LineStyle(int n) override { g().SetLineStyle(n); }
  void TextStyle(const CadTextFormat& f) override;
  void Line(Extended x1, Extended y1, Extended x2, Extended y2) override {
    g().line(x1, y1, x2, y2);
  }
  void Circle(Extended xc, Extended yc, Extended r) override { g().circle(xc, yc, r); }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) override {
    g().Arc(xc, yc, a1, a2, r);
  }
  void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) override;
  // The window fills the outline 1-2-4-3.
  void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
             Extended x4, Extended y4) override {
    g().Solid(x1, y1, x2, y2, x4, y4, x3, y3);
  }
  // The kernel keeps the screen's blocks itself and draws their entities at each insertion.
  void Block(const std::string&) override {}
  void EndBlock() override {}
  void Entities() override;
  void Insert(const std::string&, Extended, Extended, Extended, Extended, Extended) override {}
  // Repaints and restores the cursor.
  bool Finish() override;

 private:
  GraphicState& g() { return p_.graphic; }
  GraphicSession& p_;
};

}  // namespace kv40::cad
