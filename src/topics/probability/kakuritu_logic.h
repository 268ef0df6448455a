// The die experiment: throws of one die counted face by face.
#pragma once
#include <cstdint>

namespace vl {

struct DieCounts {
  int16_t count[6] = {};  // how often faces 1..6 came up
  int16_t total = 0;
  int16_t lastFace = 0;  // the face of the last throw; 0 before the first
};

// The most throws the table may hold.
inline constexpr int kMaxThrows = 999;

// One throw with the shared generator: face rand() % 6 + 1 is counted. Returns the face.
int ThrowDie(DieCounts& counts);

// Performs a batch of throws when the whole batch keeps the total within kMaxThrows; false (and
// nothing thrown) otherwise.
bool ThrowBatch(DieCounts& counts, int throws);

}  // namespace vl
