// Reading a statistics page back from its JSON: texts by position and lines joined across the
// separate pieces a helper may draw them in.
#pragma once
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "support/script_fixture.h"

namespace vl::testing {

// The texts drawn with their top at y and their left edge in [xMin, xMax), joined left to right.
inline std::string LineAt(const Json& window, int y, int xMin = 0, int xMax = 100000) {
  std::vector<std::pair<int, std::string>> parts;
  for (auto& op : window["ops"].AsArray()) {
    if (op["op"].AsString() != "text" || op["y"].AsInt() != y) continue;
    int x = op["x"].AsInt();
    if (x >= xMin && x < xMax) parts.emplace_back(x, op["text"].AsString());
  }
  std::stable_sort(parts.begin(), parts.end(), [](auto& a, auto& b) { return a.first < b.first; });
  std::string line;
  for (auto& p : parts) line += p.second;
  return line;
}

// Whether any text starts with prefix.
inline bool HasTextStarting(const Json& window, const std::string& prefix) {
  for (const std::string& t : Texts(window))
    if (t.rfind(prefix, 0) == 0) return true;
  return false;
}

// The ops of one kind with the given fill or pen colour.
inline int CountOps(const Json& window, const std::string& kind, const std::string& color) {
  int n = 0;
  for (auto& op : window["ops"].AsArray()) {
    if (op["op"].AsString() != kind) continue;
    const Json* brush = op.Find("brush");
    const Json* pen = op.Find("pen");
    if ((brush && (*brush)["color"].AsString() == color) ||
        (pen && (*pen)["color"].AsString() == color))
      ++n;
  }
  return n;
}

inline int Paints(const Json& window) { return window["paints"].AsInt(); }

}  // namespace vl::testing
