// The texts and counts of the drill pages that are worth computing apart from drawing.
#pragma once
#include <string>
#include <vector>

namespace vl {

// One exercise on the basics of sets, for a = A, b = B and the caller's item.
struct SetBasicsExercise {
  bool heading = false;    // "全体集合U={実数}のとき" comes first
  std::u16string problem;  // empty: no exercise for this item
  std::u16string answer;
};
SetBasicsExercise MakeSetBasicsExercise(int a, int b, int item);

// Three-digit numbers of distinct digits 0..4 (no leading 0) that m divides, in the order
// hundreds, tens, units ascending.
std::vector<std::u16string> DistinctDigitMultiples(int m);

// "=p/q" for count/48 reduced by the greatest common divisor, or "" when it does not reduce.
std::u16string ReducedSuffix(int count, int whole);

}  // namespace vl
