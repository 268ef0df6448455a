#include "topics/counting/kazu2.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditDice = 102;

constexpr MessageEntry<CKazu2> kMessages[] = {
    {101, kBnClicked, &CKazu2::OnStart},
    {133, kBnClicked, &CKazu2::OnDrill},
};
}  // namespace

CKazu2::CKazu2(Window* parent) : TopicDialog(102, parent) {}

bool CKazu2::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CKazu2::OnInitDialog() {
  UnitsFromClient(48, 16);
  m_nDice = 2;
  SetDlgItemText(kEditDice, u"2");
  const char16_t* names[4] = {u"Ａ", u"Ｂ", u"Ｃ", u"Ｄ"};
  for (int i = 0; i < 4; ++i) m_aszDieName[i] = names[i];
  return true;
}

void CKazu2::OnStart() {
  auto n = ReadDice(*this, kEditDice);
  if (!n) return;
  m_nDice = *n;
  Invalidate(true);
}

void CKazu2::OnDrill() { RunDrill(2770); }

void CKazu2::OnPaint(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY, n = m_nDice;
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Rectangle(u, 8 * v, 40 * u, 16 * v);
  }
  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlue);

  FormatText(m_szText, u"%d個のさいころを、Ａ", n);
  for (int i = 1; i < n; ++i) {
    m_szText.Append(u"，");
    m_szText.Append(m_aszDieName[i]);
  }
  m_szText.Append(u"とすると、");
  dc.TextOut(3 * u, 8 * v, m_szText);

  for (int j = 0; j < n; ++j) {
    m_aszCase[j] = CaseProduct(n, j);
    FormatText(m_szText, u"(%d)%sが６で他が６以外の場合の数    %s", j + 1, m_aszDieName[j],
               m_aszCase[j]);
    dc.TextOut(3 * u, (9 + j) * v, m_szText);
  }
  if (n > 1) {
    dc.SetTextColor(colors::kRed);
    dc.TextOut(3 * u, (9 + n) * v, u"これらの事柄はお互い同時に起らないので、");
  }

  dc.SetTextColor(colors::kBlue);
  m_szText = u"(1)";
  for (int j = 2; j <= n; ++j) {
    Text<8> term;
    FormatText(term, u"+(%d)", j);
    m_szText.Append(term);
  }
  Text<32> total;
  FormatText(total, u" = %d通り", ExactlyOneSix(n));
  m_szText.Append(total);
  dc.TextOut(3 * u, (11 + n) * v, m_szText);
}


std::string CKazu2::InvariantViolation() const {
  if (m_nDice < 1 || m_nDice > 4) return "dice outside 1..4";
  return {};
}

std::u16string CKazu2::Reading() const {
  const int n = m_nDice;
  Speech r;
  r << Say(u"%d個のさいころを投げるとき、そのうちの一つだけが6の目の出る場合の数はいくらか", n);
  std::u16string names = u"Ａ";
  for (int i = 1; i < n; ++i) names += u"、" + std::u16string(m_aszDieName[i].view());
  r << Say(u"%d個のさいころを、%sとすると", n, names);
  std::u16string sum;
  for (int j = 0; j < n; ++j) {
    r << Say(u"(%d) %sが6で他が6以外の場合の数は、%s", j + 1, m_aszDieName[j],
             SpeakExpression(CaseProduct(n, j)));
    sum += Say(j ? u"たす(%d)" : u"(%d)", j + 1);
  }
  if (n > 1) r << u"これらの事柄はお互い同時に起らないので、和の法則により";
  r << Say(u"%s イコール %d通り", sum, ExactlyOneSix(n));
  return r;
}

}  // namespace vl
