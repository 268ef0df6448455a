#include "topics/counting/kazu1.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditDice = 102;

constexpr MessageEntry<CKazu1> kMessages[] = {
    {101, kBnClicked, &CKazu1::OnStart},
    {133, kBnClicked, &CKazu1::OnDrill},
};
}  // namespace

CKazu1::CKazu1(Window* parent) : TopicDialog(101, parent) {}

bool CKazu1::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CKazu1::OnInitDialog() {
  UnitsFromClient(48, 14);
  m_nDice = 2;
  SetDlgItemText(kEditDice, u"2");
  m_nStep = -1;
  OnStart();  // the page opens with the animation for two dice running
  return true;
}

void CKazu1::OnStart() {
  auto n = ReadDice(*this, kEditDice);
  if (!n) return;
  m_nDice = *n;
  if (!SetTimer(kTimerId, kPeriodMs)) {
    MessageBox(u"Timer Error");
    return;
  }
  m_nStep = 0;
  Invalidate(true);
}

void CKazu1::OnDrill() { RunDrill(2769); }

void CKazu1::OnTimer(int id) {
  if (id != kTimerId) return;
  ++m_nStep;
  if (m_nStep > EvenOutcomes(m_nDice)) {
    // The last outcome stays on screen until something else repaints the page.
    m_nStep = 0;
    KillTimer(kTimerId);
    return;
  }
  const int u = m_nUnitX, v = m_nUnitY;
  InvalidateRect({u, 8 * v, 41 * u, 14 * v}, true);
}

void CKazu1::OnClose() {
  KillTimer(kTimerId);
  TopicDialog::OnClose();
}

void CKazu1::OnPaint(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY, n = m_nDice;
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Rectangle(u, 8 * v, 41 * u, 14 * v);
  }
  dc.SetBkMode(BkMode::kTransparent);
  {
    auto pen = dc.SelectPen(SolidPen(colors::kRed, 2));
    const int y = 9 * v;
    for (int i = 0; i < n; ++i) {
      const int x = (6 + 8 * i) * u;
      dc.SetTextColor(colors::kBlue);
      FormatText(m_szText, u"(%d)の目", i + 1);
      dc.TextOut(x - 2 * u, y - v, m_szText);
      dc.SetTextColor(colors::kBlack);
      dc.TextOut(x, y, u"2");
      dc.TextOut(x, y + v, u"4");
      dc.TextOut(x, y + 2 * v, u"6");
      dc.TextOut(x, y + 3 * v, u"3通り");
      if (i == 0) continue;
      dc.TextOut(x - 2 * u, y + 3 * v, u"*");
      // Every face of the previous die joined to every face of this one.
      for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b) {
          dc.MoveTo(x - 7 * u, y + a * v + v / 2);
          dc.LineTo(x - u, y + b * v + v / 2);
        }
    }
    dc.SetTextColor(colors::kBlue);
    FormatText(m_szText, u"= %d通り", EvenOutcomes(n));
    dc.TextOut((8 * n + 2) * u, 12 * v, m_szText);
  }
  if (m_nStep > 0 && m_nStep <= EvenOutcomes(n)) {
    auto pen = dc.SelectPen(SolidPen(colors::kBlue, 2));
    auto faces = DecodeStep(m_nStep, n);
    for (int i = 1; i < n; ++i) {
      dc.MoveTo((8 * i - 1) * u, 9 * v + faces[i - 1] * v + v / 2);
      dc.LineTo((8 * i + 5) * u, 9 * v + faces[i] * v + v / 2);
    }
    FormatText(m_szText, u"%d通り", m_nStep);
    dc.TextOut(35 * u, 10 * v, m_szText);
  }
}


std::string CKazu1::InvariantViolation() const {
  if (m_nDice < 1 || m_nDice > 4) return "dice outside 1..4";
  if (m_nStep < -1 || m_nStep > EvenOutcomes(m_nDice)) return "step outside -1..3^n";
  return {};
}

std::u16string CKazu1::Reading() const {
  const int n = m_nDice;
  Speech r;
  r << Say(u"%d個のさいころを投げるとき、すべて偶数の目が出る場合の数はいくらか", n);
  std::u16string work;
  for (int i = 0; i < n; ++i) {
    if (i > 0) work += u"、かける、";
    work += Say(u"(%d)の目は2、4、6の3通り", i + 1);
  }
  r << work + Say(u"。イコール %d通り", EvenOutcomes(n));
  if (m_nStep > 0 && m_nStep <= EvenOutcomes(n)) {
    const auto faces = DecodeStep(m_nStep, n);
    std::u16string dice;
    for (int i = 0; i < n; ++i) dice += Say(i ? u"と%dの目" : u"%dの目", 2 + 2 * faces[i]);
    r << Say(u"%d通り目は", m_nStep) + dice;
  }
  return r;
}

}  // namespace vl
