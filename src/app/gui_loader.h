// Loading the GUI module at run time, so that batch runs never load Qt.
#pragma once

#include <string>

#include "app/program.h"

namespace kv40::app {

// Raised whenever the calling convention between program and module changes.
inline constexpr int kGuiAbiVersion = 1;

// The module's entry points (C linkage, looked up by name).
using GuiAbiFn = int (*)();
using GuiRunFn = int (*)(Program* program, int argc, char** argv);

// True when a window system is reachable (X11, Wayland, or a Qt platform set explicitly).
bool DisplayAvailable();

inline constexpr const char* kGuiModuleName = "libkv40gui.so";

// The module file: $KV40_GUI_MODULE, else libkv40gui.so beside the executable, else in
// ../lib/kv40/ of an installation.
std::string GuiModulePath();

// Loads the module and runs the interactive program; returns its exit code. A missing or
// broken module prints a clear message to standard error and returns 1.
int RunGuiModule(Program& p, int argc, char** argv);

}  // namespace kv40::app
