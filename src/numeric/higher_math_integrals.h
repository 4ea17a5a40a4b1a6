// Integrals over a curve y = f(x) of the higher-mathematics category: its length and the area
// between it and the x axis, and the integral of the natural cubic spline through points.
#pragma once

#include <functional>
#include <span>

#include "base/extended.h"

namespace zarnix {

using CurveFunction = std::function<Extended(Extended)>;

// Length of y = f(x) from a to b: inscribed polygons of 2048 and 4096 chords, extrapolated
// (their errors fall with the square of the chord).
Extended CurveLength(const CurveFunction& f, Extended a, Extended b);

// ∫_a^b |f(x)| dx: 1000 panels, each split where f changes sign, each piece by 8-point
// Gauss–Legendre. Negative when b < a.
Extended CurveArea(const CurveFunction& f, Extended a, Extended b);

// ∫ from the first to the last abscissa of the natural cubic spline through the points, piece
// by piece: h (y_i + y_(i+1)) / 2 − h³ (M_i + M_(i+1)) / 24. Throws EHigherMathError
// (kSplineTable) for fewer than three points, unequal counts or abscissas not strictly
// monotonic.
Extended SplineIntegral(std::span<const Extended> x, std::span<const Extended> y);

}  // namespace zarnix
