// The drill pages of the two-dice topic: a multiple among three-digit numbers, and three
// problems solved by a change of viewpoint.
#include <algorithm>

#include "drill/drill_pages.h"
#include "drill/drill_texts.h"
#include "notation/notation.h"

namespace vl {

namespace {

constexpr Color kGreen = Rgb(0, 255, 0);

// A tall cup, wide at the top, with its top-left corner at (x, y).
void DrawCup(Dc& dc, int X, int Y, int x, int y) {
  auto brush = dc.SelectBrush(SolidBrush(colors::kWhite));
  dc.Polygon({{x, y}, {x + X, y + 2 * Y}, {x + 3 * X, y + 2 * Y}, {x + 4 * X, y}});
}

void PaintCranesAndTurtles(Dc& dc, DrillPage& page, int X, int Y) {
  PageText(dc, page, 2 * X, 0, u"つるとかめが池にいる。合わせて目が%d,", page.m_nA);
  PageText(dc, page, 2 * X, Y, u"足は %d本のとき、つるとかめは何匹いるか。", page.m_nB);
  if (!page.m_bShowAnswer) {
    dc.SetTextColor(colors::kBlue);
    PageText(dc, page, 2 * X, 5 * Y, u"2x+2y=%d,2x+4y=%d を解いてもよいが", page.m_nA, page.m_nB);
    dc.SetTextColor(colors::kBlack);
    return;
  }
  const int heads = page.m_nA / 2;
  dc.SetTextColor(colors::kRed);
  PageText(dc, page, 2 * X, 4 * Y, u"合わせて、目/2= %d匹いる。", heads);
  PageText(dc, page, 2 * X, 5 * Y, u"もし %d匹全部つるとすると足は %d本だが", heads, page.m_nA);
  PageText(dc, page, 2 * X, 6 * Y, u"余った %d本の足はかめの分で、%d/2匹がかめだ。",
           page.m_nB - page.m_nA, 2 * page.m_nAux1);
  PageText(dc, page, 2 * X, 7 * Y, u"よって、つる %d匹、かめ %d匹", page.m_nAns, page.m_nAux1);
  dc.SetTextColor(colors::kBlack);
}

void PaintOddCups(Dc& dc, DrillPage& page, int X, int Y) {
  dc.TextOut(2 * X, 0, u"3個の細長いコップがある。どのコップも奇数に");
  dc.TextOut(2 * X, Y, u"なるように以下の玉を入れよ。");
  PageText(dc, page, 2 * X, 2 * Y, u"(1) %d個の玉", page.m_nA);
  for (int col : {20, 25, 30}) DrawCup(dc, X, Y, col * X, 3 * Y);
  PageText(dc, page, 2 * X, 6 * Y, u"(2) %d個の玉", page.m_nB);
  if (!page.m_bShowAnswer) return;

  // (2): the cup with Ans balls stands inside the cup with Aux1 - 1 balls.
  DrawCup(dc, X, Y, 25 * X, 7 * Y);
  DrawCup(dc, X, Y, 25 * X, 8 * Y);
  DrawCup(dc, X, Y, 30 * X, 8 * Y);
  dc.SetTextColor(colors::kRed);
  PageText(dc, page, 21 * X, 4 * Y, u"%d", page.m_nAns);
  PageText(dc, page, 26 * X, 7 * Y, u"%d", page.m_nAns);
  PageText(dc, page, 26 * X, 4 * Y, u"%d", page.m_nAux1);
  PageText(dc, page, 26 * X, 9 * Y, u"%d", page.m_nAux1 - 1);
  PageText(dc, page, 31 * X, 4 * Y, u"%d", page.m_nAux2);
  PageText(dc, page, 31 * X, 9 * Y, u"%d", page.m_nAux2);
  dc.SetTextColor(colors::kBlack);
}

void PaintRing(Dc& dc, DrillPage& page, int X, int Y) {
  dc.TextOut(2 * X, 0, u"図の黄色の部分の面積は、図の弦の長さが");
  dc.TextOut(2 * X, Y, u"同じなら円の大きさに関係なく同じという。");
  dc.TextOut(2 * X, 2 * Y, u"黄色部分の面積を求めよ。");
  const int c = 5 * Y / 2;
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Ellipse(5 * Y - c, 6 * Y - c, 5 * Y + c, 6 * Y + c);
  }
  dc.Ellipse(4 * Y, 5 * Y, 6 * Y, 7 * Y);
  dc.MoveTo(3 * Y - 4, 5 * Y);
  dc.LineTo(7 * Y + 4, 5 * Y);
  PageText(dc, page, X + 4 * Y, 4 * Y, u"%d", page.m_nA);
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  dc.TextOut(3 * X, 9 * Y, u"弦が半径の場合も面積が同じだから、");
  // Half a line lower, so that the exponent clears the line above.
  const int y = 10 * Y + Y / 2;
  FormatText(page.m_szText, u"π%d", page.m_nAns);
  DrawSuperscriptText(page.m_szText, dc, Y, 5 * X, y, u"2");
  PageText(dc, page, 10 * X, y, u"= %dπ", page.m_nAns * page.m_nAns);
  dc.SetTextColor(colors::kBlack);
}

}  // namespace

void PaintMultiplePage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int m = page.m_nB;
  dc.TextOut(2 * X, 0, u"0,1,2,3,4の異なる３つの数字を使って３桁の数字を");
  PageText(dc, page, 2 * X, Y, u"作るとき、その数が %dの倍数になる確率を求めよ。", m);

  // The three places, each a thick bar under its label; the bar's round end stays below the
  // second line of the problem.
  static constexpr std::u16string_view kPlaces[] = {u"100", u" 10", u"  1"};
  constexpr int kBarWidth = 24;
  dc.SetTextColor(colors::kBlue);
  {
    auto pen = dc.SelectPen(SolidPen(kGreen, kBarWidth));
    const int top = std::max(5 * Y / 2, 2 * Y + kBarWidth / 2);
    for (int k = 0; k < 3; ++k) {
      const int c = 3 + 4 * k;
      dc.MoveTo(c * X, top);
      dc.LineTo(c * X, 4 * Y);
      dc.TextOut((c - 2) * X, 5 * Y / 2, kPlaces[k]);
    }
  }
  dc.TextOut(10 * X, 5 * Y, u"100位と10位の数字を除いた数字の３通り");
  dc.MoveTo(7 * X, 4 * Y);
  dc.LineTo(7 * X, 6 * Y);
  dc.TextOut(7 * X, 6 * Y, u"0と100位の数字を除いた数字の４通り");
  dc.MoveTo(3 * X, 4 * Y);
  dc.LineTo(3 * X, 7 * Y);
  dc.TextOut(3 * X, 7 * Y, u"1,2,3,4の４通り");
  dc.SetTextColor(colors::kBlack);
  if (!page.m_bShowAnswer) return;

  // Eight numbers a row.
  dc.SetTextColor(kGreen);
  int j = 0, row = 0;
  for (const auto& number : DistinctDigitMultiples(m)) {
    dc.TextOut(X * (4 * j + 1), X + Y * (row + 10), number);
    if (++j > 7) {
      j = 0;
      ++row;
    }
  }
  const int count = 8 * row + j;
  dc.SetTextColor(colors::kRed);
  dc.TextOut(3 * X, 8 * Y, u"3桁の数字は全部で 4*4*3=48通り");
  PageText(dc, page, 3 * X, 9 * Y, u"%dの倍数は以下の %d通り", m, count);
  const std::u16string suffix = ReducedSuffix(count, 48);
  PageText(dc, page, 3 * X, Y * (row + 11) + 10, u"よって、確率は %d/48%s", count, suffix);
  dc.SetTextColor(colors::kBlack);
}

void PaintViewpointPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  switch (page.m_nSubMode) {
    case 0: PaintCranesAndTurtles(dc, page, X, Y); break;
    case 1: PaintOddCups(dc, page, X, Y); break;
    case 2: PaintRing(dc, page, X, Y); break;
    default: break;
  }
}

}  // namespace vl
