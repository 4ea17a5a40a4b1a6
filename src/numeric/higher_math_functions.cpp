// Bessel J of real order, associated Legendre functions, the incomplete gamma function and
// its inverse, and the e and Euler-constant series. Everything is in extended precision except the
// Bessel power series, which is summed in 113-bit arithmetic because its terms cancel.
#include "numeric/higher_math_functions.h"

#include <array>
#include <cmath>
#include <numbers>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr std::array<const char*, 13> kErrorTexts = {
    "x<0时，阶数ν必须为整数",
    "x=0时，阶数ν不能是负的非整数",
    "阶数ν的绝对值不能超过100000",
    "要求 |x|<=1，l>=0，m>=0",
    "要求 n>=1",
    "概率应在0与1之间",
    "标准差不能小于0",
    "参数不相容：个数应为非负整数，抽取数不能超过总数",
    "参数太大，项数超过10000000",
    "要求均值X>0，Cv>0，Cs>0",
    "Cs仍小于2Cv，本项不计算",
    "椭圆积分要求模数 |a|<1",
    "样条积分要求至少3个点，x严格单调且与y个数相同",
};

constexpr Extended kPi = std::numbers::pi_v<Extended>;
constexpr Extended kEpsilon = 1.1e-19L;  // a little above the extended unit round-off
constexpr Extended kTiny = 1e-4000L;     // stands for 0 in the continued fractions
constexpr int kMaxIterations = 100000;

// ----------------------------------------------------------------------------- Bessel

// The power series has cancelled more than 15 of its 34 digits beyond this x.
constexpr Extended kSeriesLimit = 35;
// Rescaling step of the downward recurrence, whose values grow without bound.
constexpr Extended kRescale = 1e1000L;

using Quad = __float128;

bool IsWhole(Extended v) {
  return std::trunc(v) == v;
}

// (x/2)^ν / Γ(ν + 1), directly where both parts are finite, else through logarithms.
Extended SeriesPrefactor(Extended nu, Extended x) {
  const Extended half = x / 2;
  if (std::fabs(nu) < 1700) {
    const Extended power = std::pow(half, nu);
    const Extended gamma = std::tgamma(nu + 1);
    if (std::isfinite(power) && power != 0 && std::isfinite(gamma)) return power / gamma;
  }
  int sign = 1;
  const Extended logGamma = lgammal_r(nu + 1, &sign);
  return sign * std::exp(nu * std::log(half) - logGamma);
}

// Σ_k (−x²/4)^k / (k! (ν+1)_k), summed until the terms no longer reach the last bit.
Extended BesselSeries(Extended nu, Extended x) {
  const Quad quarter = static_cast<Quad>(x) * static_cast<Quad>(x) / 4;
  const Quad order = nu;
  Quad term = 1;
  Quad sum = 1;
  const Quad stop = static_cast<Quad>(1e-36L);
  for (int k = 1; k < kMaxIterations; ++k) {
    term *= -quarter / (k * (order + k));
    sum += term;
    const Quad size = term < 0 ? -term : term;
    const Quad total = sum < 0 ? -sum : sum;
    if (k > x / 2 - nu && size <= stop * total) break;
  }
  return static_cast<Extended>(sum);
}

// J_μ(x) by Hankel's expansion, for 0 <= μ < 2 and x > kSeriesLimit, where its smallest term
// lies far below the last bit.
Extended HankelJ(Extended mu, Extended x) {
  const Extended fourMu2 = 4 * mu * mu;
  Extended p = 0, q = 0;
  Extended term = 1;
  for (int k = 0; k < 4 * kSeriesLimit; ++k) {
    if (k > 0) {
      const Extended odd = 2 * k - 1;
      term *= (fourMu2 - odd * odd) / (k * 8 * x);
    }
    const Extended signed_ = (k / 2) % 2 == 0 ? term : -term;
    (k % 2 == 0 ? p : q) += signed_;
    if (std::fabs(term) < 1e-24L) break;
  }
  const Extended phi = (mu / 2 + 0.25L) * kPi;
  const Extended cosChi = std::cos(x) * std::cos(phi) + std::sin(x) * std::sin(phi);
  const Extended sinChi = std::sin(x) * std::cos(phi) - std::cos(x) * std::sin(phi);
  return std::sqrt(2 / (kPi * x)) * (p * cosChi - q * sinChi);
}

// J_ν / J_(ν−1) by the continued fraction 1/(2ν/x − 1/(2(ν+1)/x − ...)), modified Lentz.
Extended BesselRatio(Extended nu, Extended x) {
  Extended f = kTiny, c = f, d = 0;
  for (int j = 1; j < kMaxIterations; ++j) {
    const Extended b = 2 * (nu + j - 1) / x;
    const Extended a = j == 1 ? 1 : -1;
    d = b + a * d;
    if (d == 0) d = kTiny;
    c = b + a / c;
    if (c == 0) c = kTiny;
    d = 1 / d;
    const Extended delta = c * d;
    f *= delta;
    if (std::fabs(delta - 1) < kEpsilon) break;
  }
  return f;
}

// J at orders μ, μ+1 by Hankel's expansion, then the recurrence J_(k+1) = (2k/x) J_k − J_(k−1)
// upwards or downwards to the order μ + steps.
Extended RecurFromHankel(Extended mu, Extended x, std::int64_t steps) {
  Extended lower = HankelJ(mu, x);      // J_μ
  Extended upper = HankelJ(mu + 1, x);  // J_(μ+1)
  if (steps >= 0) {
    for (std::int64_t k = 1; k <= steps; ++k) {
      const Extended next = 2 * (mu + k) / x * upper - lower;
      lower = upper;
      upper = next;
    }
    return lower;
  }
  for (std::int64_t k = 0; k > steps; --k) {  // lower = J_(μ+k), upper = J_(μ+k+1)
    const Extended previous = 2 * (mu + k) / x * lower - upper;
    upper = lower;
    lower = previous;
  }
  return lower;
}

// J_ν(x) for x > kSeriesLimit and ν >= 0.
Extended BesselJLarge(Extended nu, Extended x) {
  const Extended whole = std::floor(nu);
  const Extended mu = nu - whole;
  if (nu <= x) return RecurFromHankel(mu, x, static_cast<std::int64_t>(whole));
  // Above x the recurrence is stable only downwards: from ν, scaled, to an order below x.
  const std::int64_t matchSteps = static_cast<std::int64_t>(std::floor(x - mu));
  const Extended match = mu + static_cast<Extended>(matchSteps);
  Extended upper = 1;                       // J_ν, scaled
  Extended lower = 1 / BesselRatio(nu, x);  // J_(ν−1), scaled
  int rescales = 0;
  for (Extended k = nu - 1; k > match + 0.5L; k -= 1) {
    const Extended previous = 2 * k / x * lower - upper;
    upper = lower;
    lower = previous;
    if (std::fabs(lower) > kRescale) {
      upper /= kRescale;
      lower /= kRescale;
      ++rescales;
    }
  }
  Extended value = RecurFromHankel(mu, x, matchSteps) / lower;
  for (int i = 0; i < rescales && value != 0; ++i) value /= kRescale;
  return value;
}

Extended BesselJNonNegativeX(Extended nu, Extended x) {
  if (x == 0) {
    if (nu == 0) return 1;
    if (nu > 0) return 0;
    throw EHigherMathError(HigherMathError::kBesselOrderAtZero);
  }
  if (x <= kSeriesLimit) return SeriesPrefactor(nu, x) * BesselSeries(nu, x);
  if (nu >= 0) return BesselJLarge(nu, x);
  const Extended whole = std::floor(nu);
  return RecurFromHankel(nu - whole, x, static_cast<std::int64_t>(whole));
}

// ----------------------------------------------------------------------------- Γ

Extended LogGamma(Extended a) {
  int sign = 1;
  return lgammal_r(a, &sign);
}

// x^a e^(−x) / Γ(a), the factor in front of both incomplete gamma expansions.
Extended GammaFront(Extended a, Extended x) {
  return std::exp(a * std::log(x) - x - LogGamma(a));
}

Extended GammaSeriesP(Extended a, Extended x) {
  Extended term = 1 / a, sum = term, ap = a;
  for (int i = 0; i < kMaxIterations; ++i) {
    ap += 1;
    term *= x / ap;
    sum += term;
    if (std::fabs(term) < std::fabs(sum) * kEpsilon) break;
  }
  return sum * GammaFront(a, x);
}

Extended GammaFractionQ(Extended a, Extended x) {
  Extended b = x + 1 - a;
  Extended c = 1 / kTiny, d = 1 / b, h = d;
  for (int i = 1; i < kMaxIterations; ++i) {
    const Extended an = -i * (i - a);
    b += 2;
    d = an * d + b;
    if (std::fabs(d) < kTiny) d = kTiny;
    c = b + an / c;
    if (std::fabs(c) < kTiny) c = kTiny;
    d = 1 / d;
    const Extended delta = d * c;
    h *= delta;
    if (std::fabs(delta - 1) < kEpsilon) break;
  }
  return GammaFront(a, x) * h;
}

constexpr Extended kEulerGamma = 0.57721566490153286060651209008240243L;
constexpr std::int64_t kDirectHarmonicTerms = 10000;

}  // namespace

const char* HigherMathErrorText(HigherMathError error) {
  return kErrorTexts[static_cast<std::size_t>(error)];
}

Extended BesselJ(Extended nu, Extended x) {
  if (!(std::fabs(nu) <= kMaxBesselOrder))
    throw EHigherMathError(HigherMathError::kBesselOrderTooLarge);
  Extended sign = 1;
  if (IsWhole(nu) && nu < 0) {  // J_(−n) = (−1)^n J_n
    nu = -nu;
    if (std::fmod(nu, 2) == 1) sign = -sign;
  }
  if (x < 0) {
    if (!IsWhole(nu)) throw EHigherMathError(HigherMathError::kBesselNegativeX);
    x = -x;
    if (std::fmod(nu, 2) == 1) sign = -sign;
  }
  return Checked(sign * BesselJNonNegativeX(nu, x));
}

Extended AssociatedLegendre(std::int64_t l, std::int64_t m, Extended x) {
  if (l < 0 || m < 0 || !(std::fabs(x) <= 1))
    throw EHigherMathError(HigherMathError::kLegendreDomain);
  if (l < m) return 0;
  Extended pmm = 1;
  const Extended root = std::sqrt((1 - x) * (1 + x));
  for (std::int64_t i = 1; i <= m; ++i) pmm = -pmm * (2 * i - 1) * root;
  if (l == m) return Checked(pmm);
  Extended pm1 = x * (2 * m + 1) * pmm;
  for (std::int64_t ll = m + 2; ll <= l; ++ll) {
    const Extended pll = (x * (2 * ll - 1) * pm1 - (ll + m - 1) * pmm) / (ll - m);
    pmm = pm1;
    pm1 = pll;
  }
  return Checked(pm1);
}

Extended ExponentialSeries(std::int64_t n) {
  Extended sum = 1, term = 1;
  for (std::int64_t l = 0; l < n; ++l) {
    term /= static_cast<Extended>(l + 1);
    if (sum + term == sum) break;
    sum += term;
  }
  return sum;
}

Extended EulerConstantApproximation(std::int64_t n) {
  if (n < 1) throw EHigherMathError(HigherMathError::kEulerCount);
  const Extended v = static_cast<Extended>(n);
  if (n > kDirectHarmonicTerms) {
    const Extended inverse2 = 1 / (v * v);
    return kEulerGamma + 1 / (2 * v) -
           inverse2 * (1.0L / 12 - inverse2 * (1.0L / 120 - inverse2 / 252));
  }
  Extended sum = 0;
  for (std::int64_t j = n; j >= 1; --j) sum += 1 / static_cast<Extended>(j);
  return sum - std::log(v);
}

Extended RegularizedGammaP(Extended a, Extended x) {
  if (x <= 0) return 0;
  return x < a + 1 ? GammaSeriesP(a, x) : 1 - GammaFractionQ(a, x);
}

Extended RegularizedGammaQ(Extended a, Extended x) {
  if (x <= 0) return 1;
  return x < a + 1 ? 1 - GammaSeriesP(a, x) : GammaFractionQ(a, x);
}

Extended InverseRegularizedGammaQ(Extended a, Extended q) {
  // Solve the smaller of the two tails, which keeps its relative precision.
  const bool lowerTail = q > 0.5L;
  const Extended target = lowerTail ? 1 - q : q;
  const auto tail = [&](Extended t) {
    return lowerTail ? RegularizedGammaP(a, t) : RegularizedGammaQ(a, t);
  };
  // Bracket: the tail rises from 0 (lower) or falls to 0 (upper) with t.
  Extended lo = 0, hi = a + 1;
  while ((tail(hi) < target) == lowerTail) {
    lo = hi;
    hi *= 2;
  }
  Extended t = (lo + hi) / 2;
  for (int i = 0; i < 400; ++i) {
    const Extended miss = tail(t) - target;
    if (miss == 0) break;
    if ((miss < 0) == lowerTail)
      lo = t;
    else
      hi = t;
    const Extended slope = std::exp((a - 1) * std::log(t) - t - LogGamma(a));
    Extended next = (lo + hi) / 2;
    if (std::isfinite(slope) && std::fabs(miss) < slope * (hi - lo)) {
      const Extended newton = t - (lowerTail ? miss : -miss) / slope;
      if (newton > lo && newton < hi) next = newton;
    }
    if (std::fabs(next - t) <= 4 * kEpsilon * t) {
      t = next;
      break;
    }
    t = next;
  }
  return t;
}

}  // namespace zarnix
