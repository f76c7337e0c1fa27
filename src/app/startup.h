// Start-up, command line and batch runs.
#pragma once

#include <optional>

#include "app/command_line.h"
#include "model/program.h"

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
void InitProgram(model::Program& p, const std::vector<std::string>& args);

// What the main window's creation does before it is shown: reads the configuration and
// the recent files, checks the folders, follows the command line, loads the default file
// and calculates. Returns an exit code when the program is to end here (batch runs, usage
// screen, refused start file), nullopt when the interactive run goes on.
std::optional<int> RunStartUp(model::Program& p, const CommandLine& cl, ScreenSize screen);

}  // namespace kv40::app
