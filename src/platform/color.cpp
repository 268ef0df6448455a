#include "platform/color.h"

#include <cstdio>

namespace vl {

namespace {
constexpr Color kPalette[kPaletteSize] = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),     Rgb(0, 128, 0),     Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128),   Rgb(0, 128, 128),   Rgb(192, 192, 192),
    Rgb(192, 220, 192), Rgb(166, 202, 240), Rgb(255, 251, 240), Rgb(160, 160, 164),
    Rgb(128, 128, 128), Rgb(255, 0, 0),     Rgb(0, 255, 0),     Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255),   Rgb(0, 255, 255),   Rgb(255, 255, 255),
};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}
}  // namespace

Color PaletteIndex(int n) {
  if (n < 0 || n >= kPaletteSize) return colors::kBlack;
  return kPalette[n];
}

std::string ColorToHex(Color c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.r, c.g, c.b);
  return buf;
}

bool ColorFromHex(const std::string& s, Color& out) {
  if (s.size() != 7 || s[0] != '#') return false;
  int v[6];
  for (int i = 0; i < 6; ++i) {
    v[i] = HexDigit(s[1 + i]);
    if (v[i] < 0) return false;
  }
  out = Rgb(v[0] * 16 + v[1], v[2] * 16 + v[3], v[4] * 16 + v[5]);
  return true;
}

}  // namespace vl
