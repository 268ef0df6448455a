#include "app/catalogue.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "support/script_fixture.h"
#include "topics/distribution/bindist.h"
#include "topics/distribution/nordist.h"
#include "topics/probability/kakurit2.h"
#include "topics/sets/testify.h"

namespace vl::testing {
namespace {

// What the top dialog is while the script runs, caught before a chosen line executes.
struct Seen {
  int templateId = 0;
  std::u16string templateTitle;
  std::optional<int> mode;
  size_t posts = 0;
};

std::optional<int> ModeOf(Dialog* d) {
  if (auto* t = dynamic_cast<CTestify*>(d)) return t->m_nMode;
  if (auto* k = dynamic_cast<CKakurit2*>(d)) return k->m_nMode;
  if (auto* b = dynamic_cast<CBindist*>(d)) return b->m_nMode;
  if (auto* n = dynamic_cast<CNorDist*>(d)) return n->m_nMode;
  return std::nullopt;
}

// Runs lines; before each line that reads "close" it notes the open dialog.
struct ProbeRun {
  ScriptHost host;
  CVelorinApp app;
  std::vector<Seen> seen;
  Json end;
  int status = 0;

  explicit ProbeRun(std::vector<std::string> lines) {
    Host::SetCurrent(&host);
    size_t next = 0;
    auto source = [&]() -> std::optional<std::string> {
      if (next >= lines.size()) return std::nullopt;
      const std::string& line = lines[next++];
      if (line == "close" && host.TopDialog()) {
        Dialog* d = host.TopDialog();
        seen.push_back({d->TemplateId(), std::u16string(d->Template()->title), ModeOf(d),
                        host.State()["guide"].AsArray().size()});
      }
      return line;
    };
    std::string err;
    status = host.Run(app, source, err);
    EXPECT_EQ(status, 0) << err;
    end = host.EndState();
  }
  ~ProbeRun() { Host::SetCurrent(nullptr); }
};

struct Row {
  int command, templateId;
  const char16_t* title;
  int guide, mode;
};
// The catalogue as a pupil meets it: menu command, dialog, title, guide code, mode (-1: none).
const Row kRows[] = {
    {2769, 101, u"場合の数（積の法則）", 406, -1},
    {2770, 102, u"場合の数（和の法則）", 408, -1},
    {2771, 103, u"順  列", 412, -1},
    {2772, 104, u"組合せ", 414, -1},
    {2773, 105, u"確  率", 422, -1},
    {2774, 106, u"統    計", 426, -1},
    {2775, 107, u"重複順列・重複組合せ", 416, -1},
    {2776, 112, u"証    明", 400, 1},
    {2777, 109, u"同じものを含む順列", 418, -1},
    {2778, 111, u"推   論", 402, -1},
    {2779, 112, u"証    明", 404, 0},
    {2780, 113, u"資料の整理", 424, -1},
    {2781, 115, u"確   率", 422, 0},
    {2782, 115, u"確   率", 410, 1},
    {2783, 116, u"２項分布", 428, 0},
    {2784, 117, u"正規分布", 430, 0},
    {2785, 116, u"２項分布", 434, 1},
    {2786, 117, u"正規分布", 432, 1},
    {2787, 108, u"集  合", 400, -1},
    {32789, 118, u"相関表", 427, -1},
};

TEST(Catalogue, EveryTopicOpensItsTemplateAndModeAndPostsItsGuideCodeOnce) {
  std::vector<std::string> lines = {"window Karsel - Guide"};
  for (const Row& r : kRows) {
    lines.push_back("command " + std::to_string(r.command));
    lines.push_back("close");
  }
  ProbeRun run(lines);
  ASSERT_EQ(run.seen.size(), std::size(kRows));
  const auto& guide = run.end["guide"].AsArray();
  ASSERT_EQ(guide.size(), std::size(kRows));
  for (size_t i = 0; i < std::size(kRows); ++i) {
    const Row& r = kRows[i];
    SCOPED_TRACE("command " + std::to_string(r.command));
    EXPECT_EQ(run.seen[i].templateId, r.templateId);
    EXPECT_EQ(run.seen[i].templateTitle, r.title);
    EXPECT_EQ(run.seen[i].mode, r.mode < 0 ? std::nullopt : std::optional<int>(r.mode));
    // Posted before the dialog showed, exactly once for this opening.
    EXPECT_EQ(run.seen[i].posts, i + 1);
    EXPECT_EQ(guide[i]["message"].AsInt(), 1124);
    EXPECT_EQ(guide[i]["wparam"].AsInt(), r.guide);
    EXPECT_EQ(guide[i]["lparam"].AsInt(), 0);
  }
  EXPECT_EQ(run.end["windows"].AsArray().size(), 1u);
}

TEST(Catalogue, NoGuideWindowMeansNoNoticeAndTheTopicStillOpens) {
  for (const char* window : {"", "window \"Karsel - Guide \"\n", "window karsel - guide\n",
                             "window Karsel - Guide2\n"}) {
    ScriptRun run(std::string(window) + "command 2772\n");
    ASSERT_EQ(run.status(), 0) << run.error();
    EXPECT_EQ(run.top()["template"].AsInt(), 104) << window;
    EXPECT_TRUE(run.state()["guide"].AsArray().empty()) << window;
  }
}

TEST(Catalogue, SharedGuideCodesPostOncePerOpening) {
  ScriptRun sets("window Karsel - Guide\ncommand 2776\nclose\ncommand 2787\nclose\n");
  ASSERT_EQ(sets.status(), 0) << sets.error();
  EXPECT_EQ(
      sets.state()["guide"].Dump(),
      R"([{"message":1124,"wparam":400,"lparam":0},{"message":1124,"wparam":400,"lparam":0}])");
  ScriptRun chance("window Karsel - Guide\ncommand 2773\nclose\ncommand 2781\nclose\n");
  ASSERT_EQ(chance.status(), 0) << chance.error();
  ASSERT_EQ(chance.state()["guide"].AsArray().size(), 2u);
  for (auto& g : chance.state()["guide"].AsArray()) EXPECT_EQ(g["wparam"].AsInt(), 422);
}

TEST(Catalogue, NestedDialogsAndClosingPostNothing) {
  ScriptRun run("window Karsel - Guide\ncommand 2772\npress 133\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  EXPECT_EQ(run.top()["template"].AsInt(), 110);
  EXPECT_EQ(run.state()["guide"].AsArray().size(), 1u);
}

TEST(Catalogue, ReopeningStartsFromTheInitialValues) {
  ScriptRun first("command 2772\n");
  ScriptRun again("command 2772\ntype 105 5\ntype 106 2\npress 101\npress 1\ncommand 2772\n");
  ASSERT_EQ(again.status(), 0) << again.error();
  EXPECT_EQ(again.top()["controls"].Dump(), first.top()["controls"].Dump());
  EXPECT_EQ(again.top()["ops"].Dump(), first.top()["ops"].Dump());
}

// Every topic command is in the menu once, and every command of the menu does something.
TEST(Catalogue, MenuAndCatalogueAgree) {
  std::multiset<int> menu;
  for (const auto& item : CVelorinApp().Menu().items)
    if (item.id != 0) menu.insert(item.id);
  for (const auto& t : TopicCatalogue()) EXPECT_EQ(menu.count(t.command), 1u) << t.command;
  EXPECT_EQ(TopicCatalogue().size(), 20u);
  for (int id : menu) {
    if (id == 57665) continue;  // exit ends the run
    ScriptRun run("command " + std::to_string(id) + "\n");
    EXPECT_EQ(run.status(), 0) << run.error();
  }
}

}  // namespace
}  // namespace vl::testing
