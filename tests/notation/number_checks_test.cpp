#include <gtest/gtest.h>

#include "notation/notation.h"

namespace vl {
namespace {

TEST(NumberChecks, UnsignedIntegerTakesOnlyDigits) {
  EXPECT_EQ(IsUnsignedInteger(u""), 0);
  EXPECT_EQ(IsUnsignedInteger(u"0123456789"), 0);
  EXPECT_EQ(IsUnsignedInteger(u"+5"), -1);
  EXPECT_EQ(IsUnsignedInteger(u"-5"), -1);
  EXPECT_EQ(IsUnsignedInteger(u"5 "), -1);
  EXPECT_EQ(IsUnsignedInteger(u"1.0"), -1);
  EXPECT_EQ(IsUnsignedInteger(u"５"), -1);  // full-width digits are not read as numbers
  EXPECT_EQ(IsUnsignedInteger(std::u16string_view(u"1\0"
                                                  "2",
                                                  3)),
            -1);
}

TEST(NumberChecks, SignedIntegerTakesOneLeadingSign) {
  EXPECT_EQ(IsSignedInteger(u""), 0);
  EXPECT_EQ(IsSignedInteger(u"-"), 0);
  EXPECT_EQ(IsSignedInteger(u"+12"), 0);
  EXPECT_EQ(IsSignedInteger(u"-32768"), 0);
  EXPECT_EQ(IsSignedInteger(u"1-2"), -1);
  EXPECT_EQ(IsSignedInteger(u"--1"), -1);
  EXPECT_EQ(IsSignedInteger(u"+-1"), -1);
  EXPECT_EQ(IsSignedInteger(u"1.5"), -1);
}

TEST(NumberChecks, DecimalNumberGivesThePositionOfItsPoint) {
  EXPECT_EQ(IsDecimalNumber(u""), 0);
  EXPECT_EQ(IsDecimalNumber(u"12"), 0);
  EXPECT_EQ(IsDecimalNumber(u"-0.5"), 2);
  EXPECT_EQ(IsDecimalNumber(u"3.25"), 1);
  EXPECT_EQ(IsDecimalNumber(u"12."), 2);
  EXPECT_EQ(IsDecimalNumber(u"1.2.3"), -1);
  EXPECT_EQ(IsDecimalNumber(u"1..2"), -1);
  EXPECT_EQ(IsDecimalNumber(u"1-2"), -1);
  EXPECT_EQ(IsDecimalNumber(u"1e5"), -1);
  EXPECT_EQ(IsDecimalNumber(u"+.5"), 1);
}

}  // namespace
}  // namespace vl
