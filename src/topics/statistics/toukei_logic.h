// The arithmetic of the frequency table: ten classes of width 10 with the assumed mean 55.
// Every product and sum is held in 32 bits, so large frequencies never wrap.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vl::toukei {

inline constexpr int kClasses = 10;
inline constexpr int kAssumedMean = 55;
inline constexpr int kClassWidth = 10;

using Column = std::array<int16_t, kClasses>;

// A typed frequency or score: digits only, fitting 16 bits (0..32767). Empty reads as 0.
std::optional<int16_t> ReadWholeNumber(std::u16string_view text);

// Class value of class k: 5, 15, ..., 95.
inline int16_t ClassValue(int k) { return static_cast<int16_t>(5 + kClassWidth * k); }

struct Row {
  int32_t u = 0;  // (x - 55) / 10, truncating
  int32_t uf = 0;
  int32_t u2f = 0;
};
Row RowOf(int classValue, int frequency);

struct Totals {
  int32_t f = 0;
  int32_t uf = 0;
  int32_t u2f = 0;
};
Totals TotalsOf(const Column& mid, const Column& freq);

// Mean m = 10 Σuf / n + 55 and standard deviation s = 10 √(Σu²f / n - (Σuf / n)²), in single
// precision as the page shows them. Both need totals.f != 0. A variance that rounding leaves
// a hair below zero counts as zero.
float MeanOf(const Totals& t);
float SdOf(const Totals& t);

// Deviation score 50 + 10 (score - m) / s, truncated toward zero; needs sd > 0.
int DeviationScore(int score, float mean, float sd);

}  // namespace vl::toukei
