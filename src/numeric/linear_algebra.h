// Real matrix routines of the linear-algebra category: rank and trace, LU decomposition with
// complete pivoting, solution of a square system and the inverse.
#pragma once

#include <vector>

#include "base/extended.h"
#include "numeric/matrix.h"

namespace zarnix {

// A square matrix of order n, row-major; element (i, j) from 0.
struct RCOMat {
  int n = 0;
  std::vector<Extended> a;

  RCOMat() = default;
  explicit RCOMat(int order) : n(order), a(static_cast<std::size_t>(order) * order, 0) {}
  Extended& operator()(int i, int j) { return a[static_cast<std::size_t>(i) * n + j]; }
  Extended operator()(int i, int j) const { return a[static_cast<std::size_t>(i) * n + j]; }
};
using RCOVec = std::vector<Extended>;
using RCoVecE = std::vector<int>;

// The leading order x order block of m (rows and columns beyond it are ignored).
RCOMat SquareFrom(const TDynFloatMatrix& m, int order);

struct RankTrace {
  int rank = 0;
  Extended trace = 0;
};

// Trace over the leading diagonal; rank by elimination with exact zero tests.
RankTrace MatrixRankTrace(const TDynFloatMatrix& a, int rows, int columns);

// LU factors of P·A·Q: the upper triangle holds U; the strict lower triangle holds the row
// operations E applied so far, so that E·P·A·Q = U with E unit lower triangular.
struct LuFactors {
  RCOMat lu;
  RCoVecE rowPerm;  // rowPerm[i] = original row now at position i
  RCoVecE colPerm;  // colPerm[i] = original column now at position i
  Extended determinant = 0;
  bool singular = false;
};

LuFactors LuDecompose(RCOMat a);
// The solution of A·x = b from A's factors (which must not be singular).
RCOVec LuSolve(const LuFactors& factors, const RCOVec& b);

struct LinearSolution {
  Extended determinant = 0;
  RCOVec x;  // all zeros when the determinant is 0
};
LinearSolution SolveLinearSystem(const RCOMat& a, const RCOVec& b);

struct MatrixInverse {
  Extended determinant = 0;
  RCOMat inverse;  // all zeros when the matrix is singular
};
MatrixInverse InvertMatrix(const RCOMat& a);

}  // namespace zarnix
