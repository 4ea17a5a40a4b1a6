// Roots of one transcendental equation on an interval by repeated grid search, and solutions
// of systems of two or three nonlinear equations by steepest descent and by recursive secant
// elimination. Equations are formulas of the tree evaluator in x, y, z and the letters a ... w.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/tree_eval.h"

namespace zarnix {

// Up to 10 roots of f(x) = 0 between a and b, in the order found: a grid of 1001 points is
// narrowed around the first sign change until |f| at the bracket's left end is below the
// tolerance; the search then goes on just right of that point.
std::vector<Extended> IntervalRoots(EvalServices services, std::string_view formula,
                                    std::span<const Extended> coefficients, Extended tolerance,
                                    Extended a, Extended b);

// A system f_k(x, y[, z]) = 0 of two or three equations with its coefficients and tolerance.
struct EquationSystem {
  std::vector<std::string> equations;
  std::vector<Extended> coefficients;
  Extended tolerance = 0;
};

// Steepest descent on F = Σ f_k² with forward-difference gradients, at most 50 steps; true
// when F fell below the tolerance. variables (x, y[, z]) hold the last iterate either way.
[[nodiscard]] bool SystemGradientSolve(EvalServices services, const EquationSystem& system,
                                       std::span<Extended> variables);

// Recursive secant elimination from the given variables; true when every |f_k| is below the
// tolerance.
[[nodiscard]] bool SystemSecantSolve(EvalServices services, const EquationSystem& system,
                                     std::span<Extended> variables);

}  // namespace zarnix
