// Special functions of the higher-mathematics category: the Bessel function of the first kind
// for real order, associated Legendre functions, the incomplete gamma function, and the series
// for e and Euler's constant.
#pragma once

#include <cstdint>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

// Why a higher-mathematics routine cannot give a value; each reason has one fixed text.
enum class HigherMathError {
  kBesselNegativeX,      // x < 0 with an order that is not whole
  kBesselOrderAtZero,    // J_ν(0) for a negative order that is not whole
  kBesselOrderTooLarge,  // |ν| beyond kMaxBesselOrder
  kLegendreDomain,       // |x| > 1, or l or m negative
  kEulerCount,           // n < 1
  kProbability,          // a probability outside [0, 1]
  kDeviation,            // a negative standard deviation
  kCounts,               // counts that do not fit together (negative, drawn more than there are)
  kTooLarge,             // more terms than can be summed here
  kPearsonParameters,    // mean, Cv or Cs not above 0
  kPearsonSkew,          // Cs below 2·Cv
  kEllipticModulus,      // |k| >= 1
  kSplineTable,          // the points of a spline integral
};

const char* HigherMathErrorText(HigherMathError error);

class EHigherMathError : public Exception {
 public:
  explicit EHigherMathError(HigherMathError error)
      : Exception(HigherMathErrorText(error)), kind_(error) {}
  HigherMathError Kind() const { return kind_; }

 private:
  HigherMathError kind_;
};

inline constexpr Extended kMaxBesselOrder = 100000;

// J_ν(x) for real ν and x to full extended precision: the power series (summed in 113-bit
// arithmetic, so its cancellation costs nothing) up to x = 35, the Hankel expansion of the
// orders ν − ⌊ν⌋ and ν − ⌊ν⌋ + 1 beyond it, carried to ν by the three-term recurrence (upwards
// while the order stays below x, then downwards from ν with the continued fraction for
// J_ν/J_(ν−1)). Throws EHigherMathError for x < 0 with a fractional order, a negative
// fractional order at x = 0, or |ν| > kMaxBesselOrder.
Extended BesselJ(Extended nu, Extended x);

// P_l^m(x) by the upward recurrence in l from P_m^m (with the Condon–Shortley phase); 0 when
// l < m. Throws for |x| > 1 and for negative l or m.
Extended AssociatedLegendre(std::int64_t l, std::int64_t m, Extended x);

// Σ_{k=0}^{n} 1/k!; the terms stop where they no longer change the sum.
Extended ExponentialSeries(std::int64_t n);

// Σ_{j=1}^{n} 1/j − ln n; beyond 10000 terms from its asymptotic expansion (which is then
// exact to the last bit). n < 1 throws.
Extended EulerConstantApproximation(std::int64_t n);

// The regularised incomplete gamma functions P(a, x) and Q(a, x) = 1 − P(a, x) for a > 0,
// x >= 0: the series below a + 1, the continued fraction above.
Extended RegularizedGammaP(Extended a, Extended x);
Extended RegularizedGammaQ(Extended a, Extended x);
// The x with Q(a, x) = q for 0 < q < 1, by safeguarded Newton steps.
Extended InverseRegularizedGammaQ(Extended a, Extended q);

}  // namespace zarnix
