// Curve length, area and spline integral against closed forms: a catenary, a parabola, a
// sine over whole and half periods, and splines that reproduce their data exactly.
#include "numeric/higher_math_integrals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "numeric/higher_math_functions.h"

namespace zarnix {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST(CurveIntegrals, LengthOfCatenaryAndParabola) {
  // y = cosh x has length sinh b − sinh a; y = x² from 0 to 1 has (2√5 + asinh 2)/4.
  const auto cosh = [](Extended x) { return std::cosh(x); };
  EXPECT_NEAR(double(CurveLength(cosh, 0, 1)), double(std::sinh(1.0L)), 1e-13);
  EXPECT_NEAR(double(CurveLength(cosh, -2, 1)), double(std::sinh(1.0L) + std::sinh(2.0L)), 1e-12);
  const auto square = [](Extended x) { return x * x; };
  EXPECT_NEAR(double(CurveLength(square, 0, 1)),
              double((2 * std::sqrt(5.0L) + std::asinh(2.0L)) / 4), 1e-13);
  // A straight line is exact, and a zero-width interval has no length.
  EXPECT_NEAR(double(CurveLength([](Extended x) { return 3 * x; }, 0, 2)),
              double(2 * std::sqrt(10.0L)), 1e-15);
  EXPECT_EQ(CurveLength(square, 1, 1), 0);
}

TEST(CurveIntegrals, AreaCountsBothSidesOfTheAxis) {
  const auto sine = [](Extended x) { return std::sin(x); };
  EXPECT_NEAR(double(CurveArea(sine, 0, 2 * kPi)), 4, 1e-14);
  EXPECT_NEAR(double(CurveArea(sine, 0, kPi)), 2, 1e-15);
  // A zero inside a panel: x − 1/3 on [0, 1] has area 1/18 + 2/9.
  EXPECT_NEAR(double(CurveArea([](Extended x) { return x - 1.0L / 3; }, 0, 1)), 5.0 / 18, 1e-15);
  EXPECT_NEAR(double(CurveArea([](Extended x) { return -x * x; }, 0, 3)), 9, 1e-14);
  EXPECT_NEAR(double(CurveArea(sine, kPi, 0)), -2, 1e-15);
}

TEST(CurveIntegrals, SplineIntegralIsExactForStraightLinesAndMatchesTheSpline) {
  const std::vector<Extended> x = {0, 1, 2, 3};
  EXPECT_NEAR(double(SplineIntegral(x, std::vector<Extended>{1, 3, 5, 7})), 12, 1e-17);
  // Through (0,0), (1,1), (2,4): M = (0, 3, 0); each half integrates its cubic exactly.
  const std::vector<Extended> xs = {0, 1, 2}, ys = {0, 1, 4};
  // Piece 1: (0 + 1)/2 − 3/24; piece 2: (1 + 4)/2 − 3/24.
  EXPECT_NEAR(double(SplineIntegral(xs, ys)), 0.5 - 0.125 + 2.5 - 0.125, 1e-17);
  // Descending abscissas integrate from the first to the last point.
  EXPECT_NEAR(
      double(SplineIntegral(std::vector<Extended>{2, 1, 0}, std::vector<Extended>{4, 1, 0})), -2.75,
      1e-17);
  for (const auto& [px, py] :
       {std::pair<std::vector<Extended>, std::vector<Extended>>{{0, 1}, {1, 2}},
        {{0, 1, 1}, {1, 2, 3}},
        {{0, 1, 2}, {1, 2}}}) {
    try {
      (void)SplineIntegral(px, py);
      ADD_FAILURE() << "table accepted";
    } catch (const EHigherMathError& error) {
      EXPECT_EQ(error.Kind(), HigherMathError::kSplineTable);
    }
  }
}

}  // namespace
}  // namespace zarnix
