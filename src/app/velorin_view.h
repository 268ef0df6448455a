// The client area of the main window.
#pragma once
#include "platform/text.h"
#include "platform/window.h"

namespace vl {

class CVelorinView : public Window {
 public:
  CVelorinView();
  virtual void OnDraw(Dc& dc);

  // Page members.
  double m_dPi = 3.1415926535;
  int16_t m_nUnitX = 0;
  int16_t m_nUnitY = 0;
  Text<64> m_szText;

 protected:
  void DoPaint(Dc& dc) override { OnDraw(dc); }
  void OnLButtonDown(Point p) override;
};

}  // namespace vl
