// The steps of the main window's commands that need no window: input sequences, language
// switch, help items; the window's own steps come through the Shell.
#pragma once

#include <string>

#include "app/shell.h"
#include "model/program.h"

namespace kv40::app {

// Where the Help menu points. Set by whoever ships the program.
inline constexpr const char* kHomepageUrl = "https://example.org/kv40";
inline constexpr const char* kMailAddress = "kv40@example.org";

// Text, dimensions, tolerances, measurement, material and load, one after another while none
// is cancelled; then the calculation (also after a cancel, with the values entered so far).
// When all were confirmed the inputs count as modified and the message list is shown.
void QuickInput(model::Program& p, Shell& shell);

// An Edit command: the dialog; unless cancelled the inputs count as modified, the connection
// is calculated and the window refreshed.
void EditStep(model::Program& p, Shell& shell, InputDialog dialog);
// The material dialog recalculates and refreshes even when it was cancelled.
void EditMaterial(model::Program& p, Shell& shell);
// The text dialog changes no result: no calculation.
void EditText(model::Program& p, Shell& shell);

// The caption language i (1..9) for both vocabularies, kept in the configuration.
void SetLanguage(model::Program& p, Shell& shell, int i);

// The View menu's error-message item: its caption with the message count, e.g.
// "&Fehlermeldungen (5)".
std::string ErrorItemCaption(const model::Program& p);

// The mail to the maker: "mailto:" with a subject that starts with "KV40 1.3".
std::string MailUrl();

}  // namespace kv40::app
