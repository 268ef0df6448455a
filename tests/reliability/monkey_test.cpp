// Seeded random sessions over the whole program: topics opened from the menu, bad and random
// entries typed, controls pressed, list items picked, points clicked, timers ticked, windows
// exposed, drills and nested dialogs opened and closed. After every action the stored values
// must keep their invariants, and a press that repaints nothing must change nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "app/velorin_app.h"
#include "platform/script/json.h"
#include "platform/script/script_host.h"
#include "support/comparable.h"
#include "topics/topic_dialog.h"

namespace vl {
namespace {

const char* const kCorpus[] = {"",     "-",   "+",      "１２",   " 3",    "3 ",   "1.2.3",
                               "1e5",  "0x10", "-32769", "99999",  "４０",   "\xF0\x9F\x98\x80",
                               "65535", "40000", "0",     "1",      "2",     "5",    "10",
                               "-1",   "4.25", "29.9",   "30",     "5000",  "101",  "abc"};

using testing::Comparable;

class Monkey {
 public:
  Monkey(ScriptHost& host, unsigned seed, int actions)
      : host_(host), rng_(seed), left_(actions), seed_(seed) {}

  std::optional<std::string> Next() {
    CheckLastPress();
    CheckInvariants();
    if (left_-- <= 0) return std::nullopt;
    ++done_;
    if (done_ % 500 == 0) {
      std::string why;
      EXPECT_TRUE(Json::Parse(host_.State().Dump(), &why)) << Where() << why;
    }
    Dialog* d = host_.TopDialog();
    return d ? DialogAction(*d) : MainAction();
  }

  int done() const { return done_; }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Where() const {
    return "seed " + std::to_string(seed_) + ", action " + std::to_string(done_) + ": ";
  }

  std::string MainAction() {
    int r = Pick(100);
    if (r < 70) {
      auto topics = TopicCatalogue();
      return "command " + std::to_string(topics[Pick(static_cast<int>(topics.size()))].command);
    }
    if (r < 75) return "command 2768";
    if (r < 80) return "command " + std::to_string(Pick(2) ? 32787 : 32788);
    if (r < 82) return "command 57664";
    if (r < 84) return "command 32771";
    if (r < 86) return "expose";
    return "click " + std::to_string(Pick(820) - 10) + " " + std::to_string(Pick(620) - 10);
  }

  std::string RandomText() {
    if (Pick(2)) return kCorpus[Pick(static_cast<int>(std::size(kCorpus)))];
    static const char kChars[] = "0123456789+-.";
    std::string s;
    int n = Pick(7);
    for (int i = 0; i < n; ++i) s.push_back(kChars[Pick(i == 0 ? 13 : 10)]);
    return s;
  }

  std::string DialogAction(Dialog& d) {
    std::vector<const Control*> edits, buttons, combos;
    for (auto& c : d.Controls()) {
      if (c.id == -1 || (c.style & kStyleHidden)) continue;
      if (c.kind == ControlKind::kEdit) edits.push_back(&c);
      if (c.kind == ControlKind::kButton || c.kind == ControlKind::kRadio) buttons.push_back(&c);
      if (c.kind == ControlKind::kCombo && !c.items.empty()) combos.push_back(&c);
    }
    int r = Pick(100);
    if (r < 35 && !edits.empty())
      return "type " + std::to_string(edits[Pick(static_cast<int>(edits.size()))]->id) + " " +
             Json(RandomText()).Dump();
    if (r < 70 && !buttons.empty()) {
      const Control* b = buttons[Pick(static_cast<int>(buttons.size()))];
      // Closing buttons are pressed less often, so that pages get explored.
      if ((b->id == 1 || b->id == 2) && Pick(4) != 0) return "expose";
      pressedIn_ = &d;
      pressed_ = b->id;
      before_ = Comparable(host_.WindowState(d));
      paints_ = d.PaintCount();
      depth_ = host_.Dialogs().size();
      return "press " + std::to_string(b->id);
    }
    if (r < 76 && !combos.empty()) {
      const Control* c = combos[Pick(static_cast<int>(combos.size()))];
      return "select " + std::to_string(c->id) + " " +
             std::to_string(Pick(static_cast<int>(c->items.size())));
    }
    if (r < 86) {
      Size s = d.ClientSize();
      return "click " + std::to_string(Pick(s.cx + 1)) + " " + std::to_string(Pick(s.cy + 1));
    }
    if (r < 92 && !d.Timers().empty()) return "tick " + std::to_string(1 + Pick(3));
    if (r < 96) return "expose";
    return "close";
  }

  void CheckLastPress() {
    if (!pressedIn_) return;
    Dialog* d = pressedIn_;
    pressedIn_ = nullptr;
    // Only a press that left the same dialog on top, unrepainted, is judged.
    if (host_.TopDialog() != d || host_.Dialogs().size() != depth_ || d->Ended()) return;
    if (d->PaintCount() != paints_ || !d->Timers().empty()) return;
    Json after = Comparable(host_.WindowState(*d));
    EXPECT_EQ(after.Dump(), before_.Dump())
        << Where() << "pressing " << pressed_ << " in template " << d->TemplateId()
        << " changed the window without repainting it";
  }

  void CheckInvariants() {
    for (Dialog* d : host_.Dialogs()) {
      if (auto* t = dynamic_cast<TopicDialog*>(d)) {
        std::string why = t->InvariantViolation();
        EXPECT_EQ(why, "") << Where() << "template " << d->TemplateId();
      }
    }
  }

  ScriptHost& host_;
  std::mt19937 rng_;
  int left_;
  unsigned seed_;
  int done_ = 0;
  Dialog* pressedIn_ = nullptr;
  int pressed_ = 0;
  int paints_ = 0;
  size_t depth_ = 0;
  Json before_;
};

// The number of actions per seed; a sanitizer build in CI runs the full count.
int Actions() {
  const char* env = std::getenv("VELORIN_MONKEY_ACTIONS");
  return env ? std::atoi(env) : 20000;
}

class MonkeyTest : public ::testing::TestWithParam<unsigned> {};

TEST_P(MonkeyTest, RandomSessionKeepsEveryInvariant) {
  ScriptHost host;
  Host::SetCurrent(&host);
  CVelorinApp app;
  Monkey monkey(host, GetParam(), Actions());
  std::string err;
  int rc = host.Run(app, [&] { return monkey.Next(); }, err);
  Host::SetCurrent(nullptr);
  EXPECT_EQ(rc, 0) << err;
  EXPECT_EQ(err, "");
  RecordProperty("actions", monkey.done());
}

INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, ::testing::Values(1u, 2u, 3u, 4u, 5u));

}  // namespace
}  // namespace vl
