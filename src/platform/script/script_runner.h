// The script verbs, applied to the windows of a memory host, and the JSON state they are
// checked against. Every host that takes scripts runs them through this one runner, so that one
// script gives the same state wherever it runs.
#pragma once
#include <functional>
#include <stdexcept>
#include <string>

#include "platform/script/json.h"
#include "platform/script/memory_host.h"

namespace vl {

// A line that cannot apply; carries the message the run stops with.
class ScriptError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Draws a window as the GUI shows it into a PNG file; set by the program when the Qt backend
// is linked in. Returns an error text, empty on success.
using PngRenderer = std::function<std::string(Window& w, const std::string& file, int scale)>;

class ScriptRunner {
 public:
  explicit ScriptRunner(MemoryHost& host) : host_(host) {}

  void SetPngRenderer(PngRenderer r) { png_ = std::move(r); }
  void SetPngScale(int scale) { pngScale_ = scale; }

  // Applies one line; throws ScriptError when it cannot apply.
  void Execute(const std::string& line);

  // The state as the JSON file has it.
  Json State() const;
  Json WindowState(Window& w) const;

 private:
  void Render(const std::string& file);
  Dialog& NeedDialog(const char* verb);
  Window& NeedLiveWindow(const char* verb);

  MemoryHost& host_;
  PngRenderer png_;
  int pngScale_ = 1;
};

// The message a run stops with for a bad line.
std::string ScriptLineError(int line, const std::string& what);

}  // namespace vl
