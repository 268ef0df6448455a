// The arithmetic of the counting topics, apart from any window: reading the pupil's numbers,
// the counts, and the texts of the worked solutions.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/geometry.h"

namespace vl {

// A typed number: digits only (an empty box reads as 0) and within 16 bits; nothing otherwise.
std::optional<int16_t> ReadCount(std::u16string_view text);

// The outcome of checking two boxes: the values, or the edit box that refused them.
struct TwoCounts {
  int16_t first = 0;
  int16_t second = 0;
  int refusedEdit = 0;  // 0 when both were accepted
  bool Accepted() const { return refusedEdit == 0; }
};

// --- Product rule and sum rule: 1 to 4 dice -----------------------------------------------

std::optional<int16_t> CheckDice(std::u16string_view text);
// 3^n: each die shows one of three even faces.
int32_t EvenOutcomes(int n);
// The faces of outcome k (1..3^n) as row offsets 0, 1, 2 (faces 2, 4, 6) of dice 1..n, the
// last die changing fastest.
std::array<int, 4> DecodeStep(int k, int n);

// Case j (0-based) of "exactly one die shows a six": 5*..*1*..*5 with the 1 at position j.
std::u16string CaseProduct(int n, int j);
// n * 5^(n-1).
int32_t ExactlyOneSix(int n);

// --- Permutations -------------------------------------------------------------------------

// n (edit 105) in 1..10, r (edit 106) in 1..n.
TwoCounts CheckArrangement(std::u16string_view n, std::u16string_view r, int editN, int editR);
// nPr = n(n-1)...(n-r+1).
int32_t Permutations(int n, int r);
// "= n*(n-1)*...*(n-r+1)"
std::u16string PermutationFactors(int n, int r);
// The slot colour from a raw draw: a palette index 0..15 that is never one of the light greys.
int SlotColourIndex(int draw);

// --- Combinations -------------------------------------------------------------------------

struct CombinationTerms {
  std::u16string numerText;  // " n*(n-1)*...*(n-r+1)"
  std::u16string denomText;  // " 1*2*...*r"
  int32_t numer = 1;
  int32_t denom = 1;
  int32_t value = 1;
};
CombinationTerms Combination(int n, int r);

// --- Repetition: V voters, K candidates ---------------------------------------------------

// V (editV) in 6..18; K (editK) in 1..5 with V*K <= 60.
TwoCounts CheckBallot(std::u16string_view voters, std::u16string_view candidates, int editV,
                      int editK);
// K^V, a named ballot.
int32_t RepeatedPermutations(int k, int v);
// kHv = (v+k-1)Cv, a secret ballot.
int32_t RepeatedCombinations(int k, int v);

// --- Shortest routes ----------------------------------------------------------------------

// E (editE) at least 2; N (editN) at least 2 with E + N <= 16.
TwoCounts CheckStreets(std::u16string_view east, std::u16string_view north, int editE,
                       int editN);
// (E+N)! / (E! N!)
int32_t ShortestRoutes(int e, int n);
// The staircase route from the south-west corner of the grid (left, top)-(right, bottom) with
// blocks f wide and g high: E + N steps, east first, alternating, finishing along the side that
// remains. The first point is the start.
std::vector<Point> StaircaseRoute(const Rect& grid, int f, int g, int e, int n);

}  // namespace vl
