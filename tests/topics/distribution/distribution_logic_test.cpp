#include "topics/distribution/distribution_logic.h"

#include <gtest/gtest.h>

#include <cmath>

#include "notation/format_text.h"

namespace vl {
namespace {

std::u16string Fmt(std::u16string_view format, double v) { return FormatString(32, format, {v}); }

TEST(BinomialEntries, RangesAndTheEditRefused) {
  auto ok = CheckBinomialEntries(0, u"100", u"4");
  ASSERT_TRUE(ok.ok());
  EXPECT_EQ(ok.values.n, 100);
  EXPECT_EQ(ok.values.k, 4);

  struct Case {
    int mode;
    const char16_t* n;
    const char16_t* k;
    int refused;
  } cases[] = {
      {0, u"100", u"0", kEditBinomialK},      {0, u"100", u"101", kEditBinomialK},
      {0, u"100", u"", kEditBinomialK},       {0, u"100", u"4.5", kEditBinomialK},
      {0, u"0", u"4", kEditBinomialN},        {0, u"", u"4", kEditBinomialN},
      {0, u"40000", u"4", kEditBinomialN},    {0, u"-5", u"4", kEditBinomialN},
      {0, u"0", u"0", kEditBinomialN},        {1, u"50", u"100", kEditBinomialK},
      {1, u"8000", u"70000", kEditBinomialK}, {0, u"12a", u"4", kEditBinomialN},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(CheckBinomialEntries(c.mode, c.n, c.k).refusedEdit, c.refused)
        << c.mode << " " << std::u16string_view(c.n).size();
  }
  // A rate above the sample size is fine in mode 0; defectives up to n in mode 1.
  EXPECT_TRUE(CheckBinomialEntries(0, u"50", u"60").ok());
  EXPECT_TRUE(CheckBinomialEntries(1, u"100", u"100").ok());
  EXPECT_TRUE(CheckBinomialEntries(0, u"32767", u"100").ok());
}

TEST(BinomialMean, ProductDoesNotWrap) {
  EXPECT_EQ(BinomialMean(100, 4), 4.0);
  EXPECT_EQ(BinomialMean(32767, 100), 32767.0);
  EXPECT_EQ(BinomialMean(1000, 99), 990.0);
}

TEST(RatioEstimate, DefaultsAndEdges) {
  RatioEstimate e = EstimateRatio(8000, 100);
  EXPECT_EQ(Fmt(u"%5.4f", e.p), u"0.0125");
  EXPECT_EQ(Fmt(u"%5.4f", e.s), u"0.0012");
  EXPECT_FLOAT_EQ(e.q, 0.9875f);
  RatioEstimate all = EstimateRatio(100, 100);
  EXPECT_EQ(all.s, 0.0f);
  EXPECT_FALSE(std::isnan(all.s));
}

TEST(Tenths, SinglePrecisionTruncation) {
  struct Case {
    const char16_t* text;
    int32_t tenths;
  } cases[] = {{u"4.2", 42},   {u"4.25", 42},   {u"2.8", 28},       {u"2.2", 22},
               {u"10.5", 105}, {u"-4.25", -42}, {u"5000", 50000},   {u"800", 8000},
               {u"", 0},       {u"0.05", 0},    {u"32767", 327670}, {u"-9999", -99990}};
  for (const Case& c : cases) {
    float v = 0;
    int32_t t = -1;
    ASSERT_TRUE(ReadTenths(c.text, v, t)) << t;
    EXPECT_EQ(t, c.tenths) << v;
  }
  for (const char16_t* bad : {u"32768", u"99999", u"1.2.3", u"4,2", u"a", u"4-"}) {
    float v = 0;
    int32_t t = 0;
    EXPECT_FALSE(ReadTenths(bad, v, t)) << v;
  }
}

TEST(NormalEntries, LimitsAndTheEditRefused) {
  EXPECT_TRUE(CheckNormalEntries(1, u"30", u"10.5", u"2.2").ok());
  EXPECT_EQ(CheckNormalEntries(1, u"29.9", u"10.5", u"2.2").refusedEdit, kEditNormalA);
  EXPECT_TRUE(CheckNormalEntries(0, u"-30", u"4.2", u"2.8").ok());
  EXPECT_EQ(CheckNormalEntries(0, u"-30.1", u"4.2", u"2.8").refusedEdit, kEditNormalA);
  EXPECT_EQ(CheckNormalEntries(0, u"10", u"4x", u"2.8").refusedEdit, kEditNormalAv);
  EXPECT_EQ(CheckNormalEntries(0, u"10", u"4.2", u"0.4").refusedEdit, kEditNormalSd);
  EXPECT_TRUE(CheckNormalEntries(0, u"10", u"4.2", u"0.5").ok());
  // The first failure is the one reported.
  EXPECT_EQ(CheckNormalEntries(1, u"10", u"x", u"0").refusedEdit, kEditNormalA);

  auto five = CheckNormalEntries(1, u"5000", u"10.5", u"2.2");
  ASSERT_TRUE(five.ok());
  EXPECT_EQ(five.values.a10, 50000);
  EXPECT_EQ(five.values.av10, 105);
  EXPECT_EQ(five.values.sd10, 22);
}

TEST(StandardScore, DefaultsRoundToTwoPointOne) {
  const float z = StandardScore(FromTenths(100), FromTenths(42), FromTenths(28));
  EXPECT_NEAR(z, 2.0714, 1e-4);
  EXPECT_EQ(Fmt(u"%3.1f", z), u"2.1");
  EXPECT_EQ(StandardScore(4.2f, 4.2f, 2.8f), 0.0f);
}

TEST(MeanInterval, DefaultsAndLargeSamples) {
  MeanInterval m = EstimateMean(FromTenths(8000), FromTenths(105), FromTenths(22));
  EXPECT_NEAR(m.e, 0.0778, 1e-4);
  EXPECT_EQ(Fmt(u"%3.2f", m.e), u"0.08");
  EXPECT_EQ(Fmt(u"%3.2f", m.lower), u"10.35");
  EXPECT_EQ(Fmt(u"%3.2f", m.upper), u"10.65");

  MeanInterval big = EstimateMean(FromTenths(50000), 10.5f, 2.2f);
  EXPECT_TRUE(std::isfinite(big.lower));
  EXPECT_LT(big.lower, 10.5f);
  EXPECT_GT(big.upper, 10.5f);
}

TEST(NormalCurve, PeakAtTheCentreAndSymmetric) {
  const int w = 136, h = 32;
  EXPECT_EQ(NormalCurveHeight(w / 2, w, h), h);
  for (int d = 1; d < w / 2; ++d) {
    EXPECT_EQ(NormalCurveHeight(w / 2 - d, w, h), NormalCurveHeight(w / 2 + d, w, h)) << d;
    EXPECT_LE(NormalCurveHeight(w / 2 + d, w, h), NormalCurveHeight(w / 2 + d - 1, w, h)) << d;
  }
  // Base 3: one unit (16 columns) from the centre the height is h / sqrt(3).
  EXPECT_EQ(NormalCurveHeight(w / 2 + 16, w, h), static_cast<int>(h / std::sqrt(3.0)));
}

}  // namespace
}  // namespace vl
