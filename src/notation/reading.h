// Mathematics as it is spoken: the pieces every page's reading is built from. A reading is
// plain Japanese text with numbers left as digits, in the order a teacher reads the page:
// the problem, the worked solution, the answer.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "notation/format_text.h"

namespace vl {

// A number as digits; a double loses its trailing zeros ("0.50" -> "0.5").
std::u16string SpeakNumber(long long n);
std::u16string SpeakNumber(double x, int decimals);

// A written expression as spoken: full-width digits to digits, "*" and "×" as かける,
// "+" たす, "-" ひく, "=" は, "a/b" as "b分のa", "^n" and "²" as "のn乗", √ as ルート,
// π as パイ, ≦ ≧ < > as 以下 以上 小なり 大なり, ₙCᵣ-style subscripts as digits.
std::u16string SpeakExpression(std::u16string_view text);

// printf-style formatting for a reading's sentences, without a buffer's limit.
template <class... Args>
std::u16string Say(std::u16string_view format, const Args&... args) {
  return FormatString(4096, format, {FormatArg(args)...});
}

// "5C2" (read ごシーに); P and H alike.
std::u16string SpeakSymbol(char16_t letter, long long n, long long r);
// "b分のa".
std::u16string SpeakFraction(std::u16string_view numer, std::u16string_view denom);
// "xの2乗".
std::u16string SpeakPower(std::u16string_view base, std::u16string_view exponent);
// "ルートx".
std::u16string SpeakRoot(std::u16string_view radicand);

// A table read row by row, each value after its column heading:
// "表。1行目、階級 10、度数 3。2行目、…。"
std::u16string SpeakTable(const std::vector<std::u16string>& headings,
                          const std::vector<std::vector<std::u16string>>& rows);

// Sentences joined with "。"; empty parts are left out.
class Speech {
 public:
  Speech& operator<<(std::u16string_view sentence);
  const std::u16string& str() const { return text_; }
  operator std::u16string() const { return text_; }

 private:
  std::u16string text_;
};

}  // namespace vl
