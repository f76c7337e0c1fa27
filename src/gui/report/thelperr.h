// The help dialog of one calculation message (Thelperr): the message, its cause and its
// remedy, which the user may edit.
#pragma once

#include <string>

#include "app/program.h"

class QWidget;

namespace kv40::report::gui {

// Shows the dialog modally. OK gives back the texts and whether cause or remedy were edited;
// closing it any other way counts as unedited.
model::MessageHelpEdit RunThelperr(app::Program& p, QWidget* parent, const std::string& message,
                                   const std::string& cause, const std::string& remedy);

}  // namespace kv40::report::gui
