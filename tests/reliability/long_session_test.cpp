// One process opens and closes every topic, its drill and its nested dialogs again and again:
// windows and timers must come back to where they started, and memory must stop growing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "app/catalogue.h"
#include "app/velorin_app.h"
#include "platform/script/script_host.h"

namespace vl {
namespace {

long ResidentKb(const char* field) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(field, 0) == 0) return std::atol(line.c_str() + std::string(field).size());
  return -1;
}

// For every topic: open it, press each of its buttons once (a button that opens a dialog leads
// into that dialog, which is treated the same way), then close what is open.
class Visitor {
 public:
  explicit Visitor(ScriptHost& host) : host_(host) {}

  std::optional<std::string> Next() {
    Dialog* d = host_.TopDialog();
    if (!d) {
      auto topics = TopicCatalogue();
      if (topic_ >= topics.size()) return std::nullopt;
      next_.clear();
      return "command " + std::to_string(topics[topic_++].command);
    }
    size_t& i = next_[d];
    while (i < d->Controls().size()) {
      const Control& c = d->Controls()[i++];
      if (c.kind == ControlKind::kButton && c.id != 1 && c.id != 2 && c.id != -1 &&
          !(c.style & kStyleHidden))
        return "press " + std::to_string(c.id);
    }
    next_.erase(d);
    return std::string("close");
  }

 private:
  ScriptHost& host_;
  size_t topic_ = 0;
  std::map<const Dialog*, size_t> next_;
};

int Cycles() {
  const char* env = std::getenv("VELORIN_LONG_CYCLES");
  return env ? std::atoi(env) : 1000;
}

bool Sanitized() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#else
  return false;
#endif
}

TEST(LongSession, WindowsTimersAndMemoryComeBack) {
  const int windows = Window::LiveWindows();
  const int timers = Window::LiveTimers();
  const int cycles = Cycles();
  long peakAt100 = -1;
  for (int cycle = 1; cycle <= cycles; ++cycle) {
    {
      ScriptHost host;
      Host::SetCurrent(&host);
      CVelorinApp app;
      Visitor visitor(host);
      std::string err;
      ASSERT_EQ(host.Run(app, [&] { return visitor.Next(); }, err), 0) << err;
      Host::SetCurrent(nullptr);
    }
    ASSERT_EQ(Window::LiveWindows(), windows) << "cycle " << cycle;
    ASSERT_EQ(Window::LiveTimers(), timers) << "cycle " << cycle;
    if (cycle == 100) peakAt100 = ResidentKb("VmHWM:");
  }
  if (cycles >= 1000 && !Sanitized()) {
    long growth = ResidentKb("VmHWM:") - peakAt100;
    RecordProperty("peak_growth_kb", static_cast<int>(growth));
    EXPECT_LT(growth, 5 * 1024) << "peak resident memory grew by " << growth << " kB";
  }
}

}  // namespace
}  // namespace vl
