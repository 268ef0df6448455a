#include "app/about_dlg.h"

#include "platform/dc.h"
#include "resources/resource_ids.h"

namespace vl {

CAboutDlg::CAboutDlg(Window* parent) : Dialog(res::kIddAbout, parent) {}

// The icon control shows the application icon.
void CAboutDlg::OnPaint(Dc& dc) {
  for (auto& c : Controls())
    if (c.kind == ControlKind::kIcon) dc.DrawIcon(c.rect.left, c.rect.top, Icon::kApplication);
}

}  // namespace vl
