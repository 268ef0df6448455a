// The About box.
#pragma once
#include "platform/window.h"

namespace vl {

class CAboutDlg : public Dialog {
 public:
  explicit CAboutDlg(Window* parent = nullptr);
  // The name, version and purpose the dialog shows.
  std::u16string Reading() const override;

 protected:
  void OnPaint(Dc& dc) override;
};

}  // namespace vl
