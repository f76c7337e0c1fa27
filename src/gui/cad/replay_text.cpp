// Text records of the replay.
#include "gui/cad/replay_text.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace kv40::cad {

namespace {

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

// A font whose character cell (ascent plus descent) is cellHeight pixels and whose average
// character is charWidth pixels wide (0: the typeface's own proportions).
QFont MakeFont(const GraphicState& g, int cellHeight, int charWidth) {
  QFont font(QString::fromStdString(g.GraphFontName));
  const int style = g.GraphFontStyle;
  if (style >= 1 && style <= 15) {
    font.setWeight((style & 1) != 0 ? QFont::Bold : QFont::Normal);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
  }
  if (cellHeight <= 0) return font;
  font.setPixelSize(cellHeight);
  const double cell = QFontMetricsF(font).height();
  if (cell > 0)
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(cellHeight * cellHeight / cell))));
  if (charWidth > 0) {
    const double average = QFontMetricsF(font).averageCharWidth();
    if (average > 0)
      font.setStretch(
          std::clamp(static_cast<int>(std::lround(100 * charWidth / average)), 1, 4000));
  }
  return font;
}

}  // namespace

void DrawRecordText(QPainter& painter, const GraphicState& g, const DeviceMapping& m,
                    const TextState& t, const PassColors& pass, double x, double y,
                    std::string_view text) {
  if (text.empty()) return;
  const QFont font = MakeFont(g, std::abs(m.LengthY(t.height)), std::abs(m.LengthX(t.width)));
  // the record's point is the lower left corner; the text is placed by its upper left one
  const double h = t.height;
  double px = x, py = y + 0.75 * h;
  if (t.angle != 0) {
    px = x - std::sin(t.angle * kDegToRad) * 0.7 * h;
    py = y + std::cos(t.angle * kDegToRad) * 0.75 * h;
  }
  const Rgb c = TextColor(pass, t.color);
  painter.save();
  painter.setFont(font);
  painter.setPen(QColor(c.r, c.g, c.b));
  painter.translate(m.X(px), m.Y(py));
  if (t.angle != 0) painter.rotate(-t.angle);
  painter.drawText(QPointF(0, QFontMetricsF(font).ascent()),
                   QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  painter.restore();
}

}  // namespace kv40::cad
