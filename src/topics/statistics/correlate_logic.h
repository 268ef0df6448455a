// The arithmetic of the correlation table: five science classes (columns, X) against five
// mathematics classes (rows, Y), coded u = k - 2 about the assumed mean 75 with class width 10.
// Sums are held in 32 bits.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vl::correlate {

inline constexpr int kClasses = 5;
inline constexpr int kMaxCount = 999;

// Cell (c, r) is at index 5c + r.
using Table = std::array<int16_t, kClasses * kClasses>;

// c + r in every cell, with 6 in column 0, row 2: both totals are 104.
Table InitialTable();

// A cell count typed into the count box: a whole number 0..999; anything else gives nothing.
std::optional<int16_t> ReadCellCount(std::u16string_view text);

inline int Coded(int k) { return k - 2; }
inline int ClassValue(int k) { return 55 + 10 * k; }

// The marginal sums of one side: per class the total, total·u, total·u², the cross sum
// Σ f·(other u) and u·(cross sum); then the grand totals of each.
struct Margin {
  std::array<int32_t, kClasses> n{}, nu{}, nu2{}, cross{}, ucross{};
  int32_t total = 0;      // N
  int32_t sumU = 0;       // A = Σ n·u
  int32_t sumU2 = 0;      // B = Σ n·u²
  int32_t sumCross = 0;   // Σ cross
  int32_t sumUCross = 0;  // C = Σ u·cross
};
struct Sums {
  Margin maths;    // per row r (Y)
  Margin science;  // per column c (X)
};
Sums SumsOf(const Table& t);

// 75 + 10 A / N; 0 when N = 0.
double MeanScore(int32_t sumU, int32_t total);

// The cells with the science class below the mathematics class (c < r): their non-zero counts
// joined by "+", then "=" and their sum.
std::u16string BetterInMathsLine(const Table& t);

// Coded means, variances and the correlation coefficient. When N = 0 the means and variances
// read 0; r exists only when both N are non-zero and both variances positive.
struct Coefficient {
  double xbar = 0, ybar = 0, sx2 = 0, sy2 = 0, r = 0;
  bool hasR = false;
};
Coefficient CoefficientOf(const Sums& s);

// "正の相関が認められる。" above 0.5, "負の相関が認められる。" below -0.5, else
// "相関が認められない。".
std::u16string_view Verdict(double r);

}  // namespace vl::correlate
