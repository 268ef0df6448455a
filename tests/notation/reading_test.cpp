// Mathematics as it is spoken.
#include "notation/reading.h"

#include <gtest/gtest.h>

namespace vl {
namespace {

TEST(Speak, ExpressionsAsATeacherSaysThem) {
  struct Case {
    std::u16string_view text, spoken;
  } cases[] = {
      {u" 5*4*3", u"5かける4かける3"},
      {u"1/6=0.167", u"6分の1 イコール 0.167"},
      {u"x^2", u"xの2乗"},
      {u"x²+y³", u"xの2乗たすyの3乗"},
      {u"√2π", u"ルート2パイ"},
      {u"a≦b≧c<d>e", u"a 以下 b 以上 c 小なり d 大なり e"},
      {u"１２０－３", u"120ひく3"},
      {u"₅C₂", u"5C2"},
      {u"-3+(-2)", u"マイナス3たすかっこマイナス2かっことじ"},
      {u"50 -24 = 26 (人)", u"50ひく24 イコール 26人"},
      {u"A∪B={1,2}", u"AカップB イコール 集合 1、2"},
      {u"{x|x>3}", u"集合 x、ただし x 大なり 3"},
      {u"a<=>b", u"a 同値 b"},
  };
  for (const Case& c : cases) EXPECT_EQ(SpeakExpression(c.text), c.spoken);
}

TEST(Speak, NumbersSymbolsAndTables) {
  EXPECT_EQ(SpeakNumber(-5), u"マイナス5");
  EXPECT_EQ(SpeakNumber(-0.04, 1), u"0.0");
  EXPECT_EQ(SpeakNumber(2.5, 3), u"2.500");
  EXPECT_EQ(SpeakSymbol(u'C', 10, 5), u"10C5");
  EXPECT_EQ(SpeakFraction(u"a", u"b"), u"b分のa");
  EXPECT_EQ(SpeakTable({u"x", u"f"}, {{u"5", u""}, {u"15", u"3"}}),
            u"表。1行目、x 5。2行目、x 15、f 3");
  Speech s;
  s << u"問題" << u"" << u"答え。";
  s << u"終わり";
  EXPECT_EQ(s.str(), u"問題。答え。終わり");
}

}  // namespace
}  // namespace vl
