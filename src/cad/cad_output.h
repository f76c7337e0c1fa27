// One output device of the drawing kernel (DXF, IGES, screen, listing). The kernel has already
// added the origin, resolved the text justification, folded the layer into 0..31 and, unless
// the device takes polylines whole, turned polylines into lines and arcs; a device only
// writes. Each device is one implementation of this interface in a file of its own; it reports
// its findings into the drawing's own message log, handed to it when it is made.
#pragma once

#include <string>

#include "base/part_pair.h"

namespace kv40::cad {

// The text style in force for a text, as CadTextStyle set it.
struct CadTextFormat {
  int font = 0;
  Extended height = 2.5;  // mm
  Extended angle = 0;     // degrees
  Extended width = 1;     // width factor (configured CAD factor applied)
  Extended oblique = 0;   // obliquing angle, degrees ("Textwinkel")
  Extended rawWidth = 0;  // the width CadTextStyle was given (the screen uses 0.95 of it)
};

class CadOutput {
 public:
  virtual ~CadOutput() = default;

  // True when polylines go to the device whole (DXF and plot with the invPolyline option).
  virtual bool TakesPolylines() const { return false; }

  virtual void Limits(Extended xmin, Extended ymin, Extended xmax, Extended ymax) = 0;
  virtual void Tables(int variant) { (void)variant; }
  virtual void Layer(int layer) = 0;
  // Screen only: the window's line style (CadLineStyle) and the text style as CadTextStyle set
  // it (texts bring their style along as well).
  virtual void LineStyle(int n) { (void)n; }
  virtual void TextStyle(const CadTextFormat& f) { (void)f; }
  virtual void Line(Extended x1, Extended y1, Extended x2, Extended y2) = 0;
  virtual void Circle(Extended xc, Extended yc, Extended r) = 0;
  // Angles in degrees, counter-clockwise from a1 to a2.
  virtual void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r) = 0;
  // A left-aligned text at its base point.
  virtual void Text(const std::string& text, Extended x, Extended y, const CadTextFormat& f) = 0;
  // Corners in DXF order (the outline runs 1-2-4-3).
  virtual void Solid(Extended x1, Extended y1, Extended x2, Extended y2, Extended x3, Extended y3,
                     Extended x4, Extended y4) = 0;

  // Only called when TakesPolylines(); bulge = tan(included angle / 4).
  virtual void BeginPolyline() {}
  virtual void Vertex(Extended x, Extended y, Extended bulge) { (void)x, (void)y, (void)bulge; }
  virtual void EndPolyline() {}

  virtual void BeginBlocks() {}
  virtual void Block(const std::string& name) = 0;
  virtual void EndBlock() = 0;
  virtual void EndSection() {}
  virtual void Entities() {}
  virtual void Insert(const std::string& name, Extended x, Extended y, Extended angle, Extended sx,
                      Extended sy) = 0;

  // Completes the output (writes the file through a temporary file and a rename). False when
  // that failed; the device has then recorded its message.
  virtual bool Finish() = 0;
};

}  // namespace kv40::cad
