// The web host: the program's windows in a browser page. The page's JavaScript queues every
// input (pointer, keys, timers, script lines) as an event; the innermost running loop takes the
// next one through one suspending call and applies it with the script runner, then hands the
// page the new state to show. Only one stack is ever suspended, so modal dialogs nest as they
// do on the desktop.
#pragma once
#include <functional>
#include <string>

#include "platform/application.h"
#include "platform/record/learning_record.h"
#include "platform/script/memory_host.h"
#include "platform/script/script_runner.h"

namespace vl::web {

class WebHost : public MemoryHost {
 public:
  WebHost();
  ~WebHost() override;

  // Runs the application until the page goes away.
  int Run(Application& app);

  // The state as "render FILE.json" writes it.
  std::string StateText() const { return runner_.State().Dump() + "\n"; }
  // Window INDEX (0: the view, then the dialogs) as an SVG picture of its page.
  std::string SvgText(int index) const;
  // Menu 128 and the accelerators, for the page's menu bar.
  std::string MenuText() const;

  // Host
  int MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                 unsigned type) override;
  void PrintWindow(Window& w, bool preview) override;
  // The browser saves what the program writes there as a download once the event is done.
  std::optional<std::string> AskSaveFileName(std::u16string_view suggestedName,
                                             std::u16string_view filter) override;
  // The sheet goes to the browser's printing, which previews it and saves it as a PDF.
  bool PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) override;

 protected:
  void Pump(const std::function<bool()>& done) override;
  bool Post(std::u16string_view title, unsigned message, long wparam, long lparam) override;
  void Open(const std::string& file, int command) override;
  std::vector<std::string> Load() override;
  bool Save(const std::vector<std::string>& files) override;
  void OnDialogClosed(Dialog& d) override;

 private:
  // Applies one queued event.
  void Dispatch(const std::string& event);
  // Hands the page the state after an event.
  void Sync();
  // Windows by their place in the state: 0 the view, then the dialogs from the bottom.
  int IndexOf(const Window& w) const;
  Window* WindowAt(int index) const;
  // Hands files saved during the last event to the browser as downloads.
  void DeliverSaves();

  ScriptRunner runner_{*this};
  unsigned nextSerial_ = 1;
  std::vector<unsigned> serials_;  // one per open dialog, bottom first
  std::vector<std::string> saves_;  // files the program was given to write
  // The learning record: the browser's database, read before start and written through.
  MemoryRecord record_;
};

}  // namespace vl::web
