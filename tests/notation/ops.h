// Reading a recorded display list in the notation tests.
#pragma once
#include <string>
#include <vector>

#include "platform/recording_dc.h"

namespace vl::test {

inline std::vector<TextOp> TextsOf(const DisplayList& ops) {
  std::vector<TextOp> out;
  for (const auto& op : ops)
    if (auto* t = std::get_if<TextOp>(&op)) out.push_back(*t);
  return out;
}

inline std::vector<LineOp> LinesOf(const DisplayList& ops) {
  std::vector<LineOp> out;
  for (const auto& op : ops)
    if (auto* l = std::get_if<LineOp>(&op)) out.push_back(*l);
  return out;
}

// The polyline the lines draw, as its points.
inline std::vector<Point> PolylineOf(const DisplayList& ops) {
  std::vector<Point> pts;
  for (const LineOp& l : LinesOf(ops)) {
    if (pts.empty()) pts.push_back(l.from);
    pts.push_back(l.to);
  }
  return pts;
}

inline const TextOp* FindText(const DisplayList& ops, std::u16string_view text) {
  for (const auto& op : ops)
    if (auto* t = std::get_if<TextOp>(&op); t && t->text == text) return t;
  return nullptr;
}

inline Font SerifBold(int height) { return Font{u"MS Serif", height, 700, 0}; }

}  // namespace vl::test
