// The arithmetic of the number-of-elements page: checking the four counts of a class and the
// subtraction that gives the size of the painted set.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vl {

// A class U with the boys A and the pupils with glasses B.
struct SetCounts {
  int16_t nClass = 50;       // n(U)
  int16_t nBoys = 24;        // n(A)
  int16_t nGlasses = 10;     // n(B)
  int16_t nBoysGlasses = 6;  // n(A∩B)
  friend bool operator==(const SetCounts&, const SetCounts&) = default;
};

// What checking the four typed counts gave: all four, or the index (0..3) of the first text
// that was refused, in the order class, boys, glasses, boys with glasses.
struct CountsCheck {
  std::optional<SetCounts> counts;
  int refused = -1;
};

// Each text must be digits only (empty reads as 0) and fit 16 bits; then the class has at
// least 8 pupils, boys and glasses are at most the class, boys with glasses at most either,
// and there are at least as many girls as girls with glasses.
CountsCheck CheckCounts(const std::array<std::u16string_view, 4>& texts);

// The subtraction for the set of choice 1..4 (girls; girls with glasses; without glasses;
// girls without glasses), e.g. "50 -24 = 26 (人)"; nothing for any other choice.
std::optional<std::u16string> SetFormula(int choice, const SetCounts& c);

}  // namespace vl
