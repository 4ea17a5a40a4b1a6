// Probabilities: the products and sums of binomial coefficients as written where the numbers
// stay small, their logarithms or the incomplete beta function beyond, and the Pearson type
// III quantiles from the incomplete gamma function.
#include "numeric/higher_math_probability.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/fpu.h"
#include "numeric/higher_math_functions.h"
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

// ln(n!) − ln(√(2πn) (n/e)^n), the error of Stirling's formula: from ln Γ for small n, else
// from its series (whose first omitted term is below 1e-19 from n = 16 on).
Extended StirlingError(std::int64_t n) {
  const Extended v = Real(n);
  if (n <= 15) {
    int sign = 1;
    return lgammal_r(v + 1, &sign) - (v + 0.5L) * std::log(v) + v -
           0.5L * std::log(2 * std::numbers::pi_v<Extended>);
  }
  constexpr Extended kSeries[] = {1.0L / 12,   1.0L / 360,      1.0L / 1260, 1.0L / 1680,
                                  1.0L / 1188, 691.0L / 360360, 1.0L / 156};
  const Extended inverse2 = 1 / (v * v);
  Extended sum = 0;
  for (int i = 6; i >= 0; --i) sum = kSeries[i] - sum * inverse2;
  return sum / v;
}

// x ln(x / m) + m − x without its cancellation when x is close to m.
Extended DevianceTerm(Extended x, Extended m) {
  if (std::fabs(x - m) < 0.1L * (x + m)) {
    const Extended v = (x - m) / (x + m);
    Extended sum = (x - m) * v, power = 2 * x * v;
    for (int j = 1; j < 1000; ++j) {
      power *= v * v;
      const Extended next = sum + power / (2 * j + 1);
      if (next == sum) break;
      sum = next;
    }
    return sum;
  }
  return x * std::log(x / m) + m - x;
}

// C(n, k) p^k (1 − p)^(n − k) for large n from the Stirling errors and the deviance terms,
// which keeps full relative precision where ln Γ of n would lose a digit per decade of n.
Extended BinomialTerm(std::int64_t n, std::int64_t k, Extended p) {
  const Extended q = 1 - p, vn = Real(n), vk = Real(k);
  if (p == 0) return k == 0 ? 1 : 0;
  if (q == 0) return k == n ? 1 : 0;
  if (k == 0) return std::exp(vn * std::log1p(-p));
  if (k == n) return std::exp(vn * std::log(p));
  const Extended lc = StirlingError(n) - StirlingError(k) - StirlingError(n - k) -
                      DevianceTerm(vk, vn * p) - DevianceTerm(vn - vk, vn * q);
  const Extended lf =
      std::log(2 * std::numbers::pi_v<Extended>) + std::log(vk) + std::log1p(-vk / vn);
  return std::exp(lc - lf / 2);
}

// C(marked, i) C(rest, drawn − i) / C(marked + rest, drawn) as a ratio of binomial terms.
Extended HypergeometricTerm(std::int64_t marked, std::int64_t rest, std::int64_t drawn,
                            std::int64_t i) {
  const Extended p = Real(drawn) / Real(marked + rest);
  return BinomialTerm(marked, i, p) * BinomialTerm(rest, drawn - i, p) /
         BinomialTerm(marked + rest, drawn, p);
}

// Σ of term(first), term(first ± 1), … while in [low, high], each from the one before by
// ratio(i) = term(i + 1) / term(i) (upwards) or its reciprocal, until the terms no longer
// change the sum past the peak.
template <class Ratio>
Extended SumFrom(Extended term, std::int64_t first, std::int64_t low, std::int64_t high, int step,
                 Extended peak, const Ratio& ratio) {
  Extended sum = 0;
  std::int64_t terms = 0;
  for (std::int64_t i = first; i >= low && i <= high; i += step) {
    sum += term;
    RequireTermCount(++terms);
    const bool pastPeak = step > 0 ? Real(i) > peak : Real(i) < peak;
    if ((pastPeak && term <= sum * 1e-21L) || i + step < low || i + step > high) break;
    term = step > 0 ? term * ratio(i) : term / ratio(i - 1);
    if (term == 0) break;
  }
  return sum;
}

// P(X >= k) of the binomial distribution: the upper sum from k when k lies above the mean,
// else one minus the lower sum from k − 1, so that few terms are needed.
Extended BinomialUpperTail(std::int64_t n, std::int64_t k, Extended p) {
  if (p == 0) return 0;
  if (p == 1) return 1;
  const Extended odds = p / (1 - p), mean = Real(n) * p;
  const auto ratio = [&](std::int64_t j) { return Real(n - j) / Real(j + 1) * odds; };
  if (Real(k) > mean) return SumFrom(BinomialTerm(n, k, p), k, k, n, 1, mean, ratio);
  return 1 - SumFrom(BinomialTerm(n, k - 1, p), k - 1, 0, k - 1, -1, mean, ratio);
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
  if (n > kDirectLimit) return Checked(BinomialTerm(n, k, p));
  Extended c = 1;
  for (std::int64_t i = 0; i < k; ++i) c *= Real(n - i) / Real(k - i);
  return Checked(c * std::pow(p, Real(k)) * std::pow(1 - p, Real(n - k)));
}

Extended AtLeastSuccessesProbability(std::int64_t n, std::int64_t k, Extended p) {
  Require(n >= 0, HigherMathError::kCounts);
  RequireProbability(p);
  if (k <= 0) return 1;
  if (k > n) return 0;
  if (n > kDirectLimit) return Checked(BinomialUpperTail(n, k, p));
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
  if (population <= kDirectLimit) {
    Extended sum = 0;
    const Extended all = Choose(population, drawn);
    for (std::int64_t i = first; i <= last; ++i)
      sum += Choose(marked, i) * Choose(population - marked, drawn - i) / all;
    return Checked(sum);
  }
  const std::int64_t rest = population - marked;
  const std::int64_t low = std::max(std::int64_t{0}, drawn - rest);
  const Extended mean = Real(drawn) * Real(marked) / Real(population);
  const auto ratio = [&](std::int64_t i) {
    return Real(marked - i) * Real(drawn - i) / (Real(i + 1) * Real(rest - drawn + i + 1));
  };
  if (Real(first) > mean || first == low)
    return Checked(SumFrom(HypergeometricTerm(marked, rest, drawn, first), first, first, last, 1,
                           mean, ratio));
  return Checked(1 - SumFrom(HypergeometricTerm(marked, rest, drawn, first - 1), first - 1, low,
                             first - 1, -1, mean, ratio));
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
