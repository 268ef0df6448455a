#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "page_text.h"
#include "topics/statistics/arrange_logic.h"

namespace vl {
namespace {

using testing::FindControl;
using testing::LineAt;
using testing::Paints;
using testing::ScriptRun;

// Template 113 in the scripted host: 480 x 300 client pixels, so X = 9 and Y = 19.
constexpr int X = 9, Y = 19;

std::string Click(int cell) {
  int r = cell / 10, c = cell % 10;
  return "click " + std::to_string(4 * X * (c + 1) + 5) + " " + std::to_string(Y * (r + 3) + 5) +
         "\n";
}

// The fifty cell texts in table order.
std::vector<std::string> Cells(const Json& w) {
  std::vector<std::string> cells;
  for (int i = 0; i < 50; ++i)
    cells.push_back(
        LineAt(w, (3 + i / 10) * Y, (5 + 4 * (i % 10)) * X, (5 + 4 * (i % 10)) * X + 1));
  return cells;
}

TEST(ArrangeLogic, ScoresAreReadWithOneSignAndAtMost100) {
  EXPECT_EQ(arrange::ReadScore(u"100"), 100);
  EXPECT_EQ(arrange::ReadScore(u"101"), std::nullopt);
  EXPECT_EQ(arrange::ReadScore(u"-5"), -5);
  EXPECT_EQ(arrange::ReadScore(u"+7"), 7);
  EXPECT_EQ(arrange::ReadScore(u""), 0);
  EXPECT_EQ(arrange::ReadScore(u"1-2"), std::nullopt);
  EXPECT_EQ(arrange::ReadScore(u"12a"), std::nullopt);
  EXPECT_EQ(arrange::ReadScore(u"-70000"), std::nullopt);  // does not fit 16 bits
}

TEST(ArrangeLogic, ClassesJoinZeroToTheFirstAndSkipTheAbsent) {
  EXPECT_EQ(arrange::ClassOf(0), 0);
  EXPECT_EQ(arrange::ClassOf(10), 0);
  EXPECT_EQ(arrange::ClassOf(11), 1);
  EXPECT_EQ(arrange::ClassOf(100), 9);
  EXPECT_EQ(arrange::ClassOf(-1), -1);
  arrange::Scores s{};
  s.fill(-1);
  s[0] = 0;
  s[1] = 10;
  s[2] = 11;
  s[3] = 100;
  arrange::Frequencies f = arrange::ClassFrequencies(s);
  EXPECT_EQ(f, (arrange::Frequencies{2, 1, 0, 0, 0, 0, 0, 0, 0, 1}));
}

TEST(ArrangeLogic, SortIsDescendingWithTheAbsentLastAndStable) {
  arrange::Scores s{};
  for (int i = 0; i < arrange::kPupils; ++i) s[i] = static_cast<int16_t>((i * 37) % 101 - 3);
  arrange::SortDescending(s);
  EXPECT_TRUE(std::is_sorted(s.rbegin(), s.rend()));
  arrange::Scores again = s;
  arrange::SortDescending(again);
  EXPECT_EQ(again, s);
}

TEST(ArrangeLogic, StatisticsLeaveOutAbsentPupils) {
  arrange::Scores s{};
  s.fill(-1);
  s[0] = 90;
  s[1] = 40;
  s[2] = 60;
  arrange::ScoreStats st = arrange::Summarize(s);
  EXPECT_EQ(st.present, 3);
  EXPECT_EQ(st.total, 190);
  EXPECT_EQ(st.highest, 90);
  EXPECT_EQ(st.lowest, 40);
  EXPECT_NEAR(st.mean, 63.333, 1e-3);
}

TEST(ArrangePage, MedianOfFiftyAfterSortingIsTheMeanOfThe25thAnd26th) {
  ScriptRun run("time 7\ncommand 2780\npress 144\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  auto cells = Cells(run.top());
  for (int i = 1; i < 50; ++i) EXPECT_GE(std::stoi(cells[i - 1]), std::stoi(cells[i]));
  int a = std::stoi(cells[24]), b = std::stoi(cells[25]);
  EXPECT_EQ(LineAt(run.top(), 11 * Y), "メジアン= (25番目の点数+26番目の点数)/2");
  char expect[64];
  std::snprintf(expect, sizeof expect, "= (%d + %d)/2 = %3.1f", a, b, (a + b) * 0.5);
  EXPECT_EQ(LineAt(run.top(), 12 * Y), expect);
}

TEST(ArrangePage, MedianOfFortyNineAfterSortingIsThe25th) {
  ScriptRun run("time 7\ncommand 2780\n" + Click(13) + "type 145 -1\npress 114\npress 144\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  auto cells = Cells(run.top());
  EXPECT_EQ(cells[49], "...");
  EXPECT_EQ(LineAt(run.top(), 11 * Y),
            "メジアン= 25番目の点数 = " + std::to_string(std::stoi(cells[24])));
  EXPECT_EQ(LineAt(run.top(), 9 * Y).rfind("人数=49  ", 0), 0u);
}

TEST(ArrangePage, ChangeTakes100AndMinus5AndRefuses101) {
  ScriptRun accepted("command 2780\n" + Click(0) + "type 145 100\npress 114\n");
  EXPECT_EQ(Cells(accepted.top())[0], "100");

  ScriptRun refused("command 2780\n" + Click(0) +
                    "type 145 100\npress 114\ntype 145 101\npress 114\n");
  EXPECT_EQ(Cells(refused.top())[0], "100");
  EXPECT_EQ(refused.top()["focus"].AsInt(), 145);
  EXPECT_EQ(Paints(refused.top()), Paints(accepted.top()));  // nothing repainted

  ScriptRun absent("command 2780\n" + Click(7) + "type 145 -5\npress 114\n");
  EXPECT_EQ(Cells(absent.top())[7], "...");
  EXPECT_EQ(LineAt(absent.top(), 9 * Y).rfind("人数=49  ", 0), 0u);
}

TEST(ArrangePage, BorderClicksAndChangeWithoutSelectionDoNothing) {
  ScriptRun run("command 2780\nclick " + std::to_string(44 * X) + " 70\nclick 50 " +
                std::to_string(8 * Y) + "\ntype 145 5\npress 114\n");
  ScriptRun untouched("command 2780\n");
  EXPECT_EQ(testing::CountOps(run.top(), "fill_rect", "#ffff00"), 0);
  EXPECT_EQ(Cells(run.top()), Cells(untouched.top()));
  EXPECT_EQ(Paints(run.top()), 1);
}

TEST(ArrangePage, FrequencyTableReceivesTheFiftyScores) {
  ScriptRun run("command 2780\n" + Click(0) + "type 145 -1\npress 114\npress 143\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 106);
  // Class frequencies of the 49 present pupils, not the defaults (whose total is 450).
  EXPECT_FALSE(testing::FindText(run.top(), " 49").IsNull());
  EXPECT_TRUE(testing::FindText(run.top(), "450").IsNull());
}

}  // namespace
}  // namespace vl
