#include "app/view_logic.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "platform/runtime.h"

namespace vl {
namespace {

// The solved board: 1 to 15 row by row, the gap in the bottom-right cell.
void Solved(Tiles& t) {
  t[0] = {3, 3};
  for (int i = 1; i < 16; ++i) t[i] = {(i - 1) % 4, (i - 1) / 4};
}

Point CellCentre(Point cell) { return {120 + 40 * cell.x, 120 + 40 * cell.y}; }

TEST(Diagram, InnermostFrameStrictlyContainingTheClickWins) {
  EXPECT_EQ(HitClassFrame({350, 190}, 0), 2);  // in frames 0, 1 and 2
  EXPECT_EQ(HitClassFrame({90, 90}, 4), 0);
  EXPECT_EQ(HitClassFrame({200, 190}, 0), 4);
  EXPECT_EQ(HitClassFrame({10, 10}, 3), 3);  // outside every frame: unchanged
  // Edges belong to no frame: on frame 1's left edge only frame 0 holds the point.
  EXPECT_EQ(HitClassFrame({100, 150}, 4), 0);
  EXPECT_EQ(HitClassFrame({80, 150}, 4), 4);
  EXPECT_EQ(HitClassFrame({519, 299}, 4), 0);
  EXPECT_EQ(HitClassFrame({520, 299}, 4), 4);
  Rect innermost = ClassFrame(4);
  EXPECT_EQ(innermost, (Rect{160, 160, 280, 220}));
}

TEST(PuzzleClick, BoardBordersAreIgnoredAndTheLastPixelsBelongToTheLastCells) {
  Tiles t;
  Solved(t);
  for (Point p : {Point{100, 250}, Point{260, 250}, Point{250, 100}, Point{250, 260}}) {
    Tiles before;
    std::memcpy(before, t, sizeof t);
    EXPECT_EQ(ClickTile(t, p), PuzzleClick::kIgnored) << p.x << "," << p.y;
    EXPECT_TRUE(std::equal(std::begin(t), std::end(t), std::begin(before)));
  }
  // (259, 219): column 3, row 2 is tile 12 above the gap.
  EXPECT_EQ(ClickTile(t, {259, 219}), PuzzleClick::kMoved);
  EXPECT_EQ(t[0], (Point{3, 2}));
  EXPECT_EQ(t[12], (Point{3, 3}));
}

TEST(PuzzleClick, OnlyTheFourNeighboursSlide) {
  Tiles t;
  Solved(t);
  t[0] = {1, 1};
  t[6] = {3, 3};  // tile 6 leaves (1,1) for the gap's cell
  Tiles start;
  std::memcpy(start, t, sizeof t);
  for (Point far : {Point{0, 0}, Point{2, 2}, Point{0, 2}, Point{2, 0}, Point{3, 1}, Point{1, 3}}) {
    EXPECT_EQ(ClickTile(t, CellCentre(far)), PuzzleClick::kIgnored) << far.x << "," << far.y;
    EXPECT_TRUE(std::equal(std::begin(t), std::end(t), std::begin(start)));
  }
  for (Point near : {Point{1, 0}, Point{0, 1}, Point{2, 1}, Point{1, 2}}) {
    std::memcpy(t, start, sizeof t);
    auto tile = std::find(std::begin(t), std::end(t), near) - std::begin(t);
    EXPECT_EQ(ClickTile(t, CellCentre(near)), PuzzleClick::kMoved);
    EXPECT_EQ(t[0], near);
    EXPECT_EQ(t[tile], (Point{1, 1}));
  }
  // The gap itself: counted by the view, but nothing moves.
  std::memcpy(t, start, sizeof t);
  EXPECT_EQ(ClickTile(t, CellCentre({1, 1})), PuzzleClick::kMoved);
  EXPECT_TRUE(std::equal(std::begin(t), std::end(t), std::begin(start)));
}

TEST(PuzzleClick, ABrokenBoardIsReportedAndNothingIsWrittenOutsideIt) {
  Tiles t;
  Solved(t);
  t[12] = t[11];  // cell (3,2) above the gap now holds no tile
  Tiles before;
  std::memcpy(before, t, sizeof t);
  EXPECT_FALSE(IsBoard(t));
  EXPECT_EQ(ClickTile(t, CellCentre({3, 2})), PuzzleClick::kNoTile);
  EXPECT_TRUE(std::equal(std::begin(t), std::end(t), std::begin(before)));
}

TEST(Solvability, ReachableBoardsAreSolvableAndOneExchangeIsNot) {
  Tiles t;
  Solved(t);
  EXPECT_TRUE(IsSolvable(t));
  std::swap(t[14], t[15]);
  EXPECT_FALSE(IsSolvable(t));  // the classic 14-15 board
  // Random slides from the solved board stay solvable; any exchange of two tiles breaks it.
  Srand(7);
  for (int walk = 0; walk < 200; ++walk) {
    Solved(t);
    for (int step = 0; step < walk * 3; ++step) {
      Point gap = t[0];
      const Point dirs[4] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
      Point d = dirs[Rand() % 4];
      Point to{gap.x + d.x, gap.y + d.y};
      if (to.x < 0 || to.x > 3 || to.y < 0 || to.y > 3) continue;
      ASSERT_EQ(ClickTile(t, CellCentre(to)), PuzzleClick::kMoved);
    }
    ASSERT_TRUE(IsSolvable(t)) << "walk " << walk;
    int a = 1 + Rand() % 15, b = 1 + (a + Rand() % 14) % 15;
    std::swap(t[a], t[b]);
    ASSERT_FALSE(IsSolvable(t)) << "walk " << walk << " exchange " << a << "," << b;
  }
}

// rand() % 16 reads bits 16..19 of the generator's state, which depend on its low 20 bits only:
// these 2^20 seeds stand for every seed the clock can give.
TEST(Deal, EverySeedDealsACompleteSolvableBoardDifferingFromTheRawDealAtMostBy1And2) {
  int incomplete = 0, unsolvable = 0, otherwiseChanged = 0, exchanged = 0;
  for (uint32_t seed = 0; seed < (1u << 20); ++seed) {
    Tiles raw{}, dealt{};
    Srand(seed);
    if (!DealTiles(raw)) ++incomplete;
    Srand(seed);
    DealSolvableTiles(dealt);
    if (!IsSolvable(dealt)) ++unsolvable;
    if (!std::equal(std::begin(raw), std::end(raw), std::begin(dealt))) {
      ++exchanged;
      std::swap(raw[1], raw[2]);
      if (!std::equal(std::begin(raw), std::end(raw), std::begin(dealt))) ++otherwiseChanged;
    }
  }
  EXPECT_EQ(incomplete, 0);
  EXPECT_EQ(unsolvable, 0);
  EXPECT_EQ(otherwiseChanged, 0);
  // About half of the raw deals could not be solved.
  EXPECT_GT(exchanged, (1 << 20) * 45 / 100);
  EXPECT_LT(exchanged, (1 << 20) * 55 / 100);
}

}  // namespace
}  // namespace vl
