// Reading the display list of a page's JSON in these tests.
#pragma once
#include <string>
#include <vector>

#include "platform/geometry.h"
#include "platform/script/json.h"

namespace vl::testing {

// [l, t, r, b] of a shape op, or [x, y, w, h] of a control.
inline Rect RectOf(const Json& rect) {
  const auto& a = rect.AsArray();
  return {a[0].AsInt(), a[1].AsInt(), a[2].AsInt(), a[3].AsInt()};
}

// The ops of a window's last paint with this op name, in drawing order.
inline std::vector<const Json*> OpsNamed(const Json& window, const std::string& name) {
  std::vector<const Json*> out;
  for (const auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == name) out.push_back(&op);
  return out;
}

}  // namespace vl::testing
