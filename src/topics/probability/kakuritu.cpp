#include "topics/probability/kakuritu.h"

#include "notation/format_text.h"
#include "notation/reading.h"
#include "platform/dc.h"
#include "platform/runtime.h"
#include "topics/probability/die_face.h"

namespace vl {

namespace {
constexpr MessageEntry<CKakuritu> kMessages[] = {
    {111, kBnClicked, &CKakuritu::OnTest1},
    {112, kBnClicked, &CKakuritu::OnTest10},
};
}  // namespace

CKakuritu::CKakuritu(Window* parent) : TopicDialog(105, parent) {}

bool CKakuritu::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CKakuritu::OnInitDialog() {
  UnitsFromClient(48, 14, 1);
  Srand(static_cast<uint32_t>(Time()));
  m_counts = DieCounts{};
  return true;
}

void CKakuritu::OnTest1() { Throw(1); }

void CKakuritu::OnTest10() { Throw(10); }

void CKakuritu::Throw(int throws) {
  // A batch that would pass the table's limit is ignored silently.
  if (!ThrowBatch(m_counts, throws)) return;
  Invalidate(true);
}

std::string CKakuritu::InvariantViolation() const {
  int sum = 0;
  for (int n : m_counts.count) sum += n;
  if (sum != m_counts.total) return "the face counts do not add up to the total";
  if (m_counts.total > kMaxThrows) return "more throws than the table holds";
  return {};
}

void CKakuritu::OnPaint(Dc& dc) {
  const int u = m_nUnitX, v = m_nUnitY;
  dc.FillRect({12 * u, 6 * v, 38 * u, 13 * v}, SolidBrush(colors::kYellow));
  dc.FillRect({12 * u, 12 * v, 38 * u, 13 * v}, SolidBrush(Rgb(0, 255, 255)));
  {
    auto pen = dc.SelectPen(SolidPen(PaletteIndex(0)));
    for (int row = 6; row <= 13; ++row) {
      dc.MoveTo(12 * u, row * v);
      dc.LineTo(38 * u, row * v);
    }
    for (int col : {12, 17, 30, 38}) {
      dc.MoveTo(col * u, 13 * v);
      dc.LineTo(col * u, 6 * v);
    }
  }
  dc.SetBkMode(BkMode::kTransparent);
  dc.TextOut(40 * u, 8 * v, u"1/6=0.167");

  dc.SetTextColor(colors::kBlue);
  for (int face = 1; face <= 6; ++face) {
    FormatText(m_szText, u"%3d", face);
    dc.TextOut(6 * u, (5 + face) * v, m_szText);
  }
  dc.TextOut(6 * u, 12 * v, u"合計");

  // Only the last die thrown stays visible.
  if (m_counts.lastFace != 0) DrawDieFace(dc, 0, 6 * v, m_counts.lastFace);

  const int total = m_counts.total;
  for (int j = 0; j <= 6; ++j) {
    const int y = (6 + j) * v;
    const int count = j < 6 ? m_counts.count[j] : total;
    FormatText(m_szText, u"%3d", count);
    dc.TextOut(14 * u, y, m_szText);
    if (total != 0)
      FormatText(m_szText, u"%1.3f(%3d/%3d)", static_cast<double>(count) / total, count, total);
    else
      m_szText = u" = 回数/合計";
    dc.TextOut(18 * u, y, m_szText);
    FormatText(m_szText, u"%1.3f", j < 6 ? 1.0 / 6.0 : 1.0);
    dc.TextOut(32 * u, y, m_szText);
  }
}

std::u16string CKakuritu::Reading() const {
  const int total = m_counts.total;
  Speech r;
  r << u"さいころを振って、それぞれの目の出る確率を求める。テストのボタンを押して下さい";
  if (m_counts.lastFace != 0) r << Say(u"出た目は%dの目", m_counts.lastFace);
  std::vector<std::vector<std::u16string>> rows;
  for (int j = 0; j <= 6; ++j) {
    const int count = j < 6 ? m_counts.count[j] : total;
    std::u16string statistical = u"回数わる合計";
    if (total != 0)
      statistical = SpeakNumber(static_cast<double>(count) / total, 3) + u"、" +
                    SpeakFraction(SpeakNumber(count), SpeakNumber(total));
    rows.push_back({j < 6 ? SpeakNumber(j + 1) : u"合計", SpeakNumber(count), statistical,
                    SpeakNumber(j < 6 ? 1.0 / 6.0 : 1.0, 3)});
  }
  r << SpeakTable({u"出た目", u"回数", u"統計的確率", u"数学的確率"}, rows);
  r << SpeakFraction(u"1", u"6") + u" イコール 0.167";
  return r;
}

}  // namespace vl
