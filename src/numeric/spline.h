// Interpolation over a table of points: the natural cubic spline with first derivatives, and
// the parabola through three neighbouring points.
#pragma once

#include <span>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

// Why a table of points cannot be interpolated.
enum class InterpolationError {
  kTooFewPoints,  // fewer than three points
  kSizeMismatch,  // not as many y values as x values
  kNotMonotonic,  // abscissas not strictly ascending or strictly descending
};

const char* InterpolationErrorText(InterpolationError error);

class EInterpolationError : public Exception {
 public:
  explicit EInterpolationError(InterpolationError error)
      : Exception(InterpolationErrorText(error)), kind_(error) {}
  InterpolationError Kind() const { return kind_; }

 private:
  InterpolationError kind_;
};

// Throws EInterpolationError unless the table has at least three points, as many y as x
// values, and strictly monotonic abscissas (ascending or descending).
void CheckInterpolationTable(std::span<const Extended> x, std::span<const Extended> y);

struct SplineValues {
  std::vector<Extended> values;       // one per query, in query order
  std::vector<Extended> derivatives;  // dy/dx at each query
};

// The second derivatives M0 ... M(n-1) of the natural spline (M0 = M(n-1) = 0), with the
// abscissas negated first when they descend.
std::vector<Extended> SplineSecondDerivatives(std::span<const Extended> x,
                                              std::span<const Extended> y);

// The natural cubic spline through the points, evaluated at the queries t. Queries outside
// the table use the cubic of the first or last interval. Floating-point faults raise the
// usual errors.
SplineValues CubicSpline(std::span<const Extended> x, std::span<const Extended> y,
                         std::span<const Extended> t);

// The parabola through the three points around each query (the first or last three at the
// ends); a query equal to an abscissa returns that point's y.
std::vector<Extended> ParabolicInterpolation(std::span<const Extended> x,
                                             std::span<const Extended> y,
                                             std::span<const Extended> t);
Extended ParabolicInterpolation(std::span<const Extended> x, std::span<const Extended> y,
                                Extended t);

}  // namespace zarnix
