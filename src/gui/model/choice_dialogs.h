// The generic dialogs behind the Ui seam: choice list, radio choice, yes/no, text entry and
// the text screen. Each is built, placed and run by one function; cancelling returns nullopt.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/program.h"

class QWidget;

namespace kv40::model::gui {

// "Auswahl": the list form (Tin_codedialog) above 7 items, else radio buttons
// (Tin_radiodialog). Returns the 1-based item.
std::optional<int> RunChoiceDialog(app::Program& p, QWidget* parent, const std::string& prompt,
                                   const std::vector<std::string>& items, int preselect,
                                   int helpContext);
// "Eingabe" with "&Ja" and "&Nein" (Tin_janeindialog).
std::optional<bool> RunYesNoDialog(app::Program& p, QWidget* parent, const std::string& prompt,
                                   bool preset, int helpContext);
// "Eingabe" with one edit field (Tin_textdialog), resizable.
std::optional<std::string> RunTextDialog(app::Program& p, QWidget* parent,
                                         const std::string& prompt, int maxLength,
                                         const std::string& preset, int helpContext);
// The read-only text screen (TShowScreen) in a fixed-pitch font.
void RunTextScreen(app::Program& p, QWidget* parent, const std::string& caption,
                   const std::vector<std::string>& lines);

}  // namespace kv40::model::gui
