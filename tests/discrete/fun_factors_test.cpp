// Divisor and factor problems against published sequences and independent checks: amicable
// pairs against divisor sums by trial division, the Mersenne exponents against the
// Lucas-Lehmer test and the long numbers against GMP, Smith numbers and Ruth-Aaron pairs
// against a factorization by trial division of the test's own.
#include "discrete/fun_factors.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace zarnix {
namespace {

std::int64_t ProperDivisorSum(std::int64_t n) {
  if (n < 2) return 0;
  std::int64_t sum = 1;
  for (std::int64_t d = 2; d * d <= n; ++d)
    if (n % d == 0) sum += d + (d * d == n ? 0 : n / d);
  return sum;
}

std::vector<std::int64_t> TrialFactors(std::int64_t n) {
  std::vector<std::int64_t> factors;
  for (std::int64_t d = 2; d * d <= n; ++d)
    while (n % d == 0) {
      factors.push_back(d);
      n /= d;
    }
  if (n > 1) factors.push_back(n);
  return factors;
}

int DigitSum(std::int64_t n) {
  int sum = 0;
  for (; n > 0; n /= 10) sum += static_cast<int>(n % 10);
  return sum;
}

TEST(FunFactors, AmicablePairsAgreeWithDivisorSums) {
  // A002025 and A002046: the pairs with the smaller member below 100000.
  const std::vector<std::pair<std::int64_t, std::int64_t>> published = {
      {220, 284},     {1184, 1210},   {2620, 2924},   {5020, 5564},   {6232, 6368},
      {10744, 10856}, {12285, 14595}, {17296, 18416}, {63020, 76084}, {66928, 66992},
      {67095, 71145}, {69615, 87633}, {79750, 88730}};
  EXPECT_EQ(AmicablePairs(1, 100000), published);
  for (const auto& [a, b] : std::vector<std::pair<std::int64_t, std::int64_t>>{
           {1, 20000}, {600000, 610000}, {1000000, 1010000}}) {
    std::vector<std::pair<std::int64_t, std::int64_t>> plain;
    for (std::int64_t x = a; x <= b; ++x) {
      const std::int64_t y = ProperDivisorSum(x);
      if (y > x && y <= b && ProperDivisorSum(y) == x) plain.push_back({x, y});
    }
    EXPECT_EQ(AmicablePairs(a, b), plain) << a;
  }
  const std::vector<std::string> lines = AmicableLines(200, 100);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"200～300之间的情侣数(亲和数)", "220,284", "共1对"}));
  EXPECT_TRUE(AmicablePairs(0, 0).empty());
}

// 2^p - 1 is prime exactly when s(p-2) = 0 for s(0) = 4, s(i+1) = s(i)^2 - 2 mod 2^p - 1.
bool LucasLehmer(unsigned long p) {
  if (p == 2) return true;
  mpz_t m, s;
  mpz_inits(m, s, nullptr);
  mpz_ui_pow_ui(m, 2, p);
  mpz_sub_ui(m, m, 1);
  mpz_set_ui(s, 4);
  for (unsigned long i = 0; i + 2 < p; ++i) {
    mpz_mul(s, s, s);
    mpz_sub_ui(s, s, 2);
    mpz_mod(s, s, m);
  }
  const bool prime = mpz_sgn(s) == 0;
  mpz_clears(m, s, nullptr);
  return prime;
}

std::string PowerOfTwoMinusOne(unsigned long p) {
  mpz_t m;
  mpz_init(m);
  mpz_ui_pow_ui(m, 2, p);
  mpz_sub_ui(m, m, 1);
  std::string text(mpz_sizeinbase(m, 10) + 2, '\0');
  mpz_get_str(text.data(), 10, m);
  mpz_clear(m);
  text.resize(text.find('\0'));
  return text;
}

TEST(FunFactors, MersenneExponentsAreThePublishedOnesAndPassLucasLehmer) {
  // A000043, the first 31 terms.
  const std::vector<int> a000043 = {2,     3,     5,     7,     13,     17,     19,    31,
                                    61,    89,    107,   127,   521,    607,    1279,  2203,
                                    2281,  3217,  4253,  4423,  9689,   9941,   11213, 19937,
                                    21701, 23209, 44497, 86243, 110503, 132049, 216091};
  EXPECT_EQ(std::vector<int>(kMersenneExponents, kMersenneExponents + kMersenneCount), a000043);
  // Every prime below 1300 is an exponent exactly when Lucas-Lehmer says so.
  std::vector<int> passing;
  for (int p = 2; p < 1300; ++p) {
    bool prime = true;
    for (int d = 2; d * d <= p; ++d) prime = prime && p % d != 0;
    if (prime && LucasLehmer(static_cast<unsigned long>(p))) passing.push_back(p);
  }
  EXPECT_EQ(passing, std::vector<int>(a000043.begin(), a000043.begin() + 15));
}

TEST(FunFactors, MersenneAndPerfectListsCarryTheLongNumbers) {
  const std::vector<std::string> mersenne =
      MersenneList(kMersenneCount + 5, MersenneForm::kMersenne);
  ASSERT_EQ(mersenne.size(), 3u + 2 * kMersenneCount);
  EXPECT_EQ(mersenne[2], "前31个梅森质数：");
  EXPECT_EQ(mersenne[3], "第1个 n=2 (1位)");
  EXPECT_EQ(mersenne[mersenne.size() - 2], "第31个 n=216091 (65050位)");
  EXPECT_EQ(mersenne.back(), PowerOfTwoMinusOne(216091));
  EXPECT_EQ(mersenne[3 + 2 * 19 + 1], PowerOfTwoMinusOne(4423));

  const std::vector<std::string> perfect = MersenneList(kMersenneCount, MersenneForm::kPerfect);
  ASSERT_EQ(perfect.size(), 5u + 2 * kMersenneCount);
  // A000396.
  EXPECT_EQ(perfect[6], "6");
  EXPECT_EQ(perfect[8], "28");
  EXPECT_EQ(perfect[10], "496");
  EXPECT_EQ(perfect[12], "8128");
  EXPECT_EQ(perfect[13], "第5个 (8位)");
  EXPECT_EQ(perfect[14], "33550336");
  EXPECT_EQ(perfect[perfect.size() - 2], "第31个 (130100位)");
  EXPECT_EQ(MersenneList(0, MersenneForm::kPerfect).size(), 5u);
}

TEST(FunFactors, SmithNumbersAgreeWithTrialDivision) {
  // A006753, every term below 1000.
  const std::vector<std::int64_t> a006753 = {
      4,   22,  27,  58,  85,  94,  121, 166, 202, 265, 274, 319, 346, 355, 378, 382, 391,
      438, 454, 483, 517, 526, 535, 562, 576, 588, 627, 634, 636, 645, 648, 654, 663, 666,
      690, 706, 728, 729, 762, 778, 825, 852, 861, 895, 913, 915, 922, 958, 985};
  EXPECT_EQ(SmithNumbers(-5, 999), a006753);
  for (const std::int64_t a : {std::int64_t{1000}, std::int64_t{10000000000}}) {
    std::vector<std::int64_t> plain;
    for (std::int64_t n = a; n <= a + 400; ++n) {
      const std::vector<std::int64_t> factors = TrialFactors(n);
      if (factors.size() < 2) continue;
      int sum = 0;
      for (std::int64_t f : factors) sum += DigitSum(f);
      if (sum == DigitSum(n)) plain.push_back(n);
    }
    EXPECT_EQ(SmithNumbers(a, a + 400), plain) << a;
  }
  const std::vector<std::string> lines = SmithLines(630, 10);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 6, lines.end()),
            (std::vector<std::string>{"在630~640范围内有史密斯数：", "634 636", "共2个",
                                      "其中孪生史密斯数：", "634,636", "有1对"}));
}

TEST(FunFactors, RuthAaronPairsAgreeWithTrialDivision) {
  // A039752, the first terms.
  const std::vector<std::int64_t> a039752 = {5,    8,    15,   77,   125,  714,  948, 1330,
                                             1520, 1862, 2491, 3248, 4185, 4191, 5405};
  const std::vector<std::int64_t> starts = RuthAaronStarts(1, 5500);
  EXPECT_EQ(std::vector<std::int64_t>(starts.begin(), starts.begin() + 15), a039752);
  const auto sumOf = [](std::int64_t n) {
    std::int64_t sum = 0;
    for (std::int64_t f : TrialFactors(n)) sum += f;
    return sum;
  };
  for (const std::int64_t a : {std::int64_t{2}, std::int64_t{1000000000}}) {
    std::vector<std::int64_t> plain;
    for (std::int64_t n = a; n <= a + 3000; ++n)
      if (sumOf(n) == sumOf(n + 1)) plain.push_back(n);
    EXPECT_EQ(RuthAaronStarts(a, a + 3000), plain) << a;
  }
  EXPECT_EQ(RuthAaronLines(1, 10),
            (std::vector<std::string>{"鲁兹-阿伦数对", "（两相邻整数的质因数之和相等）", "5,6",
                                      "8,9", "共2对（1~10）"}));
  EXPECT_EQ(RuthAaronLines(10, 9).back(), "共0对（10~9）");
}

}  // namespace
}  // namespace zarnix
