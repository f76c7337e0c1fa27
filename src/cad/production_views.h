// The side views of the production drawing: the shaft with its end symbol, the hub with its
// hatched wall, both with their diameters dimensioned; and the line routines they are made of.
#pragma once

#include "cad/graphic_session.h"

namespace kv40::cad {

// The two lines of a cylinder of diameter d about the axis y = yc, from x1 to x2.
void CylinderLines(GraphicSession& p, Extended x1, Extended yc, Extended x2, Extended d);
// The two lines of a cone from diameter d1 at x1 to d2 at x2.
void ConeLines(GraphicSession& p, Extended x1, Extended yc, Extended x2, Extended d1, Extended d2);
// A line across the axis at x over the diameter d.
void CrossLine(GraphicSession& p, Extended x, Extended yc, Extended d);
// A freehand break line from (x1, y1) to (x2, y2): five inner points displaced at right angles
// by up to 2a either way, drawn from the program's random source. With add, its seven points
// also go into the hatch polygon.
void BreakLine(GraphicSession& p, bool add, Extended x1, Extended y1, Extended x2, Extended y2,
               Extended a);

// "WLSTUMP": the hatched break symbol of the solid shaft end, for the shaft's tip diameter.
void ShaftEndSymbol(GraphicSession& p);
// "WELLE": the shaft along x with its end symbol, toothed length, chamfer and diameters.
void ShaftView(GraphicSession& p);
// "NABE": the hub along x with its hatched wall, bore and diameters.
void HubView(GraphicSession& p);

}  // namespace kv40::cad
