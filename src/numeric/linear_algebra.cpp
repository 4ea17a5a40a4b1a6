// Rank and trace by elimination, LU decomposition with complete pivoting that keeps the row
// operations in the lower triangle, and the solution and inverse built on it.
#include "numeric/linear_algebra.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "base/fpu.h"

namespace zarnix {

RCOMat SquareFrom(const TDynFloatMatrix& m, int order) {
  RCOMat a(order);
  for (int i = 0; i < order && i < RowCountOf(m); ++i)
    for (int j = 0; j < order && j < static_cast<int>(m[i].size()); ++j) a(i, j) = m[i][j];
  return a;
}

// ------------------------------------------------------------------------- rank and trace

namespace {

// Eliminates column after column; a column without a non-zero entry from the diagonal down
// is replaced by the last active column, which then leaves the active set.
int RankOfCopy(TDynFloatMatrix m, int rows, int columns) {
  int q = columns;
  int i = 0;
  while (i < q && i < rows) {
    int j = i;
    while (j < rows && m[j][i] == 0) ++j;
    if (j == rows) {
      for (int row = 0; row < rows; ++row) m[row][i] = m[row][q - 1];
      --q;
      continue;
    }
    for (int k = i; k < q; ++k) std::swap(m[i][k], m[j][k]);
    if (i == rows - 1) break;
    for (int k = i + 1; k < q; ++k) m[i][k] /= m[i][i];
    for (int l = i + 1; l < rows; ++l)
      for (int k = i + 1; k < q; ++k) m[l][k] -= m[l][i] * m[i][k];
    ++i;
  }
  int rank = 0;
  while (rank < std::min(rows, q) && m[rank][rank] != 0) ++rank;
  return rank;
}

}  // namespace

RankTrace MatrixRankTrace(const TDynFloatMatrix& a, int rows, int columns) {
  rows = std::min(rows, RowCountOf(a));
  columns = std::min(columns, ColumnCountOf(a));
  FpFaultScope scope;
  RankTrace result;
  for (int i = 0; i < std::min(rows, columns); ++i) result.trace += a[i][i];
  TDynFloatMatrix copy(a.begin(), a.begin() + rows);
  for (auto& row : copy) row.resize(columns);
  result.rank = rows > 0 && columns > 0 ? RankOfCopy(std::move(copy), rows, columns) : 0;
  CheckFpFaults();
  return result;
}

// ------------------------------------------------------------------------- LU

namespace {

struct Pivot {
  int row;
  int col;
  Extended magnitude;
};

// Largest magnitude in the trailing block from (k, k); only a strictly larger one replaces
// the candidate, rows outer and columns inner.
Pivot FindPivot(const RCOMat& a, int k) {
  Pivot best{k, k, std::fabs(a(k, k))};
  for (int i = k; i < a.n; ++i) {
    for (int j = k; j < a.n; ++j) {
      const Extended magnitude = std::fabs(a(i, j));
      if (magnitude > best.magnitude) best = {i, j, magnitude};
    }
  }
  return best;
}

void SwapColumns(RCOMat& a, int c1, int c2) {
  for (int i = 0; i < a.n; ++i) std::swap(a(i, c1), a(i, c2));
}

void SwapRows(RCOMat& a, int r1, int r2) {
  for (int j = 0; j < a.n; ++j) std::swap(a(r1, j), a(r2, j));
}

// Row j -= m * row k over the active part, and the same operation on the stored row
// operations of the lower part.
void Eliminate(RCOMat& a, int k) {
  const int n = a.n;
  const Extended* pivotRow = &a.a[static_cast<std::size_t>(k) * n];
  for (int j = k + 1; j < n; ++j) {
    Extended* row = &a.a[static_cast<std::size_t>(j) * n];
    const Extended m = row[k] / pivotRow[k];
    for (int l = k + 1; l < n; ++l) row[l] -= m * pivotRow[l];
    row[k] = -m;
    for (int l = 0; l < k; ++l) row[l] -= m * pivotRow[l];
  }
}

}  // namespace

LuFactors LuDecompose(RCOMat a) {
  FpFaultScope scope;
  const int n = a.n;
  LuFactors f;
  f.rowPerm.resize(n);
  f.colPerm.resize(n);
  for (int i = 0; i < n; ++i) f.rowPerm[i] = f.colPerm[i] = i;
  Extended sign = 1;
  for (int k = 0; k < n - 1 && !f.singular; ++k) {
    const Pivot pivot = FindPivot(a, k);
    if (pivot.magnitude == 0) {
      f.singular = true;
      break;
    }
    if (pivot.col != k) {
      SwapColumns(a, k, pivot.col);
      std::swap(f.colPerm[k], f.colPerm[pivot.col]);
      sign = -sign;
    }
    if (pivot.row != k) {
      SwapRows(a, k, pivot.row);
      std::swap(f.rowPerm[k], f.rowPerm[pivot.row]);
      sign = -sign;
    }
    Eliminate(a, k);
  }
  f.determinant = sign;
  for (int i = 0; i < n; ++i) f.determinant *= a(i, i);
  if (f.determinant == 0) f.singular = true;
  f.lu = std::move(a);
  CheckFpFaults();
  return f;
}

RCOVec LuSolve(const LuFactors& factors, const RCOVec& b) {
  FpFaultScope scope;
  const RCOMat& a = factors.lu;
  const int n = a.n;
  RCOVec y(n, 0), x(n, 0);
  for (int i = n - 1; i >= 0; --i) {
    Extended s = b[factors.rowPerm[i]];
    for (int l = 0; l < i; ++l) s += b[factors.rowPerm[l]] * a(i, l);
    for (int l = i + 1; l < n; ++l) s -= y[l] * a(i, l);
    y[i] = s / a(i, i);
  }
  for (int i = 0; i < n; ++i) x[factors.colPerm[i]] = y[i];
  CheckFpFaults();
  return x;
}

LinearSolution SolveLinearSystem(const RCOMat& a, const RCOVec& b) {
  const LuFactors factors = LuDecompose(a);
  LinearSolution result{factors.determinant, RCOVec(a.n, 0)};
  if (!factors.singular) result.x = LuSolve(factors, b);
  return result;
}

MatrixInverse InvertMatrix(const RCOMat& a) {
  const LuFactors factors = LuDecompose(a);
  MatrixInverse result{factors.determinant, RCOMat(a.n)};
  if (factors.singular) return result;
  RCOVec unit(a.n, 0);
  for (int k = 0; k < a.n; ++k) {
    unit[k] = 1;
    const RCOVec column = LuSolve(factors, unit);
    unit[k] = 0;
    for (int i = 0; i < a.n; ++i) result.inverse(i, k) = column[i];
  }
  return result;
}

}  // namespace zarnix
