// The program instance of tests, wired to its fixed clock, scripted Ui and desktop.
#include "support/test_program.h"

namespace kv40::test {

TestProgram::TestProgram() {
  model::InitDefaults(p.connection);
  p.ui = &ui;
  p.desktop = &desktop;
  p.clock = &clock;
  p.random = &random;
}

}  // namespace kv40::test
