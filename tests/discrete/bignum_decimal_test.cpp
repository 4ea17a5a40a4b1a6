// The signed decimal routines: the documented cases, canonical texts, and random decimals
// checked against exact rational arithmetic (GMP) and against the digit-by-digit division.
#include "discrete/bignum/big_decimal.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "base/errors.h"
#include "discrete/bignum/big_integer.h"

namespace zarnix {
namespace {

TEST(BigDecimalTest, SignsAndCanonicalForms) {
  EXPECT_EQ(DecimalSubtract("5", "5"), "0");
  EXPECT_EQ(DecimalSubtract("3", "5"), "-2");
  EXPECT_EQ(DecimalAdd("3", "-12"), "-9");
  EXPECT_EQ(DecimalSubtract("-5", "-3"), "-2");
  EXPECT_EQ(DecimalAdd("-1.5", "-1.5"), "-3");
  EXPECT_EQ(DecimalAdd("-0", "-0"), "0");
  EXPECT_EQ(DecimalSubtract("-2.5", "1"), "-3.5");
  EXPECT_EQ(DecimalSubtract("2.5", "-1"), "3.5");
  EXPECT_EQ(DecimalMultiply("0.001", "0.001"), "0.000001");
  EXPECT_EQ(DecimalMultiply("12.5", "4"), "50");
  EXPECT_EQ(DecimalMultiply("-3", "0"), "0");
  EXPECT_EQ(DecimalMultiply("-3", "-0.5"), "1.5");
  EXPECT_EQ(NormalizeDecimal(".5"), "0.5");
  EXPECT_EQ(NormalizeDecimal("007.500"), "7.5");
  EXPECT_EQ(NormalizeDecimal("0.0"), "0");
  EXPECT_EQ(NormalizeDecimal("3."), "3");
  EXPECT_EQ(NormalizeDecimal("100"), "100");
  EXPECT_EQ(NormalizeDecimal(""), "0");
  EXPECT_EQ(NormalizeDecimal("1a.b5"), "10.05");
  EXPECT_EQ(MagnitudeSubtract("1.25", "2"), "-0.75");
  EXPECT_EQ(MagnitudeAdd("9.99", ".01"), "10");
}

TEST(BigDecimalTest, DivisionTruncatesToDigitCount) {
  EXPECT_EQ(DecimalDivide("1", "4", 20), "0.25");
  EXPECT_EQ(DecimalDivide("105", "5", 20), "21");
  EXPECT_EQ(DecimalDivide("2", "7", 20), "0.285714285714285714285");
  EXPECT_EQ(DecimalDivide("1", "3", 20), "0.333333333333333333333");
  EXPECT_EQ(DecimalDivide("3", "0", 20), "Err");
  EXPECT_EQ(DecimalDivide("3", "-0.00", 20), "Err");
  EXPECT_EQ(DecimalDivide("0", "3", 20), "0");
  EXPECT_EQ(DecimalDivide("7", "7", 20), "1");
  EXPECT_EQ(DecimalDivide("-7", "2", 20), "-3.5");
  EXPECT_EQ(DecimalDivide("-0", "2", 20), "0");
  EXPECT_EQ(DecimalDivide("123456789", "1", 2), "123000000");
  EXPECT_EQ(DecimalDivide("0.001", "3", 3), "0.0003333");
  EXPECT_EQ(DecimalDivide("2", "3", -5), "0.6");
  // A dividend whose digits begin the divisor's still gets d + 1 digits and no leading zero.
  EXPECT_EQ(DecimalDivide("100", "15", 20), "6.66666666666666666666");
  EXPECT_EQ(DecimalDivide("1", "15", 5), "0.0666666");
}

TEST(BigDecimalTest, PowersAndRoots) {
  EXPECT_EQ(DecimalPower("-1.5", 3), "-3.375");
  EXPECT_EQ(DecimalPower("-1.5", 2), "2.25");
  EXPECT_EQ(DecimalPower("0.1", 5), "0.00001");
  EXPECT_EQ(DecimalPower("-0", 3), "0");
  EXPECT_EQ(DecimalPower("7", 0), "1");
  EXPECT_EQ(DecimalRoot("-8", 3, 5), "-2.00000");
  EXPECT_EQ(DecimalRoot("-8", 2, 5), "负数不能开偶数次方！");
  EXPECT_EQ(DecimalRoot("0.0004", 2, 4), "0.0200");
  EXPECT_EQ(DecimalRoot("2", 2, 20), "1.41421356237309504880");
  EXPECT_EQ(DecimalRoot("12.345", 3, 2), "2.31");
  EXPECT_EQ(DecimalRoot("0", 2, 3), "0.000");
  EXPECT_EQ(DecimalRoot("007", 2, 2), "2.64");
  EXPECT_EQ(DecimalRoot("6.25", 2, 0), "2");
  EXPECT_EQ(DecimalRoot("-0.0000001", 3, 2), "0.00");
  EXPECT_THROW((void)DecimalRoot("2", 0, 2), Exception);
}

TEST(BigDecimalTest, OversizedWorkIsRefused) {
  EXPECT_THROW((void)DecimalPower("2", 1000000000), Exception);
  EXPECT_THROW((void)DecimalPower("0.1", 1000000000), Exception);
  EXPECT_THROW((void)DecimalDivide("1", "7", 1000000000), Exception);
  EXPECT_THROW((void)DecimalRoot("2", 2, 1000000000), Exception);
  EXPECT_EQ(DecimalDivide("1", "7", 20000).size(), 20003u);  // "0." and 20001 digits
}

// --- exact rational reference ---

class Mpq {
 public:
  Mpq() { mpq_init(v_); }
  Mpq(const Mpq&) = delete;
  Mpq& operator=(const Mpq&) = delete;
  ~Mpq() { mpq_clear(v_); }
  mpq_ptr get() { return v_; }

 private:
  mpq_t v_;
};

// The value of a canonical decimal text.
void SetDecimal(Mpq& q, const std::string& text) {
  const bool negative = !text.empty() && text[0] == '-';
  std::string body = negative ? text.substr(1) : text;
  const std::size_t point = body.find('.');
  std::size_t decimals = 0;
  if (point != std::string::npos) {
    decimals = body.size() - point - 1;
    body.erase(point, 1);
  }
  const std::string fraction = body + "/1" + std::string(decimals, '0');
  mpq_set_str(q.get(), fraction.c_str(), 10);
  mpq_canonicalize(q.get());
  if (negative) mpq_neg(q.get(), q.get());
}

bool IsCanonical(const std::string& text) {
  std::string body = !text.empty() && text[0] == '-' ? text.substr(1) : text;
  if (body.empty() || body == "0") return text == "0" || body.empty() ? text == "0" : true;
  const std::size_t point = body.find('.');
  const std::string whole = body.substr(0, point);
  if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return false;
  if (point == std::string::npos) return whole != "0";
  const std::string fraction = body.substr(point + 1);
  return !fraction.empty() && fraction.back() != '0' &&
         fraction.find_first_not_of("0123456789") == std::string::npos;
}

class DecimalSource {
 public:
  explicit DecimalSource(std::uint64_t seed) : rng_(seed) {}
  int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  std::string Digits(int length) {
    std::string s;
    for (int i = 0; i < length; ++i) s.push_back(static_cast<char>('0' + Below(10)));
    return s;
  }
  // Signed decimals with optional leading and trailing zeros, sometimes zero.
  std::string Next(int maxDigits = 40) {
    std::string s = Below(2) ? "-" : "";
    if (Below(12) == 0) return s + (Below(2) ? "0" : "0.000");
    s += Digits(1 + Below(maxDigits));
    if (Below(3) != 0) s += "." + Digits(1 + Below(maxDigits));
    return s;
  }

 private:
  std::mt19937_64 rng_;
};

TEST(BigDecimalTest, SumsDifferencesProductsAndPowersAreExact) {
  DecimalSource source(11);
  Mpq a, b, expected, actual;
  for (int i = 0; i < 3000; ++i) {
    const std::string x = source.Next();
    const std::string y = source.Next();
    SetDecimal(a, x);
    SetDecimal(b, y);
    const std::string sum = DecimalAdd(x, y);
    const std::string difference = DecimalSubtract(x, y);
    const std::string product = DecimalMultiply(x, y);
    for (const std::string* r : {&sum, &difference, &product})
      ASSERT_TRUE(IsCanonical(*r)) << x << " " << y << " -> " << *r;
    mpq_add(expected.get(), a.get(), b.get());
    SetDecimal(actual, sum);
    ASSERT_TRUE(mpq_equal(expected.get(), actual.get())) << x << " + " << y << " = " << sum;
    mpq_sub(expected.get(), a.get(), b.get());
    SetDecimal(actual, difference);
    ASSERT_TRUE(mpq_equal(expected.get(), actual.get())) << x << " - " << y;
    mpq_mul(expected.get(), a.get(), b.get());
    SetDecimal(actual, product);
    ASSERT_TRUE(mpq_equal(expected.get(), actual.get())) << x << " * " << y;
    if (i % 10 == 0) {
      const int k = 1 + source.Below(12);
      mpq_set_ui(expected.get(), 1, 1);
      for (int j = 0; j < k; ++j) mpq_mul(expected.get(), expected.get(), a.get());
      const std::string power = DecimalPower(x, k);
      ASSERT_TRUE(IsCanonical(power)) << power;
      SetDecimal(actual, power);
      ASSERT_TRUE(mpq_equal(expected.get(), actual.get())) << x << " ^ " << k;
    }
  }
}

// Position of the leading digit of a positive canonical decimal: 10^lead <= value.
int LeadingPosition(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::string whole = text.substr(0, point);
  if (whole != "0") return static_cast<int>(whole.size()) - 1;
  const std::size_t first = text.find_first_not_of('0', point + 1);
  return -static_cast<int>(first - point);
}

void SetPowerOfTen(Mpq& q, int exponent) {
  const std::string power = "1" + std::string(static_cast<std::size_t>(std::abs(exponent)), '0');
  mpq_set_str(q.get(), (exponent >= 0 ? power + "/1" : "1/" + power).c_str(), 10);
}

int SignificantDigits(const std::string& text) {
  std::string digits;
  for (char c : text)
    if (c >= '0' && c <= '9') digits.push_back(c);
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t last = digits.find_last_not_of('0');
  return static_cast<int>(last - first + 1);
}

TEST(BigDecimalTest, QuotientIsTheTruncationToDPlusOneDigits) {
  DecimalSource source(12);
  Mpq a, b, exact, actual, gap, unit;
  for (int i = 0; i < 3000; ++i) {
    const std::string x = source.Next(30);
    const std::string y = source.Next(30);
    const int d = source.Below(40);
    const std::string q = DecimalDivide(x, y, d);
    SetDecimal(a, x);
    SetDecimal(b, y);
    if (mpq_sgn(b.get()) == 0) {
      ASSERT_EQ(q, "Err");
      continue;
    }
    ASSERT_TRUE(IsCanonical(q)) << x << " / " << y << " = " << q;
    mpq_div(exact.get(), a.get(), b.get());
    SetDecimal(actual, q);
    if (mpq_sgn(exact.get()) == 0) {
      ASSERT_EQ(q, "0");
      continue;
    }
    ASSERT_EQ(mpq_sgn(actual.get()), mpq_sgn(exact.get())) << q;
    mpq_abs(exact.get(), exact.get());
    mpq_abs(actual.get(), actual.get());
    // 0 <= exact - actual < 10^(lead - d), with at most d + 1 significant digits.
    mpq_sub(gap.get(), exact.get(), actual.get());
    ASSERT_GE(mpq_sgn(gap.get()), 0) << x << " / " << y << " = " << q;
    const std::string magnitude = q[0] == '-' ? q.substr(1) : q;
    SetPowerOfTen(unit, LeadingPosition(magnitude) - d);
    ASSERT_LT(mpq_cmp(gap.get(), unit.get()), 0) << x << " / " << y << " d=" << d << " = " << q;
    ASSERT_LE(SignificantDigits(magnitude), d + 1) << q;
    // The leading digit is where the exact quotient's is.
    SetPowerOfTen(unit, LeadingPosition(magnitude) + 1);
    ASSERT_LT(mpq_cmp(exact.get(), unit.get()), 0) << x << " / " << y << " = " << q;
  }
}

// Long division the way it is done by hand on the normalised texts: the first partial
// remainder takes len(b) + 1 digits of a when the first min(len a, len b) digits of a are
// the smaller, else len(b); each quotient digit is estimated from the divisor's leading
// digit and lowered until it fits.
int ExponentOf(const std::string& s) {
  const std::size_t point = s.find('.');
  if (point != std::string::npos) return static_cast<int>(s.size() - point - 1);
  const std::size_t last = s.find_last_not_of('0');
  return last == std::string::npos ? 0 : -static_cast<int>(s.size() - 1 - last);
}

std::string MantissaOf(std::string s) {
  s.erase(std::remove(s.begin(), s.end(), '.'), s.end());
  const std::size_t first = s.find_first_not_of('0');
  if (first == std::string::npos) return std::string();
  return s.substr(first, s.find_last_not_of('0') - first + 1);
}

std::string HandDivide(const std::string& aText, const std::string& bText, int d) {
  const std::string na = NormalizeDecimal(aText);
  const std::string nb = NormalizeDecimal(bText);
  const std::string ma = MantissaOf(na);
  const std::string mb = MantissaOf(nb);
  if (mb.empty()) return "Err";
  if (ma.empty()) return "0";
  int e = ExponentOf(na) - ExponentOf(nb);
  const std::size_t la = ma.size();
  const std::size_t lb = mb.size();
  const std::size_t k = std::min(la, lb);
  const std::size_t take = ma.substr(0, k) < mb.substr(0, k) ? lb + 1 : lb;
  std::string rem;
  std::size_t pos = 0;
  for (std::size_t i = 0; i < take; ++i) {
    if (pos < la) {
      rem += ma[pos++];
    } else {
      rem += '0';
      ++e;
    }
  }
  std::string quotient;
  bool early = false;
  const int lead = mb[0] - '0';
  for (int i = 0; i <= d; ++i) {
    int q = rem[0] - '0' > lead ? (rem[0] - '0') / lead : std::stoi(rem.substr(0, 2)) / lead;
    while (BigSubtract(rem, BigMultiply(mb, std::to_string(q)))[0] == '-') --q;
    quotient += static_cast<char>('0' + q);
    rem = BigSubtract(rem, BigMultiply(mb, std::to_string(q)));
    if (rem == "0" && pos >= la) {
      early = true;
      break;
    }
    if (rem == "0") rem.clear();
    if (pos < la) {
      rem += ma[pos++];
    } else {
      rem += '0';
      ++e;
    }
  }
  int n = (early ? e + 1 : e) - 1 - static_cast<int>(la - pos);
  while (quotient.size() > 1 && quotient.back() == '0') {
    quotient.pop_back();
    --n;
  }
  const int length = static_cast<int>(quotient.size());
  std::string text;
  if (length < n)
    text = "." + std::string(n - length, '0') + quotient;
  else if (n > 0)
    text = quotient.substr(0, length - n) + "." + quotient.substr(length - n);
  else
    text = quotient + std::string(-n, '0');
  if (text[0] == '.') text.insert(0, "0");
  return text;
}

TEST(BigDecimalTest, QuotientMatchesHandDivision) {
  DecimalSource source(13);
  int prefixCases = 0;
  for (int i = 0; i < 3000; ++i) {
    std::string x = source.Next(12);
    std::string y = source.Next(12);
    if (x[0] == '-') x.erase(0, 1);
    if (y[0] == '-') y.erase(0, 1);
    if (i % 5 == 0) y = x + source.Digits(1 + source.Below(3)) + "7";  // a's digits begin b's
    const int d = source.Below(25);
    const std::string hand = HandDivide(x, y, d);
    const std::string fast = MagnitudeDivide(x, y, d);
    const std::string ma = MantissaOf(NormalizeDecimal(x));
    const std::string mb = MantissaOf(NormalizeDecimal(y));
    if (!ma.empty() && ma.size() < mb.size() && mb.compare(0, ma.size(), ma) == 0) {
      // By hand, a dividend whose digits begin the divisor's starts with a zero quotient
      // digit and keeps only d digits (06.66 for 100 / 15, 0.0000 for d = 0); the routine
      // keeps d + 1.
      ++prefixCases;
      ASSERT_EQ(NormalizeDecimal(hand), d > 0 ? MagnitudeDivide(x, y, d - 1) : "0")
          << x << " / " << y;
      continue;
    }
    ASSERT_EQ(fast, hand) << x << " / " << y << " d=" << d;
  }
  EXPECT_GT(prefixCases, 0);
}

}  // namespace
}  // namespace zarnix
