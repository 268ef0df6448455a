// The arithmetic of the organising-data page: fifty scores, their change, sort, statistics and
// class frequencies. A negative score marks an absent pupil, left out of every count.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vl::arrange {

inline constexpr int kPupils = 50;
inline constexpr int kClasses = 10;
inline constexpr int kTopScore = 100;

using Scores = std::array<int16_t, kPupils>;
using Frequencies = std::array<int16_t, kClasses>;

// Fifty scores 0..100 from the shared generator, in table order.
void DrawScores(Scores& scores);

// A typed score: digits with an optional leading sign, at most 100, fitting 16 bits. An empty
// text reads as 0; a negative value is accepted and marks the pupil absent.
std::optional<int16_t> ReadScore(std::u16string_view text);

// Exchange sort into descending order; absent pupils end up last.
void SortDescending(Scores& scores);

struct ScoreStats {
  int present = 0;  // pupils with a score >= 0
  int32_t total = 0;
  int highest = 0;         // starts from 0
  int lowest = kTopScore;  // starts from 100
  double mean = 0.0;       // 0 when nobody is present
};
ScoreStats Summarize(const Scores& scores);

// The median lines, read at positions of the table in its current order. The second line is
// empty for an odd number of pupils.
struct MedianLines {
  std::u16string first;
  std::u16string second;
};
MedianLines MedianOf(const Scores& scores, int present);

// Class of a score: 0 holds 0..10, class k (1..9) holds 10k+1..10k+10; -1 for an absent pupil.
int ClassOf(int score);
Frequencies ClassFrequencies(const Scores& scores);

}  // namespace vl::arrange
