// Dimension blocks and log queries for calculation tests.
#pragma once

#include <string>
#include <vector>

#include "base/format.h"
#include "model/spec_state.h"

namespace kv40::test {

// A connection with what a calculation takes beside it: the number settings and the cancel
// flag of the command that runs it.
struct CalcRun {
  model::SpecState connection;
  base::NumberFormat nf;
  bool cancel = false;
};

// A DIN 5480 connection dB x m x z entered as a self-defined DIN 5482 block: hub root
// diameter dB, shaft tip dB - 0.2 m, clearance 0.1 m on both sides, profile shift from dB.
// Tolerance fields h / H; ball diameters and k stay as the defaults give them, the torques are
// kBlockTN and kBlockTmax.
inline constexpr Extended kBlockTN = 100;    // N m
inline constexpr Extended kBlockTmax = 300;  // N m
void SelfDefinedBlock(model::SpecState& s, Extended dB, Extended m, int z);
// Only the block and the tolerance fields, leaving the rest of the state as it is.
void SetBlock(model::SpecState& s, Extended dB, Extended m, int z);

// The texts of the message log, in order.
std::vector<std::string> Messages(const model::SpecState& s);
// True when the log holds exactly this text.
bool HasMessage(const model::SpecState& s, const std::string& text);

}  // namespace kv40::test
