// Primality by the category's trial divisions, by Miller-Rabin for 32 and 64 bits, and the prime
// searches built on them. Factors of large numbers are found with Pollard's rho (Brent).
#include "discrete/integer_primes.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "base/convert.h"
#include "base/extended.h"

namespace zarnix {

namespace {

using U64 = std::uint64_t;
using U128 = unsigned __int128;

constexpr U64 kLargest32BitPrime = 4294967291u;
constexpr std::size_t kMaxGoldbachPairs = 1001;

U64 MulMod(U64 a, U64 b, U64 m) {
  return static_cast<U64>(static_cast<U128>(a) * b % m);
}

U64 PowMod(U64 base, U64 exponent, U64 m) {
  U64 result = 1 % m;
  base %= m;
  while (exponent > 0) {
    if (exponent & 1) result = MulMod(result, base, m);
    base = MulMod(base, base, m);
    exponent >>= 1;
  }
  return result;
}

// n - 1 = d * 2^s with d odd.
struct OddPart {
  U64 d;
  int s;
};

OddPart SplitPowerOfTwo(U64 n) {
  OddPart part{n - 1, 0};
  while ((part.d & 1) == 0) {
    part.d >>= 1;
    ++part.s;
  }
  return part;
}

// Odd n > 2 is a strong probable prime to base a (a not a multiple of n).
bool StrongProbablePrime(U64 n, U64 a, OddPart part) {
  U64 x = PowMod(a, part.d, n);
  if (x == 1 || x == n - 1) return true;
  for (int i = 1; i < part.s; ++i) {
    x = MulMod(x, x, n);
    if (x == n - 1) return true;
  }
  return false;
}

// round(sqrt(n)) in extended precision, the trial divisions' bound.
std::int64_t RoundedRoot(std::int64_t n) {
  return static_cast<std::int64_t>(std::nearbyint(std::sqrt(static_cast<Extended>(n))));
}

// The checks both trial divisions make before dividing; true when they decide.
bool TrialPrefilter(std::int64_t n, bool& prime) {
  if (n < 2) return prime = false, true;
  if (n == 2 || n == 3 || n == 5 || n == 7) return prime = true, true;
  if (n % 10 % 2 == 0 || n % 3 == 0) return prime = false, true;
  return false;
}

template <class Divides>
bool TrialDivision(std::int64_t n, Divides divides) {
  bool prime = false;
  if (TrialPrefilter(n, prime)) return prime;
  const std::int64_t bound = RoundedRoot(n);
  for (std::int64_t d = 5; d <= bound; d += 6) {
    if (divides(n, d)) return false;
    if (d + 2 <= bound && divides(n, d + 2)) return false;
  }
  return true;
}

// A non-trivial factor of the odd composite n (Pollard's rho with Brent's cycle finding).
U64 PollardFactor(U64 n) {
  for (U64 c = 1;; ++c) {
    const auto f = [n, c](U64 v) { return (MulMod(v, v, n) + c) % n; };
    U64 y = 2, x = 2, q = 1, g = 1, ys = 2;
    constexpr U64 kBatch = 128;
    for (U64 r = 1; g == 1; r <<= 1) {
      x = y;
      for (U64 i = 0; i < r; ++i) y = f(y);
      for (U64 k = 0; k < r && g == 1; k += kBatch) {
        ys = y;
        for (U64 i = 0; i < std::min(kBatch, r - k); ++i) {
          y = f(y);
          q = MulMod(q, x > y ? x - y : y - x, n);
        }
        g = std::gcd(q, n);
      }
    }
    if (g == n) {
      // The batch overshot: step once at a time from its start.
      do {
        ys = f(ys);
        g = std::gcd(x > ys ? x - ys : ys - x, n);
      } while (g == 1);
    }
    if (g != n) return g;
  }
}

void CollectFactors(U64 n, std::vector<U64>& factors) {
  if (n == 1) return;
  if (IsPrime64(static_cast<std::int64_t>(n))) {
    factors.push_back(n);
    return;
  }
  const U64 d = PollardFactor(n);
  CollectFactors(d, factors);
  CollectFactors(n / d, factors);
}

}  // namespace

bool IsPrimeTrial(std::int64_t n) {
  return TrialDivision(n, [](std::int64_t value, std::int64_t d) {
    // floor(x / y) of positive numbers through a 64-bit integer (a library floor is ten
    // times slower).
    const Extended x = static_cast<Extended>(value);
    const Extended y = static_cast<Extended>(d);
    return x - static_cast<Extended>(static_cast<std::int64_t>(x / y)) * y == 0;
  });
}

bool IsPrimeTrial64(std::int64_t n) {
  return TrialDivision(n, [](std::int64_t value, std::int64_t d) { return value % d == 0; });
}

bool IsPrimeMR(std::uint32_t n) {
  if (n < 2) return false;
  if (n == 2 || n == 7 || n == 61) return true;
  for (std::uint32_t p : {2u, 3u, 5u, 7u, 11u, 13u, 17u, 19u, 23u}) {
    if (p >= n) break;
    if (n % p == 0) return false;
  }
  const OddPart part = SplitPowerOfTwo(n);
  for (U64 a : {2u, 7u, 61u})
    if (!StrongProbablePrime(n, a, part)) return false;
  return true;
}

bool IsPrime64(std::int64_t value) {
  if (value < 2) return false;
  const U64 n = static_cast<U64>(value);
  for (U64 p : {2u, 3u, 5u, 7u, 11u, 13u, 17u, 19u, 23u, 29u, 31u, 37u, 41u, 43u, 47u, 53u}) {
    if (n == p) return true;
    if (n % p == 0) return false;
  }
  if (n < 59 * 59) return true;
  if (n <= 0xFFFFFFFFu) return IsPrimeMR(static_cast<std::uint32_t>(n));
  // These seven bases decide every 64-bit number.
  const OddPart part = SplitPowerOfTwo(n);
  for (U64 a : {2ull, 325ull, 9375ull, 28178ull, 450775ull, 9780504ull, 1795265022ull}) {
    const U64 base = a % n;
    if (base == 0) continue;
    if (!StrongProbablePrime(n, base, part)) return false;
  }
  return true;
}

std::uint32_t NextPrime(std::uint32_t a) {
  if (a >= kLargest32BitPrime) return 0;
  if (a < 2) return 2;
  std::uint32_t candidate = a % 2 == 0 ? a + 1 : a + 2;
  while (!IsPrimeMR(candidate)) candidate += 2;
  return candidate;
}

TPrimeArray GoldbachPairs(std::uint32_t n) {
  TPrimeArray pairs;
  if (n < 4 || n % 2 != 0) return pairs;
  for (std::uint32_t p = 2; p != 0 && p <= n / 2; p = NextPrime(p)) {
    if (IsPrimeMR(n - p)) pairs.push_back(p);
    if (pairs.size() >= kMaxGoldbachPairs) break;
  }
  return pairs;
}

std::string Factorize(std::int64_t value) {
  if (value < 2 || IsPrime64(value)) return IntToStr(value);
  U64 n = static_cast<U64>(value);
  std::vector<U64> factors;
  while (n % 2 == 0) {
    factors.push_back(2);
    n /= 2;
  }
  // Small odd factors by division; what is left has only factors above the bound.
  constexpr U64 kTrialBound = 1 << 16;
  for (U64 d = 3; d <= kTrialBound && d * d <= n; d += 2) {
    while (n % d == 0) {
      factors.push_back(d);
      n /= d;
    }
  }
  if (n > 1 && n <= kTrialBound * kTrialBound) {
    factors.push_back(n);  // no factor up to its square root: prime
  } else {
    CollectFactors(n, factors);
  }
  std::sort(factors.begin(), factors.end());
  std::string text;
  for (U64 f : factors) text += (text.empty() ? "" : "*") + std::to_string(f);
  return text;
}

std::vector<std::int64_t> PrimesInRange(std::int64_t a, std::int64_t b) {
  std::vector<std::int64_t> primes;
  b = std::min<std::int64_t>(b, INT64_MAX - 8);
  if (a <= 2 && 2 <= b) primes.push_back(2);
  if (a <= 3 && 3 <= b) primes.push_back(3);
  // The other candidates are 6k - 1 and 6k + 1.
  const std::int64_t from = std::max<std::int64_t>(a, 5);
  for (std::int64_t k = (from + 1) / 6; 6 * k - 1 <= b; ++k) {
    for (std::int64_t candidate : {6 * k - 1, 6 * k + 1}) {
      if (candidate < from || candidate > b) continue;
      if (IsPrime64(candidate)) primes.push_back(candidate);
    }
  }
  return primes;
}

std::vector<std::int64_t> PrimesFrom(std::int64_t a, std::int64_t k) {
  std::vector<std::int64_t> primes;
  if (k <= 0) return primes;
  if (a < 3) primes.push_back(2);
  std::int64_t candidate = std::max<std::int64_t>(a, 3);
  if (candidate % 2 == 0) ++candidate;
  for (; static_cast<std::int64_t>(primes.size()) < k && candidate <= kPrimesFromEnd;
       candidate += 2)
    if (IsPrime64(candidate)) primes.push_back(candidate);
  return primes;
}

std::string PrimeListText(const std::vector<std::int64_t>& primes) {
  std::string text;
  for (std::int64_t p : primes) text += IntToStr(p) + " ";
  return text;
}

}  // namespace zarnix
