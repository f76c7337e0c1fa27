// What the kernel's files share: the device that receives entities now, the checks, and the
// entity calls after the origin (used by the public calls and by the block replay).
#pragma once

#include <initializer_list>
#include <string>

#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad::detail {

inline DrawingState& D(GraphicSession& p) {
  return p.drawing;
}
inline bool OnScreen(const GraphicSession& p) {
  return p.drawing.Device == static_cast<std::uint16_t>(CadDevice::Screen);
}
inline bool OnPlot(const GraphicSession& p) {
  return p.drawing.Device == static_cast<std::uint16_t>(CadDevice::Plot);
}

// True while a drawing is open and not cancelled.
bool Drawing(const GraphicSession& p);
// The screen block being defined, else the open device.
CadOutput& Target(GraphicSession& p);
// Records the drawing's message and cancels the drawing.
void Fail(GraphicSession& p, const std::string& text);
// False (and the drawing cancelled) when a value is not a finite number.
bool Finite(GraphicSession& p, const char* call, std::initializer_list<Extended> values);

// Layer number as the devices know it: above 31 folds to (n mod 16) + 16; below 0 is 0.
int FoldLayer(int n);
void SetLayer(GraphicSession& p, int n);
void SendTextStyle(GraphicSession& p);

// Entities in device coordinates (origin already added).
void EmitLine(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2);
void EmitArc(GraphicSession& p, Extended xc, Extended yc, Extended a1, Extended a2, Extended r);
void EmitText(GraphicSession& p, const std::string& text, Extended x, Extended y,
              const CadTextFormat& f);
void BeginPolylineAt(GraphicSession& p);
void VertexAt(GraphicSession& p, Extended x, Extended y, Extended bulgeAngle);
void EndPolylineAt(GraphicSession& p);
// The arc from (x1, y1) to (x2, y2) with the included angle phi (radians, counter-clockwise
// when positive); a straight segment for a full turn, nothing for coincident points, each
// with its message.
void ArcThrough(GraphicSession& p, Extended x1, Extended y1, Extended x2, Extended y2,
                Extended phi);

// An insertion in device coordinates: on screen the block's entities are drawn again.
void InsertAt(GraphicSession& p, const std::string& name, Extended x, Extended y, Extended angle,
              Extended sx, Extended sy);
// The user's logo block file "$<name>.dx$" of the temporary folder, drawn at the point on the
// screen and plot devices; false when there is no such file.
bool InsertLogoAt(GraphicSession& p, const std::string& name, Extended x, Extended y,
                  Extended angle, Extended sx, Extended sy);

}  // namespace kv40::cad::detail
