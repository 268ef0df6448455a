// The About box.
#pragma once
#include "platform/window.h"

namespace vl {

class CAboutDlg : public Dialog {
 public:
  explicit CAboutDlg(Window* parent = nullptr);

 protected:
  void OnPaint(Dc& dc) override;
};

}  // namespace vl
