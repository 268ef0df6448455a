#include <gtest/gtest.h>

#include "support/script_fixture.h"

namespace vl::testing {
namespace {

TEST(About, CommandOpensTemplate100) {
  ScriptRun run("command 57664\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["kind"].AsString(), "dialog");
  EXPECT_EQ(top["template"].AsInt(), 100);
  EXPECT_EQ(top["title"].AsString(), "バージョン情報 Velorin");
  EXPECT_EQ(top["client"].Dump(), "[340,124]");
  bool version = false;
  for (auto& c : top["controls"].AsArray())
    if (c["kind"].AsString() == "static" && c["text"].AsString() == "Velorin, Version 3.0")
      version = true;
  EXPECT_TRUE(version);
  const Json& ok = FindControl(top, 1);
  EXPECT_EQ(ok["kind"].AsString(), "button");
  EXPECT_EQ(ok["text"].AsString(), "OK");
  EXPECT_TRUE(ok["default"].AsBool());
  EXPECT_EQ(ok["rect"].Dump(), "[226,82,100,28]");
}

TEST(About, OkClosesItAndTheMainViewIsTopAgain) {
  ScriptRun run("command 57664\npress 1\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.state()["windows"].AsArray().size(), 1u);
  EXPECT_EQ(run.top()["kind"].AsString(), "view");
}

TEST(Startup, CaptionAndLevel) {
  ScriptRun run("");
  EXPECT_EQ(run.state()["caption"].AsString(), "無題 - Velorin");
  EXPECT_EQ(run.state()["level"].AsInt(), 1);
  EXPECT_EQ(run.state()["checked"].Dump(), "[32788]");
  EXPECT_EQ(run.top()["client"].Dump(), "[800,600]");
}

TEST(Startup, MenuCommandsNeedTheMainWindow) {
  ScriptRun run("command 57664\ncommand 57664\n");
  EXPECT_EQ(run.status(), 2);
  EXPECT_EQ(run.error(),
            "velorin: script line 2: command: a dialog is open; menu commands reach the main "
            "window only");
  ScriptRun unknown("command 12\n");
  EXPECT_EQ(unknown.error(), "velorin: script line 1: command: no command 12");
}

}  // namespace
}  // namespace vl::testing
