// Multivariate regression and tables: interpolation in a two-variable function table, polynomial
// surfaces fitted to it, and the linear regression of one variable on several.
#pragma once

#include <span>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

enum class MultivariateError {
  kNotMonotonic,    // table abscissas not strictly ascending or descending
  kLogNonPositive,  // logarithmic interpolation over a value not above 0
  kSingular,        // the regression has no unique solution
  kBatchTooLarge,   // more batch results than the worksheet has rows
};

const char* MultivariateErrorText(MultivariateError error);

class EMultivariateError : public Exception {
 public:
  explicit EMultivariateError(MultivariateError error)
      : Exception(MultivariateErrorText(error)), kind_(error) {}
  MultivariateError Kind() const { return kind_; }

 private:
  MultivariateError kind_;
};

// z(x_j, y_i) over a grid; z holds ny rows of nx values.
struct FunctionTable {
  std::vector<Extended> x;
  std::vector<Extended> y;
  std::vector<Extended> z;

  Extended Z(std::size_t i, std::size_t j) const { return z[i * x.size() + j]; }
};

struct TablePoint {
  Extended x = 0;
  Extended y = 0;
};

// Lagrange interpolation through the three grid lines nearest to each point in each direction
// (fewer where the table is narrower). With `logarithmic`, ln z is interpolated over ln x and
// ln y. Throws EMultivariateError for abscissas that are not strictly monotonic, or for a value
// not above 0 in logarithmic mode.
std::vector<Extended> TableInterpolation2D(const FunctionTable& table,
                                           std::span<const TablePoint> points, bool logarithmic);

struct SurfaceFit {
  int order = 0;
  bool enoughData = false;  // at least order + 2 values in each direction
  bool solved = false;
  std::vector<Extended> c;       // C(i, j), the coefficient of x^i y^j, at i·(order + 1) + j
  std::vector<Extended> values;  // the surface at the points
  bool hasRange = false;         // some observed value is not 0
  Extended lowRatio = 0;         // smallest and largest fitted / observed
  Extended highRatio = 0;

  Extended C(int i, int j) const { return c[static_cast<std::size_t>(i * (order + 1) + j)]; }
};

// The least-squares surface Σ_{i,j <= order} C(i, j) x^i y^j through every table value. The
// fit runs on x and y scaled to [−1, 1] (so that high powers do not swamp the normal
// equations) and its coefficients are expanded back to powers of x and y.
SurfaceFit SurfaceRegression(int order, const FunctionTable& table,
                             std::span<const TablePoint> points);

struct LinearRegression {
  bool solved = false;
  std::vector<Extended> a;        // A0 … An
  std::vector<Extended> partial;  // V1 … Vn, the partial correlation coefficients
  Extended q = 0;                 // residual sum of squares
  Extended s = 0;                 // mean standard deviation √(Q/m)
  Extended r = 0;                 // multiple correlation √(1 − Q/E)
  Extended u = 0;                 // regression sum of squares
  std::vector<Extended> fitted;   // ŷ_1 … ŷ_m
};

// Y ≈ A0 + Σ A_j X_j by least squares over m observations: variables[j] holds X_(j+1) at the
// m observations. The normal equations of the centred variables, scaled to a unit diagonal,
// are solved by Gaussian elimination; not solved when a variable is constant or a linear
// combination of the others, or when there are no more observations than variables.
LinearRegression MultipleLinearRegression(const std::vector<std::vector<Extended>>& variables,
                                          std::span<const Extended> y);

}  // namespace zarnix
