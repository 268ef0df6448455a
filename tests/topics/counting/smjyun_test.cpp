// The shortest-route page (502 x 254 client, units 10 x 15).
#include "counting_fixture.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2777\n";

TEST(SmJyun, OpensWithThreeByTwoBlocks) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(FindControl(w, 131)["text"].AsString(), "3");
  EXPECT_EQ(FindControl(w, 132)["text"].AsString(), "2");
  auto ground = OpsOf(w, "fill_rect");
  ASSERT_EQ(ground.size(), 1u);
  EXPECT_EQ((*ground[0])["rect"].Dump(), "[50,52,299,156]");
  EXPECT_EQ(Lines(w, "#000000").size(), 7u);  // 4 streets north-south, 3 east-west
  // East, north, east, north, east.
  EXPECT_EQ(Lines(w, "#ff0000"),
            (std::vector<std::string>{"[50,156]-[133,156]", "[133,156]-[133,104]",
                                      "[133,104]-[216,104]", "[216,104]-[216,52]",
                                      "[216,52]-[299,52]"}));
  EXPECT_EQ(At(FindText(w, "A")), "[38,150]");
  EXPECT_EQ(At(FindText(w, "B")), "[301,52]");
  EXPECT_EQ(At(FindText(w, "①②③④⑤")), "[20,180]");
  EXPECT_EQ(At(FindText(w, "の中から東西 3本を選ぶ（残りは南北）")), "[20,195]");
  EXPECT_EQ(At(FindText(w, "場合の数と考えればよいので")), "[20,210]");
  EXPECT_EQ(At(FindText(w, "C")), "[40,225]");
  EXPECT_EQ(At(FindText(w, "= 10 (通り)")), "[60,225]");
}

TEST(SmJyun, RouteAlongTheEastSideAndTheLargestGrid) {
  ScriptRun tall(std::string(kOpen) + "type 131 2\ntype 132 5\npress 101\n");
  auto route = Lines(tall.top(), "#ff0000");
  ASSERT_EQ(route.size(), 7u);
  EXPECT_EQ(route[2], "[175,136]-[300,136]");
  EXPECT_EQ(route[3], "[300,136]-[300,115]");
  EXPECT_EQ(route[6], "[300,73]-[300,52]");
  EXPECT_FALSE(FindText(tall.top(), "= 21 (通り)").IsNull());

  ScriptRun big(std::string(kOpen) + "type 131 8\ntype 132 8\npress 101\n");
  EXPECT_FALSE(FindText(big.top(), "= 12870 (通り)").IsNull());
  EXPECT_FALSE(FindText(big.top(), "①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯").IsNull());
}

TEST(SmJyun, BadEntriesRefocusTheRightEditBox) {
  ExpectRefused(kOpen, "type 131 9\ntype 132 8\n", 101, 132);
  ExpectRefused(kOpen, "type 132 1\n", 101, 132);
  ExpectRefused(kOpen, "type 132 65538\n", 101, 132);
  ExpectRefused(kOpen, "type 131 1\n", 101, 131);
  ExpectRefused(kOpen, "type 131 \"\"\n", 101, 131);
  ExpectRefused(kOpen, "type 131 65535\n", 101, 131);
}

TEST(SmJyun, DrillButtonOpensTheDrill) {
  EXPECT_EQ(DrillOpenedBy(2777), std::make_pair(2777, 0));
}

}  // namespace
}  // namespace vl::testing
