// Tooth-form figures and block placements sent through the drawing kernel.
#pragma once

#include <string>
#include <vector>

#include "cad/graphic_session.h"
#include "calc/tooth_figure.h"

namespace kv40::cad {

// Draws the figure's entities on their layers; a figure that could not be built records its
// failure for the drawing and cancels it instead.
void EmitFigure(GraphicSession& p, const calc::Figure& figure);
// The figure as block `name`.
void DefineBlock(GraphicSession& p, const std::string& name, const calc::Figure& figure);
// Block `name` at each placement, scale 1, on the layer in force.
void InsertEach(GraphicSession& p, const std::string& name,
                const std::vector<calc::Placement>& places);
// Records a failure of the drawing (not of the calculation) and cancels the drawing.
void FailDrawing(GraphicSession& p, const std::string& text);

}  // namespace kv40::cad
