// The labelled diameters of the tooth-form pictures: arcs about the gear centre in the
// single-tooth pictures, full circles and a list of values in the whole-gear pictures.
#pragma once

#include <string>
#include <vector>

#include "cad/graphic_session.h"
#include "calc/tooth_gear.h"
#include "model/tooth_form_options.h"

namespace kv40::cad {

struct DiameterMark {
  std::string label;  // "dw", "d", ...
  Extended diameter;  // signed like the part's diameters
  int layer;
  Extended widen = 1;  // the arc is made longer where its label would crowd another
  bool listed = true;  // in the list of values (dFf only where it is not the base circle)
};

// dw, d, db, df, da, dFf (where the drawn involute starts), dFa (only when it differs from da)
// and dNf of the gear, in this order. wholeGear: the base circle on its whole-gear layer.
std::vector<DiameterMark> DiameterMarks(const calc::ToothGear& g, const model::ToothFormOptions& o,
                                        bool wholeGear);

// Arcs centred on the tooth axis (the hub's below the centre), each labelled at its right end
// with the label and `suffix`; an arc that would leave the limits ends at their edge. Layer 0
// afterwards.
void DrawDiameterArcs(GraphicSession& p, const calc::ToothGear& g,
                      const std::vector<DiameterMark>& marks, const std::string& suffix);
// Full circles about (xc, yc); layer 0 afterwards.
void DrawDiameterCircles(GraphicSession& p, const std::vector<DiameterMark>& marks, Extended xc,
                         Extended yc);
// "dw = 48.000" and so on, one line each from the cursor (x, y) downwards, text height h.
void ListDiameters(GraphicSession& p, const std::vector<DiameterMark>& marks,
                   const std::string& suffix, Extended x, Extended y, Extended h);

}  // namespace kv40::cad
