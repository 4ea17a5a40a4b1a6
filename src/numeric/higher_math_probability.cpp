// Probabilities: the products and sums of binomial coefficients as written where the numbers
// stay small, their logarithms or the incomplete beta function beyond, and the Pearson type
// III quantiles from the incomplete gamma function.
#include "numeric/higher_math_probability.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/fpu.h"
#include "numeric/higher_math_special.h"
#include "numeric/stats.h"

namespace zarnix {

namespace {

// Up to here C(n, k) and the factorials fit an extended real (Binomial's own limit).
constexpr std::int64_t kDirectLimit = 1754;
// Sums of more terms than this are refused.
constexpr std::int64_t kMaxTerms = 10000000;

void Require(bool ok, HigherMathError error) {
  if (!ok) throw EHigherMathError(error);
}

void RequireProbability(Extended p) {
  Require(p >= 0 && p <= 1, HigherMathError::kProbability);
}

void RequireTermCount(std::int64_t terms) {
  Require(terms <= kMaxTerms, HigherMathError::kTooLarge);
}

Extended Real(std::int64_t v) {
  return static_cast<Extended>(v);
}

// C(n, k) for 0 <= n <= kDirectLimit; C(0, 0) is 1.
Extended Choose(std::int64_t n, std::int64_t k) {
  if (k < 0 || k > n) return 0;
  if (k == 0 || k == n) return 1;
  return Binomial(static_cast<std::uint32_t>(n), static_cast<std::uint32_t>(k));
}

// p^k (1 − p)^(n − k) C(n, k) through logarithms, for large n.
Extended LogBinomialTerm(std::int64_t n, std::int64_t k, Extended p) {
  if (p == 0) return k == 0 ? 1 : 0;
  if (p == 1) return k == n ? 1 : 0;
  return std::exp(LogBinomial(n, k) + Real(k) * std::log(p) + Real(n - k) * std::log1p(-p));
}

// Φ(b) − Φ(a) of the standard normal distribution, on the side where both tails keep digits.
Extended StandardNormalBetween(Extended a, Extended b) {
  const Extended s = std::numbers::sqrt2_v<Extended>;
  if (a > 0 && b > 0) return (std::erfc(a / s) - std::erfc(b / s)) / 2;
  if (a < 0 && b < 0) return (std::erfc(-b / s) - std::erfc(-a / s)) / 2;
  return (std::erf(b / s) - std::erf(a / s)) / 2;
}

}  // namespace

Extended NormalProbability(Extended mean, Extended deviation, Extended lower, Extended upper) {
  Require(!(deviation < 0), HigherMathError::kDeviation);
  if (deviation == 0) throw EZeroDivide();
  const Extended a = (lower - mean) / deviation;
  const Extended b = (upper - mean) / deviation;
  return Checked(StandardNormalBetween(a, b));
}

Extended NormalDensity(Extended mean, Extended deviation, Extended x) {
  Require(!(deviation < 0), HigherMathError::kDeviation);
  const Extended d = x - mean;
  return Checked(std::exp(-d * d / (2 * deviation * deviation)) /
                 (std::sqrt(2 * std::numbers::pi_v<Extended>) * deviation));
}

Extended BinomialProbability(std::int64_t n, std::int64_t k, Extended p) {
  Require(n >= 0, HigherMathError::kCounts);
  RequireProbability(p);
  if (k < 0 || k > n) return 0;
  if (n > kDirectLimit) return Checked(LogBinomialTerm(n, k, p));
  Extended c = 1;
  for (std::int64_t i = 0; i < k; ++i) c *= Real(n - i) / Real(k - i);
  return Checked(c * std::pow(p, Real(k)) * std::pow(1 - p, Real(n - k)));
}

Extended AtLeastSuccessesProbability(std::int64_t n, std::int64_t k, Extended p) {
  Require(n >= 0, HigherMathError::kCounts);
  RequireProbability(p);
  if (k <= 0) return 1;
  if (k > n) return 0;
  if (n > kDirectLimit) return Checked(RegularizedBeta(Real(k), Real(n - k + 1), p));
  Extended sum = 0;
  for (std::int64_t i = 0; i <= n - k; ++i)
    sum += Choose(n, i) * std::pow(p, Real(n - i)) * std::pow(1 - p, Real(i));
  return Checked(sum);
}

Extended MeanMissProbability(std::int64_t b, std::int64_t m, std::int64_t t) {
  Require(m >= 0 && m <= b && t >= 0, HigherMathError::kCounts);
  // C(b − i, m) / C(b, m) term by term: each is the one before times (b − i − m) / (b − i).
  const std::int64_t last = std::min(t, b - m);
  RequireTermCount(last);
  Extended sum = 0, ratio = 1;
  for (std::int64_t i = 0; i <= last; ++i) {
    sum += ratio;
    if (b - i > 0) ratio *= Real(b - i - m) / Real(b - i);
  }
  return Checked(sum / Real(t + 1));
}

Extended HypergeometricTail(std::int64_t population, std::int64_t marked, std::int64_t drawn,
                            std::int64_t lowest) {
  Require(marked >= 0 && drawn >= 0 && marked <= population && drawn <= population,
          HigherMathError::kCounts);
  const std::int64_t first = std::max({lowest, std::int64_t{0}, drawn - (population - marked)});
  const std::int64_t last = std::min(drawn, marked);
  if (first > last) return 0;
  RequireTermCount(last - first);
  Extended sum = 0;
  if (population <= kDirectLimit) {
    const Extended all = Choose(population, drawn);
    for (std::int64_t i = first; i <= last; ++i)
      sum += Choose(marked, i) * Choose(population - marked, drawn - i) / all;
  } else {
    const Extended all = LogBinomial(population, drawn);
    for (std::int64_t i = first; i <= last; ++i)
      sum += std::exp(LogBinomial(marked, i) + LogBinomial(population - marked, drawn - i) - all);
  }
  return Checked(sum);
}

Extended OrderedDrawProbability(std::int64_t t, std::int64_t m) {
  Require(m >= 0 && m <= t, HigherMathError::kCounts);
  Extended value = 1;
  for (std::int64_t j = 0; j < m && value != 0; ++j) value /= Real(t - j);
  return Checked(value);
}

Extended AllDifferentProbability(std::int64_t k, std::int64_t n) {
  if (k <= 0) return 1;
  Require(n > 0, HigherMathError::kCounts);
  if (k > n) return 0;
  Extended value = 1;
  for (std::int64_t i = 0; i < k && value != 0; ++i) value *= Real(n - i) / Real(n);
  return Checked(value);
}

Extended BirthdayProbability(std::int64_t k) {
  return Checked(1 - AllDifferentProbability(k, 365));
}

Extended CentralBinomialRatio(std::int64_t f) {
  Require(f >= 1, HigherMathError::kCounts);
  Extended value = Real(f) * Real(f + 1);
  for (std::int64_t j = 1; j <= f && value != 0; ++j) value *= Real(j) / Real(f + j);
  return Checked(value);
}

bool PearsonSkewTooSmall(Extended cv, Extended cs) {
  return cs + 1e-20L < 2 * cv;
}

std::array<PearsonPoint, 15> PearsonIIICurve(Extended mean, Extended cv, Extended cs) {
  Require(mean > 0 && cv > 0 && cs > 0, HigherMathError::kPearsonParameters);
  Require(!PearsonSkewTooSmall(cv, cs), HigherMathError::kPearsonSkew);
  const Extended alpha = 4 / (cs * cs);
  const Extended beta = 2 / (mean * cv * cs);
  const Extended a0 = mean * (1 - 2 * cv / cs);
  std::array<PearsonPoint, 15> curve{};
  for (std::size_t i = 0; i < curve.size(); ++i) {
    const Extended percent = kPearsonPercents[i];
    curve[i] = {percent, a0 + InverseRegularizedGammaQ(alpha, percent / 100) / beta};
  }
  CheckFpFaults();
  return curve;
}

}  // namespace zarnix
