#include <gtest/gtest.h>

#include <string>

#include "notation/notation.h"
#include "notation/ops.h"

namespace vl {
namespace {

using test::FindText;
using test::LinesOf;
using test::SerifBold;
using test::TextsOf;

PageMembers Layout() {
  PageMembers m;
  m.m_nUnitX = 8;
  m.m_nUnitY = 16;
  return m;
}

struct Drawn {
  int width = 0;
  Size size;
  DisplayList ops;
};

Drawn Typeset(std::u16string_view text, int x = 100, int y = 200) {
  RecordingDc dc;
  dc.SetTextColor(colors::kRed);
  Drawn d;
  d.width = DrawFormula(Layout(), dc, x, y, text, &d.size, 0);
  EXPECT_EQ(dc.CurrentFont(), Font{});
  EXPECT_EQ(dc.CurrentPen(), Pen{});
  d.ops = dc.Take();
  return d;
}

TEST(Formula, TheTwoIntegrands) {
  Drawn plain = Typeset(u"xf(x)");
  EXPECT_EQ(plain.width, 40);
  EXPECT_EQ(plain.size, (Size{40, 16}));
  auto texts = TextsOf(plain.ops);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"xf(x)");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].y, 200);
  EXPECT_EQ(texts[0].color, colors::kRed);

  // The group keeps its parentheses and takes the exponent; the blank ends the exponent.
  Drawn power = Typeset(u"(x-m)^2 f(x)");
  texts = TextsOf(power.ops);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"(x-m)");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[1].text, u"2");
  EXPECT_EQ(texts[1].x, 140);
  EXPECT_EQ(texts[1].y, 200 - 16 / 3);
  EXPECT_EQ(texts[1].font, SerifBold(8));
  EXPECT_EQ(texts[2].text, u" f(x)");
  EXPECT_EQ(texts[2].x, 144);
  EXPECT_EQ(power.width, 84);
  EXPECT_TRUE(LinesOf(power.ops).empty());
}

TEST(Formula, FractionBarBetweenCentredParts) {
  Drawn f = Typeset(u"1/12");
  auto texts = TextsOf(f.ops);
  ASSERT_EQ(texts.size(), 2u);
  // Bar: wider part 16 + overhang 2 each side; one pixel of room at each end.
  EXPECT_EQ(f.width, 16 + 4 + 2);
  const TextOp* num = FindText(f.ops, u"1");
  const TextOp* den = FindText(f.ops, u"12");
  ASSERT_TRUE(num && den);
  EXPECT_EQ(num->x, 101 + (20 - 8) / 2);
  EXPECT_EQ(num->y + 16, 200 + 8 - 1);  // ends just above the bar
  EXPECT_EQ(den->x, 101 + 2);
  EXPECT_EQ(den->y, 200 + 8 + 2);
  auto lines = LinesOf(f.ops);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].from, (Point{101, 208}));
  EXPECT_EQ(lines[0].to, (Point{121, 208}));
  EXPECT_EQ(lines[0].pen, SolidPen(colors::kRed, 1));
  EXPECT_EQ(f.size.cy, 16 + 3 + 16);
}

TEST(Formula, FractionRulesForStarsSlashesAndGroups) {
  // A second '/' multiplies into the denominator; '*' goes back to the numerator.
  Drawn a = Typeset(u"a/b/c*d");
  EXPECT_NE(FindText(a.ops, u"ad"), nullptr);
  EXPECT_NE(FindText(a.ops, u"bc"), nullptr);
  // A star before a digit is a multiplication sign; others vanish.
  Drawn b = Typeset(u"2*3*a/4");
  EXPECT_NE(FindText(b.ops, u"2×3a"), nullptr);
  // A whole group loses its parentheses over the bar; -1*( keeps only the minus.
  Drawn c = Typeset(u"-1*(x+1)/(2)");
  auto texts = TextsOf(c.ops);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"-");
  EXPECT_EQ(texts[1].text, u"x+1");
  EXPECT_EQ(texts[2].text, u"2");
  // Without a bar the group stays: -(x+1) is not -x+1.
  Drawn d = Typeset(u"-1*(x+1)");
  EXPECT_NE(FindText(d.ops, u"(x+1)"), nullptr);
  // Inside parentheses nothing splits: one fraction, numerator (a+b)/2 typeset again.
  Drawn e = Typeset(u"((a+b)/2)/c");
  EXPECT_EQ(LinesOf(e.ops).size(), 2u);
  EXPECT_NE(FindText(e.ops, u"a+b"), nullptr);
}

TEST(Formula, ParenthesesGrowAroundAFractionOnly) {
  Drawn tall = Typeset(u"2(1/2)");
  const TextOp* open = FindText(tall.ops, u"(");
  const TextOp* close = FindText(tall.ops, u")");
  ASSERT_TRUE(open && close);
  EXPECT_EQ(open->font.height, tall.size.cy);
  EXPECT_EQ(open->y, close->y);
  EXPECT_EQ(close->x + close->font.height / 2, 100 + tall.width);

  Drawn script = Typeset(u"f(x_1)");
  open = FindText(script.ops, u"(");
  ASSERT_TRUE(open);
  EXPECT_EQ(open->font, Font{});
  EXPECT_EQ(open->y, 200);
}

TEST(Formula, TermsAndTheirSigns) {
  Drawn f = Typeset(u"a+b=c");
  auto texts = TextsOf(f.ops);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[1].text, u"+");
  EXPECT_EQ(texts[1].x, 100 + 8 + 2);
  EXPECT_EQ(texts[3].text, u"=");
  EXPECT_EQ(texts[3].x, 100 + 8 + 12 + 8 + 4);
  EXPECT_EQ(f.width, 8 + 12 + 8 + 16 + 8);

  // Twenty-three terms are drawn; a twenty-fourth stops everything.
  std::u16string terms = u"a";
  for (int i = 1; i < 23; ++i) terms += u"+a";
  EXPECT_GT(Typeset(terms).width, 0);
  Drawn over = Typeset(terms + u"+a");
  EXPECT_EQ(over.width, -1);
  texts = TextsOf(over.ops);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"式の長さが４８以上です。");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].y, 200);
  // A sign after an operator or another sign starts no term.
  EXPECT_NE(FindText(Typeset(u"x<=-1").ops, u"<="), nullptr);
  EXPECT_NE(FindText(Typeset(u"a/-b").ops, u"-b"), nullptr);
}

TEST(Formula, PartsOfFortySevenCharactersAreRefused) {
  const std::u16string num46(46, u'1');
  EXPECT_GT(Typeset(num46 + u"/2").width, 0);
  Drawn over = Typeset(num46 + u"1/2");
  EXPECT_EQ(over.width, -1);
  EXPECT_NE(FindText(over.ops, u"式の長さが４８以上です。"), nullptr);
  EXPECT_EQ(Typeset(u"2/" + num46 + u"1").width, -1);
}

TEST(Formula, UnclosedParenthesis) {
  Drawn f = Typeset(u"a+(b/c");
  EXPECT_EQ(f.width, -1);
  auto texts = TextsOf(f.ops);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"右括弧なし");
  EXPECT_EQ(texts[0].y, 100);
  // A stray closing one is drawn as typed.
  EXPECT_NE(FindText(Typeset(u"a)b").ops, u"a)b"), nullptr);
}

TEST(Formula, RadicalsInBothNotations) {
  // 2*x^(1/2): coefficient, no index, one-line sign.
  Drawn p = Typeset(u"2*x^(1/2)");
  auto texts = TextsOf(p.ops);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, u"2");
  EXPECT_EQ(texts[1].text, u"x");
  EXPECT_EQ(LinesOf(p.ops).size(), 3u);
  Drawn f = Typeset(u"2;x;1;2");
  EXPECT_EQ(f.ops, p.ops);
  EXPECT_EQ(f.width, p.width);

  // A group as radicand: the sign takes the place of its parentheses.
  Drawn g = Typeset(u"2(x+1)^(1/2)");
  texts = TextsOf(g.ops);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, u"2");
  EXPECT_EQ(texts[1].text, u"x+1");
  EXPECT_EQ(Typeset(u"(x+1)^(1/2)").width, g.width - 8);

  // The root index stands in front of the sign, the exponent on the radicand.
  Drawn cube = Typeset(u"1*x^(2/3)");
  texts = TextsOf(cube.ops);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"3");
  EXPECT_EQ(texts[0].font, SerifBold(8));
  EXPECT_EQ(texts[1].text, u"x");
  EXPECT_EQ(texts[2].text, u"2");
  EXPECT_LT(texts[0].x, texts[1].x - 4);
  EXPECT_EQ(Typeset(u"1;x;2;3").ops, cube.ops);

  // -1 leaves its minus; a fraction radicand makes the sign span both lines.
  Drawn half = Typeset(u"-1;(1/2);1;2");
  EXPECT_EQ(TextsOf(half.ops)[0].text, u"-");
  auto lines = LinesOf(half.ops);
  ASSERT_EQ(lines.size(), 4u);  // the bar of the fraction and the sign
  int top = 1000, bottom = -1000;
  for (const auto& l : lines) {
    top = std::min({top, l.from.y, l.to.y});
    bottom = std::max({bottom, l.from.y, l.to.y});
  }
  EXPECT_LT(top, TextsOf(half.ops)[1].y);
  EXPECT_GT(bottom, TextsOf(half.ops)[2].y + 8);

  for (std::u16string_view bad : {u"1;2;3", u"1;;1;2", u"1;2;3;4;5", u"1;x;1;12345678901234567"}) {
    Drawn b = Typeset(bad);
    EXPECT_EQ(b.width, -1) << std::string(bad.begin(), bad.end());
    EXPECT_NE(FindText(b.ops, u"根号表記に誤り"), nullptr);
  }
}

TEST(Formula, SubscriptsAndExponents) {
  Drawn f = Typeset(u"x_(n+1)y^n");
  auto texts = TextsOf(f.ops);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[1].text, u"n+1");
  EXPECT_EQ(texts[1].x, 108);
  EXPECT_EQ(texts[1].y, 200 + 8 + 2);
  EXPECT_EQ(texts[1].font, SerifBold(8));
  EXPECT_EQ(texts[2].text, u"y");
  EXPECT_EQ(texts[3].text, u"n");
  EXPECT_EQ(texts[3].y, 200 - 5);
  // The whole group is raised; a lone '^' stays as typed.
  EXPECT_NE(FindText(Typeset(u"2^(n-1)").ops, u"n-1"), nullptr);
  EXPECT_NE(FindText(Typeset(u"a^+b").ops, u"a^+b"), nullptr);
}

TEST(Formula, MeasureOnlyDrawsNothing) {
  for (std::u16string_view text : {u"(a+b)/2=1/(1/a+1/b)", u"x^(1/3)", u"a+(b", u""}) {
    RecordingDc dc;
    Size measured, drawn;
    const int w1 = DrawFormula(Layout(), dc, 0, 0, text, &measured, 1);
    EXPECT_TRUE(dc.ops().empty());
    const int w0 = DrawFormula(Layout(), dc, 0, 0, text, &drawn, 0);
    EXPECT_EQ(w1, w0);
    EXPECT_EQ(measured, drawn);
  }
}

TEST(IntegralSign, SignLimitsIntegrandAndDx) {
  RecordingDc dc;
  const PageMembers m = Layout();
  DrawIntegralSign(m, dc, 16, 100, 200, u"xf(x)");
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[0].text, u"∫");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].y, 192);
  EXPECT_EQ(texts[0].font, (Font{u"ＭＳ 明朝", 32, 100, 128}));
  // The integrand starts just clear of the lower limit "-∞" (6 + 12 px wide at x + 24), not
  // at x + 2*16 where the limit would run into it; "dx" follows half a size after it.
  EXPECT_EQ(texts[1].text, u"xf(x)");
  EXPECT_EQ(texts[1].x, 100 + 24 + 18 + 1);
  EXPECT_EQ(texts[2].text, u"dx");
  EXPECT_EQ(texts[2].x, texts[1].x + 40 + 8);
  EXPECT_EQ(texts[2].font, Font{});
  EXPECT_EQ(texts[3].text, u"∞");
  EXPECT_EQ(texts[3].x, 124);
  EXPECT_EQ(texts[3].y, 192);
  EXPECT_EQ(texts[3].font, (Font{u"ＭＳ 明朝", 12, 100, 128}));
  EXPECT_EQ(texts[4].text, u"-∞");
  EXPECT_EQ(texts[4].y, 216);
  EXPECT_EQ(dc.CurrentFont(), Font{});

  dc.Clear();
  DrawIntegralSign(m, dc, 10, 100, 200, u"(x-m)^2 f(x)");
  texts = TextsOf(dc.ops());
  const TextOp* lower = FindText(dc.ops(), u"-∞");
  const TextOp* integrand = FindText(dc.ops(), u"(x-m)");
  ASSERT_TRUE(lower && integrand);
  EXPECT_EQ(integrand->x, lower->x + 3 + 7 + 1);
  EXPECT_EQ(FindText(dc.ops(), u"dx")->x, integrand->x + 84 + 5);

  dc.Clear();
  DrawIntegralSign(m, dc, 16, 0, 0, u"");
  EXPECT_TRUE(dc.ops().empty());
}

}  // namespace
}  // namespace vl
