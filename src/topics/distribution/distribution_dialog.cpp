#include "topics/distribution/distribution_dialog.h"

#include "platform/dc.h"

namespace vl {

void DistributionDialog::TakeFontUnits() {
  UnitsFromFont();
  m_nCharW = m_nUnitX;
  m_nLineH = m_nUnitY;
}

void DistributionDialog::PaintBand(Dc& dc, int bottom) {
  const Rect rc = GetClientRect();
  dc.FillRect({m_nCharW, 0, rc.Width() - m_nCharW, bottom}, SolidBrush(colors::kYellow));
  dc.SetBkMode(BkMode::kTransparent);
}

int DistributionDialog::ProblemShift(int top) const {
  // Edit 153 stands first in the row; the others share its top and height.
  const int below = GetItemRect(153).bottom + 2;
  return below > top ? below - top : 0;
}

}  // namespace vl
