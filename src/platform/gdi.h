// Drawing values: fonts, pens and brushes are plain values; a Dc selects them.
#pragma once
#include <string>

#include "platform/color.h"

namespace vl {

struct Font {
  std::u16string face = u"system";
  int height = 16;    // character cell height in pixels
  int weight = 400;   // 400 normal, 700 bold
  int charset = 0;    // 0 ANSI, 128 Shift-JIS (kept for the record; drawing ignores it)
  friend bool operator==(const Font&, const Font&) = default;
};

enum class PenStyle { kSolid, kDot, kNull };

struct Pen {
  PenStyle style = PenStyle::kSolid;
  int width = 1;
  Color color = colors::kBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { kSolid, kHollow, kBDiagonal };

struct Brush {
  BrushStyle style = BrushStyle::kSolid;
  Color color = colors::kWhite;
  friend bool operator==(const Brush&, const Brush&) = default;
};

enum class BkMode { kTransparent, kOpaque };

struct TextMetrics {
  int height = 16;
  int aveCharWidth = 8;
  int externalLeading = 0;
  int ascent = 14;
};

inline Pen SolidPen(Color c, int width = 1) { return Pen{PenStyle::kSolid, width, c}; }
inline Brush SolidBrush(Color c) { return Brush{BrushStyle::kSolid, c}; }
inline Brush HollowBrush() { return Brush{BrushStyle::kHollow, colors::kBlack}; }
inline Brush HatchBrush(Color c) { return Brush{BrushStyle::kBDiagonal, c}; }

// The platform's names of the stock icons a page can draw.
enum class Icon { kApplication, kExclamation };

}  // namespace vl
