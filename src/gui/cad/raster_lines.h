// Solid one-pixel lines written straight into a 32-bit picture: the replay's fast path for
// the window, where a display list may hold millions of lines.
#pragma once

#include <QImage>
#include <QLine>

namespace kv40::cad {

// True when lines can go straight into the image (32-bit pixels).
bool CanRasterLines(const QImage& image);

// Draws the lines with both end points, clipped to the image, in colour rgb (0xAARRGGBB).
void RasterLines(QImage& image, const QLine* lines, int count, QRgb rgb);

}  // namespace kv40::cad
