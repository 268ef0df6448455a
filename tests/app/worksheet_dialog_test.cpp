#include <gtest/gtest.h>

#include "support/script_fixture.h"

namespace vl::testing {
namespace {

TEST(WorksheetDialog, TheFileMenuOpensItAndItsButtonsHandTheOptionsToTheHost) {
  ScriptRun run(
      "time 777\ncommand 32791\npress 150\npress 150\npress 151\n"
      "type 170 5\ntype 171 2\ntype 172 小テスト\npress 181\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["template"].AsInt(), 125);
  EXPECT_EQ(FindControl(top, 150)["kind"].AsString(), "check");
  EXPECT_EQ(FindControl(top, 150)["text"].AsString(), "場合の数１");
  EXPECT_TRUE(FindControl(top, 150)["checked"].AsBool());  // pressed twice
  EXPECT_FALSE(FindControl(top, 151)["checked"].AsBool());
  const auto& sheets = run.state()["worksheets"].AsArray();
  ASSERT_EQ(sheets.size(), 1u);
  EXPECT_EQ(sheets[0].Dump(),
            "{\"output\":\"pdf\",\"drills\":[2769,2771,2772,2775,2776,2777,2778,2779,2781,2782,"
            "2787],\"count\":5,\"seed\":777,\"versions\":2,\"title\":\"小テスト\",\"pages\":4}");
}

TEST(WorksheetDialog, BadValuesAreRefusedWithAMessageAndTheFocusOnThem) {
  std::string uncheckAll;
  for (int id = 150; id <= 161; ++id) uncheckAll += "press " + std::to_string(id) + "\n";
  struct Case {
    std::string lines;
    int focus;
  };
  for (const Case& c :
       {Case{"type 170 0\n", 170}, Case{"type 170 4a\n", 170}, Case{"type 171 11\n", 171},
        Case{"type 173 4294967296\n", 173}, Case{uncheckAll, 150}}) {
    ScriptRun run("command 32791\n" + c.lines + "press 180\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_EQ(run.state().Find("worksheets"), nullptr) << c.lines;
    EXPECT_EQ(run.state()["messages"].AsArray().size(), 1u) << c.lines;
    EXPECT_EQ(run.top()["focus"].AsInt(), c.focus) << c.lines;
  }
}

}  // namespace
}  // namespace vl::testing
