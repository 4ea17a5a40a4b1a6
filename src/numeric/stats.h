// The small statistics and mathematics library shared by the categories: extremes and sums of
// arrays, means, median and mode, angle and distance helpers, factorial, binomial, Γ, B, gcd.
#pragma once

#include <cstdint>
#include <span>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

// Values closer together than this are the same; a value not below it counts as positive.
inline constexpr Extended kZeroTolerance = 5e-324L;

inline bool SameReal(Extended a, Extended b) {
  const Extended d = a - b;
  return (d < 0 ? -d : d) < kZeroTolerance;
}
inline bool RealIsZero(Extended x) {
  return (x < 0 ? -x : x) < kZeroTolerance;
}

// The library's failures, each with its fixed English text.
enum class StatsError {
  kArrayEmpty,   // "Array is Empty!"
  kNotPositive,  // "Array contains values <= 0!"
  kNotDefined,   // "Not Defined for given Value"
};

const char* StatsErrorText(StatsError error);

class EStatsError : public Exception {
 public:
  explicit EStatsError(StatsError error) : Exception(StatsErrorText(error)), kind_(error) {}
  StatsError Kind() const { return kind_; }

 private:
  StatsError kind_;
};

// Largest / smallest element; the running value is replaced only by a strictly larger /
// smaller one. An empty array raises kArrayEmpty.
Extended MaxOfReals(std::span<const Extended> values);
Extended MinOfReals(std::span<const Extended> values);
// Element 0 first; 0 for an empty array.
Extended SumOfReals(std::span<const Extended> values);
// The largest of three; on ties the earlier argument.
Extended LargestOf3(Extended a, Extended b, Extended c);

// Angles: d + m/60 + s/3600, and back with the parts truncated toward zero.
Extended DmsToDegrees(Extended degrees, Extended minutes, Extended seconds);
struct Dms {
  Extended degrees = 0;
  Extended minutes = 0;
  Extended seconds = 0;
};
Dms DegreesToDms(Extended x);

// Distance of two points, scaled so that the squares cannot overflow.
Extended PointDistance(Extended x1, Extended y1, Extended x2, Extended y2);

// n! in extended; 1 for n < 2, 0 beyond 1754 (where it would overflow).
Extended Factorial(std::uint32_t n);
// C(n, k) rounded to an integer: 0 when n = 0, n < k or n > 1754; 1 when k = 0 or k = n;
// -1 when the arithmetic faults.
Extended Binomial(std::uint32_t n, std::uint32_t k);

// (x0 * x1 * ...)^(1/N) and N / (1/x0 + 1/x1 + ...). An empty array raises kArrayEmpty, an
// element not above kZeroTolerance kNotPositive.
Extended GeometricMeanOfReals(std::span<const Extended> values);
Extended HarmonicMeanOfReals(std::span<const Extended> values);

// Median of an ascending array; an empty array raises kArrayEmpty.
Extended MedianOfSorted(std::span<const Extended> sorted);
// Most frequent value of an ascending array. True only when one value occurs more often than
// every other; mode keeps the smallest of equally frequent values, and its start value
// (minus the largest extended) when nothing repeats. An empty array raises kArrayEmpty.
[[nodiscard]] bool ModeOfSorted(std::span<const Extended> sorted, Extended& mode);

// 1/Γ(x) by the power series of 1/Γ with 26 coefficients on the fraction of x, carried to x
// by the recurrence Γ(a + 1) = a·Γ(a).
Extended ReciprocalGamma(Extended x);
// Γ(x); 0 and the negative integers raise kNotDefined.
Extended GammaFunction(Extended x);
// B(a, b) = Γ(a)Γ(b)/Γ(a + b); raises kNotDefined where Γ(a) or Γ(b) has a pole.
Extended BetaFunction(Extended a, Extended b);

// Greatest common divisor by Euclid; Gcd(a, 0) = a.
std::uint32_t Gcd(std::uint32_t a, std::uint32_t b);

}  // namespace zarnix
