// The data of one part for its tooth-form pictures at a generating profile shift, the
// involute of its flanks and the root fillet its rack tool generates.
#pragma once

#include <string>
#include <vector>

#include "calc/math.h"
#include "calc/tooth_figure.h"
#include "model/spec_state.h"

namespace kv40::calc {

// One part as the tooth-form pictures see it. Diameters keep the part's sign (the hub's are
// negative), which puts the hub's tooth on the negative y axis.
struct ToothGear {
  int part = 1;
  int z = 0;  // negative for the hub
  Extended mn = 0;
  Extended alpha = 0;   // pressure angle of the tool, radians
  Extended alphat = 0;  // transverse pressure angle, radians
  Extended beta = 0;    // helix angle, radians (0 for splines)
  Extended d = 0, db = 0, da = 0, da0 = 0, df = 0, dFa = 0, dNf = 0, dw = 0;
  Extended haP0 = 0, hfP0 = 0, rhoaP0 = 0, kP0 = 0, kP0Star = 0;
  Extended xe = 0;                     // generating profile shift coefficient of the picture
  Extended sne = 0, dfe = 0, dae = 0;  // drawing values for xe
  Extended dwe = 0;                    // operating pitch diameter of the meshing picture
  std::string failure;                 // why no picture can be drawn of it, or empty

  bool internal() const { return z < 0; }
  // +1 for the shaft, -1 for the hub.
  int side() const { return z < 0 ? -1 : 1; }
  int teeth() const { return z < 0 ? -z : z; }
  Extended pitchAngle() const { return 2 * kPi / teeth(); }
  // Depth of the tool's tip-rounding centre below the generating pitch line.
  Extended hc() const { return haP0 - xe * mn - rhoaP0; }
};

// Gear 1 (shaft) or 2 (hub) of the calculated connection at the generating profile shift xe.
ToothGear MakeToothGear(const model::SpecState& s, int part, Extended xe);

// Half tooth-thickness angle of the involute flank at radius R (> 0), measured from the tooth
// axis; for the hub the tooth widens towards its root. fig records a failure.
Extended InvoluteHalfAngle(const ToothGear& g, Extended R, Figure& fig);

// The point of the right flank at the signed diameter dy (the hub's negative), with the tooth
// on the y axis. A zero diameter records "Fatal  : d = 0 !" and gives the origin.
Point2 InvolutePoint(const ToothGear& g, Extended dy, Figure& fig);

// Diameter where the drawn involute starts: the root diameter plus the tool's rounding height
// (signed like the part's diameters).
Extended FormDiameter(const ToothGear& g);
// The involute starts at the base circle (the first outline form of the shaft).
bool InvoluteFromBaseCircle(const ToothGear& g);

// The root fillet that the rack tool's tip rounding generates on the right flank of the shaft,
// from its foot on the root circle up to where it meets the involute (where the tip rounding
// hands over to the straight flank, or above the base circle where it undercuts the
// involute).
struct GeneratedFillet {
  std::vector<Point2> points;  // foot first, meeting point last
  Extended footAngle = 0;      // angle of the foot from the tooth axis, radians
  Extended meetRadius = 0;     // radius of the meeting point (positive)
};
GeneratedFillet ExactRootFillet(const ToothGear& g, int steps, Figure& fig);

// A point of the positive frame (tooth on the positive y axis, radii positive) in the part's
// own frame: the hub's outline is mirrored onto the negative y axis.
inline Point2 ToPartFrame(const ToothGear& g, Point2 p) {
  return g.internal() ? Point2{p.x, -p.y} : p;
}

}  // namespace kv40::calc
