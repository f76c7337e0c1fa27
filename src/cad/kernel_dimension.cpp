// Arrows and vertical dimension lines with their rotated texts and deviations.
#include <algorithm>
#include <cmath>
#include <utility>

#include "base/utf8.h"
#include "cad/kernel_internal.h"

namespace kv40::cad {

using namespace detail;

void CadArrow(GraphicSession& p, Extended x, Extended y, Extended angle) {
  if (!Drawing(p) || !Finite(p, "CadArrow", {x, y, angle})) return;
  const Extended l = 3.5L * D(p).SizeUnit;
  const auto px = [&](Extended a) { return x + l * std::cos(a * model::kDegToRad); };
  const auto py = [&](Extended a) { return y + l * std::sin(a * model::kDegToRad); };
  CadSolid(p, x, y, px(angle + 10), py(angle + 10), px(angle - 10), py(angle - 10), px(angle),
           py(angle));
  CadLine(p, x, y, px(angle), py(angle));
}

namespace {

Extended Length(const std::string& text) {
  return static_cast<Extended>(base::CharCount(text));
}

bool IsZero(const std::string& dev) {
  return dev.empty() || base::ParseNumber(dev) == 0;
}

// A deviation with "+" in front when it is positive.
std::string Signed(const std::string& dev) {
  return base::ParseNumber(dev) > 0 && dev.front() != '+' ? "+" + dev : dev;
}

}  // namespace

void CadDimension(GraphicSession& p, const std::string& text, const std::string& dev1,
                  const std::string& dev2, Extended ya, Extended yb, Extended x) {
  if (!Drawing(p) || !Finite(p, "CadDimension", {ya, yb, x})) return;
  const Extended u = D(p).SizeUnit;
  CadLayer(p, 3);
  if (ya > yb) std::swap(ya, yb);
  if (u != 0 && (yb - ya) / u <= 10) std::swap(ya, yb);  // short ones: arrows outside

  CadTextStyle(p, 2, 90, 3.5L * u, 2.5L * u);
  const Extended w = D(p).text.width;
  const Extended c = (std::max(Length(dev1), Length(dev2)) + 1) * 1.8L * w * u * 1.1L;
  const Extended t = Length(text) * 2.5L * w * u * 1.2L + c;
  const Extended s = (ya + yb) / 2 - t / 2;
  CadText(p, text, x - u, s);

  CadTextStyle(p, 2, 90, 2.5L * u, 1.8L * u);
  const Extended s2 = s + (Length(text) + 1) * 2.5L * w * u * 1.2L;
  const bool has1 = !dev1.empty();
  const bool has2 = !dev2.empty();
  if (has1 && !has2) {
    CadText(p, dev1, x - 2.5L * u, s2);
  } else if (has2 && !has1) {
    CadText(p, dev2, x - 0.5L * u, s2);
  } else if (has1 && has2 && !IsZero(dev1) && base::ParseNumber(dev1) == -base::ParseNumber(dev2)) {
    CadText(p, "±" + dev1, x + 1.25L * u, s2);
  } else if (has1 && has2) {
    if (!IsZero(dev2)) CadText(p, Signed(dev2), x + 0.5L * u, s2);
    if (!IsZero(dev1)) CadText(p, Signed(dev1), x - 2.5L * u, s2);
  }
  CadLine(p, x, yb, x, ya);
  CadArrow(p, x, ya, 90);
  CadArrow(p, x, yb, 270);
}

void CadDimensionExt(GraphicSession& p, const std::string& text, const std::string& dev1,
                     const std::string& dev2, Extended x1, Extended y1, Extended x2, Extended y2,
                     Extended xd) {
  if (!Drawing(p) || !Finite(p, "CadDimensionExt", {x1, y1, x2, y2, xd})) return;
  const Extended u = D(p).SizeUnit;
  CadLayer(p, 3);
  const Extended end = xd < x1 ? xd - u : xd + u;
  CadLine(p, x1, y1, end, y1);
  CadLine(p, x2, y2, end, y2);
  CadDimension(p, text, dev1, dev2, y1, y2, xd);
}

}  // namespace kv40::cad
