// Statistics and mathematics routines shared by the array-statistics category and the
// geometry, general-calculation and higher-mathematics categories.
#include "numeric/stats.h"

#include <array>
#include <cfenv>
#include <cmath>
#include <limits>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr std::array<const char*, 3> kStatsErrorTexts = {
    "Array is Empty!",
    "Array contains values <= 0!",
    "Not Defined for given Value",
};

void RequireNonEmpty(std::span<const Extended> values) {
  if (values.empty()) throw EStatsError(StatsError::kArrayEmpty);
}

void RequirePositive(std::span<const Extended> values) {
  RequireNonEmpty(values);
  for (const Extended v : values)
    if (v < kZeroTolerance) throw EStatsError(StatsError::kNotPositive);
}

// Coefficients c1 ... c26 of 1/Γ(a) = Σ c_k a^k (Abramowitz and Stegun 6.1.34).
constexpr std::array<Extended, 26> kReciprocalGammaSeries = {
    1.0000000000000000L,  0.5772156649015329L,  -0.6558780715202538L, -0.0420026350340952L,
    0.1665386113822915L,  -0.0421977345555443L, -0.0096219715278770L, 0.0072189432466630L,
    -0.0011651675918591L, -0.0002152416741149L, 0.0001280502823882L,  -0.0000201348547807L,
    -0.0000012504934821L, 0.0000011330272320L,  -0.0000002056338417L, 0.0000000061160950L,
    0.0000000050020075L,  -0.0000000011812746L, 0.0000000001043427L,  0.0000000000077823L,
    -0.0000000000036968L, 0.0000000000005100L,  -0.0000000000000206L, -0.0000000000000054L,
    0.0000000000000014L,  0.0000000000000001L,
};

// Γ has its poles at 0 and at the negative integers.
bool IsGammaPole(Extended x) {
  return x <= 0 && std::trunc(x) == x;
}

}  // namespace

const char* StatsErrorText(StatsError error) {
  return kStatsErrorTexts[static_cast<std::size_t>(error)];
}

Extended MaxOfReals(std::span<const Extended> values) {
  RequireNonEmpty(values);
  Extended largest = values[0];
  for (const Extended v : values.subspan(1))
    if (v > largest) largest = v;
  return largest;
}

Extended MinOfReals(std::span<const Extended> values) {
  RequireNonEmpty(values);
  Extended smallest = values[0];
  for (const Extended v : values.subspan(1))
    if (v < smallest) smallest = v;
  return smallest;
}

Extended SumOfReals(std::span<const Extended> values) {
  Extended sum = 0;
  for (const Extended v : values) sum += v;
  return sum;
}

Extended LargestOf3(Extended a, Extended b, Extended c) {
  Extended largest = a;
  if (b > largest) largest = b;
  if (c > largest) largest = c;
  return largest;
}

Extended DmsToDegrees(Extended degrees, Extended minutes, Extended seconds) {
  return degrees + minutes / 60 + seconds / 3600;
}

Dms DegreesToDms(Extended x) {
  Dms dms;
  dms.degrees = std::trunc(x);
  const Extended minutes = 60 * (x - dms.degrees);
  dms.minutes = std::trunc(minutes);
  dms.seconds = 60 * (minutes - dms.minutes);
  return dms;
}

Extended PointDistance(Extended x1, Extended y1, Extended x2, Extended y2) {
  const Extended dx = std::fabs(x2 - x1);
  const Extended dy = std::fabs(y2 - y1);
  if (dx >= dy) {
    if (dx == 0) return 0;
    const Extended r = dy / dx;
    return dx * std::sqrt(r * r + 1);
  }
  const Extended r = dx / dy;
  return dy * std::sqrt(r * r + 1);
}

Extended Factorial(std::uint32_t n) {
  if (n > 1754) return 0;
  Extended product = 1;
  for (std::uint32_t i = 2; i <= n; ++i) product *= i;
  return product;
}

Extended Binomial(std::uint32_t n, std::uint32_t k) {
  if (n == 0 || n < k || n > 1754) return 0;
  if (k == 0 || k == n) return 1;
  if (k > n / 2) k = n - k;
  FpFaultScope scope;
  // One division after each multiplication keeps the running value small.
  Extended value = 1;
  std::uint32_t divisor = 2;
  for (std::uint32_t c = n - k + 1; c <= n; ++c) {
    value *= c;
    if (divisor <= k) value /= divisor++;
  }
  const Extended result = std::floor(value + 0.5L);
  if (std::fetestexcept(FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW)) {
    ClearFpFaults();
    return -1;
  }
  return result;
}

Extended GeometricMeanOfReals(std::span<const Extended> values) {
  RequirePositive(values);
  // log2 of the product as a sum of logarithms: the product of many values overflows.
  Extended log2Product = 0;
  for (const Extended v : values) log2Product += std::log2(v);
  return Checked(std::exp2(log2Product / static_cast<Extended>(values.size())));
}

Extended HarmonicMeanOfReals(std::span<const Extended> values) {
  RequirePositive(values);
  Extended reciprocals = 0;
  for (const Extended v : values) reciprocals += 1 / v;
  return Checked(static_cast<Extended>(values.size()) / reciprocals);
}

Extended MedianOfSorted(std::span<const Extended> sorted) {
  RequireNonEmpty(sorted);
  const std::size_t h = sorted.size() - 1;
  if (h == 0) return sorted[0];
  const std::size_t i = (h + 1) / 2;
  if (h % 2 == 0) return sorted[i];
  return (sorted[i - 1] + sorted[i]) / 2;
}

bool ModeOfSorted(std::span<const Extended> sorted, Extended& mode) {
  RequireNonEmpty(sorted);
  const std::size_t h = sorted.size() - 1;
  if (h == 0) {
    mode = sorted[0];
    return true;
  }
  mode = -std::numeric_limits<Extended>::max();
  std::size_t run = 1;
  std::size_t best = 0;
  bool tie = false;
  for (std::size_t j = 0; j < h; ++j) {
    if (SameReal(sorted[j], sorted[j + 1])) {
      ++run;
      continue;
    }
    if (run > 1) {
      if (run == best) tie = true;
      if (run > best) {
        mode = sorted[j];
        best = run;
        tie = false;
      }
    }
    run = 1;
  }
  // The last run ends with the array.
  if (best > 0) {
    if (run == best) tie = true;
    if (run > best) {
      mode = sorted[h];
      tie = false;
    }
  } else if (run > 1) {
    mode = sorted[h];
    best = run;
    tie = false;
  }
  return best > 0 && !tie;
}

Extended ReciprocalGamma(Extended x) {
  Extended a = x - std::trunc(x);
  if (a == 0) a = (x > 0) - (x < 0);
  Extended sum = 0;
  Extended power = 1;
  for (const Extended c : kReciprocalGammaSeries) {
    power *= a;
    sum += c * power;
  }
  if (x > 0) {
    while (x > a) {
      sum /= a;
      a += 1;
    }
  } else if (x < 0) {
    while (x < a) {
      a -= 1;
      sum *= a;
    }
  }
  return sum;
}

Extended GammaFunction(Extended x) {
  // The series leaves a tiny non-zero value at the negative integers; they are poles all the
  // same.
  if (IsGammaPole(x)) throw EStatsError(StatsError::kNotDefined);
  const Extended reciprocal = ReciprocalGamma(x);
  if (std::fabs(reciprocal) < 1e-4000L) throw EStatsError(StatsError::kNotDefined);
  return Checked(1 / reciprocal);
}

Extended BetaFunction(Extended a, Extended b) {
  if (IsGammaPole(a) || IsGammaPole(b)) throw EStatsError(StatsError::kNotDefined);
  const Extended ra = ReciprocalGamma(a);
  const Extended rb = ReciprocalGamma(b);
  if (RealIsZero(ra) || RealIsZero(rb)) throw EStatsError(StatsError::kNotDefined);
  return Checked(ReciprocalGamma(a + b) / (ra * rb));
}

std::uint32_t Gcd(std::uint32_t a, std::uint32_t b) {
  while (b != 0) {
    const std::uint32_t r = a % b;
    a = b;
    b = r;
  }
  return a;
}

}  // namespace zarnix
