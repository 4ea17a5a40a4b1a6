// The extremum search: known extrema of smooth functions, strict dips only, undefined samples
// passed over, poles never reported, each extremum once.
#include "formulas/function_extrema.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zarnix {
namespace {

SampledFunction Of(Extended (*f)(Extended)) {
  return [f](Extended x) -> std::optional<Extended> { return f(x); };
}

TEST(FunctionExtrema, CubicHasOneMaximumAndOneMinimum) {
  const SampledFunction f = Of([](Extended x) { return x * x * x - 3 * x; });
  const auto maxima = Maxima(f, -3, 3);
  const auto minima = Minima(f, -3, 3);
  ASSERT_EQ(maxima.size(), 1u);
  ASSERT_EQ(minima.size(), 1u);
  EXPECT_NEAR(maxima[0].x, -1, 1e-6);
  EXPECT_NEAR(maxima[0].y, 2, 1e-12);
  EXPECT_NEAR(minima[0].x, 1, 1e-6);
  EXPECT_NEAR(minima[0].y, -2, 1e-12);
}

TEST(FunctionExtrema, MonotoneAndConstantFunctionsHaveNone) {
  EXPECT_TRUE(Maxima(Of([](Extended x) { return x; }), 0, 1).empty());
  EXPECT_TRUE(Minima(Of([](Extended x) { return x; }), 0, 1).empty());
  // A plateau is no strict dip.
  EXPECT_TRUE(Minima(Of([](Extended) { return Extended{3}; }), -1, 1).empty());
  // An extremum at the interval's end is not inside it.
  EXPECT_TRUE(Minima(Of([](Extended x) { return x * x; }), 0, 1).empty());
}

TEST(FunctionExtrema, EveryPeriodOfASineOnceAndInOrder) {
  const SampledFunction f = Of([](Extended x) { return std::sin(x); });
  const auto maxima = Maxima(f, 0, 20 * 3.14159265358979L);
  ASSERT_EQ(maxima.size(), 10u);
  for (std::size_t k = 0; k < maxima.size(); ++k) {
    // Near a flat top many samples round to the same value, so x is good to about 1e-7.
    EXPECT_NEAR(maxima[k].x, 3.14159265358979L / 2 + 2 * 3.14159265358979L * k, 1e-6) << k;
    EXPECT_NEAR(maxima[k].y, 1, 1e-14);
  }
}

TEST(FunctionExtrema, UndefinedSamplesArePassedOverAndPolesAreNotExtrema) {
  // x + 1/(x − 1): a maximum at 0, a minimum at 2, a pole at 1 that must not be listed.
  const SampledFunction rational = [](Extended x) -> std::optional<Extended> {
    if (x == 1) return std::nullopt;
    return x + 1 / (x - 1);
  };
  const auto maxima = Maxima(rational, -3, 4);
  const auto minima = Minima(rational, -3, 4);
  ASSERT_EQ(maxima.size(), 1u);
  ASSERT_EQ(minima.size(), 1u);
  EXPECT_NEAR(maxima[0].x, 0, 1e-6);
  EXPECT_NEAR(minima[0].x, 2, 1e-6);
  // 1/x² has no minimum at its pole, and sqrt has no samples left of 0.
  const SampledFunction pole = [](Extended x) -> std::optional<Extended> {
    if (x == 0) return std::nullopt;
    return -1 / (x * x);
  };
  EXPECT_TRUE(Minima(pole, -1.0005L, 1).empty());
  const SampledFunction halfDefined = [](Extended x) -> std::optional<Extended> {
    if (x < 0) return std::nullopt;
    return std::sqrt(x) * (2 - x);
  };
  const auto top = Maxima(halfDefined, -5, 5);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_NEAR(top[0].x, 2.0L / 3, 1e-6);
}

TEST(FunctionExtrema, AFunctionWithThousandsOfExtremaStopsAtTheLimit) {
  const auto minima = Minima(Of([](Extended x) { return std::sin(x); }), 0, 3000);
  EXPECT_EQ(minima.size(), static_cast<std::size_t>(kMaxExtrema));
  for (std::size_t k = 1; k < minima.size(); ++k) EXPECT_GT(minima[k].x, minima[k - 1].x);
}

}  // namespace
}  // namespace zarnix
