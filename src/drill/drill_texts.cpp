#include "drill/drill_texts.h"

#include <numeric>
#include <string>

namespace vl {

namespace {

std::u16string Num(int v) {
  std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

// first, first + 1, ..., last separated by ","; empty when last < first.
std::u16string Run(int first, int last) {
  std::u16string out;
  for (int i = first; i <= last; ++i) {
    if (i > first) out += u',';
    out += Num(i);
  }
  return out;
}

}  // namespace

SetBasicsExercise MakeSetBasicsExercise(int a, int b, int item) {
  const int n = a * b;
  // The divisors of n, and whether a + b is one of them.
  std::u16string divisors = u"{";
  bool sumDivides = false;
  for (int k = 1; k <= n; ++k) {
    if (n % k != 0) continue;
    if (divisors.size() > 1) divisors += u',';
    divisors += Num(k);
    if (k == a + b) sumDivides = true;
  }
  divisors += u'}';
  const std::u16string la = Run(1, a);
  const std::u16string lb = Run(a, a + b - 1);
  const std::u16string set = u"{x|xは" + Num(n) + u"の約数}";
  const auto twoSets = [&](std::u16string_view what) {
    return u"A={" + la + u"},B={" + lb + u"}の" + std::u16string(what) + u"を求めよ。";
  };
  const auto complement = [](const std::u16string& cond) {
    return u"A={x| " + cond + u"}の補集合を求めよ。";
  };

  SetBasicsExercise ex;
  switch (item) {
    case 0:
      ex.problem = set + u"の元を列挙して表せ。";
      ex.answer = divisors;
      break;
    case 1:
      ex.problem = Num(a + b) + u"は" + set + u"の元か？";
      ex.answer = sumDivides ? u"元である。" : u"元でない。";
      break;
    case 2:
      ex.problem = u"{1,2,3}の部分集合をすべて求めよ。";
      // Every subset, the whole set included.
      ex.answer = u"{},{1},{2},{3},{1,2},{2,3},{3,1},{1,2,3}";
      break;
    case 3:
      ex.problem = twoSets(u"和集合");
      ex.answer = u"{" + Run(1, a + b - 1) + u"}";
      break;
    case 4:
      ex.problem = twoSets(u"交わり");
      ex.answer = u"{" + Num(a) + u"}";
      break;
    case 5:
      ex.problem = twoSets(u"差Ａ－Ｂ");
      ex.answer = u"{" + Run(1, a - 1) + u"}";
      break;
    case 6:
      ex.heading = true;
      ex.problem = complement(u"x>" + Num(a));
      ex.answer = u"{x|x≦" + Num(a) + u"}";
      break;
    case 7:
      ex.heading = true;
      ex.problem = complement(u"x<-" + Num(a) + u",X>" + Num(b));
      ex.answer = u"{x|-" + Num(a) + u"≦x≦" + Num(b) + u"}";
      break;
    case 8:
      ex.heading = true;
      ex.problem = complement(u"-" + Num(a) + u"<x<" + Num(b));
      ex.answer = u"{x|x≦-" + Num(a) + u",x≧" + Num(b) + u"}";
      break;
    default:  // no exercise: the heading of the complement items alone
      ex.heading = true;
      break;
  }
  return ex;
}

std::vector<std::u16string> DistinctDigitMultiples(int m) {
  std::vector<std::u16string> out;
  if (m == 0) return out;
  for (int h = 1; h <= 4; ++h)
    for (int t = 0; t <= 4; ++t) {
      if (t == h) continue;
      for (int u = 0; u <= 4; ++u) {
        if (u == t || u == h) continue;
        if ((100 * h + 10 * t + u) % m != 0) continue;
        out.push_back({static_cast<char16_t>(u'0' + h), static_cast<char16_t>(u'0' + t),
                       static_cast<char16_t>(u'0' + u)});
      }
    }
  return out;
}

std::u16string ReducedSuffix(int count, int whole) {
  if (count == 0) return u"";
  int g = std::gcd(count, whole);
  if (g < 2) return u"";
  return u"=" + Num(count / g) + u"/" + Num(whole / g);
}

}  // namespace vl
