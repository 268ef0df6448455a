#include "platform/runtime.h"

#include <gtest/gtest.h>

#include "platform/text.h"

namespace vl {
namespace {

TEST(CRandom, ClassicSequenceFromSeedOne) {
  CRandom r;
  r.Seed(1);
  EXPECT_EQ(r.Next(), 41);
  EXPECT_EQ(r.Next(), 18467);
  EXPECT_EQ(r.Next(), 6334);
  EXPECT_EQ(r.Next(), 26500);
  EXPECT_EQ(r.Next(), 19169);
}

TEST(CRandom, GlobalGeneratorFollowsSrand) {
  Srand(1);
  EXPECT_EQ(Rand(), 41);
  Srand(1);
  EXPECT_EQ(Rand(), 41);
  EXPECT_EQ(Rand(), 18467);
}

TEST(Clock, FixedTimeOverridesTheRealOne) {
  Clock::SetFixed(12345);
  EXPECT_EQ(Time(), 12345);
  Clock::SetFixed(std::nullopt);
  EXPECT_GT(Time(), 1600000000);
}

TEST(ReadInt16, ReadsAsTheStandardConversionDoes) {
  EXPECT_EQ(ReadInt16(u"42"), 42);
  EXPECT_EQ(ReadInt16(u""), 0);
  EXPECT_EQ(ReadInt16(u"-"), 0);
  EXPECT_EQ(ReadInt16(u" 3"), 3);
  EXPECT_EQ(ReadInt16(u"12a"), 12);
  EXPECT_EQ(ReadInt16(u"-32768"), -32768);
  EXPECT_EQ(ReadInt16(u"32767"), 32767);
}

TEST(ReadInt16, RefusesWhatDoesNotFitSixteenBits) {
  EXPECT_EQ(ReadInt16(u"32768"), std::nullopt);
  EXPECT_EQ(ReadInt16(u"40000"), std::nullopt);
  EXPECT_EQ(ReadInt16(u"65535"), std::nullopt);  // would wrap to -1
  EXPECT_EQ(ReadInt16(u"-32769"), std::nullopt);
  EXPECT_EQ(ReadInt16(std::u16string(100000, u'9')), std::nullopt);
}

TEST(ReadDouble, LeadingNumberOnly) {
  EXPECT_DOUBLE_EQ(ReadDouble(u"4.25"), 4.25);
  EXPECT_DOUBLE_EQ(ReadDouble(u"-0.5x"), -0.5);
  EXPECT_DOUBLE_EQ(ReadDouble(u"0x10"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDouble(u"inf"), 0.0);
  EXPECT_DOUBLE_EQ(ReadDouble(u""), 0.0);
}

TEST(Text, TruncatesAtCapacity) {
  Text<4> t(u"abcdef");
  EXPECT_EQ(t.view(), u"abc");
  EXPECT_EQ(t.size(), 3u);
  EXPECT_EQ(t.c_str()[3], u'\0');
  t.Append(u"zz");
  EXPECT_EQ(t.view(), u"abc");
  Text<4> u(u"ab");
  u.Append(u"cd");
  EXPECT_EQ(u.view(), u"abc");
}

TEST(Text, NeverSplitsASurrogatePairOrPassesAZero) {
  Text<3> t(u"a\U0001F600");  // the emoji needs two units but only one is left
  EXPECT_EQ(t.view(), u"a");
  Text<8> z(std::u16string_view(u"ab\0cd", 5));
  EXPECT_EQ(z.view(), u"ab");
}

TEST(Utf, RoundTripAndInvalidInput) {
  std::u16string s = u"組合せ ₅C₃ \U0001F600";
  EXPECT_EQ(Utf8ToUtf16(Utf16ToUtf8(s)), s);
  EXPECT_TRUE(Utf8Valid(Utf16ToUtf8(s)));
  EXPECT_FALSE(Utf8Valid("\xff\xfe"));
  EXPECT_FALSE(Utf8Valid("\xc0\x80"));  // overlong zero
  EXPECT_EQ(Utf8ToUtf16("a\xff"), u"a\uFFFD");
}

}  // namespace
}  // namespace vl
