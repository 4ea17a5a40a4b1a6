// Interval roots (sign changes, zeros on the grid, poles) and the two system solvers
// (descent and its fallback at a zero start, secant elimination).
#include "numeric/nonlinear.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"

namespace zarnix {
namespace {

class NonlinearTest : public ::testing::Test {
 protected:
  EvalServices Services() { return {ui, clock, random}; }
  ScriptedUi ui;
  ManualClock clock{45000.5};
  LcgRandom random;
};

TEST_F(NonlinearTest, SineRootsInOrder) {
  const std::vector<Extended> roots = IntervalRoots(Services(), "sin(x)", {}, 1e-3L, 1, 10);
  ASSERT_EQ(roots.size(), 3u);
  for (int k = 0; k < 3; ++k) EXPECT_NEAR(static_cast<double>(roots[k]), (k + 1) * M_PI, 1e-3);
  const std::vector<Extended> fine = IntervalRoots(Services(), "sin(x)", {}, 1e-12L, 1, 10);
  ASSERT_EQ(fine.size(), 3u);
  EXPECT_NEAR(static_cast<double>(fine[1]), 2 * M_PI, 1e-12);
}

TEST_F(NonlinearTest, CoefficientsZerosOnTheGridAndPoles) {
  const std::vector<Extended> a = {1};
  const std::vector<Extended> w = IntervalRoots(Services(), "a*exp(-x)-x", a, 1e-9L, 0, 5);
  ASSERT_EQ(w.size(), 1u);
  EXPECT_NEAR(static_cast<double>(w[0]), 0.5671432904097838, 1e-9);
  // x on [-1, 1] is exactly 0 at the middle grid point, which is no sign change; the next
  // search, shifted by (b - a)/1001, brackets it.
  const std::vector<Extended> shifted = IntervalRoots(Services(), "x", {}, 1e-3L, -1, 1);
  ASSERT_EQ(shifted.size(), 1u);
  EXPECT_NEAR(static_cast<double>(shifted[0]), 0, 1e-3);
  EXPECT_TRUE(IntervalRoots(Services(), "x^2+1", {}, 1e-3L, -1, 1).empty());
  // The pole of tan at π/2 changes sign but never gets small.
  EXPECT_TRUE(IntervalRoots(Services(), "tan(x)", {}, 1e-3L, 1, 2).empty());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(NonlinearTest, BadFormulaShowsItsMessageOnce) {
  IntervalRoots(Services(), "foo(x)", {}, 1e-3L, 0, 1);
  EXPECT_EQ(ui.Messages().size(), 1u);
}

TEST_F(NonlinearTest, ZeroStartFallsBackToTheSecantMethod) {
  const EquationSystem system{{"x-1", "y-2"}, {}, 1e-10L};
  std::vector<Extended> v = {0, 1};
  EXPECT_FALSE(SystemGradientSolve(Services(), system, v));
  ASSERT_TRUE(SystemSecantSolve(Services(), system, v));
  EXPECT_NEAR(static_cast<double>(v[0]), 1, 1e-10);
  EXPECT_NEAR(static_cast<double>(v[1]), 2, 1e-10);
}

TEST_F(NonlinearTest, SecantEliminationOnThreeEquations) {
  const EquationSystem system{{"x+y+z-6", "x*y*z-6", "x^2+y^2+z^2-14"}, {}, 1e-8L};
  std::vector<Extended> v = {1.2L, 1.8L, 3.3L};
  EXPECT_FALSE(SystemGradientSolve(Services(), system, v));
  ASSERT_TRUE(SystemSecantSolve(Services(), system, v));
  EXPECT_NEAR(static_cast<double>(v[0]), 1, 1e-6);
  EXPECT_NEAR(static_cast<double>(v[1]), 2, 1e-6);
  EXPECT_NEAR(static_cast<double>(v[2]), 3, 1e-6);
}

}  // namespace
}  // namespace zarnix
