// The drill pages of the set, inference and proof topics.
#include <algorithm>

#include "drill/drill_pages.h"
#include "drill/drill_texts.h"
#include "notation/notation.h"

namespace vl {

namespace {

constexpr Color kGreen = Rgb(0, 255, 0);

// A full circle of radius rad about (cx, cy): an arc whose start and end coincide.
void DrawCircle(Dc& dc, int cx, int cy, int rad, Color colour) {
  auto pen = dc.SelectPen(SolidPen(colour, 2));
  dc.Arc(cx - rad, cy - rad, cx + rad, cy + rad, cx + rad, cy, cx + rad, cy);
}

// A line with the exponent "2", in the page's line height; returns the width drawn.
int Squared(Dc& dc, int Y, int x, int y, std::u16string_view base) {
  return DrawSuperscriptText(base, dc, Y, x, y, u"2");
}

}  // namespace

void PaintBooksPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  dc.TextOut(0, 0, u"40人クラスで、英数国の参考書を持っているか調べた。");
  PageText(dc, page, 0, Y, u"英語%d人、数学%d人、国語%d人、英と数%d人、", page.m_nB, page.m_nC,
           page.m_nD, page.m_nE);
  PageText(dc, page, 0, 2 * Y, u"数と国%d人、国と英%d人、英数国%d人だった。", page.m_nF, page.m_nG,
           page.m_nH);
  dc.TextOut(0, 3 * Y, u"どの参考書も持っていない生徒は何人か。");

  dc.FillRect({2 * Y, static_cast<int>(4.5 * Y), 12 * Y, static_cast<int>(11.5 * Y)},
              SolidBrush(colors::kWhite));
  const int rad = 2 * Y;
  DrawCircle(dc, 6 * Y, 9 * Y, rad, colors::kRed);
  dc.TextOut(4 * Y, 9 * Y, u"数");
  DrawCircle(dc, 8 * Y, 9 * Y, rad, colors::kBlue);
  dc.TextOut(10 * Y - 2 * X, 9 * Y, u"国");
  DrawCircle(dc, 7 * Y, 7 * Y, rad, kGreen);
  dc.TextOut(7 * Y, 5 * Y, u"英");
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  PageText(dc, page, 13 * Y, 4 * Y, u"（答え）%d人", page.m_nAns);
  dc.SetTextColor(colors::kBlue);
  dc.TextOut(X, 12 * Y, u"どれか持っている生徒:");
  PageText(dc, page, 10 * X, 13 * Y, u"%d+%d+%d-%d-%d-%d+%d=%d", page.m_nB, page.m_nC, page.m_nD,
           page.m_nE, page.m_nF, page.m_nG, page.m_nH, page.m_nAux1);
  dc.SetTextColor(colors::kBlack);
}

void PaintSetBasicsPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const SetBasicsExercise ex = MakeSetBasicsExercise(page.m_nA, page.m_nB, page.m_nSubMode);
  if (ex.heading) dc.TextOut(X, 0, u"全体集合U={実数}のとき");
  if (ex.problem.empty()) return;
  page.m_szText = ex.problem;
  dc.TextOut(Y, Y, page.m_szText);
  if (!page.m_bShowAnswer) return;
  dc.SetTextColor(colors::kRed);
  page.m_szText = ex.answer;
  dc.TextOut(Y, 4 * Y, page.m_szText);
  dc.SetTextColor(colors::kBlack);
}

void PaintQuadraticPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const int kind = page.m_nAns;
  const int b = page.m_nB;
  int row;
  std::u16string_view relation;
  dc.SetTextColor(colors::kBlack);
  if (kind == 0) {
    dc.TextOut(X, Y, u"「ｘが実数ならば、ｘの平方は正または０である」");
    dc.TextOut(X, 2 * Y, u"を使い、次の命題を証明せよ。");
    dc.SetTextColor(colors::kRed);
    dc.TextOut(3 * X, 3 * Y, u"「すべての実数ｘについて");
    row = 4;
    relation = u"> 0」";
  } else {
    dc.TextOut(X, Y, u"次の命題の真偽をいえ。");
    dc.SetTextColor(colors::kRed);
    dc.TextOut(3 * X, 2 * Y, u"「ある実数ｘについて");
    row = 3;
    relation = u"< 0」";
  }
  dc.SetTextColor(colors::kBlack);
  // The statement sits a quarter line low, so that the exponent clears the red line above.
  const int statementY = row * Y + Y / 4;
  Squared(dc, Y, 10 * X, statementY, u"x");

  // A constant term of 0 would leave nothing to decide: shift a by one, for good.
  int k = page.m_nA * page.m_nA + b;
  if (k == 0) {
    page.m_nA = static_cast<int16_t>(page.m_nA + 1);
    k = page.m_nA * page.m_nA + b;
  }
  const int a = page.m_nA;
  Text<64> constant;
  FormatText(constant, k > 0 ? u"+%d" : u"%d", k);
  if (a != 0)
    PageText(dc, page, 12 * X, statementY, u"%dx %s %s", 2 * a, constant, relation);
  else
    PageText(dc, page, 12 * X, statementY, u" %s %s", constant, relation);
  if (!page.m_bShowAnswer) return;

  dc.SetTextColor(colors::kRed);
  row += 3;
  Text<64> square;
  if (a != 0)
    FormatText(square, u"(x %d)", a);
  else
    square = u"x";
  FormatText(page.m_szText, u"左辺＝ %s", square);
  const int w = dc.GetTextExtent(page.m_szText).cx;
  Squared(dc, Y, 3 * X, row * Y, page.m_szText);
  PageText(dc, page, w + 4 * X, row * Y, b > 0 ? u"+%d" : u"%d", b);
  ++row;
  if (kind == 1) {
    PageText(dc, page, 3 * X, row * Y, u"左辺は x = %dのとき 負になるので", -a);
    dc.TextOut(3 * X, (row + 1) * Y, u"「真」である。");
  } else {
    PageText(dc, page, 3 * X, row * Y, u"左辺の %sの平方は０または正で、", square);
    dc.TextOut(3 * X, (row + 1) * Y, u"これに正の数を加えると、左辺は常に");
    dc.TextOut(3 * X, (row + 2) * Y, u"正となる。");
    if (kind == 2) dc.TextOut(3 * X, (row + 3) * Y, u"よって、「偽」である。");
  }
  dc.SetTextColor(colors::kBlack);
}

void PaintProofPage(Dc& dc, DrillPage& page) {
  const int X = page.m_nUnitX, Y = page.m_nUnitY;
  const bool answer = page.m_bShowAnswer != 0;
  dc.TextOut(2 * X, 0, u"次の命題を証明せよ。");
  auto red = [&dc] { dc.SetTextColor(colors::kRed); };
  switch (page.m_nSubMode) {
    case 8:  // irrationality of the square root of 3
      dc.TextOut(2 * X, Y, u"m,nが有理数のとき、");
      dc.TextOut(2 * X, 2 * Y, u"m   3  + n = 0 ならば、 m = n = 0");
      DrawTallRadical(0, dc, 4 * X + 4, 2 * Y + 2, u"  ", 1);
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u"m≠0とすれば、");
      dc.TextOut(16 * X, 5 * Y, u"3  = -n/mで、左辺は無理数、");
      DrawRadical(u"  ", page, dc, 16 * X, 5 * Y, colors::kRed);
      dc.TextOut(2 * X, 6 * Y, u"右辺は有理数であるから、矛盾する。");
      dc.TextOut(2 * X, 7 * Y, u"よって、m=0");
      dc.TextOut(2 * X, 8 * Y, u"m=0を代入して、n=0");
      break;
    case 9:  // the larger side faces the larger angle
      dc.TextOut(2 * X, Y, u"△ABCにおいて、AB>AC ならば、 ∠C>∠B");
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u"∠C=∠Bならば、AB=AC");
      dc.TextOut(2 * X, 6 * Y, u"∠C<∠Bならば、AB<AC");
      dc.TextOut(2 * X, 7 * Y, u"残る条件は ∠C>∠B しかない。");
      dc.TextOut(2 * X, 8 * Y, u"よって、AB>ACならば∠C>∠B");
      break;
    case 10:  // converse of Pythagoras
      dc.TextOut(2 * X, Y, u"△ABCにおいて、");
      Squared(dc, Y, 2 * X, 2 * Y, u"BC");
      Squared(dc, Y, 5 * X, 2 * Y, u"=AB");
      Squared(dc, Y, 9 * X, 2 * Y, u"+AC");
      dc.TextOut(14 * X, 2 * Y, u"ならば、 ∠A=∠R");
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u"△A'B'C'を∠A'=∠R,A'B'=AB,A'C'=AC");
      dc.TextOut(2 * X, 6 * Y, u"となるように作る。三平方の定理より");
      Squared(dc, Y, 2 * X, 7 * Y, u"B'C'");
      Squared(dc, Y, 7 * X, 7 * Y, u"=A'B'");
      Squared(dc, Y, 13 * X, 7 * Y, u"+A'C'");
      Squared(dc, Y, 19 * X, 7 * Y, u"=AB");
      Squared(dc, Y, 24 * X, 7 * Y, u"+AC");
      Squared(dc, Y, 29 * X, 7 * Y, u"=BC");
      dc.TextOut(2 * X, 8 * Y, u"∴ B'C'=BC これより △ABC≡△A'B'C'");
      dc.TextOut(2 * X, 9 * Y, u"∴ ∠A=∠A'=∠R");
      break;
    case 11: {  // induction
      Squared(dc, Y, 2 * X, 2 * Y, u"1+3+5+･･･+(2n-1)=n");
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u"n=1のとき、 1 = 1");
      dc.TextOut(2 * X, 6 * Y, u"n=kのとき成立すると仮定すると");
      Squared(dc, Y, 2 * X, 7 * Y, u"1+3+5+･･･+(2k-1)=k");
      dc.TextOut(2 * X, 8 * Y, u"n=k+1 のとき");
      constexpr std::u16string_view kSum = u"1+3+5+･･･+(2k-1)+(2k+1)";
      dc.TextOut(2 * X, 9 * Y, kSum);
      const int w = dc.GetTextExtent(kSum).cx;
      // "+(2k+1)" follows the square of k, exponent included.
      const int kw = Squared(dc, Y, 2 * X + w, 9 * Y, u"= k");
      dc.TextOut(2 * X + w + kw, 9 * Y, u"+(2k+1)");
      // A quarter line low: its exponent would otherwise land on the line above.
      Squared(dc, Y, w + 2 * X, 10 * Y + Y / 4, u"=(k+1)");
      break;
    }
    case 12:  // a sum of fractions when ab = 1
      dc.TextOut(4 * X, 5 * Y / 2, u"ab=1ならば、");
      dc.TextOut(14 * X, 5 * Y / 2, u"──+──=1");
      dc.TextOut(14 * X, 2 * Y, u"   a    b");
      dc.TextOut(14 * X, 3 * Y, u" a+1   b+1");
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u" 左辺");
      dc.TextOut(4 * X, 6 * Y, u"ab+a+ab+b");
      dc.TextOut(2 * X, 13 * Y / 2, u"=───────");
      dc.TextOut(2 * X, 17 * Y / 2, u"=───────");
      for (int row : {7, 8, 9}) dc.TextOut(4 * X, row * Y, u"(a+1)(b+1)");
      dc.TextOut(2 * X, 10 * Y, u"= 1 = 右辺");
      break;
    case 13: {  // arithmetic and geometric mean
      constexpr std::u16string_view kGiven = u"a,bが正の数のとき、";
      dc.TextOut(4 * X, 2 * Y, kGiven);
      // The claim follows the condition, at 22X or after it when the condition is longer.
      const int cx = std::max(22 * X, 4 * X + dc.GetTextExtent(kGiven).cx + X);
      constexpr std::u16string_view kClaim = u"a+b≧2  ab";
      dc.TextOut(cx, 2 * Y, kClaim);
      const int w6 = dc.GetTextExtent(kClaim.substr(0, 6)).cx;
      DrawTallRadical(0, dc, cx + w6 + 8, 2 * Y, u"  ", 1);
      if (!answer) break;
      red();
      dc.TextOut(2 * X, 5 * Y, u"平方根≧ 0だから、平方の差をとる。");
      Squared(dc, Y, 3 * X, 6 * Y, u"(a+b)");
      Squared(dc, Y, 8 * X, 6 * Y, u"-(2  ab )");
      DrawRadical(u"  ", page, dc, 12 * X, 6 * Y, colors::kRed);
      Squared(dc, Y, 2 * X, 7 * Y, u"=a");
      Squared(dc, Y, 5 * X, 7 * Y, u"+2ab+b");
      dc.TextOut(12 * X, 7 * Y, u"-4ab");
      Squared(dc, Y, 2 * X, 8 * Y, u"=(a-b)");
      dc.TextOut(9 * X, 8 * Y, u"≧ 0  (等号は a=b のとき)");
      dc.TextOut(2 * X, 9 * Y, u"よって、与式は成立。");
      break;
    }
    default:  // no proof for this item: the heading alone
      break;
  }
  dc.SetTextColor(colors::kBlack);
}

}  // namespace vl
