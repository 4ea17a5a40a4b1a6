// The general category's own operations: reals between bases (against an independent digit
// expansion), decimals to fractions (checked by multiplying back), continued fractions,
// polynomials (division checked by multiplying back) and the Bernoulli and Euler numbers.
#include "discrete/general_operations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/errors.h"
#include "discrete/bignum/big_integer.h"

namespace zarnix {
namespace {

TEST(RealToBase, ConvertsIntegerAndFractionParts) {
  EXPECT_EQ(RealToBase("10.5", 10, 16), "A.8");
  EXPECT_EQ(RealToBase("FF.8", 16, 10), "255.5");
  EXPECT_EQ(RealToBase("ff.8", 16, 10), "255.5");
  EXPECT_EQ(RealToBase("0.5", 10, 2), ".1");  // a zero integer part is left out
  EXPECT_EQ(RealToBase("255", 10, 2), "11111111");
  EXPECT_EQ(RealToBase("-10.25", 10, 4), "-22.1");
  EXPECT_EQ(RealToBase("0", 10, 16), "0");
  EXPECT_EQ(RealToBase("", 16, 10), "0");
  EXPECT_EQ(RealToBase("007", 10, 10), "7");
  // Digits of the target base: 30 for base 2, 9 for 10, 7 for 16, 5 for 36; rounded.
  EXPECT_EQ(RealToBase("0.1", 10, 3), ".002200220022002201");
  EXPECT_EQ(RealToBase("0.1", 10, 16), ".199999A");
  EXPECT_EQ(RealToBase("0.123456789012", 10, 10), ".123456789");
  EXPECT_EQ(RealToBase("0.5", 10, 36), ".I");
  // A rounding carry reaches the integer part.
  EXPECT_EQ(RealToBase("9.9999999999", 10, 10), "10");
  EXPECT_EQ(RealToBase("1.FFFFFFFF", 16, 16), "2");
  // A fraction digit outside the base drops the fraction; a bad integer digit is an error.
  EXPECT_EQ(RealToBase("12.G", 16, 10), "18");
  EXPECT_THROW(RealToBase("1G.5", 16, 10), EConvertError);
  EXPECT_THROW(RealToBase("1.5", 1, 10), Exception);
  EXPECT_THROW(RealToBase("1.5", 10, 37), Exception);
}

TEST(RealToBase, LongIntegersAreExact) {
  const std::string big = "123456789012345678901234567890123456789";
  EXPECT_EQ(RealToBase(big, 10, 36), ToBase(big, 36));
  EXPECT_EQ(RealToBase(RealToBase(big + ".75", 10, 2), 2, 10), big + ".75");
}

TEST(PlainDecimalText, ExpandsExponents) {
  EXPECT_EQ(PlainDecimalText(1.5e-7L), "0.00000015");
  EXPECT_EQ(PlainDecimalText(1e20L), "100000000000000000000");
  EXPECT_EQ(PlainDecimalText(-1.25e16L), "-12500000000000000");
  EXPECT_EQ(PlainDecimalText(123.25L), "123.25");
  EXPECT_EQ(PlainDecimalText(0), "0");
}

TEST(DecimalToFraction, RepeatingDecimals) {
  EXPECT_EQ(DecimalToFraction("0.1", "6"), "1/6");
  EXPECT_EQ(DecimalToFraction("1.5", "0"), "1又1/2");
  EXPECT_EQ(DecimalToFraction("0.58", "3"), "7/12");
  EXPECT_EQ(DecimalToFraction("0", "142857"), "1/7");
  EXPECT_EQ(DecimalToFraction("3", ""), "3");
  EXPECT_EQ(DecimalToFraction("-0.5", ""), "-1/2");
  EXPECT_EQ(DecimalToFraction(" 2.25 ", ""), "2又1/4");
  EXPECT_THROW(DecimalToFraction("0.1", "x"), EConvertError);
  EXPECT_THROW(DecimalToFraction("a.1", "1"), EConvertError);
}

TEST(DecimalToFraction, LongPeriodsStayExact) {
  // 0.(0588235294117647) is 1/17: sixteen repeating digits overflow 64-bit arithmetic.
  EXPECT_EQ(DecimalToFraction("0", "0588235294117647"), "1/17");
  // Multiplying back: numerator * 10^k * (10^m - 1) = denominator * (F * (10^m - 1) + R).
  const std::string fraction = DecimalToFraction("0.12345678901234", "56789");
  const std::size_t slash = fraction.find('/');
  const std::string n = fraction.substr(0, slash);
  const std::string d = fraction.substr(slash + 1);
  const std::string left = BigMultiply(n, BigMultiply("100000000000000", "99999"));
  const std::string right = BigMultiply(d, BigAdd(BigMultiply("12345678901234", "99999"), "56789"));
  EXPECT_EQ(left, right);
  EXPECT_EQ(BigGcd(n, d), "1");
}

TEST(ReduceFraction, LowestTermsWithTheSignOnTheNumerator) {
  EXPECT_EQ(ReduceFraction("84/126"), "2/3");
  EXPECT_EQ(ReduceFraction("6/-4"), "-3/2");
  EXPECT_EQ(ReduceFraction("-6/-4"), "3/2");
  EXPECT_EQ(ReduceFraction("0/5"), "0/1");
  EXPECT_EQ(ReduceFraction("-2147483648/2"), "-1073741824/1");
  EXPECT_EQ(ReduceFraction("3/0"), kZeroDenominatorText);
  EXPECT_THROW(ReduceFraction("6"), EConvertError);
  EXPECT_THROW(ReduceFraction("6/x"), EConvertError);
}

TEST(ContinuedFraction, ExpansionsAndConvergents) {
  EXPECT_EQ(ContinuedFractionLines("0.5", 3),
            (std::vector<std::string>{"0.5化为:", "[0,2]", "各渐近分数为:", "0/1 +5.0000E-001",
                                      "1/2 +0.0000E+000"}));
  const std::vector<std::string> pi = ContinuedFractionLines("3.14159", 3);
  ASSERT_EQ(pi.size(), 8u);
  EXPECT_EQ(pi[1], "[3,7,15,1]");
  EXPECT_EQ(pi[2], "余数: 3.3E-4");
  EXPECT_EQ(pi[4], "3/1 +1.4159E-001");
  EXPECT_EQ(pi[5], "22/7 -1.2671E-003");
  EXPECT_EQ(pi[6], "333/106 +8.0566E-005");
  EXPECT_EQ(pi[7], "355/113 -2.9204E-006");
  // A negative number negates every term, so the convergents approach it.
  const std::vector<std::string> negative = ContinuedFractionLines("-0.75", 5);
  EXPECT_EQ(negative[1], "[0,-1,-3]");
  EXPECT_EQ(negative[5], "-3/4 +0.0000E+000");
  // A whole number and a single remainder digit.
  EXPECT_EQ(ContinuedFractionLines("7", 2)[1], "[7]");
  const ContinuedFraction cf = ExpandContinuedFraction("0.3", 1);
  EXPECT_EQ(cf.terms, (std::vector<std::string>{"0", "3"}));
  EXPECT_EQ(ContinuedFractionLines("0.3", 1)[2], "余数: 1E-1");
  EXPECT_THROW(ExpandContinuedFraction("1e5", 3), EConvertError);
}

TEST(ContinuedFraction, HugeTermsKeepExactConvergents) {
  // 32-bit numerators would overflow here.
  const std::vector<std::string> lines = ContinuedFractionLines("0.000000000001000000000001", 3);
  EXPECT_EQ(lines[1], "[0,999999999999,1000000000001]");
  EXPECT_EQ(lines[5], "1000000000001/1000000000000000000000000 +0.0000E+000");
}

TEST(Polynomials, TextOfCoefficients) {
  EXPECT_EQ(PolynomialText(std::vector<Extended>{1, 2, 1}), "x^2+2*x+1");
  EXPECT_EQ(PolynomialText(std::vector<Extended>{-1, 0, 0.5}), "-1*x^2+0*x+0.5");
  EXPECT_EQ(PolynomialText(std::vector<Extended>{3}), "3");
  EXPECT_EQ(PolynomialText(std::vector<Extended>{-0.0L, -2}), "0*x-2");
  EXPECT_EQ(PolynomialText(std::vector<Extended>{}), "");
}

TEST(Polynomials, ArithmeticAlignsAtTheConstantTerm) {
  EXPECT_EQ(PolynomialArithmetic('+', "%.1f", "1,2,1", "1,-1"), "1.0,3.0,0.0");
  EXPECT_EQ(PolynomialArithmetic('-', "%.0f", "1,1", "1,1,1"), "-1,0,0");
  EXPECT_EQ(PolynomialArithmetic('-', "%.0f", "1,1", "1,1"), "0");
  EXPECT_EQ(PolynomialArithmetic('*', "%.0f", "1;1", "1;-1"), "1;0;-1");
  EXPECT_EQ(PolynomialArithmetic('/', "%.0f", "1,1,1,5", "1,1,1"), "1,0\r\n余5");
  EXPECT_EQ(PolynomialArithmetic('/', "%.0f", "1,-1", "1,0,0,-1"), "1,1,1\r\n余");
  EXPECT_EQ(PolynomialArithmetic('/', "%.0f", "2,4", "0,2"), "1,2\r\n余");  // leading zero dropped
  EXPECT_THROW(PolynomialArithmetic('/', "%.0f", "1,2", "0,0"), Exception);
  EXPECT_THROW(PolynomialArithmetic('+', "%.0f", "1,,2", "1"), EConvertError);
}

TEST(Polynomials, DivisionMultipliesBack) {
  const std::vector<Extended> dividend = {3, -2, 0, 7, -5, 1.5};
  const std::vector<Extended> divisor = {2, 0.5, -1};
  const PolynomialResult q = PolynomialCompute('/', dividend, divisor);
  PolynomialResult back = PolynomialCompute('*', q.result, divisor);
  const PolynomialResult sum = PolynomialCompute('+', back.result, q.remainder);
  ASSERT_EQ(sum.result.size(), dividend.size());
  for (std::size_t i = 0; i < dividend.size(); ++i)
    EXPECT_NEAR(static_cast<double>(sum.result[i]), static_cast<double>(dividend[i]), 1e-15) << i;
}

TEST(Polynomials, ListsBeyondTheTermLimitAreRefusedBeforeAnyWork) {
  const std::vector<Extended> most(kMaxPolynomialTerms, 1);
  const std::vector<Extended> tooMany(kMaxPolynomialTerms + 1, 1);
  const std::vector<Extended> one = {1}, two = {1, 2};
  EXPECT_EQ(PolynomialCompute('+', most, one).result.size(), kMaxPolynomialTerms);
  for (char op : {'+', '-', '*', '/'}) {
    try {
      PolynomialCompute(op, two, tooMany);
      FAIL() << op;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), kTooManyTermsPolynomial);
    }
  }
}

TEST(Sequences, SumsAndSpecialNumbers) {
  EXPECT_EQ(GeometricSum(3, 1, 4), 12);
  EXPECT_NEAR(static_cast<double>(GeometricSum(1, 0.5L, 10)), 1.998046875, 1e-15);
  EXPECT_EQ(ArithmeticSum(1, 2, 10), 100);

  const std::vector<Extended> bernoulli = BernoulliNumbers(6);
  const Extended exact[] = {1.0L / 6, 1.0L / 30, 1.0L / 42, 1.0L / 30, 5.0L / 66, 691.0L / 2730};
  for (int i = 0; i < 6; ++i) EXPECT_NEAR(bernoulli[i] / exact[i], 1, 1e-15) << i;
  const std::vector<Extended> euler = EulerNumbers(5);
  const Extended euler0[] = {1, 5, 61, 1385, 50521};
  for (int i = 0; i < 5; ++i) EXPECT_NEAR(euler[i] / euler0[i], 1, 1e-9) << i;  // 1000 terms
  // The largest counts stay finite; beyond them the lists are cut.
  EXPECT_EQ(BernoulliNumbers(2000).size(), 875u);
  EXPECT_TRUE(std::isfinite(BernoulliNumbers(875).back()));
  EXPECT_EQ(EulerNumbers(2000).size(), 745u);
  EXPECT_TRUE(std::isfinite(EulerNumbers(745).back()));
}

TEST(Angles, DegreesMinutesSeconds) {
  const Dms dms = DegreesToDMS(30.2605L);
  EXPECT_EQ(dms.degrees, 30);
  EXPECT_EQ(dms.minutes, 15);
  EXPECT_NEAR(static_cast<double>(dms.seconds), 37.8, 1e-9);
  EXPECT_EQ(DegreesToDMS(-1.5L).minutes, -30);
}

}  // namespace
}  // namespace zarnix
