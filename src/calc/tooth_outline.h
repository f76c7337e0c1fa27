// The outline of one tooth over one pitch (block "EVOLV" n): involute flanks, tip land, root
// fillets and root land, as one polyline on layer 5.
#pragma once

#include "calc/tooth_figure.h"
#include "calc/tooth_gear.h"
#include "model/tooth_form_options.h"

namespace kv40::calc {

inline constexpr int kOutlineLayer = 5;
inline constexpr int kCentreLineLayer = 1;

// Points per involute flank: 0 counts as 20, and a flank has at least its start and its tip.
int InvolutePointCount(const model::ToothFormOptions& o);

// The outline from the tooth-space centre right of the tooth, over the tooth on the y axis,
// to the tooth-space centre on its left; with the diameters option also the tooth's centre
// line on layer 1.
Figure ToothOutline(const ToothGear& g, const model::ToothFormOptions& o);

// The signed diameter where the drawn involute starts ("dFf" in the pictures): the meeting
// point of generated fillet and involute, the base circle, the form diameter of the fillet
// circle, or the hub's fillet.
Extended InvoluteStartDiameter(const ToothGear& g, const model::ToothFormOptions& o);

// The whole polyline from its right half (space centre first, tip last, the last vertex's
// bulge spanning the tip land): the left half is its mirror image, run backwards.
std::vector<Vertex> MirroredOutline(const std::vector<Vertex>& right);

}  // namespace kv40::calc
