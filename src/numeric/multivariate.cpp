// Two-variable table interpolation (3 × 3 Lagrange), polynomial surfaces by least squares in
// scaled coordinates, and multiple linear regression on centred variables; both fits solve
// their normal equations with one elimination that knows when the system is singular.
#include "numeric/multivariate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr std::array<const char*, 4> kErrorTexts = {
    "表中的x值和y值都必须严格单调",
    "对数插值要求x、y和z都大于0",
    "方程无唯一解：自变量线性相关，或观测数不多于自变量数",
    "批量计算结果超过表格的最大行数",
};

// Below this pivot of the unit-diagonal normal matrix a variable is taken as a combination of
// the others (its multiple correlation with them exceeds 1 − 1e-14).
constexpr Extended kSingularPivot = 1e-14L;

using Matrix = std::vector<std::vector<Extended>>;

// Solves the symmetric system n·a = b. The system is first scaled to a unit diagonal (so that
// the pivot test does not depend on the variables' units), then eliminated with partial
// pivoting. Nothing when a diagonal element is not positive or a pivot falls below the limit.
std::optional<std::vector<Extended>> SolveNormalSystem(Matrix n, std::vector<Extended> b) {
  const std::size_t k = b.size();
  std::vector<Extended> scale(k);
  for (std::size_t i = 0; i < k; ++i) {
    if (!(n[i][i] > 0)) return std::nullopt;
    scale[i] = 1 / std::sqrt(n[i][i]);
  }
  for (std::size_t i = 0; i < k; ++i) {
    for (std::size_t j = 0; j < k; ++j) n[i][j] *= scale[i] * scale[j];
    b[i] *= scale[i];
  }
  for (std::size_t col = 0; col < k; ++col) {
    std::size_t pivot = col;
    for (std::size_t row = col + 1; row < k; ++row)
      if (std::fabs(n[row][col]) > std::fabs(n[pivot][col])) pivot = row;
    if (!(std::fabs(n[pivot][col]) > kSingularPivot)) return std::nullopt;
    std::swap(n[pivot], n[col]);
    std::swap(b[pivot], b[col]);
    for (std::size_t row = col + 1; row < k; ++row) {
      const Extended factor = n[row][col] / n[col][col];
      for (std::size_t j = col; j < k; ++j) n[row][j] -= factor * n[col][j];
      b[row] -= factor * b[col];
    }
  }
  std::vector<Extended> a(k);
  for (std::size_t i = k; i-- > 0;) {
    Extended sum = b[i];
    for (std::size_t j = i + 1; j < k; ++j) sum -= n[i][j] * a[j];
    a[i] = sum / n[i][i];
  }
  for (std::size_t i = 0; i < k; ++i) a[i] *= scale[i];
  CheckFpFaults();
  return a;
}

// ----------------------------------------------------------------------------- tables

bool StrictlyMonotonic(const std::vector<Extended>& v) {
  bool up = true, down = true;
  for (std::size_t i = 1; i < v.size(); ++i) {
    up = up && v[i] > v[i - 1];
    down = down && v[i] < v[i - 1];
  }
  return up || down;
}

// The first of the (at most) three consecutive grid lines around the one nearest to t.
std::size_t WindowStart(const std::vector<Extended>& axis, Extended t) {
  std::size_t nearest = 0;
  for (std::size_t i = 1; i < axis.size(); ++i)
    if (std::fabs(axis[i] - t) < std::fabs(axis[nearest] - t)) nearest = i;
  if (axis.size() <= 3 || nearest == 0) return 0;
  return std::min(nearest - 1, axis.size() - 3);
}

// Lagrange weights of the window's nodes at t.
std::vector<Extended> LagrangeWeights(const std::vector<Extended>& nodes, Extended t) {
  std::vector<Extended> weights(nodes.size(), 1);
  for (std::size_t a = 0; a < nodes.size(); ++a)
    for (std::size_t b = 0; b < nodes.size(); ++b)
      if (a != b) weights[a] *= (t - nodes[b]) / (nodes[a] - nodes[b]);
  return weights;
}

Extended Transformed(Extended v, bool logarithmic) {
  if (!logarithmic) return v;
  if (!(v > 0)) throw EMultivariateError(MultivariateError::kLogNonPositive);
  return std::log(v);
}

std::vector<Extended> WindowNodes(const std::vector<Extended>& axis, std::size_t start,
                                  bool logarithmic) {
  std::vector<Extended> nodes;
  for (std::size_t i = start; i < axis.size() && i < start + 3; ++i)
    nodes.push_back(Transformed(axis[i], logarithmic));
  return nodes;
}

Extended InterpolateAt(const FunctionTable& table, TablePoint point, bool logarithmic) {
  const std::size_t sx = WindowStart(table.x, point.x), sy = WindowStart(table.y, point.y);
  const std::vector<Extended> wx =
      LagrangeWeights(WindowNodes(table.x, sx, logarithmic), Transformed(point.x, logarithmic));
  const std::vector<Extended> wy =
      LagrangeWeights(WindowNodes(table.y, sy, logarithmic), Transformed(point.y, logarithmic));
  Extended sum = 0;
  for (std::size_t b = 0; b < wy.size(); ++b)
    for (std::size_t a = 0; a < wx.size(); ++a)
      sum += wx[a] * wy[b] * Transformed(table.Z(sy + b, sx + a), logarithmic);
  return logarithmic ? std::exp(sum) : sum;
}

// ----------------------------------------------------------------------------- surfaces

// u = (v − centre) / half-width maps the axis onto [−1, 1].
struct AxisScale {
  Extended centre = 0;
  Extended half = 1;
  Extended operator()(Extended v) const { return (v - centre) / half; }
};

AxisScale ScaleOf(const std::vector<Extended>& axis) {
  const auto [low, high] = std::minmax_element(axis.begin(), axis.end());
  AxisScale s{(*low + *high) / 2, (*high - *low) / 2};
  if (!(s.half > 0)) s.half = 1;
  return s;
}

// u^0 … u^order.
std::vector<Extended> Powers(Extended u, int order) {
  std::vector<Extended> p(static_cast<std::size_t>(order) + 1, 1);
  for (int i = 1; i <= order; ++i) p[i] = p[i - 1] * u;
  return p;
}

// T[i][l]: the coefficient of v^l in ((v − centre)/half)^i.
Matrix PowerExpansion(const AxisScale& s, int order) {
  const Extended alpha = 1 / s.half, beta = -s.centre / s.half;
  Matrix t(order + 1, std::vector<Extended>(order + 1, 0));
  t[0][0] = 1;
  for (int i = 1; i <= order; ++i)  // (αv + β)^i = (αv + β)^(i−1) · (αv + β)
    for (int l = 0; l <= i; ++l)
      t[i][l] = beta * t[i - 1][l] + (l > 0 ? alpha * t[i - 1][l - 1] : 0);
  return t;
}

// Σ d(i, j) u^i v^j with the scaled coordinates of the point.
Extended SurfaceAt(const std::vector<Extended>& d, int order, Extended u, Extended v) {
  const std::vector<Extended> pu = Powers(u, order), pv = Powers(v, order);
  Extended sum = 0;
  for (int i = 0; i <= order; ++i)
    for (int j = 0; j <= order; ++j) sum += d[i * (order + 1) + j] * pu[i] * pv[j];
  return sum;
}

// The coefficients of the scaled surface fitted to every table value.
std::optional<std::vector<Extended>> FitScaledSurface(const FunctionTable& table, int order,
                                                      const AxisScale& sx, const AxisScale& sy) {
  const std::size_t terms = static_cast<std::size_t>((order + 1) * (order + 1));
  Matrix normal(terms, std::vector<Extended>(terms, 0));
  std::vector<Extended> right(terms, 0), basis(terms);
  for (std::size_t i = 0; i < table.y.size(); ++i) {
    const std::vector<Extended> pv = Powers(sy(table.y[i]), order);
    for (std::size_t j = 0; j < table.x.size(); ++j) {
      const std::vector<Extended> pu = Powers(sx(table.x[j]), order);
      for (int a = 0; a <= order; ++a)
        for (int b = 0; b <= order; ++b) basis[a * (order + 1) + b] = pu[a] * pv[b];
      for (std::size_t r = 0; r < terms; ++r) {
        right[r] += basis[r] * table.Z(i, j);
        for (std::size_t c = 0; c < terms; ++c) normal[r][c] += basis[r] * basis[c];
      }
    }
  }
  return SolveNormalSystem(std::move(normal), std::move(right));
}

// Coefficients whose term stays below this share of the largest table value over the whole
// table are rounding noise of the expansion (exact data of a lower order leaves them) and
// are shown as 0.
constexpr Extended kNegligibleTerm = 1e-14L;

// C = Txᵀ · D · Ty: the scaled coefficients expanded into powers of x and y.
std::vector<Extended> ExpandCoefficients(const std::vector<Extended>& d, int order,
                                         const AxisScale& sx, const AxisScale& sy) {
  const Matrix tx = PowerExpansion(sx, order), ty = PowerExpansion(sy, order);
  std::vector<Extended> c(d.size(), 0);
  for (int l = 0; l <= order; ++l)
    for (int m = 0; m <= order; ++m)
      for (int i = l; i <= order; ++i)
        for (int j = m; j <= order; ++j)
          c[l * (order + 1) + m] += tx[i][l] * d[i * (order + 1) + j] * ty[j][m];
  return c;
}

Extended LargestMagnitude(const std::vector<Extended>& v) {
  Extended largest = 0;
  for (const Extended x : v) largest = std::max(largest, std::fabs(x));
  return largest;
}

void DropNegligibleTerms(SurfaceFit& fit, const FunctionTable& table) {
  const Extended limit = kNegligibleTerm * LargestMagnitude(table.z);
  const std::vector<Extended> px = Powers(LargestMagnitude(table.x), fit.order);
  const std::vector<Extended> py = Powers(LargestMagnitude(table.y), fit.order);
  for (int i = 0; i <= fit.order; ++i)
    for (int j = 0; j <= fit.order; ++j) {
      Extended& c = fit.c[static_cast<std::size_t>(i * (fit.order + 1) + j)];
      if (std::fabs(c) * px[i] * py[j] < limit) c = 0;
    }
}

void FitErrorRange(SurfaceFit& fit, const FunctionTable& table, const std::vector<Extended>& d,
                   const AxisScale& sx, const AxisScale& sy) {
  for (std::size_t i = 0; i < table.y.size(); ++i) {
    for (std::size_t j = 0; j < table.x.size(); ++j) {
      const Extended observed = table.Z(i, j);
      if (observed == 0) continue;  // no ratio to an observed zero
      const Extended ratio = SurfaceAt(d, fit.order, sx(table.x[j]), sy(table.y[i])) / observed;
      fit.lowRatio = fit.hasRange ? std::min(fit.lowRatio, ratio) : ratio;
      fit.highRatio = fit.hasRange ? std::max(fit.highRatio, ratio) : ratio;
      fit.hasRange = true;
    }
  }
}

// ----------------------------------------------------------------------------- regression

Extended Mean(std::span<const Extended> v) {
  Extended sum = 0;
  for (const Extended x : v) sum += x;
  return sum / static_cast<Extended>(v.size());
}

void RegressionStatistics(LinearRegression& fit, const std::vector<std::vector<Extended>>& x,
                          std::span<const Extended> y) {
  const std::size_t m = y.size();
  const Extended yMean = Mean(y);
  Extended e = 0;
  fit.fitted.assign(m, 0);
  for (std::size_t i = 0; i < m; ++i) {
    Extended value = fit.a[0];
    for (std::size_t j = 0; j < x.size(); ++j) value += fit.a[j + 1] * x[j][i];
    fit.fitted[i] = value;
    fit.q += (y[i] - value) * (y[i] - value);
    fit.u += (yMean - value) * (yMean - value);
    e += (y[i] - yMean) * (y[i] - yMean);
  }
  fit.s = std::sqrt(fit.q / static_cast<Extended>(m));
  // Equal observations are fitted exactly: their correlation counts as 1.
  fit.r = e > 0 ? std::sqrt(std::max<Extended>(0, 1 - fit.q / e)) : 1;
  for (std::size_t j = 0; j < x.size(); ++j) {
    Extended p = 0;
    for (std::size_t i = 0; i < m; ++i) {
      const Extended without = y[i] - (fit.fitted[i] - fit.a[j + 1] * x[j][i]);
      p += without * without;
    }
    fit.partial.push_back(p > 0 ? std::sqrt(std::max<Extended>(0, 1 - fit.q / p)) : 0);
  }
  CheckFpFaults();
}

}  // namespace

const char* MultivariateErrorText(MultivariateError error) {
  return kErrorTexts[static_cast<std::size_t>(error)];
}

std::vector<Extended> TableInterpolation2D(const FunctionTable& table,
                                           std::span<const TablePoint> points, bool logarithmic) {
  if (!StrictlyMonotonic(table.x) || !StrictlyMonotonic(table.y))
    throw EMultivariateError(MultivariateError::kNotMonotonic);
  std::vector<Extended> values;
  for (const TablePoint& point : points) values.push_back(InterpolateAt(table, point, logarithmic));
  CheckFpFaults();
  return values;
}

SurfaceFit SurfaceRegression(int order, const FunctionTable& table,
                             std::span<const TablePoint> points) {
  SurfaceFit fit;
  fit.order = order;
  const std::size_t needed = static_cast<std::size_t>(order) + 2;
  fit.enoughData = table.x.size() >= needed && table.y.size() >= needed;
  if (!fit.enoughData) return fit;
  const AxisScale sx = ScaleOf(table.x), sy = ScaleOf(table.y);
  const std::optional<std::vector<Extended>> d = FitScaledSurface(table, order, sx, sy);
  if (!d) return fit;
  fit.solved = true;
  fit.c = ExpandCoefficients(*d, order, sx, sy);
  DropNegligibleTerms(fit, table);
  for (const TablePoint& point : points)
    fit.values.push_back(SurfaceAt(*d, order, sx(point.x), sy(point.y)));
  FitErrorRange(fit, table, *d, sx, sy);
  CheckFpFaults();
  return fit;
}

LinearRegression MultipleLinearRegression(const std::vector<std::vector<Extended>>& variables,
                                          std::span<const Extended> y) {
  LinearRegression fit;
  const std::size_t n = variables.size(), m = y.size();
  if (m <= n) return fit;
  for (const auto& x : variables)
    if (x.size() != m) return fit;
  const Extended yMean = Mean(y);
  std::vector<Extended> means;
  for (const auto& x : variables) means.push_back(Mean(x));
  Matrix normal(n, std::vector<Extended>(n, 0));
  std::vector<Extended> right(n, 0);
  for (std::size_t j = 0; j < n; ++j) {
    for (std::size_t l = j; l < n; ++l) {
      Extended sum = 0;
      for (std::size_t i = 0; i < m; ++i)
        sum += (variables[j][i] - means[j]) * (variables[l][i] - means[l]);
      normal[j][l] = normal[l][j] = sum;
    }
    for (std::size_t i = 0; i < m; ++i) right[j] += (variables[j][i] - means[j]) * (y[i] - yMean);
  }
  const std::optional<std::vector<Extended>> slopes = SolveNormalSystem(normal, right);
  if (!slopes) return fit;
  fit.solved = true;
  fit.a.push_back(yMean);
  for (std::size_t j = 0; j < n; ++j) {
    fit.a[0] -= (*slopes)[j] * means[j];
    fit.a.push_back((*slopes)[j]);
  }
  RegressionStatistics(fit, variables, y);
  return fit;
}

}  // namespace zarnix
