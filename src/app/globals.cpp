#include "app/globals.h"

namespace vl {

int32_t g_bPuzzle = 0;
int16_t g_nViewState = 0;
Point g_ptTile[16] = {};

}  // namespace vl
