// The HP-GL subset of the help images: a small interpreter that hands what it draws, in
// millimetres, to a canvas (the graphic window, an SVG file, a test recorder).
#pragma once

#include <string>
#include <string_view>

#include "base/part_pair.h"

namespace kv40::help {

inline constexpr Extended kHpglUnit = 0.025L;  // millimetres per plotter unit
inline constexpr std::size_t kMaxLabelChars = 255;

// What the interpreter keeps from one image to the next; only the pen position is reset for
// every file.
struct HpglState {
  Extended penX = -999;
  Extended penY = -999;
  bool penKnown = false;  // a position was set in this file
  bool penDown = false;
  int penNumber = 0;
  Extended labelWidth = 5;  // "SI", centimetres
  Extended labelHeight = 5;
  Extended labelRun = 1;  // "DI"
  Extended labelRise = 0;
  Extended charSet = 1;  // "CS"
};

// Where the drawing goes. Coordinates in millimetres, y up; pen is the HP-GL pen number.
class HpglCanvas {
 public:
  virtual ~HpglCanvas() = default;
  virtual void Line(Extended x1, Extended y1, Extended x2, Extended y2, int pen) = 0;
  virtual void Circle(Extended xc, Extended yc, Extended r, int pen) = 0;
  // Counter-clockwise from a1 to a2 (degrees, a2 > a1).
  virtual void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int pen) = 0;
  // text in UTF-8 with its lower left corner at (x, y); angle in degrees; sizes in mm.
  virtual void Label(Extended x, Extended y, const std::string& text, Extended angle,
                     Extended height, Extended width, int pen) = 0;
};

// The palette colour of the graphic window for a pen.
int HpglPenColour(int pen);

// Interprets one plot file's bytes (labels in the DOS code page). The pen position starts
// unknown; a pen-down move from an unknown position draws nothing.
void InterpretHpgl(std::string_view bytes, HpglState& state, HpglCanvas& canvas);

}  // namespace kv40::help
