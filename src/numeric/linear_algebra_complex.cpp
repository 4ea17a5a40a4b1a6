// Complex elimination, Gauss-Jordan inverse and product on row-major complex matrices.
#include "numeric/linear_algebra_complex.h"

#include <utility>

#include <cmath>

#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "expr/complex_text.h"
#include "expr/eval_wrappers.h"

namespace zarnix {

namespace {

Extended SquaredModulus(const ComplexValue& z) {
  return z.re * z.re + z.im * z.im;
}

// a - b·c
ComplexValue SubtractProduct(const ComplexValue& a, const ComplexValue& b, const ComplexValue& c) {
  return cx::Sub(a, cx::Mul(b, c));
}

// Row of the largest squared modulus in column col from row `from` down; only a strictly
// larger one replaces the candidate.
int PivotRow(const ComplexMatrix& m, int col, int from, Extended& largest) {
  int best = from;
  largest = SquaredModulus(m(from, col));
  for (int j = from + 1; j < m.rows; ++j) {
    const Extended s = SquaredModulus(m(j, col));
    if (s > largest) {
      largest = s;
      best = j;
    }
  }
  return best;
}

void SwapRows(ComplexMatrix& m, int r1, int r2, int fromCol) {
  for (int k = fromCol; k < m.cols; ++k) std::swap(m(r1, k), m(r2, k));
}

void DivideRow(ComplexMatrix& m, int row, int fromCol, const ComplexValue& pivot) {
  for (int k = fromCol; k < m.cols; ++k) m(row, k) = cx::Div(m(row, k), pivot);
}

}  // namespace

ComplexSolution ComplexSolve(const ComplexMatrix& a, const std::vector<ComplexValue>& b) {
  const int n = a.rows;
  if (a.cols < n || static_cast<int>(b.size()) < n) throw EListError("Matrix sizes do not match");
  FpFaultScope scope;
  ComplexMatrix m(n, n + 1);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) m(i, j) = a(i, j);
    m(i, n) = b[i];
  }
  ComplexSolution result{std::vector<ComplexValue>(n), false};
  for (int i = 0; i < n; ++i) {
    Extended largest = 0;
    const int best = PivotRow(m, i, i, largest);
    if (largest * largest <= kComplexPivotLimit) {
      result.noSolution = true;
      CheckFpFaults();
      return result;
    }
    SwapRows(m, i, best, i);
    DivideRow(m, i, i + 1, m(i, i));
    for (int j = i + 1; j < n; ++j)
      for (int k = i + 1; k <= n; ++k) m(j, k) = SubtractProduct(m(j, k), m(j, i), m(i, k));
  }
  for (int i = n - 1; i >= 0; --i) {
    ComplexValue x = m(i, n);
    for (int k = i + 1; k < n; ++k) x = SubtractProduct(x, m(i, k), result.x[k]);
    result.x[i] = x;
  }
  CheckFpFaults();
  return result;
}

ComplexMatrix ComplexInverse(const ComplexMatrix& a) {
  const int n = a.rows;
  if (a.cols < n) throw EListError("Matrix sizes do not match");
  FpFaultScope scope;
  ComplexMatrix m(n, 2 * n);
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) m(i, j) = a(i, j);
    m(i, n + i) = {1, 0};
  }
  for (int i = 0; i < n; ++i) {
    Extended largest = 0;
    const int best = PivotRow(m, i, i, largest);
    if (largest * largest < kComplexPivotLimit) {
      CheckFpFaults();
      return ComplexMatrix(n, n);
    }
    SwapRows(m, i, best, 0);
    DivideRow(m, i, i + 1, m(i, i));
    for (int j = 0; j < n; ++j) {
      if (j == i) continue;
      const ComplexValue factor = m(j, i);
      for (int k = i + 1; k < 2 * n; ++k) m(j, k) = SubtractProduct(m(j, k), factor, m(i, k));
    }
  }
  ComplexMatrix inverse(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) inverse(i, j) = m(i, n + j);
  CheckFpFaults();
  return inverse;
}

ComplexMatrix ComplexMatMul(const ComplexMatrix& a, const ComplexMatrix& b) {
  if (b.rows < a.cols) throw EListError("Matrix sizes do not match");
  FpFaultScope scope;
  ComplexMatrix c(a.rows, b.cols);
  for (int i = 0; i < a.rows; ++i) {
    for (int j = 0; j < b.cols; ++j) {
      ComplexValue sum{0, 0};
      for (int k = 0; k < a.cols; ++k) sum = cx::Add(sum, cx::Mul(a(i, k), b(k, j)));
      c(i, j) = sum;
    }
  }
  CheckFpFaults();
  return c;
}

ComplexValue EvalComplexText(EvalServices services, std::string_view formula) {
  ComplexFormula f(services, formula, ComplexVariables::kValues);
  if (!f.Ok()) throw EComplexFormulaRejected();
  return f.Evaluate({});
}

namespace {

// An entry of the text elimination: its text and the number it evaluates to.
struct TextEntry {
  std::string text;
  ComplexValue value;
};

constexpr Extended kTextPivotLimit = 1e-10L;
constexpr const char* kEntryFormat = "%.15f";

class TextDeterminant {
 public:
  TextDeterminant(EvalServices services, int n, const std::vector<std::string>& texts)
      : services_(services), n_(n), t_(static_cast<std::size_t>(n) * n) {
    for (int i = 0; i < n * n; ++i) t_[i] = {texts[i], Eval(texts[i])};
  }

  ComplexValue Value() {
    Extended sign = 1;
    for (int pos = 0; pos < n_ - 1; ++pos) {
      int col = pos;
      while (col < n_ && !Usable(At(pos, col).value)) ++col;
      if (col == n_) return {0, 0};
      if (col != pos) {
        SwapColumns(pos, col);
        sign = -sign;
        RebuildTexts();
      }
      for (int j = pos + 1; j < n_; ++j) EliminateRow(pos, j);
    }
    std::string product;
    for (int i = 0; i < n_; ++i) product += (i > 0 ? ")*(" : "(") + At(i, i).text;
    product += ")";
    const ComplexValue d = Eval(product);
    return {sign * d.re, sign * d.im};
  }

 private:
  TextEntry& At(int i, int j) { return t_[static_cast<std::size_t>(i) * n_ + j]; }

  ComplexValue Eval(const std::string& text) { return EvalComplexText(services_, text); }

  static bool Usable(const ComplexValue& z) {
    return std::fabs(z.re) > kTextPivotLimit || std::fabs(z.im) > kTextPivotLimit;
  }

  void SwapColumns(int c1, int c2) {
    for (int i = 0; i < n_; ++i) std::swap(At(i, c1), At(i, c2));
  }

  // Every entry written afresh from its number, as re+(im*i).
  void RebuildTexts() {
    for (TextEntry& e : t_)
      e.text = GeneralFormat(e.value.re) + "+(" + GeneralFormat(e.value.im) + "*i)";
  }

  void EliminateRow(int pos, int j) {
    const ComplexValue q = Eval("(" + At(j, pos).text + ")/(" + At(pos, pos).text + ")");
    const std::string factor = FormatComplex(kEntryFormat, q.re, q.im);
    for (int k = pos; k < n_; ++k) {
      const ComplexValue v = Eval(At(j, k).text + "-(" + At(pos, k).text + ")*(" + factor + ")");
      At(j, k) = {FormatComplex(kEntryFormat, v.re, v.im), v};
    }
  }

  EvalServices services_;
  int n_;
  std::vector<TextEntry> t_;
};

}  // namespace

ComplexValue ComplexDeterminantText(EvalServices services, int n,
                                    const std::vector<std::string>& texts) {
  if (n < 1 || static_cast<int>(texts.size()) < n * n)
    throw EListError("Matrix sizes do not match");
  return TextDeterminant(services, n, texts).Value();
}

}  // namespace zarnix
