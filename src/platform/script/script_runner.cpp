#include "platform/script/script_runner.h"

#include <charconv>
#include <fstream>

#include "platform/runtime.h"
#include "platform/script/ops_json.h"
#include "platform/script/svg.h"
#include "platform/text.h"

namespace vl {

namespace {
const char* KindName(ControlKind k) {
  switch (k) {
    case ControlKind::kButton: return "button";
    case ControlKind::kEdit: return "edit";
    case ControlKind::kStatic: return "static";
    case ControlKind::kIcon: return "icon";
    case ControlKind::kGroup: return "group";
    case ControlKind::kRadio: return "radio";
    case ControlKind::kCombo: return "combo";
    case ControlKind::kFrame: return "frame";
    case ControlKind::kCheck: return "check";
  }
  return "static";
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

// Splits off the first blank-separated word.
std::string_view NextWord(std::string_view& rest) {
  rest = Trim(rest);
  size_t end = rest.find_first_of(" \t");
  std::string_view w = rest.substr(0, end);
  rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  return w;
}

long long ParseNumber(std::string_view word, const char* what) {
  long long v = 0;
  auto [p, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
  if (word.empty() || ec != std::errc() || p != word.data() + word.size())
    throw ScriptError(std::string("expected ") + what + ", got '" + std::string(word) + "'");
  return v;
}

int ParseInt(std::string_view word, const char* what) {
  long long v = ParseNumber(word, what);
  if (v < -1000000000LL || v > 1000000000LL)
    throw ScriptError(std::string(what) + " out of range: " + std::string(word));
  return static_cast<int>(v);
}

// A TEXT argument: the rest of the line, or one JSON string literal.
std::u16string ParseText(std::string_view rest) {
  // One blank separates the text from what precedes it; more blanks belong to the text.
  if (!rest.empty() && rest.front() == '"') {
    size_t used = 0;
    auto s = Json::ParseStringLiteral(rest, &used);
    if (!s) throw ScriptError("bad JSON string literal");
    if (!Trim(rest.substr(used)).empty()) throw ScriptError("text after the string literal");
    return Utf8ToUtf16(*s);
  }
  while (!rest.empty() && (rest.back() == '\r')) rest.remove_suffix(1);
  return Utf8ToUtf16(rest);
}

std::string EndsWith(const std::string& file) {
  auto dot = file.find_last_of('.');
  if (dot == std::string::npos) return "";
  std::string ext = file.substr(dot + 1);
  for (auto& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return ext;
}
}  // namespace

std::string ScriptLineError(int line, const std::string& what) {
  return "velorin: script line " + std::to_string(line) + ": " + what;
}

Dialog& ScriptRunner::NeedDialog(const char* verb) {
  Dialog* d = host_.TopDialog();
  if (!d) throw ScriptError(std::string(verb) + ": no dialog is open");
  return *d;
}

// A window that takes input; once the program has ended there is none.
Window& ScriptRunner::NeedLiveWindow(const char* verb) {
  Application* app = host_.App();
  if (app && app->Exited()) throw ScriptError(std::string(verb) + ": the program has ended");
  Window* w = host_.Top();
  if (!w) throw ScriptError(std::string(verb) + ": no window");
  return *w;
}

void ScriptRunner::Execute(const std::string& rawLine) {
  std::string_view rest = Trim(rawLine);
  if (rest.empty() || rest.front() == '#') return;
  std::string verb(NextWord(rest));

  auto control = [&](Dialog& d, int id, const char* v) -> Control& {
    Control* c = d.Item(id);
    if (!c || id == -1)
      throw ScriptError(std::string(v) + ": no control " + std::to_string(id) +
                        " in the top window");
    if (c->style & kStyleHidden)
      throw ScriptError(std::string(v) + ": control " + std::to_string(id) + " is hidden");
    return *c;
  };

  if (verb == "time") {
    long long secs = ParseNumber(NextWord(rest), "seconds");
    Clock::SetFixed(secs);
  } else if (verb == "window") {
    host_.AddGuideWindow(ParseText(rest));
  } else if (verb == "command") {
    int id = ParseInt(NextWord(rest), "a command id");
    Application* app = host_.App();
    if (!app) throw ScriptError("command: no application is running");
    if (app->Exited()) throw ScriptError("command: the program has ended");
    if (!host_.Dialogs().empty())
      throw ScriptError("command: a dialog is open; menu commands reach the main window only");
    if (!app->OnCommand(id)) throw ScriptError("command: no command " + std::to_string(id));
  } else if (verb == "type") {
    Dialog& d = NeedDialog("type");
    int id = ParseInt(NextWord(rest), "a control id");
    Control& c = control(d, id, "type");
    if (c.kind != ControlKind::kEdit)
      throw ScriptError("type: control " + std::to_string(id) + " is not an edit box");
    d.UserType(id, ParseText(rest));
  } else if (verb == "press") {
    Dialog& d = NeedDialog("press");
    int id = ParseInt(NextWord(rest), "a control id");
    Control& c = control(d, id, "press");
    if (c.kind != ControlKind::kButton && c.kind != ControlKind::kRadio &&
        c.kind != ControlKind::kCheck)
      throw ScriptError("press: control " + std::to_string(id) + " is not a button");
    d.UserPress(id);
  } else if (verb == "select") {
    Dialog& d = NeedDialog("select");
    int id = ParseInt(NextWord(rest), "a control id");
    Control& c = control(d, id, "select");
    if (c.kind != ControlKind::kCombo)
      throw ScriptError("select: control " + std::to_string(id) + " is not a drop-down list");
    int index = ParseInt(NextWord(rest), "an item index");
    if (index < 0 || index >= static_cast<int>(c.items.size()))
      throw ScriptError("select: control " + std::to_string(id) + " has no item " +
                        std::to_string(index));
    d.UserSelect(id, index);
  } else if (verb == "click") {
    int x = ParseInt(NextWord(rest), "x");
    int y = ParseInt(NextWord(rest), "y");
    Window* w = &NeedLiveWindow("click");
    w->LButtonDown({x, y});
  } else if (verb == "tick") {
    std::string_view n = NextWord(rest);
    int count = n.empty() ? 1 : ParseInt(n, "a count");
    if (count < 1 || count > 1000000) throw ScriptError("tick: count out of range");
    Window* w = &NeedLiveWindow("tick");
    for (int i = 0; i < count; ++i) {
      std::vector<int> ids;
      for (auto& [id, ms] : w->Timers()) ids.push_back(id);
      for (int id : ids) {
        if (w->Timers().count(id)) w->FireTimer(id);
        if (w != host_.Top()) return;  // a timer opened or closed a window
      }
      host_.PaintPending();
    }
  } else if (verb == "expose") {
    Window* w = &NeedLiveWindow("expose");
    w->Invalidate(true);
  } else if (verb == "close") {
    NeedDialog("close").UserClose();
  } else if (verb == "render") {
    std::u16string file = ParseText(rest);
    if (file.empty()) throw ScriptError("render: no file named");
    Render(Utf16ToUtf8(file));
  } else {
    throw ScriptError("unknown verb '" + verb + "'");
  }
  if (!Trim(rest).empty() && verb != "window" && verb != "type" && verb != "render")
    throw ScriptError(verb + ": unexpected '" + std::string(Trim(rest)) + "'");
}

Json ScriptRunner::WindowState(Window& w) const {
  Json j;
  Dialog* d = dynamic_cast<Dialog*>(&w);
  j.Set("kind", d ? "dialog" : "view");
  if (d) {
    j.Set("template", d->TemplateId());
    j.Set("title", Json(d->Title()));
  }
  j.Set("client", Json::Array{w.ClientSize().cx, w.ClientSize().cy});
  if (d) j.Set("focus", d->Focus());
  j.Set("paints", w.PaintCount());
  if (d) {
    Json::Array timers;
    for (auto& [id, ms] : w.Timers()) timers.push_back(Json::Object{{"id", id}, {"ms", ms}});
    j.Set("timers", Json(std::move(timers)));
    Json::Array controls;
    for (auto& c : d->Controls()) {
      Json::Array items;
      for (auto& it : c.items) items.push_back(Json(it));
      controls.push_back(Json::Object{
          {"id", c.id},
          {"kind", KindName(c.kind)},
          {"text", Json(c.text)},
          {"rect", Json::Array{c.rect.left, c.rect.top, c.rect.Width(), c.rect.Height()}},
          {"default", c.IsDefault()},
          {"checked", c.checked},
          {"items", Json(std::move(items))},
          {"selection", c.selection},
          {"maxlength", c.maxLength}});
      // Only hidden controls carry the field, so the state of other dialogs reads as before.
      if (c.style & kStyleHidden) controls.back().Set("hidden", true);
    }
    j.Set("controls", Json(std::move(controls)));
  }
  j.Set("ops", DisplayListToJson(host_.LastOps(w)));
  j.Set("reading", Json(w.Reading()));
  return j;
}

Json ScriptRunner::State() const {
  Json j;
  Application* app = host_.App();
  j.Set("caption", app ? Json(app->Caption()) : Json(""));
  j.Set("level", app ? app->Level() : 0);
  Json::Array checked;
  if (app)
    for (int id : app->CheckedCommands()) checked.push_back(id);
  j.Set("checked", Json(std::move(checked)));
  j.Set("exited", app ? app->Exited() : false);
  Json::Array guide;
  for (auto& p : host_.PostedNotices())
    guide.push_back(Json::Object{{"message", static_cast<long long>(p.message)},
                                 {"wparam", static_cast<long long>(p.wparam)},
                                 {"lparam", static_cast<long long>(p.lparam)}});
  j.Set("guide", Json(std::move(guide)));
  Json::Array help;
  for (auto& h : host_.HelpShown()) help.push_back(Json::Object{{"file", h.file}, {"command", h.command}});
  j.Set("help", Json(std::move(help)));
  Json::Array messages;
  for (auto& [caption, text] : host_.Messages())
    messages.push_back(Json::Object{{"caption", Json(caption)}, {"text", Json(text)}});
  j.Set("messages", Json(std::move(messages)));
  // Only scripts that make worksheets have the entry, so other states stay as they were.
  if (!host_.Worksheets().empty()) j.Set("worksheets", Json(host_.Worksheets()));
  Json::Array windows;
  if (app && app->MainView()) windows.push_back(WindowState(*app->MainView()));
  for (Dialog* d : host_.Dialogs()) windows.push_back(WindowState(*d));
  j.Set("windows", Json(std::move(windows)));
  return j;
}

void ScriptRunner::Render(const std::string& file) {
  std::string ext = EndsWith(file);
  Window* top = host_.Top();
  std::string data;
  if (ext == "json") {
    data = State().Dump() + "\n";
  } else if (ext == "svg") {
    if (!top) throw ScriptError("render: no window to draw");
    Dialog* d = dynamic_cast<Dialog*>(top);
    data = RenderSvg(top->ClientSize(), host_.LastOps(*top), d ? &d->Controls() : nullptr,
                     d ? Rgb(240, 240, 240) : colors::kWhite);
  } else if (ext == "png") {
    if (!png_) throw ScriptError("render: PNG output is not available in this build");
    if (!top) throw ScriptError("render: no window to draw");
    std::string e = png_(*top, file, pngScale_);
    if (!e.empty()) throw ScriptError("render: " + e);
    return;
  } else {
    throw ScriptError("render: unknown file type '" + file + "' (use .json, .svg or .png)");
  }
  std::ofstream out(file, std::ios::binary);
  if (!out || !(out << data) || !out.flush())
    throw ScriptError("render: cannot write '" + file + "'");
}

}  // namespace vl
