// Colours and line styles of the graphic window: palette, CAD colour mapping, style names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kv40::cad {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr int kMaxColor = 16;  // highest colour number the window accepts

// Colour numbers 1..16; entry 0 stands for the background colour and is never used.
inline constexpr std::array<Rgb, kMaxColor + 1> kPalette{{
    {0, 0, 0},
    {0, 0, 128},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {128, 0, 128},
    {128, 0, 0},
    {192, 192, 192},
    {176, 176, 176},
    {0, 0, 255},
    {0, 255, 0},
    {0, 255, 255},
    {255, 0, 0},
    {255, 0, 255},
    {255, 255, 0},
    {255, 255, 255},
    {0, 0, 0},
}};

inline constexpr Rgb kBlack{0, 0, 0};

// The configuration keeps colours as 0x00BBGGRR.
constexpr Rgb RgbFromColorRef(int value) {
  const auto v = static_cast<std::uint32_t>(value);
  return {static_cast<std::uint8_t>(v & 0xFF), static_cast<std::uint8_t>((v >> 8) & 0xFF),
          static_cast<std::uint8_t>((v >> 16) & 0xFF)};
}
constexpr int ColorRefFromRgb(Rgb c) {
  return c.r | (c.g << 8) | (c.b << 16);
}

// Palette number for a CAD colour number (DXF colours 1..7 red, yellow, green, cyan, blue,
// magenta, white; 8..15 the first eight palette entries).
int GetColorTurbo(int cadColor);

enum LineStyle : int { kSolidLine = 0, kDottedLine = 1, kDashDotLine = 2, kDashedLine = 3 };

// Style number for a CAD line type name; exact, case-sensitive; unknown names are solid.
int LineStyleFromName(std::string_view name);

// What one pass of the replay shows: on screen, or on paper.
struct PassColors {
  bool colorDisplay = true;  // "Farbgrafik"
  bool printing = false;
  int printColorMode = 1;  // 1 monochrome, 2 colour
  Rgb background{1, 0, 0};
};

// Pen and brush colour for a colour record n; nullopt when n changes nothing. Colour 0
// erases: the window's background on screen, white on paper.
std::optional<Rgb> PenColor(const PassColors& pass, int n);
// Text colour while the replay colour is n (16 is black like the pen).
Rgb TextColor(const PassColors& pass, int n);

}  // namespace kv40::cad
