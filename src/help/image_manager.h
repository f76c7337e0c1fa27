// The help-image manager (Help → Hilfebild): browse the index's images and edit the index.
#pragma once

#include "help/help_session.h"

namespace kv40::help {

// Help numbers of the manager's window and questions.
inline constexpr int kManagerHelp = 2300;
inline constexpr int kNewImageHelp = 2310;
inline constexpr int kDeleteImageHelp = 2320;
inline constexpr int kImageInfoHelp = 2330;
inline constexpr int kImageNameHelp = 2340;
inline constexpr int kInsertImageHelp = 2350;

// Without an index in the PLT folder: plot files picked one after another are shown, the
// folder of the last becomes the PLT folder. With one: the first image at once, then the
// window; its actions show another image or change the index (rewritten safely). Ends with
// OK, or when any question is cancelled.
void ManageHelpImages(HelpSession& p);

}  // namespace kv40::help
