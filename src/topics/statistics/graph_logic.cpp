#include "topics/statistics/graph_logic.h"

namespace vl::graph {

Scale ScaleFor(int32_t largest, int height) {
  Scale s;
  s.step = largest < 15 ? 1 : (largest < 100 ? 10 : 50);
  s.steps = largest / s.step + 1;
  // A total so large that a step would get less than a pixel flattens the graph: such totals
  // take a step ten times larger until at most ten steps remain.
  if (height > 0 && height / s.steps == 0) {
    while (s.steps > 10) {
      s.step *= 10;
      s.steps = largest / s.step + 1;
    }
  }
  s.pixels = height / s.steps;
  return s;
}

std::array<int32_t, kClasses> Cumulative(const std::array<int16_t, kClasses>& freq) {
  std::array<int32_t, kClasses> c{};
  int32_t run = 0;
  for (int k = 0; k < kClasses; ++k) c[k] = run += freq[k];
  return c;
}

int32_t LargestOf(const std::array<int16_t, kClasses>& freq) {
  int32_t l = 0;
  for (int16_t f : freq)
    if (f > l) l = f;
  return l;
}

}  // namespace vl::graph
