// Dynamic real matrices of the linear-algebra category: the operands and results of the
// product, the sum, the difference and the scaling, with their in-place arithmetic.
#pragma once

#include <vector>

#include "base/extended.h"

namespace zarnix {

// Rows of equal length; element [row][column].
using TDynFloatMatrix = std::vector<std::vector<Extended>>;

// A zero matrix of the given size.
TDynFloatMatrix ZeroMatrix(int rows, int columns);

int RowCountOf(const TDynFloatMatrix& m);
int ColumnCountOf(const TDynFloatMatrix& m);

// a := a + b and a := a - b over a's size; b must be at least as large (EListError otherwise).
void AddInPlace(TDynFloatMatrix& a, const TDynFloatMatrix& b);
void SubtractInPlace(TDynFloatMatrix& a, const TDynFloatMatrix& b);
// a := c * a.
void ScaleInPlace(TDynFloatMatrix& a, Extended c);
// a * b, sized rows(a) x columns(b); b needs columns(a) rows (EListError otherwise).
TDynFloatMatrix Multiply(const TDynFloatMatrix& a, const TDynFloatMatrix& b);

}  // namespace zarnix
