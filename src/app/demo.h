// Help → Demo: a presentation of the program over a bundled sample, one step at a time with a
// caption line; the user's open connection is as it was afterwards.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/program.h"
#include "app/shell.h"

namespace kv40::app {

inline constexpr const char* kDemoSample = "beispiel1.k40";  // in the shipped data folder

struct DemoStep {
  std::string caption;
  int pauseMs = 0;  // how long the step stays when the presentation runs on its own
  std::function<void(Program&, Shell&)> show;
};

// The steps the program can show for the loaded sample: the dimension sheet, the tooth forms,
// the rack tools, the meshing (the shaft turned through one pitch in small steps), the
// production drawings and the result table of the sample folder. Pictures whose drawing the
// program does not have are left out.
std::vector<DemoStep> DemoSteps(const Program& p);

// Runs the presentation: loads and calculates the sample, shows each step and waits for the
// stepping dialog; then puts the user's connection, file name, documentation and flags back and
// shows the user's view again.
void RunDemo(Program& p, Shell& shell);

}  // namespace kv40::app
