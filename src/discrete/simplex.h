// Linear programs by the two-phase revised simplex method on an explicit inverse of the basis
// bordered by the objective rows: minimise c·x subject to rows of ≤, ≥ and =, x ≥ 0.
#pragma once

#include <span>
#include <vector>

#include "base/extended.h"

namespace zarnix {

enum class Relation { kAtMost, kAtLeast, kEqual };

struct LpRow {
  std::vector<Extended> coefficients;  // n values
  Relation relation = Relation::kAtMost;
  Extended rhs = 0;
};

inline constexpr char kLpOptimal = '0';
inline constexpr char kLpInfeasible = '1';
inline constexpr char kLpUnbounded = '2';
// Numerical trouble kept the method from finishing within its iteration limit.
inline constexpr char kLpStalled = '3';

struct SimplexResult {
  char status = kLpOptimal;
  // [0] the minimum of c·x, [1 … n] the variables, beyond them the surplus and slack values
  // by column; at least 3n + 3 entries.
  std::vector<Extended> values;
};

// The largest program taken: about a second and a half on the dense basis inverse.
inline constexpr int kMaxLpSize = 200;

// Tolerance of pricing, ratio test and the end of phase one.
inline constexpr Extended kSimplexEpsilon = 1e-6L;

// rows[0 … m-1] are the constraints, rows[m] the objective c (its relation and rhs unused).
// A row with a negative right-hand side is negated and its relation flipped first.
SimplexResult SimplexSolve(int n, int m, std::span<const LpRow> rows);

}  // namespace zarnix
