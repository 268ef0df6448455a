#include "topics/sets/set.h"

#include <cmath>

#include "notation/notation.h"
#include "notation/reading.h"

namespace vl {

namespace {
constexpr int kEditClass = 122;
constexpr int kEditBoys = 123;
constexpr int kEditGlasses = 124;
constexpr int kEditBoysGlasses = 125;
constexpr int kEdits[] = {kEditClass, kEditBoys, kEditGlasses, kEditBoysGlasses};
constexpr int kRadioFirst = 126;
constexpr int kRadioLast = 129;

constexpr Color kCyan = Rgb(0, 255, 255);
constexpr Color kMagenta = Rgb(255, 0, 255);

constexpr MessageEntry<CSet> kMessages[] = {
    {126, kBnClicked, &CSet::OnGirls},     {127, kBnClicked, &CSet::OnGirlsGlasses},
    {128, kBnClicked, &CSet::OnNoGlasses}, {129, kBnClicked, &CSet::OnGirlsNoGlasses},
    {133, kBnClicked, &CSet::OnDrill},
};
}  // namespace

CSet::CSet(Window* parent) : TopicDialog(108, parent) {}

bool CSet::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CSet::OnInitDialog() {
  UnitsFromClient(48, 14);
  m_nClass = 50;
  m_nBoys = 24;
  m_nGlasses = 10;
  m_nBoysGlasses = 6;
  SetDlgItemText(kEditClass, u"50");
  SetDlgItemText(kEditBoys, u"24");
  SetDlgItemText(kEditGlasses, u"10");
  SetDlgItemText(kEditBoysGlasses, u"6");
  CheckRadioButton(kRadioFirst, kRadioLast, kRadioFirst);
  m_nChoice = 1;
  return true;
}

void CSet::OnGirls() { Choose(1); }
void CSet::OnGirlsGlasses() { Choose(2); }
void CSet::OnNoGlasses() { Choose(3); }
void CSet::OnGirlsNoGlasses() { Choose(4); }

// The choice follows the radio button even when the counts are refused; the page keeps the
// last accepted counts.
void CSet::Choose(int16_t choice) {
  m_nChoice = choice;
  if (ReadCounts() == 0) Invalidate(true);
}

void CSet::OnDrill() { RunDrill(2776, 0); }

int CSet::ReadCounts() {
  // Each box is read into its own buffer first, so a refusal leaves every stored count alone.
  Text<6> texts[4];
  for (int i = 0; i < 4; ++i) GetDlgItemText(kEdits[i], texts[i]);
  CountsCheck check =
      CheckCounts({texts[0].view(), texts[1].view(), texts[2].view(), texts[3].view()});
  if (!check.counts) {
    Refuse(kEdits[check.refused]);
    return -1;
  }
  m_nClass = check.counts->nClass;
  m_nBoys = check.counts->nBoys;
  m_nGlasses = check.counts->nGlasses;
  m_nBoysGlasses = check.counts->nBoysGlasses;
  return 0;
}

std::string CSet::InvariantViolation() const {
  if (m_nClass < 8) return "fewer than 8 pupils in the class";
  if (m_nBoys < 0 || m_nBoys > m_nClass) return "boys outside 0..class";
  if (m_nGlasses < 0 || m_nGlasses > m_nClass) return "glasses outside 0..class";
  if (m_nBoysGlasses < 0 || m_nBoysGlasses > m_nBoys || m_nBoysGlasses > m_nGlasses)
    return "boys with glasses outside 0..min(boys, glasses)";
  if (m_nClass - m_nBoys < m_nGlasses - m_nBoysGlasses) return "more girls with glasses than girls";
  if (m_nChoice < 1 || m_nChoice > 4) return "choice outside 1..4";
  return {};
}

void CSet::OnPaint(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY;
  dc.SetBkMode(BkMode::kTransparent);
  {
    auto brush = dc.SelectBrush(SolidBrush(kCyan));
    dc.Rectangle(x, static_cast<int>(12.5 * y), 31 * x, static_cast<int>(14.4 * y));
  }
  const Rect universe{x, static_cast<int>(4.5 * y), 28 * x, 12 * y};
  {
    auto brush = dc.SelectBrush(SolidBrush(colors::kYellow));
    dc.Rectangle(universe.left, universe.top, universe.right, universe.bottom);
  }
  const int rx = 8 * x, ry = 2 * y;
  const Rect boys{10 * x - rx, 7 * y - ry, 10 * x + rx, 9 * y + ry};
  const Rect glasses{18 * x - rx, 9 * y - ry, 18 * x + rx, 9 * y + ry};
  auto ellipse = [&dc](const Rect& r, Color fill) {
    auto brush = dc.SelectBrush(SolidBrush(fill));
    dc.Ellipse(r.left, r.top, r.right, r.bottom);
  };
  const SetCounts counts{m_nClass, m_nBoys, m_nGlasses, m_nBoysGlasses};
  switch (m_nChoice) {
    case 1: ellipse(boys, colors::kWhite); break;
    case 2:
      dc.FillRect(universe, SolidBrush(colors::kWhite));
      ellipse(glasses, colors::kYellow);
      ellipse(boys, colors::kWhite);
      break;
    case 3: ellipse(glasses, colors::kWhite); break;
    case 4:
      ellipse(boys, colors::kWhite);
      ellipse(glasses, colors::kWhite);
      break;
    default: break;
  }
  if (auto formula = SetFormula(m_nChoice, counts)) m_szFormula = *formula;

  dc.SetTextColor(colors::kBlue);
  FormatText(m_szText, u"クラス %d", m_nClass);
  dc.TextOut(5 * x, 4 * y, m_szText);
  FormatText(m_szText, u"男子 %d", m_nBoys);
  dc.TextOut(7 * x, 6 * y, m_szText);
  dc.SetTextColor(colors::kRed);
  dc.TextOut(21 * x, 5 * y, u"女子");
  dc.SetTextColor(kMagenta);
  FormatText(m_szText, u"眼鏡 %d", m_nGlasses);
  dc.TextOut(17 * x, 8 * y, m_szText);
  FormatText(m_szText, u"%d", m_nBoysGlasses);
  dc.TextOut(14 * x, 8 * y, m_szText);
  dc.SetTextColor(colors::kRed);
  FormatText(m_szAnswer, u"黄色の部分: %s", m_szFormula);
  dc.TextOut(2 * x, 13 * y, m_szAnswer);

  // Whole-ellipse outlines: an arc whose start and end are the same point.
  {
    auto pen = dc.SelectPen(SolidPen(PaletteIndex(0), 2));
    dc.Arc(boys.left, boys.top, boys.right, boys.bottom, 10 * x, 5 * y, 10 * x, 5 * y);
  }
  {
    auto pen = dc.SelectPen(SolidPen(kMagenta, 2));
    dc.Arc(glasses.left, glasses.top, glasses.right, glasses.bottom, 18 * x, 7 * y, 18 * x, 7 * y);
  }
}

std::u16string CSet::Reading() const {
  Speech r;
  r << Say(
      u"1クラス%d人の中で男子は%d人です。眼鏡をかけている生徒は%d人で、その内男子は%d人"
      u"です",
      m_nClass, m_nBoys, m_nGlasses, m_nBoysGlasses);
  r << Say(u"図は、クラス %d の中に 男子 %d と 眼鏡 %d の円が重なり、重なりは %d。円の外は女子",
           m_nClass, m_nBoys, m_nGlasses, m_nBoysGlasses);
  // The formula as the page last drew it: a refused choice leaves the page as it was.
  if (!m_szFormula.empty()) r << u"選んだ部分の人数は、" + SpeakExpression(m_szFormula.view());
  return r;
}

}  // namespace vl
