// Program-wide values: the difficulty level and the main view's state.
#pragma once
#include <cstdint>

#include "platform/geometry.h"
#include "topics/level.h"

namespace vl {

// Main view: 0 = number-class diagram, 1 = 15-puzzle.
extern int32_t g_bPuzzle;
// Diagram: selected class frame; puzzle: moves so far.
extern int16_t g_nViewState;
// Cell (column, row) of tile i; tile 0 is the gap.
extern Point g_ptTile[16];

}  // namespace vl
