#include "topics/statistics/correlate_logic.h"

#include <cmath>

#include "notation/format_text.h"
#include "topics/statistics/toukei_logic.h"

namespace vl::correlate {

Table InitialTable() {
  Table t{};
  for (int c = 0; c < kClasses; ++c)
    for (int r = 0; r < kClasses; ++r) t[kClasses * c + r] = static_cast<int16_t>(c + r);
  t[kClasses * 0 + 2] = 6;
  return t;
}

std::optional<int16_t> ReadCellCount(std::u16string_view text) {
  if (text.empty()) return std::nullopt;
  std::optional<int16_t> v = toukei::ReadWholeNumber(text);
  if (!v || *v > kMaxCount) return std::nullopt;
  return v;
}

namespace {
// Fills one side's margin; cell(k, j) is the count in class k of this side and class j of the
// other side.
template <class Cell>
Margin MarginOf(Cell cell) {
  Margin m;
  for (int k = 0; k < kClasses; ++k) {
    int u = Coded(k);
    int32_t n = 0, cross = 0;
    for (int j = 0; j < kClasses; ++j) {
      n += cell(k, j);
      cross += cell(k, j) * Coded(j);
    }
    m.n[k] = n;
    m.nu[k] = n * u;
    m.nu2[k] = n * u * u;
    m.cross[k] = cross;
    m.ucross[k] = u * cross;
    m.total += n;
    m.sumU += m.nu[k];
    m.sumU2 += m.nu2[k];
    m.sumCross += cross;
    m.sumUCross += m.ucross[k];
  }
  return m;
}
}  // namespace

Sums SumsOf(const Table& t) {
  Sums s;
  s.maths = MarginOf([&](int r, int c) -> int32_t { return t[kClasses * c + r]; });
  s.science = MarginOf([&](int c, int r) -> int32_t { return t[kClasses * c + r]; });
  return s;
}

double MeanScore(int32_t sumU, int32_t total) {
  if (total == 0) return 0.0;
  return 75.0 + 10.0 * sumU / total;
}

std::u16string BetterInMathsLine(const Table& t) {
  std::u16string line;
  int32_t sum = 0;
  for (int c = 0; c < kClasses; ++c)
    for (int r = c + 1; r < kClasses; ++r) {
      int n = t[kClasses * c + r];
      if (n == 0) continue;
      if (!line.empty()) line += u'+';
      line += FormatString(8, u"%d", {n});
      sum += n;
    }
  return line + FormatString(16, u"=%d", {sum});
}

Coefficient CoefficientOf(const Sums& s) {
  Coefficient k;
  const Margin& x = s.science;
  const Margin& y = s.maths;
  if (x.total != 0) {
    k.xbar = static_cast<double>(x.sumU) / x.total;
    k.sx2 = static_cast<double>(x.sumU2) / x.total - k.xbar * k.xbar;
  }
  if (y.total != 0) {
    k.ybar = static_cast<double>(y.sumU) / y.total;
    k.sy2 = static_cast<double>(y.sumU2) / y.total - k.ybar * k.ybar;
  }
  if (x.total != 0 && y.total != 0 && k.sx2 > 0 && k.sy2 > 0) {
    k.r = (static_cast<double>(x.sumUCross) / x.total - k.ybar * k.xbar) / std::sqrt(k.sx2 * k.sy2);
    k.hasR = true;
  }
  return k;
}

std::u16string_view Verdict(double r) {
  if (r > 0.5) return u"正の相関が認められる。";
  if (r < -0.5) return u"負の相関が認められる。";
  return u"相関が認められない。";
}

}  // namespace vl::correlate
