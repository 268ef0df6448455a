// The scales of the histogram and the cumulative frequency graph.
#pragma once
#include <array>
#include <cstdint>

namespace vl::graph {

inline constexpr int kClasses = 10;

// One graph's vertical scale from its largest value L and its height in pixels. When the steps
// of 50 would leave less than a pixel each, the step grows tenfold until ten steps or fewer.
struct Scale {
  int step = 1;    // m: 1 below 15, 10 below 100, else 50
  int steps = 1;   // q = L / m + 1
  int pixels = 0;  // p: pixels per step, (bottom - top) / q
  // Height above the bottom line at which value v is drawn (truncating).
  int HeightOf(int32_t v) const { return static_cast<int>(int64_t{v} * pixels / step); }
};
Scale ScaleFor(int32_t largest, int height);

// Running sums c_k = f_0 + ... + f_k, in 32 bits.
std::array<int32_t, kClasses> Cumulative(const std::array<int16_t, kClasses>& freq);
int32_t LargestOf(const std::array<int16_t, kClasses>& freq);

}  // namespace vl::graph
