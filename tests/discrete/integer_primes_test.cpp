// Primality: the trial divisions, the 32-bit and 64-bit Miller-Rabin tests and a sieve must agree
// everywhere they are compared; factorizations multiply back to their number with prime factors.
#include "discrete/integer_primes.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace zarnix {
namespace {

std::vector<bool> Sieve(int n) {
  std::vector<bool> prime(static_cast<std::size_t>(n) + 1, true);
  prime[0] = prime[1] = false;
  for (int i = 2; i * i <= n; ++i)
    if (prime[i])
      for (int j = i * i; j <= n; j += i) prime[j] = false;
  return prime;
}

TEST(Primality, AllTestsAgreeWithASieve) {
  constexpr int kLimit = 200000;
  const std::vector<bool> sieve = Sieve(kLimit);
  for (int n = -5; n <= kLimit; ++n) {
    const bool expected = n >= 0 && sieve[static_cast<std::size_t>(n)];
    ASSERT_EQ(IsPrimeTrial(n), expected) << n;
    ASSERT_EQ(IsPrimeTrial64(n), expected) << n;
    ASSERT_EQ(IsPrime64(n), expected) << n;
    if (n >= 0) {
      ASSERT_EQ(IsPrimeMR(static_cast<std::uint32_t>(n)), expected) << n;
    }
  }
}

TEST(Primality, MillerRabinMatchesTrialDivisionOnLargeNumbers) {
  std::mt19937_64 random(2024);
  // Near the extended-precision threshold and across the 32-bit range.
  for (int i = 0; i < 300; ++i) {
    const std::int64_t n = 9000000000000000 + static_cast<std::int64_t>(random() % 400000);
    const std::uint32_t m = static_cast<std::uint32_t>(random());
    ASSERT_EQ(IsPrime64(m), IsPrimeMR(m)) << m;
    if (i % 10 == 0) {
      ASSERT_EQ(IsPrime64(n), IsPrimeTrial(n)) << n;
      ASSERT_EQ(IsPrime64(n), IsPrimeTrial64(n)) << n;
    }
  }
  // Strong pseudoprimes to several small bases, Carmichael numbers and large primes.
  for (std::int64_t composite : {3215031751LL, 2152302898747LL, 3474749660383LL, 341550071728321LL,
                                 3825123056546413051LL, 561LL, 41041LL, 4294967297LL})
    EXPECT_FALSE(IsPrime64(composite)) << composite;
  EXPECT_FALSE(IsPrimeMR(3215031751u));
  for (std::int64_t prime : {4294967291LL, 4294967311LL, 9000000000000007LL, 2305843009213693951LL,
                             9223372036854775783LL})
    EXPECT_TRUE(IsPrime64(prime)) << prime;
}

TEST(Primes, NextPrimeAndGoldbach) {
  EXPECT_EQ(NextPrime(0), 2u);
  EXPECT_EQ(NextPrime(2), 3u);
  EXPECT_EQ(NextPrime(13), 17u);
  EXPECT_EQ(NextPrime(4294967290u), 4294967291u);
  EXPECT_EQ(NextPrime(4294967291u), 0u);
  EXPECT_EQ(GoldbachPairs(16), (TPrimeArray{3, 5}));
  EXPECT_EQ(GoldbachPairs(4), (TPrimeArray{2}));
  EXPECT_TRUE(GoldbachPairs(15).empty());
  EXPECT_TRUE(GoldbachPairs(2).empty());
  const TPrimeArray many = GoldbachPairs(2000000000);
  EXPECT_EQ(many.size(), 1001u);
  for (std::uint32_t p : many) ASSERT_TRUE(IsPrimeMR(p) && IsPrimeMR(2000000000 - p)) << p;
  EXPECT_EQ(GoldbachPairs(4294967294u).front(), 3u);  // 4294967291 is the largest 32-bit prime
}

// The factors of `text` multiplied back, each checked prime and the list ascending.
std::uint64_t MultiplyBack(const std::string& text) {
  std::uint64_t product = 1;
  std::uint64_t previous = 0;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = text.find('*', start);
    const std::uint64_t factor = std::stoull(text.substr(start, end - start));
    EXPECT_TRUE(IsPrime64(static_cast<std::int64_t>(factor))) << factor;
    EXPECT_LE(previous, factor);
    previous = factor;
    product *= factor;
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return product;
}

TEST(Primes, Factorize) {
  EXPECT_EQ(Factorize(97), "97");
  EXPECT_EQ(Factorize(360), "2*2*2*3*3*5");
  EXPECT_EQ(Factorize(1234567890), "2*3*3*5*3607*3803");
  EXPECT_EQ(Factorize(9223372036854775807), "7*7*73*127*337*92737*649657");
  EXPECT_EQ(Factorize(4611686014132420609), "2147483647*2147483647");
  EXPECT_EQ(Factorize(999999866000004473), "999999929*999999937");
  std::mt19937_64 random(7);
  for (int i = 0; i < 200; ++i) {
    const std::int64_t n = static_cast<std::int64_t>(random() >> (1 + i % 40)) + 2;
    EXPECT_EQ(MultiplyBack(Factorize(n)), static_cast<std::uint64_t>(n)) << n;
  }
}

TEST(Primes, ListsInARangeAndFromAStart) {
  EXPECT_EQ(PrimesInRange(13, 33), (std::vector<std::int64_t>{13, 17, 19, 23, 29, 31}));
  EXPECT_EQ(PrimesInRange(-10, 6), (std::vector<std::int64_t>{2, 3, 5}));
  EXPECT_TRUE(PrimesInRange(24, 28).empty());
  EXPECT_TRUE(PrimesInRange(10, 5).empty());
  const std::vector<bool> sieve = Sieve(10000);
  std::vector<std::int64_t> expected;
  for (int n = 0; n <= 10000; ++n)
    if (sieve[static_cast<std::size_t>(n)]) expected.push_back(n);
  EXPECT_EQ(PrimesInRange(0, 10000), expected);

  EXPECT_EQ(PrimesFrom(0, 5), (std::vector<std::int64_t>{2, 3, 5, 7, 11}));
  EXPECT_EQ(PrimesFrom(3, 3), (std::vector<std::int64_t>{3, 5, 7}));
  EXPECT_EQ(PrimesFrom(14, 2), (std::vector<std::int64_t>{17, 19}));
  EXPECT_TRUE(PrimesFrom(100, 0).empty());
  EXPECT_TRUE(PrimesFrom(kPrimesFromEnd, 5).empty());  // no candidates beyond the end
  EXPECT_EQ(PrimeListText({2, 3}), "2 3 ");
}

}  // namespace
}  // namespace zarnix
