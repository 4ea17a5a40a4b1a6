// Curve length by extrapolated chord polygons, the area between a curve and the x axis by
// Gauss–Legendre panels split at the curve's zeros, and the exact integral of a cubic spline.
#include "numeric/higher_math_integrals.h"

#include <array>
#include <cmath>
#include <vector>

#include "base/fpu.h"
#include "numeric/higher_math_functions.h"
#include "numeric/spline.h"

namespace zarnix {

namespace {

constexpr int kChords = 4096;
constexpr int kPanels = 1000;
constexpr int kRootSteps = 200;

// Nodes and weights of 8-point Gauss–Legendre on [−1, 1] (positive half).
constexpr std::array<Extended, 4> kNodes = {
    0.18343464249564980493947614236018398L, 0.52553240991632898581773904918924635L,
    0.79666647741362673959155393647583044L, 0.96028985649753623168356086856947299L};
constexpr std::array<Extended, 4> kWeights = {
    0.36268378337836198296515044927719561L, 0.31370664587788728733796220198660131L,
    0.22238103445337447054435599442624088L, 0.10122853629037625915253135430996219L};

Extended GaussLegendre(const CurveFunction& f, Extended a, Extended b) {
  const Extended middle = (a + b) / 2, half = (b - a) / 2;
  Extended sum = 0;
  for (std::size_t i = 0; i < kNodes.size(); ++i)
    sum += kWeights[i] *
           (std::fabs(f(middle - half * kNodes[i])) + std::fabs(f(middle + half * kNodes[i])));
  return sum * half;
}

// A zero of f between a and b, where f(a) and f(b) have opposite signs: bisection.
Extended ZeroBetween(const CurveFunction& f, Extended a, Extended b, Extended fa) {
  for (int i = 0; i < kRootSteps; ++i) {
    const Extended middle = (a + b) / 2;
    if (middle == a || middle == b) break;
    const Extended fm = f(middle);
    if ((fm < 0) == (fa < 0)) {
      a = middle;
      fa = fm;
    } else {
      b = middle;
    }
  }
  return (a + b) / 2;
}

// Length of the polygon through every step-th of the points.
Extended PolygonLength(const std::vector<Extended>& x, const std::vector<Extended>& y, int step) {
  Extended length = 0;
  for (std::size_t i = static_cast<std::size_t>(step); i < x.size(); i += step)
    length += std::hypot(x[i] - x[i - step], y[i] - y[i - step]);
  return length;
}

}  // namespace

Extended CurveLength(const CurveFunction& f, Extended a, Extended b) {
  std::vector<Extended> x(kChords + 1), y(kChords + 1);
  for (int i = 0; i <= kChords; ++i) {
    x[i] = a + (b - a) * i / kChords;
    y[i] = f(x[i]);
  }
  CheckFpFaults();
  const Extended fine = PolygonLength(x, y, 1);
  const Extended coarse = PolygonLength(x, y, 2);
  return Checked(fine + (fine - coarse) / 3);
}

Extended CurveArea(const CurveFunction& f, Extended a, Extended b) {
  Extended area = 0;
  Extended left = a, fLeft = f(a);
  for (int i = 1; i <= kPanels; ++i) {
    const Extended right = a + (b - a) * i / kPanels;
    const Extended fRight = f(right);
    if ((fLeft < 0 && fRight > 0) || (fLeft > 0 && fRight < 0)) {
      const Extended zero = ZeroBetween(f, left, right, fLeft);
      area += GaussLegendre(f, left, zero) + GaussLegendre(f, zero, right);
    } else {
      area += GaussLegendre(f, left, right);
    }
    left = right;
    fLeft = fRight;
  }
  return Checked(area);
}

Extended SplineIntegral(std::span<const Extended> x, std::span<const Extended> y) {
  try {
    CheckInterpolationTable(x, y);
  } catch (const EInterpolationError&) {
    throw EHigherMathError(HigherMathError::kSplineTable);
  }
  const std::vector<Extended> m = SplineSecondDerivatives(x, y);
  Extended sum = 0;
  for (std::size_t i = 0; i + 1 < x.size(); ++i) {
    const Extended h = x[i + 1] - x[i];
    sum += h * (y[i] + y[i + 1]) / 2 - h * h * h * (m[i] + m[i + 1]) / 24;
  }
  return Checked(sum);
}

}  // namespace zarnix
