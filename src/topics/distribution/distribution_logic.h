// The numbers of the distribution pages: checks of the typed entries, the binomial mean, the
// estimate of a ratio, the standard score and the estimate of a mean.
#pragma once
#include <cstdint>
#include <string_view>

namespace vl {

// The result of checking a dialog's entries: refusedEdit is 0 when all passed, else the id of
// the first edit box that failed (the values are then not to be stored).
template <class Values>
struct EntryCheck {
  int refusedEdit = 0;
  Values values{};
  bool ok() const { return refusedEdit == 0; }
};

// ---- Binomial distribution (mode 0) and estimation of a ratio (mode 1)

struct BinomialEntries {
  int16_t n = 0;  // sample size / products drawn
  int16_t k = 0;  // defect rate in percent / defectives found
};

inline constexpr int kEditBinomialN = 153;
inline constexpr int kEditBinomialK = 154;

// n: digits only, 1..32767. k: digits only, 1..100, and in mode 1 (k defectives among n
// products) no more than n.
EntryCheck<BinomialEntries> CheckBinomialEntries(int mode, std::u16string_view n,
                                                 std::u16string_view k);

// The mean n*k/100 of B(n, k/100), the product taken in 32 bits.
double BinomialMean(int n, int k);

// p' = r/n, q' = (n - r)/n and s = sqrt(p'q'/n), each held in single precision.
struct RatioEstimate {
  float p = 0;
  float q = 0;
  float s = 0;
};
RatioEstimate EstimateRatio(int n, int r);

// ---- Normal distribution (mode 0) and estimation of a mean (mode 1)

// Entries held in tenths, truncated toward zero.
struct NormalEntries {
  int32_t a10 = 0;   // a (mode 0) or the sample size n (mode 1)
  int32_t av10 = 0;  // the mean
  int32_t sd10 = 0;  // the standard deviation
};

inline constexpr int kEditNormalA = 153;
inline constexpr int kEditNormalAv = 156;
inline constexpr int kEditNormalSd = 157;

// Tenths of a typed decimal number: the value read in single precision, times 10 in single
// precision, truncated. Nothing when the text is not a decimal number or its value lies outside
// the 16-bit range of the pupil's numbers.
bool ReadTenths(std::u16string_view text, float& value, int32_t& tenths);

// The first entry must be at least -30 (mode 0) or 30 (mode 1); the mean is free; the standard
// deviation at least 0.5. All three are checked before any is taken.
EntryCheck<NormalEntries> CheckNormalEntries(int mode, std::u16string_view a,
                                             std::u16string_view av, std::u16string_view sd);

// Tenths back to the single-precision value the page works with.
float FromTenths(int32_t tenths);

// z = (a - av) / sd in single precision.
float StandardScore(float a, float av, float sd);

// The 95 % interval av -+ 1.96 e with e = s / sqrt(n), held in single precision.
struct MeanInterval {
  float e = 0;
  float lower = 0;
  float upper = 0;
};
MeanInterval EstimateMean(float n, float av, float s);

// Height of the drawn bell curve at column i of a curve W wide and H high: H * 3^(-t*t/2) with
// t = (i - W/2) / 16, truncated.
int NormalCurveHeight(int i, int width, int height);

}  // namespace vl
