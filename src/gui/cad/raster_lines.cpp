// Solid one-pixel lines straight into a 32-bit picture (Bresenham, clipped first).
#include "gui/cad/raster_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace kv40::cad {

namespace {

struct Span {
  double t0 = 0, t1 = 1;
  // Liang-Barsky: keeps the part of the line where p * t <= q
  bool Clip(double p, double q) {
    if (p == 0) return q >= 0;
    const double t = q / p;
    if (p < 0) {
      if (t > t1) return false;
      if (t > t0) t0 = t;
    } else {
      if (t < t0) return false;
      if (t < t1) t1 = t;
    }
    return true;
  }
};

// Clips the line to 0..w-1 x 0..h-1; false when nothing of it is inside.
bool ClipLine(int w, int h, int& x1, int& y1, int& x2, int& y2) {
  const auto inside = [w, h](int x, int y) { return x >= 0 && y >= 0 && x < w && y < h; };
  if (inside(x1, y1) && inside(x2, y2)) return true;
  const double dx = x2 - x1, dy = y2 - y1;
  Span s;
  if (!s.Clip(-dx, x1) || !s.Clip(dx, w - 1 - x1) || !s.Clip(-dy, y1) || !s.Clip(dy, h - 1 - y1)) {
    return false;
  }
  const double ox = x1, oy = y1;
  x1 = static_cast<int>(std::lround(ox + s.t0 * dx));
  y1 = static_cast<int>(std::lround(oy + s.t0 * dy));
  x2 = static_cast<int>(std::lround(ox + s.t1 * dx));
  y2 = static_cast<int>(std::lround(oy + s.t1 * dy));
  return inside(x1, y1) && inside(x2, y2);
}

}  // namespace

bool CanRasterLines(const QImage& image) {
  const QImage::Format f = image.format();
  return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 ||
         f == QImage::Format_ARGB32_Premultiplied;
}

void RasterLines(QImage& image, const QLine* lines, int count, QRgb rgb) {
  const int w = image.width(), h = image.height();
  auto* bits = reinterpret_cast<std::uint32_t*>(image.bits());
  const auto stride = static_cast<std::ptrdiff_t>(image.bytesPerLine() / 4);
  for (int i = 0; i < count; ++i) {
    int x1 = lines[i].x1(), y1 = lines[i].y1(), x2 = lines[i].x2(), y2 = lines[i].y2();
    if (!ClipLine(w, h, x1, y1, x2, y2)) continue;
    const int dx = std::abs(x2 - x1), dy = -std::abs(y2 - y1);
    const int sx = x1 < x2 ? 1 : -1;
    const std::ptrdiff_t sy = y1 < y2 ? stride : -stride;
    std::uint32_t* p = bits + y1 * stride + x1;
    int err = dx + dy;
    for (int n = std::max(dx, -dy);; --n) {
      *p = rgb;
      if (n == 0) break;
      const int e2 = 2 * err;
      if (e2 >= dy) {
        err += dy;
        p += sx;
      }
      if (e2 <= dx) {
        err += dx;
        p += sy;
      }
    }
  }
}

}  // namespace kv40::cad
