// The product-rule page (540 x 276 client, units 11 x 19) and its animation.
#include "counting_fixture.h"
#include "topics/counting/kazu1.h"

namespace vl::testing {
namespace {

constexpr char kOpen[] = "command 2769\n";
constexpr char kBlue[] = "#0000ff";

TEST(Kazu1, OpensWithTwoDiceAndTheTimerRunning) {
  ScriptRun run(kOpen);
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& w = run.top();
  EXPECT_EQ(w["template"].AsInt(), 101);
  EXPECT_EQ(w["client"].Dump(), "[540,276]");
  EXPECT_EQ(FindControl(w, 102)["text"].AsString(), "2");
  EXPECT_EQ(FindControl(w, 102)["maxlength"].AsInt(), 5);
  EXPECT_EQ(w["timers"].Dump(), R"([{"id":1,"ms":2500}])");
  EXPECT_EQ(At(FindText(w, "= 9通り")), "[198,228]");
  EXPECT_EQ(At(FindText(w, "(1)の目")), "[44,152]");
  EXPECT_EQ(At(FindText(w, "(2)の目")), "[132,152]");
  EXPECT_EQ(At(FindText(w, "*")), "[132,228]");
  // Nine red joins between the two columns, no highlighted path and no count yet.
  EXPECT_EQ(Lines(w, "#ff0000").size(), 9u);
  EXPECT_TRUE(Lines(w, kBlue).empty());
  EXPECT_TRUE(FindText(w, "1通り").IsNull());
  auto box = OpsOf(w, "rectangle");
  ASSERT_EQ(box.size(), 1u);
  EXPECT_EQ((*box[0])["rect"].Dump(), "[11,152,451,266]");
}

TEST(Kazu1, TicksWalkThroughTheOutcomesThenStop) {
  ScriptRun one(std::string(kOpen) + "tick\n");
  EXPECT_EQ(At(FindText(one.top(), "1通り")), "[385,190]");
  EXPECT_EQ(Lines(one.top(), kBlue), std::vector<std::string>{"[77,180]-[143,180]"});

  ScriptRun six(std::string(kOpen) + "tick 6\n");  // faces 4, 6
  EXPECT_EQ(Lines(six.top(), kBlue), std::vector<std::string>{"[77,199]-[143,218]"});

  ScriptRun nine(std::string(kOpen) + "tick 9\n");
  EXPECT_FALSE(FindText(nine.top(), "9通り").IsNull());
  EXPECT_EQ(Lines(nine.top(), kBlue), std::vector<std::string>{"[77,218]-[143,218]"});

  // The tenth tick stops the timer and leaves the last outcome on screen.
  ScriptRun ten(std::string(kOpen) + "tick 10\n");
  EXPECT_EQ(ten.top()["timers"].Dump(), "[]");
  EXPECT_EQ(ten.top()["paints"].AsInt(), nine.top()["paints"].AsInt());
  EXPECT_EQ(ten.top()["ops"].Dump(), nine.top()["ops"].Dump());
  // A later repaint shows no highlight.
  ScriptRun exposed(std::string(kOpen) + "tick 10\nexpose\n");
  EXPECT_TRUE(Lines(exposed.top(), kBlue).empty());
  EXPECT_TRUE(FindText(exposed.top(), "9通り").IsNull());
}

TEST(Kazu1, FourDice) {
  ScriptRun run(std::string(kOpen) + "type 102 4\npress 101\ntick 81\n");
  const Json& w = run.top();
  EXPECT_EQ(At(FindText(w, "= 81通り")), "[374,228]");
  EXPECT_EQ(At(FindText(w, "(4)の目")), "[308,152]");
  EXPECT_EQ(At(FindText(w, "81通り")), "[385,190]");
  // Step 81 runs through face 6 of every die.
  EXPECT_EQ(Lines(w, kBlue), (std::vector<std::string>{
                                 "[77,218]-[143,218]", "[165,218]-[231,218]",
                                 "[253,218]-[319,218]"}));
  EXPECT_EQ(Lines(w, "#ff0000").size(), 27u);
}

TEST(Kazu1, OneDieHasNoPathOnlyTheCount) {
  ScriptRun run(std::string(kOpen) + "type 102 1\npress 101\ntick 2\n");
  EXPECT_FALSE(FindText(run.top(), "= 3通り").IsNull());
  EXPECT_FALSE(FindText(run.top(), "2通り").IsNull());
  EXPECT_TRUE(Lines(run.top(), kBlue).empty());
  EXPECT_TRUE(Lines(run.top(), "#ff0000").empty());
}

TEST(Kazu1, StartDuringTheAnimationRestartsIt) {
  ScriptRun run(std::string(kOpen) + "tick 4\ntype 102 3\npress 101\n");
  EXPECT_TRUE(Lines(run.top(), kBlue).empty());
  EXPECT_FALSE(FindText(run.top(), "= 27通り").IsNull());
  ScriptRun next(std::string(kOpen) + "tick 4\ntype 102 3\npress 101\ntick\n");
  EXPECT_FALSE(FindText(next.top(), "1通り").IsNull());
}

TEST(Kazu1, BadEntriesOnlyRefocusTheEditBox) {
  std::string open = std::string(kOpen) + "tick 3\n";
  for (std::string bad : {"5", "0", "2a", "\"\"", "65537"}) {
    ExpectRefused(open, "type 102 " + bad + "\n", 101, 102);
    // The animation runs on from where it was.
    ScriptRun run(open + "type 102 " + bad + "\npress 101\ntick\n");
    EXPECT_FALSE(FindText(run.top(), "4通り").IsNull()) << bad;
  }
}

TEST(Kazu1, CloseBoxStopsTheTimer) {
  RegisterAllDialogs();  // this test opens the dialog without the application
  ScriptHost host;
  Host::SetCurrent(&host);
  CKazu1 dlg;
  std::string err;
  bool running = false;
  int line = 0;
  host.RunDialog(dlg, [&]() -> std::optional<std::string> {
    if (line++ == 0) {
      running = !dlg.Timers().empty();
      return std::string("close");
    }
    return std::nullopt;
  }, err);
  Host::SetCurrent(nullptr);
  EXPECT_EQ(err, "");
  EXPECT_TRUE(running);
  EXPECT_TRUE(dlg.Timers().empty());
  EXPECT_TRUE(dlg.Ended());
}

TEST(Kazu1, DrillButtonOpensTheDrill) {
  EXPECT_EQ(DrillOpenedBy(2769), std::make_pair(2769, 0));
}

}  // namespace
}  // namespace vl::testing
