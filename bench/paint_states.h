// The window states the paint benchmarks draw: the main view (diagram and 15-puzzle), every
// registered dialog as it opens, each topic after a typical 開始 (and a few other pages a
// button or list brings up), and every drill with its answer shown. Each state is built by
// driving the scripted host at a fixed clock, so random pages repeat from run to run.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/window.h"

namespace vl {
class ScriptHost;
}  // namespace vl

namespace vl::bench {

// A window brought into one state; the window, its host and (for the main view) the
// application live as long as this object. The host is the current one meanwhile.
class PaintState {
 public:
  PaintState();
  ~PaintState();
  PaintState(const PaintState&) = delete;
  PaintState& operator=(const PaintState&) = delete;

  Window& window() const { return *window_; }

 private:
  friend struct StateBuilder;
  std::unique_ptr<ScriptHost> host_;
  std::unique_ptr<Application> app_;
  std::unique_ptr<Dialog> dialog_;
  Window* window_ = nullptr;
};

// Builds the state afresh; on failure gives nullptr and the reason in err.
using StateBuild = std::function<std::unique_ptr<PaintState>(std::string& err)>;

struct StateSpec {
  std::string name;  // "main/diagram", "2772-combination/start", "2779-drill-8/answer"
  StateBuild build;
};

// Every state, in a fixed order. Registers the dialogs first, then builds each state once and
// checks it: a state that cannot be built, that draws the same page as its dialog's opening
// page (a refused 開始, say), or whose second paint draws another page gets a warning on
// stderr. Such states are still listed; a benchmark of one that cannot be built is skipped.
std::vector<StateSpec> PaintStates();

// A registered dialog's readable name: "2772-combination", "2779-drill-8", "100-about",
// "114-graph".
std::string DialogName(const DialogFactory& f);

}  // namespace vl::bench
