// Start-up, command line and batch runs.
#pragma once

namespace kv40::app {

int Main(int argc, char** argv);

}  // namespace kv40::app
