// In-place sum, difference and scaling of dynamic real matrices and their product.
#include "numeric/matrix.h"

#include "base/errors.h"
#include "base/fpu.h"

namespace zarnix {

namespace {

// b covers a: as many rows, each at least as long.
void RequireCovers(const TDynFloatMatrix& a, const TDynFloatMatrix& b) {
  bool covers = b.size() >= a.size();
  for (std::size_t i = 0; covers && i < a.size(); ++i) covers = b[i].size() >= a[i].size();
  if (!covers) throw EListError("Matrix sizes do not match");
}

template <class Op>
void CombineInPlace(TDynFloatMatrix& a, const TDynFloatMatrix& b, Op op) {
  RequireCovers(a, b);
  FpFaultScope scope;
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < a[i].size(); ++j) a[i][j] = op(a[i][j], b[i][j]);
  CheckFpFaults();
}

}  // namespace

TDynFloatMatrix ZeroMatrix(int rows, int columns) {
  return TDynFloatMatrix(rows, std::vector<Extended>(columns, 0));
}

int RowCountOf(const TDynFloatMatrix& m) {
  return static_cast<int>(m.size());
}

int ColumnCountOf(const TDynFloatMatrix& m) {
  return m.empty() ? 0 : static_cast<int>(m.front().size());
}

void AddInPlace(TDynFloatMatrix& a, const TDynFloatMatrix& b) {
  CombineInPlace(a, b, [](Extended x, Extended y) { return x + y; });
}

void SubtractInPlace(TDynFloatMatrix& a, const TDynFloatMatrix& b) {
  CombineInPlace(a, b, [](Extended x, Extended y) { return x - y; });
}

void ScaleInPlace(TDynFloatMatrix& a, Extended c) {
  FpFaultScope scope;
  for (auto& row : a)
    for (Extended& x : row) x *= c;
  CheckFpFaults();
}

TDynFloatMatrix Multiply(const TDynFloatMatrix& a, const TDynFloatMatrix& b) {
  const int inner = ColumnCountOf(a);
  const int columns = ColumnCountOf(b);
  if (RowCountOf(b) < inner) throw EListError("Matrix sizes do not match");
  for (int k = 0; k < inner; ++k)
    if (static_cast<int>(b[k].size()) < columns) throw EListError("Matrix sizes do not match");
  for (const auto& row : a)
    if (static_cast<int>(row.size()) < inner) throw EListError("Matrix sizes do not match");
  FpFaultScope scope;
  TDynFloatMatrix c = ZeroMatrix(RowCountOf(a), columns);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (int k = 0; k < inner; ++k) {
      const Extended aik = a[i][k];
      const std::vector<Extended>& bk = b[k];
      std::vector<Extended>& ci = c[i];
      for (int j = 0; j < columns; ++j) ci[j] += aik * bk[j];
    }
  }
  CheckFpFaults();
  return c;
}

}  // namespace zarnix
