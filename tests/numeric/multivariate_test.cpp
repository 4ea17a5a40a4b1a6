// Table interpolation against polynomials and power laws it must reproduce, surfaces and
// multiple regressions against numpy's least squares, and the singular regressions.
#include "numeric/multivariate.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "reference_file.h"

namespace zarnix {
namespace {

using Reals = std::vector<Extended>;

template <class F>
FunctionTable Tabulate(const Reals& x, const Reals& y, F f) {
  FunctionTable table{x, y, {}};
  for (const Extended yi : y)
    for (const Extended xj : x) table.z.push_back(f(xj, yi));
  return table;
}

void ExpectError(auto call, MultivariateError kind) {
  try {
    call();
    ADD_FAILURE() << "no error " << MultivariateErrorText(kind);
  } catch (const EMultivariateError& error) {
    EXPECT_EQ(error.Kind(), kind);
  }
}

TEST(TableInterpolation2D, ReproducesBiquadraticsAndTableValues) {
  // Three points per direction fit any polynomial of degree 2 in x and in y exactly, also
  // outside the table and with a descending axis.
  const auto f = [](Extended x, Extended y) { return 1 + 2 * x - y + 0.5L * x * x * y * y; };
  const FunctionTable table = Tabulate({0, 1, 2.5L, 4, 6}, {9, 7, 4, 2}, f);
  const std::vector<TablePoint> points = {{0.3L, 8}, {3, 3}, {5.5L, 2.2L}, {-1, 10}, {2.5L, 4}};
  const Reals values = TableInterpolation2D(table, points, false);
  ASSERT_EQ(values.size(), points.size());
  for (std::size_t k = 0; k < points.size(); ++k)
    EXPECT_NEAR(double(values[k]), double(f(points[k].x, points[k].y)), 1e-14) << k;
  // A cubic is not reproduced: the window really has three lines.
  const FunctionTable cubic =
      Tabulate({0, 1, 2, 3, 4}, {0, 1, 2}, [](Extended x, Extended) { return x * x * x; });
  const TablePoint middle{1.5L, 1};
  EXPECT_NEAR(double(TableInterpolation2D(cubic, {&middle, 1}, false)[0]), 3.375 + 0.375, 1e-15);
}

TEST(TableInterpolation2D, LogarithmicModeReproducesPowerLaws) {
  const auto f = [](Extended x, Extended y) { return 2 * std::pow(x, 1.5L) * std::sqrt(y); };
  const FunctionTable table = Tabulate({1, 2, 4, 8}, {1, 10, 100, 1000}, f);
  const std::vector<TablePoint> points = {{3, 50}, {6, 300}, {1.5L, 2}};
  const Reals values = TableInterpolation2D(table, points, true);
  for (std::size_t k = 0; k < points.size(); ++k)
    EXPECT_NEAR(double(values[k] / f(points[k].x, points[k].y)), 1, 1e-15) << k;
  const TablePoint negative{-1, 10};
  ExpectError(
      [&] {
        (void)TableInterpolation2D(table, {&negative, 1}, true);
      },
      MultivariateError::kLogNonPositive);
  FunctionTable zero = table;
  zero.z[5] = 0;
  const TablePoint inside{2, 10};
  ExpectError(
      [&] {
        (void)TableInterpolation2D(zero, {&inside, 1}, true);
      },
      MultivariateError::kLogNonPositive);
}

TEST(TableInterpolation2D, NarrowAndUnorderedTables) {
  // Two lines in y: linear in that direction.
  const FunctionTable narrow =
      Tabulate({0, 1, 2, 3}, {0, 1}, [](Extended x, Extended y) { return x * x + 4 * y; });
  const TablePoint point{1.5L, 0.25L};
  EXPECT_NEAR(double(TableInterpolation2D(narrow, {&point, 1}, false)[0]), 2.25 + 1, 1e-15);
  const FunctionTable unordered =
      Tabulate({0, 2, 1}, {0, 1, 2}, [](Extended x, Extended) { return x; });
  ExpectError(
      [&] {
        (void)TableInterpolation2D(unordered, {&point, 1}, false);
      },
      MultivariateError::kNotMonotonic);
  EXPECT_TRUE(TableInterpolation2D(narrow, {}, false).empty());
}

TEST(SurfaceRegression, RecoversAPolynomialSurfaceExactly) {
  // 1 + 2x − 3y + xy + 0.5x²y − 0.25x³y³ on a 5 × 6 grid: order 3 has every term.
  const auto f = [](Extended x, Extended y) {
    return 1 + 2 * x - 3 * y + x * y + 0.5L * x * x * y - 0.25L * x * x * x * y * y * y;
  };
  const FunctionTable table = Tabulate({1, 2, 3, 4, 5}, {10, 11, 12, 13, 14, 15}, f);
  const TablePoint point{2.5L, 12.5L};
  const SurfaceFit fit = SurfaceRegression(3, table, {&point, 1});
  ASSERT_TRUE(fit.enoughData && fit.solved);
  const double expected[4][4] = {{1, -3, 0, 0}, {2, 1, 0, 0}, {0, 0.5, 0, 0}, {0, 0, 0, -0.25}};
  for (int i = 0; i <= 3; ++i)
    for (int j = 0; j <= 3; ++j)
      EXPECT_NEAR(double(fit.C(i, j)), expected[i][j], 1e-9) << i << "," << j;
  EXPECT_NEAR(double(fit.values[0] / f(2.5L, 12.5L)), 1, 1e-15);
  ASSERT_TRUE(fit.hasRange);
  EXPECT_NEAR(double(fit.lowRatio), 1, 1e-15);
  EXPECT_NEAR(double(fit.highRatio), 1, 1e-15);
}

TEST(SurfaceRegression, NeedsOrderPlusTwoValuesEachWay) {
  const FunctionTable four =
      Tabulate({1, 2, 3, 4}, {1, 2, 3, 4}, [](Extended x, Extended y) { return x + y; });
  EXPECT_TRUE(SurfaceRegression(2, four, {}).enoughData);
  EXPECT_FALSE(SurfaceRegression(3, four, {}).enoughData);
  // Observed zeros give no ratio; an all-zero table has no error range.
  const FunctionTable zeros = Tabulate({1, 2, 3}, {1, 2, 3}, [](Extended, Extended) { return 0; });
  const SurfaceFit fit = SurfaceRegression(1, zeros, {});
  EXPECT_TRUE(fit.solved);
  EXPECT_FALSE(fit.hasRange);
}

TEST(SurfaceRegression, AgreesWithNumpyLeastSquares) {
  for (const ReferenceBlock& block : ReadReference("multivariate_reference.txt")) {
    if (block.name != "surface") continue;
    const int order = static_cast<int>(block.Number("order"));
    const FunctionTable table{block.Numbers("x"), block.Numbers("y"), block.Numbers("z")};
    const SurfaceFit fit = SurfaceRegression(order, table, {});
    ASSERT_TRUE(fit.solved) << order;
    const auto& c = block.Numbers("c");
    // Compare the surfaces on the grid: the raw-power coefficients of numpy's double SVD are
    // themselves only as good as the conditioning allows.
    for (const Extended y : table.y) {
      for (const Extended x : table.x) {
        Extended ours = 0, theirs = 0;
        for (int i = 0; i <= order; ++i)
          for (int j = 0; j <= order; ++j) {
            const Extended term = std::pow(x, Extended(i)) * std::pow(y, Extended(j));
            ours += fit.C(i, j) * term;
            theirs += c[static_cast<std::size_t>(i * (order + 1) + j)] * term;
          }
        EXPECT_NEAR(double(ours), double(theirs), 1e-8 * std::fmax(1, std::fabs(double(theirs))))
            << order << " at " << double(x) << "," << double(y);
      }
    }
  }
}

TEST(MultipleLinearRegression, ExactPlaneOnFiveObservations) {
  const Reals y = {1, 4, 2, 7, 6};
  const std::vector<Reals> x = {{0, 1, 2, 3, 4}, {0, -1, 3, 0, 3}};
  const LinearRegression fit = MultipleLinearRegression(x, y);
  ASSERT_TRUE(fit.solved);
  EXPECT_NEAR(double(fit.a[0]), 1, 1e-17);
  EXPECT_NEAR(double(fit.a[1]), 2, 1e-17);
  EXPECT_NEAR(double(fit.a[2]), -1, 1e-17);
  EXPECT_NEAR(double(fit.q), 0, 1e-30);
  EXPECT_NEAR(double(fit.r), 1, 1e-17);
  EXPECT_NEAR(double(fit.u), 26, 1e-15);
  for (std::size_t i = 0; i < y.size(); ++i)
    EXPECT_NEAR(double(fit.fitted[i]), double(y[i]), 1e-16);
}

TEST(MultipleLinearRegression, AgreesWithNumpyLeastSquares) {
  for (const ReferenceBlock& block : ReadReference("multivariate_reference.txt")) {
    if (block.name != "regression") continue;
    std::vector<Reals> x;
    for (int j = 1; block.Has("x" + std::to_string(j)); ++j)
      x.push_back(block.Numbers("x" + std::to_string(j)));
    const LinearRegression fit = MultipleLinearRegression(x, block.Numbers("y"));
    ASSERT_TRUE(fit.solved);
    const auto near = [](Extended ours, Extended theirs) { return Near(ours, theirs, 1e-12L); };
    for (std::size_t j = 0; j < fit.a.size(); ++j)
      EXPECT_TRUE(near(fit.a[j], block.Numbers("a")[j]));
    for (std::size_t j = 0; j < fit.partial.size(); ++j)
      EXPECT_TRUE(near(fit.partial[j], block.Numbers("partial")[j]));
    EXPECT_TRUE(near(fit.q, block.Number("q")));
    EXPECT_TRUE(near(fit.s, block.Number("s")));
    EXPECT_TRUE(near(fit.r, block.Number("r")));
    EXPECT_TRUE(near(fit.u, block.Number("u")));
    for (std::size_t i = 0; i < fit.fitted.size(); ++i)
      EXPECT_TRUE(near(fit.fitted[i], block.Numbers("fitted")[i]));
  }
}

TEST(MultipleLinearRegression, SingularSystemsAreNotSolved) {
  const Reals y = {3.1L, 4.9L, 7.2L, 8.8L, 11.1L, 13};
  const Reals x1 = {1, 2, 3, 4, 5, 6}, x2 = {2, 1, 4, 3, 6, 5};
  Reals sum;
  for (std::size_t i = 0; i < x1.size(); ++i) sum.push_back(x1[i] + x2[i]);
  EXPECT_FALSE(MultipleLinearRegression({x1, x2, sum}, y).solved);  // collinear
  // Collinear through rounding too: a multiple of 0.1 is not exact in binary.
  Reals tenth;
  for (const Extended v : x1) tenth.push_back(v * 0.1L);
  EXPECT_FALSE(MultipleLinearRegression({x1, tenth}, y).solved);
  EXPECT_FALSE(MultipleLinearRegression({x1, Reals(6, 2.5L)}, y).solved);   // constant
  EXPECT_FALSE(MultipleLinearRegression({x1, x2}, Reals{1, 2}).solved);     // 2 observations
  EXPECT_FALSE(MultipleLinearRegression({x1, x2}, Reals{1, 2, 3}).solved);  // lengths differ
  // Equal observations are fitted exactly; no variable at all leaves the mean.
  const LinearRegression flat = MultipleLinearRegression({x1}, Reals(6, 4));
  ASSERT_TRUE(flat.solved);
  EXPECT_EQ(flat.r, 1);
  const LinearRegression mean = MultipleLinearRegression({}, y);
  ASSERT_TRUE(mean.solved);
  EXPECT_NEAR(double(mean.a[0]), 48.1 / 6, 1e-15);
}

}  // namespace
}  // namespace zarnix
