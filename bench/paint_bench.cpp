// Paints a window state on the recording surface, again and again.
#include <benchmark/benchmark.h>

#include "app/velorin_app.h"
#include "platform/recording_dc.h"
#include "platform/script/script_host.h"

namespace {

// The main view as it stands after start-up.
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

}  // namespace
