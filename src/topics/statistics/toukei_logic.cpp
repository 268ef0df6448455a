#include "topics/statistics/toukei_logic.h"

#include <cmath>

#include "notation/notation.h"
#include "platform/runtime.h"

namespace vl::toukei {

std::optional<int16_t> ReadWholeNumber(std::u16string_view text) {
  if (IsUnsignedInteger(text) != 0) return std::nullopt;
  return ReadInt16(text);  // nullopt above 32767
}

Row RowOf(int classValue, int frequency) {
  Row r;
  r.u = (classValue - kAssumedMean) / kClassWidth;
  r.uf = frequency * r.u;
  r.u2f = r.u * r.uf;
  return r;
}

Totals TotalsOf(const Column& mid, const Column& freq) {
  Totals t;
  for (int k = 0; k < kClasses; ++k) {
    Row r = RowOf(mid[k], freq[k]);
    t.f += freq[k];
    t.uf += r.uf;
    t.u2f += r.u2f;
  }
  return t;
}

float MeanOf(const Totals& t) {
  return static_cast<float>(static_cast<double>(10 * t.uf) / t.f + kAssumedMean);
}

float SdOf(const Totals& t) {
  float a = static_cast<float>(static_cast<double>(t.uf) / t.f);
  float v = static_cast<float>(static_cast<double>(t.u2f) / t.f - static_cast<double>(a) * a);
  if (v < 0.0f) v = 0.0f;
  float s = std::sqrt(v);
  return 10.0f * s;
}

int DeviationScore(int score, float mean, float sd) {
  float t = static_cast<float>((score - static_cast<double>(mean)) * 10.0 / sd + 50.0);
  return static_cast<int>(t);
}

}  // namespace vl::toukei
