// Complex matrix routines of the linear-algebra category: solution of a square system by
// elimination, the inverse by Gauss-Jordan, the product, and the determinant worked on texts.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"
#include "expr/complex_math.h"
#include "expr/tree_eval.h"

namespace zarnix {

// A cell text or built formula that the complex compiler rejected; the compiler's message has
// been shown already, so the catcher ends the run without a second one.
class EComplexFormulaRejected : public Exception {
 public:
  EComplexFormulaRejected() : Exception("") {}
};

// The value of a complex formula with x, a ... f at 0, as EvalComplexFormula gives it for an
// empty values text. A rejected formula throws EComplexFormulaRejected.
ComplexValue EvalComplexText(EvalServices services, std::string_view formula);

// Row-major; element (i, j) from 0.
struct ComplexMatrix {
  int rows = 0;
  int cols = 0;
  std::vector<ComplexValue> a;

  ComplexMatrix() = default;
  ComplexMatrix(int rowCount, int colCount)
      : rows(rowCount), cols(colCount), a(static_cast<std::size_t>(rowCount) * colCount) {}
  ComplexValue& operator()(int i, int j) { return a[static_cast<std::size_t>(i) * cols + j]; }
  const ComplexValue& operator()(int i, int j) const {
    return a[static_cast<std::size_t>(i) * cols + j];
  }
};

// A pivot whose squared modulus, squared again, is at or below this (for the solution) or
// below it (for the inverse) is no pivot.
inline constexpr Extended kComplexPivotLimit = 1e-10L;

struct ComplexSolution {
  std::vector<ComplexValue> x;  // all zeros when there is no solution
  bool noSolution = false;
};

// A (n x n) x = b by elimination with the largest pivot of each column.
ComplexSolution ComplexSolve(const ComplexMatrix& a, const std::vector<ComplexValue>& b);

// The inverse by Gauss-Jordan on [A | I]; all zeros when a column has no usable pivot.
ComplexMatrix ComplexInverse(const ComplexMatrix& a);

// a (r x p) times b (p x q).
ComplexMatrix ComplexMatMul(const ComplexMatrix& a, const ComplexMatrix& b);

// The determinant of the n x n cell texts (row-major) by elimination carried out on texts:
// every intermediate entry is evaluated by the complex compiler and kept as its "%.15f" text.
ComplexValue ComplexDeterminantText(EvalServices services, int n,
                                    const std::vector<std::string>& texts);

}  // namespace zarnix
