// Help images on the graphic window: an HP-GL file drawn into the display list.
#pragma once

#include <filesystem>

#include "help/help_session.h"

namespace kv40::help {

// The world window of every help image, in millimetres.
inline constexpr Extended kHelpImageWidth = 160;
inline constexpr Extended kHelpImageHeight = 120;
// A plot file larger than this is not a help image.
inline constexpr std::uintmax_t kMaxPlotFileBytes = 8u << 20;

// The interpreter's canvas on the graphic window: pens become palette colours.
class GraphicCanvas final : public HpglCanvas {
 public:
  explicit GraphicCanvas(cad::GraphicSession& p) : p_(p) {}
  void Line(Extended x1, Extended y1, Extended x2, Extended y2, int pen) override;
  void Circle(Extended xc, Extended yc, Extended r, int pen) override;
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int pen) override;
  void Label(Extended x, Extended y, const std::string& text, Extended angle, Extended height,
             Extended width, int pen) override;

 private:
  cad::GraphicSession& p_;
};

// Interprets the plot file into the graphic window. A file that cannot be read: the message
// "<path> nicht gefunden !" and p.cancel; otherwise p.cancel is cleared at the end.
void DrawHpglFile(HelpSession& p, const std::filesystem::path& path);

}  // namespace kv40::help
