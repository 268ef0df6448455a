// The scripted host: the program's windows in memory, driven line by line. DoModal runs a
// nested loop that consumes the following lines until the dialog ends; windows repaint only
// when invalidated or exposed, and each keeps its last display list.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "platform/script/memory_host.h"
#include "platform/script/script_runner.h"

namespace vl {

class ScriptHost : public MemoryHost {
 public:
  // Gives the next script line, or nothing at the end of the script.
  using LineSource = std::function<std::optional<std::string>()>;

  ScriptHost();
  ~ScriptHost() override;

  void SetPngRenderer(PngRenderer r) { runner_.SetPngRenderer(std::move(r)); }
  void SetPngScale(int scale) { runner_.SetPngScale(scale); }

  // Runs a whole script against the application; returns the exit status (0, or 2 after a bad
  // line, whose message went to err). Lines after the program has ended still run, against
  // the ended program.
  int Run(Application& app, LineSource source, std::string& err);
  // Runs one dialog alone (no application) against a script, for tests.
  int RunDialog(Dialog& dlg, LineSource source, std::string& err);

  // Applies one line; throws ScriptError when it cannot apply.
  void Execute(const std::string& line) { runner_.Execute(line); }

  // The state as the JSON file has it.
  Json State() const { return runner_.State(); }
  // The state when the script ended (before open dialogs unwound).
  const Json& EndState() const { return endState_; }
  Json WindowState(Window& w) const { return runner_.WindowState(w); }
  int LineNumber() const { return line_; }

 protected:
  // Reads and applies lines until the predicate holds or the script ends.
  void Pump(const std::function<bool()>& done) override;

 private:
  int Finish(const std::function<void()>& body, std::string& err);

  ScriptRunner runner_{*this};
  LineSource source_;
  int line_ = 0;
  Json endState_;
};

// A line source over a whole text (lines split at '\n').
ScriptHost::LineSource LinesOf(std::string text);

}  // namespace vl
