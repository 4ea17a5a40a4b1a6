// Format and the float texts: specifiers, widths, rounding half away from zero on the
// 18-digit decimal value, exponent and general layouts.
#include "base/format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/errors.h"

namespace zarnix {
namespace {

TEST(FormatFixed, RoundsHalfAwayFromZero) {
  EXPECT_EQ(Format("%.3f", 1.0L / 3), "0.333");
  EXPECT_EQ(Format("%.2f", 0.125L), "0.13");
  EXPECT_EQ(Format("%.2f", -0.125L), "-0.13");
  EXPECT_EQ(Format("%.0f", 2.5L), "3");
  EXPECT_EQ(Format("%.0f", 0.5L), "1");
  EXPECT_EQ(Format("%.3f", 0.0006L), "0.001");
  EXPECT_EQ(Format("%.3f", 0.0004L), "0.000");
  EXPECT_EQ(Format("%.2f", 99.995L), "100.00");
  EXPECT_EQ(Format("%.12f", 2.0L / 3), "0.666666666667");
}

TEST(FormatFixed, RoundsTheEighteenDigitValueNotTheBinaryOne) {
  // 1.005 in extended is a hair above 1.005; the double 1.005 is a hair below.
  EXPECT_EQ(Format("%.2f", 1.005L), "1.01");
  EXPECT_EQ(Format("%.2f", 1.005), "1.00");
}

TEST(FormatFixed, ZeroHasNoSignAndHugeValuesTurnGeneral) {
  EXPECT_EQ(Format("%.3f", -0.0001L), "0.000");
  EXPECT_EQ(Format("%.3f", -0.0L), "0.000");
  EXPECT_EQ(Format("%.3f", 0.0L), "0.000");
  EXPECT_EQ(Format("%.3f", 1e20L), "1E20");
  EXPECT_EQ(Format("%.1f", 123456789012345678.0L), "123456789012345678.0");
  EXPECT_EQ(Format("%f", 2.0L), "2.00");
}

TEST(FormatFixed, NonFiniteValues) {
  EXPECT_EQ(FormatFixed(std::numeric_limits<Extended>::infinity(), 2), "INF");
  EXPECT_EQ(FormatFixed(-std::numeric_limits<Extended>::infinity(), 2), "-INF");
  EXPECT_EQ(FormatFixed(std::nanl(""), 2), "NAN");
}

TEST(FormatExponent, CapitalEWithSignedThreeDigitExponent) {
  EXPECT_EQ(Format("%1.4e", 12345.0L), "1.2345E+004");
  EXPECT_EQ(Format("%1.4e", 0.00012345L), "1.2345E-004");
  EXPECT_EQ(Format("%1.4e", 0.0L), "0.0000E+000");
  EXPECT_EQ(Format("%1.4e", -2.0L), "-2.0000E+000");
  EXPECT_EQ(Format("%1.4e", 9.99996L), "1.0000E+001");
  EXPECT_EQ(Format("%1.2e", 1e300L * 1e300L), "1.00E+600");
  EXPECT_EQ(Format("%1.3e", 1e-4000L), "1.000E-4000");
}

TEST(GeneralFormat, ShortestTextWithFifteenDigits) {
  EXPECT_EQ(GeneralFormat(0), "0");
  EXPECT_EQ(GeneralFormat(100), "100");
  EXPECT_EQ(GeneralFormat(-2.5L), "-2.5");
  EXPECT_EQ(GeneralFormat(0.1), "0.1");
  EXPECT_EQ(GeneralFormat(1.0L / 3), "0.333333333333333");
  EXPECT_EQ(GeneralFormat(2.0L / 3), "0.666666666666667");
  EXPECT_EQ(GeneralFormat(1234567.125L), "1234567.125");
  EXPECT_EQ(GeneralFormat(123456789012345.0L), "123456789012345");
  EXPECT_EQ(GeneralFormat(999999999999999.9L), "1E15");
}

TEST(GeneralFormat, ScientificOutsideItsRange) {
  EXPECT_EQ(GeneralFormat(1e20L), "1E20");
  EXPECT_EQ(GeneralFormat(1e15L), "1E15");
  EXPECT_EQ(GeneralFormat(1.5e-7L), "1.5E-7");
  EXPECT_EQ(GeneralFormat(0.00001L), "0.00001");
  EXPECT_EQ(GeneralFormat(0.000012L), "0.000012");
  EXPECT_EQ(GeneralFormat(0.0000099L), "9.9E-6");
  EXPECT_EQ(GeneralFormat(-1.25e100L), "-1.25E100");
}

TEST(Format, IntegersStringsWidthsAndPrecision) {
  EXPECT_EQ(Format("%d", 42), "42");
  EXPECT_EQ(Format("%8.0d", 42), "      42");
  EXPECT_EQ(Format("%5d", -3), "   -3");
  EXPECT_EQ(Format("%-5d|", 42), "42   |");
  EXPECT_EQ(Format("%.4d", -7), "-0007");
  EXPECT_EQ(Format("%d", INT64_MIN), "-9223372036854775808");
  EXPECT_EQ(Format("%x", 255), "FF");
  EXPECT_EQ(Format("%8s|%-4s|%.2s", "ab", "c", "xyz"), "      ab|c   |xy");
  EXPECT_EQ(Format("%*d", 4, 7), "   7");
  EXPECT_EQ(Format("100%% of %s", std::string("数组")), "100% of 数组");
  EXPECT_EQ(Format("%1:s-%0:s", "a", "b"), "b-a");
  EXPECT_EQ(Format("%n", 1234567.891L), "1,234,567.89");
  EXPECT_EQ(Format("%.3f", 2), "2.000");  // integers are accepted where a real is wanted
}

TEST(Format, MismatchedOrMissingArgumentsAreConvertErrors) {
  EXPECT_THROW(Format("%d", 1.5), EConvertError);
  EXPECT_THROW(Format("%s", 3), EConvertError);
  EXPECT_THROW(Format("%d"), EConvertError);
  EXPECT_THROW(Format("%.2", 1.0), EConvertError);
  EXPECT_THROW(Format("%q", 1), EConvertError);
  try {
    Format("%d", 1.5);
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Format '%d' invalid or incompatible with argument");
  }
}

}  // namespace
}  // namespace zarnix
