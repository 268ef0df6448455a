#include <gtest/gtest.h>

#include "drill/drill_generators.h"

namespace vl {
namespace {

// The classic generator seeded with 12345 gives 7584, 19164, 25795, 22125, 5828, 23405, 27477,
// ...; seed 12349 gives 7597, 29390, 31715, 20074; seed 12352 gives 7607, 28867. The expected
// slots below are worked out by hand from these draws.
DrillSlots Generate(int16_t code, uint32_t seed) {
  CRandom rng;
  rng.Seed(seed);
  return GenerateDrill(code, DrillSlots{}, rng);
}

TEST(DrillGenerators, CountingCodesFromTheFirstDraws) {
  auto s = Generate(2769, 12345);  // 7584 % 4 + 2, 19164 % 4 + 2
  EXPECT_EQ(s.m_nA, 2);
  EXPECT_EQ(s.m_nB, 2);
  EXPECT_EQ(s.m_nAns, 4);

  s = Generate(2770, 12345);  // 7584 % 2 + 1
  EXPECT_EQ(s.m_nSubMode, 1);
  EXPECT_EQ(s.m_nAns, 5);

  s = Generate(2771, 12345);  // r = 7584 % 4 + 2 = 2: 10*9 and 9
  EXPECT_EQ(s.m_nA, 2);
  EXPECT_EQ(s.m_nAns, 90);
  EXPECT_EQ(s.m_nAux1, 9);

  s = Generate(2772, 12345);  // r = 7584 % 6 + 2 = 2: C(8, 0)
  EXPECT_EQ(s.m_nA, 2);
  EXPECT_EQ(s.m_nAns, 1);
  EXPECT_EQ(s.m_nAux1, 1);

  s = Generate(2775, 12345);  // r = 7584 % 10 + 2 = 6, n = 8: C(8, 6)
  EXPECT_EQ(s.m_nA, 6);
  EXPECT_EQ(s.m_nAux1, 8);
  EXPECT_EQ(s.m_nAns, 28);

  s = Generate(2777, 12345);  // r = 7584 % 6 = 0, c = 19164 % 5 + 1 = 5
  EXPECT_EQ(s.m_nA, 0);
  EXPECT_EQ(s.m_nB, 5);
  EXPECT_EQ(s.m_nP, 5);
  EXPECT_EQ(s.m_nQ, 4);
  EXPECT_EQ(s.m_nAns, 252);
  EXPECT_EQ(s.m_nAux1, 1);  // C(5, 5)
  EXPECT_EQ(s.m_nAux2, 1);  // C(4, 0)
}

TEST(DrillGenerators, SetAndLogicCodesFromTheFirstDraws) {
  // H = 7584 % 6 + 10 = 10; e, f, g = 3, 6, 4; b, c, d = 0, 1, 1.
  auto s = Generate(2776, 12345);
  EXPECT_EQ(s.m_nH, 10);
  EXPECT_EQ(s.m_nB, 17);
  EXPECT_EQ(s.m_nC, 20);
  EXPECT_EQ(s.m_nD, 21);
  EXPECT_EQ(s.m_nE, 13);
  EXPECT_EQ(s.m_nF, 16);
  EXPECT_EQ(s.m_nG, 14);
  EXPECT_EQ(s.m_nAux1, 25);
  EXPECT_EQ(s.m_nAns, 15);

  s = Generate(2787, 12345);  // 2 * (7584 % 3) + 2, 19164 % 3 + 2
  EXPECT_EQ(s.m_nA, 2);
  EXPECT_EQ(s.m_nB, 2);
  EXPECT_EQ(s.m_nC, 4);

  s = Generate(2778, 12345);  // kind 7584 % 3 = 0; a = -1 - 4; b = 25795 % 4 + 1
  EXPECT_EQ(s.m_nAns, 0);
  EXPECT_EQ(s.m_nA, -5);
  EXPECT_EQ(s.m_nB, 4);

  s = Generate(2778, 12349);  // kind 7597 % 3 = 1; a = -1 - 0; b = -1 - 31715 % 4
  EXPECT_EQ(s.m_nAns, 1);
  EXPECT_EQ(s.m_nA, -1);
  EXPECT_EQ(s.m_nB, -4);
}

TEST(DrillGenerators, TheClassIsDrawnAgainWhenItHasMoreThan39Pupils) {
  // Seed 679: 2255, 31391, 26850, 22963, 99, 23838, 24567 give 15 + 6 + 5 + 6 + 3 + 2 + 3 = 40;
  // then 10746, 15164, 17610, 3729, 25240, 25695, 28580 give H 10, e 3, f 5, g 4, b 0, c 3, d 0.
  auto s = Generate(2776, 679);
  EXPECT_EQ(s.m_nH, 10);
  EXPECT_EQ(s.m_nB, 17);
  EXPECT_EQ(s.m_nC, 21);
  EXPECT_EQ(s.m_nD, 19);
  EXPECT_EQ(s.m_nE, 13);
  EXPECT_EQ(s.m_nF, 15);
  EXPECT_EQ(s.m_nG, 14);
  EXPECT_EQ(s.m_nAux1, 25);
  EXPECT_EQ(s.m_nAns, 15);
}

TEST(DrillGenerators, ProbabilityCodesFromTheFirstDraws) {
  auto s = Generate(2781, 12345);  // 7584 % 8 + 2
  EXPECT_EQ(s.m_nB, 2);

  s = Generate(2782, 12345);  // variant 0: cranes 19164 % 10 + 5, turtles 25795 % 10 + 5
  EXPECT_EQ(s.m_nSubMode, 0);
  EXPECT_EQ(s.m_nAns, 9);
  EXPECT_EQ(s.m_nAux1, 10);
  EXPECT_EQ(s.m_nA, 38);
  EXPECT_EQ(s.m_nB, 58);

  s = Generate(2782, 12349);  // variant 1: 2*2+1, 2*3+1, 2*4+3
  EXPECT_EQ(s.m_nSubMode, 1);
  EXPECT_EQ(s.m_nAns, 5);
  EXPECT_EQ(s.m_nAux1, 7);
  EXPECT_EQ(s.m_nAux2, 11);
  EXPECT_EQ(s.m_nA, 23);
  EXPECT_EQ(s.m_nB, 22);

  s = Generate(2782, 12352);  // variant 2: chord 10 * 7 + 30
  EXPECT_EQ(s.m_nSubMode, 2);
  EXPECT_EQ(s.m_nA, 100);
  EXPECT_EQ(s.m_nAns, 50);
}

TEST(DrillGenerators, CodesWithoutAGeneratorDrawNothingAndKeepTheSlots) {
  for (int16_t code : {2779, 2773, 2774, 2780, 2783, 2786, 0}) {
    CRandom rng;
    rng.Seed(5);
    DrillSlots in;
    in.m_nSubMode = 11;
    in.m_nA = 3;
    auto out = GenerateDrill(code, in, rng);
    EXPECT_EQ(out.m_nSubMode, 11) << code;
    EXPECT_EQ(out.m_nA, 3) << code;
    EXPECT_EQ(rng.State(), 5u) << code;
  }
}

TEST(DrillGenerators, TheCallersSubModeIsReplacedByADraw) {
  CRandom rng;
  rng.Seed(12345);
  DrillSlots in;
  in.m_nSubMode = 7;
  EXPECT_EQ(GenerateDrill(2770, in, rng).m_nSubMode, 1);
  rng.Seed(12345);
  EXPECT_EQ(GenerateDrill(2782, in, rng).m_nSubMode, 0);
}

int Choose(int n, int k) {
  long v = 1;
  for (int i = 1; i <= k; ++i) v = v * (n - k + i) / i;
  return static_cast<int>(v);
}

TEST(DrillGenerators, ValueRangesHoldOverManySeeds) {
  for (uint32_t seed = 0; seed < 10000; ++seed) {
    auto s = Generate(2769, seed);
    ASSERT_TRUE(s.m_nA >= 2 && s.m_nA <= 5 && s.m_nB >= 2 && s.m_nB <= 5);
    ASSERT_EQ(s.m_nAns, s.m_nA * s.m_nB);

    s = Generate(2771, seed);
    ASSERT_TRUE(s.m_nA >= 2 && s.m_nA <= 5);
    const int falling10[] = {90, 720, 5040, 30240}, falling9[] = {9, 72, 504, 3024};
    ASSERT_EQ(s.m_nAns, falling10[s.m_nA - 2]);
    ASSERT_EQ(s.m_nAux1, falling9[s.m_nA - 2]);

    s = Generate(2772, seed);
    ASSERT_TRUE(s.m_nA >= 2 && s.m_nA <= 7);
    ASSERT_EQ(s.m_nAns, Choose(8, s.m_nA - 2));

    s = Generate(2775, seed);
    ASSERT_TRUE(s.m_nA >= 2 && s.m_nA <= 11);
    ASSERT_EQ(s.m_nAns, Choose(s.m_nA + 2, 2));

    s = Generate(2777, seed);
    ASSERT_TRUE(s.m_nA >= 0 && s.m_nA <= 5 && s.m_nB >= 1 && s.m_nB <= 5);
    ASSERT_EQ(s.m_nAux2, Choose(s.m_nA + s.m_nB - 1, s.m_nA));
    ASSERT_EQ(s.m_nAux1, Choose(10 - s.m_nA - s.m_nB, 5 - s.m_nA));
    ASSERT_GT(252 - s.m_nAux1 * s.m_nAux2, 0);

    s = Generate(2778, seed);
    ASSERT_TRUE(s.m_nAns >= 0 && s.m_nAns <= 2);
    ASSERT_TRUE(s.m_nA >= -5 && s.m_nA <= -1);
    if (s.m_nAns == 1)
      ASSERT_TRUE(s.m_nB >= -4 && s.m_nB <= -1);
    else
      ASSERT_TRUE(s.m_nB >= 1 && s.m_nB <= 4);

    s = Generate(2781, seed);
    ASSERT_TRUE(s.m_nB >= 2 && s.m_nB <= 9);

    s = Generate(2782, seed);
    ASSERT_TRUE(s.m_nSubMode >= 0 && s.m_nSubMode <= 2);
    if (s.m_nSubMode == 0) {
      ASSERT_TRUE(s.m_nAns >= 5 && s.m_nAns <= 14 && s.m_nAux1 >= 5 && s.m_nAux1 <= 14);
      ASSERT_EQ(s.m_nB - s.m_nA, 2 * s.m_nAux1);
    } else if (s.m_nSubMode == 1) {
      ASSERT_TRUE(s.m_nAns % 2 == 1 && s.m_nAux1 % 2 == 1 && s.m_nAux2 % 2 == 1);
      ASSERT_EQ(s.m_nA % 2, 1);
      ASSERT_EQ(s.m_nB, s.m_nA - 1);
    } else {
      ASSERT_TRUE(s.m_nA >= 30 && s.m_nA <= 120 && s.m_nA % 10 == 0);
      ASSERT_EQ(s.m_nAns * 2, s.m_nA);
    }

    s = Generate(2787, seed);
    ASSERT_TRUE(s.m_nA == 2 || s.m_nA == 4 || s.m_nA == 6);
    ASSERT_TRUE(s.m_nB >= 2 && s.m_nB <= 4);
    ASSERT_EQ(s.m_nC, s.m_nA * s.m_nB);
  }
}

TEST(DrillGenerators, EveryBooksClassIsARealClass) {
  for (uint32_t seed = 0; seed < 10000; ++seed) {
    auto s = Generate(2776, seed);
    const int all = s.m_nH;
    const int pairs[] = {s.m_nE - all, s.m_nF - all, s.m_nG - all};
    const int singles[] = {s.m_nB - s.m_nE - s.m_nG + all, s.m_nC - s.m_nE - s.m_nF + all,
                           s.m_nD - s.m_nF - s.m_nG + all};
    ASSERT_GE(all, 10);
    for (int r : pairs) ASSERT_GE(r, 3);
    for (int r : singles) ASSERT_GE(r, 0);
    const int union_ = all + pairs[0] + pairs[1] + pairs[2] + singles[0] + singles[1] + singles[2];
    ASSERT_EQ(s.m_nAux1, union_);
    ASSERT_LE(union_, 39);
    ASSERT_EQ(s.m_nAns, 40 - union_);
  }
}

}  // namespace
}  // namespace vl
