// The display list: one closed set of drawing operations, in client pixels, with every colour
// resolved. RecordingDc produces it; the JSON and SVG writers and the Qt replay consume it.
#pragma once
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/gdi.h"
#include "platform/geometry.h"

namespace vl {

// Visits an op with one lambda per op type: std::visit(Overloaded{[](const TextOp&) {}, ...}, op).
template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

struct TextOp {
  int x = 0, y = 0;
  std::u16string text;
  Color color;
  bool opaque = false;
  Font font;
  friend bool operator==(const TextOp&, const TextOp&) = default;
};
struct LineOp {
  Point from, to;
  Pen pen;
  friend bool operator==(const LineOp&, const LineOp&) = default;
};
struct RectangleOp {
  Rect rect;
  Pen pen;
  Brush brush;
  friend bool operator==(const RectangleOp&, const RectangleOp&) = default;
};
struct EllipseOp {
  Rect rect;
  Pen pen;
  Brush brush;
  friend bool operator==(const EllipseOp&, const EllipseOp&) = default;
};
struct FillRectOp {
  Rect rect;
  Brush brush;
  friend bool operator==(const FillRectOp&, const FillRectOp&) = default;
};
struct ArcOp {
  Rect rect;
  Point start, end;
  Pen pen;
  friend bool operator==(const ArcOp&, const ArcOp&) = default;
};
struct PieOp {
  Rect rect;
  Point start, end;
  Pen pen;
  Brush brush;
  friend bool operator==(const PieOp&, const PieOp&) = default;
};
struct PolygonOp {
  std::vector<Point> points;
  Pen pen;
  Brush brush;
  friend bool operator==(const PolygonOp&, const PolygonOp&) = default;
};
struct IconOp {
  int x = 0, y = 0;
  Icon icon = Icon::kApplication;
  friend bool operator==(const IconOp&, const IconOp&) = default;
};
// Selects a clip made of these rectangles (client pixels); no value removes clipping.
struct ClipOp {
  std::optional<std::vector<Rect>> rects;
  friend bool operator==(const ClipOp&, const ClipOp&) = default;
};

using DrawOp = std::variant<TextOp, LineOp, RectangleOp, EllipseOp, FillRectOp, ArcOp, PieOp,
                            PolygonOp, IconOp, ClipOp>;
using DisplayList = std::vector<DrawOp>;

}  // namespace vl
