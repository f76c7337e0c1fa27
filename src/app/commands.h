// The steps of the main window's commands that need no window: input sequences, language
// switch, help items; the window's own steps come through the Shell.
#pragma once

#include <string>

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

// The calculation of the open connection with the program's number settings; it may set the
// command's cancel flag.
void Recalculate(model::Session& p);

// Loads an input data file (empty name: the open dialog) and calculates it; false when the
// file was not loaded (the state is then as it was).
bool OpenInputFile(model::Session& p, const std::string& name);

// Where the Help menu's mail goes. Set by whoever ships the program.
inline constexpr const char* kMailAddress = "kv40@example.org";

// Text, dimensions, tolerances, measurement, material and load, one after another while none
// is cancelled; then the calculation (also after a cancel, with the values entered so far).
// When all were confirmed the inputs count as modified and the message list is shown.
void QuickInput(Program& p, Shell& shell);

// An Edit command: the dialog; unless cancelled the inputs count as modified, the connection
// is calculated and the window refreshed.
void EditStep(Program& p, Shell& shell, InputDialog dialog);
// The material dialog recalculates and refreshes even when it was cancelled.
void EditMaterial(Program& p, Shell& shell);
// The text dialog changes no result: no calculation.
void EditText(Program& p, Shell& shell);

// The caption language i (1..9) for both vocabularies, kept in the configuration.
void SetLanguage(Program& p, Shell& shell, int i);

// The View menu's error-message item: its caption with the message count, e.g.
// "&Fehlermeldungen (5)".
std::string ErrorItemCaption(const Program& p);

}  // namespace kv40::app
