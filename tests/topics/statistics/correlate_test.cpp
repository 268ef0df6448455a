#include <gtest/gtest.h>

#include <string>

#include "page_text.h"
#include "topics/statistics/correlate_logic.h"

namespace vl {
namespace {

using testing::FindControl;
using testing::FindText;
using testing::LineAt;
using testing::Paints;
using testing::ScriptRun;

// Template 118 in the scripted host: 700 x 458 pixels, so ux = 7, uy = 12 and top = 36.
constexpr int ux = 7, uy = 12, top = 36;
constexpr const char* kJunior = "command 32787\ncommand 32789\n";
constexpr const char* kSenior = "command 32788\ncommand 32789\n";

std::string ClickCell(int c, int r) {
  return "click " + std::to_string(40 + 6 * ux * (c + 1) + 3 * ux) + " " +
         std::to_string(top + uy * (r + 1) + uy / 2) + "\n";
}
std::string SetCell(int c, int r, const std::string& text) {
  return ClickCell(c, r) + "type 114 " + text + "\n";
}
// Every cell set to 0 except those the caller sets afterwards.
std::string ClearTable() {
  std::string s;
  for (int c = 0; c < 5; ++c)
    for (int r = 0; r < 5; ++r) s += SetCell(c, r, "0");
  return s;
}

TEST(CorrelateLogic, InitialTableHasTheWorkedMargins) {
  correlate::Sums s = correlate::SumsOf(correlate::InitialTable());
  EXPECT_EQ(s.maths.n, (std::array<int32_t, 5>{10, 15, 24, 25, 30}));
  EXPECT_EQ(s.science.n, (std::array<int32_t, 5>{14, 15, 20, 25, 30}));
  EXPECT_EQ(s.maths.total, 104);
  EXPECT_EQ(s.science.total, 104);
  EXPECT_EQ(s.science.sumU, 42);
  EXPECT_EQ(s.maths.sumU, 50);
  EXPECT_EQ(s.science.sumU2, 216);
  EXPECT_EQ(s.maths.sumU2, 200);
  EXPECT_EQ(s.science.sumUCross, 0);
  EXPECT_EQ(s.maths.sumUCross, 0);
}

TEST(CorrelateLogic, LargeCountsKeepTheirSumsIn32Bits) {
  correlate::Table t{};
  t.fill(999);
  correlate::Sums s = correlate::SumsOf(t);
  EXPECT_EQ(s.maths.total, 24975);
  EXPECT_EQ(s.science.sumU2, 49950);
  EXPECT_EQ(s.maths.nu2[0], 19980);
  EXPECT_DOUBLE_EQ(correlate::MeanScore(s.maths.sumU, s.maths.total), 75.0);
}

TEST(CorrelateLogic, CoefficientAndVerdict) {
  correlate::Table diagonal{}, anti{};
  for (int k = 0; k < 5; ++k) {
    diagonal[5 * k + k] = 3;
    anti[5 * k + (4 - k)] = 3;
  }
  auto up = correlate::CoefficientOf(correlate::SumsOf(diagonal));
  ASSERT_TRUE(up.hasR);
  EXPECT_NEAR(up.r, 1.0, 1e-12);
  EXPECT_EQ(correlate::Verdict(up.r), u"正の相関が認められる。");
  auto down = correlate::CoefficientOf(correlate::SumsOf(anti));
  EXPECT_NEAR(down.r, -1.0, 1e-12);
  EXPECT_EQ(correlate::Verdict(down.r), u"負の相関が認められる。");
  EXPECT_EQ(correlate::Verdict(0.5), u"相関が認められない。");
  EXPECT_EQ(correlate::Verdict(-0.5), u"相関が認められない。");

  // No pupils, or every pupil in one class of a subject: no coefficient, and no NaN anywhere.
  auto none = correlate::CoefficientOf(correlate::SumsOf(correlate::Table{}));
  EXPECT_FALSE(none.hasR);
  EXPECT_EQ(none.xbar, 0.0);
  EXPECT_EQ(none.sx2, 0.0);
  correlate::Table column{};
  for (int r = 0; r < 5; ++r) column[5 * 2 + r] = 4;
  EXPECT_FALSE(correlate::CoefficientOf(correlate::SumsOf(column)).hasR);
}

TEST(CorrelateLogic, CellCountsAreWholeNumbersUpTo999) {
  EXPECT_EQ(correlate::ReadCellCount(u"0"), 0);
  EXPECT_EQ(correlate::ReadCellCount(u"999"), 999);
  EXPECT_EQ(correlate::ReadCellCount(u"1000"), std::nullopt);
  EXPECT_EQ(correlate::ReadCellCount(u""), std::nullopt);
  EXPECT_EQ(correlate::ReadCellCount(u"-3"), std::nullopt);
  EXPECT_EQ(correlate::ReadCellCount(u"7x"), std::nullopt);
  EXPECT_EQ(correlate::ReadCellCount(u"70000"), std::nullopt);
}

TEST(CorrelatePage, JuniorLevelShowsTheMeansAndTheCount) {
  ScriptRun run(kJunior);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  const int b = top + 11 * uy;
  EXPECT_EQ(LineAt(w, b + 2 * uy),
            "数学の平均=75+10(50)/(104)=79.8  理科の平均=75+10(42)/(104)=79.0");
  EXPECT_EQ(LineAt(w, b + 6 * uy), "1+6+3+4+3+4+5+5+6+7=44");
  EXPECT_EQ(FindText(w, "1+6+3+4+3+4+5+5+6+7=44")["color"].AsString(), "#0000ff");
  EXPECT_TRUE(FindText(w, " ∑x").IsNull());
  EXPECT_TRUE(FindText(w, "相関が認められない。").IsNull());
}

TEST(CorrelatePage, SeniorLevelWorksOutTheCoefficient) {
  ScriptRun run(kSenior);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  const int o = top + 13 * uy, m = o + 7 * uy / 2 + uy / 2, nr = m + 3 * uy / 2 + uy / 2;
  EXPECT_EQ(LineAt(w, o + 2 * uy, 0, 42 * ux), "x=42/104=0.404");
  EXPECT_EQ(LineAt(w, o + 2 * uy, 42 * ux), "y=50/104=0.481");
  EXPECT_EQ(LineAt(w, m, 0, 42 * ux), "sx^2 =216/104-(0.404)^2 =1.914");
  EXPECT_EQ(LineAt(w, m, 42 * ux), "sy^2 =200/104-(0.481)^2 =1.692");
  EXPECT_FALSE(FindText(w, "r={0/104-(0.404)(0.481)}/  ").IsNull());
  const Json& root = FindText(w, "(1.914)(1.692)");
  ASSERT_FALSE(root.IsNull());
  EXPECT_FALSE(FindText(w, "= -0.108").IsNull());
  EXPECT_EQ(LineAt(w, nr + uy / 2 + 3 * uy / 2), "相関が認められない。");
  EXPECT_FALSE(FindText(w, " ∑x").IsNull());
  EXPECT_FALSE(FindText(w, " y∑x").IsNull());

  // The radical sign is sized by the table's units: it starts one ux before the radicand.
  const int p = root["x"].AsInt(), y = root["y"].AsInt() + 3;
  bool found = false;
  for (auto& op : w["ops"].AsArray())
    if (op["op"].AsString() == "line" && op["pen"]["color"].AsString() == "#0000ff" &&
        op["from"].AsArray()[0].AsInt() == p - ux && op["from"].AsArray()[1].AsInt() == y + uy - 10)
      found = true;
  EXPECT_TRUE(found);
}

TEST(CorrelatePage, TheLevelChangesTheGrid) {
  auto widest = [](const Json& w) {
    int x = 0;
    for (auto& op : w["ops"].AsArray())
      if (op["op"].AsString() == "line") x = std::max(x, op["to"].AsArray()[0].AsInt());
    return x;
  };
  ScriptRun junior(kJunior), senior(kSenior);
  EXPECT_EQ(widest(junior.top()), 40 + 6 * ux * 11);
  EXPECT_EQ(widest(senior.top()), 40 + 6 * ux * 13);
}

TEST(CorrelatePage, TypingChangesOnlyASelectedCell) {
  ScriptRun none(std::string(kJunior) + "type 114 7\n");
  EXPECT_EQ(LineAt(none.top(), top + 17 * uy), "1+6+3+4+3+4+5+5+6+7=44");
  EXPECT_EQ(Paints(none.top()), 1);

  ScriptRun typed(std::string(kJunior) + ClickCell(0, 3));
  EXPECT_EQ(FindControl(typed.top(), 114)["text"].AsString(), "3");
  EXPECT_EQ(typed.top()["focus"].AsInt(), 114);
  EXPECT_EQ(testing::CountOps(typed.top(), "fill_rect", "#00ffff"), 1);

  ScriptRun seven(std::string(kJunior) + SetCell(0, 3, "7"));
  EXPECT_EQ(LineAt(seven.top(), top + 17 * uy), "1+6+7+4+3+4+5+5+6+7=48");

  ScriptRun started(std::string(kJunior) + SetCell(0, 3, "7") + "press 101\n");
  EXPECT_EQ(testing::CountOps(started.top(), "fill_rect", "#00ffff"), 0);
  EXPECT_EQ(LineAt(started.top(), top + 17 * uy), "1+6+7+4+3+4+5+5+6+7=48");
}

TEST(CorrelatePage, OnlyWholeNumbersUpTo999EnterACell) {
  for (const char* bad : {"12a", "1000", "-3", "\"\""}) {
    ScriptRun run(std::string(kJunior) + SetCell(0, 3, bad));
    EXPECT_EQ(LineAt(run.top(), top + 17 * uy), "1+6+3+4+3+4+5+5+6+7=44") << bad;
  }
  ScriptRun big(std::string(kJunior) + SetCell(0, 3, "999"));
  EXPECT_EQ(LineAt(big.top(), top + 17 * uy), "1+6+999+4+3+4+5+5+6+7=1040");
}

TEST(CorrelatePage, ClicksOnTheDataAreasBordersSelectNothing) {
  ScriptRun right(std::string(kJunior) + "click " + std::to_string(36 * ux + 40) + " 60\n");
  ScriptRun bottom(std::string(kJunior) + "click 100 " + std::to_string(top + 6 * uy) + "\n");
  for (const ScriptRun* run : {&right, &bottom}) {
    EXPECT_EQ(FindControl(run->top(), 114)["text"].AsString(), "");
    EXPECT_EQ(testing::CountOps(run->top(), "fill_rect", "#00ffff"), 0);
  }
}

TEST(CorrelatePage, NoCoefficientForAnEmptyOrOneClassTable) {
  const int nr = top + 13 * uy + 7 * uy / 2 + uy / 2 + 3 * uy / 2 + uy / 2;
  ScriptRun empty(std::string(kSenior) + ClearTable());
  ASSERT_EQ(empty.status(), 0) << empty.error();
  EXPECT_EQ(LineAt(empty.top(), nr), "相関係数は計算できません。");
  EXPECT_TRUE(FindText(empty.top(), "相関が認められない。").IsNull());
  EXPECT_FALSE(FindText(empty.top(), "x=0/0=0.000").IsNull());

  ScriptRun oneClass(std::string(kSenior) + ClearTable() + SetCell(2, 1, "5") + SetCell(2, 4, "3"));
  EXPECT_EQ(LineAt(oneClass.top(), nr), "相関係数は計算できません。");
  EXPECT_FALSE(FindText(oneClass.top(), "x=0/8=0.000").IsNull());
}

}  // namespace
}  // namespace vl
