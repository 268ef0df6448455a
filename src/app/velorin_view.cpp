#include "app/velorin_view.h"

#include "platform/dc.h"

namespace vl {

CVelorinView::CVelorinView() = default;

void CVelorinView::OnDraw(Dc& dc) {
  TextMetrics tm = dc.GetTextMetrics();
  m_nUnitX = static_cast<int16_t>(tm.aveCharWidth);
  m_nUnitY = static_cast<int16_t>(tm.height + tm.externalLeading);
  dc.DrawIcon(10, 10, Icon::kApplication);
}

void CVelorinView::OnLButtonDown(Point) {}

}  // namespace vl
