// Colours and line styles of the graphic window.
#include "cad/graphic_colors.h"

namespace kv40::cad {

int GetColorTurbo(int cadColor) {
  int n = cadColor & 0xFF;  // taken as a byte
  if (n > 15) n = (n & 15) + 1;
  static constexpr std::array<int, 8> kFirst{0, 12, 14, 10, 11, 9, 13, 15};
  if (n < 8) return kFirst[static_cast<std::size_t>(n)];
  return n - 7;
}

int LineStyleFromName(std::string_view name) {
  if (name == "DOTTED" || name == "PUNKT") return kDottedLine;
  if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return kDashDotLine;
  if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return kDashedLine;
  return kSolidLine;
}

std::optional<Rgb> PenColor(const PassColors& pass, int n) {
  if (n == 0) return pass.printing ? Rgb{255, 255, 255} : pass.background;
  if (n < 1 || n > kMaxColor) return std::nullopt;
  const bool color = pass.printing ? pass.printColorMode == 2 : pass.colorDisplay;
  return color ? kPalette[static_cast<std::size_t>(n)] : kBlack;
}

Rgb TextColor(const PassColors& pass, int n) {
  if (n == 0) return pass.printing ? Rgb{255, 255, 255} : pass.background;
  if (!pass.colorDisplay || (pass.printing && pass.printColorMode == 1)) return kBlack;
  if (n >= 1 && n <= kMaxColor) return kPalette[static_cast<std::size_t>(n)];
  return kBlack;
}

}  // namespace kv40::cad
