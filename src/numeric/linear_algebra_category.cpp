// Linear algebra on the worksheet: the layout (matrix A, operator column, second operand),
// the real branch with rank and trace, and the complex branch on cell formulas.
#include "numeric/linear_algebra_category.h"

#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/gbk.h"
#include "base/ui.h"
#include "expr/complex_text.h"
#include "expr/tree_eval.h"
#include "numeric/linear_algebra.h"
#include "numeric/linear_algebra_complex.h"
#include "numeric/matrix.h"
#include "sheet/answer_pane.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kColumnWidth = 50;
constexpr int kFirstColumnWidth = 80;
constexpr const char* kDeterminantMode = "行列式";
constexpr const char* kDeterminantHeading = "行列式的值";
constexpr const char* kSolutionHeading = "解";
// Orders up to which the complex determinant is worked on texts.
constexpr int kComplexSolveDeterminantLimit = 100;
constexpr int kComplexInverseDeterminantLimit = 30;
// A product writes at most this many cells; a larger one would only exhaust memory.
constexpr long long kMaxProductCells = 1LL << 22;

// Where the operands stand (rows and columns from 0).
struct Layout {
  int p = 0;    // columns of A; the operator column
  int r = 0;    // rows of A (rows 1 ... r)
  char op = 0;  // 0 when there is none
  bool determinantMode = false;
};

Layout FindLayout(const Worksheet& g) {
  Layout l;
  while (l.p < g.ColCount() && !IsEmptyCell(g.Cell(l.p, 1))) ++l.p;
  int row = 1;
  while (row < g.RowCount() && !IsEmptyCell(g.Cell(0, row))) ++row;
  l.r = row - 1;
  for (int i = 1; i <= l.r; ++i) {
    const std::string& cell = g.Cell(l.p, i);
    if (!IsEmptyCell(cell)) {
      l.op = cell[0];
      break;
    }
  }
  l.determinantMode = g.Cell(0, 0) == kDeterminantMode;
  return l;
}

// A letter i or I in a cell of rows 1 on, found character by character (the second byte of
// a two-byte character is no letter).
bool HasImaginaryUnit(const Worksheet& g) {
  for (int row = 1; row < g.RowCount(); ++row) {
    for (int col = 0; col < g.ColCount(); ++col) {
      const std::string& text = g.Cell(col, row);
      for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos))
        if (text[pos] == 'i' || text[pos] == 'I') return true;
    }
  }
  return false;
}

// The scalar's cell: column p+1 of the first row whose cells in columns p and p+1 are filled.
std::string ScalarText(const Worksheet& g, const Layout& l) {
  for (int row = 1; row < g.RowCount(); ++row)
    if (!IsEmptyCell(g.Cell(l.p, row)) && !IsEmptyCell(g.Cell(l.p + 1, row)))
      return g.Cell(l.p + 1, row);
  return "";
}

// Width of B: the consecutive filled cells of row 1 from column p+1.
int SecondWidth(const Worksheet& g, const Layout& l) {
  int q = 0;
  while (l.p + 1 + q < g.ColCount() && !IsEmptyCell(g.Cell(l.p + 1 + q, 1))) ++q;
  return q;
}

// B of a product needs p rows (the columns of A) below each other in column p+1.
void RequireProductRows(const Worksheet& g, const Layout& l, int q) {
  bool complete = q > 0 && l.p < g.RowCount();
  for (int row = 1; complete && row <= l.p; ++row) complete = !IsEmptyCell(g.Cell(l.p + 1, row));
  if (!complete)
    throw Exception("矩阵相乘：第二个矩阵应有" + IntToStr(l.p) + "行（第一个矩阵的列数）");
  if (static_cast<long long>(l.r) * q > kMaxProductCells) throw Exception("矩阵相乘：乘积太大");
}

void RequireSquare(const Layout& l) {
  if (l.p != l.r)
    throw Exception("解线性方程组、求行列式和逆矩阵需要方阵，第一个矩阵是" + IntToStr(l.r) + "行" +
                    IntToStr(l.p) + "列");
}

// Cells (j, i) of rows 1 ... r, columns 0 ... p-1 into columns p+1 ... p+r, rows 1 ... p.
void Transpose(Worksheet& g, const Layout& l) {
  if (l.r < l.p) g.SetRowCount(l.p + 1);
  g.SetColCount(l.p + l.r + 1);
  for (int i = 1; i <= l.r; ++i)
    for (int j = 0; j < l.p; ++j) g.SetCell(l.p + i, j + 1, g.Cell(j, i));
}

// Empties the given columns from row `from` to the last row.
void EmptyBelow(Worksheet& g, int firstCol, int cols, int from) {
  for (int row = from; row < g.RowCount(); ++row)
    for (int c = firstCol; c < firstCol + cols; ++c) g.SetCell(c, row, "");
}

// ------------------------------------------------------------------------- real branch

class RealRun {
 public:
  RealRun(Workbench& bench, const Layout& layout)
      : bench_(bench), g_(bench.grid), l_(layout), rf_(bench.resultFormat) {}

  void Run() {
    const TDynFloatMatrix a = Read(0, 1, l_.r, l_.p);
    if (g_.ColCount() == l_.p) g_.SetColCount(l_.p + 1);
    const RankTrace rt = MatrixRankTrace(a, l_.r, l_.p);
    bench_.answer.Add("第一个矩阵的迹=" + Format(rf_, rt.trace));
    bench_.answer.Add("第一个矩阵的秩=" + IntToStr(rt.rank));
    switch (l_.op) {
      case '*':
        Product(a);
        break;
      case '+':
      case '-':
        SumOrDifference(a);
        break;
      case '.':
        Scale(a);
        break;
      case '=':
        LinearSystem(a);
        break;
      case '^':
        Inverse(a);
        break;
      case '~':
        Transpose(g_, l_);
        break;
      default:
        break;
    }
  }

 private:
  TDynFloatMatrix Read(int firstCol, int firstRow, int rows, int cols) const {
    TDynFloatMatrix m = ZeroMatrix(rows, cols);
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < cols; ++j) m[i][j] = StrToFloat(g_.Cell(firstCol + j, firstRow + i));
    return m;
  }

  void Write(const TDynFloatMatrix& m, int firstCol, bool general) {
    for (int i = 0; i < RowCountOf(m); ++i)
      for (int j = 0; j < ColumnCountOf(m); ++j)
        g_.SetCell(firstCol + j, 1 + i, general ? GeneralFormat(m[i][j]) : Format(rf_, m[i][j]));
  }

  void Product(const TDynFloatMatrix& a) {
    const int p = l_.p, q = SecondWidth(g_, l_);
    RequireProductRows(g_, l_, q);
    const TDynFloatMatrix c = Multiply(a, Read(p + 1, 1, p, q));
    g_.SetColCount(p + 2 * q + 2);
    Write(c, p + q + 2, true);
    EmptyBelow(g_, p + q + 2, q, l_.r + 1);
  }

  void SumOrDifference(TDynFloatMatrix a) {
    const int p = l_.p;
    const TDynFloatMatrix b = Read(p + 1, 1, l_.r, p);
    g_.SetColCount(3 * p + 2);
    if (l_.op == '+')
      AddInPlace(a, b);
    else
      SubtractInPlace(a, b);
    Write(a, 2 * p + 2, true);
  }

  void Scale(TDynFloatMatrix a) {
    const int p = l_.p;
    const Extended c = StrToFloat(ScalarText(g_, l_));
    g_.SetColCount(2 * p + 3);
    ScaleInPlace(a, c);
    Write(a, p + 3, true);
  }

  void LinearSystem(const TDynFloatMatrix& a) {
    RequireSquare(l_);
    const int r = l_.r;
    RCOVec b(r);
    if (l_.determinantMode) {
      for (int i = 0; i < r; ++i) b[i] = i + 1;
      g_.SetColCount(r + 2);
    } else {
      for (int i = 0; i < r; ++i) b[i] = StrToFloat(g_.Cell(r + 1, i + 1));
    }
    const LinearSolution s = SolveLinearSystem(SquareFrom(a, r), b);
    if (l_.determinantMode) {
      g_.SetCell(g_.ColCount() - 1, 0, kDeterminantHeading);
      g_.SetCell(r + 1, 2, Format(rf_, s.determinant));
      // The cell alone is easily missed beside the matrix; the pane says it too.
      bench_.answer.Add(IntToStr(r) + "阶行列式的值：");
      bench_.answer.Add("    D=" + Format(rf_, s.determinant));
      return;
    }
    bench_.answer.Add("系数Ai组成的行列式的值：");
    bench_.answer.Add("    D=" + Format(rf_, s.determinant));
    g_.SetColCount(r + 4);
    g_.SetCell(r + 3, 0, kSolutionHeading);
    for (int i = 0; i < r; ++i) g_.SetCell(r + 3, i + 1, Format(rf_, s.x[i]));
  }

  void Inverse(const TDynFloatMatrix& a) {
    RequireSquare(l_);
    const int r = l_.r;
    const MatrixInverse inv = InvertMatrix(SquareFrom(a, r));
    bench_.answer.Add("第一个" + IntToStr(r) + "阶行列式（方阵）的值为：");
    bench_.answer.Add("    D= " + Format(rf_, inv.determinant));
    g_.SetColCount(2 * r + 2);
    for (int i = 0; i < r; ++i)
      for (int j = 0; j < r; ++j) g_.SetCell(r + 2 + j, 1 + i, Format(rf_, inv.inverse(i, j)));
  }

  Workbench& bench_;
  Worksheet& g_;
  const Layout& l_;
  const std::string& rf_;
};

// ------------------------------------------------------------------------- complex branch

class ComplexRun {
 public:
  ComplexRun(Workbench& bench, const Layout& layout)
      : bench_(bench),
        g_(bench.grid),
        l_(layout),
        rf_(bench.resultFormat),
        services_(EvalServices::Of(bench)) {}

  void Run() {
    const ComplexMatrix a = Read(0, 1, l_.r, l_.p);
    switch (l_.op) {
      case '*':
        Product(a);
        break;
      case '+':
      case '-':
        SumOrDifference();
        break;
      case '.':
        Scale();
        break;
      case '=':
        LinearSystem(a);
        break;
      case '^':
        Inverse(a);
        break;
      case '~':
        Transpose(g_, l_);
        break;
      default:
        break;
    }
  }

 private:
  ComplexValue Eval(const std::string& text) { return EvalComplexText(services_, text); }

  std::string Text(const ComplexValue& z) const { return FormatComplex(rf_, z.re, z.im); }

  ComplexMatrix Read(int firstCol, int firstRow, int rows, int cols) {
    ComplexMatrix m(rows, cols);
    for (int i = 0; i < rows; ++i)
      for (int j = 0; j < cols; ++j) m(i, j) = Eval(g_.Cell(firstCol + j, firstRow + i));
    return m;
  }

  void Write(const ComplexMatrix& m, int firstCol) {
    for (int i = 0; i < m.rows; ++i)
      for (int j = 0; j < m.cols; ++j) g_.SetCell(firstCol + j, 1 + i, Text(m(i, j)));
  }

  void Product(const ComplexMatrix& a) {
    const int p = l_.p, q = SecondWidth(g_, l_);
    RequireProductRows(g_, l_, q);
    const ComplexMatrix c = ComplexMatMul(a, Read(p + 1, 1, p, q));
    g_.SetColCount(p + 2 * q + 2);
    Write(c, p + q + 2);
    EmptyBelow(g_, p + q + 2, q, l_.r + 1);
  }

  // Each entry as the formula A_ij op (B_ij).
  void SumOrDifference() {
    const int p = l_.p;
    g_.SetColCount(3 * p + 2);
    for (int i = 1; i <= l_.r; ++i) {
      for (int j = 0; j < p; ++j) {
        const std::string formula = g_.Cell(j, i) + l_.op + "(" + g_.Cell(p + 1 + j, i) + ")";
        g_.SetCell(2 * p + 2 + j, i, Text(Eval(formula)));
      }
    }
  }

  // Each entry as the formula (A_ij)*(c).
  void Scale() {
    const int p = l_.p;
    const std::string c = ScalarText(g_, l_);
    g_.SetColCount(2 * p + 3);
    for (int i = 1; i <= l_.r; ++i)
      for (int j = 0; j < p; ++j)
        g_.SetCell(p + 3 + j, i, Text(Eval("(" + g_.Cell(j, i) + ")*(" + c + ")")));
  }

  std::vector<std::string> MatrixTexts(int n) const {
    std::vector<std::string> texts;
    for (int i = 1; i <= n; ++i)
      for (int j = 0; j < n; ++j) texts.push_back(g_.Cell(j, i));
    return texts;
  }

  void LinearSystem(const ComplexMatrix& a) {
    RequireSquare(l_);
    const int n = l_.r;
    std::vector<ComplexValue> b(n);
    if (!l_.determinantMode)
      for (int i = 0; i < n; ++i) b[i] = Eval(g_.Cell(n + 1, i + 1));
    const ComplexSolution s = ComplexSolve(a, b);
    g_.SetColCount(n + 4);
    if (s.noSolution) {
      bench_.ui.ShowMessage("无解");
    } else {
      for (int i = 0; i < n; ++i) g_.SetCell(n + 3, i + 1, Text(s.x[i]));
    }
    g_.SetCell(n + 3, 0, kSolutionHeading);
    if (n > kComplexSolveDeterminantLimit) {
      bench_.answer.Add("系数Ai构成" + IntToStr(n) + "阶复数行列式，超过100阶不能计算");
      return;
    }
    const ComplexValue d = ComplexDeterminantText(services_, n, MatrixTexts(n));
    if (l_.determinantMode) {
      g_.SetColCount(n + 2);
      g_.SetCell(n + 1, 2, Text(d));
      g_.SetCell(g_.ColCount() - 1, 0, kDeterminantHeading);
      return;
    }
    bench_.answer.Add("系数Ai构成的" + IntToStr(n) + "阶行列式的值为：");
    bench_.answer.Add("    D= " + Text(d));
  }

  void Inverse(const ComplexMatrix& a) {
    RequireSquare(l_);
    const int n = l_.r;
    const ComplexMatrix inverse = ComplexInverse(a);
    if (n <= kComplexInverseDeterminantLimit) {
      const ComplexValue d = ComplexDeterminantText(services_, n, MatrixTexts(n));
      bench_.answer.Add("第一个" + IntToStr(n) + "阶行列式（方阵）的值为：");
      bench_.answer.Add("    D= " + Text(d));
    } else {
      bench_.answer.Add("第一个" + IntToStr(n) + "阶行列式（方阵）构成" + IntToStr(n) +
                        "阶复数行列式，超过30阶不能计算");
    }
    g_.SetColCount(2 * n + 2);
    Write(inverse, n + 2);
  }

  Workbench& bench_;
  Worksheet& g_;
  const Layout& l_;
  const std::string& rf_;
  EvalServices services_;
};

}  // namespace

void HandleLinearAlgebra(Workbench& bench) {
  Worksheet& g = bench.grid;
  g.SetDefaultColWidth(kColumnWidth);
  g.SetColWidth(0, kFirstColumnWidth);
  const Layout layout = FindLayout(g);
  if (layout.r < 2) return;
  if (!HasImaginaryUnit(g)) {
    RealRun(bench, layout).Run();
    return;
  }
  try {
    ComplexRun(bench, layout).Run();
  } catch (const EComplexFormulaRejected&) {
    // The compiler's message has been shown; the run ends here.
  }
}

}  // namespace zarnix
