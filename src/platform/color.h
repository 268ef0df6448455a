// 24-bit colours. Palette-index colours resolve at once through the default 20-colour palette,
// so every colour that reaches a drawing surface is plain RGB.
#pragma once
#include <cstdint>
#include <string>

namespace vl {

struct Color {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const Color&, const Color&) = default;
};

constexpr Color Rgb(int r, int g, int b) {
  return Color{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

inline constexpr int kPaletteSize = 20;

// Entry n of the default palette; an index outside 0..19 gives black.
Color PaletteIndex(int n);

// "#rrggbb"
std::string ColorToHex(Color c);
// Parses "#rrggbb"; returns false on anything else.
bool ColorFromHex(const std::string& s, Color& out);

namespace colors {
inline constexpr Color kBlack = Rgb(0, 0, 0);
inline constexpr Color kWhite = Rgb(255, 255, 255);
inline constexpr Color kRed = Rgb(255, 0, 0);
inline constexpr Color kBlue = Rgb(0, 0, 255);
inline constexpr Color kYellow = Rgb(255, 255, 0);
}  // namespace colors

}  // namespace vl
