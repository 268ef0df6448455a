// Scenarios of the inference page: the example and detail message boxes, and the fixed figure.
#include <gtest/gtest.h>

#include "support/script_fixture.h"
#include "topics/sets/page_json.h"

namespace vl::testing {
namespace {

std::vector<std::string> MessageTexts(const Json& state) {
  std::vector<std::string> out;
  for (const auto& m : state["messages"].AsArray()) {
    EXPECT_EQ(m["caption"].AsString(), "Velorin");
    out.push_back(m["text"].AsString());
  }
  return out;
}

TEST(InductPage, EachRadioShowsItsExampleEveryTimeItIsClicked) {
  ScriptRun run("command 2778\npress 126\npress 126\npress 127\npress 128\npress 129\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const std::string a = "「人は動物である 」\n 彼は人である \n ゆえに、彼は動物である(○)";
  EXPECT_EQ(MessageTexts(run.state()),
            (std::vector<std::string>{
                a, a,
                "「犯人はそのとき現場にいる」 \n 彼はそのとき現場にいなかった \n "
                "ゆえに、彼は犯人でない (○)",
                "「力士は力が強い」 \n 彼は力が強い  \n ゆえに、彼は力士である (X)",
                "「猫は動物である」 \n 人は猫でない \n ゆえに、人は動物でない (X)"}));
  // The examples change nothing on the page.
  EXPECT_EQ(run.top()["paints"].AsInt(), 1);
}

TEST(InductPage, DetailShowsBothReadingsInOrder) {
  ScriptRun run("command 2778\npress 1005\n");
  EXPECT_EQ(
      MessageTexts(run.state()),
      (std::vector<std::string>{
          "「ｐならばｑである」が真である。\nすなわち\n「ｐのすべての元がｑの元である」\n"
          "すなわち\n集合｛ｐ｝は集合｛ｑ｝に含まれる。",
          "「ｐならばｑである」が真であることの証明\n⇒ｐのすべての元がｑの元であることを示す。"
          "\n\n「ｐならばｑである」が偽であることの証明\n⇒ｐのある元がｑの元でないことを示す。"
          "（反例）"}));
}

TEST(InductPage, OpensWithNoRadioCheckedAndTheFigure) {
  ScriptRun run("command 2778\n");
  const Json& w = run.top();
  EXPECT_EQ(w["title"].AsString(), "推   論");
  for (int id = 126; id <= 129; ++id) EXPECT_FALSE(FindControl(w, id)["checked"].AsBool());
  // Client 484 x 290: X = 13, Y = 290 / 12 - 1 = 23.
  auto ellipses = OpsNamed(w, "ellipse");
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(RectOf((*ellipses[0])["rect"]), (Rect{46, 161, 184, 276}));  // {q}
  EXPECT_EQ(RectOf((*ellipses[1])["rect"]), (Rect{69, 184, 115, 230}));  // {p}
  EXPECT_EQ((*ellipses[1])["pen"]["width"].AsInt(), 2);
  const Json& p = FindText(w, "{p}");
  EXPECT_EQ(p["x"].AsInt(), 4 * 23 - 13);
  EXPECT_EQ(p["y"].AsInt(), 8 * 23);
  // The case marks fall where the figure says: a) inside {p}, c) and d) in {q} outside {p},
  // b) outside {q}.
  auto at = [&](const char* s) {
    return Point{FindText(w, s)["x"].AsInt(), FindText(w, s)["y"].AsInt()};
  };
  auto inside = [](Rect r, Point pt) {
    const double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
    const double dx = (pt.x - cx) / (r.Width() / 2.0), dy = (pt.y + 8 - cy) / (r.Height() / 2.0);
    return dx * dx + dy * dy < 1;
  };
  const Rect q{46, 161, 184, 276}, pr{69, 184, 115, 230};
  EXPECT_TRUE(inside(pr, at("･a)")));
  EXPECT_FALSE(inside(q, at("･b)")));
  EXPECT_TRUE(inside(q, at("･c)")) && !inside(pr, at("･c)")));
  EXPECT_TRUE(inside(q, at("･d)")) && !inside(pr, at("･d)")));
  EXPECT_EQ(FindText(w, "c),d)は正しくないので")["color"].AsString(), "#ff0000");
}

TEST(InductPage, DrillOpens) {
  ScriptRun run("command 2778\npress 133\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 110);
}

}  // namespace
}  // namespace vl::testing
