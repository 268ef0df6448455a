#include "topics/sets/set_logic.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

CountsCheck Check(std::u16string_view cls, std::u16string_view boys, std::u16string_view glasses,
                  std::u16string_view both) {
  return CheckCounts({cls, boys, glasses, both});
}

TEST(SetCounts, AcceptsConsistentCountsAndKeepsThemAll) {
  auto r = Check(u"50", u"24", u"10", u"6");
  ASSERT_TRUE(r.counts);
  EXPECT_EQ(*r.counts, (SetCounts{50, 24, 10, 6}));
  EXPECT_EQ(r.refused, -1);

  r = Check(u"8", u"0", u"", u"");  // empty boxes read as 0
  ASSERT_TRUE(r.counts);
  EXPECT_EQ(*r.counts, (SetCounts{8, 0, 0, 0}));
}

TEST(SetCounts, ClassNeedsAtLeastEightPupils) {
  EXPECT_EQ(Check(u"7", u"0", u"0", u"0").refused, 0);
  EXPECT_EQ(Check(u"", u"0", u"0", u"0").refused, 0);
  EXPECT_TRUE(Check(u"8", u"8", u"8", u"8").counts);
}

TEST(SetCounts, RefusesTheFirstBoxThatBreaksAnInvariant) {
  EXPECT_EQ(Check(u"50", u"51", u"10", u"6").refused, 1);  // more boys than pupils
  EXPECT_EQ(Check(u"50", u"24", u"51", u"6").refused, 2);  // more glasses than pupils
  EXPECT_EQ(Check(u"50", u"4", u"10", u"6").refused, 3);   // more than the boys
  EXPECT_EQ(Check(u"50", u"24", u"5", u"6").refused, 3);   // more than the glasses
  // 26 girls cannot include 30 girls with glasses; 26 girls with glasses fit.
  EXPECT_EQ(Check(u"50", u"24", u"30", u"0").refused, 3);
  EXPECT_TRUE(Check(u"50", u"24", u"30", u"4").counts);
  // The order of the boxes decides which one is named.
  EXPECT_EQ(Check(u"5", u"99", u"99", u"99").refused, 0);
}

TEST(SetCounts, RefusesTextThatIsNotASmallUnsignedNumber) {
  EXPECT_EQ(Check(u"5a", u"24", u"10", u"6").refused, 0);
  EXPECT_EQ(Check(u"50", u"-1", u"10", u"6").refused, 1);
  EXPECT_EQ(Check(u"50", u"24", u" 10", u"6").refused, 2);
  EXPECT_EQ(Check(u"50", u"24", u"10", u"+6").refused, 3);
  // Beyond 16 bits: refused rather than wrapped round into a small or negative count.
  EXPECT_EQ(Check(u"40000", u"24", u"10", u"6").refused, 0);
  EXPECT_EQ(Check(u"32767", u"40000", u"10", u"6").refused, 1);
  EXPECT_TRUE(Check(u"32767", u"32767", u"0", u"0").counts);
}

TEST(SetFormula, GivesTheSubtractionOfEachChoice) {
  const SetCounts c;  // 50, 24, 10, 6
  EXPECT_EQ(SetFormula(1, c), u"50 -24 = 26 (人)");
  EXPECT_EQ(SetFormula(2, c), u"10 -6 = 4 (人)");
  EXPECT_EQ(SetFormula(3, c), u"50 -10 = 40 (人)");
  EXPECT_EQ(SetFormula(4, c), u"50 -(24+10-6) = 22 (人)");
  EXPECT_FALSE(SetFormula(0, c));
  EXPECT_FALSE(SetFormula(5, c));
  // Large counts do not overflow the differences.
  EXPECT_EQ(SetFormula(4, SetCounts{32767, 0, 32767, 0}), u"32767 -(0+32767-0) = 0 (人)");
}

}  // namespace
}  // namespace vl
