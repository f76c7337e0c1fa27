// A drawing that uses every call of the drawing kernel once or more: limits, tables, nested
// blocks, every entity, polylines with bulges, dimensions, inserts with angle and scale.
#pragma once

#include "cad/kernel.h"

namespace kv40::test {

// Draws the sample on device (the file names come from the session's batch rule or the Ui);
// tables: the TABLES variant 0, 1 or 2 (layers above 15 only with 2).
void DrawSample(cad::GraphicSession& p, cad::CadDevice device, int tables = 2);

}  // namespace kv40::test
