// Program entry: batch runs stay in the core; an interactive start loads the GUI module.
#include "app/startup.h"

int main(int argc, char** argv) {
  return kv40::app::Main(argc, argv);
}
