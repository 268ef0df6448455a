#include <gtest/gtest.h>

#include "platform/runtime.h"
#include "topics/probability/kakurit2_logic.h"
#include "topics/probability/kakuritu_logic.h"

namespace vl {
namespace {

TEST(DieThrows, BatchesStayWithinTheTableLimit) {
  Srand(7);
  DieCounts c;
  EXPECT_FALSE(ThrowBatch(c, 0));
  for (int i = 0; i < 99; ++i) ASSERT_TRUE(ThrowBatch(c, 10));
  EXPECT_EQ(c.total, 990);
  EXPECT_FALSE(ThrowBatch(c, 10));  // would pass 999
  EXPECT_EQ(c.total, 990);
  for (int i = 0; i < 9; ++i) EXPECT_TRUE(ThrowBatch(c, 1));
  EXPECT_EQ(c.total, 999);
  EXPECT_FALSE(ThrowBatch(c, 1));
  int sum = 0;
  for (int n : c.count) sum += n;
  EXPECT_EQ(sum, 999);
  EXPECT_GE(c.lastFace, 1);
  EXPECT_LE(c.lastFace, 6);
}

TEST(DieThrows, FaceIsTheGeneratorRemainderPlusOne) {
  Srand(1);
  const int expected = Rand() % 6 + 1;
  Srand(1);
  DieCounts c;
  EXPECT_EQ(ThrowDie(c), expected);
  EXPECT_EQ(c.count[expected - 1], 1);
  EXPECT_EQ(c.lastFace, expected);
}

TEST(TwoDice, OutcomesWithSum) {
  SumOutcomes seven = OutcomesWithSum(7);
  ASSERT_EQ(seven.count, 6);
  EXPECT_EQ(seven.pairs.front(), (DicePair{1, 6}));
  EXPECT_EQ(seven.pairs.back(), (DicePair{6, 1}));
  EXPECT_EQ(seven.g, 6);
  EXPECT_TRUE(seven.Reduces());

  SumOutcomes two = OutcomesWithSum(2);
  ASSERT_EQ(two.count, 1);
  EXPECT_EQ(two.pairs[0], (DicePair{1, 1}));
  EXPECT_FALSE(two.Reduces());

  SumOutcomes eight = OutcomesWithSum(8);
  EXPECT_EQ(eight.count, 5);
  EXPECT_FALSE(eight.Reduces());

  SumOutcomes nine = OutcomesWithSum(9);  // 4/36 = 1/9
  EXPECT_EQ(nine.g, 4);

  for (int s : {-3, 0, 1, 13, 32767}) {
    SumOutcomes none = OutcomesWithSum(s);
    EXPECT_EQ(none.count, 0) << s;
    EXPECT_FALSE(none.Reduces()) << s;
  }
}

TEST(TwoDice, Gcd) {
  EXPECT_EQ(Gcd(6, 36), 6);
  EXPECT_EQ(Gcd(5, 36), 1);
  EXPECT_EQ(Gcd(36, 4), 4);
}

TEST(Bracket, EveryEntrantCountFromTwoToSixtyFour) {
  const int unitX = 11;
  for (int n = kMinEntrants; n <= kMaxEntrants; ++n) {
    const Bracket b = MakeBracket(n, unitX);
    ASSERT_LE(b.p, n) << n;
    ASSERT_GT(2 * b.p, n) << n;
    EXPECT_EQ(b.p, 1 << b.k) << n;
    EXPECT_EQ(b.spacing, 32 * unitX / n) << n;
    ASSERT_EQ(static_cast<int>(b.rows.front().size()), b.p) << n;
    EXPECT_EQ(b.rows.back().size(), 1u) << n;
    EXPECT_EQ(static_cast<int>(b.rows.size()), b.k + 1) << n;
    EXPECT_EQ(b.TotalGames(), n - 1) << n;

    // Every entrant is in exactly one first-round slot, in order from the left.
    int next = 0, games = 0;
    for (const FirstRoundSlot& s : b.firstRound) {
      EXPECT_EQ(s.entrant, next) << n;
      next += s.game ? 2 : 1;
      games += s.game;
    }
    EXPECT_EQ(next, n);
    EXPECT_EQ(games, n - b.p);

    // Nodes stay ordered from left to right and inside the drawn width, on every row.
    for (const auto& row : b.rows) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        EXPECT_GE(row[i], 0) << n;
        EXPECT_LT(row[i], 32 * unitX) << n;
        if (i > 0) {
          EXPECT_LT(row[i - 1], row[i]) << n;
        }
      }
    }
  }
}

TEST(Bracket, FiveEntrantsPlayOneFirstRoundGame) {
  const Bracket b = MakeBracket(5, 11);  // spacing 352 / 5 = 70
  EXPECT_EQ(b.k, 2);
  EXPECT_EQ(b.firstRoundGames, 1);
  EXPECT_EQ(b.byes, 3);
  ASSERT_EQ(b.firstRound.size(), 4u);
  EXPECT_TRUE(b.firstRound[0].game);
  EXPECT_EQ(b.firstRound[0].nodeX, 35);
  EXPECT_EQ(b.rows[0], (std::vector<int>{35, 140, 210, 280}));
  EXPECT_EQ(b.rows[1], (std::vector<int>{87, 245}));
  EXPECT_EQ(b.rows[2], (std::vector<int>{166}));
}

TEST(Bracket, GamesAndByesAlternateFromTheLeft) {
  const Bracket b = MakeBracket(6, 10);  // two games, two byes
  ASSERT_EQ(b.firstRound.size(), 4u);
  EXPECT_TRUE(b.firstRound[0].game);
  EXPECT_FALSE(b.firstRound[1].game);
  EXPECT_EQ(b.firstRound[1].entrant, 2);
  EXPECT_TRUE(b.firstRound[2].game);
  EXPECT_EQ(b.firstRound[2].entrant, 3);
  EXPECT_FALSE(b.firstRound[3].game);
  EXPECT_EQ(b.firstRound[3].entrant, 5);

  const Bracket seven = MakeBracket(7, 10);  // three games, one bye: the bye comes second
  EXPECT_FALSE(seven.firstRound[1].game);
  EXPECT_EQ(seven.firstRound[1].entrant, 2);
  EXPECT_TRUE(seven.firstRound[3].game);
  EXPECT_EQ(seven.firstRound[3].entrant, 5);
}

TEST(Bracket, PowerOfTwoHasOnlyByesInTheFirstRow) {
  const Bracket b = MakeBracket(8, 11);
  EXPECT_EQ(b.k, 3);
  EXPECT_EQ(b.firstRoundGames, 0);
  EXPECT_EQ(b.rows[1].size(), 4u);
  EXPECT_EQ(b.rows[2].size(), 2u);
  const Bracket full = MakeBracket(64, 11);
  EXPECT_EQ(full.spacing, 5);
  EXPECT_EQ(full.TotalGames(), 63);
}

}  // namespace
}  // namespace vl
