#include "topics/counting/smjyun.h"

#include <string_view>

#include "notation/notation.h"
#include "notation/reading.h"
#include "topics/counting/counting_input.h"

namespace vl {

namespace {
constexpr int kEditEast = 131;
constexpr int kEditNorth = 132;

constexpr MessageEntry<CSmJyun> kMessages[] = {
    {101, kBnClicked, &CSmJyun::OnStart},
    {133, kBnClicked, &CSmJyun::OnDrill},
};

constexpr std::u16string_view kCircledNumbers = u"①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯⑰⑱⑲⑳";
}  // namespace

CSmJyun::CSmJyun(Window* parent) : TopicDialog(109, parent) {}

bool CSmJyun::OnCommand(int id, int code) { return DispatchMessage(*this, kMessages, id, code); }

bool CSmJyun::OnInitDialog() {
  UnitsFromClient(48, 16);
  m_nEast = 3;
  m_nNorth = 2;
  SetDlgItemText(kEditEast, u"3");
  SetDlgItemText(kEditNorth, u"2");
  return true;
}

void CSmJyun::OnStart() {
  TwoCounts in = ReadTwoCounts(*this, kEditEast, kEditNorth, CheckStreets);
  if (!in.Accepted()) return;
  m_nEast = in.first;
  m_nNorth = in.second;
  Invalidate(true);
}

void CSmJyun::OnDrill() { RunDrill(2777, 0); }

void CSmJyun::OnPaint(Dc& dc) {
  const int x = m_nUnitX, y = m_nUnitY, e = m_nEast, n = m_nNorth;
  dc.SetBkMode(BkMode::kTransparent);
  const int left = 5 * x;
  const int top = static_cast<int>(3.5 * y);
  const int f = 25 * x / e;
  const int g = (static_cast<int>(10.5 * y) - top) / n;
  const Rect grid{left, top, left + e * f, top + n * g};

  dc.FillRect(grid, SolidBrush(colors::kYellow));
  for (int i = 0; i <= e; ++i) {
    dc.MoveTo(left + i * f, grid.top);
    dc.LineTo(left + i * f, grid.bottom);
  }
  for (int j = 0; j <= n; ++j) {
    dc.MoveTo(grid.left, top + j * g);
    dc.LineTo(grid.right, top + j * g);
  }
  {
    auto pen = dc.SelectPen(SolidPen(colors::kRed, 3));
    auto route = StaircaseRoute(grid, f, g, e, n);
    dc.MoveTo(route[0].x, route[0].y);
    for (size_t i = 1; i < route.size(); ++i) dc.LineTo(route[i].x, route[i].y);
  }

  dc.SetTextColor(colors::kRed);
  dc.TextOut(4 * x - 2, 10 * y, u"A");
  dc.TextOut(grid.right + 2, grid.top, u"B");

  dc.SetTextColor(colors::kBlue);
  dc.TextOut(2 * x, 12 * y, kCircledNumbers.substr(0, e + n));
  FormatText(m_szText, u"の中から東西 %d本を選ぶ（残りは南北）", e);
  dc.TextOut(2 * x, 13 * y, m_szText);
  dc.TextOut(2 * x, 14 * y, u"場合の数と考えればよいので");
  DrawCombinatorialSymbol(u"C", dc, y, 4 * x, 15 * y, e + n, e);

  dc.SetTextColor(colors::kRed);
  FormatText(m_szText, u"= %d (通り)", ShortestRoutes(e, n));
  dc.TextOut(6 * x, 15 * y, m_szText);
}


std::string CSmJyun::InvariantViolation() const {
  if (m_nEast < 2 || m_nNorth < 2) return "fewer than two blocks a side";
  if (m_nEast + m_nNorth > 16) return "more than 16 steps";
  return {};
}

std::u16string CSmJyun::Reading() const {
  const int e = m_nEast, n = m_nNorth;
  Speech r;
  r << Say(
      u"東西%d本、南北%d本の道路がある。ＡからＢに行くのに遠回りしないことにすれば、順路は"
      u"いく通りあるか",
      e, n);
  r << Say(u"1から%dまでの%d本の中から東西 %d本を選ぶ、残りは南北、場合の数と考えればよいので",
           e + n, e + n, e);
  r << Say(u"%s イコール %d通り", SpeakSymbol(u'C', e + n, e), ShortestRoutes(e, n));
  return r;
}

}  // namespace vl
