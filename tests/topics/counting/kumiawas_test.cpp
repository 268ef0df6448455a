// The combination page (464 x 288 client, units 9 x 20).
#include "counting_fixture.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2772\n";

TEST(Kumiawas, OpensWithTwoCTwo) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(At(FindText(w, "=")), "[81,170]");
  EXPECT_EQ(At(FindText(w, " 2*1")), "[99,160]");
  EXPECT_EQ(At(FindText(w, " 1*2")), "[99,180]");
  EXPECT_EQ(At(FindText(w, " = 1")), "[153,170]");
  EXPECT_EQ(At(FindText(w, "★ 組合せは並べ方ではないので、その分を割る。")), "[36,220]");
  // The template formula's bar above "1･2･3･･･r" (at 220, 66), and the page's own bar.
  EXPECT_EQ(Lines(w, "#000000"), std::vector<std::string>{"[175,62]-[373,62]"});
  EXPECT_EQ(Lines(w, "#0000ff"), std::vector<std::string>{"[99,180]-[135,180]"});
}

TEST(Kumiawas, TenCTenAndFiveCThree) {
  ScriptRun ten(std::string(kOpen) + "type 105 10\ntype 106 10\npress 101\n");
  EXPECT_EQ(At(FindText(ten.top(), " 10*9*8*7*6*5*4*3*2*1")), "[99,160]");
  EXPECT_EQ(At(FindText(ten.top(), " 1*2*3*4*5*6*7*8*9*10")), "[99,180]");
  EXPECT_EQ(Lines(ten.top(), "#0000ff"), std::vector<std::string>{"[99,180]-[288,180]"});
  EXPECT_EQ(At(FindText(ten.top(), " = 1")), "[306,170]");

  ScriptRun five(std::string(kOpen) + "type 105 5\ntype 106 3\npress 101\n");
  EXPECT_FALSE(FindText(five.top(), " 5*4*3").IsNull());
  EXPECT_FALSE(FindText(five.top(), " 1*2*3").IsNull());
  EXPECT_EQ(At(FindText(five.top(), " = 10")), "[171,170]");

  ScriptRun one(std::string(kOpen) + "type 105 7\ntype 106 1\npress 101\n");
  EXPECT_FALSE(FindText(one.top(), " 7").IsNull());
  EXPECT_FALSE(FindText(one.top(), " 1").IsNull());
  EXPECT_FALSE(FindText(one.top(), " = 7").IsNull());
}

TEST(Kumiawas, BadEntriesRefocusTheRightEditBox) {
  ExpectRefused(kOpen, "type 105 3\ntype 106 0\n", 101, 106);
  ExpectRefused(kOpen, "type 105 3\ntype 106 4\n", 101, 106);
  ExpectRefused(kOpen, "type 105 11\n", 101, 105);
  ExpectRefused(kOpen, "type 105 65537\n", 101, 105);
  ExpectRefused(kOpen, "type 106 65538\n", 101, 106);
}

TEST(Kumiawas, ReopeningShowsTheInitialValues) {
  ScriptRun run(std::string(kOpen) + "type 105 5\ntype 106 3\npress 101\npress 1\n" + kOpen);
  EXPECT_EQ(FindControl(run.top(), 105)["text"].AsString(), "2");
  EXPECT_FALSE(FindText(run.top(), " 2*1").IsNull());
}

TEST(Kumiawas, DrillButtonOpensTheDrill) {
  EXPECT_EQ(DrillOpenedBy(2772), std::make_pair(2772, 0));
}

}  // namespace
}  // namespace vl::testing
