// The tooth-form pictures: a tooth, a tooth space (with the envelopes of the rack tool), the
// whole gear (from its teeth, or with the envelopes), the rack tool, the meshing of shaft and
// hub, and the pair, each one drawing of the kernel on the chosen device.
#pragma once

#include "cad/graphic_session.h"
#include "cad/kernel.h"

namespace kv40::cad {

// Numbered as the choice "Zahnformzeichnung" lists them.
enum ToothPicture : int {
  kToothPicture = 1,
  kSpacePicture = 2,
  kSpaceEnvelopePicture = 3,
  kGearPicture = 4,
  kGearEnvelopePicture = 5,
  kToolPicture = 6,
  kMeshingPicture = 7,
  kPairPicture = 8,
};

// Picture of part 1 (shaft) or 2 (hub) on the device, from CadBeginDrawing to CadEndDrawing;
// the meshing and the pair show both parts. A failure is shown and cancels the command; it is
// the drawing's, never the calculation's.
void ToothFormDrawing(GraphicSession& p, CadDevice device, int part, int picture);

// Pictures 7 and 8 (tooth_meshing.cpp).
void DrawMeshing(GraphicSession& p, CadDevice device);
void DrawPair(GraphicSession& p, CadDevice device);

// Shows the drawing's last message as an error when it failed.
void ShowDrawingFailure(GraphicSession& p);

}  // namespace kv40::cad
