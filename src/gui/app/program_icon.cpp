// Paints the icon at a few sizes: tile, twelve teeth, bore with keyway.
#include "gui/app/program_icon.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include <cmath>
#include <numbers>

namespace kv40::app {
namespace {

constexpr int kTeeth = 12;
constexpr double kTip = 24;  // radii in a 64 x 64 design
constexpr double kRoot = 18;
constexpr double kBore = 9;
const QColor kTile(0, 0, 128);
const QColor kShaft(255, 255, 0);
const QColor kEdge(192, 192, 192);

QPolygonF Teeth() {
  QPolygonF poly;
  const double half = std::numbers::pi / kTeeth;
  for (int i = 0; i < kTeeth; ++i) {
    const double a = 2 * std::numbers::pi * i / kTeeth;
    for (auto [angle, r] : {std::pair{a - half * 0.95, kRoot}, std::pair{a - half * 0.45, kTip},
                            std::pair{a + half * 0.45, kTip}, std::pair{a + half * 0.95, kRoot}}) {
      poly << QPointF(32 + r * std::cos(angle), 32 - r * std::sin(angle));
    }
  }
  return poly;
}

QPixmap Paint(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 64.0, size / 64.0);
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTile);
  painter.drawRoundedRect(QRectF(2, 2, 60, 60), 10, 10);
  painter.setPen(QPen(kEdge, 1));
  painter.setBrush(kShaft);
  painter.drawPolygon(Teeth());
  painter.setPen(Qt::NoPen);
  painter.setBrush(kTile);
  painter.drawEllipse(QPointF(32, 32), kBore, kBore);
  painter.drawRect(QRectF(29, 21, 6, 4));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 48, 64, 128})
    icon.addPixmap(Paint(size));
  return icon;
}

}  // namespace kv40::app
