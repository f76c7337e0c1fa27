// Fuzz target: the reader of the user's logo block files never crashes and never returns a
// number that is not finite.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "cad/block_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::array<std::string, 6> kNames{"0", "MITTE", "2", "3", "4", "KONTUR"};
  const auto r =
      kv40::cad::ReadBlockFile(std::string_view(reinterpret_cast<const char*>(data), size), kNames);
  for (const auto& item : r.block.items) {
    for (const auto v : item.v) {
      if (!std::isfinite(v)) std::abort();
    }
    for (const auto& vx : item.vertices) {
      if (!std::isfinite(vx.x) || !std::isfinite(vx.y) || !std::isfinite(vx.bulgeAngle)) {
        std::abort();
      }
    }
  }
  return 0;
}
