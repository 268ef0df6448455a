// A window's JSON state less what a refused press may still change: the focus, and the check
// marks of radio buttons (an automatic radio button checks itself before its handler runs).
#pragma once
#include <utility>

#include "platform/script/json.h"

namespace vl::testing {

inline Json Comparable(Json w) {
  w.Erase("focus");
  Json::Array controls;
  for (auto c : w["controls"].AsArray()) {
    if (c["kind"].AsString() == "radio") c.Erase("checked");
    controls.push_back(std::move(c));
  }
  w.Set("controls", Json(std::move(controls)));
  return w;
}

}  // namespace vl::testing
