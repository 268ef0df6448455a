// Scenarios of the number-of-elements page through the scripted host.
#include <gtest/gtest.h>

#include "support/script_fixture.h"
#include "topics/sets/page_json.h"

namespace vl::testing {
namespace {

const std::string kOpen = "command 2787\n";

std::string AnswerLine(const Json& window) {
  for (const auto& t : Texts(window))
    if (t.rfind("黄色の部分: ", 0) == 0) return t;
  return {};
}

bool Checked(const Json& window, int id) { return FindControl(window, id)["checked"].AsBool(); }

TEST(SetPage, OpensOnTheGirlsWithTheDefaultClass) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(w["title"].AsString(), "集  合");
  EXPECT_EQ(FindControl(w, 122)["text"].AsString(), "50");
  EXPECT_EQ(FindControl(w, 123)["text"].AsString(), "24");
  EXPECT_EQ(FindControl(w, 124)["text"].AsString(), "10");
  EXPECT_EQ(FindControl(w, 125)["text"].AsString(), "6");
  for (int id = 122; id <= 125; ++id) EXPECT_EQ(FindControl(w, id)["maxlength"].AsInt(), 5);
  EXPECT_TRUE(Checked(w, 126));
  EXPECT_EQ(Texts(w), (std::vector<std::string>{"クラス 50", "男子 24", "女子", "眼鏡 10", "6",
                                                "黄色の部分: 50 -24 = 26 (人)"}));

  // Client 522 x 278: units 10 and 19. Labels sit in their regions of the diagram.
  EXPECT_EQ(FindText(w, "クラス 50")["x"].AsInt(), 50);
  EXPECT_EQ(FindText(w, "クラス 50")["y"].AsInt(), 76);
  EXPECT_EQ(FindText(w, "6")["x"].AsInt(), 140);
  EXPECT_EQ(FindText(w, "6")["color"].AsString(), "#ff00ff");
  EXPECT_EQ(FindText(w, "黄色の部分: 50 -24 = 26 (人)")["color"].AsString(), "#ff0000");

  // Yellow universe with the boys' ellipse painted white over it.
  const auto& ops = w["ops"].AsArray();
  ASSERT_GE(ops.size(), 3u);
  EXPECT_EQ(ops[1]["op"].AsString(), "rectangle");
  EXPECT_EQ(ops[1]["brush"]["color"].AsString(), "#ffff00");
  EXPECT_EQ(ops[2]["op"].AsString(), "ellipse");
  EXPECT_EQ(RectOf(ops[2]["rect"]), (Rect{20, 95, 180, 209}));
  EXPECT_EQ(ops[2]["brush"]["color"].AsString(), "#ffffff");
}

TEST(SetPage, EachChoiceGivesItsAnswer) {
  struct {
    int radio;
    const char* answer;
  } cases[] = {{127, "黄色の部分: 10 -6 = 4 (人)"},
               {128, "黄色の部分: 50 -10 = 40 (人)"},
               {129, "黄色の部分: 50 -(24+10-6) = 22 (人)"},
               {126, "黄色の部分: 50 -24 = 26 (人)"}};
  for (const auto& c : cases) {
    ScriptRun run(kOpen + "press " + std::to_string(c.radio) + "\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_EQ(AnswerLine(run.top()), c.answer);
    EXPECT_EQ(run.top()["paints"].AsInt(), 2) << c.radio;  // a click on the checked one too
  }
}

TEST(SetPage, GirlsWithGlassesPaintOnlyThatSetYellowOnWhite) {
  ScriptRun run(kOpen + "press 127\n");
  const auto& ops = run.top()["ops"].AsArray();
  std::vector<std::string> fills;
  for (const auto& op : ops)
    if (op["op"].AsString() == "fill_rect" || op["op"].AsString() == "ellipse")
      fills.push_back(op["op"].AsString() + " " + op["brush"]["color"].AsString());
  EXPECT_EQ(fills,
            (std::vector<std::string>{"fill_rect #ffffff", "ellipse #ffff00", "ellipse #ffffff"}));
}

TEST(SetPage, ClassSizeSevenIsRefusedAndEightAccepted) {
  ScriptRun refused(kOpen + "type 122 7\ntype 123 0\ntype 124 0\ntype 125 0\npress 128\n");
  EXPECT_EQ(refused.top()["focus"].AsInt(), 122);
  EXPECT_EQ(refused.top()["paints"].AsInt(), 1);

  ScriptRun accepted(kOpen + "type 122 8\ntype 123 0\ntype 124 0\ntype 125 0\npress 128\n");
  EXPECT_EQ(AnswerLine(accepted.top()), "黄色の部分: 8 -0 = 8 (人)");
}

TEST(SetPage, MoreGirlsWithGlassesThanGirlsIsRefusedAtTheLastBox) {
  ScriptRun refused(kOpen + "type 124 30\ntype 125 0\npress 126\n");
  EXPECT_EQ(refused.top()["focus"].AsInt(), 125);
  EXPECT_EQ(refused.top()["paints"].AsInt(), 1);

  ScriptRun accepted(kOpen + "type 124 30\ntype 125 4\npress 127\n");
  EXPECT_EQ(AnswerLine(accepted.top()), "黄色の部分: 30 -4 = 26 (人)");
  EXPECT_FALSE(FindText(accepted.top(), "眼鏡 30").IsNull());
}

TEST(SetPage, ARefusalStoresNoneOfTheFourCounts) {
  // A new class size, then glasses beyond it: refused at 124, and a later repaint still shows
  // the counts of the last accepted read, never a mix such as "10 -24 = -14".
  ScriptRun run(kOpen + "type 122 40\ntype 124 45\npress 129\nexpose\n");
  const Json& w = run.top();
  EXPECT_EQ(w["focus"].AsInt(), 124);
  EXPECT_TRUE(Checked(w, 129));  // the choice follows the click
  EXPECT_EQ(Texts(w), (std::vector<std::string>{"クラス 50", "男子 24", "女子", "眼鏡 10", "6",
                                                "黄色の部分: 50 -(24+10-6) = 22 (人)"}));

  ScriptRun mix(kOpen + "type 122 10\npress 126\nexpose\n");
  EXPECT_EQ(mix.top()["focus"].AsInt(), 123);
  EXPECT_EQ(AnswerLine(mix.top()), "黄色の部分: 50 -24 = 26 (人)");
}

TEST(SetPage, NumbersBeyondSixteenBitsAreRefused) {
  ScriptRun run(kOpen + "type 123 40000\npress 127\n");
  EXPECT_EQ(run.top()["focus"].AsInt(), 123);
  EXPECT_EQ(run.top()["paints"].AsInt(), 1);
  // A sixth digit cannot be typed.
  ScriptRun longer(kOpen + "type 122 123456\n");
  EXPECT_EQ(FindControl(longer.top(), 122)["text"].AsString(), "12345");
}

TEST(SetPage, DrillOpensTheSetBasicsDrill) {
  ScriptRun run(kOpen + "press 133\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 110);
}

}  // namespace
}  // namespace vl::testing
