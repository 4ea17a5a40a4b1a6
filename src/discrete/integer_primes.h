// Primes of the integer arithmetic category: primality by trial division and by Miller-Rabin,
// the next prime, Goldbach pairs, factorization and the prime lists of a range.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

using TPrimeArray = std::vector<std::uint32_t>;

// Numbers below this are tested with extended-precision trial division by the definition; the
// 64-bit variants take over above it.
inline constexpr std::int64_t kExtendedPrimeLimit = 9000000000000201;
// Largest start of the prime lists.
inline constexpr std::int64_t kMaxPrimeStart = 9000000000000000;
// Candidates of PrimesFrom end here.
inline constexpr std::int64_t kPrimesFromEnd = 9200000000000000;

// Trial division by 6k - 1 and 6k + 1 up to round(sqrt(n)), remainders in extended precision.
bool IsPrimeTrial(std::int64_t n);
// The same with 64-bit integer division.
bool IsPrimeTrial64(std::int64_t n);
// Strong probable prime to the bases 2, 7 and 61 after trial division by the primes to 23:
// exact for every 32-bit number.
bool IsPrimeMR(std::uint32_t n);
// Deterministic Miller-Rabin for every 64-bit number (seven bases, 128-bit products). It
// answers exactly as the trial divisions do, in microseconds instead of seconds.
bool IsPrime64(std::int64_t n);

// The first prime above a; 2 for a < 2; 0 for a >= 4294967291 (none fits 32 bits).
std::uint32_t NextPrime(std::uint32_t a);
// The primes p <= n/2 with n - p prime, ascending, at most 1001 of them; empty for odd n and
// for n < 4.
TPrimeArray GoldbachPairs(std::uint32_t n);

// n when n is prime, else its prime factors ascending joined by "*" (360 -> "2*2*2*3*3*5").
// For n >= 2.
std::string Factorize(std::int64_t n);

// All primes a <= p <= b ascending.
std::vector<std::int64_t> PrimesInRange(std::int64_t a, std::int64_t b);
// The first k primes not below a (2 among them when a < 3); odd candidates end at
// kPrimesFromEnd.
std::vector<std::int64_t> PrimesFrom(std::int64_t a, std::int64_t k);
// Each prime followed by a space.
std::string PrimeListText(const std::vector<std::int64_t>& primes);

}  // namespace zarnix
