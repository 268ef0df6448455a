#include <gtest/gtest.h>

#include "notation/notation.h"
#include "notation/ops.h"

namespace vl {
namespace {

using test::FindText;
using test::PolylineOf;
using test::SerifBold;
using test::TextsOf;

PageMembers Layout(int unitX = 8, int unitY = 16) {
  PageMembers m;
  m.m_nUnitX = static_cast<int16_t>(unitX);
  m.m_nUnitY = static_cast<int16_t>(unitY);
  return m;
}

TEST(SuperscriptText, RaisesTheExponentInHalfHeightBoldSerif) {
  RecordingDc dc;
  dc.SetTextColor(colors::kRed);
  EXPECT_EQ(DrawSuperscriptText(u"x", dc, 16, 100, 50, u"12"), 8 + 8);
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, u"x");
  EXPECT_EQ(texts[0].font, Font{});
  EXPECT_EQ(texts[1].text, u"12");
  EXPECT_EQ(texts[1].x, 108);
  EXPECT_EQ(texts[1].y, 50 - 16 / 3);
  EXPECT_EQ(texts[1].font, SerifBold(8));
  EXPECT_EQ(texts[1].color, colors::kRed);
  EXPECT_EQ(dc.CurrentFont(), Font{});
}

TEST(SuperscriptText, EmptyBaseDrawsNothing) {
  RecordingDc dc;
  EXPECT_EQ(DrawSuperscriptText(u"", dc, 16, 10, 10, u"2"), 0);
  EXPECT_TRUE(dc.ops().empty());
}

TEST(CombinatorialSymbol, SubscriptsFlankTheLetter) {
  RecordingDc dc;
  DrawCombinatorialSymbol(u"C", dc, 16, 100, 40, 5, 3);
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"C");
  EXPECT_EQ(texts[0].x, 100);
  EXPECT_EQ(texts[0].y, 40);
  // Small font 2*16/3 = 10 high, 5 px per character: "5" ends exactly at x.
  EXPECT_EQ(texts[1].text, u"5");
  EXPECT_EQ(texts[1].x, 95);
  EXPECT_EQ(texts[1].y, 40 + 8 + 2);
  EXPECT_EQ(texts[1].font, SerifBold(10));
  EXPECT_EQ(texts[2].text, u"3");
  EXPECT_EQ(texts[2].x, 108);
  EXPECT_EQ(texts[2].y, 50);
  EXPECT_EQ(texts[2].font, SerifBold(10));
  EXPECT_EQ(dc.CurrentFont(), Font{});

  RecordingDc wide;
  DrawCombinatorialSymbol(u"P", wide, 24, 200, 0, u"10", u"r");
  auto t = TextsOf(wide.ops());
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[1].x, 200 - 2 * 8);  // height 16, 8 px per character
  EXPECT_EQ(t[1].y, 14);
}

TEST(CombinatorialSymbol, EmptyLetterDrawsNothing) {
  RecordingDc dc;
  DrawCombinatorialSymbol(u"", dc, 16, 0, 0, 5, 3);
  DrawCombinatorialSymbol(u"", dc, 16, 0, 0, u"n", u"r");
  EXPECT_TRUE(dc.ops().empty());
}

TEST(BinomialTerm, RowsOfTheDistributionTable) {
  const PageMembers m = Layout(8, 16);
  {
    // nC0 q^n: no p, q carries "n".
    RecordingDc dc;
    DrawBinomialTerm(16, dc, u"0", m, 100, 50, u"", u"q");
    auto texts = TextsOf(dc.ops());
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[0].text, u"C");
    EXPECT_EQ(texts[1].text, u"n");
    EXPECT_EQ(texts[1].font, SerifBold(2 * 14 / 3));
    EXPECT_EQ(texts[2].text, u"0");
    EXPECT_EQ(texts[3].text, u"q");
    EXPECT_EQ(texts[3].x, 116);
    EXPECT_EQ(texts[4].text, u"n");
    EXPECT_EQ(texts[4].font, SerifBold(12));
  }
  {
    // nC1 p^1 q^(n-1)
    RecordingDc dc;
    DrawBinomialTerm(16, dc, u"1", m, 100, 50, u"p", u"q");
    auto texts = TextsOf(dc.ops());
    ASSERT_EQ(texts.size(), 7u);
    EXPECT_EQ(texts[3].text, u"p");
    EXPECT_EQ(texts[3].x, 116);
    EXPECT_EQ(texts[4].text, u"1");
    EXPECT_EQ(texts[5].text, u"q");
    EXPECT_EQ(texts[5].x, 116 + 13);
    EXPECT_EQ(texts[6].text, u"n-1");
  }
  {
    // nCn p^n: no q.
    RecordingDc dc;
    DrawBinomialTerm(16, dc, u"n", m, 0, 0, u"p", u"");
    auto texts = TextsOf(dc.ops());
    ASSERT_EQ(texts.size(), 5u);
    EXPECT_EQ(texts[4].text, u"n");
    EXPECT_EQ(FindText(dc.ops(), u"q"), nullptr);
  }
}

TEST(Radical, SignOverhangsTheTextByOneCharacter) {
  RecordingDc dc;
  const PageMembers m = Layout(8, 16);
  DrawRadical(u"2π", m, dc, 100, 50, colors::kBlue);
  const std::vector<Point> expected{{92, 56}, {96, 63}, {100, 46}, {100 + 8 + 8 + 16, 46}};
  EXPECT_EQ(PolylineOf(dc.ops()), expected);
  for (const auto& l : test::LinesOf(dc.ops())) EXPECT_EQ(l.pen, SolidPen(colors::kBlue, 1));
  EXPECT_EQ(dc.CurrentPen(), Pen{});
}

TEST(TallRadical, OneAndTwoLinesInTheCurrentPen) {
  RecordingDc dc;
  auto pen = dc.SelectPen(SolidPen(colors::kRed, 2));
  // Font 16: w = 8, e = 16 - 2 - 2 = 12.
  DrawTallRadical(0, dc, 100, 50, u"ab", 1);
  const std::vector<Point> one{{94, 56}, {96, 61}, {100, 46}, {100 + 8 + 16, 46}};
  EXPECT_EQ(PolylineOf(dc.ops()), one);
  EXPECT_EQ(test::LinesOf(dc.ops())[0].pen, SolidPen(colors::kRed, 2));

  dc.Clear();
  DrawTallRadical(40, dc, 100, 50, u"ignored", 2);
  const int h = 50 - 16 / 3;
  const std::vector<Point> two{{94, h + 24 - 6}, {96, h + 24 - 1}, {100, h - 4}, {148, h - 4}};
  EXPECT_EQ(PolylineOf(dc.ops()), two);

  // Each '^' shortens the bar: the exponent is drawn narrower than typed.
  dc.Clear();
  DrawTallRadical(0, dc, 100, 50, u"x^2", 1);
  EXPECT_EQ(PolylineOf(dc.ops()).back().x, 100 + 8 + 24 - 11);
}

TEST(PowerText, RunsOfOneLetterBecomePowers) {
  const PageMembers m = Layout(8, 16);
  RecordingDc dc;
  EXPECT_EQ(DrawPowerText(dc, m, 10, 20, u"xxy"), 8 + 4 + 8);
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"x");
  EXPECT_EQ(texts[1].text, u"2");
  EXPECT_EQ(texts[1].x, 18);
  EXPECT_EQ(texts[1].font, SerifBold(8));
  EXPECT_EQ(texts[2].text, u"y");
  EXPECT_EQ(texts[2].x, 22);

  dc.Clear();
  EXPECT_EQ(DrawPowerText(dc, m, 0, 0, u"2ab"), 24);
  texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, u"2");
  EXPECT_EQ(texts[1].text, u"a");
  EXPECT_EQ(texts[2].text, u"b");
  for (const auto& t : texts) EXPECT_EQ(t.font, Font{});

  // A long plain run is one item, drawn as typed; with no repeated letter the text reads as
  // formatted.
  dc.Clear();
  EXPECT_EQ(DrawPowerText(dc, m, 0, 0, u"sx^2 =12/5-(1.200)^2"), 20 * 8);
  EXPECT_NE(FindText(dc.ops(), u"2 =12/5-(1.200)"), nullptr);

  dc.Clear();
  EXPECT_EQ(DrawPowerText(dc, m, 0, 0, u""), 0);
  EXPECT_TRUE(dc.ops().empty());
}

TEST(PowerText, ThirtySixItemsAtMost) {
  const PageMembers m = Layout(8, 16);
  std::u16string items;
  for (int i = 0; i < 18; ++i) items += u"a1";
  RecordingDc dc;
  EXPECT_EQ(DrawPowerText(dc, m, 0, 0, items), 36 * 8);
  EXPECT_EQ(TextsOf(dc.ops()).size(), 36u);

  dc.Clear();
  EXPECT_EQ(DrawPowerText(dc, m, 5, 30, items + u"b"), 0);
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].text, u"項目が多すぎ表示不可能。");
  EXPECT_EQ(texts[0].x, 20 * 8);
  EXPECT_EQ(texts[0].y, 30);
}

TEST(PowerText, LongRunsKeepEveryDigitOfTheirExponent) {
  const PageMembers m = Layout(8, 16);
  RecordingDc dc;
  DrawPowerText(dc, m, 0, 0, std::u16string(1001, u'a'));
  auto texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[1].text, u"999");
  EXPECT_EQ(texts[3].text, u"2");

  // A surrogate pair is one letter, never split between items.
  dc.Clear();
  DrawPowerText(dc, m, 0, 0, u"𝑥𝑥");
  texts = TextsOf(dc.ops());
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, u"𝑥");
  EXPECT_EQ(texts[1].text, u"2");
}

}  // namespace
}  // namespace vl
