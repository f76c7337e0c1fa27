// The inputs and results of the calculation state as JSON, for automation.
#pragma once

#include <filesystem>
#include <string>

#include "model/spec_state.h"

namespace kv40::calc {

// One object with every field of the state under its documented name (per-part values as
// [shaft, hub], the hub's as stored), plus "messages" (the log texts) and "fatal".
std::string ResultsJson(const model::SpecState& s);
// Writes ResultsJson to path, replacing it only when complete; false when that failed.
bool WriteResultsJson(const model::SpecState& s, const std::filesystem::path& path);

}  // namespace kv40::calc
