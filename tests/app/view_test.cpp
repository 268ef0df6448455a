#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/globals.h"
#include "app/view_logic.h"
#include "support/script_fixture.h"

namespace vl::testing {
namespace {

int Paints(const ScriptRun& run) { return run.state()["windows"].AsArray()[0]["paints"].AsInt(); }

TEST(Diagram, StartsOnTheComplexNumbersWithTheirDefinition) {
  ScriptRun run("");
  const Json& view = run.top();
  EXPECT_EQ(view["kind"].AsString(), "view");
  const Json& def = FindText(view, "複素数Ｃ={a+bi |a,bは実数}");
  ASSERT_FALSE(def.IsNull());
  EXPECT_EQ(def["x"].AsInt(), 190);
  EXPECT_EQ(def["y"].AsInt(), 320);
  EXPECT_FALSE(FindText(view, "i=  -1").IsNull());
  // Labels sit opaque on their frames; the texts after them are transparent.
  EXPECT_TRUE(FindText(view, "自然数Ｎ")["opaque"].AsBool());
  EXPECT_FALSE(FindText(view, "無理数")["opaque"].AsBool());
  // Five nested frames, outermost first, each filled with its own palette colour.
  const char* rects[] = {"[80,80,520,300]", "[100,100,460,280]", "[120,120,400,260]",
                         "[140,140,340,240]", "[160,160,280,220]"};
  const char* fills[] = {"#008080", "#c0c0c0", "#c0dcc0", "#a6caf0", "#fffbf0"};
  size_t frames = 0;
  for (auto& op : view["ops"].AsArray()) {
    if (op["op"].AsString() != "rectangle") continue;
    ASSERT_LT(frames, 5u);
    EXPECT_EQ(op["rect"].Dump(), rects[frames]);
    EXPECT_EQ(op["brush"]["color"].AsString(), fills[frames]);
    ++frames;
  }
  EXPECT_EQ(frames, 5u);
}

TEST(Diagram, ClicksSelectTheInnermostFrameAndAlwaysRepaint) {
  ScriptRun run("click 350 190\n");
  EXPECT_FALSE(FindText(run.top(), "有理数Ｑ={m/n |m,nは整数,n≠0}").IsNull());
  EXPECT_TRUE(FindText(run.top(), "i=  -1").IsNull());
  EXPECT_EQ(Paints(run), 2);

  ScriptRun natural("click 200 190\n");
  EXPECT_FALSE(FindText(natural.top(), "自然数Ｎ={1,2,3,･･･}").IsNull());

  // Outside every frame: the selection stays, the view still repaints.
  ScriptRun outside("click 350 190\nclick 10 10\n");
  EXPECT_EQ(g_nViewState, 2);
  EXPECT_EQ(Paints(outside), 3);
  EXPECT_FALSE(FindText(outside.top(), "有理数Ｑ={m/n |m,nは整数,n≠0}").IsNull());
}

TEST(Puzzle, ShowsTheBoardWithWhiteNumbersOnTheDarkTiles) {
  ScriptRun run("time 1234\ncommand 2768\n");
  ASSERT_EQ(run.status(), 0) << run.error();
  const Json& view = run.top();
  EXPECT_FALSE(FindText(view, "移動回数： 0回").IsNull());
  EXPECT_TRUE(FindText(view, "数の分類 (枠内をクリック)").IsNull());
  int cells = 0;
  for (auto& op : view["ops"].AsArray())
    if (op["op"].AsString() == "fill_rect") ++cells;
  EXPECT_EQ(cells, 16);
  for (int i = 1; i < 16; ++i) {
    std::string number = (i < 10 ? " " : "") + std::to_string(i);
    const Json& t = FindText(view, number);
    ASSERT_FALSE(t.IsNull()) << i;
    EXPECT_EQ(t["color"].AsString(), i < 7 ? "#ffffff" : "#000000") << i;
    Rect cell = CellRect(g_ptTile[i]);
    EXPECT_EQ(t["x"].AsInt(), cell.left + 12);
    EXPECT_EQ(t["y"].AsInt(), cell.top + 12);
  }
  EXPECT_TRUE(IsBoard(g_ptTile));
  EXPECT_TRUE(IsSolvable(g_ptTile));
}

// A script that clicks the gap, then a neighbour, then a cell diagonal to the gap's new cell
// and the two borders.
std::string ClickScript(const Point (&tiles)[16], Point& neighbour) {
  Point gap = tiles[0];
  neighbour = {gap.x == 0 ? 1 : gap.x - 1, gap.y};
  Point diagonal{gap.x, gap.y == 0 ? 1 : gap.y - 1};
  auto click = [](Point c) {
    return "click " + std::to_string(120 + 40 * c.x) + " " + std::to_string(120 + 40 * c.y) + "\n";
  };
  return click(gap) + click(neighbour) + click(diagonal) + "click 100 150\nclick 260 150\n";
}

TEST(Puzzle, ClicksCountMovesAndSlideOnlyNeighbours) {
  ScriptRun dealt("time 99\ncommand 2768\n");
  Point tiles[16];
  std::copy(std::begin(g_ptTile), std::end(g_ptTile), tiles);
  Point neighbour;
  std::string clicks = ClickScript(tiles, neighbour);
  auto moved = std::find(std::begin(tiles), std::end(tiles), neighbour) - std::begin(tiles);

  ScriptRun run("time 99\ncommand 2768\n" + clicks);
  ASSERT_EQ(run.status(), 0) << run.error();
  // The gap click counts, the neighbour slides; the diagonal and the borders do nothing.
  EXPECT_FALSE(FindText(run.top(), "移動回数： 2回").IsNull());
  EXPECT_EQ(g_nViewState, 2);
  EXPECT_EQ(g_ptTile[0], neighbour);
  EXPECT_EQ(g_ptTile[moved], tiles[0]);
  EXPECT_EQ(Paints(run), 4);  // start-up, deal, gap click, slide
  EXPECT_TRUE(run.state()["messages"].AsArray().empty());
}

TEST(Puzzle, EachCommandDealsAFreshBoardFromTheClockWithTheCounterAtZero) {
  ScriptRun run(
      "time 5\ncommand 2768\nclick 120 120\nclick 160 120\nclick 120 160\n"
      "time 6\ncommand 2768\n");
  EXPECT_EQ(g_nViewState, 0);
  Point second[16];
  std::copy(std::begin(g_ptTile), std::end(g_ptTile), second);
  ScriptRun once("time 6\ncommand 2768\n");
  EXPECT_TRUE(std::equal(std::begin(second), std::end(second), std::begin(g_ptTile)));
  ScriptRun other("time 5\ncommand 2768\n");
  EXPECT_FALSE(std::equal(std::begin(second), std::end(second), std::begin(g_ptTile)));
}

TEST(Puzzle, ABrokenBoardIsReportedAndTheMoveCounted) {
  ScriptRun run("time 1\ncommand 2768\n");
  // Put the gap at (0,0) and leave its right-hand neighbour without a tile.
  for (int i = 0; i < 16; ++i) g_ptTile[i] = {i % 4, i / 4};
  g_ptTile[1] = g_ptTile[2];
  run.app().View()->LButtonDown({150, 120});
  EXPECT_EQ(g_nViewState, 1);
  EXPECT_EQ(g_ptTile[0], (Point{0, 0}));
  Json state = run.host().State();
  const auto& messages = state["messages"].AsArray();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0]["text"].AsString(), "パズルの数が異常になりました。");
  EXPECT_EQ(messages[0]["caption"].AsString(), "Velorin");
}

TEST(Puzzle, TheCounterStopsAtItsLargestValue) {
  ScriptRun run("time 1\ncommand 2768\n");
  g_nViewState = 32767;
  Point gap = g_ptTile[0];
  run.app().View()->LButtonDown({120 + 40 * gap.x, 120 + 40 * gap.y});
  EXPECT_EQ(g_nViewState, 32767);
}

}  // namespace
}  // namespace vl::testing
