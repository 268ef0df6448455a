// The Qt host: real dialogs, message boxes, file and print dialogs, the guide notice, the help
// window and the settings, for the same windows the scripted host drives.
#pragma once
#include <QPointer>
#include <QTextBrowser>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/host.h"

class QWidget;

namespace vl::qt {

class DialogWidget;

// Shows the HTML glossary in a window of its own; a file that cannot be read is reported there.
class HelpWindow : public HelpViewer {
 public:
  ~HelpWindow() override;
  void Open(const std::string& file, int command) override;
  QTextBrowser* Browser() const { return browser_; }

 private:
  QPointer<QTextBrowser> browser_;
};

// The four-entry recent-file list in QSettings (organisation "Orvanel", application "Velorin").
class SettingsRecentFiles : public RecentFiles {
 public:
  std::vector<std::string> Load() override;
  // False when the list cannot be written; the first such failure is told in a message box.
  bool Save(const std::vector<std::string>& files) override;

 private:
  bool warned_ = false;
};

class X11Guide : public GuideNotifier {
 public:
  bool Post(std::u16string_view title, unsigned message, long wparam, long lparam) override;
};

class QtHost : public Host {
 public:
  QtHost();
  ~QtHost() override;

  // The window that owns dialogs opened over the main view.
  void SetMainWidget(QWidget* w) { main_ = w; }
  // The widget showing a window (nullptr when none).
  QWidget* WidgetOf(const Window* w) const;
  // The dialog widgets open now, innermost last.
  const std::vector<DialogWidget*>& OpenDialogs() const { return stack_; }
  // Called with every dialog widget once it is shown (measurements only).
  void SetOnDialogShown(std::function<void(DialogWidget&)> f) { onShown_ = std::move(f); }

  int RunModal(Dialog& dlg) override;
  int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                 unsigned type) override;
  std::unique_ptr<Dc> CreateMeasureDc(Window& w) override;
  void DialogBaseUnits(std::u16string_view face, int point, int& baseX, int& baseY) override;
  std::optional<std::string> AskOpenFileName() override;
  std::optional<std::string> AskSaveFileName(std::u16string_view suggestedName,
                                             std::u16string_view filter) override;
  void PrintWindow(Window& w, bool preview) override;
  bool PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) override;
  GuideNotifier& Guide() override { return guide_; }
  HelpViewer& Help() override { return help_; }
  RecentFiles& Recent() override { return recent_; }
  HelpWindow& HelpWin() { return help_; }

 private:
  QWidget* TopWidget() const;
  // Shows the dialog and runs it until it ends; its widget is gone on return.
  int ShowModal(Dialog& dlg);

  QWidget* main_ = nullptr;
  std::vector<DialogWidget*> stack_;
  std::function<void(DialogWidget&)> onShown_;
  X11Guide guide_;
  HelpWindow help_;
  SettingsRecentFiles recent_;
};

// Dialog base units of a font: the average width of the Latin letters and the cell height.
void BaseUnitsOf(const QFont& font, int& baseX, int& baseY);

}  // namespace vl::qt
