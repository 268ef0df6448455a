// Paints window states on the recording surface, again and again: the main view after start-up
// and every registered dialog as it opens.
#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>

#include "app/velorin_app.h"
#include "platform/application.h"
#include "platform/recording_dc.h"
#include "platform/script/script_host.h"

namespace {

void BM_PaintMainView(benchmark::State& state) {
  vl::ScriptHost host;
  vl::Host::SetCurrent(&host);
  vl::CVelorinApp app;
  app.InitInstance();
  vl::Window* view = app.MainView();
  view->SetClientSize({800, 600});
  for (auto _ : state) {
    vl::RecordingDc dc;
    view->Paint(dc);
    benchmark::DoNotOptimize(dc.ops().size());
  }
  vl::Host::SetCurrent(nullptr);
}
BENCHMARK(BM_PaintMainView);

// Opens the dialog in the scripted host, then paints its opening page repeatedly.
void PaintDialog(benchmark::State& state, const vl::DialogFactory* factory) {
  vl::ScriptHost host;
  vl::Host::SetCurrent(&host);
  auto dlg = factory->make();
  std::string err;
  host.RunDialog(*dlg, [&]() -> std::optional<std::string> {
    for (auto _ : state) {
      vl::RecordingDc dc;
      dlg->Paint(dc);
      benchmark::DoNotOptimize(dc.ops().size());
    }
    return std::nullopt;
  }, err);
  vl::Host::SetCurrent(nullptr);
}

const bool kRegistered = [] {
  vl::RegisterAllDialogs();
  for (const auto& f : vl::AllDialogFactories()) {
    std::string name = "BM_PaintDialog/" + std::to_string(f.templateId) + "/" + f.variant;
    benchmark::RegisterBenchmark(name.c_str(), PaintDialog, &f);
  }
  return true;
}();

}  // namespace
