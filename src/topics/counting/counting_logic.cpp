#include "topics/counting/counting_logic.h"

#include "notation/format_text.h"
#include "notation/notation.h"
#include "platform/runtime.h"

namespace vl {

namespace {
std::u16string Format(std::u16string_view format, int value) {
  return FormatString(64, format, {FormatArg(value)});
}

int32_t Power(int base, int exponent) {
  int32_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= base;
  return p;
}

// n(n-1)...(n-k+1) / k!, both products first, then one division.
int32_t FallingOverFactorial(int n, int k) {
  int32_t p = 1, q = 1;
  for (int i = 0; i < k; ++i) {
    p *= n - i;
    q *= i + 1;
  }
  return p / q;
}

TwoCounts Refused(int edit) { return TwoCounts{0, 0, edit}; }
}  // namespace

std::optional<int16_t> ReadCount(std::u16string_view text) {
  if (IsUnsignedInteger(text) != 0) return std::nullopt;
  return ReadInt16(text);
}

std::optional<int16_t> CheckDice(std::u16string_view text) {
  auto n = ReadCount(text);
  if (!n || *n < 1 || *n > 4) return std::nullopt;
  return n;
}

int32_t EvenOutcomes(int n) { return Power(3, n); }

std::array<int, 4> DecodeStep(int k, int n) {
  int c = k - 1;
  const int digits[4] = {c / 27, (c % 27) / 9, (c % 9) / 3, c % 3};
  std::array<int, 4> faces{};
  for (int i = 0; i < n && i < 4; ++i) faces[i] = digits[4 - n + i];
  return faces;
}

std::u16string CaseProduct(int n, int j) {
  std::u16string s = j == 0 ? u"1" : u"5";
  for (int i = 1; i < n; ++i) s += i == j ? u"*1" : u"*5";
  return s;
}

int32_t ExactlyOneSix(int n) { return n * Power(5, n - 1); }

TwoCounts CheckArrangement(std::u16string_view n, std::u16string_view r, int editN, int editR) {
  auto vn = ReadCount(n);
  if (!vn || *vn < 1 || *vn > 10) return Refused(editN);
  auto vr = ReadCount(r);
  if (!vr || *vr < 1 || *vr > *vn) return Refused(editR);
  return TwoCounts{*vn, *vr, 0};
}

int32_t Permutations(int n, int r) {
  int32_t p = 1;
  for (int i = 0; i < r; ++i) p *= n - i;
  return p;
}

std::u16string PermutationFactors(int n, int r) {
  std::u16string s = Format(u"= %d", n);
  for (int i = 1; i < r; ++i) s += Format(u"*%d", n - i);
  return s;
}

int SlotColourIndex(int draw) {
  int c = draw % 16;
  return (c == 7 || c == 11) ? c - 3 : c;
}

CombinationTerms Combination(int n, int r) {
  CombinationTerms t;
  t.numer = n;
  t.denom = 1;
  t.numerText = Format(u" %d", n);
  t.denomText = Format(u" %d", 1);
  for (int i = 1; i < r; ++i) {
    t.numerText += Format(u"*%d", n - i);
    t.numer *= n - i;
    t.denomText += Format(u"*%d", i + 1);
    t.denom *= i + 1;
  }
  t.value = t.numer / t.denom;
  return t;
}

TwoCounts CheckBallot(std::u16string_view voters, std::u16string_view candidates, int editV,
                      int editK) {
  auto v = ReadCount(voters);
  if (!v || *v < 6 || *v > 18) return Refused(editV);
  // At least one candidate: with none there is no way to vote at all.
  auto k = ReadCount(candidates);
  if (!k || *k < 1 || *k >= 6 || *v * *k > 60) return Refused(editK);
  return TwoCounts{*v, *k, 0};
}

int32_t RepeatedPermutations(int k, int v) { return Power(k, v); }

int32_t RepeatedCombinations(int k, int v) {
  // (v+k-1)(v+k-2)...(v+1) / (k-1)!
  return FallingOverFactorial(v + k - 1, k - 1);
}

TwoCounts CheckStreets(std::u16string_view east, std::u16string_view north, int editE,
                       int editN) {
  auto e = ReadCount(east);
  if (!e || *e < 2) return Refused(editE);
  auto n = ReadCount(north);
  if (!n || *n <= 1 || *e + *n > 16) return Refused(editN);
  return TwoCounts{*e, *n, 0};
}

int32_t ShortestRoutes(int e, int n) { return FallingOverFactorial(e + n, e < n ? e : n); }

std::vector<Point> StaircaseRoute(const Rect& grid, int f, int g, int e, int n) {
  std::vector<Point> pts;
  Point p{grid.left, grid.bottom};
  pts.push_back(p);
  for (int step = 0; step < e + n; ++step) {
    bool east = step % 2 == 0;
    if (east) {
      if (p.x < grid.right) p.x += f;
      else p.y -= g;
    } else {
      if (p.y > grid.top) p.y -= g;
      else p.x += f;
    }
    pts.push_back(p);
  }
  return pts;
}

}  // namespace vl
