#include "platform/region.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {
using Runs = std::vector<Region::Run>;

// Runs of a row for a boolean combination of two sorted run lists.
Runs CombineRow(const Runs& a, const Runs& b, CombineMode mode) {
  std::vector<int> edges;
  for (auto& r : a) edges.insert(edges.end(), {r.x0, r.x1});
  for (auto& r : b) edges.insert(edges.end(), {r.x0, r.x1});
  std::sort(edges.begin(), edges.end());
  edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
  auto inside = [](const Runs& rs, int x) {
    for (auto& r : rs)
      if (x >= r.x0 && x < r.x1) return true;
    return false;
  };
  Runs out;
  for (size_t i = 0; i + 1 < edges.size(); ++i) {
    int x = edges[i];
    bool ia = inside(a, x), ib = inside(b, x);
    bool on = false;
    switch (mode) {
      case CombineMode::kCopy: on = ia; break;
      case CombineMode::kOr: on = ia || ib; break;
      case CombineMode::kAnd: on = ia && ib; break;
      case CombineMode::kXor: on = ia != ib; break;
      case CombineMode::kDiff: on = ia && !ib; break;
    }
    if (!on) continue;
    if (!out.empty() && out.back().x1 == x)
      out.back().x1 = edges[i + 1];
    else
      out.push_back({x, edges[i + 1]});
  }
  return out;
}
}  // namespace

Region Region::FromRect(const Rect& r) {
  Region g;
  if (r.IsEmpty()) return g;
  for (int y = r.top; y < r.bottom; ++y) g.rows_[y] = {{r.left, r.right}};
  return g;
}

Region Region::FromEllipse(const Rect& r) {
  Region g;
  if (r.IsEmpty()) return g;
  const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
  const double a = r.Width() / 2.0, b = r.Height() / 2.0;
  for (int y = r.top; y < r.bottom; ++y) {
    double dy = (y + 0.5 - cy) / b;
    double k = 1.0 - dy * dy;
    if (k <= 0) continue;
    double half = a * std::sqrt(k);
    int x0 = static_cast<int>(std::lround(cx - half));
    int x1 = static_cast<int>(std::lround(cx + half));
    if (x1 > x0) g.rows_[y] = {{x0, x1}};
  }
  return g;
}

void Region::Combine(const Region& a, const Region& b, CombineMode mode) {
  *this = Combined(a, b, mode);
}

Region Region::Combined(const Region& a, const Region& b, CombineMode mode) {
  Region out;
  if (mode == CombineMode::kCopy) return a;
  static const Runs kNone;
  auto ia = a.rows_.begin();
  auto ib = b.rows_.begin();
  while (ia != a.rows_.end() || ib != b.rows_.end()) {
    int y;
    const Runs* ra = &kNone;
    const Runs* rb = &kNone;
    if (ib == b.rows_.end() || (ia != a.rows_.end() && ia->first < ib->first)) {
      y = ia->first, ra = &ia->second, ++ia;
    } else if (ia == a.rows_.end() || ib->first < ia->first) {
      y = ib->first, rb = &ib->second, ++ib;
    } else {
      y = ia->first, ra = &ia->second, rb = &ib->second, ++ia, ++ib;
    }
    Runs row = CombineRow(*ra, *rb, mode);
    if (!row.empty()) out.rows_[y] = std::move(row);
  }
  return out;
}

bool Region::Contains(Point p) const {
  auto it = rows_.find(p.y);
  if (it == rows_.end()) return false;
  for (auto& r : it->second)
    if (p.x >= r.x0 && p.x < r.x1) return true;
  return false;
}

Rect Region::Bounds() const {
  Rect b;
  for (auto& [y, runs] : rows_) b = b.Union({runs.front().x0, y, runs.back().x1, y + 1});
  return b;
}

std::vector<Rect> Region::Rects() const {
  std::vector<Rect> out;
  const Runs* prev = nullptr;
  int prevY = 0;
  size_t bandStart = 0;
  for (auto& [y, runs] : rows_) {
    if (prev && y == prevY + 1 && *prev == runs) {
      for (size_t i = bandStart; i < out.size(); ++i) out[i].bottom = y + 1;
    } else {
      bandStart = out.size();
      for (auto& r : runs) out.push_back({r.x0, y, r.x1, y + 1});
    }
    prev = &runs;
    prevY = y;
  }
  return out;
}

Region Region::Offset(int dx, int dy) const {
  Region g;
  for (auto& [y, runs] : rows_) {
    Runs moved = runs;
    for (auto& r : moved) r.x0 += dx, r.x1 += dx;
    g.rows_[y + dy] = std::move(moved);
  }
  return g;
}

}  // namespace vl
