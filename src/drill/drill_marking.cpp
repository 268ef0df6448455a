#include "drill/drill_marking.h"

#include <numeric>

#include "drill/drill_texts.h"

namespace vl {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u3000'; }

// Full-width forms to their plain counterparts; other characters unchanged.
char16_t Plain(char16_t c) {
  if (c >= u'０' && c <= u'９') return static_cast<char16_t>(u'0' + (c - u'０'));
  switch (c) {
    case u'＋': return u'+';
    case u'－':
    case u'\u2212': return u'-';  // the minus sign
    case u'／': return u'/';
    default: return c;
  }
}

// Reads 1 to 9 digits from text at i.
std::optional<int64_t> Digits(std::u16string_view text, size_t& i) {
  int64_t v = 0;
  size_t n = 0;
  for (; i < text.size() && Plain(text[i]) >= u'0' && Plain(text[i]) <= u'9'; ++i, ++n) {
    if (n == 9) return std::nullopt;
    v = v * 10 + (Plain(text[i]) - u'0');
  }
  if (n == 0) return std::nullopt;
  return v;
}

}  // namespace

std::optional<AnswerNumber> ParseAnswer(std::u16string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  size_t i = 0;
  bool negative = false;
  if (i < text.size() && (Plain(text[i]) == u'+' || Plain(text[i]) == u'-'))
    negative = Plain(text[i++]) == u'-';
  auto num = Digits(text, i);
  if (!num) return std::nullopt;
  int64_t den = 1;
  if (i < text.size() && Plain(text[i]) == u'/') {
    ++i;
    auto d = Digits(text, i);
    if (!d || *d == 0) return std::nullopt;
    den = *d;
  }
  if (i != text.size()) return std::nullopt;
  const int64_t g = std::gcd(*num, den);
  return AnswerNumber{(negative ? -*num : *num) / g, den / g};
}

std::u16string FormatAnswer(const AnswerNumber& n) {
  std::string s = std::to_string(n.num);
  if (n.den != 1) s += "/" + std::to_string(n.den);
  return {s.begin(), s.end()};
}

DrillMarking MarkingOf(int code, const DrillSlots& s) {
  auto number = [](int64_t num, int64_t den = 1) {
    const int64_t g = std::gcd(num, den);
    return DrillMarking{MarkKind::kNumber, {num / g, den / g}};
  };
  switch (code) {
    case 2769:
    case 2770:
    case 2772:
    case 2775:
    case 2776: return number(s.m_nAns);
    case 2771: return number(s.m_nAns - s.m_nAux1);  // numbers without a leading 0
    case 2777: return number(252 - s.m_nAux2 * s.m_nAux1);
    case 2781:  // the probability: multiples among the 48 numbers
      return number(static_cast<int64_t>(DistinctDigitMultiples(s.m_nB).size()), 48);
    case 2782:  // the ring's area is a number times π; the other two ask for several numbers
      if (s.m_nSubMode == 2) return number(s.m_nAns * s.m_nAns);
      return {MarkKind::kSelf, {}};
    case 2778:
    case 2779:
    case 2787: return {MarkKind::kSelf, {}};
    default: return {};
  }
}

std::u16string_view DrillKindName(int code) {
  switch (code) {
    case 2769: return u"場合の数１";
    case 2770: return u"場合の数２";
    case 2771: return u"順列";
    case 2772: return u"組合せ";
    case 2775: return u"重複組合せ";
    case 2776: return u"集合の基礎";
    case 2777: return u"順列(順路)";
    case 2778: return u"推論";
    case 2779: return u"証明";
    case 2781: return u"確率";
    case 2782: return u"発想の転換";
    case 2787: return u"元の個数";
    default: return {};
  }
}

}  // namespace vl
