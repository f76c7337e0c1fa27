// Fuzz target for the HP-GL interpreter of the help images: any bytes draw only finite
// geometry and labels of at most 255 characters.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "base/utf8.h"
#include "help/hpgl.h"

namespace {

using kv40::Extended;

void Require(bool ok) {
  if (!ok) std::abort();
}

struct Checked final : kv40::help::HpglCanvas {
  void Line(Extended x1, Extended y1, Extended x2, Extended y2, int) override {
    Require(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2));
  }
  void Circle(Extended xc, Extended yc, Extended r, int) override {
    Require(std::isfinite(xc) && std::isfinite(yc) && std::isfinite(r) && r > 0);
  }
  void Arc(Extended xc, Extended yc, Extended a1, Extended a2, Extended r, int) override {
    Require(std::isfinite(xc) && std::isfinite(yc) && std::isfinite(r) && r > 0);
    Require(std::isfinite(a1) && std::isfinite(a2) && a2 > a1 && a2 - a1 <= 360);
  }
  void Label(Extended x, Extended y, const std::string& text, Extended angle, Extended h,
             Extended w, int) override {
    Require(std::isfinite(x) && std::isfinite(y) && std::isfinite(angle) && std::isfinite(h) &&
            std::isfinite(w));
    Require(kv40::base::CharCount(text) <= kv40::help::kMaxLabelChars);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  kv40::help::HpglState state;
  Checked canvas;
  kv40::help::InterpretHpgl(bytes, state, canvas);
  // a second file on the settings the first one left
  kv40::help::InterpretHpgl(bytes, state, canvas);
  return 0;
}
