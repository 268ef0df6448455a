#include "app/velorin_app.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "app/about_dlg.h"
#include "app/catalogue.h"
#include "app/globals.h"
#include "drill/record_dlg.h"
#include "app/worksheet_dlg.h"
#include "platform/host.h"
#include "platform/text.h"
#include "resources/resource_ids.h"
#include "resources/resources.h"

namespace vl {

void RegisterAllDialogs() {
  res::RegisterTemplates();
  RegisterDialogFactory({res::kIddAbout, "", [] { return std::make_unique<CAboutDlg>(); }});
  RegisterDialogFactory({res::kIddRecord, "", [] { return std::make_unique<CRecordDlg>(); }});
  RegisterDialogFactory({res::kIddWorksheet, "", [] { return std::make_unique<CWorksheetDlg>(); }});
  RegisterTopicFactories();
}

CVelorinApp::CVelorinApp() = default;
CVelorinApp::~CVelorinApp() = default;

// The host has started the toolkit before this runs; a host that cannot start it never gets
// here.
bool CVelorinApp::InitInstance() {
  RegisterAllDialogs();
  // The settings (under the company key) hold the recent-file list only.
  recent_ = Host::Current().Recent().Load();
  if (recent_.size() > kRecentFiles) recent_.resize(kRecentFiles);

  doc_ = std::make_unique<CVelorinDoc>();
  frame_ = std::make_unique<CMainFrame>(*this);
  view_ = std::make_unique<CVelorinView>();
  // The program starts at the high-school level, as the menu's check mark says.
  frame_->OnLevelSenior();

  if (!startupDocument_.empty() && !OpenDocumentFile(startupDocument_)) return false;
  return true;
}

bool CVelorinApp::OnCommand(int id) {
  if (frame_ && frame_->OnCommand(id)) return true;
  switch (id) {
    case res::kCmdAppAbout: OnAppAbout(); return true;
    case res::kCmdAppExit: exited_ = true; return true;
    case res::kCmdRecord: {
      CRecordDlg dlg;
      dlg.DoModal();
      return true;
    }
    case res::kCmdFileNew: OnFileNew(); return true;
    case res::kCmdFileOpen: OnFileOpen(); return true;
    case res::kCmdFilePrint:
    case res::kCmdFilePrintDirect:
      if (view_) Host::Current().PrintWindow(*view_, false);
      return true;
    case res::kCmdFilePrintPreview:
      if (view_) Host::Current().PrintWindow(*view_, true);
      return true;
    case res::kCmdPrintSetup: return true;  // the print dialog itself offers the setup
    case res::kCmdWorksheet: {
      CWorksheetDlg dlg;
      dlg.DoModal();
      return true;
    }
    default: break;
  }
  if (OpenTopic(id)) return true;
  // The remaining standard keys (save, edit, panes) have no handler and do nothing.
  for (const auto& a : Accelerators().entries)
    if (a.command == id) return true;
  return false;
}

void CVelorinApp::OnAppAbout() {
  CAboutDlg dlg;
  dlg.DoModal();
}

void CVelorinApp::OnFileNew() {
  if (doc_) doc_->SetTitle(res::kUntitled);
}

void CVelorinApp::OnFileOpen() {
  if (auto path = Host::Current().AskOpenFileName()) OpenDocumentFile(*path);
}

bool CVelorinApp::OpenDocumentFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  // The recent-file list keeps full paths, so one file is never listed twice.
  fs::path file = fs::absolute(fs::path(path), ec).lexically_normal();
  if (ec) file = fs::path(path);
  std::u16string name = Utf8ToUtf16(file.filename().string());
  // The document holds no data, but the file must at least be a file that can be read.
  std::ifstream in(file, std::ios::binary);
  if (!fs::is_regular_file(file, ec) || !in) {
    Host::Current().MessageBox(nullptr, u"ファイル「" + name + u"」を開けません。", kAppCaption,
                               kMbOk | kMbIconExclamation);
    return false;
  }
  if (doc_) doc_->SetTitle(name);
  AddToRecentFileList(file.string());
  return true;
}

void CVelorinApp::AddToRecentFileList(const std::string& path) {
  std::erase(recent_, path);
  recent_.insert(recent_.begin(), path);
  if (recent_.size() > kRecentFiles) recent_.resize(kRecentFiles);
  Host::Current().Recent().Save(recent_);
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
