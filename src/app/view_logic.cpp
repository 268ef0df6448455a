#include "app/view_logic.h"

#include <cstdlib>
#include <utility>

#include "platform/runtime.h"

namespace vl {

Rect ClassFrame(int k) {
  int left = 80 + 20 * k;
  return Rect::FromXYWH(left, left, 440 - 80 * k, 220 - 40 * k);
}

int16_t HitClassFrame(Point p, int16_t current) {
  for (int k = 0; k < kClassFrames; ++k) {
    Rect r = ClassFrame(k);
    // Strictly inside: the frame's own edges belong to the frame around it.
    if (r.left < p.x && p.x < r.right && r.top < p.y && p.y < r.bottom)
      current = static_cast<int16_t>(k);
  }
  return current;
}

Rect CellRect(Point cell) {
  return Rect::FromXYWH(kBoardLeft + kCellSize * cell.x, kBoardTop + kCellSize * cell.y, kCellSize,
                        kCellSize);
}

bool DealTiles(Tiles& tiles) {
  bool used[16] = {};
  int tile = 0;
  for (int draws = 0; tile < 16 && draws < 1001; ++draws) {
    int p = Rand() % 16;
    if (used[p]) continue;
    used[p] = true;
    tiles[tile++] = {p / 4, p % 4};
  }
  return tile == 16;
}

namespace {
int CellIndex(Point cell) { return cell.y * 4 + cell.x; }
bool OnBoard(Point cell) { return cell.x >= 0 && cell.x < 4 && cell.y >= 0 && cell.y < 4; }
}  // namespace

bool IsBoard(const Tiles& tiles) {
  bool used[16] = {};
  for (int i = 0; i < 16; ++i) {
    if (!OnBoard(tiles[i]) || used[CellIndex(tiles[i])]) return false;
    used[CellIndex(tiles[i])] = true;
  }
  return true;
}

bool IsSolvable(const Tiles& tiles) {
  if (!IsBoard(tiles)) return false;
  // Each slide is one exchange with the gap and moves the gap one step, so the parity of the
  // arrangement (as a permutation of the solved board) always equals the parity of the gap's
  // distance from its home cell; every board with equal parities can be solved.
  int home[16];  // home[cell] = the solved cell of the tile standing on it
  for (int i = 0; i < 16; ++i) home[CellIndex(tiles[i])] = i == 0 ? 15 : i - 1;
  bool seen[16] = {};
  int cycles = 0;
  for (int c = 0; c < 16; ++c) {
    if (seen[c]) continue;
    ++cycles;
    for (int d = c; !seen[d]; d = home[d]) seen[d] = true;
  }
  int permutationParity = (16 - cycles) % 2;
  int gapDistance = (3 - tiles[0].x) + (3 - tiles[0].y);
  return permutationParity == gapDistance % 2;
}

void DealSolvableTiles(Tiles& tiles) {
  // Every seed of the generator places all sixteen tiles long before the draws run out.
  DealTiles(tiles);
  if (IsBoard(tiles) && !IsSolvable(tiles)) std::swap(tiles[1], tiles[2]);
}

PuzzleClick ClickTile(Tiles& tiles, Point p) {
  if (!(kBoardLeft < p.x && p.x < kBoardLeft + 4 * kCellSize && kBoardTop < p.y &&
        p.y < kBoardTop + 4 * kCellSize))
    return PuzzleClick::kIgnored;
  Point cell{(p.x - kBoardLeft) / kCellSize, (p.y - kBoardTop) / kCellSize};
  Point gap = tiles[0];
  bool inLine = cell.x == gap.x || cell.y == gap.y;
  if (!inLine || std::abs(gap.x - cell.x) >= 2 || std::abs(gap.y - cell.y) >= 2)
    return PuzzleClick::kIgnored;
  for (int i = 0; i < 16; ++i) {
    if (tiles[i] == cell) {
      tiles[0] = cell;
      tiles[i] = gap;
      return PuzzleClick::kMoved;
    }
  }
  return PuzzleClick::kNoTile;
}

}  // namespace vl
