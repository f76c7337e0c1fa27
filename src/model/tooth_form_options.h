// Drawing options of the generated tooth forms; kept for the run, not in the input file.
#pragma once

#include "base/part_pair.h"

namespace kv40::model {

inline constexpr int kMaxInvolutePoints = 256;

struct ToothFormOptions {
  int nInvPoints = 20;          // points per involute flank, 1..256 (0 counts as 20)
  bool invPolyline = true;      // the involute as one polyline instead of single lines
  Word drawDiameters = 1;       // 1 tooth form only, 2 with the important diameters
  bool drawTrochoid = true;     // draw the root fillet (trochoid)
  int filletSteps = 30;         // resolution of the root fillet, 2..200 (0 counts as 30)
  int envelopesInternal = 200;  // tool positions drawn for internal teeth (0 counts as 200)
  int envelopesExternal = 30;   // tool positions drawn for external teeth (0 counts as 30)
};

}  // namespace kv40::model
