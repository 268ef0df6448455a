#include "platform/script/script_host.h"

#include <charconv>
#include <fstream>

#include "platform/recording_dc.h"
#include "platform/runtime.h"
#include "platform/script/ops_json.h"
#include "platform/script/svg.h"
#include "platform/text.h"

namespace vl {

namespace {
// Thrown when the script ends while a dialog waits for input: the run unwinds and ends well.
struct EndOfScript {};

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

int ScriptHost::Run(Application& app, LineSource source, std::string& err) {
  app_ = &app;
  source_ = std::move(source);
  line_ = 0;
  try {
    if (!app.InitInstance()) return 1;
    if (Window* view = app.MainView()) {
      view->SetClientSize({800, 600});
      view->Invalidate();
    }
    PaintPending();
    Pump([&] { return app.Exited(); });
    endState_ = State();
  } catch (const EndOfScript&) {
  } catch (const ScriptError& e) {
    err = "velorin: script line " + std::to_string(line_) + ": " + e.what();
    return 2;
  }
  return 0;
}

int ScriptHost::RunDialog(Dialog& dlg, LineSource source, std::string& err) {
  source_ = std::move(source);
  line_ = 0;
  try {
    dlg.DoModal();
  } catch (const EndOfScript&) {
  } catch (const ScriptError& e) {
    err = "velorin: script line " + std::to_string(line_) + ": " + e.what();
    return 2;
  }
  return 0;
}

void ScriptHost::Pump(const std::function<bool()>& done) {
  while (!done()) {
    auto l = source_ ? source_() : std::nullopt;
    if (!l) {
      atEnd_ = true;
      endState_ = State();
      throw EndOfScript{};
    }
    ++line_;
    Execute(*l);
    PaintPending();
  }
}

Window* ScriptHost::Top() const {
  if (!stack_.empty()) return stack_.back();
  return app_ ? app_->MainView() : nullptr;
}

Dialog& ScriptHost::NeedDialog(const char* verb) {
  if (stack_.empty()) throw ScriptError(std::string(verb) + ": no dialog is open");
  return *stack_.back();
}

void ScriptHost::Execute(const std::string& rawLine) {
  std::string_view rest = Trim(rawLine);
  if (rest.empty() || rest.front() == '#') return;
  std::string verb(NextWord(rest));

  auto control = [&](Dialog& d, int id, const char* v) -> Control& {
    Control* c = d.Item(id);
    if (!c || id == -1)
      throw ScriptError(std::string(v) + ": no control " + std::to_string(id) +
                        " in the top window");
    return *c;
  };

  if (verb == "time") {
    long long secs = ParseNumber(NextWord(rest), "seconds");
    Clock::SetFixed(secs);
  } else if (verb == "window") {
    AddGuideWindow(ParseText(rest));
  } else if (verb == "command") {
    int id = ParseInt(NextWord(rest), "a command id");
    if (!app_) throw ScriptError("command: no application is running");
    if (!stack_.empty())
      throw ScriptError("command: a dialog is open; menu commands reach the main window only");
    if (!app_->OnCommand(id)) throw ScriptError("command: no command " + std::to_string(id));
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
    if (c.kind != ControlKind::kButton && c.kind != ControlKind::kRadio)
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
    Window* w = Top();
    if (!w) throw ScriptError("click: no window");
    w->LButtonDown({x, y});
  } else if (verb == "tick") {
    std::string_view n = NextWord(rest);
    int count = n.empty() ? 1 : ParseInt(n, "a count");
    if (count < 1 || count > 1000000) throw ScriptError("tick: count out of range");
    Window* w = Top();
    if (!w) throw ScriptError("tick: no window");
    for (int i = 0; i < count; ++i) {
      std::vector<int> ids;
      for (auto& [id, ms] : w->Timers()) ids.push_back(id);
      for (int id : ids) {
        if (w->Timers().count(id)) w->FireTimer(id);
        if (w != Top()) return;  // a timer opened or closed a window
      }
      PaintPending();
    }
  } else if (verb == "expose") {
    Window* w = Top();
    if (!w) throw ScriptError("expose: no window");
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

void ScriptHost::PaintPending() {
  if (app_)
    if (Window* v = app_->MainView(); v && v->NeedsPaint()) PaintWindow(*v);
  for (Dialog* d : stack_)
    if (d->NeedsPaint() && !d->Ended()) PaintWindow(*d);
}

void ScriptHost::PaintWindow(Window& w) {
  RecordingDc dc;
  w.Paint(dc);
  lastOps_[&w] = dc.Take();
}

const DisplayList& ScriptHost::LastOps(Window& w) const {
  static const DisplayList kNone;
  auto it = lastOps_.find(&w);
  return it == lastOps_.end() ? kNone : it->second;
}

int ScriptHost::RunModal(Dialog& dlg) {
  int bx = 8, by = 16;
  const DialogTemplate* t = dlg.Template();
  DialogBaseUnits(t->fontFace, t->fontPoint, bx, by);
  dlg.Create(bx, by);
  stack_.push_back(&dlg);
  struct Pop {
    ScriptHost* h;
    Dialog* d;
    ~Pop() {
      if (!h->stack_.empty() && h->stack_.back() == d) h->stack_.pop_back();
      h->lastOps_.erase(d);
      d->SetPeer(nullptr);
    }
  } pop{this, &dlg};
  dlg.InitDialog();
  if (!dlg.Ended()) {
    dlg.Invalidate(true);
    PaintPending();
    Pump([&] { return dlg.Ended(); });
  }
  return dlg.Result();
}

int ScriptHost::MessageBox(Window*, std::u16string_view text, std::u16string_view caption,
                           unsigned) {
  messages_.emplace_back(std::u16string(caption), std::u16string(text));
  return kIdOk;
}

std::unique_ptr<Dc> ScriptHost::CreateMeasureDc(Window&) { return std::make_unique<RecordingDc>(); }

void ScriptHost::DialogBaseUnits(std::u16string_view, int, int& baseX, int& baseY) {
  baseX = 8;
  baseY = 16;
}

void ScriptHost::PrintWindow(Window& w, bool) {
  // The page is still drawn, as it would be for the printer.
  RecordingDc dc;
  w.DrawTo(dc);
  ++prints_;
}

bool ScriptHost::Post(std::u16string_view title, unsigned message, long wparam, long lparam) {
  if (!windows_.count(std::u16string(title))) return false;
  posted_.push_back({message, wparam, lparam});
  return true;
}

void ScriptHost::Open(const std::string& file, int command) { help_.push_back({file, command}); }

Json ScriptHost::WindowState(Window& w) const {
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
    }
    j.Set("controls", Json(std::move(controls)));
  }
  j.Set("ops", DisplayListToJson(LastOps(w)));
  j.Set("reading", Json(w.Reading()));
  return j;
}

Json ScriptHost::State() const {
  Json j;
  j.Set("caption", app_ ? Json(app_->Caption()) : Json(""));
  j.Set("level", app_ ? app_->Level() : 0);
  Json::Array checked;
  if (app_)
    for (int id : app_->CheckedCommands()) checked.push_back(id);
  j.Set("checked", Json(std::move(checked)));
  j.Set("exited", app_ ? app_->Exited() : false);
  Json::Array guide;
  for (auto& p : posted_)
    guide.push_back(Json::Object{{"message", static_cast<long long>(p.message)},
                                 {"wparam", static_cast<long long>(p.wparam)},
                                 {"lparam", static_cast<long long>(p.lparam)}});
  j.Set("guide", Json(std::move(guide)));
  Json::Array help;
  for (auto& h : help_) help.push_back(Json::Object{{"file", h.file}, {"command", h.command}});
  j.Set("help", Json(std::move(help)));
  Json::Array messages;
  for (auto& [caption, text] : messages_)
    messages.push_back(Json::Object{{"caption", Json(caption)}, {"text", Json(text)}});
  j.Set("messages", Json(std::move(messages)));
  Json::Array windows;
  if (app_ && app_->MainView()) windows.push_back(WindowState(*app_->MainView()));
  for (Dialog* d : stack_) windows.push_back(WindowState(*d));
  j.Set("windows", Json(std::move(windows)));
  return j;
}

void ScriptHost::Render(const std::string& file) {
  std::string ext = EndsWith(file);
  Window* top = Top();
  std::string data;
  if (ext == "json") {
    data = State().Dump() + "\n";
  } else if (ext == "svg") {
    if (!top) throw ScriptError("render: no window to draw");
    Dialog* d = dynamic_cast<Dialog*>(top);
    data = RenderSvg(top->ClientSize(), LastOps(*top), d ? &d->Controls() : nullptr,
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
