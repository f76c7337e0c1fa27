// The user's own data folder for an installation whose shipped data cannot be written.
#pragma once

#include <string>

#include "app/program.h"

namespace kv40::app {

// $XDG_DATA_HOME/kv40/, else ~/.local/share/kv40/.
std::string UserDataDir();

// Called when the configuration came from the shipped data, not from the user's own file:
// when the shipped folder cannot be written (an installation under /usr), the folders the
// program writes into (data, CAD, EDI) become the user's data folder and its "cad" and "edi"
// subfolders, created on first use; the shipped input files are copied into it once. The
// user's own configuration, once saved, decides from then on.
void UseUserDataFolder(Program& p, const std::string& shippedDir);

}  // namespace kv40::app
