#include "topics/distribution/bindist.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/distribution/distribution_logic.h"

namespace vl {

namespace {
constexpr MessageEntry<CBindist> kMessages[] = {
    {101, kBnClicked, &CBindist::OnStart},
};
}  // namespace

CBindist::CBindist(Window* parent) : DistributionDialog(116, parent) {}

bool CBindist::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CBindist::OnInitDialog() {
  TakeFontUnits();
  struct Opening {
    std::u16string_view labelN, labelK, n, k;
    int16_t nValue, kValue;
  };
  static constexpr Opening kBinomial{u"標本数n", u"不良率k", u"100", u"4", 100, 4};
  static constexpr Opening kRatio{u"製品数n", u"不良品k", u"8000", u"100", 8000, 100};
  const Opening& o = m_nMode == 1 ? kRatio : kBinomial;
  if (m_nMode == 1) SetWindowText(u"比率の推定");
  SetDlgItemText(152, o.labelN);
  SetDlgItemText(155, o.labelK);
  SetDlgItemText(kEditBinomialN, o.n);
  SetDlgItemText(kEditBinomialK, o.k);
  m_nN = o.nValue;
  m_nK = o.kValue;
  return true;
}

void CBindist::OnStart() {
  Text<6> n, k;
  GetDlgItemText(kEditBinomialN, n);
  GetDlgItemText(kEditBinomialK, k);
  const EntryCheck<BinomialEntries> check = CheckBinomialEntries(m_nMode, n.view(), k.view());
  if (!check.ok()) {
    Refuse(check.refusedEdit);
    return;
  }
  m_nN = check.values.n;
  m_nK = check.values.k;
  Invalidate(true);
}

std::string CBindist::InvariantViolation() const {
  if (m_nN <= 0) return "n is not positive";
  if (m_nK < 1 || m_nK > 100) return "k is outside 1..100";
  if (m_nMode == 1 && m_nK > m_nN) return "more defectives than products";
  return {};
}

void CBindist::OnPaint(Dc& dc) {
  PaintBand(dc, 7 * m_nLineH);
  if (m_nMode == 1)
    PaintRatio(dc);
  else
    PaintBinomial(dc);
}

void CBindist::PaintBinomial(Dc& dc) {
  const int cw = m_nCharW, lh = m_nLineH;
  dc.TextOut(2 * cw, 0, u"１回の試行で事象Ａの起る確率がｐのとき、ｎ回の独立試行");
  dc.TextOut(2 * cw, lh, u"で、Ａの起る回数をＸとすれば、Ｘの確率分布は下のように");
  dc.TextOut(2 * cw, 2 * lh, u"なる。この分布を２項分布といい、Ｂ(n,p)で表す。(q=1-p)");

  // The distribution table: a head row of X and a row of P(X = r).
  const int top = 3 * lh, bottom = 5 * lh + 4;
  dc.Rectangle(6 * cw, top, 55 * cw, bottom);
  auto line = [&dc](int x1, int y1, int x2, int y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
  };
  line(6 * cw, 4 * lh, 55 * cw, 4 * lh);
  line(17 * cw, top, 17 * cw, bottom);
  line(50 * cw, top, 50 * cw, bottom);
  dc.TextOut(7 * cw, 3 * lh + 2, u"確率変数Ｘ");
  dc.TextOut(7 * cw, 4 * lh + 2, u"確率P(X=r)");
  dc.TextOut(51 * cw, 3 * lh + 2, u"計");
  dc.TextOut(51 * cw, 4 * lh + 2, u" 1");

  struct Column {
    std::u16string_view head;
    int headX;
    std::u16string_view r, p, q;  // r empty: the dots
    int cellX;
  };
  static constexpr Column kColumns[] = {
      {u"0", 20, u"0", u"", u"q", 19}, {u"1", 28, u"1", u"p", u"q", 26},
      {u"･･･", 33, u"", u"", u"", 33}, {u"r", 38, u"r", u"p", u"q", 36},
      {u"･･･", 43, u"", u"", u"", 43}, {u"n", 48, u"n", u"p", u"", 46},
  };
  for (const Column& c : kColumns) {
    dc.TextOut(c.headX * cw, 3 * lh, c.head);
    if (c.r.empty())
      dc.TextOut(c.cellX * cw, 4 * lh, u"･･･");
    else
      DrawBinomialTerm(lh, dc, c.r, *this, c.cellX * cw, 4 * lh + 3, c.p, c.q);
  }

  dc.SetTextColor(colors::kRed);
  const int y = 5 * lh + lh / 2;
  dc.TextOut(3 * cw, y, u"平均値 m = np");
  DrawSuperscriptText(u"分散σ", dc, 3 * lh / 2, 26 * cw, y, u"2");
  dc.TextOut(37 * cw, y, u"= npq = np(1-p)");

  dc.SetTextColor(colors::kBlack);
  // The problem and its answer, below the row of edit boxes.
  const Point origin = dc.SetOrigin({0, ProblemShift(9 * lh)});
  dc.TextOut(2 * cw, 9 * lh, u"不良率ｋ％の製品がある。これからｎ個取り出すとき、不良");
  dc.TextOut(2 * cw, 10 * lh, u"品の個数Ｘの平均値ｍと標準偏差σを求める。");

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"Xは２項分布B(%d,%d/100)に従うから", m_nN, m_nK);
  dc.TextOut(2 * cw, 11 * lh, m_szText);
  FormatText(m_szText, u"m=%d*%d/100=%3.1f", m_nN, m_nK, BinomialMean(m_nN, m_nK));
  dc.TextOut(2 * cw, 12 * lh, m_szText);
  dc.TextOut(22 * cw, 12 * lh, u"σ=");
  FormatText(m_szText, u"%d*(%d/100)*(%d/100)", m_nN, m_nK, 100 - m_nK);
  dc.TextOut(26 * cw, 12 * lh, m_szText);
  DrawRadical(m_szText.view(), *this, dc, 26 * cw, 12 * lh, colors::kRed);
  dc.SetOrigin(origin);
}

void CBindist::PaintRatio(Dc& dc) {
  const int cw = m_nCharW, lh = m_nLineH;
  dc.TextOut(2 * cw, lh, u"ｎ個の標本中Ａの性質をもつものがｒ個あれば、母集団にお");
  dc.TextOut(2 * cw, 2 * lh, u"ける性質Ａをもつものの比率ｐは、信頼度９５％で");

  dc.SetTextColor(colors::kRed);
  const int y35 = static_cast<int>(3.5 * lh);
  constexpr std::u16string_view kRoot = u"p'(1-p')/n";
  dc.TextOut(6 * cw, y35, u"p'-1.96");
  dc.TextOut(13 * cw + 4, y35, kRoot);
  DrawRadical(kRoot, *this, dc, 13 * cw + 4, y35, colors::kRed);
  dc.TextOut(23 * cw + 4, y35, u"< p <p'+1.96");
  dc.TextOut(35 * cw + 4, y35, kRoot);
  DrawRadical(kRoot, *this, dc, 35 * cw + 4, y35, colors::kRed);
  dc.TextOut(30 * cw, 5 * lh, u"ただし、標本比率p'=r/n");
  dc.SetTextColor(colors::kBlack);
  dc.TextOut(2 * cw, 5 * lh, u"の範囲にある。");

  // The problem and its answer, below the row of edit boxes.
  const Point origin = dc.SetOrigin({0, ProblemShift(9 * lh)});
  dc.TextOut(2 * cw, 9 * lh, u"全製品からｎ個を任意に取り出したらｒ個の不良品があった。");
  dc.TextOut(2 * cw, 10 * lh, u"全製品中に不良品が何％あるとみなされるか。(信頼度95％)");

  const RatioEstimate e = EstimateRatio(m_nN, m_nK);
  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"不良品の標本比率p'=%d/%d=%5.4f", m_nK, m_nN, e.p);
  dc.TextOut(2 * cw, 11 * lh, m_szText);
  FormatText(m_szText, u"%5.4f-1.96*%5.4f<p<%5.4f+1.96*%5.4f", e.p, e.s, e.p, e.s);
  dc.TextOut(2 * cw, 12 * lh, m_szText);
  dc.SetOrigin(origin);
}

std::u16string CBindist::Reading() const {
  const int n = m_nN, k = m_nK;
  Speech r;
  if (m_nMode == 1) {
    r << u"n個の標本中Aの性質をもつものがr個あれば、母集団における性質Aをもつものの比率pは、"
         u"信頼度95%で";
    const std::u16string root = SpeakRoot(u"n分の、p'かっこ1ひくp'かっことじ");
    r << u"p'ひく1.96" + root + u" 小なり p 小なり p'たす1.96" + root + u"の範囲にある";
    r << u"ただし、標本比率p' イコール n分のr";
    r << u"全製品からn個を任意に取り出したらr個の不良品があった。全製品中に不良品が何%ある"
         u"とみなされるか。信頼度95%";
    const RatioEstimate e = EstimateRatio(n, k);
    r << Say(u"不良品の標本比率p' イコール %s イコール %s",
             SpeakFraction(SpeakNumber(k), SpeakNumber(n)), SpeakNumber(e.p, 4));
    r << SpeakExpression(Say(u"%5.4f-1.96*%5.4f<p<%5.4f+1.96*%5.4f", e.p, e.s, e.p, e.s));
    return r;
  }
  r << u"1回の試行で事象Aの起る確率がpのとき、n回の独立試行で、Aの起る回数をXとすれば、Xの確率"
       u"分布は下のようになる。この分布を二項分布といい、B n、pで表す。q イコール 1ひくp";
  const std::u16string last = SpeakPower(u"q", u"nひくr");
  r << SpeakTable({}, {{u"確率変数X", u"0", u"1", u"…", u"r", u"…", u"n", u"計"},
                       {u"確率P、X イコール r", u"nC0 " + SpeakPower(u"q", u"n"),
                        u"nC1 p " + SpeakPower(u"q", u"nひく1"), u"…",
                        u"nCr " + SpeakPower(u"p", u"r") + u" " + last, u"…",
                        u"nCn " + SpeakPower(u"p", u"n"), u"計 1"}});
  r << u"平均値 m イコール np。分散" + SpeakPower(u"σ", u"2") +
           u" イコール npq イコール np、かっこ1ひくpかっことじ";
  r << u"不良率k%の製品がある。これからn個取り出すとき、不良品の個数Xの平均値mと標準偏差σを"
       u"求める";
  r << Say(u"Xは二項分布B %d、%sに従うから", n, SpeakFraction(SpeakNumber(k), u"100"));
  r << Say(u"m イコール %dかける%s イコール %s", n, SpeakFraction(SpeakNumber(k), u"100"),
           SpeakNumber(BinomialMean(n, k), 1));
  r << Say(u"σ イコール %s",
           SpeakRoot(Say(u"%dかける%sかける%s", n, SpeakFraction(SpeakNumber(k), u"100"),
                         SpeakFraction(SpeakNumber(100 - k), u"100"))));
  return r;
}

}  // namespace vl
