// The input dialogs of the edit commands. Each shows the state in its controls; OK clears
// p.cancel and stores the values, Abbrechen and Esc set p.cancel and store nothing.
#pragma once

#include "app/program.h"

class QWidget;

namespace kv40::model::gui {

// Identification texts of shaft and hub and the two comment lines.
void EditText(app::Program& p, QWidget* parent);
// The DIN 5482 dimension block, pressure angle and face widths.
void EditDimensions(app::Program& p, QWidget* parent);
// Tolerance fields and series; recalculates while the user chooses (also when cancelled).
void EditTolerances(app::Program& p, QWidget* parent);
// Ball or pin diameters, teeth spanned, pin dimension in the shaft table.
void EditMeasurement(app::Program& p, QWidget* parent);
// Materials of shaft and hub.
void EditMaterial(app::Program& p, QWidget* parent);
// Power, speed, torques and load factors.
void EditLoad(app::Program& p, QWidget* parent);
// Drawing options of the tooth form of part (1 shaft, 2 hub) for the CAD output.
void EditToothProfileOptions(app::Program& p, int part, QWidget* parent);

}  // namespace kv40::model::gui
