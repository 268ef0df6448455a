#include "platform/arc_geometry.h"

#include <cmath>

namespace vl {

namespace {
constexpr double kPi = 3.14159265358979323846;

// Angle of the radial towards p, counter-clockwise on screen (y grows downwards).
double RadialDeg(double cx, double cy, Point p) {
  double a = std::atan2(-(p.y - cy), p.x - cx) * 180.0 / kPi;
  return a < 0 ? a + 360.0 : a;
}

void OnEllipse(double cx, double cy, double rx, double ry, Point p, double& x, double& y) {
  double dx = p.x - cx, dy = p.y - cy;
  double k = std::sqrt((rx > 0 ? dx * dx / (rx * rx) : 0) + (ry > 0 ? dy * dy / (ry * ry) : 0));
  if (k == 0) {
    x = cx + rx, y = cy;
    return;
  }
  x = cx + dx / k;
  y = cy + dy / k;
}
}  // namespace

ArcGeometry ComputeArc(const Rect& r, Point start, Point end) {
  ArcGeometry g;
  g.cx = (r.left + r.right) / 2.0;
  g.cy = (r.top + r.bottom) / 2.0;
  g.rx = r.Width() / 2.0;
  g.ry = r.Height() / 2.0;
  OnEllipse(g.cx, g.cy, g.rx, g.ry, start, g.startX, g.startY);
  OnEllipse(g.cx, g.cy, g.rx, g.ry, end, g.endX, g.endY);
  g.startDeg = RadialDeg(g.cx, g.cy, start);
  double endDeg = RadialDeg(g.cx, g.cy, end);
  double sweep = endDeg - g.startDeg;
  if (sweep < 0) sweep += 360.0;
  g.whole = std::fabs(sweep) < 1e-9;
  g.sweepDeg = g.whole ? 360.0 : sweep;
  return g;
}

}  // namespace vl
