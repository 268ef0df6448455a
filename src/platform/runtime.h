// Stand-ins for the C runtime the pages rely on: the classic pseudo-random generator, the clock
// that time() reads, and the reading of a number the pupil typed.
#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace vl {

// The classic C library generator: srand(s) sets the state to s; rand() steps
// state = state * 214013 + 2531011 (mod 2^32) and returns bits 16..30.
class CRandom {
 public:
  void Seed(uint32_t s) { state_ = s; }
  int Next() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFF);
  }
  uint32_t State() const { return state_; }

  // The one generator the whole program shares, as the C runtime has one.
  static CRandom& Global();

 private:
  uint32_t state_ = 1;
};

inline void Srand(uint32_t seed) { CRandom::Global().Seed(seed); }
inline int Rand() { return CRandom::Global().Next(); }

// The clock that time() reads: real seconds unless a host sets a fixed value.
class Clock {
 public:
  static int64_t Now();
  static void SetFixed(std::optional<int64_t> seconds);
};
inline int64_t Time() { return Clock::Now(); }

// Wide text to integer, as the standard conversion reads it: optional blanks, an optional sign,
// then the leading digits (none gives 0). A value outside the 16-bit signed range does not fit
// the pupil's numbers and gives no value, so callers refuse it like any other bad entry.
std::optional<int16_t> ReadInt16(std::u16string_view text);
// The same reading without the 16-bit limit (saturating at the 32-bit range).
int32_t ReadInt32(std::u16string_view text);
// Wide text to double, as the standard conversion reads it (leading part; none gives 0).
double ReadDouble(std::u16string_view text);

}  // namespace vl
