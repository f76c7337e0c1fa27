// Start-up, command line and batch runs.
#pragma once

#include <optional>

#include "app/command_line.h"
#include "app/program.h"

namespace kv40::app {

// Screen size for the configuration's window defaults; 0 when there is no screen.
struct ScreenSize {
  int width = 0;
  int height = 0;
};

// The program entry: sets up the program instance, then runs a batch, prints the usage
// screen or hands over to the GUI module.
int Main(int argc, char** argv);

// Fills the program instance with its start values (state, documentation data, folders).
void InitProgram(Program& p, const std::vector<std::string>& args);

// What the main window's creation does before it is shown: reads the configuration and
// the recent files, checks the folders, follows the command line, loads the default file
// and calculates. Returns an exit code when the program is to end here (batch runs, usage
// screen, refused start file), nullopt when the interactive run goes on.
std::optional<int> RunStartUp(Program& p, const CommandLine& cl, ScreenSize screen);

// The user mode: each user works in a subfolder of the data folder. Turned on by the
// environment variable KV40_USER_MODE=1.
bool UserModeFromEnvironment();
// Asks for the user and takes the subfolder; an exit code when the program is to end here
// (prompt cancelled, or no such user folder).
std::optional<int> AskUser(Program& p);
// The entry names one existing plain subfolder of the data folder: not empty, no "/" or "\",
// not "." or "..", and it does not lead outside the data folder (a link to elsewhere).
bool IsUserFolder(const std::string& dataDir, const std::string& entry);

}  // namespace kv40::app
