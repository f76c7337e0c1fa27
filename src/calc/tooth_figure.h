// Plain drawing entities of the generated tooth forms: what the drawings send through the
// drawing kernel, in millimetres with the gear centre at the origin.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "base/part_pair.h"

namespace kv40::calc {

// A polyline vertex; bulge is the included angle (radians, counter-clockwise positive) of the
// arc from this vertex to the next, 0 for a straight segment.
struct Vertex {
  Extended x = 0;
  Extended y = 0;
  Extended bulge = 0;
};

struct FigPolyline {
  int layer = 0;
  std::vector<Vertex> vertices;
};
struct FigLine {
  int layer = 0;
  Extended x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
// Arc from a1 to a2, degrees counter-clockwise.
struct FigArc {
  int layer = 0;
  Extended xc = 0, yc = 0, a1 = 0, a2 = 0, r = 0;
};
struct FigCircle {
  int layer = 0;
  Extended xc = 0, yc = 0, r = 0;
};

using FigEntity = std::variant<FigPolyline, FigLine, FigArc, FigCircle>;

// Entities in drawing order. A figure that could not be built carries the message of its
// failure and nothing of it may be drawn.
struct Figure {
  std::vector<FigEntity> entities;
  std::string failure;

  bool ok() const { return failure.empty(); }
  // The first failure counts; later ones are consequences.
  void Fail(std::string text) {
    if (failure.empty()) failure = std::move(text);
  }
};

// Where a block goes: insertion point and rotation in degrees (scale 1).
struct Placement {
  Extended x = 0;
  Extended y = 0;
  Extended angle = 0;
};

}  // namespace kv40::calc
