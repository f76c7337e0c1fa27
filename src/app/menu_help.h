// The help number of every menu item: its text is the item's status tip and the Help menu's
// handbook section.
#pragma once

#include <string_view>

namespace kv40::app {

// 0 for a name without help (separators).
int MenuHelpNumber(std::string_view objectName);

}  // namespace kv40::app
