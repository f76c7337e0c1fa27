// Drawing a help image: the interpreter's output recorded in the graphic window.
#include "help/draw_hpgl.h"

#include "base/text.h"
#include "base/text_file.h"
#include "cad/quengraf.h"
#include "model/dialogs.h"

namespace kv40::help {

void GraphicCanvas::Line(Extended x1, Extended y1, Extended x2, Extended y2, int pen) {
  p_.graphic.SetColor(HpglPenColour(pen));
  p_.graphic.line(x1, y1, x2, y2);
}

void GraphicCanvas::Circle(Extended xc, Extended yc, Extended r, int pen) {
  p_.graphic.SetColor(HpglPenColour(pen));
  p_.graphic.circle(xc, yc, r);
}

void GraphicCanvas::Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int pen) {
  p_.graphic.SetColor(HpglPenColour(pen));
  p_.graphic.Arc(xc, yc, a1, a2, r);
}

void GraphicCanvas::Label(Extended x, Extended y, const std::string& text, Extended angle,
                          Extended height, Extended width, int pen) {
  p_.graphic.SetColor(HpglPenColour(pen));
  p_.graphic.SetTextStyle(2, angle, height, width);
  cad::OutTextXY(p_, x, y, text);
}

void DrawHpglFile(HelpSession& p, const std::filesystem::path& path) {
  const base::BytesResult read = base::ReadFileBytes(path, kMaxPlotFileBytes);
  if (!read.bytes) {
    model::ShowInfo(p, base::Trim(path.string()) + " nicht gefunden !");
    p.cancel = true;
    return;
  }
  p.graphic.SetWaitCursor();
  GraphicCanvas canvas(p);
  InterpretHpgl(*read.bytes, p.help.hpgl, canvas);
  p.graphic.SetOldCursor();
  p.cancel = false;
}

}  // namespace kv40::help
