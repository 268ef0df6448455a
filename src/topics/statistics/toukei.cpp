#include "topics/statistics/toukei.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/dc.h"
#include "platform/runtime.h"
#include "topics/statistics/graph.h"

namespace vl {

namespace {
constexpr int kEditFreq = 113;
constexpr int kEditScore = 115;
constexpr int kFrameMean = 1002;
constexpr int kFrameSd = 1003;
constexpr int kFrameScore = 1004;
}  // namespace

CToukei::CToukei(Window* parent) : TopicDialog(106, parent) {}

bool CToukei::OnInitDialog() {
  UnitsFromClient(48, 14, 1);
  Srand(static_cast<uint32_t>(Time()));
  for (int k = 0; k < toukei::kClasses; ++k) {
    m_nMid[k] = toukei::ClassValue(k);
    if (!m_bFreqGiven) m_nFreq[k] = static_cast<int16_t>(10 * k);
  }
  m_fSd = 0.0f;
  m_nSel = -1;
  m_nScore = -1;
  return true;
}

void CToukei::OnLButtonDown(Point p) {
  const int ux = m_nUnitX, uy = m_nUnitY;
  if (uy <= 0) return;
  if (!(11 * ux < p.x && p.x < 15 * ux && 2 * uy < p.y && p.y < 12 * uy)) return;
  m_nSel = static_cast<int16_t>((p.y - 2 * uy) / uy);
  FormatText(m_szText, u"%d", m_nFreq[m_nSel]);
  SetDlgItemText(kEditFreq, m_szText);
  GotoDlgCtrl(kEditFreq);
  InvalidateRect({11 * ux, 2 * uy, 15 * ux, 12 * uy}, true);
}

std::optional<int16_t> CToukei::ReadBox(int editId) {
  Text<6> typed;  // the boxes take five characters
  GetDlgItemText(editId, typed);
  std::optional<int16_t> v = toukei::ReadWholeNumber(typed);
  if (!v) Refuse(editId);
  return v;
}

void CToukei::OnInput() {
  std::optional<int16_t> v = ReadBox(kEditFreq);
  if (!v || m_nSel < 0) return;
  m_nFreq[m_nSel] = *v;
  Invalidate(true);
}

void CToukei::OnDeviation() {
  std::optional<int16_t> v = ReadBox(kEditScore);
  if (!v) return;
  m_nScore = *v;
  Invalidate(true);
}

void CToukei::OnGraph() {
  CGraph graph(this);
  graph.m_nMid = m_nMid;
  graph.m_nFreq = m_nFreq;
  graph.m_fSd = m_fSd;
  graph.m_fMean = m_fMean;
  graph.DoModal();
}

void CToukei::TextTo(Dc& dc, int x, int y, std::u16string_view text) {
  dc.TextOut(x - dc.GetTextExtent(text).cx, y, text);
}

void CToukei::OnPaint(Dc& dc) {
  toukei::Totals totals = toukei::TotalsOf(m_nMid, m_nFreq);
  DrawTable(dc, totals);
  DrawResults(dc, totals);
}

void CToukei::DrawTable(Dc& dc, const toukei::Totals& totals) {
  const int ux = m_nUnitX, uy = m_nUnitY;
  dc.FillRect({11 * ux, 2 * uy, 15 * ux, 12 * uy}, SolidBrush(colors::kYellow));
  {
    auto pen = dc.SelectPen(SolidPen(colors::kBlack, 1));
    for (int j = 2; j <= 13; ++j) {
      dc.MoveTo(0, j * uy);
      dc.LineTo(27 * ux, j * uy);
    }
    dc.MoveTo(0, 0);
    dc.LineTo(27 * ux, 0);
    for (int x : {0, 7, 11, 15, 19, 23, 27}) {
      dc.MoveTo(x * ux, 13 * uy);
      dc.LineTo(x * ux, 0);
    }
  }

  dc.SetBkMode(BkMode::kTransparent);
  dc.SetTextColor(colors::kBlack);
  dc.TextOut(7 * ux, 2, u"階級");
  dc.TextOut(11 * ux, 2, u"度数");
  dc.TextOut(ux, uy, u"点  数");
  dc.TextOut(7 * ux, uy, u"値 x");
  dc.TextOut(11 * ux, uy, u" f");
  dc.TextOut(15 * ux, uy, u"  u");
  dc.TextOut(19 * ux, uy, u" uf");
  DrawSuperscriptText(u"u", dc, uy, 24 * ux, uy, u"2");
  dc.TextOut(26 * ux, uy, u"f");

  for (int k = 0; k < toukei::kClasses; ++k) {
    const int y = 2 * uy + k * uy;
    dc.SetTextColor(colors::kBlack);
    if (k == 0) {
      dc.TextOut(2 * ux, y, u"0-10");
    } else {
      FormatText(m_szText, u"%d-%d", 10 * k + 1, 10 * k + 10);
      dc.TextOut(ux, y, m_szText);
    }
    dc.SetTextColor(colors::kBlue);
    FormatText(m_szText, u"%d", m_nMid[k]);
    dc.TextOut(k == 0 ? 10 * ux : 9 * ux, y, m_szText);
    FormatText(m_szText, u"%d", m_nFreq[k]);
    if (k == m_nSel) dc.SetTextColor(colors::kRed);
    TextTo(dc, 15 * ux, y, m_szText);
    dc.SetTextColor(colors::kBlue);
    toukei::Row row = toukei::RowOf(m_nMid[k], m_nFreq[k]);
    FormatText(m_szText, u"%3d", row.u);
    TextTo(dc, 19 * ux, y, m_szText);
    FormatText(m_szText, u"%3d", row.uf);
    TextTo(dc, 23 * ux, y, m_szText);
    FormatText(m_szText, u"%3d", row.u2f);
    TextTo(dc, 27 * ux, y, m_szText);
  }

  dc.SetTextColor(colors::kBlue);
  dc.TextOut(ux, 12 * uy, u"合計");
  FormatText(m_szText, u"%3d", totals.f);
  TextTo(dc, 15 * ux, 12 * uy, m_szText);
  FormatText(m_szText, u"%3d", totals.uf);
  TextTo(dc, 23 * ux, 12 * uy, m_szText);
  FormatText(m_szText, u"%3d", totals.u2f);
  TextTo(dc, 27 * ux, 12 * uy, m_szText);
}

void CToukei::DrawResults(Dc& dc, const toukei::Totals& totals) {
  // An empty table shows no results; the mean and s stay as the last table with data left them.
  if (totals.f == 0) return;
  const int ux = m_nUnitX, uy = m_nUnitY;
  m_fMean = toukei::MeanOf(totals);
  m_fSd = toukei::SdOf(totals);

  dc.SetTextColor(colors::kBlack);
  {
    ItemDc frame(dc, GetItemRect(kFrameMean), true);
    FormatText(m_szText, u"55+10*%d/%d=%3.1f", totals.uf, totals.f, m_fMean);
    frame.dc().TextOut(4, 2, m_szText);
  }
  {
    ItemDc frame(dc, GetItemRect(kFrameSd), true);
    Dc& fdc = frame.dc();
    fdc.TextOut(ux, 6, u"10");
    FormatText(m_szText, u"%d/%d-(%d/%d)", totals.u2f, totals.f, totals.uf, totals.f);
    DrawSuperscriptText(m_szText, fdc, uy, 4 * ux, 6, u"2");
    DrawRadical(m_szText, *this, fdc, 4 * ux, 6, colors::kBlue);
    FormatText(m_szText, u"= %2.3f", m_fSd);
    fdc.TextOut(4, uy, m_szText);
  }
  if (m_nScore >= 0 && m_fSd > 0.0f) {
    ItemDc frame(dc, GetItemRect(kFrameScore), true);
    frame.dc().SetTextColor(colors::kRed);
    FormatText(m_szText, u"50+10(%d-m)/s = %d", m_nScore,
               toukei::DeviationScore(m_nScore, m_fMean, m_fSd));
    frame.dc().TextOut(4, 2, m_szText);
  }
}

// Frequencies are counts; the selection is a row of the table or none.
std::string CToukei::InvariantViolation() const {
  for (int16_t f : m_nFreq)
    if (f < 0) return "a negative frequency: " + std::to_string(f);
  if (m_nSel < -1 || m_nSel >= toukei::kClasses) return "selection outside the table";
  if (m_nScore < -1) return "a negative score: " + std::to_string(m_nScore);
  return {};
}

std::u16string CToukei::Reading() const {
  const toukei::Totals totals = toukei::TotalsOf(m_nMid, m_nFreq);
  Speech r;
  r << u"度数f を入れて下さい。階級の幅 c イコール 10、仮の平均 a イコール 55、u イコール c分の、"
       u"xひく55";
  std::vector<std::vector<std::u16string>> rows;
  for (int k = 0; k < toukei::kClasses; ++k) {
    const toukei::Row row = toukei::RowOf(m_nMid[k], m_nFreq[k]);
    rows.push_back({Say(u"%dから%d", k == 0 ? 0 : 10 * k + 1, 10 * k + 10), SpeakNumber(m_nMid[k]),
                    SpeakNumber(m_nFreq[k]), SpeakNumber(row.u), SpeakNumber(row.uf),
                    SpeakNumber(row.u2f)});
  }
  rows.push_back(
      {u"合計", u"", SpeakNumber(totals.f), u"", SpeakNumber(totals.uf), SpeakNumber(totals.u2f)});
  r << SpeakTable({u"点数", u"階級値 x", u"度数 f", u"u", u"uf", SpeakPower(u"u", u"2") + u"f"},
                  rows);
  if (totals.f == 0) return r;
  const float mean = toukei::MeanOf(totals), sd = toukei::SdOf(totals);
  r << Say(u"平均 m イコール 55たす10かける%s イコール %s",
           SpeakFraction(SpeakNumber(totals.uf), SpeakNumber(totals.f)), SpeakNumber(mean, 1));
  r << Say(
      u"標準偏差 s イコール 10かける%s イコール %s",
      SpeakRoot(SpeakFraction(SpeakNumber(totals.u2f), SpeakNumber(totals.f)) + u"ひく" +
                SpeakPower(SpeakFraction(SpeakNumber(totals.uf), SpeakNumber(totals.f)), u"2")),
      SpeakNumber(sd, 3));
  if (m_nScore >= 0 && sd > 0.0f)
    r << Say(u"%d点の偏差値は、50たす10かける、s分の、%dひくm イコール %d", m_nScore, m_nScore,
             toukei::DeviationScore(m_nScore, mean, sd));
  return r;
}

}  // namespace vl
