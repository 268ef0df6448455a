#include "topics/distribution/normal_curve.h"

#include "notation/notation_fonts.h"
#include "platform/dc.h"
#include "topics/distribution/distribution_logic.h"

namespace vl {

void DrawNormalCurve(Dc& dc, int lineHeight, int width, int height, int s1, int s2,
                     std::u16string_view label1, std::u16string_view label2, int x0, int y0) {
  const int half = width / 2;
  dc.MoveTo(x0, y0);
  dc.LineTo(x0 + width, y0);
  dc.MoveTo(x0 + half, y0 - height);
  dc.LineTo(x0 + half, y0);
  {
    auto font = dc.SelectFont(MinchoFont(lineHeight / 2));
    dc.TextOut(x0 + half - 4, y0, label1);
    dc.TextOut(x0 + s2 - 8, y0, label2);
  }
  Point previous{};
  for (int i = 0; i < width; ++i) {
    const int g = NormalCurveHeight(i, width, height);
    if (i > 0) {
      dc.MoveTo(previous.x, previous.y);
      dc.LineTo(x0 + i, y0 - g);
    }
    if (s1 < i && i < s2) {
      dc.MoveTo(x0 + i, y0);
      dc.LineTo(x0 + i, y0 - g);
    }
    previous = {x0 + i, y0 - g};
  }
}

}  // namespace vl
