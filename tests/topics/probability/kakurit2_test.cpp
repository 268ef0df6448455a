#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/script_fixture.h"

namespace vl::testing {
namespace {

// Template 115 gives a client of 492 x 264: U = 492 / 52 + 2, V = 264 / 17 + 1.
constexpr int kU = 11, kV = 16;

const Json& TextOp(const Json& window, const std::string& s) { return FindText(window, s); }

bool Has(const Json& window, const std::string& s) { return !TextOp(window, s).IsNull(); }

// Dice drawn with their top edge at y.
int DiceOnRow(const Json& window, int y) {
  int n = 0;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "polygon" && op["points"].AsArray()[0].AsArray()[1].AsInt() == y)
      ++n;
  return n;
}

std::vector<std::string> TextsAtX(const Json& window, int x) {
  std::vector<std::string> out;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "text" && op["x"].AsInt() == x) out.push_back(op["text"].AsString());
  return out;
}

TEST(TwoDice, StartValueEight) {
  ScriptRun run("command 2781\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["client"].Dump(), "[492,264]");
  EXPECT_EQ(top["title"].AsString(), "確   率");
  EXPECT_EQ(FindControl(top, 114)["text"].AsString(), "8");
  EXPECT_EQ(FindControl(top, 114)["maxlength"].AsInt(), 5);
  EXPECT_EQ(FindControl(top, 150)["text"].AsString(), "間違い");
  EXPECT_TRUE(Has(top, "目の和が 8になるのは、"));
  EXPECT_TRUE(Has(top, "の 5通り。よって"));
  EXPECT_EQ(DiceOnRow(top, 13 * kV), 10);
  EXPECT_FALSE(Has(top, "=──"));
  // The grid of all 36 outcomes: 72 dice on six rows.
  for (int r = 0; r < 6; ++r) EXPECT_EQ(DiceOnRow(top, (4 + r) * kV), 12) << r;
}

TEST(TwoDice, SumSevenReduces) {
  ScriptRun run("command 2781\ntype 114 7\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_TRUE(Has(top, "の 6通り。よって"));
  EXPECT_EQ(DiceOnRow(top, 13 * kV), 12);
  const Json& eq = TextOp(top, "=──");
  ASSERT_FALSE(eq.IsNull());
  EXPECT_EQ(eq["x"].AsInt(), 24 * kU);
  EXPECT_EQ(TextsAtX(top, 21 * kU + 8), (std::vector<std::string>{"6"}));
  EXPECT_EQ(TextsAtX(top, 26 * kU + 8), (std::vector<std::string>{"1", "6"}));
}

TEST(TwoDice, SumTwoAndOutOfRange) {
  ScriptRun two("command 2781\ntype 114 2\npress 101\n");
  ASSERT_EQ(two.status(), 0) << two.error();
  EXPECT_TRUE(Has(two.top(), "の 1通り。よって"));
  EXPECT_TRUE(Has(two.top(), "36"));
  EXPECT_FALSE(Has(two.top(), "=──"));

  ScriptRun none("command 2781\ntype 114 13\npress 101\n");
  ASSERT_EQ(none.status(), 0) << none.error();
  EXPECT_TRUE(Has(none.top(), "の 0通り。よって"));
  EXPECT_EQ(TextsAtX(none.top(), 21 * kU + 8), (std::vector<std::string>{"0"}));
  EXPECT_EQ(DiceOnRow(none.top(), 13 * kV), 0);
  EXPECT_FALSE(Has(none.top(), "=──"));
}

TEST(TwoDice, UnorderedPairsPage) {
  ScriptRun run("command 2781\npress 150\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_TRUE(Has(top, "6+5+4+3+2+1 = 21通り"));
  EXPECT_TRUE(Has(top, "どの起る場合も同様に確からしいことが大切！"));
  int dice = 0;
  for (int a = 1; a <= 6; ++a) {
    EXPECT_EQ(DiceOnRow(top, (a + 3) * kV), 2 * (7 - a)) << a;
    dice += DiceOnRow(top, (a + 3) * kV);
  }
  EXPECT_EQ(dice, 42);
  // "開始" goes back to the normal page.
  ScriptRun back("command 2781\npress 150\npress 101\n");
  EXPECT_TRUE(Has(back.top(), "6 X 6 = 36通り"));
}

TEST(TwoDice, RefusedEntryKeepsEverything) {
  for (const char* bad : {"1a", "-7", "99999"}) {
    ScriptRun run(std::string("command 2781\npress 150\ntype 114 ") + bad + "\npress 101\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    const Json& top = run.top();
    EXPECT_EQ(top["focus"].AsInt(), 114) << bad;
    EXPECT_TRUE(Has(top, "6+5+4+3+2+1 = 21通り")) << bad;  // still the alternate page
    EXPECT_EQ(top["paints"].AsInt(), 2) << bad;
  }
}

TEST(Tournament, ModeOneTexts) {
  ScriptRun run("command 2782\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  EXPECT_EQ(top["title"].AsString(), "発想の転換");
  EXPECT_EQ(FindControl(top, 1000)["text"].AsString(), "不戦勝者が最小になるように、出場者の人数");
  EXPECT_EQ(FindControl(top, 152)["text"].AsString(), "のﾄｰﾅﾒﾝﾄ試合を組むとき、試合数はいくつか。");
  EXPECT_EQ(FindControl(top, 150)["text"].AsString(), "ひらめき");
}

TEST(Tournament, EightEntrants) {
  ScriptRun run("command 2782\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  const int y0 = 6 * kV;
  const Json& total = TextOp(top, "7試合");
  ASSERT_FALSE(total.IsNull());
  EXPECT_EQ(total["y"].AsInt(), y0 + 4 * kV);
  EXPECT_EQ(total["color"].AsString(), "#ff0000");
  // No label on the row of byes; then 4, 2 and 1 games on the rows above.
  std::vector<std::string> labels;
  std::vector<int> rows;
  for (auto& op : top["ops"].AsArray())
    if (op["op"].AsString() == "text" && op["x"].AsInt() == 33 * kU &&
        op["y"].AsInt() < y0 + 4 * kV) {
      labels.push_back(op["text"].AsString());
      rows.push_back(op["y"].AsInt());
    }
  EXPECT_EQ(labels, (std::vector<std::string>{"4試合", "2試合", "1試合"}));
  EXPECT_EQ(rows, (std::vector<int>{y0 + 2 * kV, y0 + kV, y0}));
}

TEST(Tournament, FiveEntrants) {
  ScriptRun run("command 2782\ntype 114 5\npress 101\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& top = run.top();
  const int y0 = 6 * kV;
  EXPECT_EQ(TextOp(top, "4試合")["y"].AsInt(), y0 + 3 * kV);
  std::vector<std::string> labels;
  for (auto& op : top["ops"].AsArray())
    if (op["op"].AsString() == "text" && op["x"].AsInt() == 33 * kU)
      labels.push_back(op["text"].AsString());
  EXPECT_EQ(labels, (std::vector<std::string>{"4試合", "1試合", "2試合", "1試合"}));
}

TEST(Tournament, InsightAndLimit) {
  ScriptRun insight("command 2782\npress 150\n");
  ASSERT_EQ(insight.status(), 0) << insight.error();
  EXPECT_TRUE(Has(insight.top(), "(8-1)試合が総試合数となる。"));
  EXPECT_EQ(TextOp(insight.top(), "(重要)")["color"].AsString(), "#ff0000");

  for (const char* n : {"65", "1", "0"}) {
    ScriptRun run(std::string("command 2782\ntype 114 ") + n + "\npress 101\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_EQ(Texts(run.top()), (std::vector<std::string>{"試合数は６４以内です。"})) << n;
    ScriptRun alt(std::string("command 2782\ntype 114 ") + n + "\npress 101\npress 150\n");
    EXPECT_EQ(Texts(alt.top()), (std::vector<std::string>{"試合数は６４以内です。"})) << n;
  }
}

TEST(Tournament, DrillOpensOverTheTopic) {
  ScriptRun run("command 2782\npress 133\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 110);
  EXPECT_EQ(run.state()["windows"].AsArray().size(), 3u);
}

}  // namespace
}  // namespace vl::testing
