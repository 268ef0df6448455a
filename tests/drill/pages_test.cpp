#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "drill/drill_pages.h"
#include "drill/drill_texts.h"
#include "platform/recording_dc.h"

namespace vl {
namespace {

constexpr int X = 8, Y = 16;

DrillPage MakePage(int16_t code, int16_t sub = 0) {
  DrillPage p;
  p.m_nUnitX = X;
  p.m_nUnitY = Y;
  p.m_nTopic = code;
  p.m_nSubMode = sub;
  return p;
}

struct Painted {
  DisplayList ops;
  Color textColorAfter;
  Pen penAfter;
  Brush brushAfter;

  std::vector<const TextOp*> texts() const {
    std::vector<const TextOp*> out;
    for (auto& op : ops)
      if (auto* t = std::get_if<TextOp>(&op)) out.push_back(t);
    return out;
  }
  const TextOp* find(std::u16string_view s) const {
    for (auto* t : texts())
      if (t->text == s) return t;
    return nullptr;
  }
  bool has(std::u16string_view s) const { return find(s) != nullptr; }
  template <class Op>
  std::vector<const Op*> all() const {
    std::vector<const Op*> out;
    for (auto& op : ops)
      if (auto* o = std::get_if<Op>(&op)) out.push_back(o);
    return out;
  }
};

Painted Paint(DrillPage& page, bool answer) {
  page.m_bShowAnswer = answer ? 1 : 0;
  RecordingDc dc;
  dc.SetBkMode(BkMode::kTransparent);
  PaintDrillPage(dc, page);
  return {dc.Take(), dc.GetTextColor(), dc.CurrentPen(), dc.CurrentBrush()};
}

testing::AssertionResult At(const Painted& p, std::u16string_view s, int x, int y) {
  const TextOp* t = p.find(s);
  if (!t) return testing::AssertionFailure() << "text not drawn: " << Utf16ToUtf8(s);
  if (t->x != x || t->y != y)
    return testing::AssertionFailure() << Utf16ToUtf8(s) << " at (" << t->x << ", " << t->y
                                       << "), wanted (" << x << ", " << y << ")";
  return testing::AssertionSuccess();
}

TEST(DrillPages, RoutesWithFiveEachWay) {
  auto page = MakePage(2769);
  page.m_nA = 5;
  page.m_nB = 5;
  page.m_nAns = 25;
  auto shown = Paint(page, true);
  for (std::u16string_view label : {u"バス", u"ＪＲ", u"地下鉄", u"私鉄", u"タクシー"}) {
    int n = 0;
    for (auto* t : shown.texts()) n += t->text == label;
    EXPECT_EQ(n, 2) << Utf16ToUtf8(label);
  }
  EXPECT_TRUE(At(shown, u"タクシー", 6 * Y - X, 7 * Y - 8));
  EXPECT_TRUE(At(shown, u"（答え）25通り", Y, 9 * Y));
  EXPECT_TRUE(At(shown, u"5通りｘ5通り＝25通り", 4 * Y, 10 * Y));
  EXPECT_EQ(shown.all<RectangleOp>().size(), 3u);
  // Two straight roads and four hanging loops of three segments each way.
  EXPECT_EQ(shown.all<LineOp>().size(), 2u + 2u * 5u * 3u);
}

TEST(DrillPages, DistinctDigitsWithFiveDigits) {
  auto page = MakePage(2771);
  page.m_nA = 5;
  page.m_nAns = 30240;
  page.m_nAux1 = 3024;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"（答え）27216個 (30240-3024)", Y, 5 * Y));
  EXPECT_TRUE(At(shown, u"10個の数字0,1,2,3,4,5,6,7,8,9から異なる5個の", X, 4));
  EXPECT_TRUE(shown.has(u"P") && shown.has(u"10") && shown.has(u"4"));
}

TEST(DrillPages, DigitChoiceOfTwoTakesNothingMore) {
  auto page = MakePage(2772);
  page.m_nA = 2;
  page.m_nAns = 1;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"（答え）1個", Y, 5 * Y));
  EXPECT_TRUE(shown.has(u":8個の数字から0個とる組合せの数"));
  const TextOp* c = shown.find(u"C");
  ASSERT_NE(c, nullptr);
  const TextOp* right = shown.find(u"0");
  ASSERT_NE(right, nullptr);
  EXPECT_EQ(right->x, c->x + X);  // the right subscript follows the letter
}

TEST(DrillPages, TrinomialOfPowerEleven) {
  auto page = MakePage(2775);
  page.m_nA = 11;
  page.m_nAns = 78;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"（答え）78個", Y, 5 * Y));
  EXPECT_TRUE(At(shown, u"aabcabccbac", 4 * Y, 7 * Y));
  EXPECT_TRUE(At(shown, u"(項の例)", 12 * X + 5 * Y, 7 * Y));
  EXPECT_TRUE(At(shown, u"11個", 4 * Y, 9 * Y));
  // The symbol stands clear of the line it ends: its left subscript after the last character.
  const TextOp* line = shown.find(u"11個とる組合せの数だから、");
  ASSERT_NE(line, nullptr);
  const TextOp* left = shown.find(u"3");
  ASSERT_NE(left, nullptr);
  EXPECT_GE(left->x, line->x + ReferenceTextExtent(line->font, line->text).cx);
  EXPECT_EQ(shown.find(u"H")->x, 2 * Y + 16 + 12 * 16 + X);
  ASSERT_EQ(shown.all<ArcOp>().size(), 1u);
  EXPECT_EQ(shown.all<ArcOp>()[0]->start, (Point{4 * Y, 8 * Y}));
  EXPECT_EQ(shown.all<ArcOp>()[0]->end, (Point{4 * Y + 11 * X, 8 * Y}));
}

TEST(DrillPages, ChordArcSagsBelowItsSegment) {
  RecordingDc dc;
  // Given right to left, the points are put in order; centre half the length above the middle.
  DrawChordArc(dc, {152, 128}, {64, 128});
  auto arc = std::get<ArcOp>(dc.ops().at(0));
  EXPECT_EQ(arc.start, (Point{64, 128}));
  EXPECT_EQ(arc.end, (Point{152, 128}));
  EXPECT_EQ(arc.rect, (Rect{108 - 62, 84 - 62, 108 + 62, 84 + 62}));
  // A vertical segment: the upper point starts.
  dc.Clear();
  DrawChordArc(dc, {10, 50}, {10, 10});
  arc = std::get<ArcOp>(dc.ops().at(0));
  EXPECT_EQ(arc.start, (Point{10, 10}));
  EXPECT_EQ(arc.end, (Point{10, 50}));
  EXPECT_EQ(arc.rect, (Rect{30 - 28, 30 - 28, 30 + 28, 30 + 28}));
}

TEST(DrillPages, ClosedStreetOnTheBottomLineInTheFirstColumn) {
  auto page = MakePage(2777);
  page.m_nA = 0;
  page.m_nB = 1;
  page.m_nP = 9;
  page.m_nQ = 0;
  page.m_nAns = 252;
  page.m_nAux1 = 126;
  page.m_nAux2 = 1;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"X", 2 * Y + X - 4, 10 * Y - X));
  EXPECT_EQ(shown.find(u"X")->color, Rgb(255, 0, 255));
  EXPECT_TRUE(At(shown, u"（答え）126通り", 8 * Y, 5 * Y));
  EXPECT_TRUE(shown.has(u"ＡからＸへは、   　 =1"));
  EXPECT_TRUE(shown.has(u"ＸからＢへは、   　 =126"));
  EXPECT_TRUE(shown.has(u"よって、       -126*1"));
  // The symbols stand in the blanks: after 7 full-width characters and one blank.
  int cs = 0;
  for (auto* t : shown.texts())
    if (t->text == u"C") {
      ++cs;
      EXPECT_TRUE(t->x == 8 * Y + 7 * 16 + 8 || t->x == 8 * Y + 4 * 16 + 2 * 8) << t->x;
    }
  EXPECT_EQ(cs, 3);
}

TEST(DrillPages, FiguresAnswerWithTheirParts) {
  auto page = MakePage(2770, 1);
  page.m_nAns = 5;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"（答え）5個", Y, 9 * Y));
  EXPECT_TRUE(At(shown, u"大きい三角形：１個", 4 * Y, 11 * Y));
  const int t = static_cast<int>(8.6 * Y);
  EXPECT_EQ(shown.all<PolygonOp>().at(0)->points,
            (std::vector<Point>{{8 * Y, 4 * Y}, {4 * Y, t}, {12 * Y, t}}));
  page = MakePage(2770, 2);
  page.m_nAns = 9;
  shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"大きい四角形：１個", 4 * Y, 13 * Y));
}

TEST(DrillPages, BooksWithTheUnionAt39) {
  auto page = MakePage(2776);
  // Regions: all three 10, pairs 6, 5, 6, singles 3, 5, 4: union 39.
  page.m_nH = 10;
  page.m_nE = 16;
  page.m_nF = 15;
  page.m_nG = 16;
  page.m_nB = 3 + 6 + 6 + 10;
  page.m_nC = 5 + 6 + 5 + 10;
  page.m_nD = 4 + 5 + 6 + 10;
  page.m_nAux1 = 39;
  page.m_nAns = 1;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"英語25人、数学26人、国語25人、英と数16人、", 0, Y));
  EXPECT_TRUE(At(shown, u"数と国15人、国と英16人、英数国10人だった。", 0, 2 * Y));
  EXPECT_TRUE(At(shown, u"（答え）1人", 13 * Y, 4 * Y));
  EXPECT_TRUE(At(shown, u"25+26+25-16-15-16+10=39", 10 * X, 13 * Y));
  auto arcs = shown.all<ArcOp>();
  ASSERT_EQ(arcs.size(), 3u);
  EXPECT_EQ(arcs[0]->rect, (Rect{4 * Y, 7 * Y, 8 * Y, 11 * Y}));
  EXPECT_EQ(arcs[0]->start, arcs[0]->end);
  EXPECT_EQ(arcs[0]->pen, SolidPen(colors::kRed, 2));
  EXPECT_EQ(arcs[2]->pen, SolidPen(Rgb(0, 255, 0), 2));
}

struct SetCase {
  int a, b, item;
  std::u16string problem, answer;
};

TEST(DrillPages, SetBasicsItems) {
  const SetCase cases[] = {
      {2, 2, 0, u"{x|xは4の約数}の元を列挙して表せ。", u"{1,2,4}"},
      {2, 2, 1, u"4は{x|xは4の約数}の元か？", u"元である。"},
      {6, 4, 1, u"10は{x|xは24の約数}の元か？", u"元でない。"},
      {6, 4, 0, u"{x|xは24の約数}の元を列挙して表せ。", u"{1,2,3,4,6,8,12,24}"},
      {2, 2, 2, u"{1,2,3}の部分集合をすべて求めよ。", u"{},{1},{2},{3},{1,2},{2,3},{3,1},{1,2,3}"},
      {6, 4, 3, u"A={1,2,3,4,5,6},B={6,7,8,9}の和集合を求めよ。", u"{1,2,3,4,5,6,7,8,9}"},
      {6, 4, 4, u"A={1,2,3,4,5,6},B={6,7,8,9}の交わりを求めよ。", u"{6}"},
      {2, 2, 5, u"A={1,2},B={2,3}の差Ａ－Ｂを求めよ。", u"{1}"},
      {4, 3, 6, u"A={x| x>4}の補集合を求めよ。", u"{x|x≦4}"},
      {4, 3, 7, u"A={x| x<-4,X>3}の補集合を求めよ。", u"{x|-4≦x≦3}"},
      {4, 3, 8, u"A={x| -4<x<3}の補集合を求めよ。", u"{x|x≦-4,x≧3}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.item);
    auto page = MakePage(2787, static_cast<int16_t>(c.item));
    page.m_nA = static_cast<int16_t>(c.a);
    page.m_nB = static_cast<int16_t>(c.b);
    page.m_nC = static_cast<int16_t>(c.a * c.b);
    auto hidden = Paint(page, false);
    auto shown = Paint(page, true);
    EXPECT_TRUE(At(shown, c.problem, Y, Y));
    EXPECT_TRUE(At(shown, c.answer, Y, 4 * Y));
    EXPECT_EQ(shown.find(c.answer)->color, colors::kRed);
    EXPECT_FALSE(hidden.has(c.answer));
    EXPECT_EQ(shown.has(u"全体集合U={実数}のとき"), c.item >= 6);
  }
}

TEST(DrillPages, SetBasicsBeyondItem8ShowsTheHeadingAlone) {
  for (int16_t item : {9, 20, -1}) {
    auto page = MakePage(2787, item);
    page.m_nA = 2;
    page.m_nB = 2;
    auto shown = Paint(page, true);
    ASSERT_EQ(shown.texts().size(), 1u) << item;
    EXPECT_TRUE(At(shown, u"全体集合U={実数}のとき", X, 0));
  }
}

TEST(DrillPages, QuadraticWhoseConstantWouldVanish) {
  auto page = MakePage(2778);
  page.m_nAns = 1;
  page.m_nA = -1;
  page.m_nB = -1;
  auto shown = Paint(page, true);
  EXPECT_EQ(page.m_nA, 0);  // kept for later paints
  EXPECT_TRUE(At(shown, u" -1 < 0」", 12 * X, 3 * Y + Y / 4));
  EXPECT_TRUE(At(shown, u"左辺＝ x", 3 * X, 6 * Y));
  // b after the width of "左辺＝ x" and room for the exponent.
  EXPECT_TRUE(At(shown, u"-1", 3 * 16 + 2 * 8 + 4 * X, 6 * Y));
  EXPECT_TRUE(At(shown, u"左辺は x = 0のとき 負になるので", 3 * X, 7 * Y));
  EXPECT_TRUE(shown.has(u"「真」である。"));
  auto again = Paint(page, true);
  EXPECT_EQ(page.m_nA, 0);
  EXPECT_EQ(again.ops, shown.ops);
}

TEST(DrillPages, QuadraticKindsZeroAndTwo) {
  auto page = MakePage(2778);
  page.m_nAns = 0;
  page.m_nA = -3;
  page.m_nB = 2;
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"「すべての実数ｘについて", 3 * X, 3 * Y));
  EXPECT_TRUE(At(shown, u"-6x +11 > 0」", 12 * X, 4 * Y + Y / 4));
  EXPECT_TRUE(At(shown, u"左辺＝ (x -3)", 3 * X, 7 * Y));
  EXPECT_TRUE(shown.has(u"+2"));
  EXPECT_TRUE(At(shown, u"左辺の (x -3)の平方は０または正で、", 3 * X, 8 * Y));
  EXPECT_FALSE(shown.has(u"よって、「偽」である。"));
  page.m_nAns = 2;
  shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"-6x +11 < 0」", 12 * X, 3 * Y + Y / 4));
  EXPECT_TRUE(At(shown, u"よって、「偽」である。", 3 * X, 10 * Y));
}

TEST(DrillPages, ProofItemsAndTheirAnswers) {
  const std::pair<int, std::u16string> cases[] = {
      {8, u"よって、m=0"},  {9, u"残る条件は ∠C>∠B しかない。"},
      {10, u"∴ ∠A=∠A'=∠R"}, {11, u"n=k+1 のとき"},
      {12, u"= 1 = 右辺"},  {13, u"よって、与式は成立。"},
  };
  for (const auto& [item, last] : cases) {
    auto page = MakePage(2779, static_cast<int16_t>(item));
    auto hidden = Paint(page, false);
    auto shown = Paint(page, true);
    EXPECT_TRUE(At(hidden, u"次の命題を証明せよ。", 2 * X, 0)) << item;
    EXPECT_GT(hidden.texts().size(), 1u) << item;
    EXPECT_FALSE(hidden.has(last)) << item;
    ASSERT_TRUE(shown.has(last)) << item;
    EXPECT_EQ(shown.find(last)->color, colors::kRed) << item;
  }
  // Item 11's last line hangs under the long sum.
  auto page = MakePage(2779, 11);
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(shown, u"+(2k+1)", 23 * 8 + 5 * X + 4, 9 * Y));  // after k's exponent
  EXPECT_TRUE(At(shown, u"=(k+1)", 23 * 8 + 2 * X, 10 * Y + Y / 4));
}

TEST(DrillPages, ProofItemsOutsideTheListShowTheHeadingAlone) {
  for (int16_t item : {0, 7, 14}) {
    auto page = MakePage(2779, item);
    auto shown = Paint(page, true);
    ASSERT_EQ(shown.ops.size(), 1u) << item;
    EXPECT_TRUE(At(shown, u"次の命題を証明せよ。", 2 * X, 0));
  }
}

TEST(DrillPages, MultiplesOfTwoInRowsOfEight) {
  auto page = MakePage(2781);
  page.m_nB = 2;
  auto shown = Paint(page, true);
  std::vector<const TextOp*> numbers;
  for (auto* t : shown.texts())
    if (t->color == Rgb(0, 255, 0)) numbers.push_back(t);
  ASSERT_EQ(numbers.size(), 30u);
  int perRow[4] = {};
  for (auto* t : numbers) {
    const int row = (t->y - X) / Y - 10;
    ASSERT_TRUE(row >= 0 && row < 4) << t->y;
    EXPECT_EQ(t->x, X * (4 * perRow[row] + 1));
    ++perRow[row];
  }
  EXPECT_EQ(perRow[0], 8);
  EXPECT_EQ(perRow[1], 8);
  EXPECT_EQ(perRow[2], 8);
  EXPECT_EQ(perRow[3], 6);
  EXPECT_EQ(numbers.front()->text, u"102");
  EXPECT_TRUE(At(shown, u"2の倍数は以下の 30通り", 3 * X, 9 * Y));
  EXPECT_TRUE(At(shown, u"よって、確率は 30/48=5/8", 3 * X, 14 * Y + 10));
  // The thick place bars, round ends included, stay below the problem's two lines.
  auto bars = shown.all<LineOp>();
  ASSERT_GE(bars.size(), 3u);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(bars[k]->pen.width, 24);
    EXPECT_EQ(bars[k]->from.x, (3 + 4 * k) * X);
    EXPECT_GE(bars[k]->from.y - 12, 2 * Y);
    EXPECT_EQ(bars[k]->to.y, 4 * Y);
  }
}

TEST(DrillPages, MultiplesOfNineAreTheArrangementsOfTwoThreeFour) {
  EXPECT_EQ(DistinctDigitMultiples(9),
            (std::vector<std::u16string>{u"234", u"243", u"324", u"342", u"423", u"432"}));
  EXPECT_EQ(ReducedSuffix(6, 48), u"=1/8");
  EXPECT_EQ(ReducedSuffix(7, 48), u"");
  EXPECT_EQ(ReducedSuffix(0, 48), u"");
  // All 48 numbers: three distinct digits, none led by 0.
  auto all = DistinctDigitMultiples(1);
  ASSERT_EQ(all.size(), 48u);
  for (auto& n : all) {
    EXPECT_NE(n[0], u'0');
    EXPECT_TRUE(n[0] != n[1] && n[1] != n[2] && n[0] != n[2]);
  }
}

TEST(DrillPages, CranesAndTurtles) {
  auto page = MakePage(2782, 0);
  page.m_nAns = 5;
  page.m_nAux1 = 5;
  page.m_nA = 20;
  page.m_nB = 30;
  auto hidden = Paint(page, false);
  auto shown = Paint(page, true);
  EXPECT_TRUE(At(hidden, u"2x+2y=20,2x+4y=30 を解いてもよいが", 2 * X, 5 * Y));
  EXPECT_FALSE(shown.has(u"2x+2y=20,2x+4y=30 を解いてもよいが"));
  EXPECT_TRUE(At(shown, u"つるとかめが池にいる。合わせて目が20,", 2 * X, 0));
  EXPECT_TRUE(At(shown, u"もし 10匹全部つるとすると足は 20本だが", 2 * X, 5 * Y));
  EXPECT_TRUE(At(shown, u"余った 10本の足はかめの分で、10/2匹がかめだ。", 2 * X, 6 * Y));
  EXPECT_TRUE(At(shown, u"よって、つる 5匹、かめ 5匹", 2 * X, 7 * Y));
}

TEST(DrillPages, OddCupsAndTheRing) {
  auto page = MakePage(2782, 1);
  page.m_nAns = 3;
  page.m_nAux1 = 1;
  page.m_nAux2 = 5;
  page.m_nA = 9;
  page.m_nB = 8;
  EXPECT_EQ(Paint(page, false).all<PolygonOp>().size(), 3u);
  auto cups = Paint(page, true);
  EXPECT_EQ(cups.all<PolygonOp>().size(), 6u);
  EXPECT_TRUE(At(cups, u"0", 26 * X, 9 * Y));  // Aux1 - 1
  EXPECT_TRUE(At(cups, u"(2) 8個の玉", 2 * X, 6 * Y));

  page = MakePage(2782, 2);
  page.m_nA = 30;
  page.m_nAns = 15;
  auto ring = Paint(page, true);
  EXPECT_TRUE(At(ring, u"π15", 5 * X, 10 * Y + Y / 2));
  EXPECT_TRUE(At(ring, u"= 225π", 10 * X, 10 * Y + Y / 2));
  // Its exponent clears the line above.
  EXPECT_GE(ring.find(u"2")->y, 10 * Y);
  EXPECT_TRUE(At(ring, u"30", X + 4 * Y, 4 * Y));
  auto ellipses = ring.all<EllipseOp>();
  ASSERT_EQ(ellipses.size(), 2u);
  EXPECT_EQ(ellipses[0]->rect, (Rect{5 * Y - 40, 6 * Y - 40, 5 * Y + 40, 6 * Y + 40}));
  EXPECT_EQ(ellipses[0]->brush, SolidBrush(colors::kYellow));
  EXPECT_EQ(ellipses[1]->brush, SolidBrush(colors::kWhite));
}

// Every page with slots as its generator gives them, before and after "答え".
std::vector<DrillPage> EveryPage() {
  std::vector<DrillPage> pages;
  for (uint32_t seed = 0; seed < 200; ++seed) {
    for (int16_t code : {2769, 2770, 2771, 2772, 2775, 2776, 2777, 2778, 2781, 2782}) {
      CRandom rng;
      rng.Seed(seed);
      auto page = MakePage(code);
      static_cast<DrillSlots&>(page) = GenerateDrill(code, page, rng);
      pages.push_back(page);
    }
    for (int16_t item = 0; item <= 8; ++item) {
      CRandom rng;
      rng.Seed(seed);
      auto page = MakePage(2787, item);
      static_cast<DrillSlots&>(page) = GenerateDrill(2787, page, rng);
      pages.push_back(page);
    }
  }
  for (int16_t item = 8; item <= 13; ++item) pages.push_back(MakePage(2779, item));
  return pages;
}

TEST(DrillPages, NothingOfTheAnswerBeforeItIsAsked) {
  for (auto page : EveryPage()) {
    SCOPED_TRACE(testing::Message() << page.m_nTopic << "/" << page.m_nSubMode);
    auto hidden = Paint(page, false);
    auto shown = Paint(page, true);
    std::vector<std::u16string> before, after;
    for (auto* t : hidden.texts()) before.push_back(t->text);
    for (auto* t : shown.texts()) after.push_back(t->text);
    ASSERT_GT(after.size(), before.size());
    for (auto* t : hidden.texts()) {
      ASSERT_EQ(t->text.find(u"答え"), std::u16string::npos);
      // Only the inference page poses part of its problem in red.
      if (page.m_nTopic != 2778) {
        ASSERT_NE(t->color, colors::kRed) << Utf16ToUtf8(t->text);
      }
      // The hint of the cranes is the one problem line that gives way to the answer.
      if (page.m_nTopic == 2782 && page.m_nSubMode == 0 && t->color == colors::kBlue) continue;
      ASSERT_NE(std::find(after.begin(), after.end(), t->text), after.end())
          << Utf16ToUtf8(t->text);
    }
  }
}

TEST(DrillPages, PagesLeaveTheSurfaceAsTheyFoundIt) {
  for (auto page : EveryPage()) {
    for (bool answer : {false, true}) {
      auto p = Paint(page, answer);
      ASSERT_EQ(p.textColorAfter, colors::kBlack) << page.m_nTopic;
      ASSERT_EQ(p.penAfter, Pen{}) << page.m_nTopic;
      ASSERT_EQ(p.brushAfter, Brush{}) << page.m_nTopic;
    }
  }
}

// The drill's client area is 458 x 284 pixels; its two buttons stand at the right.
TEST(DrillPages, TextStaysInTheWindowAndClearOfTheButtons) {
  const Rect client{0, 0, 458, 284};
  const Rect buttons[] = {{368, 130, 438, 158}, {368, 240, 438, 268}};
  for (auto page : EveryPage()) {
    auto shown = Paint(page, true);
    for (auto* t : shown.texts()) {
      const Size s = ReferenceTextExtent(t->font, t->text);
      const Rect box{t->x, t->y, t->x + s.cx, t->y + s.cy};
      SCOPED_TRACE(testing::Message()
                   << page.m_nTopic << "/" << page.m_nSubMode << " " << Utf16ToUtf8(t->text));
      ASSERT_EQ(box.Intersect(client), box);
      for (auto& b : buttons) ASSERT_TRUE(box.Intersect(b).IsEmpty());
    }
  }
}

TEST(DrillPages, CodesWithoutAPagePaintNothing) {
  for (int16_t code : {2773, 2774, 2780, 2783, 2784, 2785, 2786, 0}) {
    auto page = MakePage(code);
    EXPECT_TRUE(Paint(page, true).ops.empty()) << code;
  }
}

}  // namespace
}  // namespace vl
