#include "topics/distribution/distribution_logic.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "notation/notation.h"
#include "platform/runtime.h"

namespace vl {

namespace {
// A whole number typed as digits only (an empty text reads 0); nothing when it does not fit
// 16 bits.
std::optional<int16_t> ReadCount(std::u16string_view text) {
  if (IsUnsignedInteger(text) != 0) return std::nullopt;
  return ReadInt16(text);
}
}  // namespace

EntryCheck<BinomialEntries> CheckBinomialEntries(int mode, std::u16string_view n,
                                                 std::u16string_view k) {
  EntryCheck<BinomialEntries> out;
  const std::optional<int16_t> nv = ReadCount(n);
  if (!nv || *nv <= 0) {
    out.refusedEdit = kEditBinomialN;
    return out;
  }
  const std::optional<int16_t> kv = ReadCount(k);
  // More defectives than products drawn is no sample at all.
  if (!kv || *kv < 1 || *kv > 100 || (mode == 1 && *kv > *nv)) {
    out.refusedEdit = kEditBinomialK;
    return out;
  }
  out.values = {*nv, *kv};
  return out;
}

double BinomialMean(int n, int k) {
  const int32_t product = static_cast<int32_t>(n) * static_cast<int32_t>(k);
  return product / 100.0;
}

RatioEstimate EstimateRatio(int n, int r) {
  RatioEstimate e;
  e.p = static_cast<float>(static_cast<double>(r) / n);
  e.q = static_cast<float>(static_cast<double>(n - r) / n);
  const float variance = e.q * e.p / static_cast<float>(n);
  e.s = static_cast<float>(std::sqrt(static_cast<double>(variance)));
  return e;
}

bool ReadTenths(std::u16string_view text, float& value, int32_t& tenths) {
  if (IsDecimalNumber(text) < 0) return false;
  value = static_cast<float>(ReadDouble(text));
  if (!(value >= INT16_MIN && value <= INT16_MAX)) return false;
  const float scaled = value * 10.0f;  // single precision: "4.2" gives 42, not 41
  tenths = static_cast<int32_t>(scaled);
  return true;
}

EntryCheck<NormalEntries> CheckNormalEntries(int mode, std::u16string_view a,
                                             std::u16string_view av, std::u16string_view sd) {
  EntryCheck<NormalEntries> out;
  NormalEntries v;
  float value = 0;
  if (!ReadTenths(a, value, v.a10) || value < (mode == 1 ? 30.0f : -30.0f)) {
    out.refusedEdit = kEditNormalA;
    return out;
  }
  if (!ReadTenths(av, value, v.av10)) {
    out.refusedEdit = kEditNormalAv;
    return out;
  }
  if (!ReadTenths(sd, value, v.sd10) || value < 0.5f) {
    out.refusedEdit = kEditNormalSd;
    return out;
  }
  out.values = v;
  return out;
}

float FromTenths(int32_t tenths) { return static_cast<float>(tenths) / 10.0f; }

float StandardScore(float a, float av, float sd) { return (a - av) / sd; }

MeanInterval EstimateMean(float n, float av, float s) {
  MeanInterval m;
  m.e = static_cast<float>(s / std::sqrt(static_cast<double>(n)));
  const float d = m.e * 1.96f;
  m.lower = av - d;
  m.upper = av + d;
  return m;
}

int NormalCurveHeight(int i, int width, int height) {
  const double t = (i - width / 2) * 0.0625;
  return static_cast<int>(height * std::pow(3.0, -t * t / 2));
}

}  // namespace vl
