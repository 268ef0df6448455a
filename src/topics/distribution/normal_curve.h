// The bell curve of the normal-distribution pages, with a shaded band under it.
#pragma once
#include <string_view>

namespace vl {

class Dc;

// A curve width x height standing on the base line at (x0, y0), in the current pen: the base
// line, the centre line, label1 under the centre and label2 under column s2 (in a light Mincho
// font of lineHeight / 2), and the band of columns s1 < i < s2 filled one pixel column at a time.
void DrawNormalCurve(Dc& dc, int lineHeight, int width, int height, int s1, int s2,
                     std::u16string_view label1, std::u16string_view label2, int x0, int y0);

}  // namespace vl
