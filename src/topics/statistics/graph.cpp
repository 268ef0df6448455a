#include "topics/statistics/graph.h"

#include <vector>

#include "notation/notation.h"
#include "notation/reading.h"
#include "platform/dc.h"

namespace vl {

CGraph::CGraph(Window* parent) : TopicDialog(114, parent) {}

graph::Scale CGraph::DrawAxes(Dc& dc, int left, int32_t largest) {
  const int ux = m_nUx, top = 2 * m_nHy, bottom = 12 * m_nHy;
  const int right = left + 20 * ux;
  dc.FillRect({left, top, right, bottom}, SolidBrush(colors::kYellow));
  dc.MoveTo(left, top);
  dc.LineTo(left, bottom);
  dc.LineTo(right, bottom);

  for (int j = 0; j <= 10; ++j) {
    FormatText(m_szText, u"%d", 10 * j);
    dc.TextOut(left + 2 * ux * j - dc.GetTextExtent(m_szText).cx, bottom, m_szText);
  }
  graph::Scale scale = graph::ScaleFor(largest, bottom - top);
  // With more steps than pixels every label would land on the bottom line; none is drawn then.
  if (scale.pixels > 0) {
    for (int k = 1; k < scale.steps; ++k) {
      FormatText(m_szText, u"%d", k * scale.step);
      dc.TextOut(left - ux - dc.GetTextExtent(m_szText).cx, bottom - k * scale.pixels, m_szText);
    }
  }
  return scale;
}

void CGraph::OnPaint(Dc& dc) {
  Rect rc = GetClientRect();
  m_nUx = rc.Width() / 50;
  m_nHy = rc.Height() / 16;
  const int ux = m_nUx, bottom = 12 * m_nHy;

  const int32_t largest = graph::LargestOf(m_nFreq);
  const auto cumulative = graph::Cumulative(m_nFreq);
  const int32_t total = cumulative.back();

  dc.SetBkMode(BkMode::kTransparent);
  auto font = dc.SelectFont(Font{u"MS Serif", 2 * m_nHy / 3, 400, 0});
  auto yellow = dc.SelectBrush(SolidBrush(colors::kYellow));

  // Histogram on the left.
  int left = 4 * ux;
  graph::Scale scale = DrawAxes(dc, left, largest);
  {
    auto red = dc.SelectBrush(SolidBrush(colors::kRed));
    for (int k = 0; k < graph::kClasses; ++k)
      dc.Rectangle(left + 2 * ux * k, bottom - scale.HeightOf(m_nFreq[k]), left + 2 * ux * (k + 1),
                   bottom);
  }

  // Cumulative frequency polygon on the right, with a dotted line at the total.
  left = 29 * ux;
  scale = DrawAxes(dc, left, total);
  std::vector<Point> points{{left, bottom}};
  for (int k = 0; k < graph::kClasses; ++k)
    points.push_back({left + 2 * ux * (k + 1), bottom - scale.HeightOf(cumulative[k])});
  {
    auto pen = dc.SelectPen(SolidPen(colors::kBlack, 2));
    dc.Polyline(points);
  }
  {
    auto dotted = dc.SelectPen(Pen{PenStyle::kDot, 1, colors::kBlack});
    dc.MoveTo(left, points.back().y);
    dc.LineTo(points.back().x, points.back().y);
  }
}

std::u16string CGraph::Reading() const {
  const auto cumulative = graph::Cumulative(m_nFreq);
  const int height = 10 * (GetClientRect().Height() / 16);
  Speech r;
  auto graphOf = [&](std::u16string_view name, auto valueOf, int32_t largest) {
    std::u16string s(name);
    s += u"、横軸は点数 0から100まで10点ごと";
    const graph::Scale scale = graph::ScaleFor(largest, height);
    if (scale.pixels > 0 && scale.steps > 1) {
      s += u"、縦軸の目盛りは";
      for (int k = 1; k < scale.steps; ++k) s += Say(k > 1 ? u"、%d" : u"%d", k * scale.step);
    }
    for (int k = 0; k < graph::kClasses; ++k)
      s += Say(u"、%dから%d点 %d", 10 * k, 10 * k + 10, valueOf(k));
    return s;
  };
  r << graphOf(
      u"ヒストグラム", [&](int k) { return static_cast<int>(m_nFreq[k]); },
      graph::LargestOf(m_nFreq));
  r << graphOf(
      u"累積度数グラフ", [&](int k) { return static_cast<int>(cumulative[k]); }, cumulative.back());
  return r;
}

}  // namespace vl
