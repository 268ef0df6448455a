// A host whose windows live in memory: it keeps the stack of modal dialogs, each window's last
// display list and a log of what reached the outside (guide notices, help, message boxes,
// printing). How it waits for the next input is its subclass's: the scripted host reads script
// lines, the web host takes the browser's queued events.
#pragma once
#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/application.h"
#include "platform/display_list.h"
#include "platform/host.h"
#include "platform/script/json.h"
#include "platform/window.h"

namespace vl {

class MemoryHost : public Host, private GuideNotifier, private HelpViewer, private RecentFiles {
 public:
  struct Posted {
    unsigned message;
    long wparam, lparam;
  };
  struct Shown {
    std::string file;
    int command;
  };

  MemoryHost();
  ~MemoryHost() override;

  Application* App() const { return app_; }
  void SetApp(Application* app) { app_ = app; }

  // The window that input goes to: the top dialog, else the main view.
  Window* Top() const;
  Dialog* TopDialog() const { return stack_.empty() ? nullptr : stack_.back(); }
  const std::vector<Dialog*>& Dialogs() const { return stack_; }
  const DisplayList& LastOps(Window& w) const;

  // Paints every window that is invalid, in stacking order.
  void PaintPending();

  // Guide windows that exist ("window TEXT").
  void AddGuideWindow(std::u16string title) { windows_.insert(std::move(title)); }
  const std::vector<Posted>& PostedNotices() const { return posted_; }
  const std::vector<Shown>& HelpShown() const { return help_; }
  const std::vector<std::pair<std::u16string, std::u16string>>& Messages() const {
    return messages_;
  }
  int PrintCount() const { return prints_; }

  // Host
  int RunModal(Dialog& dlg) override;
  int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                 unsigned type) override;
  std::unique_ptr<Dc> CreateMeasureDc(Window& w) override;
  void DialogBaseUnits(std::u16string_view face, int point, int& baseX, int& baseY) override;
  // No one to ask: Open and Save are cancelled, and printing is recorded, not done.
  std::optional<std::string> AskOpenFileName() override { return std::nullopt; }
  std::optional<std::string> AskSaveFileName(std::u16string_view, std::u16string_view) override {
    return std::nullopt;
  }
  void PrintWindow(Window& w, bool preview) override;
  // Worksheets are recorded with their options and page count (the JSON's "worksheets").
  bool PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) override;
  const Json::Array& Worksheets() const { return worksheets_; }
  GuideNotifier& Guide() override { return *this; }
  HelpViewer& Help() override { return *this; }
  RecentFiles& Recent() override { return *this; }

 protected:
  // Takes and applies input until done() holds; may throw to end the run.
  virtual void Pump(const std::function<bool()>& done) = 0;
  // A window has just painted (its display list is in LastOps).
  virtual void OnPainted(Window& /*w*/) {}
  // A dialog has left the stack.
  virtual void OnDialogClosed(Dialog& /*d*/) {}

  // GuideNotifier, HelpViewer, RecentFiles
  bool Post(std::u16string_view title, unsigned message, long wparam, long lparam) override;
  void Open(const std::string& file, int command) override;
  std::vector<std::string> Load() override { return recent_; }
  bool Save(const std::vector<std::string>& files) override {
    recent_ = files;
    return true;
  }

  std::vector<std::string> recent_;

 private:
  void PaintWindow(Window& w);

  Application* app_ = nullptr;
  std::vector<Dialog*> stack_;
  std::map<const Window*, DisplayList> lastOps_;
  std::set<std::u16string> windows_;
  std::vector<Posted> posted_;
  std::vector<Shown> help_;
  std::vector<std::pair<std::u16string, std::u16string>> messages_;
  int prints_ = 0;
  Json::Array worksheets_;
};

}  // namespace vl
