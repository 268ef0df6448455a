#include "topics/statistics/arrange.h"

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/dc.h"
#include "platform/runtime.h"
#include "topics/statistics/toukei.h"

namespace vl {

namespace {
constexpr int kEditScore = 145;
constexpr int kColumns = 10;
constexpr int kRows = arrange::kPupils / kColumns;
}  // namespace

CArrange::CArrange(Window* parent) : TopicDialog(113, parent) {}

Rect CArrange::CellRect(int i) const {
  const int X = m_nUnitX, Y = m_nUnitY;
  int r = i / kColumns, c = i % kColumns;
  return {4 * X * (c + 1), Y * (r + 3), 4 * X * (c + 2), Y * (r + 4)};
}

bool CArrange::OnInitDialog() {
  UnitsFromClient(50, 16, 1);
  Srand(static_cast<uint32_t>(Time()));
  arrange::DrawScores(m_nScore);
  m_nSelected = -1;
  return true;
}

void CArrange::OnLButtonDown(Point p) {
  const int X = m_nUnitX, Y = m_nUnitY;
  if (X <= 0 || Y <= 0) return;
  if (p.x < 4 * X || p.x >= 44 * X || p.y < 3 * Y || p.y >= 8 * Y) return;
  m_nSelected = static_cast<int16_t>((p.y - 3 * Y) / Y * kColumns + (p.x - 4 * X) / (4 * X));
  Invalidate(true);
  GotoDlgCtrl(kEditScore);
}

void CArrange::OnChange() {
  if (m_nSelected < 0) return;
  Text<4> typed;  // the box takes three characters
  GetDlgItemText(kEditScore, typed);
  std::optional<int16_t> v = arrange::ReadScore(typed);
  if (!v) {
    Refuse(kEditScore);
    return;
  }
  m_nNewScore = *v;
  m_nScore[m_nSelected] = *v;
  Invalidate(true);
}

void CArrange::OnSort() {
  arrange::SortDescending(m_nScore);
  Invalidate(true);
}

void CArrange::OnFrequency() {
  m_bToStatistics = 1;
  m_nFreq = arrange::ClassFrequencies(m_nScore);
  CToukei statistics(this);
  statistics.GiveFrequencies(m_nFreq);
  statistics.DoModal();
  m_bToStatistics = 0;
}

void CArrange::OnPaint(Dc& dc) {
  const int X = m_nUnitX, Y = m_nUnitY;
  dc.FillRect({4 * X, 3 * Y, 44 * X, 8 * Y}, SolidBrush(colors::kWhite));
  if (m_nSelected >= 0) dc.FillRect(CellRect(m_nSelected), SolidBrush(colors::kYellow));

  dc.SetBkMode(BkMode::kTransparent);
  for (int i = 1; i <= kColumns + 1; ++i) {
    dc.MoveTo(4 * X * i, 3 * Y);
    dc.LineTo(4 * X * i, 8 * Y);
  }
  for (int j = 0; j <= kRows; ++j) {
    dc.MoveTo(4 * X, (3 + j) * Y);
    dc.LineTo(44 * X, (3 + j) * Y);
  }
  for (int r = 0; r < kRows; ++r)
    for (int c = 0; c < kColumns; ++c) {
      int16_t s = m_nScore[r * kColumns + c];
      if (s < 0)
        m_szText = u"...";
      else
        FormatText(m_szText, u"%3d", s);
      dc.TextOut((5 + 4 * c) * X, (3 + r) * Y, m_szText);
    }

  arrange::ScoreStats st = arrange::Summarize(m_nScore);
  if (st.present <= 2) return;
  FormatText(m_szText, u"人数=%d  点数合計=%d  平均点=点数合計/人数=%3.1f", st.present, st.total,
             st.mean);
  dc.TextOut(2 * X, 9 * Y, m_szText);
  FormatText(m_szText, u"最高点=%d  最低点=%d", st.highest, st.lowest);
  dc.TextOut(2 * X, 10 * Y, m_szText);
  arrange::MedianLines median = arrange::MedianOf(m_nScore, st.present);
  dc.TextOut(2 * X, 11 * Y, median.first);
  if (!median.second.empty()) dc.TextOut(9 * X, 12 * Y, median.second);
}

// Scores run up to 100 (a negative one stands for an absent pupil); the selection is a cell.
std::string CArrange::InvariantViolation() const {
  for (int16_t s : m_nScore)
    if (s > 100) return "a score above 100: " + std::to_string(s);
  if (m_nNewScore > 100) return "an accepted score above 100";
  if (m_nSelected < -1 || m_nSelected >= arrange::kPupils) return "selection outside the table";
  return {};
}

std::u16string CArrange::Reading() const {
  Speech r;
  r << u"下図は50人分の点数です";
  std::vector<std::vector<std::u16string>> rows;
  for (int row = 0; row < kRows; ++row) {
    rows.emplace_back();
    for (int c = 0; c < kColumns; ++c) {
      const int16_t s = m_nScore[row * kColumns + c];
      rows.back().push_back(s < 0 ? u"欠席" : SpeakNumber(s));
    }
  }
  r << SpeakTable({}, rows);
  const arrange::ScoreStats st = arrange::Summarize(m_nScore);
  if (st.present <= 2) return r;
  r << Say(u"人数 イコール %d、点数合計 イコール %d、平均点 イコール 人数分の点数合計 イコール %s",
           st.present, st.total, SpeakNumber(st.mean, 1));
  r << Say(u"最高点 イコール %d、最低点 イコール %d", st.highest, st.lowest);
  const arrange::MedianLines median = arrange::MedianOf(m_nScore, st.present);
  r << SpeakExpression(median.first) + SpeakExpression(median.second);
  return r;
}

}  // namespace vl
