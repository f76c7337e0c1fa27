// A short plain-text overview of the connection for the main window.
#pragma once

#include <string>
#include <vector>

#include "model/program.h"

namespace kv40::app {

std::vector<std::string> SummaryLines(const model::Program& p);

}  // namespace kv40::app
