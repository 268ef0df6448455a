#include "topics/probability/kakuritu_logic.h"

#include "platform/runtime.h"

namespace vl {

int ThrowDie(DieCounts& counts) {
  const int face = Rand() % 6 + 1;
  ++counts.count[face - 1];
  ++counts.total;
  counts.lastFace = static_cast<int16_t>(face);
  return face;
}

bool ThrowBatch(DieCounts& counts, int throws) {
  if (throws <= 0 || counts.total + throws > kMaxThrows) return false;
  for (int i = 0; i < throws; ++i) ThrowDie(counts);
  return true;
}

}  // namespace vl
