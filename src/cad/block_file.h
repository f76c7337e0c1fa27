// The reader of the user's logo block files ("$LOGO_2.dx$" and the like): DXF entity records
// (a group code line, a value line) up to "EOF", read into a block kept in memory.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "cad/block.h"

namespace kv40::cad {

struct BlockFileResult {
  cad::Block block;  // what was read up to the first fault
  bool ok = true;    // false: the file is malformed ("Error in DXF File")
};

// layerNames: the names of layers 0..5, which map back to their numbers; any other layer name
// is read as a number. Numbers that are not finite end the reading as a fault.
BlockFileResult ReadBlockFile(std::string_view bytes, const std::array<std::string, 6>& layerNames);

inline constexpr std::uintmax_t kMaxBlockFileBytes = 16u << 20;

}  // namespace kv40::cad
