// The arithmetic of the two-dice page (outcomes with a given sum, the reduced fraction) and of
// the knock-out bracket with as few byes as possible.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vl {

// Greatest common divisor by Euclid's algorithm (positive arguments).
int Gcd(int a, int b);

struct DicePair {
  int a = 0;  // first die
  int b = 0;  // second die
  friend bool operator==(const DicePair&, const DicePair&) = default;
};

// The outcomes of two dice whose sum is s, ordered by the first die, then the second; and the
// fraction count/36 with its divisor g (g = 1 when nothing reduces or there is no outcome).
struct SumOutcomes {
  std::vector<DicePair> pairs;
  int count = 0;
  int g = 1;
  bool Reduces() const { return count > 0 && g > 1; }
};
SumOutcomes OutcomesWithSum(int s);

// Entrants a bracket can draw.
inline constexpr int kMinEntrants = 2;
inline constexpr int kMaxEntrants = 64;

// A first-round slot: a game between entrants i and i + 1, or entrant i passing by bye.
struct FirstRoundSlot {
  bool game = false;
  int entrant = 0;
  int nodeX = 0;  // where the winner (or the bye) goes on to the next row
};

// A knock-out bracket of n entrants with the fewest byes, laid out over 32 units.
struct Bracket {
  int n = 0;
  int k = 0;                // 2^k <= n < 2^(k+1)
  int p = 0;                // 2^k: the entrants left after the first round
  int spacing = 0;          // pixels between neighbouring entrants
  int firstRoundGames = 0;  // n - p
  int byes = 0;             // 2p - n
  std::vector<FirstRoundSlot> firstRound;
  // rows[0]: the p nodes after the first round; each later row halves the one before, the
  // last holding the champion alone.
  std::vector<std::vector<int>> rows;
  int TotalGames() const;
};

// The bracket for n in kMinEntrants..kMaxEntrants, with unitX the page's horizontal unit.
Bracket MakeBracket(int n, int unitX);

}  // namespace vl
