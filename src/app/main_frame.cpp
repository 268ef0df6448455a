#include "app/main_frame.h"

#include "app/globals.h"
#include "app/glossary.h"
#include "app/velorin_app.h"
#include "platform/host.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace vl {

CMainFrame::CMainFrame(CVelorinApp& app) : app_(app) {
  g_bPuzzle = 0;
  for (const auto& item : res::MainMenu().items)
    if (item.flags & kMenuChecked) checked_.insert(item.id);
}

void CMainFrame::CheckMenuItem(int id, bool check) {
  if (check)
    checked_.insert(id);
  else
    checked_.erase(id);
}

void CMainFrame::OnPuzzle() {
  if (CVelorinView* view = app_.View()) view->StartPuzzle();
}

void CMainFrame::OnGlossary() {
  Host::Current().Help().Open(GlossaryPath(ProgramPath()), kHelpContents);
}

// The level commands change the check marks and the level only; nothing is repainted.
void CMainFrame::OnLevelJunior() {
  CheckMenuItem(res::kCmdLevelJunior, true);
  CheckMenuItem(res::kCmdLevelSenior, false);
  g_nLevel = 0;
}

void CMainFrame::OnLevelSenior() {
  CheckMenuItem(res::kCmdLevelSenior, true);
  CheckMenuItem(res::kCmdLevelJunior, false);
  g_nLevel = 1;
}

bool CMainFrame::OnCommand(int id) {
  switch (id) {
    case res::kCmdPuzzle: OnPuzzle(); return true;
    case res::kCmdGlossary: OnGlossary(); return true;
    case res::kCmdLevelJunior: OnLevelJunior(); return true;
    case res::kCmdLevelSenior: OnLevelSenior(); return true;
    default: return false;
  }
}

}  // namespace vl
