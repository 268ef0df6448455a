// The sum-rule page (532 x 298 client, units 11 x 18).
#include "counting_fixture.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2770\n";

TEST(Kazu2, OpensWithTwoDice) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(FindControl(w, 102)["text"].AsString(), "2");
  EXPECT_EQ(At(FindText(w, "2個のさいころを、Ａ，Ｂとすると、")), "[33,144]");
  EXPECT_EQ(At(FindText(w, "(1)Ａが６で他が６以外の場合の数    1*5")), "[33,162]");
  EXPECT_EQ(At(FindText(w, "(2)Ｂが６で他が６以外の場合の数    5*1")), "[33,180]");
  const Json& remark = FindText(w, "これらの事柄はお互い同時に起らないので、");
  EXPECT_EQ(At(remark), "[33,198]");
  EXPECT_EQ(remark["color"].AsString(), "#ff0000");
  EXPECT_EQ(At(FindText(w, "(1)+(2) = 10通り")), "[33,234]");
  EXPECT_TRUE(w["timers"].AsArray().empty());
}

TEST(Kazu2, OneAndFourDice) {
  ScriptRun one(std::string(kOpen) + "type 102 1\npress 101\n");
  const Json& w1 = one.top();
  EXPECT_FALSE(FindText(w1, "1個のさいころを、Ａとすると、").IsNull());
  EXPECT_FALSE(FindText(w1, "(1)Ａが６で他が６以外の場合の数    1").IsNull());
  EXPECT_TRUE(FindText(w1, "これらの事柄はお互い同時に起らないので、").IsNull());
  EXPECT_EQ(At(FindText(w1, "(1) = 1通り")), "[33,216]");

  ScriptRun four(std::string(kOpen) + "type 102 4\npress 101\n");
  const Json& w4 = four.top();
  EXPECT_FALSE(FindText(w4, "4個のさいころを、Ａ，Ｂ，Ｃ，Ｄとすると、").IsNull());
  EXPECT_EQ(At(FindText(w4, "(4)Ｄが６で他が６以外の場合の数    5*5*5*1")), "[33,216]");
  EXPECT_EQ(At(FindText(w4, "これらの事柄はお互い同時に起らないので、")), "[33,234]");
  // The sum line stays inside the yellow box, which ends at 16 rows (288).
  EXPECT_EQ(At(FindText(w4, "(1)+(2)+(3)+(4) = 500通り")), "[33,270]");
  EXPECT_EQ((*OpsOf(w4, "rectangle")[0])["rect"].Dump(), "[11,144,440,288]");
}

TEST(Kazu2, BadEntriesOnlyRefocusTheEditBox) {
  for (std::string bad : {"0", "5", "x", "\"\"", "65537"})
    ExpectRefused(kOpen, "type 102 " + bad + "\n", 101, 102);
}

TEST(Kazu2, DrillButtonOpensTheDrill) {
  // This drill replaces the sub-mode by a draw of its own.
  auto drill = DrillOpenedBy(2770);
  ASSERT_TRUE(drill.has_value());
  EXPECT_EQ(drill->first, 2770);
}

}  // namespace
}  // namespace vl::testing
