// RK4 trajectories against a double-precision RK4 and scipy's DOP853, the compile-once right
// sides against the per-call wrapper, and the whole-identifier parameter replacement.
#include "numeric/ode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/eval_wrappers.h"
#include "numeric/ode_category.h"
#include "reference_file.h"
#include "sheet/text_utils.h"

namespace zarnix {
namespace {

struct Reference {
  std::vector<std::string> rightSides;
  std::vector<std::string> names;
  std::vector<Extended> values;
};

Reference Prepare(const ReferenceBlock& block) {
  Reference r;
  for (const std::string& entry : SplitText(block.texts.at("text"), ';')) {
    const std::size_t eq = entry.find('=');
    r.names.push_back(entry.substr(0, eq));
    r.values.push_back(std::stold(entry.substr(eq + 1)));
  }
  for (const std::string& f : SplitText(block.texts.at("formula"), '|'))
    r.rightSides.push_back(ReplaceParameterNames(f, r.names));
  return r;
}

TEST(ReplaceParameterNames, WholeIdentifiersOnly) {
  EXPECT_EQ(ReplaceParameterNames("k*y1+sqrt(k)-kk+2*k", {"k"}), "a*y1+sqrt(a)-kk+2*a");
  EXPECT_EQ(ReplaceParameterNames("y1*(y10-y1)", {"y1"}), "a*(y10-a)");
  // Exponents of numbers are no names; the first of two equal names wins.
  EXPECT_EQ(ReplaceParameterNames("e*1e5+2.5E-3*e", {"w", "e", "e"}), "b*1e5+2.5E-3*b");
  // Replacement is one pass: a name mapped to "a" is not renamed again by a parameter "a".
  EXPECT_EQ(ReplaceParameterNames("k+a", {"k", "a"}), "a+b");
  EXPECT_EQ(ReplaceParameterNames("速度*y1", {"速度"}), "a*y1");
  EXPECT_EQ(ReplaceParameterNames("K*k", {"k"}), "K*a");
}

TEST(RungeKutta4System, AgreesWithReferenceTrajectories) {
  ScriptedUi ui;
  ManualClock clock;
  LcgRandom random;
  const EvalServices services{ui, clock, random};
  for (const ReferenceBlock& block : ReadReference("ode_reference.txt")) {
    SCOPED_TRACE(block.name);
    const Reference r = Prepare(block);
    std::vector<RealFormula> formulas;
    for (const std::string& f : r.rightSides) formulas.emplace_back(services, f);
    std::vector<Extended> ys(r.rightSides.size() + 1);
    const auto compiled = [&](std::span<const Extended> y, std::span<Extended> dy) {
      for (std::size_t i = 0; i < y.size(); ++i) ys[i + 1] = y[i];
      for (std::size_t i = 0; i < formulas.size(); ++i)
        dy[i] = formulas[i].EvaluateYn(r.values, ys);
    };
    const auto trajectory = RungeKutta4System(compiled, block.Numbers("initial"), block.Number("h"),
                                              static_cast<int>(block.Number("steps")));
    for (std::size_t i = 0; i < trajectory.size(); ++i) {
      const std::string key = "y" + std::to_string(i + 1);
      const auto& rk4 = block.Numbers("rk4_" + key);
      const auto& exact = block.Numbers("exact_" + key);
      ASSERT_EQ(trajectory[i].size(), rk4.size());
      for (std::size_t k = 0; k < rk4.size(); ++k) {
        EXPECT_TRUE(Near(trajectory[i][k], rk4[k], 1e-11L)) << key << " slot " << k;
        EXPECT_TRUE(Near(trajectory[i][k], exact[k], 1e-5L)) << key << " slot " << k;
      }
    }
    EXPECT_TRUE(ui.Messages().empty());
  }
}

TEST(RungeKutta4System, CompiledOnceEqualsPerCallWrapper) {
  ScriptedUi ui;
  ManualClock clock;
  LcgRandom random;
  const EvalServices services{ui, clock, random};
  const std::vector<std::string> sides = {"a*(y2-y1)", "y1*(b-y3)-y2", "y1*y2-c*y3"};
  const std::vector<Extended> values = {10, 28, 8.0L / 3};
  std::vector<RealFormula> formulas;
  for (const std::string& f : sides) formulas.emplace_back(services, f);
  std::vector<Extended> ys(4);
  const auto once = [&](std::span<const Extended> y, std::span<Extended> dy) {
    for (std::size_t i = 0; i < 3; ++i) ys[i + 1] = y[i];
    for (std::size_t i = 0; i < 3; ++i) dy[i] = formulas[i].EvaluateYn(values, ys);
  };
  const auto perCall = [&](std::span<const Extended> y, std::span<Extended> dy) {
    std::vector<Extended> args = {0, y[0], y[1], y[2]};
    for (std::size_t i = 0; i < 3; ++i) EvalFormulaYn(services, sides[i], values, args, dy[i]);
  };
  const std::vector<Extended> initial = {1, 1, 1};
  EXPECT_EQ(RungeKutta4System(once, initial, 0.01L, 500),
            RungeKutta4System(perCall, initial, 0.01L, 500));
}

TEST(RungeKutta4System, KeepsEveryFifthStepAndReportsOverflow) {
  const auto grow = [](std::span<const Extended> y, std::span<Extended> dy) { dy[0] = y[0]; };
  const std::vector<Extended> one = {1};
  const auto t = RungeKutta4System(grow, one, 0.1L, 12);
  ASSERT_EQ(t[0].size(), 3u);  // steps 0, 5 and 10
  EXPECT_EQ(t[0][0], 1);
  const auto square = [](std::span<const Extended> y, std::span<Extended> dy) {
    dy[0] = y[0] * y[0];
  };
  const std::vector<Extended> big = {1e3000L};
  EXPECT_THROW(RungeKutta4System(square, big, 1, 5), EOverflow);
}

}  // namespace
}  // namespace zarnix
