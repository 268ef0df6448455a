// Any script text either runs or stops with a numbered error; the program behind it never
// crashes. The first line opens a topic so that the dialog verbs have something to act on.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/velorin_app.h"
#include "platform/script/script_host.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string text(reinterpret_cast<const char*>(data), size);
  // Files would be written by render lines: keep them out.
  if (text.find("render") != std::string::npos) return 0;
  vl::ScriptHost host;
  vl::Host::SetCurrent(&host);
  vl::CVelorinApp app;
  std::string err;
  host.Run(app, vl::LinesOf(text), err);
  (void)host.State().Dump();
  vl::Host::SetCurrent(nullptr);
  return 0;
}
