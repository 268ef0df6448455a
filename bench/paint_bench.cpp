// Paints every window state (paint_states.h) again and again: on the recording surface, and
// through QtDc into an image at device pixel ratio 1 and 2, as the GUI draws a page. Also opens,
// paints and closes every registered dialog in the scripted host.
//
//   BM_Paint/Recording/<state>   one Window::Paint on a fresh RecordingDc
//   BM_Paint/QtDc1/<state>       one full paint through QtDc, client size x 1
//   BM_Paint/QtDc2/<state>       the same at ratio 2
//   BM_OpenPaintClose/<dialog>   make, open, paint once on RecordingDc, close
//
// Without --benchmark_min_time each benchmark runs for 0.05 s, so the whole run stays short.
// With console output a summary per kind (median, slowest states) follows the table.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <ostream>
#include <optional>
#include <string>
#include <vector>

#include "paint_states.h"
#include "platform/host.h"
#include "platform/recording_dc.h"
#include "platform/runtime.h"
#include "platform/script/gallery.h"
#include "platform/script/script_host.h"

#ifdef VELORIN_HAVE_QT
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <sys/stat.h>

#include "platform/qt/qt_dc.h"
#endif

namespace {

using vl::bench::PaintState;
using vl::bench::StateSpec;

// Builds the state for one benchmark; nullptr (with the benchmark skipped) when it cannot.
std::unique_ptr<PaintState> Build(benchmark::State& st, const StateSpec& spec) {
  std::string err;
  std::unique_ptr<PaintState> s = spec.build(err);
  if (!s) st.SkipWithError(("cannot build the state: " + err).c_str());
  return s;
}

void PaintRecording(benchmark::State& st, const StateSpec* spec) {
  std::unique_ptr<PaintState> s = Build(st, *spec);
  if (!s) return;
  vl::Window& w = s->window();
  auto paint = [&w] {
    vl::RecordingDc dc;
    w.Paint(dc);
    benchmark::DoNotOptimize(dc.ops().data());
  };
  paint();  // untimed: first-use costs stay out of the figures
  for (auto _ : st) paint();
}

#ifdef VELORIN_HAVE_QT
// The whole client area, white first, then the page through QtDc on a fresh painter.
void PaintQt(benchmark::State& st, const StateSpec* spec, int ratio) {
  std::unique_ptr<PaintState> s = Build(st, *spec);
  if (!s) return;
  vl::Window& w = s->window();
  const vl::Size size = w.ClientSize();
  QImage image(QSize(size.cx * ratio, size.cy * ratio), QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  auto paint = [&w, &image] {
    image.fill(Qt::white);
    QPainter painter(&image);
    vl::qt::QtDc dc(&painter);
    w.Paint(dc);
  };
  paint();  // untimed: loads the fonts and fills the glyph caches at this ratio
  for (auto _ : st) paint();
  benchmark::DoNotOptimize(image.constBits());
}
#endif

void OpenPaintClose(benchmark::State& st, const vl::DialogFactory* factory) {
  vl::ScriptHost host;
  vl::Host::SetCurrent(&host);
  vl::Clock::SetFixed(vl::kGalleryClock);
  for (auto _ : st) {
    std::unique_ptr<vl::Dialog> dlg = factory->make();
    bool painted = false;
    std::string err;
    const int rc = host.RunDialog(*dlg, [&]() -> std::optional<std::string> {
      if (painted) return std::nullopt;
      painted = true;
      vl::RecordingDc dc;
      dlg->Paint(dc);
      benchmark::DoNotOptimize(dc.ops().data());
      return "close";
    }, err);
    if (rc != 0 || !painted || !dlg->Ended()) {
      st.SkipWithError(err.empty() ? "the dialog did not open and close" : err.c_str());
      break;
    }
  }
  vl::Host::SetCurrent(nullptr);
}

void RegisterAll() {
  // Kept for the whole run: the benchmarks refer to them.
  static const std::vector<StateSpec> states = vl::bench::PaintStates();
  static const std::vector<vl::DialogFactory> factories = vl::AllDialogFactories();

  auto add = [](const std::string& name, auto fn) {
    benchmark::RegisterBenchmark(name.c_str(), fn)->Unit(benchmark::kMicrosecond);
  };
  for (const StateSpec& s : states)
    add("BM_Paint/Recording/" + s.name, [&s](benchmark::State& st) { PaintRecording(st, &s); });
#ifdef VELORIN_HAVE_QT
  for (int ratio : {1, 2})
    for (const StateSpec& s : states)
      add("BM_Paint/QtDc" + std::to_string(ratio) + "/" + s.name,
          [&s, ratio](benchmark::State& st) { PaintQt(st, &s, ratio); });
#endif
  for (const vl::DialogFactory& f : factories)
    add("BM_OpenPaintClose/" + vl::bench::DialogName(f),
        [&f](benchmark::State& st) { OpenPaintClose(st, &f); });
  std::fprintf(stderr, "velorin_bench: %zu states, %zu dialogs\n", states.size(),
               factories.size());
}

// The console table, then per kind (the name up to the state) the count, the fastest, median and
// slowest times over its states, and the ten slowest states.
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  using ConsoleReporter::ConsoleReporter;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred || r.run_type != Run::RT_Iteration) continue;
      const std::string name = r.benchmark_name();
      // "BM_Paint/QtDc1/2772-combination/open" -> kind "BM_Paint/QtDc1"
      size_t cut = name.find('/');
      if (name.rfind("BM_Paint/", 0) == 0) cut = name.find('/', cut + 1);
      const double seconds = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
      kinds_[name.substr(0, cut)].push_back({seconds, name.substr(cut + 1)});
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    std::ostream& out = GetOutputStream();
    char line[256];
    for (auto& [kind, times] : kinds_) {
      std::sort(times.begin(), times.end(), [](auto& a, auto& b) { return a.first > b.first; });
      const size_t n = times.size();
      const double median =
          n % 2 ? times[n / 2].first : (times[n / 2 - 1].first + times[n / 2].first) / 2;
      std::snprintf(line, sizeof line,
                    "\n%s: %zu states, min %.2f us, median %.2f us, max %.2f us; slowest:\n",
                    kind.c_str(), n, times.back().first * 1e6, median * 1e6,
                    times.front().first * 1e6);
      out << line;
      for (size_t i = 0; i < std::min<size_t>(10, n); ++i) {
        std::snprintf(line, sizeof line, "  %10.2f us  %s\n", times[i].first * 1e6,
                      times[i].second.c_str());
        out << line;
      }
    }
    out.flush();
  }

 private:
  std::map<std::string, std::vector<std::pair<double, std::string>>> kinds_;
};

bool HasFlag(int argc, char** argv, const char* prefix) {
  for (int i = 1; i < argc; ++i)
    if (std::strncmp(argv[i], prefix, std::strlen(prefix)) == 0) return true;
  return false;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef VELORIN_HAVE_QT
  // QtDc needs an application object for its fonts; no display is used.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    const std::string dir = "/tmp/velorin-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    qputenv("XDG_RUNTIME_DIR", dir.c_str());
  }
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  vl::qt::Families();
#endif
  RegisterAll();

  // A short default run time per benchmark; an explicit flag still wins.
  std::vector<char*> args(argv, argv + argc);
  static char shortRun[] = "--benchmark_min_time=0.05";
  if (!HasFlag(argc, argv, "--benchmark_min_time")) args.push_back(shortRun);
  int n = static_cast<int>(args.size());
  args.push_back(nullptr);
  const bool console = !HasFlag(argc, argv, "--benchmark_format") ||
                       HasFlag(argc, argv, "--benchmark_format=console");
  benchmark::Initialize(&n, args.data());
  if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
  if (console) {
    SummaryReporter reporter(isatty(fileno(stdout)) ? SummaryReporter::OO_Color
                                                    : SummaryReporter::OO_None);
    benchmark::RunSpecifiedBenchmarks(&reporter);
  } else {
    benchmark::RunSpecifiedBenchmarks();
  }
  benchmark::Shutdown();
  return 0;
}
