#include "topics/probability/kakurit2_logic.h"

namespace vl {

int Gcd(int a, int b) {
  while (b != 0) {
    const int r = a % b;
    a = b;
    b = r;
  }
  return a;
}

SumOutcomes OutcomesWithSum(int s) {
  SumOutcomes out;
  for (int a = 1; a <= 6; ++a)
    for (int b = 1; b <= 6; ++b)
      if (a + b == s) out.pairs.push_back({a, b});
  out.count = static_cast<int>(out.pairs.size());
  if (out.count > 0) out.g = Gcd(out.count, 36);
  return out;
}

int Bracket::TotalGames() const {
  int games = firstRoundGames;
  for (std::size_t r = 0; r + 1 < rows.size(); ++r) games += static_cast<int>(rows[r].size()) / 2;
  return games;
}

Bracket MakeBracket(int n, int unitX) {
  Bracket b;
  b.n = n;
  b.k = 0;
  while (b.k < 6 && (2 << b.k) <= n) ++b.k;
  b.p = 1 << b.k;
  b.spacing = 32 * unitX / n;
  b.firstRoundGames = n - b.p;
  b.byes = 2 * b.p - n;

  // Games and byes alternate from the left until one kind runs out.
  const int d = b.spacing;
  int games = b.firstRoundGames, byes = b.byes;
  std::vector<int> nodes;
  for (int i = 0; i < n;) {
    if (games > 0) {
      const int x = (2 * i + 1) * d / 2;
      b.firstRound.push_back({true, i, x});
      nodes.push_back(x);
      --games;
      i += 2;
    }
    if (byes > 0 && i < n) {
      b.firstRound.push_back({false, i, i * d});
      nodes.push_back(i * d);
      --byes;
      i += 1;
    }
  }
  b.rows.push_back(nodes);
  while (b.rows.back().size() > 1) {
    const std::vector<int>& prev = b.rows.back();
    std::vector<int> next;
    for (std::size_t m = 0; m + 1 < prev.size(); m += 2)
      next.push_back((prev[m] + prev[m + 1]) / 2);
    b.rows.push_back(std::move(next));
  }
  return b;
}

}  // namespace vl
