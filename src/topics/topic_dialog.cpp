#include "topics/topic_dialog.h"

#include "drill/drill.h"
#include "topics/level.h"

namespace vl {

int16_t g_nLevel = 0;

void TopicDialog::UnitsFromFont() {
  TextMetrics tm = GetTextMetrics();
  m_nUnitX = static_cast<int16_t>(tm.aveCharWidth);
  m_nUnitY = static_cast<int16_t>(tm.height + tm.externalLeading);
}

void TopicDialog::UnitsFromClient(int divX, int divY, int addY) {
  Rect rc = GetClientRect();
  m_nUnitX = static_cast<int16_t>(rc.Width() / divX);
  m_nUnitY = static_cast<int16_t>(rc.Height() / divY + addY);
}

void TopicDialog::RunDrill(int16_t code, int16_t subMode) {
  CDrill drill(this, code, subMode);
  drill.DoModal();
}

}  // namespace vl
