// The arithmetic of the main view: the class frames of the number diagram and the 15-puzzle
// board (dealing, solvability and clicks), apart from any window.
#pragma once
#include <cstdint>

#include "platform/geometry.h"

namespace vl {

// Diagram face: five nested frames, 0 = complex numbers (outermost) to 4 = natural numbers.
inline constexpr int kClassFrames = 5;
Rect ClassFrame(int k);
// The innermost frame strictly containing p, or current when p lies in none.
int16_t HitClassFrame(Point p, int16_t current);

// Puzzle face: cell (column, row) of tile i; tile 0 is the gap.
using Tiles = Point[16];
inline constexpr int kBoardLeft = 100;
inline constexpr int kBoardTop = 100;
inline constexpr int kCellSize = 40;
Rect CellRect(Point cell);

// Deals the tiles with the shared generator: each tile in turn takes the first free cell that
// rand() % 16 names (column p / 4, row p % 4), for at most 1001 draws in all. Returns whether
// every tile was placed; unplaced tiles keep their cells.
bool DealTiles(Tiles& tiles);
// True when the 16 tiles stand on 16 different cells of the board.
bool IsBoard(const Tiles& tiles);
// True when the board can be slid into order (1 to 15 row by row, the gap last).
bool IsSolvable(const Tiles& tiles);
// Deals a fresh board that can always be solved: an unsolvable deal has tiles 1 and 2
// exchanged, which maps the unsolvable deals one to one onto the solvable ones.
void DealSolvableTiles(Tiles& tiles);

enum class PuzzleClick {
  kIgnored,  // outside the board, or not the gap nor one of its four neighbours
  kMoved,    // the tile slid into the gap (clicking the gap itself moves nothing)
  kNoTile,   // no tile stands on the clicked cell: the board is broken, nothing moved
};
// A click at p: slides the tile on the clicked cell into the gap.
PuzzleClick ClickTile(Tiles& tiles, Point p);

}  // namespace vl
