// Least-squares fitting of term-sum formulas: the basis matrix from the tree evaluator and
// the normal equations solved by Gauss-Jordan elimination with complete pivoting.
#include "numeric/regression.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/fpu.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

// A pivot this small means the terms are not independent on these points.
constexpr Extended kSingularPivot = 1e-10L;
// Added to each pivot in the final division.
constexpr Extended kPivotGuard = 1e-10L;
// Shift that keeps 0 and 1 away from the data (logarithms of 1, divisions by 0).
constexpr Extended kNudge = 1e-9L;
// Letters a ... i are bound to 1 when a term is evaluated as a basis function.
constexpr int kBasisLetters = 9;

using Matrix = std::vector<std::vector<Extended>>;

// [N | b] with N = A·Aᵀ and b = A·y for the basis rows A.
Matrix AugmentedNormalMatrix(std::span<const Extended> y, const Matrix& basis) {
  const std::size_t m = basis.size();
  Matrix g(m, std::vector<Extended>(m + 1, 0));
  for (std::size_t k = 0; k < m; ++k) {
    for (std::size_t l = 0; l < m; ++l) {
      Extended sum = 0;
      for (std::size_t i = 0; i < y.size(); ++i) sum += basis[k][i] * basis[l][i];
      g[k][l] = sum;
    }
    Extended right = 0;
    for (std::size_t i = 0; i < y.size(); ++i) right += basis[k][i] * y[i];
    g[k][m] = right;
  }
  CheckFpFaults();
  return g;
}

struct Pivot {
  std::size_t row = 0;
  std::size_t col = 0;
  Extended magnitude = 0;
};

// The first element of largest magnitude in rows s ... m-1 (rows outer, columns inner).
Pivot FindPivot(const Matrix& g, std::size_t s) {
  const std::size_t m = g.size();
  Pivot pivot{s, 0, std::fabs(g[s][0])};
  for (std::size_t r = s; r < m; ++r) {
    for (std::size_t c = 0; c < m; ++c) {
      const Extended magnitude = std::fabs(g[r][c]);
      if (magnitude > pivot.magnitude) pivot = {r, c, magnitude};
    }
  }
  return pivot;
}

// Removes the pivot column from every other row; the pivot row itself is not divided.
void EliminateColumn(Matrix& g, std::size_t s, std::size_t p) {
  for (std::size_t i = 0; i < g.size(); ++i) {
    if (i == s || g[i][p] == 0) continue;
    const Extended factor = g[i][p] / g[s][p];
    for (std::size_t col = 0; col < g[i].size(); ++col) g[i][col] -= factor * g[s][col];
  }
}

std::vector<Extended> NudgedCopy(std::span<const Extended> values, std::size_t n) {
  std::vector<Extended> copy(values.begin(), values.begin() + n);
  for (Extended& v : copy) {
    if (v == 0)
      v = kNudge;
    else if (v == 1)
      v = 1 + kNudge;
  }
  return copy;
}

}  // namespace

int CountTerms(std::string_view formula) {
  return static_cast<int>(SplitText(formula, '+').size());
}

std::vector<Extended> SolveNormalEquations(std::span<const Extended> y, const Matrix& basis) {
  const std::size_t m = basis.size();
  std::vector<Extended> coefficients(m + 1, 0);
  for (const auto& row : basis)
    if (row.size() < y.size()) y = y.first(row.size());
  Matrix g = AugmentedNormalMatrix(y, basis);

  std::vector<std::size_t> pivotCols(m, 0);
  for (std::size_t s = 0; s < m; ++s) {
    const Pivot pivot = FindPivot(g, s);
    if (pivot.magnitude <= kSingularPivot) {
      coefficients[m] = kFitSingular;
      return coefficients;
    }
    std::swap(g[pivot.row], g[s]);
    EliminateColumn(g, s, pivot.col);
    pivotCols[s] = pivot.col;
  }
  for (std::size_t s = 0; s < m; ++s) {
    const std::size_t p = pivotCols[s];
    coefficients[p] = g[s][m] / (g[s][p] + kPivotGuard);
  }
  CheckFpFaults();
  coefficients[m] = kFitOk;
  return coefficients;
}

std::vector<Extended> FitByTerms(EvalServices services, std::string_view formula,
                                 std::span<const Extended> x, std::span<const Extended> y) {
  const std::vector<std::string> terms = SplitText(formula, '+');
  const std::size_t m = terms.size();
  if (m > static_cast<std::size_t>(kMaxFitTerms)) {
    std::vector<Extended> refused(m + 1, 0);
    refused[m] = kFitTooManyTerms;
    return refused;
  }
  const std::size_t n = std::min(x.size(), y.size());
  const std::vector<Extended> xs = NudgedCopy(x, n);
  const std::vector<Extended> ys = NudgedCopy(y, n);
  const std::vector<Extended> ones(kBasisLetters, 1);
  const Extended zero = 0;
  Matrix basis;
  basis.reserve(m);
  for (const std::string& term : terms) {
    basis.push_back(EvalFormulaGrid(services, term, ones, xs, {&zero, 1}, {&zero, 1}));
  }
  return SolveNormalEquations(ys, basis);
}

FitInput LinearisedFit(std::string_view form, std::string_view text, std::span<const Extended> x,
                       std::span<const Extended> y) {
  FitInput in{std::string(text), {x.begin(), x.end()}, {y.begin(), y.end()}};
  const auto logOf = [](Extended& v) { v = Checked(std::log(v + kLinearisingShift)); };
  const auto inverseOf = [](Extended& v) { v = Checked(1 / (v + kLinearisingShift)); };
  if (form == kPowerForm) {
    std::for_each(in.x.begin(), in.x.end(), logOf);
    std::for_each(in.y.begin(), in.y.end(), logOf);
  } else if (form == kReciprocalForm) {
    std::for_each(in.y.begin(), in.y.end(), inverseOf);
  } else if (form == kRationalForm) {
    std::for_each(in.x.begin(), in.x.end(), inverseOf);
    std::for_each(in.y.begin(), in.y.end(), inverseOf);
  } else {
    return in;
  }
  in.text = kLinearForm;
  return in;
}

FitGoodness GoodnessOfFit(std::span<const Extended> predicted, std::span<const Extended> y, int m) {
  const std::size_t n = std::min(predicted.size(), y.size());
  Extended sse = 0, sumY = 0, sumY2 = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const Extended residual = predicted[i] - y[i];
    sse += residual * residual;
    sumY += y[i];
    sumY2 += y[i] * y[i];
  }
  const Extended st = sumY2 - sumY * sumY / static_cast<Extended>(n);
  const Extended d = std::fabs(st - sse);
  return {Checked(std::sqrt(d / (sse + d))),
          Checked(std::sqrt(sse / (static_cast<Extended>(n) - static_cast<Extended>(m))))};
}

}  // namespace zarnix
