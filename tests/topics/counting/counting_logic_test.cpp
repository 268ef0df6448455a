#include <gtest/gtest.h>

#include <set>

#include "topics/counting/counting_logic.h"

namespace vl {
namespace {

// Pascal's triangle, the independent reference for every binomial count below.
int64_t Binomial(int n, int k) {
  static int64_t c[40][40] = {};
  if (c[0][0] == 0)
    for (int i = 0; i < 40; ++i) {
      c[i][0] = 1;
      for (int j = 1; j <= i; ++j) c[i][j] = c[i - 1][j - 1] + (j < i ? c[i - 1][j] : 0);
    }
  return c[n][k];
}

TEST(ReadCount, DigitsWithinSixteenBitsOnly) {
  EXPECT_EQ(ReadCount(u"12"), 12);
  EXPECT_EQ(ReadCount(u""), 0);  // an empty box reads as 0 and is left to the range checks
  EXPECT_EQ(ReadCount(u"32767"), 32767);
  EXPECT_EQ(ReadCount(u"32768"), std::nullopt);
  EXPECT_EQ(ReadCount(u"65535"), std::nullopt);  // would wrap to -1 in 16 bits
  EXPECT_EQ(ReadCount(u"65538"), std::nullopt);  // would wrap to 2
  for (auto bad : {u"-1", u"+3", u"2a", u" 3", u"１"}) EXPECT_EQ(ReadCount(bad), std::nullopt);
}

TEST(ProductRule, DiceCountsAndTotals) {
  for (auto ok : {u"1", u"4", u"04"}) EXPECT_TRUE(CheckDice(ok).has_value());
  for (auto bad : {u"0", u"5", u"2a", u"", u"65537"}) EXPECT_FALSE(CheckDice(bad).has_value());
  EXPECT_EQ(EvenOutcomes(1), 3);
  EXPECT_EQ(EvenOutcomes(2), 9);
  EXPECT_EQ(EvenOutcomes(4), 81);
}

TEST(ProductRule, StepsDecodeInOrderWithTheLastDieFastest) {
  using A = std::array<int, 4>;
  EXPECT_EQ(DecodeStep(1, 2), (A{0, 0, 0, 0}));
  EXPECT_EQ(DecodeStep(2, 2), (A{0, 1, 0, 0}));
  EXPECT_EQ(DecodeStep(4, 2), (A{1, 0, 0, 0}));
  EXPECT_EQ(DecodeStep(9, 2), (A{2, 2, 0, 0}));
  EXPECT_EQ(DecodeStep(3, 1), (A{2, 0, 0, 0}));
  EXPECT_EQ(DecodeStep(81, 4), (A{2, 2, 2, 2}));
  // Every outcome of three dice appears exactly once.
  std::set<A> seen;
  for (int k = 1; k <= 27; ++k) seen.insert(DecodeStep(k, 3));
  EXPECT_EQ(seen.size(), 27u);
}

TEST(SumRule, CasesAndTotal) {
  EXPECT_EQ(CaseProduct(1, 0), u"1");
  EXPECT_EQ(CaseProduct(3, 0), u"1*5*5");
  EXPECT_EQ(CaseProduct(3, 1), u"5*1*5");
  EXPECT_EQ(CaseProduct(4, 3), u"5*5*5*1");
  EXPECT_EQ(ExactlyOneSix(1), 1);
  EXPECT_EQ(ExactlyOneSix(2), 10);
  EXPECT_EQ(ExactlyOneSix(3), 75);
  EXPECT_EQ(ExactlyOneSix(4), 500);
}

TEST(Permutation, ChecksNameTheEditBoxThatRefused) {
  auto check = [](std::u16string_view n, std::u16string_view r) {
    return CheckArrangement(n, r, 105, 106).refusedEdit;
  };
  EXPECT_EQ(check(u"10", u"10"), 0);
  EXPECT_EQ(check(u"1", u"1"), 0);
  EXPECT_EQ(check(u"11", u"1"), 105);
  EXPECT_EQ(check(u"0", u"1"), 105);
  EXPECT_EQ(check(u"", u"1"), 105);
  EXPECT_EQ(check(u"65535", u"1"), 105);
  EXPECT_EQ(check(u"3", u"4"), 106);
  EXPECT_EQ(check(u"3", u"0"), 106);
  EXPECT_EQ(check(u"3", u"65538"), 106);  // not read as 2
  TwoCounts ok = CheckArrangement(u"5", u"3", 105, 106);
  EXPECT_EQ(ok.first, 5);
  EXPECT_EQ(ok.second, 3);
}

TEST(Permutation, ProductsAndTheirText) {
  EXPECT_EQ(Permutations(5, 3), 60);
  EXPECT_EQ(Permutations(10, 10), 3628800);
  EXPECT_EQ(Permutations(10, 10) / 10, 362880);
  EXPECT_EQ(PermutationFactors(5, 3), u"= 5*4*3");
  EXPECT_EQ(PermutationFactors(5, 1), u"= 5");
  // r consecutive factors hold a multiple of r, so the circular count is exact.
  for (int n = 1; n <= 10; ++n)
    for (int r = 1; r <= n; ++r) EXPECT_EQ(Permutations(n, r) % r, 0) << n << " " << r;
}

TEST(Permutation, SlotColoursSkipTheLightGreys) {
  EXPECT_EQ(SlotColourIndex(7), 4);
  EXPECT_EQ(SlotColourIndex(11), 8);
  EXPECT_EQ(SlotColourIndex(16 + 7), 4);
  EXPECT_EQ(SlotColourIndex(32767), 15);
  for (int draw = 0; draw < 64; ++draw) {
    int c = SlotColourIndex(draw);
    EXPECT_TRUE(c >= 0 && c < 16 && c != 7 && c != 11) << draw;
  }
}

TEST(Combination, FractionTextsAndValue) {
  CombinationTerms t = Combination(5, 3);
  EXPECT_EQ(t.numerText, u" 5*4*3");
  EXPECT_EQ(t.denomText, u" 1*2*3");
  EXPECT_EQ(t.value, 10);
  t = Combination(7, 1);
  EXPECT_EQ(t.numerText, u" 7");
  EXPECT_EQ(t.denomText, u" 1");
  EXPECT_EQ(t.value, 7);
  t = Combination(10, 10);
  EXPECT_EQ(t.numerText, u" 10*9*8*7*6*5*4*3*2*1");
  EXPECT_EQ(t.numerText.size(), 21u);
  EXPECT_EQ(t.numer, 3628800);
  EXPECT_EQ(t.value, 1);
  for (int n = 1; n <= 10; ++n)
    for (int r = 1; r <= n; ++r) EXPECT_EQ(Combination(n, r).value, Binomial(n, r));
}

TEST(Repetition, BallotChecks) {
  auto check = [](std::u16string_view v, std::u16string_view k) {
    return CheckBallot(v, k, 117, 118).refusedEdit;
  };
  EXPECT_EQ(check(u"12", u"5"), 0);   // 5^12 = 244140625
  EXPECT_EQ(check(u"15", u"4"), 0);   // 4^15, the largest
  EXPECT_EQ(check(u"18", u"3"), 0);
  EXPECT_EQ(check(u"6", u"1"), 0);
  EXPECT_EQ(check(u"13", u"5"), 118);  // 65 > 60
  EXPECT_EQ(check(u"10", u"6"), 118);
  EXPECT_EQ(check(u"10", u"0"), 118);  // no candidates: nothing to count
  EXPECT_EQ(check(u"10", u""), 118);
  EXPECT_EQ(check(u"10", u"65535"), 118);  // would wrap to -1 and pass K <= 5
  EXPECT_EQ(check(u"5", u"2"), 117);
  EXPECT_EQ(check(u"19", u"2"), 117);
  EXPECT_EQ(check(u"x", u"2"), 117);
  EXPECT_EQ(check(u"65542", u"2"), 117);  // would wrap to 6
}

TEST(Repetition, NamedAndSecretCounts) {
  EXPECT_EQ(RepeatedPermutations(2, 10), 1024);
  EXPECT_EQ(RepeatedPermutations(5, 12), 244140625);
  EXPECT_EQ(RepeatedPermutations(4, 15), 1073741824);
  EXPECT_EQ(RepeatedPermutations(3, 18), 387420489);
  EXPECT_EQ(RepeatedPermutations(1, 10), 1);
  EXPECT_EQ(RepeatedCombinations(2, 10), 11);
  EXPECT_EQ(RepeatedCombinations(3, 18), 190);
  EXPECT_EQ(RepeatedCombinations(1, 10), 1);
  for (int v = 6; v <= 18; ++v)
    for (int k = 1; k <= 5 && v * k <= 60; ++k)
      EXPECT_EQ(RepeatedCombinations(k, v), Binomial(v + k - 1, v)) << v << " " << k;
}

TEST(ShortestRoute, StreetChecks) {
  auto check = [](std::u16string_view e, std::u16string_view n) {
    return CheckStreets(e, n, 131, 132).refusedEdit;
  };
  EXPECT_EQ(check(u"8", u"8"), 0);
  EXPECT_EQ(check(u"2", u"2"), 0);
  EXPECT_EQ(check(u"14", u"2"), 0);
  EXPECT_EQ(check(u"9", u"8"), 132);
  EXPECT_EQ(check(u"3", u"1"), 132);
  EXPECT_EQ(check(u"3", u"a"), 132);
  EXPECT_EQ(check(u"3", u"65538"), 132);
  EXPECT_EQ(check(u"1", u"2"), 131);
  EXPECT_EQ(check(u"", u"2"), 131);
  EXPECT_EQ(check(u"65535", u"2"), 131);
}

TEST(ShortestRoute, CountMatchesPascal) {
  EXPECT_EQ(ShortestRoutes(3, 2), 10);
  EXPECT_EQ(ShortestRoutes(8, 8), 12870);
  for (int e = 2; e <= 14; ++e)
    for (int n = 2; e + n <= 16; ++n) EXPECT_EQ(ShortestRoutes(e, n), Binomial(e + n, e));
}

TEST(ShortestRoute, StaircaseFinishesAlongTheRemainingSide) {
  // 3 x 2 blocks of 10 x 5: east, north, east, north, east.
  auto route = StaircaseRoute({0, 0, 30, 10}, 10, 5, 3, 2);
  std::vector<Point> want = {{0, 10}, {10, 10}, {10, 5}, {20, 5}, {20, 0}, {30, 0}};
  EXPECT_EQ(route, want);
  // 2 x 5: east, north, east, then north along the east side.
  route = StaircaseRoute({0, 0, 20, 25}, 10, 5, 2, 5);
  want = {{0, 25}, {10, 25}, {10, 20}, {20, 20}, {20, 15}, {20, 10}, {20, 5}, {20, 0}};
  EXPECT_EQ(route, want);
  // 5 x 2: the last steps run east along the north side.
  route = StaircaseRoute({0, 0, 50, 10}, 10, 5, 5, 2);
  EXPECT_EQ(route.back(), (Point{50, 0}));
  EXPECT_EQ(route[4], (Point{20, 0}));
  EXPECT_EQ(route[5], (Point{30, 0}));
}

}  // namespace
}  // namespace vl
