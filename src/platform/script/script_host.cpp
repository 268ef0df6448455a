#include "platform/script/script_host.h"

#include <memory>
#include <vector>

#include "platform/runtime.h"

namespace vl {

namespace {
// Thrown when the script ends while a dialog waits for input: the run unwinds and ends well.
struct EndOfScript {};
}  // namespace

ScriptHost::LineSource LinesOf(std::string text) {
  auto lines = std::make_shared<std::vector<std::string>>();
  size_t start = 0;
  while (start <= text.size()) {
    size_t nl = text.find('\n', start);
    if (nl == std::string::npos) {
      if (start < text.size()) lines->push_back(text.substr(start));
      break;
    }
    lines->push_back(text.substr(start, nl - start));
    start = nl + 1;
  }
  auto next = std::make_shared<size_t>(0);
  return [lines, next]() -> std::optional<std::string> {
    if (*next >= lines->size()) return std::nullopt;
    return (*lines)[(*next)++];
  };
}

ScriptHost::ScriptHost() { Clock::SetFixed(0); }
ScriptHost::~ScriptHost() = default;

int ScriptHost::Finish(const std::function<void()>& body, std::string& err) {
  try {
    body();
  } catch (const EndOfScript&) {
  } catch (const ScriptError& e) {
    err = ScriptLineError(line_, e.what());
    return 2;
  }
  return 0;
}

int ScriptHost::Run(Application& app, LineSource source, std::string& err) {
  SetApp(&app);
  source_ = std::move(source);
  line_ = 0;
  if (!app.InitInstance()) return 1;
  return Finish(
      [&] {
        if (Window* view = app.MainView()) {
          view->SetClientSize({800, 600});
          view->Invalidate();
        }
        PaintPending();
        // The script runs to its end, also after the program has ended.
        Pump([] { return false; });
      },
      err);
}

int ScriptHost::RunDialog(Dialog& dlg, LineSource source, std::string& err) {
  source_ = std::move(source);
  line_ = 0;
  return Finish([&] { dlg.DoModal(); }, err);
}

void ScriptHost::Pump(const std::function<bool()>& done) {
  while (!done()) {
    auto l = source_ ? source_() : std::nullopt;
    if (!l) {
      endState_ = State();
      throw EndOfScript{};
    }
    ++line_;
    Execute(*l);
    PaintPending();
  }
}

}  // namespace vl
