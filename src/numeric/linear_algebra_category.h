// The linear-algebra category: a matrix typed into the worksheet with an operator beside it
// (product, sum, difference, scaling, linear system, determinant, inverse, transpose).
#pragma once

namespace zarnix {

struct Workbench;

// Reads the first matrix from row 1 on, its operator and second operand, and writes the
// results to the right of the operands; rank, trace and determinants go to the answer pane.
// A matrix with a letter i anywhere is worked in complex arithmetic.
void HandleLinearAlgebra(Workbench& bench);

}  // namespace zarnix
