#include "app/about_dlg.h"

#include "notation/reading.h"
#include "platform/dc.h"
#include "resources/resource_ids.h"

namespace vl {

CAboutDlg::CAboutDlg(Window* parent) : Dialog(res::kIddAbout, parent) {}

// The icon control shows the application icon.
void CAboutDlg::OnPaint(Dc& dc) {
  for (auto& c : Controls())
    if (c.kind == ControlKind::kIcon) dc.DrawIcon(c.rect.left, c.rect.top, Icon::kApplication);
}

std::u16string CAboutDlg::Reading() const {
  Speech r;
  for (const Control& c : Controls())
    if (c.kind == ControlKind::kStatic) r << c.text;
  return r;
}

}  // namespace vl
