// Dc: the drawing surface every page draws on. It keeps the drawing state (selected font, pen
// and brush, text colour, background mode, current position, origin, clip) and hands each
// operation, with that state resolved, to the concrete surface: RecordingDc (a display list
// with the reference metrics) or the Qt backend's QtDc.
#pragma once
#include <optional>
#include <string_view>
#include <vector>

#include "platform/display_list.h"
#include "platform/gdi.h"
#include "platform/geometry.h"

namespace vl {

class Region;
class Dc;

// Restores the previously selected object when it goes out of scope.
template <class T>
class [[nodiscard]] Selection {
 public:
  Selection(Dc* dc, T previous) : dc_(dc), previous_(std::move(previous)) {}
  Selection(Selection&& o) noexcept : dc_(o.dc_), previous_(std::move(o.previous_)) {
    o.dc_ = nullptr;
  }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;
  Selection& operator=(Selection&&) = delete;
  ~Selection();

 private:
  Dc* dc_;
  T previous_;
};

class Dc {
 public:
  Dc() = default;
  Dc(const Dc&) = delete;
  Dc& operator=(const Dc&) = delete;
  virtual ~Dc() = default;

  // Selection of drawing objects; each returns a guard that puts back what was selected.
  Selection<Font> SelectFont(const Font& f);
  Selection<Pen> SelectPen(const Pen& p);
  Selection<Brush> SelectBrush(const Brush& b);
  const Font& CurrentFont() const { return font_; }
  const Pen& CurrentPen() const { return pen_; }
  const Brush& CurrentBrush() const { return brush_; }

  Color SetTextColor(Color c);
  Color GetTextColor() const { return textColor_; }
  BkMode SetBkMode(BkMode m);
  BkMode GetBkMode() const { return bkMode_; }

  // Text at its top-left corner.
  void TextOut(int x, int y, std::u16string_view text);
  Size GetTextExtent(std::u16string_view text) { return MeasureText(font_, text); }
  TextMetrics GetTextMetrics() { return MeasureMetrics(font_); }

  void MoveTo(int x, int y) { pos_ = {x, y}; }
  Point GetCurrentPosition() const { return pos_; }
  void LineTo(int x, int y);
  void Polyline(const std::vector<Point>& pts);

  // Outline with the pen, inside with the brush; right and bottom edges excluded.
  void Rectangle(int l, int t, int r, int b);
  void Ellipse(int l, int t, int r, int b);
  void FillRect(const Rect& rc, const Brush& brush);
  // Counter-clockwise from the start radial to the end radial; start = end is the whole ellipse.
  void Arc(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
  void Pie(int l, int t, int r, int b, int x1, int y1, int x2, int y2);
  void Polygon(const std::vector<Point>& pts);
  void DrawIcon(int x, int y, Icon icon);

  // Clips later drawing to the region (client coordinates); nullptr removes clipping.
  void SelectClipRegion(const Region* rgn);

  // Shifts every later coordinate by (x, y): drawing "through a control's context".
  Point SetOrigin(Point p);
  Point GetOrigin() const { return origin_; }

  // Measurement of a font on this surface.
  virtual Size MeasureText(const Font& f, std::u16string_view text) = 0;
  virtual TextMetrics MeasureMetrics(const Font& f) = 0;

 protected:
  // One call per drawing operation, in client pixels (the origin already applied).
  virtual void Emit(const DrawOp& op) = 0;

 private:
  template <class T>
  friend class Selection;
  void Restore(const Font& f) { font_ = f; }
  void Restore(const Pen& p) { pen_ = p; }
  void Restore(const Brush& b) { brush_ = b; }
  Point Map(int x, int y) const { return {x + origin_.x, y + origin_.y}; }
  Rect Map(int l, int t, int r, int b) const {
    return {l + origin_.x, t + origin_.y, r + origin_.x, b + origin_.y};
  }

  Font font_;
  Pen pen_;
  Brush brush_;
  Color textColor_ = colors::kBlack;
  BkMode bkMode_ = BkMode::kOpaque;
  Point pos_;
  Point origin_;
};

template <class T>
Selection<T>::~Selection() {
  if (dc_) dc_->Restore(previous_);
}

// Draws through a control's rectangle: the origin moves to the control's top-left corner for
// the life of this object (and, when clip is set, drawing is clipped to the rectangle).
class ItemDc {
 public:
  ItemDc(Dc& dc, const Rect& controlRect, bool clip);
  ~ItemDc();
  ItemDc(const ItemDc&) = delete;
  ItemDc& operator=(const ItemDc&) = delete;
  Dc& dc() { return dc_; }

 private:
  Dc& dc_;
  Point oldOrigin_;
  bool clip_;
};

}  // namespace vl
