#include "paint_states.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string_view>
#include <utility>

#include "app/velorin_app.h"
#include "platform/host.h"
#include "platform/recording_dc.h"
#include "platform/runtime.h"
#include "platform/script/gallery.h"
#include "platform/script/script_host.h"
#include "resources/resource_ids.h"

namespace vl::bench {

namespace {

constexpr char16_t kStartText[] = u"開始";
constexpr char16_t kAnswerText[] = u"答え";

// The topics' readable names, by the menu command that opens them.
struct TopicName {
  int command;
  const char* name;
};
constexpr TopicName kTopicNames[] = {
    {2769, "product-rule"},   {2770, "sum-rule"},        {2771, "permutation"},
    {2772, "combination"},    {2773, "die-experiment"},  {2774, "frequency-table"},
    {2775, "repetition"},     {2776, "set-basics"},      {2777, "shortest-route"},
    {2778, "inference"},      {2779, "proof"},           {2780, "organising-data"},
    {2781, "two-dice"},       {2782, "tournament"},      {2783, "binomial"},
    {2784, "normal"},         {2785, "ratio-estimate"},  {2786, "mean-estimate"},
    {2787, "set-size"},       {32789, "correlation"},
};

// Pages besides the opening one, by factory variant: the state's name and the script lines
// that bring it up. "start" is the page after a typical 開始, with small inputs of the kind the
// topic tests type; the others are what a topic's own buttons or list show.
struct Action {
  const char* variant;
  const char* state;
  std::vector<std::string> lines;
};
const std::vector<Action>& Actions() {
  static const std::vector<Action> k = {
      {"command 2769", "start", {"type 102 3", "press 101", "tick 5"}},
      {"command 2770", "start", {"type 102 4", "press 101"}},
      {"command 2771", "start", {"type 105 5", "type 106 3", "press 101"}},
      {"command 2771", "circular", {"type 105 5", "type 106 3", "press 161"}},
      {"command 2772", "start", {"type 105 5", "type 106 3", "press 101"}},
      {"command 2773", "ten-throws", {"press 112"}},
      {"command 2774", "deviation", {"type 115 60", "press 116"}},
      {"command 2775", "start", {"type 117 12", "type 118 5", "press 101"}},
      {"command 2775", "secret-ballot", {"type 117 12", "type 118 5", "press 101", "press 120"}},
      {"command 2776", "item-3", {"select 142 3"}},
      {"command 2777", "start", {"type 131 2", "type 132 5", "press 101"}},
      {"command 2779", "item-1", {"select 142 1"}},
      {"command 2780", "sorted", {"press 144"}},
      {"command 2781", "start", {"type 114 7", "press 101"}},
      {"command 2781", "mistake", {"press 150"}},
      {"command 2782", "start", {"type 114 5", "press 101"}},
      {"command 2783", "start", {"type 153 50", "type 154 10", "press 101"}},
      {"command 2784", "start", {"type 153 12", "type 156 10", "type 157 2", "press 101"}},
      {"command 2785", "start", {"type 153 1000", "type 154 50", "press 101"}},
      {"command 2786", "start", {"type 153 100", "type 156 12.5", "press 101"}},
      {"command 2787", "girls-with-glasses", {"press 127"}},
      // Cell (0, 3) of the table, then 開始.
      {"command 32789", "start", {"click 103 90", "type 114 7", "press 101"}},
  };
  return k;
}

// The id of the button with this text, or 0.
int ButtonWithText(const Dialog& d, std::u16string_view text) {
  for (const Control& c : d.Controls())
    if (c.kind == ControlKind::kButton && c.text == text) return c.id;
  return 0;
}

// Script lines made once the dialog is built, when its buttons are known; throws ScriptError
// when the dialog lacks what they need.
using LinesFor = std::function<std::vector<std::string>(const Dialog&)>;

LinesFor Fixed(std::vector<std::string> lines) {
  return [lines = std::move(lines)](const Dialog&) { return lines; };
}

LinesFor PressButton(std::u16string text) {
  return [text = std::move(text)](const Dialog& d) -> std::vector<std::string> {
    const int id = ButtonWithText(d, text);
    if (!id) throw ScriptError("no button " + Utf16ToUtf8(text));
    return {"press " + std::to_string(id)};
  };
}

// The same clock and random sequence for every build, so that dealt and drawn pages repeat.
void FixRandom() {
  Clock::SetFixed(kGalleryClock);
  Srand(static_cast<uint32_t>(kGalleryClock));
}

std::string Join(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& l : lines) text += l + "\n";
  return text;
}

void Warn(const std::string& state, const std::string& what) {
  std::fprintf(stderr, "velorin_bench: warning: state %s %s\n", state.c_str(), what.c_str());
}

DisplayList Record(Window& w) {
  RecordingDc dc;
  w.Paint(dc);
  return dc.Take();
}

}  // namespace

struct StateBuilder {
  static std::unique_ptr<PaintState> NewState() {
    auto s = std::make_unique<PaintState>();
    s->host_ = std::make_unique<ScriptHost>();
    Host::SetCurrent(s->host_.get());
    FixRandom();
    return s;
  }

  // The main window's view after start-up and the given menu commands.
  static StateBuild MainView(std::vector<std::string> lines) {
    return [lines = std::move(lines)](std::string& err) -> std::unique_ptr<PaintState> {
      auto s = NewState();
      auto app = std::make_unique<CVelorinApp>();
      CVelorinApp& a = *app;
      s->app_ = std::move(app);
      if (s->host_->Run(a, LinesOf(Join(lines)), err) != 0) return nullptr;
      s->window_ = a.MainView();
      if (!s->window_) {
        err = "the application has no main view";
        return nullptr;
      }
      return s;
    };
  }

  // A dialog opened in the scripted host and driven by the lines; it stays open.
  static StateBuild OpenDialog(DialogFactory f, LinesFor linesFor) {
    return [f = std::move(f), linesFor = std::move(linesFor)](
               std::string& err) -> std::unique_ptr<PaintState> {
      auto s = NewState();
      s->dialog_ = f.make();
      Dialog& d = *s->dialog_;
      std::vector<std::string> lines;
      size_t next = 0;
      bool made = false;
      const int rc = s->host_->RunDialog(d, [&]() -> std::optional<std::string> {
        if (!made) {
          made = true;
          if (linesFor) lines = linesFor(d);
        }
        if (next < lines.size()) return lines[next++];
        return std::nullopt;
      }, err);
      if (rc != 0) return nullptr;
      if (d.Ended()) {
        err = "the dialog ended";
        return nullptr;
      }
      s->window_ = &d;
      return s;
    };
  }
};

PaintState::PaintState() = default;

PaintState::~PaintState() {
  dialog_.reset();
  app_.reset();
  if (host_) Host::SetCurrent(nullptr);
}

namespace {
// Builds the state once, warning when it cannot be built or when a second paint draws another
// page; page gets what it draws. The state is given back for a look at its controls.
std::unique_ptr<PaintState> Probe(const StateSpec& spec, DisplayList& page) {
  std::string err;
  std::unique_ptr<PaintState> s = spec.build(err);
  if (!s) {
    Warn(spec.name, "cannot be built: " + err);
    return nullptr;
  }
  // The same random sequence for every paint here: a page may draw random colours at every
  // paint (the permutation slots do).
  FixRandom();
  page = Record(s->window());
  FixRandom();
  if (Record(s->window()) != page) Warn(spec.name, "draws another page when painted again");
  return s;
}
}  // namespace

std::string DialogName(const DialogFactory& f) {
  const std::string& v = f.variant;
  std::string name;
  if (v.rfind("command ", 0) == 0) {
    const int command = std::atoi(v.c_str() + 8);
    name = std::to_string(command) + "-topic";
    for (const TopicName& t : kTopicNames)
      if (t.command == command) name = std::to_string(command) + "-" + t.name;
  } else if (v.rfind("drill ", 0) == 0) {
    // "drill 2779/8" -> "2779-drill-8"
    const std::string args = v.substr(6);
    const size_t slash = args.find('/');
    name = args.substr(0, slash) + "-drill";
    if (slash != std::string::npos) name += "-" + args.substr(slash + 1);
  } else if (v.empty()) {
    name = std::to_string(f.templateId) + (f.templateId == res::kIddAbout ? "-about" : "-dialog");
  } else {
    name = std::to_string(f.templateId) + "-" + v;
  }
  for (char& c : name) {
    const bool keep = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                      (c >= '0' && c <= '9') || c == '-';
    if (!keep) c = '-';
  }
  return name;
}

std::vector<StateSpec> PaintStates() {
  RegisterAllDialogs();
  std::vector<StateSpec> specs;

  // Adds a state that must draw another page than base.
  auto addDerived = [&](StateSpec spec, const DisplayList& base) {
    DisplayList page;
    if (Probe(spec, page) && page == base)
      Warn(spec.name, "draws the same page as it started from (input refused?)");
    specs.push_back(std::move(spec));
  };

  StateSpec diagram{"main/diagram", StateBuilder::MainView({})};
  DisplayList diagramPage;
  Probe(diagram, diagramPage);
  specs.push_back(std::move(diagram));
  addDerived({"main/puzzle", StateBuilder::MainView({"command " + std::to_string(res::kCmdPuzzle)})},
             diagramPage);

  for (const DialogFactory& f : AllDialogFactories()) {
    const std::string name = DialogName(f);
    StateSpec open{name + "/open", StateBuilder::OpenDialog(f, nullptr)};
    DisplayList openPage;
    bool hasStart = false, hasAnswer = false;
    if (std::unique_ptr<PaintState> s = Probe(open, openPage)) {
      const Dialog& d = static_cast<const Dialog&>(s->window());
      hasStart = ButtonWithText(d, kStartText) != 0;
      hasAnswer = ButtonWithText(d, kAnswerText) != 0;
    }
    specs.push_back(std::move(open));

    bool started = false;
    for (const Action& a : Actions()) {
      if (f.variant != a.variant) continue;
      started = started || std::string_view(a.state) == "start";
      addDerived({name + "/" + a.state, StateBuilder::OpenDialog(f, Fixed(a.lines))}, openPage);
    }
    // A topic with 開始 and no inputs listed above starts from its defaults.
    if (hasStart && !started)
      addDerived({name + "/start", StateBuilder::OpenDialog(f, PressButton(kStartText))},
                 openPage);
    const bool drill = f.variant.rfind("drill ", 0) == 0;
    if (drill || hasAnswer)
      addDerived({name + "/answer", StateBuilder::OpenDialog(f, PressButton(kAnswerText))},
                 openPage);
  }
  return specs;
}

}  // namespace vl::bench
