// Real and complex matrix routines: rank and trace on the singular and rectangular cases, LU
// with complete pivoting, solutions and inverses against numpy, the complex elimination and
// Gauss-Jordan, and the determinant worked on texts.
#include "numeric/linear_algebra.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "numeric/linear_algebra_complex.h"
#include "numeric/matrix.h"
#include "reference_file.h"

namespace zarnix {
namespace {

TDynFloatMatrix MatrixOf(const std::vector<Extended>& values, int rows, int cols) {
  TDynFloatMatrix m = ZeroMatrix(rows, cols);
  for (int i = 0; i < rows; ++i)
    for (int j = 0; j < cols; ++j) m[i][j] = values[i * cols + j];
  return m;
}

ComplexMatrix ComplexOf(const std::vector<Extended>& re, const std::vector<Extended>& im, int rows,
                        int cols) {
  ComplexMatrix m(rows, cols);
  for (int k = 0; k < rows * cols; ++k) m.a[k] = {re[k], im[k]};
  return m;
}

// A complex entry as a cell formula with every digit of both parts.
std::string CellText(const ComplexValue& z) {
  return GeneralFormat(z.re, 18) + "+(" + GeneralFormat(z.im, 18) + "*i)";
}

TEST(MatrixRankTrace, SingularRectangularAndZero) {
  const RankTrace square = MatrixRankTrace(MatrixOf({1, 2, 3, 4}, 2, 2), 2, 2);
  EXPECT_EQ(square.rank, 2);
  EXPECT_EQ(square.trace, 5);
  const RankTrace singular = MatrixRankTrace(MatrixOf({1, 2, 2, 4}, 2, 2), 2, 2);
  EXPECT_EQ(singular.rank, 1);
  EXPECT_EQ(singular.trace, 5);
  // A zero first column is replaced by the last one; the trace stays on the diagonal.
  EXPECT_EQ(MatrixRankTrace(MatrixOf({0, 1, 0, 2}, 2, 2), 2, 2).rank, 1);
  EXPECT_EQ(MatrixRankTrace(MatrixOf({0, 0, 0, 0, 0, 0}, 2, 3), 2, 3).rank, 0);
  EXPECT_EQ(MatrixRankTrace(MatrixOf({0, 0, 1, 1, 0, 0}, 2, 3), 2, 3).rank, 2);
}

TEST(MatrixArithmetic, InPlaceOperationsAndSizeChecks) {
  TDynFloatMatrix a = MatrixOf({1, 2, 3, 4}, 2, 2);
  AddInPlace(a, MatrixOf({1, 1, 1, 1}, 2, 2));
  SubtractInPlace(a, MatrixOf({0, 0, 0, 2}, 2, 2));
  ScaleInPlace(a, 0.5L);
  EXPECT_EQ(a, MatrixOf({1, 1.5L, 2, 1.5L}, 2, 2));
  EXPECT_THROW(AddInPlace(a, MatrixOf({1, 2}, 1, 2)), EListError);
  EXPECT_THROW(Multiply(a, MatrixOf({1, 2}, 1, 2)), EListError);
  TDynFloatMatrix huge = MatrixOf({1e4000L}, 1, 1);
  EXPECT_THROW(ScaleInPlace(huge, 1e1000L), EOverflow);
}

TEST(LuDecompose, PivotingSignAndStoredRowOperations) {
  // The largest entry (4) is brought to the corner by one row and one column swap.
  RCOMat a(2);
  a.a = {1, 2, 3, 4};
  const LuFactors f = LuDecompose(a);
  EXPECT_FALSE(f.singular);
  EXPECT_EQ(f.rowPerm, (RCoVecE{1, 0}));
  EXPECT_EQ(f.colPerm, (RCoVecE{1, 0}));
  EXPECT_NEAR(static_cast<double>(f.determinant), -2, 1e-15);
  EXPECT_EQ(f.lu(1, 0), -0.5L);  // row 1 -= 0.5 * row 0, stored negated
  const RCOVec x = LuSolve(f, {5, 6});
  EXPECT_NEAR(static_cast<double>(x[0]), -4, 1e-15);
  EXPECT_NEAR(static_cast<double>(x[1]), 4.5, 1e-15);

  RCOMat zero(3);
  const LuFactors z = LuDecompose(zero);
  EXPECT_TRUE(z.singular);
  EXPECT_EQ(z.determinant, 0);
}

TEST(SolveLinearSystem, SingularLeavesZeros) {
  RCOMat a(2);
  a.a = {1, 2, 2, 4};
  const LinearSolution s = SolveLinearSystem(a, {3, 6});
  EXPECT_EQ(s.determinant, 0);
  EXPECT_EQ(s.x, (RCOVec{0, 0}));
  const MatrixInverse inv = InvertMatrix(a);
  EXPECT_EQ(inv.determinant, 0);
  EXPECT_EQ(inv.inverse.a, (std::vector<Extended>{0, 0, 0, 0}));
}

TEST(LinearAlgebraReference, AgreesWithNumpy) {
  for (const ReferenceBlock& block : ReadReference("linear_algebra_reference.txt")) {
    SCOPED_TRACE(block.name);
    if (block.name == "product") {
      const int r = block.Number("rows"), p = block.Number("inner"), q = block.Number("columns");
      const TDynFloatMatrix c =
          Multiply(MatrixOf(block.Numbers("a"), r, p), MatrixOf(block.Numbers("b"), p, q));
      for (int k = 0; k < r * q; ++k)
        EXPECT_TRUE(Near(c[k / q][k % q], block.Numbers("c")[k], 1e-14L));
      continue;
    }
    const int rows = block.Number("rows"), cols = block.Number("columns");
    const TDynFloatMatrix m = MatrixOf(block.Numbers("matrix"), rows, cols);
    const RankTrace rt = MatrixRankTrace(m, rows, cols);
    EXPECT_EQ(rt.rank, block.Number("rank"));
    EXPECT_TRUE(Near(rt.trace, block.Number("trace"), 1e-14L));
    if (rows != cols) continue;
    const RCOMat a = SquareFrom(m, rows);
    const Extended det = block.Number("determinant");
    const MatrixInverse inv = InvertMatrix(a);
    EXPECT_TRUE(Near(inv.determinant, det, 1e-11L * std::fmax(1, std::fabs(det))));
    if (!block.Has("inverse")) continue;
    const auto& expected = block.Numbers("inverse");
    for (int k = 0; k < rows * rows; ++k)
      EXPECT_TRUE(Near(inv.inverse.a[k], expected[k], 1e-9L)) << k;
    const LinearSolution s = SolveLinearSystem(a, block.Numbers("b"));
    for (int i = 0; i < rows; ++i) EXPECT_TRUE(Near(s.x[i], block.Numbers("x")[i], 1e-9L)) << i;
  }
}

TEST(ComplexRoutines, PivotLimit) {
  // A pivot of modulus 0.003 is below the limit: |z|^4 = 8.1e-11.
  ComplexMatrix small(1, 1);
  small(0, 0) = {0.003L, 0};
  EXPECT_TRUE(ComplexSolve(small, {{1, 0}}).noSolution);
  EXPECT_EQ(ComplexInverse(small)(0, 0).re, 0);
  small(0, 0) = {0.004L, 0};
  EXPECT_FALSE(ComplexSolve(small, {{1, 0}}).noSolution);
}

TEST(ComplexRoutines, AgreeWithNumpy) {
  for (const ReferenceBlock& block : ReadReference("complex_linear_algebra_reference.txt")) {
    SCOPED_TRACE(block.name);
    if (block.name == "product") {
      const int r = block.Number("rows"), p = block.Number("inner"), q = block.Number("columns");
      const ComplexMatrix c =
          ComplexMatMul(ComplexOf(block.Numbers("a_re"), block.Numbers("a_im"), r, p),
                        ComplexOf(block.Numbers("b_re"), block.Numbers("b_im"), p, q));
      for (int k = 0; k < r * q; ++k) {
        EXPECT_TRUE(Near(c.a[k].re, block.Numbers("c_re")[k], 1e-14L));
        EXPECT_TRUE(Near(c.a[k].im, block.Numbers("c_im")[k], 1e-14L));
      }
      continue;
    }
    const int n = block.Number("n");
    const ComplexMatrix a = ComplexOf(block.Numbers("re"), block.Numbers("im"), n, n);
    std::vector<ComplexValue> b(n);
    for (int i = 0; i < n; ++i) b[i] = {block.Numbers("b_re")[i], block.Numbers("b_im")[i]};
    const ComplexSolution s = ComplexSolve(a, b);
    ASSERT_FALSE(s.noSolution);
    for (int i = 0; i < n; ++i) {
      EXPECT_TRUE(Near(s.x[i].re, block.Numbers("x_re")[i], 1e-11L));
      EXPECT_TRUE(Near(s.x[i].im, block.Numbers("x_im")[i], 1e-11L));
    }
    const ComplexMatrix inv = ComplexInverse(a);
    for (int k = 0; k < n * n; ++k) {
      EXPECT_TRUE(Near(inv.a[k].re, block.Numbers("inverse_re")[k], 1e-11L));
      EXPECT_TRUE(Near(inv.a[k].im, block.Numbers("inverse_im")[k], 1e-11L));
    }
    // The text elimination keeps 15 decimals per entry.
    if (n > 12) continue;
    ScriptedUi ui;
    ManualClock clock;
    LcgRandom random;
    std::vector<std::string> texts;
    for (int k = 0; k < n * n; ++k) texts.push_back(CellText(a.a[k]));
    const ComplexValue d = ComplexDeterminantText({ui, clock, random}, n, texts);
    const Extended scale = std::hypot(block.Number("det_re"), block.Number("det_im"));
    EXPECT_TRUE(Near(d.re / scale, block.Number("det_re") / scale, 1e-10L));
    EXPECT_TRUE(Near(d.im / scale, block.Number("det_im") / scale, 1e-10L));
    EXPECT_TRUE(ui.Messages().empty());
  }
}

TEST(ComplexDeterminantText, ColumnSwapZeroRowAndRejectedText) {
  ScriptedUi ui;
  ManualClock clock;
  LcgRandom random;
  const EvalServices services{ui, clock, random};
  const ComplexValue swapped = ComplexDeterminantText(services, 2, {"0", "i", "i", "0"});
  EXPECT_NEAR(static_cast<double>(swapped.re), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(swapped.im), 0, 1e-15);
  const ComplexValue zero = ComplexDeterminantText(services, 2, {"0", "0", "1", "sin(1)"});
  EXPECT_EQ(zero.re, 0);
  EXPECT_EQ(zero.im, 0);
  EXPECT_THROW(ComplexDeterminantText(services, 2, {"1", "2*(", "3", "4"}),
               EComplexFormulaRejected);
  EXPECT_EQ(ui.Messages().size(), 1u);
}

}  // namespace
}  // namespace zarnix
