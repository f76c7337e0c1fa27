// The program's logo: a spline connection (hub ring with teeth, shaft with teeth) over the
// letters "KV40", all filled quadrilaterals in blue (9) and magenta (13).
#include <array>
#include <cmath>

#include "cad/graphic_state.h"

namespace kv40::cad {

namespace {

constexpr Extended kPi = 3.141592653589793238462643383279502884L;
constexpr int kTeeth = 16;
constexpr Extended kCx = 18.5L, kCy = 21.5L;  // centre of the connection
constexpr int kBlue = 9, kMagenta = 13;

struct Pt {
  Extended x, y;
};

Pt Polar(Extended r, Extended degrees) {
  const Extended a = degrees * kPi / 180;
  return {kCx + r * std::cos(a), kCy + r * std::sin(a)};
}

void Quad(GraphicState& g, Pt a, Pt b, Pt c, Pt d) {
  g.Solid(a.x, a.y, b.x, b.y, c.x, c.y, d.x, d.y);
}

// A tooth as a trapezoid between two radii, symmetric about its centre angle.
void Tooth(GraphicState& g, Extended r1, Extended half1, Extended r2, Extended half2, Extended at) {
  Quad(g, Polar(r1, at - half1), Polar(r1, at + half1), Polar(r2, at + half2),
       Polar(r2, at - half2));
}

void Connection(GraphicState& g) {
  constexpr Extended kStep = 360.0L / kTeeth;
  g.SetColor(kBlue);  // hub: outer ring, teeth pointing inwards
  for (int i = 0; i < kTeeth; ++i) {
    const Extended a = i * kStep;
    Quad(g, Polar(8.0L, a), Polar(10.5L, a), Polar(10.5L, a + kStep), Polar(8.0L, a + kStep));
    Tooth(g, 8.2L, 4.2L, 6.6L, 3.6L, a);
  }
  g.SetColor(kMagenta);  // shaft: a core of kites, teeth outwards into the hub's spaces
  for (int i = 0; i < kTeeth; i += 2) {
    const Extended a = i * kStep;
    const Pt c{kCx, kCy};
    Quad(g, c, Polar(6.1L, a), Polar(6.1L, a + kStep), Polar(6.1L, a + 2 * kStep));
  }
  for (int i = 0; i < kTeeth; ++i) {
    Tooth(g, 5.9L, 4.2L, 7.6L, 3.2L, (i + 0.5L) * kStep);
  }
}

// Letters 6 wide and 8 high with strokes of 1.6, lower left corner at (x, 0).
void LetterK(GraphicState& g, Extended x) {
  Quad(g, {x, 0}, {x + 1.6L, 0}, {x + 1.6L, 8}, {x, 8});
  Quad(g, {x + 1.6L, 2.6L}, {x + 3.5L, 2.6L}, {x + 6.0L, 8}, {x + 4.1L, 8});  // arm
  Quad(g, {x + 2.4L, 4.6L}, {x + 4.1L, 0}, {x + 6.0L, 0}, {x + 4.3L, 4.6L});  // leg
}

void LetterV(GraphicState& g, Extended x) {
  Quad(g, {x, 8}, {x + 2.2L, 0}, {x + 3.8L, 0}, {x + 1.8L, 8});
  Quad(g, {x + 4.2L, 8}, {x + 2.2L, 0}, {x + 3.8L, 0}, {x + 6.0L, 8});
}

void Letter4(GraphicState& g, Extended x) {
  Quad(g, {x + 3.6L, 0}, {x + 5.2L, 0}, {x + 5.2L, 8}, {x + 3.6L, 8});
  Quad(g, {x, 2.0L}, {x + 6.0L, 2.0L}, {x + 6.0L, 3.6L}, {x, 3.6L});
  Quad(g, {x, 3.6L}, {x + 1.9L, 3.6L}, {x + 5.2L, 8}, {x + 3.6L, 8});
}

void Letter0(GraphicState& g, Extended x) {
  constexpr int kSegments = 12;
  const Extended cx = x + 3.0L, cy = 4.0L;
  const auto at = [cx, cy](Extended rx, Extended ry, int i) {
    const Extended a = i * 2 * kPi / kSegments;
    return Pt{cx + rx * std::cos(a), cy + ry * std::sin(a)};
  };
  for (int i = 0; i < kSegments; ++i) {
    Quad(g, at(3.0L, 4.0L, i), at(3.0L, 4.0L, i + 1), at(1.4L, 2.4L, i + 1), at(1.4L, 2.4L, i));
  }
}

}  // namespace

bool GraphicState::DrawLogo() {
  const bool ok = Header(-1, -1, 38, 33);
  SetLineStyle(kSolidLine);
  Connection(*this);
  constexpr Extended kLeft = 2.75L, kPitch = 8.5L;
  SetColor(kBlue);
  LetterK(*this, kLeft);
  LetterV(*this, kLeft + kPitch);
  SetColor(kMagenta);
  Letter4(*this, kLeft + 2 * kPitch);
  Letter0(*this, kLeft + 3 * kPitch);
  MoveTo(0, 0);
  return ok;
}

}  // namespace kv40::cad
