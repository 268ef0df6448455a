// The drill pages of the counting topics.
#include <algorithm>
#include <cmath>
#include <utility>

#include "drill/drill_pages.h"
#include "notation/notation.h"

namespace vl {

namespace {

constexpr Color kCyan = Rgb(0, 255, 255);
constexpr Color kMagenta = Rgb(255, 0, 255);

constexpr std::u16string_view kRouteLabels[] = {u"バス", u"ＪＲ", u"地下鉄", u"私鉄", u"タクシー"};

// One town-to-town leg: the straight road and one labelled route per count; route 0 runs along
// the road, the others hang below it as loops.
void DrawLeg(Dc& dc, int from, int count, int Y, int X) {
  dc.MoveTo(from, 3 * Y);
  dc.LineTo(from + 6 * Y, 3 * Y);
  for (int i = 0; i < count && i < 5; ++i) {
    int y = (i + 3) * Y;
    dc.Polyline({{from + Y, 3 * Y}, {from + Y, y}, {from + 5 * Y, y}, {from + 5 * Y, 3 * Y}});
    dc.TextOut(from + 2 * Y - X, y - 8, kRouteLabels[i]);
  }
}

}  // namespace

void DrawChordArc(Dc& dc, Point p, Point q) {
  if (q.y < p.y || (q.y == p.y && q.x < p.x)) std::swap(p, q);
  const Point s = p, e = q;
  const int cx = (e.y - s.y + e.x + s.x) / 2;
  const int cy = (e.y + s.y + s.x - e.x) / 2;
  const int dx = cx - s.x, dy = cy - s.y;
  const int r = static_cast<int>(std::sqrt(static_cast<double>(dx * dx + dy * dy)));
  dc.Arc(cx - r, cy - r, cx + r, cy + r, s.x, s.y, e.x, e.y);
}

void PaintRoutesPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  {
    auto brush = dc.SelectBrush(SolidBrush(kCyan));
    for (int left : {2 * Y, 10 * Y, 18 * Y})
      dc.Rectangle(left - 4, 3 * Y - 10, left + 4 * X, 4 * Y - 10);
  }
  dc.TextOut(2 * X, 0, u"Ａ町からＢ町を通ってＣ町に行く方法は");
  dc.TextOut(2 * X, Y, u"何通りあるか。");

  dc.SetTextColor(colors::kBlue);
  {
    auto pen = dc.SelectPen(SolidPen(colors::kRed, 2));
    dc.TextOut(2 * Y, 3 * Y - 8, u"Ａ町");
    DrawLeg(dc, 4 * Y, page.m_nA, Y, X);
    dc.TextOut(10 * Y, 3 * Y - 8, u"Ｂ町");
    DrawLeg(dc, 12 * Y, page.m_nB, Y, X);
    dc.TextOut(18 * Y, 3 * Y - 8, u"Ｃ町");
  }

  if (page.m_bShowAnswer) {
    dc.SetTextColor(colors::kRed);
    PageText(dc, page, Y, 9 * Y, u"（答え）%d通り", page.m_nAns);
    PageText(dc, page, 4 * Y, 10 * Y, u"%d通りｘ%d通り＝%d通り", page.m_nA, page.m_nB, page.m_nAns);
  }
  dc.SetTextColor(colors::kBlack);
}

void PaintFiguresPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  {
    auto pen = dc.SelectPen(SolidPen(colors::kBlack, 2));
    if (page.m_nSubMode == 1) {
      dc.TextOut(X, Y, u"下図で、三角形は何個あるか。");
      const int t = static_cast<int>(8.6 * Y);
      const int mid = (4 * Y + t) / 2;
      dc.Polygon({{8 * Y, 4 * Y}, {4 * Y, t}, {12 * Y, t}});
      dc.Polyline({{6 * Y, mid}, {8 * Y, t}, {10 * Y, mid}, {6 * Y, mid}});
    } else if (page.m_nSubMode == 2) {
      dc.TextOut(X, Y, u"下図で、四角形は何個あるか。");
      dc.Polygon({{4 * Y, 4 * Y}, {4 * Y, 8 * Y}, {8 * Y, 8 * Y}, {8 * Y, 4 * Y}});
      dc.MoveTo(4 * Y, 6 * Y);
      dc.LineTo(8 * Y, 6 * Y);
      dc.MoveTo(6 * Y, 4 * Y);
      dc.LineTo(6 * Y, 8 * Y);
    }
  }
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kBlue);
  dc.TextOut(2 * Y, 2 * Y, u"もれなく、重複せずに数えること！");
  dc.SetTextColor(colors::kRed);
  PageText(dc, page, Y, 9 * Y, u"（答え）%d個", page.m_nAns);
  static constexpr std::u16string_view kTriangles[] = {u"小さい三角形：４個",
                                                       u"大きい三角形：１個"};
  static constexpr std::u16string_view kRectangles[] = {
      u"小さい四角形：４個", u"横長の四角形：２個", u"縦長の四角形：２個", u"大きい四角形：１個"};
  int row = 10;
  if (page.m_nSubMode == 1)
    for (auto line : kTriangles) dc.TextOut(4 * Y, row++ * Y, line);
  else if (page.m_nSubMode == 2)
    for (auto line : kRectangles) dc.TextOut(4 * Y, row++ * Y, line);
  dc.SetTextColor(colors::kBlack);
}

void PaintDistinctDigitsPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int r = page.m_nA;
  PageText(dc, page, X, 4, u"10個の数字0,1,2,3,4,5,6,7,8,9から異なる%d個の", r);
  PageText(dc, page, X, 2 * Y, u"数字を選んで %dけたの整数を作る。何個できるか。", r);
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  PageText(dc, page, Y, 5 * Y, u"（答え）%d個 (%d-%d)", page.m_nAns - page.m_nAux1, page.m_nAns,
           page.m_nAux1);
  PageText(dc, page, 4 * Y, 7 * Y, u":10個の数字から%d個とって並べる順列の数", r);
  DrawCombinatorialSymbol(u"P", dc, Y, 2 * Y, 7 * Y, 10, r);
  dc.TextOut(4 * Y, 9 * Y, u":左端に0がある順列の数");
  DrawCombinatorialSymbol(u"P", dc, Y, 2 * Y, 9 * Y, 9, r - 1);
  dc.SetTextColor(colors::kBlack);
}

void PaintDigitChoicePage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int r = page.m_nA;
  PageText(dc, page, X, 4, u"10個の数字0,1,2,3,4,5,6,7,8,9から異なる%d個の数字を", r);
  dc.TextOut(X, 2 * Y, u"選ぶ。1,3を含むとすると何個できるか。");
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  PageText(dc, page, Y, 5 * Y, u"（答え）%d個", page.m_nAns);
  PageText(dc, page, 4 * Y, 7 * Y, u":8個の数字から%d個とる組合せの数", r - 2);
  DrawCombinatorialSymbol(u"C", dc, Y, 2 * Y, 7 * Y, 8, r - 2);
  dc.SetTextColor(colors::kBlack);
}

void PaintTrinomialPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int r = page.m_nA;
  FormatText(page.m_szText, u"%d", r);
  DrawSuperscriptText(u"(a + b + c)", dc, Y, 2 * X, Y, page.m_szText);
  dc.TextOut(13 * X, Y, u"の展開式の異なる項の数を求めよ。");
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  PageText(dc, page, Y, 5 * Y, u"（答え）%d個", page.m_nAns);
  static constexpr std::u16string_view kWord = u"aabcabccbacc";
  const int letters = r < 0 ? 0 : (r > 12 ? 12 : r);
  page.m_szText = kWord.substr(0, letters);
  dc.TextOut(4 * Y, 7 * Y, page.m_szText);
  DrawChordArc(dc, {4 * Y, 8 * Y}, {4 * Y + r * X, 8 * Y});
  dc.TextOut((r + 1) * X + 5 * Y, 7 * Y, u"(項の例)");

  dc.SetTextColor(colors::kBlue);
  PageText(dc, page, 4 * Y, 9 * Y, u"%d個", r);
  dc.TextOut(2 * Y, 11 * Y, u"a,b,c 3個のものから重複を許して");
  PageText(dc, page, 2 * Y, 12 * Y, u"%d個とる組合せの数だから、", r);
  // The symbol's left subscript must clear the end of that line.
  const int hx = std::max(14 * Y, 2 * Y + dc.GetTextExtent(page.m_szText).cx + X);
  DrawCombinatorialSymbol(u"H", dc, Y, hx, 12 * Y, 3, r);
  dc.SetTextColor(colors::kBlack);
}

void PaintClosedStreetPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int r = page.m_nA, c = page.m_nB;
  dc.TextOut(X, 0, u"下図のように道がある。Ａ点からＢ点まで行きたい。");
  dc.TextOut(X, Y, u"遠回りしないことにし、ｘ印は交通止めである。");
  dc.TextOut(X, 2 * Y, u"順路は何通りあるか。");

  dc.Polygon({{2 * Y, 5 * Y}, {2 * Y, 10 * Y}, {7 * Y, 10 * Y}, {7 * Y, 5 * Y}});
  for (int k = 0; k <= 4; ++k) {
    dc.MoveTo(2 * Y, 5 * Y + k * Y);
    dc.LineTo(7 * Y, 5 * Y + k * Y);
    dc.MoveTo(2 * Y + k * Y, 5 * Y);
    dc.LineTo(2 * Y + k * Y, 10 * Y);
  }
  dc.SetTextColor(kMagenta);
  dc.TextOut(2 * Y + (c - 1) * Y + X - 4, 10 * Y - r * Y - X, u"X");
  dc.TextOut(2 * Y - 4, 10 * Y, u"A");
  dc.TextOut(7 * Y + 4, 5 * Y - X, u"B");
  dc.SetTextColor(colors::kBlack);
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  PageText(dc, page, 8 * Y, 5 * Y, u"（答え）%d通り", 252 - page.m_nAux2 * page.m_nAux1);
  PageText(dc, page, 8 * Y, 7 * Y, u"ＡからＸへは、   　 =%d", page.m_nAux2);
  const int w = dc.GetTextExtent(page.m_szText.view().substr(0, 8)).cx;
  DrawCombinatorialSymbol(u"C", dc, Y, w + 8 * Y, 7 * Y, page.m_nQ, r);
  PageText(dc, page, 8 * Y, 9 * Y, u"ＸからＢへは、   　 =%d", page.m_nAux1);
  DrawCombinatorialSymbol(u"C", dc, Y, w + 8 * Y, 9 * Y, page.m_nP, 5 - r);
  PageText(dc, page, 8 * Y, 11 * Y, u"よって、       -%d*%d", page.m_nAux1, page.m_nAux2);
  const int w6 = dc.GetTextExtent(page.m_szText.view().substr(0, 6)).cx;
  DrawCombinatorialSymbol(u"C", dc, Y, w6 + 8 * Y, 11 * Y, 10, 5);
  dc.SetTextColor(colors::kBlack);
}

}  // namespace vl
