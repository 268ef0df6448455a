#include "topics/distribution/nordist.h"

#include <cmath>

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/distribution/distribution_logic.h"
#include "topics/distribution/normal_curve.h"

namespace vl {

namespace {
constexpr MessageEntry<CNorDist> kMessages[] = {
    {101, kBnClicked, &CNorDist::OnStart},
};
}  // namespace

CNorDist::CNorDist(Window* parent) : DistributionDialog(117, parent) {}

bool CNorDist::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CNorDist::OnInitDialog() {
  TakeFontUnits();
  struct Opening {
    int32_t a10, av10, sd10;
    std::u16string_view a, av, sd;
  };
  static constexpr Opening kNormal{100, 42, 28, u"10", u"4.2", u"2.8"};
  static constexpr Opening kMean{8000, 105, 22, u"800", u"10.5", u"2.2"};
  const Opening& o = m_nMode == 1 ? kMean : kNormal;
  if (m_nMode == 1)
    SetWindowText(u"平均の推定");
  else
    SetDlgItemText(152, u"   a =");
  m_nA10 = o.a10;
  m_nAv10 = o.av10;
  m_nSd10 = o.sd10;
  SetDlgItemText(kEditNormalA, o.a);
  SetDlgItemText(kEditNormalAv, o.av);
  SetDlgItemText(kEditNormalSd, o.sd);
  return true;
}

void CNorDist::OnStart() {
  Text<6> a, av, sd;
  GetDlgItemText(kEditNormalA, a);
  GetDlgItemText(kEditNormalAv, av);
  GetDlgItemText(kEditNormalSd, sd);
  // All three are checked before any is stored, so the page never mixes old and new values.
  const EntryCheck<NormalEntries> check =
      CheckNormalEntries(m_nMode, a.view(), av.view(), sd.view());
  if (!check.ok()) {
    Refuse(check.refusedEdit);
    return;
  }
  m_nA10 = check.values.a10;
  m_nAv10 = check.values.av10;
  m_nSd10 = check.values.sd10;
  Invalidate(true);
}

std::string CNorDist::InvariantViolation() const {
  if (m_nSd10 < 5) return "the standard deviation is below 0.5";
  if (m_nA10 < (m_nMode == 1 ? 300 : -300)) return "the first entry is below its limit";
  return {};
}

void CNorDist::OnPaint(Dc& dc) {
  PaintBand(dc, 8 * m_nLineH + 8);
  if (m_nMode == 1)
    PaintMean(dc);
  else
    PaintNormal(dc);
}

void CNorDist::PaintNormal(Dc& dc) {
  const int cw = m_nCharW, lh = m_nLineH;
  const int y15 = static_cast<int>(1.5 * lh);
  const int y55 = static_cast<int>(5.5 * lh);
  const int y65 = static_cast<int>(6 + 6.5 * lh);
  const int h = 2 * lh / 3;

  dc.TextOut(2 * cw, 0, u"確率変数Ｘの範囲が[-∞,∞]で、その確率密度関数 f(x)が");

  // The density: f(x) = 1 / (sqrt(2 pi) sigma) e^(-(x-m)^2 / 2 sigma^2).
  dc.SetTextColor(colors::kRed);
  constexpr std::u16string_view kLead = u"f(x)=───e";
  dc.TextOut(3 * cw, 2 * lh, kLead);
  dc.TextOut(10 * cw, y15, u"1");
  dc.TextOut(8 * cw, y15 + lh, u"2π");
  DrawRadical(u"2π", *this, dc, 8 * cw, y15 + lh + 4, colors::kRed);
  dc.TextOut(11 * cw, y15 + lh, u"σ");
  const int x = 3 * cw + dc.GetTextExtent(kLead).cx;
  dc.TextOut(x, y15, u"- ───");
  DrawSuperscriptText(u"(x-m)", dc, h, x + 2 * cw, lh, u"2");
  DrawSuperscriptText(u"2σ", dc, h, x + 2 * cw, 2 * lh + 3, u"2");
  dc.TextOut(27 * cw, 2 * lh, u"m:平均");
  dc.TextOut(27 * cw, 3 * lh, u"σ:標準偏差");

  dc.SetTextColor(colors::kBlue);
  DrawNormalCurve(dc, lh, 17 * cw, 2 * lh, 8 * cw, 10 * cw, u"m", u"u", 41 * cw, 3 * lh);
  dc.TextOut(51 * cw, lh, u"P(m<X<u)");

  dc.SetTextColor(colors::kBlack);
  constexpr std::u16string_view kNormal = u"で表されるとき、Ｘは正規分布Ｎ(m,σ";
  DrawSuperscriptText(kNormal, dc, h, 2 * cw, 4 * lh, u"2");
  dc.TextOut(2 * cw + 4 + dc.GetTextExtent(kNormal).cx, 4 * lh, u")に従うという。");

  dc.SetTextColor(colors::kBlue);
  dc.TextOut(3 * cw, y55, u"m =");
  DrawIntegralSign(*this, dc, h, 6 * cw, y55, u"xf(x)");
  DrawSuperscriptText(u"σ", dc, h, 21 * cw, y55, u"2");
  dc.TextOut(24 * cw, y55, u"=");
  DrawIntegralSign(*this, dc, h, 26 * cw, y55, u"(x-m)^2 f(x)");

  dc.SetTextColor(colors::kBlack);
  constexpr std::u16string_view kStandard = u"Z=───とおくと、確率変数ＺはＮ(0,1";
  DrawSuperscriptText(kStandard, dc, h, 2 * cw, 7 * lh + 6, u"2");
  dc.TextOut(5 * cw, y65, u"X-m");
  dc.TextOut(6 * cw, y65 + lh, u"σ");
  dc.TextOut(2 * cw + 4 + dc.GetTextExtent(kStandard).cx, 7 * lh + 6, u")に従うという。");
  DrawNormalCurve(dc, lh, 17 * cw, 2 * lh, 8 * cw, 10 * cw, u"0", u"u", 41 * cw, 7 * lh);
  dc.TextOut(51 * cw, 5 * lh, u"P(0<X<u)");

  // The worked example: P(X < a) reduced to the table value of P(0 < Z < |z|).
  const float a = FromTenths(m_nA10), av = FromTenths(m_nAv10), sd = FromTenths(m_nSd10);
  const float z = StandardScore(a, av, sd);
  // The problem and its answer, below the row of edit boxes.
  const Point origin = dc.SetOrigin({0, ProblemShift(11 * lh)});
  dc.TextOut(2 * cw, 11 * lh, u"確率変数Ｘが平均av,標準偏差σの正規分布に従っているとき");
  dc.TextOut(2 * cw, 12 * lh, u"次の確率を正規分布表を用いて求めると、");
  FormatText(m_szText, u"P(X<a)=P(X<%3.1f)", a);
  dc.TextOut(2 * cw, 13 * lh, m_szText);
  const int x3 = 2 * cw + 4 + dc.GetTextExtent(m_szText.view()).cx;

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"=P(Z<(%3.1f-%3.1f)/%3.1f)", a, av, sd);
  dc.TextOut(x3, 13 * lh, m_szText);
  FormatText(m_szText, u"=P(z<%3.1f)", z);
  dc.TextOut(x3, 14 * lh, m_szText);
  // |z| in the minus form, so that a = av reads 0.0 rather than -0.0.
  FormatText(m_szText, z > 0 ? u"=0.5+P(0<Z<%3.1f)←表" : u"=0.5-P(0<Z<%3.1f)←表", std::fabs(z));
  dc.TextOut(x3, 15 * lh, m_szText);

  Text<16> label;
  FormatText(label, u"%3.1f", z);
  DrawNormalCurve(dc, lh, 13 * cw, 2 * lh, 0, z > 0 ? 8 * cw : 4 * cw, u"0", label.view(), 37 * cw,
                  15 * lh);
  dc.SetOrigin(origin);
}

void CNorDist::PaintMean(Dc& dc) {
  const int cw = m_nCharW, lh = m_nLineH;
  const int y45 = static_cast<int>(4.5 * lh);
  dc.TextOut(2 * cw, lh, u"大きさＮの母集団から抽出した大きさｎの標本の平均をｘ’，");
  dc.TextOut(2 * cw, 2 * lh, u"標準偏差をｓとするとき、母集団の平均ｍは、信頼度９５％で");
  dc.TextOut(2 * cw, 3 * lh, u"(だだし、Ｎはｎより十分大きく、ｎ＞３０）");

  // x' -+ 1.96 s / sqrt(n), each fraction drawn over the bar that ends its text.
  dc.SetTextColor(colors::kRed);
  auto fraction = [&](int right) {
    dc.TextOut(right - 3 * cw, 4 * lh, u"s");
    dc.TextOut(right - 3 * cw, 5 * lh, u"n");
    DrawRadical(u"n", *this, dc, right - 3 * cw, 5 * lh + 4, colors::kRed);
  };
  constexpr std::u16string_view kLower = u"x'-1.96──";
  constexpr std::u16string_view kUpper = u"< m <x'+1.96──";
  dc.TextOut(9 * cw, y45, kLower);
  const int x1 = 9 * cw + dc.GetTextExtent(kLower).cx + 4;
  fraction(x1);
  dc.TextOut(x1, y45, kUpper);
  const int x2 = x1 + dc.GetTextExtent(kUpper).cx + 4;
  fraction(x2);

  dc.SetTextColor(colors::kBlack);
  dc.TextOut(2 * cw, 6 * lh, u"の範囲にある。");
  // The problem and its answer, below the row of edit boxes.
  const Point origin = dc.SetOrigin({0, ProblemShift(11 * lh)});
  dc.TextOut(2 * cw, 11 * lh, u"全製品からｎ個を任意に取り出し、高さを測ったところ平均が");
  dc.TextOut(2 * cw, 12 * lh, u"avで標準偏差がｓだった。全製品の平均の高さhを信頼度95％");
  dc.TextOut(2 * cw, 13 * lh, u"で推定せよ。");

  const float n = FromTenths(m_nA10), av = FromTenths(m_nAv10), s = FromTenths(m_nSd10);
  const MeanInterval m = EstimateMean(n, av, s);
  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"%3.1f-1.96*%3.2f< h <%3.1f+1.96*%3.2f", av, m.e, av, m.e);
  dc.TextOut(4 * cw, 14 * lh, m_szText);
  FormatText(m_szText, u"%3.2f< h <%3.2f", m.lower, m.upper);
  dc.TextOut(4 * cw, 15 * lh, m_szText);
  dc.SetOrigin(origin);
}

std::u16string CNorDist::Reading() const {
  Speech r;
  if (m_nMode == 1) {
    r << u"大きさNの母集団から抽出した大きさnの標本の平均をx'、標準偏差をsとするとき、母集団"
         u"の平均mは、信頼度95%で";
    r << u"ただし、Nはnより十分大きく、n 大なり 30";
    const std::u16string fraction = SpeakFraction(u"s", SpeakRoot(u"n"));
    r << u"x'ひく1.96" + fraction + u" 小なり m 小なり x'たす1.96" + fraction + u"の範囲にある";
    r << u"全製品からn個を任意に取り出し、高さを測ったところ平均がavで標準偏差がsだった。全製品"
         u"の平均の高さhを信頼度95%で推定せよ";
    const float n = FromTenths(m_nA10), av = FromTenths(m_nAv10), s = FromTenths(m_nSd10);
    const MeanInterval m = EstimateMean(n, av, s);
    r << SpeakExpression(Say(u"%3.1f-1.96*%3.2f< h <%3.1f+1.96*%3.2f", av, m.e, av, m.e));
    r << SpeakExpression(Say(u"%3.2f< h <%3.2f", m.lower, m.upper));
    return r;
  }
  r << u"確率変数Xの範囲がマイナス無限大から無限大で、その確率密度関数 f x が";
  r << u"f x イコール " + SpeakFraction(u"1", SpeakRoot(u"2パイ") + u" σ") +
           u" かける eの、マイナス " + SpeakPower(u"σ", u"2") + u"の2倍分の、" +
           SpeakPower(u"かっこxひくmかっことじ", u"2") + u"、乗。mは平均、σは標準偏差";
  r << u"で表されるとき、Xは正規分布N m、" + SpeakPower(u"σ", u"2") + u"に従うという";
  r << u"m イコール マイナス無限大から無限大までの x f x の積分。" + SpeakPower(u"σ", u"2") +
           u" イコール マイナス無限大から無限大までの " + SpeakPower(u"x ひく m", u"2") +
           u" f x の積分";
  r << u"図は P、m 小なり X 小なり u";
  r << u"Z イコール σ分の、Xひくm とおくと、確率変数ZはN 0、" + SpeakPower(u"1", u"2") +
           u"に従うという。図は P、0 小なり X 小なり u";
  const float a = FromTenths(m_nA10), av = FromTenths(m_nAv10), sd = FromTenths(m_nSd10);
  const float z = StandardScore(a, av, sd);
  r << u"確率変数Xが平均av、標準偏差σの正規分布に従っているとき、次の確率を正規分布表を用いて"
       u"求めると";
  r << Say(u"P、X 小なり %s イコール P、Z 小なり、%s分の、%sひく%s", SpeakNumber(a, 1),
           SpeakNumber(sd, 1), SpeakNumber(a, 1), SpeakNumber(av, 1));
  r << Say(u"イコール P、z 小なり %s", SpeakNumber(z, 1));
  r << Say(z > 0 ? u"イコール 0.5たすP、0 小なり Z 小なり %s、表から"
                 : u"イコール 0.5ひくP、0 小なり Z 小なり %s、表から",
           SpeakNumber(std::fabs(z), 1));
  return r;
}

}  // namespace vl
