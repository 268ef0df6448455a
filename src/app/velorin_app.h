// The application object: start-up, and the dispatch of every menu and accelerator command.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/velorin_doc.h"
#include "app/velorin_view.h"
#include "platform/application.h"

namespace vl {

class CVelorinApp : public Application {
 public:
  // How many files the recent-file list keeps.
  static constexpr size_t kRecentFiles = 4;

  CVelorinApp();
  ~CVelorinApp() override;

  bool InitInstance() override;
  bool OnCommand(int id) override;
  Window* MainView() override { return view_.get(); }
  std::u16string Caption() const override;
  std::vector<int> CheckedCommands() const override;
  int Level() const override;
  bool Exited() const override { return exited_; }
  const MenuTemplate& Menu() const override;
  const AccelTableTemplate& Accelerators() const override;

  void OnAppAbout();
  void OnFileNew();
  void OnFileOpen();
  // Opens path as the (empty) document: its name becomes the caption's title and it heads the
  // recent-file list. A file that cannot be read is reported and changes nothing.
  bool OpenDocumentFile(const std::string& path);

  // The file named on the command line, opened as the document at start-up.
  void SetStartupDocument(std::string path) { startupDocument_ = std::move(path); }
  const std::vector<std::string>& RecentFileList() const { return recent_; }
  CMainFrame* Frame() { return frame_.get(); }
  CVelorinDoc* Doc() { return doc_.get(); }
  CVelorinView* View() { return view_.get(); }

 private:
  void AddToRecentFileList(const std::string& path);

  std::unique_ptr<CVelorinDoc> doc_;
  std::unique_ptr<CMainFrame> frame_;
  std::unique_ptr<CVelorinView> view_;
  std::vector<std::string> recent_;
  bool exited_ = false;
  std::string startupDocument_;
};

// Registers the templates and the factories of every dialog the program has.
void RegisterAllDialogs();

}  // namespace vl
