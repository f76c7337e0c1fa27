// Start-up, command line and batch runs.
#include "app/startup.h"

#include <cstdio>

namespace kv40::app {

int Main(int argc, char** argv) {
  (void)argc;
  (void)argv;
  std::puts("KV40 Command Line Mode");
  return 0;
}

}  // namespace kv40::app
