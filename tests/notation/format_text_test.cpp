#include "notation/format_text.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

std::u16string F(std::u16string_view fmt, std::initializer_list<FormatArg> args, size_t cap = 96) {
  return FormatString(cap, fmt, args);
}

TEST(FormatText, ConversionsThePagesUse) {
  EXPECT_EQ(F(u"%3.1f", {2.25}), u"2.2");  // round half to even on the binary value, as C does
  EXPECT_EQ(F(u"%3.1f", {7.0}), u"7.0");
  EXPECT_EQ(F(u"%5.4f", {0.95}), u"0.9500");
  EXPECT_EQ(F(u"%1.3f", {-0.1234}), u"-0.123");
  EXPECT_EQ(F(u"%2.3f", {12.3456}), u"12.346");
  EXPECT_EQ(F(u"%3.2f", {1.0 / 3}), u"0.33");
  EXPECT_EQ(F(u"[%2d][%3d]", {5, -7}), u"[ 5][ -7]");
  EXPECT_EQ(F(u"%ld", {123456789L}), u"123456789");
  EXPECT_EQ(F(u"%s=%c", {u"x", char16_t(u'組')}), u"x=組");
  EXPECT_EQ(F(u"%x %X %#x", {255, 255, 255}), u"ff FF 0xff");
  EXPECT_EQ(F(u"100%%", {}), u"100%");
  EXPECT_EQ(F(u"m=%d*%d/100=%3.1f", {20, 30, 6.0}), u"m=20*30/100=6.0");
}

TEST(FormatText, FlagsWidthAndPrecision) {
  EXPECT_EQ(F(u"[%-4d]", {7}), u"[7   ]");
  EXPECT_EQ(F(u"[%04d]", {-7}), u"[-007]");
  EXPECT_EQ(F(u"[%+d][% d]", {7, 7}), u"[+7][ 7]");
  EXPECT_EQ(F(u"[%.3d]", {7}), u"[007]");
  EXPECT_EQ(F(u"[%08.3f]", {-3.14159}), u"[-003.142]");
  EXPECT_EQ(F(u"[%5s][%-5s][%.2s]", {u"ab", u"ab", u"abc"}), u"[   ab][ab   ][ab]");
  EXPECT_EQ(F(u"[%*d]", {4, 7}), u"[   7]");
  EXPECT_EQ(F(u"%e", {12345.678}), u"1.234568e+04");
  EXPECT_EQ(F(u"%u", {-1}), u"4294967295");
  EXPECT_EQ(F(u"%d/%d", {size_t{12}, ~0ull}), u"12/9223372036854775807");
  EXPECT_EQ(F(u"%d", {static_cast<long long>(INT64_MIN)}), u"-9223372036854775808");
}

TEST(FormatText, TruncatesAtTheCapacity) {
  Text<4> t;
  EXPECT_EQ(FormatText(t, u"%d", 123456), 3u);
  EXPECT_EQ(t.view(), u"123");
  Text<8> e;
  FormatText(e, u"%s-%s", u"n", u"r");
  EXPECT_EQ(e.view(), u"n-r");
  // Huge widths and precisions stop at the capacity instead of building the whole text.
  EXPECT_EQ(F(u"%999999999d", {1}, 6), u"     ");
  EXPECT_EQ(F(u"%.999999999d", {1}, 6), u"00000");
  EXPECT_EQ(F(u"%.999999999f", {1.0}, 6), u"1.000");
  EXPECT_EQ(F(u"abc", {}, 0), u"");
  EXPECT_EQ(F(u"abc", {}, 1), u"");
  // A cut never leaves half a surrogate pair.
  EXPECT_EQ(F(u"a𝑥", {}, 3), u"a");
}

TEST(FormatText, MismatchedArgumentsPrintWhatTheyCan) {
  EXPECT_EQ(F(u"%d and %d", {4}), u"4 and ");
  EXPECT_EQ(F(u"%d", {2.9}), u"2");
  EXPECT_EQ(F(u"%d", {1e300}), u"9223372036854775807");
  EXPECT_EQ(F(u"%3.1f", {3}), u"3.0");
  EXPECT_EQ(F(u"%s", {42}), u"42");
  EXPECT_EQ(F(u"%d", {u"text"}), u"text");
  EXPECT_EQ(F(u"%c", {65}), u"A");
  EXPECT_EQ(F(u"%c", {0}), u"");
  EXPECT_EQ(F(u"%n%p%q", {1, 2}), u"%n%p%q");
  EXPECT_EQ(F(u"tail %", {}), u"tail %");
  EXPECT_EQ(F(u"%5.", {}), u"%5.");
  EXPECT_EQ(F(u"%f %f",
              {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::quiet_NaN()}),
            u"inf nan");
}

}  // namespace
}  // namespace vl
