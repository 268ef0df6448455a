#include "platform/worksheet.h"

#include <algorithm>

#include "platform/recording_dc.h"

namespace vl {

namespace {
Rect Normalized(const Rect& r) {
  return {std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
          std::max(r.top, r.bottom)};
}
}  // namespace

Rect OpsBounds(const DisplayList& ops) {
  Rect box;
  auto add = [&box](const Rect& r) { box = box.Union(r); };
  auto addPoints = [&add](const std::vector<Point>& pts, int width) {
    const int half = (std::max(width, 1) + 1) / 2;
    for (const Point& p : pts) add({p.x - half, p.y - half, p.x + half, p.y + half});
  };
  for (const DrawOp& op : ops) {
    std::visit(Overloaded{
                   [&](const TextOp& t) {
                     if (t.text.find_first_not_of(u' ') == std::u16string::npos) return;
                     const Size s = ReferenceTextExtent(t.font, t.text);
                     add({t.x, t.y, t.x + s.cx, t.y + s.cy});
                   },
                   [&](const LineOp& o) {
                     addPoints({o.from, o.to}, o.pen.width);
                   },
                   [&](const RectangleOp& o) { add(Normalized(o.rect)); },
                   [&](const EllipseOp& o) { add(Normalized(o.rect)); },
                   [&](const FillRectOp& o) { add(Normalized(o.rect)); },
                   [&](const ArcOp& o) {
                     const int half = (std::max(o.pen.width, 1) + 1) / 2;
                     const Rect r = Normalized(o.rect);
                     add({r.left - half, r.top - half, r.right + half, r.bottom + half});
                   },
                   [&](const PieOp& o) { add(Normalized(o.rect)); },
                   [&](const PolygonOp& o) { addPoints(o.points, o.pen.width); },
                   [&](const IconOp& o) {
                     add({o.x, o.y, o.x + 32, o.y + 32});
                   },
                   [](const ClipOp&) {},
               },
               op);
  }
  return box;
}

}  // namespace vl
