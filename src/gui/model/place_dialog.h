// Sizing and placing every dialog of the program by the configured dialog size and font scale.
#pragma once

#include "model/session.h"

class QDialog;
class QPushButton;
class QString;
class QWidget;

namespace kv40::model::gui {

enum class Placement {
  Centred,   // centred on the main window, 20 pixels lower
  SizeOnly,  // sized and scaled, left where the window system puts it (the text entry)
};

// Gives the dialog the main window's font scaled by fontScalePercent, lays it out, multiplies
// its size by dialogSizePercent and centres it on the main window. Call it once the dialog's
// controls are in place, right before it is shown.
void PlaceDialog(QDialog* dialog, const Session& p, Placement placement = Placement::Centred);

// A push button found by its object name in tests; Enter in a field never presses it (only the
// dialog's default button).
QPushButton* NamedButton(QWidget* parent, const char* name, const QString& caption);

// The program's main window: the dialog's parent window, else the top-level window "Thh".
QWidget* MainWindowOf(const QWidget* dialog);

}  // namespace kv40::model::gui
