// Recreational problems about divisors and prime factors: amicable pairs, Mersenne primes and
// perfect numbers, Smith numbers and Ruth-Aaron pairs. Each returns its answer lines; the
// number lists are exposed for checking.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zarnix {

// The exponents p of the first 31 Mersenne primes 2^p - 1, ascending.
inline constexpr int kMersenneCount = 31;
extern const int kMersenneExponents[kMersenneCount];

// Amicable pairs x < y, both in [a, b]: the sum of the proper divisors of each is the other.
// One divisor-sum sieve over the window.
std::vector<std::pair<std::int64_t, std::int64_t>> AmicablePairs(std::int64_t a, std::int64_t b);
std::vector<std::string> AmicableLines(std::int64_t a, std::int64_t span);

// The first n Mersenne primes 2^p - 1, or the perfect numbers 2^(p-1) (2^p - 1).
enum class MersenneForm { kMersenne, kPerfect };
std::vector<std::string> MersenneList(int n, MersenneForm form);

// Composite numbers in [a, b] whose digit sum equals that of their prime factors.
std::vector<std::int64_t> SmithNumbers(std::int64_t a, std::int64_t b);
std::vector<std::string> SmithLines(std::int64_t a, std::int64_t span);

// n in [a, b] where n and n + 1 have the same sum of prime factors (with multiplicity).
std::vector<std::int64_t> RuthAaronStarts(std::int64_t a, std::int64_t b);
std::vector<std::string> RuthAaronLines(std::int64_t a, std::int64_t b);

}  // namespace zarnix
