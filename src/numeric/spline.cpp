// Natural cubic spline (tridiagonal solve for the second derivatives, then the cubic of each
// interval) and three-point parabolic interpolation.
#include "numeric/spline.h"

#include <array>

#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr std::array<const char*, 3> kInterpolationErrorTexts = {
    "插值至少需要3个数据点",
    "插值数据的x值与y值个数不同",
    "插值数据的x值必须严格递增或严格递减",
};

// The working copy of a table and its queries, turned round when the abscissas descend.
struct OrientedTable {
  std::vector<Extended> x;
  std::vector<Extended> t;
  bool reversed = false;
};

OrientedTable Orient(std::span<const Extended> x, std::span<const Extended> t) {
  OrientedTable table{{x.begin(), x.end()}, {t.begin(), t.end()}, x.back() < x.front()};
  if (table.reversed) {
    for (Extended& v : table.x) v = -v;
    for (Extended& v : table.t) v = -v;
  }
  return table;
}

// Second derivatives of the natural spline over ascending abscissas.
std::vector<Extended> SolveSecondDerivatives(const std::vector<Extended>& x,
                                             std::span<const Extended> y, std::vector<Extended>& h,
                                             std::vector<Extended>& d) {
  const std::size_t n = x.size();
  h.assign(n, 0);
  d.assign(n, 0);
  for (std::size_t i = 0; i + 1 < n; ++i) {
    h[i] = x[i + 1] - x[i];
    d[i] = (y[i + 1] - y[i]) / h[i];
  }
  std::vector<Extended> s(n, 0);
  for (std::size_t i = 1; i + 1 < n; ++i) s[i] = 6 * (d[i] - d[i - 1]);

  // Forward elimination of h(i-1)M(i-1) + 2(h(i-1) + h(i))M(i) + h(i)M(i+1) = s(i).
  std::vector<Extended> c(n, 0);
  std::vector<Extended> q(n, 0);
  const Extended v = 1 / (2 * (h[0] + h[1]));
  c[0] = -h[1] * v;
  q[0] = s[1] * v;
  for (std::size_t i = 1; i + 3 <= n; ++i) {
    const Extended w = h[i] * c[i - 1] + 2 * (h[i] + h[i + 1]);
    c[i] = -h[i + 1] / w;
    q[i] = (s[i + 1] - h[i] * q[i - 1]) / w;
  }
  // Back substitution; the natural ends keep M0 = M(n-1) = 0.
  std::vector<Extended> m(n, 0);
  m[n - 2] = q[n - 3];
  for (std::size_t i = n - 3; i >= 1; --i) m[i] = c[i - 1] * m[i + 1] + q[i - 1];
  return m;
}

Extended ParabolaAt(std::span<const Extended> x, std::span<const Extended> y, Extended t) {
  const std::size_t n = x.size();
  std::size_t p = 0;
  for (; p < n; ++p) {
    if (x[p] == t) return y[p];
    if (t < x[p]) break;
  }
  // Three consecutive points around t, shifted inwards at the ends.
  std::size_t first = 0;
  if (p >= n - 1) {
    first = n - 3;
  } else if (p > 0) {
    first = p - 1;
  }
  const Extended x0 = x[first], x1 = x[first + 1], x2 = x[first + 2];
  const Extended y0 = y[first], y1 = y[first + 1], y2 = y[first + 2];
  const Extended d1 = (y1 - y0) / (x1 - x0);
  const Extended d2 = ((y2 - y0) / (x2 - x0) - d1) / (x2 - x1);
  return y0 + d1 * (t - x0) + d2 * (t - x0) * (t - x1);
}

}  // namespace

const char* InterpolationErrorText(InterpolationError error) {
  return kInterpolationErrorTexts[static_cast<std::size_t>(error)];
}

void CheckInterpolationTable(std::span<const Extended> x, std::span<const Extended> y) {
  if (x.size() != y.size()) throw EInterpolationError(InterpolationError::kSizeMismatch);
  if (x.size() < 3) throw EInterpolationError(InterpolationError::kTooFewPoints);
  const bool ascending = x[0] < x[1];
  for (std::size_t i = 0; i + 1 < x.size(); ++i) {
    // Written so that a NaN fails the test too.
    const bool ordered = ascending ? x[i] < x[i + 1] : x[i] > x[i + 1];
    if (!ordered) throw EInterpolationError(InterpolationError::kNotMonotonic);
  }
}

std::vector<Extended> SplineSecondDerivatives(std::span<const Extended> x,
                                              std::span<const Extended> y) {
  CheckInterpolationTable(x, y);
  const OrientedTable table = Orient(x, {});
  std::vector<Extended> h, d;
  std::vector<Extended> m = SolveSecondDerivatives(table.x, y, h, d);
  CheckFpFaults();
  return m;
}

SplineValues CubicSpline(std::span<const Extended> x, std::span<const Extended> y,
                         std::span<const Extended> t) {
  CheckInterpolationTable(x, y);
  const OrientedTable table = Orient(x, t);
  const std::vector<Extended>& xs = table.x;
  const std::size_t n = xs.size();
  std::vector<Extended> h, d;
  const std::vector<Extended> m = SolveSecondDerivatives(xs, y, h, d);
  // Third-derivative terms of each interval.
  std::vector<Extended> c(n, 0);
  for (std::size_t i = 0; i + 1 < n; ++i) c[i] = (m[i + 1] - m[i]) / h[i];

  SplineValues result;
  result.values.reserve(t.size());
  result.derivatives.reserve(t.size());
  std::size_t k = 0, j = 1;
  for (const Extended query : table.t) {
    // The interval search carries over from one query to the next; a query below the
    // interval reached so far starts it again from the first interval.
    if (query < xs[k]) {
      k = 0;
      j = 1;
    }
    while (xs[j] < query && j + 1 < n) k = j++;
    const Extended a = query - xs[k];
    const Extended b = query - xs[j];
    const Extended g = (m[k] + m[j] + m[k] + a * c[k]) / 6;
    const Extended derivative = d[k] + (a + b) * g + a * b * c[k] / 6;
    result.values.push_back(y[k] + a * d[k] + a * b * g);
    result.derivatives.push_back(table.reversed ? -derivative : derivative);
  }
  CheckFpFaults();
  return result;
}

std::vector<Extended> ParabolicInterpolation(std::span<const Extended> x,
                                             std::span<const Extended> y,
                                             std::span<const Extended> t) {
  CheckInterpolationTable(x, y);
  const OrientedTable table = Orient(x, t);
  std::vector<Extended> values;
  values.reserve(t.size());
  for (const Extended query : table.t) values.push_back(ParabolaAt(table.x, y, query));
  CheckFpFaults();
  return values;
}

Extended ParabolicInterpolation(std::span<const Extended> x, std::span<const Extended> y,
                                Extended t) {
  return ParabolicInterpolation(x, y, std::span<const Extended>(&t, 1)).front();
}

}  // namespace zarnix
