#include "topics/counting/jyufuku.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditVoters = 117;
constexpr int kEditCandidates = 118;
constexpr int kRadioNamed = 119;
constexpr int kRadioSecret = 120;

constexpr MessageEntry<CJyufuku> kMessages[] = {
    {101, kBnClicked, &CJyufuku::OnStart},
    {kRadioNamed, kBnClicked, &CJyufuku::OnNamed},
    {kRadioSecret, kBnClicked, &CJyufuku::OnSecret},
    {133, kBnClicked, &CJyufuku::OnDrill},
};
}  // namespace

CJyufuku::CJyufuku(Window* parent) : TopicDialog(107, parent) {}

bool CJyufuku::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CJyufuku::OnInitDialog() {
  UnitsFromClient(48, 14);
  m_nVoters = 10;
  m_nCandidates = 2;
  SetDlgItemText(kEditVoters, u"10");
  SetDlgItemText(kEditCandidates, u"2");
  CheckRadioButton(kRadioNamed, kRadioSecret, kRadioNamed);
  m_nSecret = 0;
  return true;
}

void CJyufuku::OnStart() {
  TwoCounts in = ReadTwoCounts(*this, kEditVoters, kEditCandidates, CheckBallot);
  if (!in.Accepted()) return;
  m_nVoters = in.first;
  m_nCandidates = in.second;
  Invalidate(true);
}

void CJyufuku::OnNamed() {
  m_nSecret = 0;
  Invalidate(true);
}

void CJyufuku::OnSecret() {
  m_nSecret = 1;
  Invalidate(true);
}

void CJyufuku::OnDrill() { RunDrill(2775, 0); }

void CJyufuku::OnPaint(Dc& dc) {
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlue);
  if (m_nSecret == 0)
    PaintNamed(dc);
  else
    PaintSecret(dc);
}

void CJyufuku::PaintNamed(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY, v = m_nVoters, k = m_nCandidates;
  FormatText(m_szText, u"%d人がそれぞれ %d人の候補者を選べるから", v, k);
  dc.TextOut(2 * x, 4 * y, m_szText);

  FormatText(m_szText, u"%d", k);
  Text<8> factor;
  FormatText(factor, u"x%d", k);
  for (int i = 1; i < v; ++i) m_szText.Append(factor);
  dc.TextOut(2 * x, 6 * y, m_szText);

  FormatText(m_szText, u"= %d", k);
  Text<8> exponent;
  FormatText(exponent, u"%d", v);
  DrawSuperscriptText(m_szText, dc, y, 2 * x, 8 * y, exponent);

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"= %ld(通り)", RepeatedPermutations(k, v));
  dc.TextOut(2 * x, 9 * y, m_szText);
}

void CJyufuku::PaintSecret(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY, v = m_nVoters, k = m_nCandidates;
  m_szText = u"候補者を 1";
  for (int c = 2; c <= k; ++c) {
    Text<8> candidate;
    FormatText(candidate, u",L%d", c);
    m_szText.Append(candidate);
  }
  m_szText.Append(u"とする。");
  dc.TextOut(2 * x, 3 * y, m_szText);

  FormatText(m_szText, u"%d人が投票する場合 -> 0,1,..,%dを加えたもの", v, v - 1);
  dc.TextOut(x, 5 * y, m_szText);
  FormatText(m_szText, u"(1,1,1,..,1,1) -> (1,2,3,..,%d,%d)", v - 1, v);
  dc.TextOut(8 * x, 6 * y, m_szText);
  FormatText(m_szText, u"(1,1,1,..,1,2) -> (1,2,3,..,%d,%d)", v - 1, v + 1);
  dc.TextOut(8 * x, 7 * y, m_szText);
  dc.TextOut(8 * x, 8 * y, u"       ...............     ");
  FormatText(m_szText, u"(%d,%d,%d,..,%d,%d) -> (%d,%d,%d,..,%d,%d)", k, k, k, k, k, k, k + 1,
             k + 2, k + v - 2, k + v - 1);
  dc.TextOut(8 * x, 9 * y, m_szText);
  FormatText(m_szText, u"右側は、相異なる(%d+%d-1)個の数字から %d個とる", v, k, v);
  dc.TextOut(2 * x, 10 * y, m_szText);
  dc.TextOut(2 * x, 11 * y, u"組合せの数だから、");

  DrawCombinatorialSymbol(u"H", dc, y, 4 * x, 12 * y, k, v);
  dc.TextOut(7 * x, 12 * y, u"=");
  DrawCombinatorialSymbol(u"C", dc, y, 9 * x, 12 * y, v + k - 1, v);

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"= %ld (通り)", RepeatedCombinations(k, v));
  dc.TextOut(12 * x, 12 * y, m_szText);
}


std::string CJyufuku::InvariantViolation() const {
  if (m_nVoters < 6 || m_nVoters > 18) return "voters outside 6..18";
  if (m_nCandidates < 1 || m_nCandidates > 5) return "candidates outside 1..5";
  if (m_nVoters * m_nCandidates > 60) return "voters times candidates above 60";
  if (m_nSecret != 0 && m_nSecret != 1) return "ballot kind neither 0 nor 1";
  return {};
}

std::u16string CJyufuku::Reading() const {
  const int v = m_nVoters, k = m_nCandidates;
  Speech r;
  r << Say(u"%d人の選挙人が%d人の候補者に投票する", v, k);
  if (m_nSecret == 0) {
    r << u"記名投票。" + Say(u"%d人がそれぞれ %d人の候補者を選べるから", v, k);
    r << Say(u"%dを%d回かけて、%s イコール %d通り", k, v,
             SpeakPower(SpeakNumber(k), SpeakNumber(v)), RepeatedPermutations(k, v));
    return r;
  }
  std::u16string names = u"1";
  for (int c = 2; c <= k; ++c) names += Say(u"、L%d", c);
  r << u"無記名投票。候補者を " + names + u" とする";
  r << Say(u"%d人が投票する場合、0、1、から%dまでを加えたもの", v, v - 1);
  r << Say(u"1、1、1、から1、1は、1、2、3、から%d、%dに", v - 1, v);
  r << Say(u"1、1、1、から1、2は、1、2、3、から%d、%dに", v - 1, v + 1);
  r << Say(u"%d、%d、%d、から%d、%dは、%d、%d、%d、から%d、%dになる", k, k, k, k, k, k, k + 1,
           k + 2, k + v - 2, k + v - 1);
  r << Say(u"右側は、相異なる%dたす%dひく1個の数字から %d個とる組合せの数だから", v, k, v);
  r << Say(u"%s イコール %s イコール %d通り", SpeakSymbol(u'H', k, v),
           SpeakSymbol(u'C', v + k - 1, v), RepeatedCombinations(k, v));
  return r;
}

}  // namespace vl
