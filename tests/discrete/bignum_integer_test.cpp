// Edge cases of the digit-text integer routines: block and borrow boundaries, the zero
// divisor, root texts, odd characters, base limits and the size limit.
#include "discrete/bignum/big_integer.h"

#include <gtest/gtest.h>

#include <string>

#include "base/errors.h"

namespace zarnix {
namespace {

TEST(BigIntegerTest, SumsAndDifferencesAcrossBlocks) {
  EXPECT_EQ(BigSubtract("1" + std::string(34, '0'), "1"), std::string(34, '9'));
  EXPECT_EQ(BigAdd(std::string(34, '9'), "1"), "1" + std::string(34, '0'));
  EXPECT_EQ(BigAdd("00012", "0"), "12");
  EXPECT_EQ(BigSubtract("5", "5"), "0");
  EXPECT_EQ(StripLeadingZeros("000"), "0");
  EXPECT_EQ(StripLeadingZeros(""), "0");
  EXPECT_EQ(StripLeadingZeros("0070"), "70");
  // A smaller minuend is not garbage: the difference carries a sign.
  EXPECT_EQ(BigSubtract("3", "5"), "-2");
  EXPECT_EQ(BigSubtract("1", "100000000000000000000"), "-99999999999999999999");
}

TEST(BigIntegerTest, CharactersThatAreNotDigitsCountAsZero) {
  EXPECT_EQ(BigAdd("1x", "5"), "15");
  EXPECT_EQ(BigMultiply(" 12", "2"), "24");
  EXPECT_EQ(BigAdd("", ""), "0");
}

TEST(BigIntegerTest, ZeroDivisorGivesDefinedValuesAndStatus) {
  const BigDivision d = BigDivMod("0123", "000");
  EXPECT_EQ(d.status, BigStatus::kZeroDivisor);
  EXPECT_EQ(d.quotient, "0");
  EXPECT_EQ(d.remainder, "123");
  EXPECT_STREQ(BigStatusMessage(d.status), "除数不能为0，结果无效");
  EXPECT_STREQ(BigStatusMessage(BigStatus::kOk), "");

  const BigDivision one = BigDivMod("00987", "1");
  EXPECT_EQ(one.quotient, "987");
  EXPECT_EQ(one.remainder, "0");
  const BigDivision small = BigDivMod("7", "12");
  EXPECT_EQ(small.quotient, "0");
  EXPECT_EQ(small.remainder, "7");
}

TEST(BigIntegerTest, PowersAndFactorials) {
  EXPECT_EQ(BigPower("2", 64, 0), "18446744073709551616");
  EXPECT_EQ(BigFactorial(25), "15511210043330985984000000");
  EXPECT_EQ(BigFactorial(0), "1");
  EXPECT_EQ(BigFactorial(-4), "1");
  EXPECT_EQ(BigPower("123456789012", 0, 0), "1");
  EXPECT_EQ(BigPower("5", -3, 1), "1");
  EXPECT_EQ(BigPower("000000000007", 1, 0), "7");
  EXPECT_EQ(BigPower("0", 3, 1), "0");
  // P(5, 2) as a rising product from 4.
  EXPECT_EQ(BigPower("4", 2, 1), "20");
  EXPECT_EQ(BigPower("99999999999", 2, 1), "9999999999900000000000");
  EXPECT_EQ(SmallPower(-2, 3, 0), "-8");
  EXPECT_EQ(SmallPower(-2, 4, 0), "16");
  EXPECT_EQ(SmallPower(-3, 3, 1), "-6");
  EXPECT_EQ(SmallPower(-2, 5, 1), "0");
  EXPECT_EQ(SmallPower(10, 0, 0), "1");
}

TEST(BigIntegerTest, NewtonSquareRoot) {
  const BigRootResult ten = BigSqrtNewton("10");
  EXPECT_EQ(ten.root, "3");
  EXPECT_EQ(ten.remainder, "+1");
  const BigRootResult fifteen = BigSqrtNewton("15");
  EXPECT_EQ(fifteen.root, "4");
  EXPECT_EQ(fifteen.remainder, "-1");
  // Four digits round to the nearest root, longer ones settle on the floor ...
  EXPECT_EQ(BigSqrtNewton("9999").root, "100");
  EXPECT_EQ(BigSqrtNewton("10010").root, "100");
  // ... or one above it when s + 1 is a square.
  const BigRootResult below = BigSqrtNewton("99999999");
  EXPECT_EQ(below.root, "10000");
  EXPECT_EQ(below.remainder, "-1");
  // (x^2 + s) / 2x divides evenly on the way down from 3600; the root is still 600.
  const BigRootResult square = BigSqrtNewton("360000");
  EXPECT_EQ(square.root, "600");
  EXPECT_EQ(square.remainder, "0");
  EXPECT_EQ(BigSqrtNewton("0").root, "0");
  EXPECT_EQ(BigSqrtNewton("0000099").root, "10");
}

TEST(BigIntegerTest, DigitRoots) {
  const BigRootResult padded = BigSqrtDigits("0016");
  EXPECT_EQ(padded.root, "04");  // one root digit per digit pair
  EXPECT_EQ(padded.remainder, "0");
  EXPECT_EQ(BigSqrtDigits("0").root, "0");
  EXPECT_EQ(BigSqrtDigits("99").remainder, "18");

  const BigRootResult two = BigRoot("2", 2, 20);
  EXPECT_EQ(two.root, "1.41421356237309504880");
  const BigRootResult small = BigRoot("2", 2, 1);
  EXPECT_EQ(small.root, "1.4");
  EXPECT_EQ(small.remainder, "0.04");
  // A remainder of more than n*p digits keeps its whole part: 9999 - 99.9^2 = 18.99.
  const BigRootResult wide = BigRoot("9999", 2, 1);
  EXPECT_EQ(wide.root, "99.9");
  EXPECT_EQ(wide.remainder, "18.99");
  const BigRootResult zero = BigRoot("0", 2, 3);
  EXPECT_EQ(zero.root, "0.000");
  EXPECT_EQ(zero.remainder, "0.000000");
  const BigRootResult cube = BigRoot("1000", 3, 0);
  EXPECT_EQ(cube.root, "10");
  EXPECT_EQ(cube.remainder, "0");
  EXPECT_EQ(BigRoot("7", 1, 0).root, "7");
  EXPECT_EQ(BigRoot("5", 2, -3).root, "2");
  // A degree far beyond the number of digits: the root is 1.
  const BigRootResult high = BigRoot("123456", 1000000000, 0);
  EXPECT_EQ(high.root, "1");
  EXPECT_EQ(high.remainder, "123455");
  EXPECT_THROW((void)BigRoot("8", 0, 2), Exception);
}

TEST(BigIntegerTest, GcdAndLcmWithZerosAndLists) {
  EXPECT_EQ(BigGcd("0", "0"), "0");
  EXPECT_EQ(BigGcd("12", "0"), "12");
  EXPECT_EQ(BigGcd("0", "012"), "12");
  EXPECT_EQ(BigLcm("0", "5"), "0");
  EXPECT_EQ(BigLcm("0", "0"), "0");
  EXPECT_EQ(BigLcm("4", "6"), "12");
  EXPECT_EQ(BigGcdList("12;18;24"), "6");
  EXPECT_EQ(BigGcdList("12,18,27"), "3");
  EXPECT_EQ(BigLcmList("4,6,10"), "60");
  EXPECT_EQ(BigLcmList("7"), "7");
  EXPECT_EQ(BigGcdList(""), "0");
}

TEST(BigIntegerTest, BaseConversion) {
  EXPECT_EQ(ToBase("255", 16), "FF");
  EXPECT_EQ(FromBase("ff", 16), "255");
  EXPECT_EQ(ToBase("0", 2), "0");
  EXPECT_EQ(ToBase("35", 36), "Z");
  EXPECT_EQ(ConvertBase("0012", 10, 10), "0012");
  EXPECT_EQ(ConvertBase("11111111", 2, 16), "FF");
  EXPECT_EQ(ConvertBase("Z", 36, 10), "35");
  // Characters beyond the base keep their value; those below "0" count as 0.
  EXPECT_EQ(FromBase("Z", 10), "35");
  EXPECT_EQ(FromBase(":", 16), "10");
  EXPECT_EQ(FromBase("-1", 10), "1");
  EXPECT_EQ(FromBase("", 7), "0");
  EXPECT_THROW((void)ToBase("10", 1), Exception);
  EXPECT_THROW((void)ToBase("10", 37), Exception);
  EXPECT_THROW((void)FromBase("10", 0), Exception);
  EXPECT_THROW((void)ConvertBase("10", 2, 40), Exception);
  try {
    (void)ToBase("1", 99);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), kBadBaseMessage);
  }
}

TEST(BigIntegerTest, OversizedWorkIsRefused) {
  const std::string tooLong(kMaxBigDigits + 1, '7');
  EXPECT_THROW((void)BigFactorial(10000000), Exception);
  EXPECT_THROW((void)BigPower("2", 1000000000, 0), Exception);
  EXPECT_THROW((void)BigPower("2", 1000000000, 1), Exception);
  EXPECT_THROW((void)SmallPower(3, 2000000000, 0), Exception);
  EXPECT_THROW((void)SmallPower(3, 2000000000, 1), Exception);
  EXPECT_THROW((void)BigMultiply(tooLong, "3"), Exception);
  EXPECT_THROW((void)BigRoot("2", 2, 1000000000), Exception);
  EXPECT_THROW((void)ToBase(tooLong, 2), Exception);
  try {
    (void)BigFactorial(100000000);
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "运算数太大，超过200000位");
  }
  const std::string longGcd(kMaxGcdDigits + 1, '3');
  EXPECT_THROW((void)BigGcd(longGcd, longGcd), Exception);
  EXPECT_THROW((void)BigLcmList(longGcd + ";" + longGcd), Exception);
  EXPECT_EQ(BigGcd(longGcd, "6"), "3");  // a short operand keeps it cheap
  // The limit still leaves room for the largest results the categories need.
  EXPECT_EQ(BigPower("2", 216091, 0).size(), 65050u);
  EXPECT_EQ(BigFactorial(10000).size(), 35660u);
  // Linear work has no limit.
  EXPECT_EQ(BigAdd(tooLong, "0"), tooLong);
}

}  // namespace
}  // namespace zarnix
