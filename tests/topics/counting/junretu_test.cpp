// The permutation page (498 x 276 client, units 10 x 15), linear and circular.
#include <set>

#include "counting_fixture.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2771\n";

std::string TakeText(const Json& w) { return FindControl(w, 152)["text"].AsString(); }

bool Circular(const Json& w) {
  for (auto& t : Texts(w))
    if (t.find("通り同じ") != std::string::npos) return true;
  return false;
}

TEST(Junretu, OpensWithTwoPTwo) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(FindControl(w, 105)["text"].AsString(), "2");
  EXPECT_EQ(FindControl(w, 106)["text"].AsString(), "2");
  EXPECT_EQ(At(FindText(w, "= 2*1 = 2")), "[70,165]");
  EXPECT_EQ(At(FindText(w, "<<■に入る場合の数>>")), "[40,202]");
  EXPECT_EQ(At(FindText(w, " 2")), "[40,223]");
  EXPECT_EQ(At(FindText(w, " 1")), "[70,223]");
  auto slots = OpsOf(w, "fill_rect");
  ASSERT_EQ(slots.size(), 2u);
  EXPECT_EQ((*slots[1])["rect"].Dump(), "[70,240,90,255]");
  EXPECT_FALSE(Circular(w));
  EXPECT_EQ(TakeText(w), "個をとって１列に並べる、");
}

TEST(Junretu, TenPTenLinearAndCircular) {
  std::string ten = std::string(kOpen) + "type 105 10\ntype 106 10\n";
  ScriptRun linear(ten + "press 101\n");
  EXPECT_EQ(At(FindText(linear.top(), "= 10*9*8*7*6*5*4*3*2*1 = 3628800")), "[70,165]");
  EXPECT_EQ(OpsOf(linear.top(), "fill_rect").size(), 10u);
  EXPECT_EQ(TakeText(linear.top()), "個をとって１列に並べる");

  ScriptRun circ(ten + "press 161\n");
  const Json& w = circ.top();
  EXPECT_EQ(TakeText(w), "個をとって円形に並べる");
  EXPECT_EQ(At(FindText(w, "/10")), "[50,165]");
  EXPECT_EQ(At(FindText(w, "= 10*9*8*7*6*5*4*3*2*1/10 = 362880")), "[80,165]");
  EXPECT_EQ(FindText(w, "10通り同じ")["color"].AsString(), "#ff0000");
  EXPECT_EQ(At(FindText(w, "＝")), "[310,135]");
  // Two circles of radius 2V, then ten discs on each.
  auto ellipses = OpsOf(w, "ellipse");
  ASSERT_EQ(ellipses.size(), 22u);
  EXPECT_EQ((*ellipses[0])["rect"].Dump(), "[250,135,310,195]");
  EXPECT_EQ((*ellipses[1])["rect"].Dump(), "[330,135,390,195]");
  // Disc 0 of the left circle at 0 degrees; disc 0 of the right one turned by 36 degrees.
  EXPECT_EQ((*ellipses[2])["rect"].Dump(), "[305,160,315,170]");
  EXPECT_EQ((*ellipses[3])["rect"].Dump(), "[379,143,389,153]");
}

TEST(Junretu, OneSlotAndTheCircleOfOne) {
  std::string one = std::string(kOpen) + "type 105 5\ntype 106 1\n";
  ScriptRun linear(one + "press 101\n");
  EXPECT_FALSE(FindText(linear.top(), "= 5 = 5").IsNull());
  ScriptRun circ(one + "press 161\n");
  EXPECT_FALSE(FindText(circ.top(), "= 5/1 = 5").IsNull());
  auto e = OpsOf(circ.top(), "ellipse");
  ASSERT_EQ(e.size(), 4u);
  // 0 and 360 degrees: the same place on each circle.
  EXPECT_EQ((*e[2])["rect"].Dump(), "[305,160,315,170]");
  EXPECT_EQ((*e[3])["rect"].Dump(), "[385,160,395,170]");
}

TEST(Junretu, SlotColoursAreDrawnAtEveryPaintAndReusedOnTheCircles) {
  std::string seven = std::string(kOpen) + "type 105 9\ntype 106 7\npress 161\n";
  std::set<std::string> seen;
  ScriptRun run(seven + "expose\nexpose\n");
  ScriptRun earlier(seven);
  EXPECT_NE(run.top()["ops"].Dump(), earlier.top()["ops"].Dump());
  for (const ScriptRun* r : {&run, &earlier}) {
    auto slots = OpsOf(r->top(), "fill_rect");
    auto discs = OpsOf(r->top(), "ellipse");
    ASSERT_EQ(slots.size(), 7u);
    ASSERT_EQ(discs.size(), 16u);
    for (size_t i = 0; i < 7; ++i) {
      std::string c = (*slots[i])["brush"]["color"].AsString();
      seen.insert(c);
      EXPECT_EQ((*discs[2 + 2 * i])["brush"]["color"].AsString(), c);
      EXPECT_EQ((*discs[3 + 2 * i])["brush"]["color"].AsString(), c);
    }
  }
  EXPECT_FALSE(seen.count("#c0c0c0"));
  EXPECT_FALSE(seen.count("#a0a0a4"));
}

TEST(Junretu, CircularPageStaysUntilStartIsAccepted) {
  std::string circ = std::string(kOpen) + "type 105 4\ntype 106 4\npress 161\n";
  // Uncovering the window repaints the same page; static 152 still names it.
  ScriptRun exposed(circ + "expose\n");
  EXPECT_TRUE(Circular(exposed.top()));
  EXPECT_FALSE(FindText(exposed.top(), "= 4*3*2*1/4 = 6").IsNull());
  EXPECT_EQ(TakeText(exposed.top()), "個をとって円形に並べる");
  // A refused start keeps the circular page.
  ScriptRun refused(circ + "type 106 5\npress 101\nexpose\n");
  EXPECT_TRUE(Circular(refused.top()));
  EXPECT_EQ(TakeText(refused.top()), "個をとって円形に並べる");
  // An accepted start returns to the line.
  ScriptRun back(circ + "press 101\n");
  EXPECT_FALSE(Circular(back.top()));
  EXPECT_FALSE(FindText(back.top(), "= 4*3*2*1 = 24").IsNull());
  EXPECT_EQ(TakeText(back.top()), "個をとって１列に並べる");
}

TEST(Junretu, RefusedCircularRequestChangesNothing) {
  std::string bad = std::string(kOpen) + "type 105 0\npress 161\n";
  ExpectRefused(kOpen, "type 105 0\n", 161, 105);
  ScriptRun run(bad + "expose\n");
  EXPECT_FALSE(Circular(run.top()));
  EXPECT_FALSE(FindText(run.top(), "= 2*1 = 2").IsNull());
  EXPECT_EQ(TakeText(run.top()), "個をとって１列に並べる、");
}

TEST(Junretu, BadEntriesRefocusTheRightEditBox) {
  for (int button : {101, 161}) {
    ExpectRefused(kOpen, "type 105 3\ntype 106 4\n", button, 106);
    ExpectRefused(kOpen, "type 106 0\n", button, 106);
    ExpectRefused(kOpen, "type 105 11\n", button, 105);
    ExpectRefused(kOpen, "type 105 65535\n", button, 105);
    ExpectRefused(kOpen, "type 105 \"\"\n", button, 105);
    ExpectRefused(kOpen, "type 106 65537\n", button, 106);
    // edit 105 is examined first
    ExpectRefused(kOpen, "type 105 x\ntype 106 x\n", button, 105);
  }
}

TEST(Junretu, DrillButtonOpensTheDrill) {
  EXPECT_EQ(DrillOpenedBy(2771), std::make_pair(2771, 0));
}

}  // namespace
}  // namespace vl::testing
