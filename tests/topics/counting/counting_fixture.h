// Helpers shared by the counting topics' scenario tests.
#pragma once
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/velorin_app.h"
#include "drill/drill.h"
#include "support/script_fixture.h"

namespace vl::testing {

// [x, y] of a text op, as JSON.
inline std::string At(const Json& op) {
  return "[" + std::to_string(op["x"].AsInt()) + "," + std::to_string(op["y"].AsInt()) + "]";
}

// Line ops drawn with a pen of this colour ("#rrggbb"), as "[x,y]-[x,y]".
inline std::vector<std::string> Lines(const Json& window, const std::string& colour) {
  std::vector<std::string> out;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "line" && op["pen"]["color"].AsString() == colour)
      out.push_back(op["from"].Dump() + "-" + op["to"].Dump());
  return out;
}

// Ops of one kind ("ellipse", "fill_rect", ...).
inline std::vector<const Json*> OpsOf(const Json& window, const std::string& kind) {
  std::vector<const Json*> out;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == kind) out.push_back(&op);
  return out;
}

// Opens a topic, presses its "ドリル" and gives the drill code and sub-mode the drill got.
inline std::optional<std::pair<int, int>> DrillOpenedBy(int command) {
  ScriptHost host;
  CVelorinApp app;
  Host::SetCurrent(&host);
  std::vector<std::string> lines = {"command " + std::to_string(command), "press 133"};
  size_t next = 0;
  std::optional<std::pair<int, int>> seen;
  std::string err;
  host.Run(app, [&]() -> std::optional<std::string> {
    if (next < lines.size()) return lines[next++];
    if (auto* drill = dynamic_cast<CDrill*>(host.TopDialog()))
      seen = std::make_pair(int{drill->m_nTopic}, int{drill->m_nSubMode});
    return std::nullopt;
  }, err);
  Host::SetCurrent(nullptr);
  EXPECT_EQ(err, "");
  return seen;
}

// Types a bad entry, presses a button, and expects the focus on the edit box and no repaint.
inline void ExpectRefused(const std::string& opening, const std::string& typed, int button,
                          int focus) {
  ScriptRun before(opening);
  ScriptRun after(opening + typed + "press " + std::to_string(button) + "\n");
  ASSERT_EQ(after.status(), 0) << after.error();
  EXPECT_EQ(after.top()["focus"].AsInt(), focus) << typed;
  EXPECT_EQ(after.top()["paints"].AsInt(), before.top()["paints"].AsInt()) << typed;
  EXPECT_EQ(after.top()["ops"].Dump(), before.top()["ops"].Dump()) << typed;
}

}  // namespace vl::testing
