// Runs scripts through the scripted host against the whole application and reads the state.
#pragma once
#include <gtest/gtest.h>

#include <string>

#include "app/velorin_app.h"
#include "platform/script/json.h"
#include "platform/script/script_host.h"

namespace vl::testing {

// Runs script (lines separated by '\n') from start-up; keeps the state as the last line left it.
class ScriptRun {
 public:
  explicit ScriptRun(const std::string& script) {
    Host::SetCurrent(&host_);
    status_ = host_.Run(app_, LinesOf(script), error_);
    state_ = host_.EndState();
  }
  ~ScriptRun() { Host::SetCurrent(nullptr); }

  int status() const { return status_; }
  const std::string& error() const { return error_; }
  const Json& state() const { return state_; }
  // The top window's JSON (the last of "windows").
  const Json& top() const { return state_["windows"].AsArray().back(); }
  ScriptHost& host() { return host_; }
  CVelorinApp& app() { return app_; }

 private:
  ScriptHost host_;
  CVelorinApp app_;
  int status_ = 0;
  std::string error_;
  Json state_;
};

// Text ops of a window's JSON, in drawing order.
inline std::vector<std::string> Texts(const Json& window) {
  std::vector<std::string> out;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "text") out.push_back(op["text"].AsString());
  return out;
}

// The first text op whose text equals s; null Json when none.
inline const Json& FindText(const Json& window, const std::string& s) {
  static const Json kNone;
  for (auto& op : window["ops"].AsArray())
    if (op["op"].AsString() == "text" && op["text"].AsString() == s) return op;
  return kNone;
}

// The control of a window's JSON with this id; null Json when none.
inline const Json& FindControl(const Json& window, int id) {
  static const Json kNone;
  for (auto& c : window["controls"].AsArray())
    if (c["id"].AsInt() == id) return c;
  return kNone;
}

}  // namespace vl::testing
