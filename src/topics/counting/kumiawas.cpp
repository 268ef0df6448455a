#include "topics/counting/kumiawas.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditN = 105;
constexpr int kEditR = 106;
constexpr int kStaticDenominator = 1001;
constexpr char16_t kDividesOrders[] = u"組合せは並べ方ではないので、その分を割る";

constexpr MessageEntry<CKumiawas> kMessages[] = {
    {101, kBnClicked, &CKumiawas::OnStart},
    {133, kBnClicked, &CKumiawas::OnDrill},
};
}  // namespace

CKumiawas::CKumiawas(Window* parent) : TopicDialog(104, parent) {}

bool CKumiawas::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CKumiawas::OnInitDialog() {
  UnitsFromClient(48, 14);
  m_nN = 2;
  m_nR = 2;
  SetDlgItemText(kEditN, u"2");
  SetDlgItemText(kEditR, u"2");
  return true;
}

void CKumiawas::OnStart() {
  TwoCounts in = ReadTwoCounts(*this, kEditN, kEditR, CheckArrangement);
  if (!in.Accepted()) return;
  m_nN = in.first;
  m_nR = in.second;
  Invalidate(true);
}

void CKumiawas::OnDrill() { RunDrill(2772); }

void CKumiawas::OnPaint(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  {
    // The bar of the template's formula, 4 pixels above its denominator text.
    ItemDc item(dc, GetItemRect(kStaticDenominator), false);
    auto pen = item.dc().SelectPen(SolidPen(PaletteIndex(0)));
    item.dc().MoveTo(-5 * u, -4);
    item.dc().LineTo(17 * u, -4);
  }
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(Rgb(255, 0, 255));
  dc.TextOut(4 * u, 11 * v, Say(u"★ %s。", kDividesOrders));

  CombinationTerms terms = Combination(m_nN, m_nR);
  m_szNumer = terms.numerText;
  m_szDenom = terms.denomText;
  m_szEqual = u"=";
  FormatText(m_szValue, u" = %ld", terms.value);
  const int length = static_cast<int>(m_szNumer.size());

  dc.SetTextColor(colors::kBlue);
  DrawCombinatorialSymbol(u"C", dc, v, 5 * u, 8 * v + v / 2, m_nN, m_nR);
  dc.TextOut(9 * u, 8 * v + v / 2, m_szEqual);
  dc.TextOut(11 * u, 8 * v, m_szNumer);
  dc.TextOut(11 * u, 9 * v, m_szDenom);
  dc.TextOut((13 + length) * u, 8 * v + v / 2, m_szValue);
  auto pen = dc.SelectPen(SolidPen(colors::kBlue));
  dc.MoveTo(11 * u, 9 * v);
  dc.LineTo((11 + length) * u, 9 * v);
}


std::string CKumiawas::InvariantViolation() const {
  if (m_nN < 1 || m_nN > 10) return "n outside 1..10";
  if (m_nR < 1 || m_nR > m_nN) return "r outside 1..n";
  return {};
}

std::u16string CKumiawas::Reading() const {
  const CombinationTerms t = Combination(m_nN, m_nR);
  const std::u16string symbol = SpeakSymbol(u'C', m_nN, m_nR);
  Speech r;
  r << Say(u"%d個の異なるものから%d個ずつとった、組合せの数は何通りか", m_nN, m_nR);
  r << kDividesOrders;
  r << Say(u"%s イコール %s イコール %d", symbol,
           SpeakFraction(SpeakExpression(t.numerText), SpeakExpression(t.denomText)), t.value);
  r << Say(u"答え %d通り", t.value);
  return r;
}

}  // namespace vl
