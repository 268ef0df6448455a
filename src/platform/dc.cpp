#include "platform/dc.h"

#include "platform/region.h"

namespace vl {

Selection<Font> Dc::SelectFont(const Font& f) {
  Selection<Font> s(this, font_);
  font_ = f;
  return s;
}

Selection<Pen> Dc::SelectPen(const Pen& p) {
  Selection<Pen> s(this, pen_);
  pen_ = p;
  return s;
}

Selection<Brush> Dc::SelectBrush(const Brush& b) {
  Selection<Brush> s(this, brush_);
  brush_ = b;
  return s;
}

Color Dc::SetTextColor(Color c) {
  Color old = textColor_;
  textColor_ = c;
  return old;
}

BkMode Dc::SetBkMode(BkMode m) {
  BkMode old = bkMode_;
  bkMode_ = m;
  return old;
}

void Dc::TextOut(int x, int y, std::u16string_view text) {
  auto z = text.find(u'\0');
  if (z != std::u16string_view::npos) text = text.substr(0, z);
  Point p = Map(x, y);
  Emit(TextOp{p.x, p.y, std::u16string(text), textColor_, bkMode_ == BkMode::kOpaque, font_});
}

void Dc::LineTo(int x, int y) {
  Emit(LineOp{Map(pos_.x, pos_.y), Map(x, y), pen_});
  pos_ = {x, y};
}

void Dc::Polyline(const std::vector<Point>& pts) {
  if (pts.empty()) return;
  MoveTo(pts[0].x, pts[0].y);
  for (size_t i = 1; i < pts.size(); ++i) LineTo(pts[i].x, pts[i].y);
}

void Dc::Rectangle(int l, int t, int r, int b) { Emit(RectangleOp{Map(l, t, r, b), pen_, brush_}); }

void Dc::Ellipse(int l, int t, int r, int b) { Emit(EllipseOp{Map(l, t, r, b), pen_, brush_}); }

void Dc::FillRect(const Rect& rc, const Brush& brush) {
  Emit(FillRectOp{Map(rc.left, rc.top, rc.right, rc.bottom), brush});
}

void Dc::Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
  Emit(ArcOp{Map(l, t, r, b), Map(x1, y1), Map(x2, y2), pen_});
}

void Dc::Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2) {
  Emit(PieOp{Map(l, t, r, b), Map(x1, y1), Map(x2, y2), pen_, brush_});
}

void Dc::Polygon(const std::vector<Point>& pts) {
  PolygonOp op{{}, pen_, brush_};
  op.points.reserve(pts.size());
  for (auto& p : pts) op.points.push_back(Map(p.x, p.y));
  Emit(op);
}

void Dc::DrawIcon(int x, int y, Icon icon) {
  Point p = Map(x, y);
  Emit(IconOp{p.x, p.y, icon});
}

void Dc::SelectClipRegion(const Region* rgn) {
  if (!rgn) {
    Emit(ClipOp{std::nullopt});
    return;
  }
  Emit(ClipOp{rgn->Rects()});
}

Point Dc::SetOrigin(Point p) {
  Point old = origin_;
  origin_ = p;
  return old;
}

ItemDc::ItemDc(Dc& dc, const Rect& controlRect, bool clip) : dc_(dc), clip_(clip) {
  oldOrigin_ = dc_.SetOrigin({controlRect.left, controlRect.top});
  if (clip_) {
    Region r = Region::FromRect(controlRect);
    dc_.SelectClipRegion(&r);
  }
}

ItemDc::~ItemDc() {
  if (clip_) dc_.SelectClipRegion(nullptr);
  dc_.SetOrigin(oldOrigin_);
}

}  // namespace vl
