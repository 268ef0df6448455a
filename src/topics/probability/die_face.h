// A die of 20 x 20 pixels with red pips, shared by the probability pages.
#pragma once

namespace vl {

class Dc;

// Draws face 1..6 with its top-left corner at (x, y) in the current pen; any other face value
// draws the blank die.
void DrawDieFace(Dc& dc, int x, int y, int face);

}  // namespace vl
