#include "app/velorin_app.h"

#include "app/about_dlg.h"
#include "app/catalogue.h"
#include "app/globals.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace vl {

void RegisterAllDialogs() {
  res::RegisterTemplates();
  RegisterDialogFactory({res::kIddAbout, "", [] { return std::make_unique<CAboutDlg>(); }});
  RegisterTopicFactories();
}

CVelorinApp::CVelorinApp() = default;
CVelorinApp::~CVelorinApp() = default;

bool CVelorinApp::InitInstance() {
  RegisterAllDialogs();
  doc_ = std::make_unique<CVelorinDoc>();
  frame_ = std::make_unique<CMainFrame>(*this);
  view_ = std::make_unique<CVelorinView>();
  // The program starts at the high-school level, as the menu's check mark says.
  frame_->OnLevelSenior();
  return true;
}

bool CVelorinApp::OnCommand(int id) {
  if (frame_ && frame_->OnCommand(id)) return true;
  switch (id) {
    case res::kCmdAppAbout: OnAppAbout(); return true;
    case res::kCmdAppExit: exited_ = true; return true;
    default: return OpenTopic(id);
  }
}

void CVelorinApp::OnAppAbout() {
  CAboutDlg dlg;
  dlg.DoModal();
}

std::u16string CVelorinApp::Caption() const {
  return (doc_ ? doc_->Title() : std::u16string(res::kUntitled)) + u" - " + res::kAppTitle;
}

std::vector<int> CVelorinApp::CheckedCommands() const {
  if (!frame_) return {};
  return {frame_->Checked().begin(), frame_->Checked().end()};
}

int CVelorinApp::Level() const { return g_nLevel; }
const MenuTemplate& CVelorinApp::Menu() const { return res::MainMenu(); }
const AccelTableTemplate& CVelorinApp::Accelerators() const { return res::MainAccelerators(); }

}  // namespace vl
