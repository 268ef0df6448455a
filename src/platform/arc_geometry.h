// Where an arc or pie between two radials meets its ellipse, as the platform draws it:
// counter-clockwise on screen from the start radial to the end radial.
#pragma once
#include "platform/geometry.h"

namespace vl {

struct ArcGeometry {
  double cx = 0, cy = 0;          // centre
  double rx = 0, ry = 0;          // radii
  double startX = 0, startY = 0;  // where the start radial meets the ellipse
  double endX = 0, endY = 0;      // where the end radial meets the ellipse
  double startDeg = 0;            // angle of the start radial, counter-clockwise from 3 o'clock
  double sweepDeg = 360;          // counter-clockwise extent, (0, 360]
  bool whole = true;              // start and end radials coincide: the whole ellipse
};

ArcGeometry ComputeArc(const Rect& r, Point start, Point end);

}  // namespace vl
