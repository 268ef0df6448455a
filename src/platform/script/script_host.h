// The scripted host: the program's windows in memory, driven line by line. DoModal runs a
// nested loop that consumes the following lines until the dialog ends; windows repaint only
// when invalidated or exposed, and each keeps its last display list.
#pragma once
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/display_list.h"
#include "platform/host.h"
#include "platform/script/json.h"
#include "platform/window.h"

namespace vl {

// A line that cannot apply; carries the message the run stops with.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Draws a window as the GUI shows it into a PNG file; set by the program when the Qt backend
// is linked in. Returns an error text, empty on success.
using PngRenderer = std::function<std::string(Window& w, const std::string& file, int scale)>;

class ScriptHost : public Host, private GuideNotifier, private HelpViewer, private RecentFiles {
 public:
  // Gives the next script line, or nothing at the end of the script.
  using LineSource = std::function<std::optional<std::string>()>;

  ScriptHost();
  ~ScriptHost() override;

  void SetPngRenderer(PngRenderer r) { png_ = std::move(r); }
  void SetPngScale(int scale) { pngScale_ = scale; }

  // Runs a whole script against the application; returns the exit status (0, or 2 after a bad
  // line, whose message went to err).
  int Run(Application& app, LineSource source, std::string& err);
  // Runs one dialog alone (no application) against a script, for tests.
  int RunDialog(Dialog& dlg, LineSource source, std::string& err);

  // Applies one line; throws ScriptError when it cannot apply.
  void Execute(const std::string& line);

  // The state as the JSON file has it.
  Json State() const;
  // The state when the script ended (before open dialogs unwound).
  const Json& EndState() const { return endState_; }
  Json WindowState(Window& w) const;
  // The window that input goes to: the top dialog, else the main view.
  Window* Top() const;
  Dialog* TopDialog() const { return stack_.empty() ? nullptr : stack_.back(); }
  const std::vector<Dialog*>& Dialogs() const { return stack_; }
  const DisplayList& LastOps(Window& w) const;
  int LineNumber() const { return line_; }

  // Guide windows that exist ("window TEXT").
  void AddGuideWindow(std::u16string title) { windows_.insert(std::move(title)); }

  // Host
  int RunModal(Dialog& dlg) override;
  int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                 unsigned type) override;
  std::unique_ptr<Dc> CreateMeasureDc(Window& w) override;
  void DialogBaseUnits(std::u16string_view face, int point, int& baseX, int& baseY) override;
  // Scripts have no one to ask: Open is cancelled, and printing is recorded, not done.
  std::optional<std::string> AskOpenFileName() override { return std::nullopt; }
  void PrintWindow(Window& w, bool preview) override;
  int PrintCount() const { return prints_; }
  // Worksheets are recorded with their options and page count (the JSON's "worksheets").
  bool PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) override;
  GuideNotifier& Guide() override { return *this; }
  HelpViewer& Help() override { return *this; }
  RecentFiles& Recent() override { return *this; }

 private:
  struct Posted {
    unsigned message;
    long wparam, lparam;
  };
  struct Shown {
    std::string file;
    int command;
  };

  // GuideNotifier, HelpViewer, RecentFiles
  bool Post(std::u16string_view title, unsigned message, long wparam, long lparam) override;
  void Open(const std::string& file, int command) override;
  std::vector<std::string> Load() override { return recent_; }
  bool Save(const std::vector<std::string>& files) override {
    recent_ = files;
    return true;
  }

  // Reads and applies lines until the predicate holds or the script ends.
  void Pump(const std::function<bool()>& done);
  void PaintPending();
  void PaintWindow(Window& w);
  void Render(const std::string& file);
  Dialog& NeedDialog(const char* verb);

  Application* app_ = nullptr;
  LineSource source_;
  int line_ = 0;
  bool atEnd_ = false;
  std::vector<Dialog*> stack_;
  std::map<const Window*, DisplayList> lastOps_;
  std::set<std::u16string> windows_;
  std::vector<Posted> posted_;
  std::vector<Shown> help_;
  std::vector<std::pair<std::u16string, std::u16string>> messages_;
  std::vector<std::string> recent_;
  Json endState_;
  PngRenderer png_;
  int pngScale_ = 1;
  int prints_ = 0;
  Json::Array worksheets_;
};

// A line source over a whole text (lines split at '\n').
ScriptHost::LineSource LinesOf(std::string text);

}  // namespace vl
