// Help → History: the program's version history, a short text shipped with it.
#pragma once

#include <string>

#include "model/session.h"

namespace kv40::app {

inline constexpr const char* kHistoryFile = "history.txt";  // UTF-8, in the shipped data
inline constexpr const char* kHistoryCaption = "History";

// Shows the history file of the shipped data folder on the text screen; a missing file says so.
void ShowHistory(model::Session& p);

}  // namespace kv40::app
