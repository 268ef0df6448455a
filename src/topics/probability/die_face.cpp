#include "topics/probability/die_face.h"

#include "platform/dc.h"

namespace vl {

namespace {
struct Pip {
  int l, t, r, b;
};

// Pip boxes relative to the die's corner; the pips shrink as the face grows.
constexpr Pip kPips1[] = {{5, 5, 15, 15}};
constexpr Pip kPips2[] = {{10, 4, 16, 10}, {4, 10, 10, 16}};
constexpr Pip kPips3[] = {{13, 3, 17, 7}, {8, 8, 12, 12}, {3, 13, 7, 17}};
constexpr Pip kPips4[] = {{3, 3, 7, 7}, {3, 13, 7, 17}, {13, 13, 17, 17}, {13, 3, 17, 7}};
constexpr Pip kPips5[] = {
    {4, 4, 6, 6}, {4, 14, 6, 16}, {9, 9, 11, 11}, {14, 14, 16, 16}, {14, 4, 16, 6}};
constexpr Pip kPips6[] = {{4, 3, 6, 5},    {14, 3, 16, 5}, {4, 9, 6, 11},
                          {14, 9, 16, 11}, {4, 15, 6, 17}, {14, 15, 16, 17}};

struct Face {
  const Pip* pips;
  int count;
};
constexpr Face kFaces[] = {{kPips1, 1}, {kPips2, 2}, {kPips3, 3},
                           {kPips4, 4}, {kPips5, 5}, {kPips6, 6}};
}  // namespace

void DrawDieFace(Dc& dc, int x, int y, int face) {
  {
    auto white = dc.SelectBrush(SolidBrush(colors::kWhite));
    dc.Polygon({{x, y}, {x, y + 20}, {x + 20, y + 20}, {x + 20, y}});
  }
  if (face < 1 || face > 6) return;
  auto red = dc.SelectBrush(SolidBrush(colors::kRed));
  const Face& f = kFaces[face - 1];
  for (int i = 0; i < f.count; ++i) {
    const Pip& p = f.pips[i];
    dc.Ellipse(x + p.l, y + p.t, x + p.r, y + p.b);
  }
}

}  // namespace vl
