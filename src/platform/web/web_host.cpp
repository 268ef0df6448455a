#include "platform/web/web_host.h"

#include <emscripten.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/runtime.h"
#include "platform/script/json.h"
#include "platform/script/svg.h"
#include "platform/script/worksheet_html.h"
#include "platform/worksheet.h"
#include "platform/text.h"

// The page's side of the bridge lives in web/host.js as Module.host; these calls only pass
// their arguments on.
EM_ASYNC_JS(char*, velorin_js_next_event, (), { return await Module.host.nextEvent(); });
EM_JS(void, velorin_js_sync, (const char* payload), { Module.host.sync(UTF8ToString(payload)); });
EM_JS(void, velorin_js_message, (const char* caption, const char* text, unsigned type), {
  Module.host.messageBox(UTF8ToString(caption), UTF8ToString(text), type);
});
EM_JS(void, velorin_js_script_done, (int run, const char* error), {
  Module.host.scriptDone(run, UTF8ToString(error));
});
EM_JS(void, velorin_js_guide, (unsigned message, long wparam, long lparam), {
  Module.host.guide(message, wparam, lparam);
});
EM_JS(void, velorin_js_help, (const char* file, int command), {
  Module.host.help(UTF8ToString(file), command);
});
EM_JS(void, velorin_js_print, (int index), { Module.host.print(index); });
EM_JS(void, velorin_js_download, (const char* name, const char* data, int size), {
  Module.host.download(UTF8ToString(name), HEAPU8.slice(data, data + size));
});
EM_JS(void, velorin_js_print_html, (const char* html), { Module.host.printHtml(UTF8ToString(html)); });
EM_JS(char*, velorin_js_record_load, (), { return Module.host.recordLoad(); });
EM_JS(void, velorin_js_record_append, (const char* json), {
  Module.host.recordAppend(UTF8ToString(json));
});
EM_JS(char*, velorin_js_recent_load, (), { return Module.host.recentLoad(); });
EM_JS(void, velorin_js_recent_save, (const char* json), {
  Module.host.recentSave(UTF8ToString(json));
});

namespace vl::web {

namespace {
WebHost* g_host = nullptr;

std::string_view Word(std::string_view& rest) {
  size_t sp = rest.find(' ');
  std::string_view w = rest.substr(0, sp);
  rest = sp == std::string_view::npos ? std::string_view() : rest.substr(sp + 1);
  return w;
}

int ToInt(std::string_view s) { return std::atoi(std::string(s).c_str()); }

Json AttemptJson(const Attempt& a) {
  return Json::Object{{"time", static_cast<long long>(a.time)},
                      {"code", a.code},
                      {"subMode", a.subMode},
                      {"seed", static_cast<long long>(a.seed)},
                      {"answer", Json(a.answer)},
                      {"expected", Json(a.expected)},
                      {"correct", a.correct}};
}

// The rows the page read from the browser's database; rows it cannot read are left out.
std::vector<Attempt> LoadAttempts() {
  std::vector<Attempt> rows;
  char* raw = velorin_js_record_load();
  if (!raw) return rows;
  if (auto j = Json::Parse(raw); j && j->IsArray()) {
    for (const Json& r : j->AsArray()) {
      if (!r.IsObject() || !r["code"].IsNumber() || !r["time"].IsNumber()) continue;
      Attempt a;
      a.time = static_cast<int64_t>(r["time"].AsNumber());
      a.code = r["code"].AsInt();
      a.subMode = r["subMode"].IsNumber() ? r["subMode"].AsInt() : 0;
      a.seed = r["seed"].IsNumber() ? static_cast<uint32_t>(r["seed"].AsNumber()) : 0;
      a.answer = r["answer"].IsString() ? Utf8ToUtf16(r["answer"].AsString()) : u"";
      a.expected = r["expected"].IsString() ? Utf8ToUtf16(r["expected"].AsString()) : u"";
      a.correct = r["correct"].IsBool() && r["correct"].AsBool();
      rows.push_back(std::move(a));
    }
  }
  std::free(raw);
  return rows;
}

constexpr char kSaveFolder[] = "/downloads";
}  // namespace

WebHost::WebHost()
    : record_(LoadAttempts(),
              [](const Attempt& a) { velorin_js_record_append(AttemptJson(a).Dump().c_str()); }) {
  LearningRecord::SetCurrent(&record_);
}

WebHost::~WebHost() {
  LearningRecord::SetCurrent(nullptr);
  if (g_host == this) g_host = nullptr;
}

int WebHost::Run(Application& app) {
  g_host = this;
  SetApp(&app);
  if (!app.InitInstance()) return 1;
  if (Window* view = app.MainView()) {
    // The view keeps the scripted host's size; the page scales it to the screen.
    view->SetClientSize({800, 600});
    view->Invalidate();
  }
  PaintPending();
  // After the exit command the page still answers scripts and state() against the ended
  // program.
  Pump([] { return false; });
  return 0;
}

void WebHost::Pump(const std::function<bool()>& done) {
  while (!done()) {
    Sync();
    char* raw = velorin_js_next_event();
    std::string event = raw ? raw : "";
    std::free(raw);
    Dispatch(event);
    PaintPending();
    DeliverSaves();
  }
  Sync();
}

std::optional<std::string> WebHost::AskSaveFileName(std::u16string_view suggestedName,
                                                    std::u16string_view) {
  std::error_code ec;
  std::filesystem::create_directories(kSaveFolder, ec);
  std::string name = Utf16ToUtf8(suggestedName);
  for (char& c : name)
    if (c == '/') c = '_';
  std::string path = std::string(kSaveFolder) + "/" + (name.empty() ? "velorin" : name);
  saves_.push_back(path);
  return path;
}

void WebHost::DeliverSaves() {
  for (const std::string& path : saves_) {
    std::ifstream in(path, std::ios::binary);
    if (!in) continue;  // the program did not write it after all
    std::string data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    velorin_js_download(std::filesystem::path(path).filename().c_str(), data.data(),
                        static_cast<int>(data.size()));
    std::error_code ec;
    std::filesystem::remove(path, ec);
  }
  saves_.clear();
}

bool WebHost::PrintWorksheet(const Worksheet& sheet, WorksheetOutput what) {
  MemoryHost::PrintWorksheet(sheet, what);
  velorin_js_print_html(WorksheetHtml(sheet).c_str());
  return true;
}

// Events: "line RUN N TEXT" and "end RUN" carry a script run from velorin.script; "user TEXT"
// is what the pupil did, as a script line; "timer INDEX ID" is a window timer that fired.
void WebHost::Dispatch(const std::string& event) {
  std::string_view rest = event;
  std::string_view kind = Word(rest);
  if (kind == "line") {
    int run = ToInt(Word(rest));
    int line = ToInt(Word(rest));
    try {
      runner_.Execute(std::string(rest));
    } catch (const ScriptError& e) {
      velorin_js_script_done(run, ScriptLineError(line, e.what()).c_str());
    }
  } else if (kind == "end") {
    PaintPending();
    velorin_js_script_done(ToInt(Word(rest)), "");
  } else if (kind == "user") {
    try {
      runner_.Execute(std::string(rest));
    } catch (const ScriptError& e) {
      // The page offered something the program no longer has (a window that just closed).
      emscripten_log(EM_LOG_WARN, "velorin: %s", e.what());
    }
  } else if (kind == "focus") {
    if (Dialog* d = TopDialog()) d->UserFocus(ToInt(Word(rest)));
  } else if (kind == "timer") {
    int index = ToInt(Word(rest));
    int id = ToInt(Word(rest));
    Window* w = WindowAt(index);
    // Only the top window takes input; a timer of a window under a modal one waits.
    if (w && w == Top() && w->Timers().count(id)) w->FireTimer(id);
  }
}

void WebHost::Sync() {
  while (serials_.size() < Dialogs().size()) serials_.push_back(nextSerial_++);
  Json::Array serials;
  for (unsigned s : serials_) serials.push_back(static_cast<long long>(s));
  // The control styles (alignment, borders, disabled) are the page's to show; the state leaves
  // them out.
  Json::Array styles, enter;
  for (const Dialog* d : Dialogs()) {
    Json::Array one;
    for (const Control& c : d->Controls()) one.push_back(static_cast<long long>(c.style));
    styles.push_back(Json(std::move(one)));
    enter.push_back(d->EnterButton());
  }
  Json payload;
  payload.Set("serials", Json(std::move(serials)));
  payload.Set("styles", Json(std::move(styles)));
  payload.Set("enter", Json(std::move(enter)));
  payload.Set("state", runner_.State());
  velorin_js_sync(payload.Dump().c_str());
}

void WebHost::OnDialogClosed(Dialog&) {
  if (!serials_.empty()) serials_.pop_back();
}

Window* WebHost::WindowAt(int index) const {
  if (index == 0) return App() ? App()->MainView() : nullptr;
  if (index < 0 || index > static_cast<int>(Dialogs().size())) return nullptr;
  return Dialogs()[static_cast<size_t>(index - 1)];
}

int WebHost::IndexOf(const Window& w) const {
  for (size_t i = 0; i < Dialogs().size(); ++i)
    if (Dialogs()[i] == &w) return static_cast<int>(i) + 1;
  return 0;
}

std::string WebHost::SvgText(int index) const {
  Window* w = WindowAt(index);
  if (!w) return "";
  // The page alone, as "画像として保存…" saves it on the desktop: no controls.
  return RenderSvg(w->ClientSize(), LastOps(*w), nullptr, colors::kWhite);
}

std::string WebHost::MenuText() const {
  Json j;
  Json::Array items;
  if (Application* app = App()) {
    for (const auto& m : app->Menu().items)
      items.push_back(Json::Object{{"level", m.level},
                                   {"id", m.id},
                                   {"text", Json(m.text)},
                                   {"flags", static_cast<long long>(m.flags)}});
    Json::Array accels;
    for (const auto& a : app->Accelerators().entries)
      accels.push_back(Json::Object{{"key", static_cast<long long>(a.key)},
                                    {"mods", static_cast<long long>(a.modifiers)},
                                    {"command", a.command}});
    j.Set("accelerators", Json(std::move(accels)));
  }
  j.Set("items", Json(std::move(items)));
  return j.Dump();
}

int WebHost::MessageBox(Window* owner, std::u16string_view text, std::u16string_view caption,
                        unsigned type) {
  MemoryHost::MessageBox(owner, text, caption, type);
  // Every box the program shows has OK alone: the page shows it over the window and the
  // program carries on, as it would after the pupil's OK.
  velorin_js_message(Utf16ToUtf8(caption).c_str(), Utf16ToUtf8(text).c_str(), type);
  return kIdOk;
}

void WebHost::PrintWindow(Window& w, bool preview) {
  MemoryHost::PrintWindow(w, preview);
  velorin_js_print(IndexOf(w));
}

bool WebHost::Post(std::u16string_view title, unsigned message, long wparam, long lparam) {
  // The embedding page hears every notice; the state lists those a script's window received.
  velorin_js_guide(message, wparam, lparam);
  return MemoryHost::Post(title, message, wparam, lparam);
}

void WebHost::Open(const std::string& file, int command) {
  MemoryHost::Open(file, command);
  velorin_js_help(file.c_str(), command);
}

std::vector<std::string> WebHost::Load() {
  char* raw = velorin_js_recent_load();
  std::vector<std::string> files;
  if (raw) {
    if (auto j = Json::Parse(raw); j && j->IsArray())
      for (const auto& f : j->AsArray())
        if (f.IsString()) files.push_back(f.AsString());
    std::free(raw);
  }
  recent_ = files;
  return files;
}

bool WebHost::Save(const std::vector<std::string>& files) {
  recent_ = files;
  Json::Array a;
  for (const auto& f : files) a.push_back(Json(f));
  velorin_js_recent_save(Json(std::move(a)).Dump().c_str());
  return true;
}

}  // namespace vl::web

// Exports the page calls between events, while the program waits for the next one.
extern "C" {
EMSCRIPTEN_KEEPALIVE const char* velorin_state() {
  static std::string text;
  text = vl::web::g_host ? vl::web::g_host->StateText() : std::string("{}\n");
  return text.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* velorin_svg(int index) {
  static std::string text;
  text = vl::web::g_host ? vl::web::g_host->SvgText(index) : std::string();
  return text.c_str();
}
EMSCRIPTEN_KEEPALIVE const char* velorin_menu() {
  static std::string text;
  text = vl::web::g_host ? vl::web::g_host->MenuText() : std::string("{}");
  return text.c_str();
}
}
