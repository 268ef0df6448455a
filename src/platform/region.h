// Regions as exact spans: for every pixel row, the sorted, disjoint half-open runs [x0, x1)
// that the region covers. Rectangles and ellipses are rasterised once; combining works row by
// row, so containment and the clip a page selects are exact to the pixel.
#pragma once
#include <map>
#include <vector>

#include "platform/geometry.h"

namespace vl {

enum class CombineMode { kCopy, kOr, kAnd, kXor, kDiff };

class Region {
 public:
  struct Run {
    int x0, x1;
    friend bool operator==(const Run&, const Run&) = default;
  };

  Region() = default;
  static Region FromRect(const Rect& r);
  // The pixels of the ellipse inscribed in r (right and bottom edges excluded).
  static Region FromEllipse(const Rect& r);

  // this = a (copy) or a op b.
  void Combine(const Region& a, const Region& b, CombineMode mode);
  static Region Combined(const Region& a, const Region& b, CombineMode mode);

  bool Contains(Point p) const;
  bool IsEmpty() const { return rows_.empty(); }
  Rect Bounds() const;
  // The region as rectangles: consecutive rows with the same runs merge into one band.
  std::vector<Rect> Rects() const;
  Region Offset(int dx, int dy) const;
  friend bool operator==(const Region&, const Region&) = default;

 private:
  std::map<int, std::vector<Run>> rows_;  // y -> runs; no empty rows are kept
};

}  // namespace vl
