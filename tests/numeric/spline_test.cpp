// The natural cubic spline and the three-point parabola: worked examples, orientation,
// queries outside or out of order, refused tables, and agreement with the reference spline.
#include "numeric/spline.h"

#include <gtest/gtest.h>

#include <vector>

#include "reference_file.h"

namespace zarnix {
namespace {

using Reals = std::vector<Extended>;

void ExpectInterpolationError(auto call, InterpolationError kind) {
  try {
    call();
    ADD_FAILURE() << "no error: " << InterpolationErrorText(kind);
  } catch (const EInterpolationError& error) {
    EXPECT_EQ(error.Kind(), kind);
  }
}

TEST(CubicSpline, ThreePointsAscendingAndDescending) {
  const Reals x = {0, 1, 2}, y = {0, 1, 4};
  EXPECT_EQ(SplineSecondDerivatives(x, y), (Reals{0, 3, 0}));
  const SplineValues up = CubicSpline(x, y, Reals{0.5});
  EXPECT_EQ(up.values[0], 0.3125L);
  EXPECT_EQ(up.derivatives[0], 0.875L);
  EXPECT_EQ(ParabolicInterpolation(x, y, 0.5L), 0.25L);

  const Reals xd = {2, 1, 0}, yd = {4, 1, 0};
  const SplineValues down = CubicSpline(xd, yd, Reals{0.5});
  EXPECT_EQ(down.values[0], 0.3125L);
  EXPECT_EQ(down.derivatives[0], 0.875L);
  EXPECT_EQ(ParabolicInterpolation(xd, yd, 0.5L), 0.25L);
}

TEST(CubicSpline, SixPointSecondDerivatives) {
  const Reals m = SplineSecondDerivatives(Reals{0, 1, 2.5, 3, 4.2, 5}, Reals{1, 3, 2, 5, 4, 6});
  const Reals expected = {0, -7.744451, 15.148169, -17.952002, 10.3856, 0};
  for (std::size_t i = 0; i < m.size(); ++i) EXPECT_NEAR(double(m[i]), double(expected[i]), 5e-7);
}

TEST(CubicSpline, QueriesAtAbscissasReturnThePoints) {
  const Reals x = {0, 1, 2.5, 3, 4.2, 5}, y = {1, 3, 2, 5, 4, 6};
  const SplineValues spline = CubicSpline(x, y, x);
  const Reals parabola = ParabolicInterpolation(x, y, x);
  for (std::size_t i = 0; i < x.size(); ++i) {
    EXPECT_NEAR(double(spline.values[i]), double(y[i]), 1e-15);
    EXPECT_EQ(parabola[i], y[i]);
  }
}

TEST(CubicSpline, QueriesOutsideUseTheEndIntervalsAndMayComeInAnyOrder) {
  const Reals x = {0, 1, 2}, y = {0, 1, 4};
  // Outside the table the first and last intervals' cubics go on; these values are exact.
  const SplineValues ascending = CubicSpline(x, y, Reals{-0.5, 0.5, 1.5, 2.5});
  const SplineValues shuffled = CubicSpline(x, y, Reals{2.5, -0.5, 1.5, 0.5});
  EXPECT_EQ(ascending.values, (Reals{-0.3125, 0.3125, 2.3125, 5.6875}));
  EXPECT_EQ(shuffled.values, (Reals{5.6875, -0.3125, 2.3125, 0.3125}));
  EXPECT_EQ(shuffled.derivatives, (Reals{3.125, 0.875, 3.125, 0.875}));
}

TEST(CubicSpline, RefusesTablesItCannotInterpolate) {
  ExpectInterpolationError(
      [] {
        (void)CubicSpline(Reals{0, 1}, Reals{0, 1}, Reals{0.5});
      },
      InterpolationError::kTooFewPoints);
  ExpectInterpolationError([] { (void)CubicSpline(Reals{}, Reals{}, Reals{}); },
                           InterpolationError::kTooFewPoints);
  ExpectInterpolationError(
      [] {
        (void)ParabolicInterpolation(Reals{0, 1, 1, 2}, Reals{0, 1, 2, 3}, 0.5L);
      },
      InterpolationError::kNotMonotonic);
  ExpectInterpolationError(
      [] {
        (void)CubicSpline(Reals{0, 2, 1}, Reals{0, 1, 2}, Reals{0.5});
      },
      InterpolationError::kNotMonotonic);
  ExpectInterpolationError(
      [] {
        (void)CubicSpline(Reals{0, 1, 2}, Reals{0, 1}, Reals{0.5});
      },
      InterpolationError::kSizeMismatch);
  EXPECT_EQ(std::string(InterpolationErrorText(InterpolationError::kTooFewPoints)),
            "插值至少需要3个数据点");
}

TEST(CubicSpline, AgreesWithReferenceSpline) {
  int blocks = 0;
  for (const ReferenceBlock& block : ReadReference("spline_reference.txt")) {
    const auto& x = block.Numbers("x");
    const auto& y = block.Numbers("y");
    const auto& t = block.Numbers("t");
    const Reals m = SplineSecondDerivatives(x, y);
    const SplineValues spline = CubicSpline(x, y, t);
    const Reals parabola = ParabolicInterpolation(x, y, t);
    for (std::size_t i = 0; i < x.size(); ++i)
      EXPECT_TRUE(Near(m[i], block.Numbers("second")[i], 1e-12L)) << block.name << " M" << i;
    for (std::size_t i = 0; i < t.size(); ++i) {
      EXPECT_TRUE(Near(spline.values[i], block.Numbers("values")[i], 1e-12L))
          << block.name << " t = " << double(t[i]);
      EXPECT_TRUE(Near(spline.derivatives[i], block.Numbers("derivatives")[i], 1e-12L))
          << block.name << " t = " << double(t[i]);
      EXPECT_TRUE(Near(parabola[i], block.Numbers("parabola")[i], 1e-12L))
          << block.name << " t = " << double(t[i]);
    }
    ++blocks;
  }
  EXPECT_EQ(blocks, 5);
}

}  // namespace
}  // namespace zarnix
