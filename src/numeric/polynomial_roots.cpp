// Bairstow's method with synthetic division for real polynomials and its report; Laguerre's
// method with deflation and polishing for complex polynomials.
#include "numeric/polynomial_roots.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/ui.h"
#include "expr/complex_text.h"
#include "sheet/text_utils.h"

namespace zarnix {

// ------------------------------------------------------------------------- Bairstow

namespace {

constexpr Extended kBairstowTolerance = 1e-5L;
constexpr Extended kSingularJacobian = 1e-5L;
constexpr Extended kNudge = 1e-4L;
constexpr int kBairstowIterations = 1000;
// A factor whose Jacobian stays singular this often after nudging p and q is given up, so a
// degenerate polynomial cannot keep the iteration nudging for ever.
constexpr int kBairstowNudges = 1000;

// b = a / (x² + p·x + q) by synthetic division (b[n-1], b[n] carry the remainder), and c the
// same division of b.
struct Division {
  std::vector<Extended> b;
  std::vector<Extended> c;
};

void SyntheticDivision(const std::vector<Extended>& a, Extended p, Extended q,
                       std::vector<Extended>& out) {
  const std::size_t n = a.size() - 1;
  out.resize(n + 1);
  out[0] = a[0];
  out[1] = a[1] - p * out[0];
  for (std::size_t k = 2; k <= n; ++k) out[k] = a[k] - p * out[k - 1] - q * out[k - 2];
}

QuadraticRoots SolveQuadratic(Extended p, Extended q) {
  const Extended h = p / 2;
  const Extended d = h * h - q;
  if (d < 0) return {-h, std::sqrt(-d), true};
  const Extended s = std::sqrt(d);
  // The root of larger magnitude first, the other from the product of the roots. Both are 0
  // when p and q are, which the quotient would turn into 0/0.
  const Extended r1 = h > 0 ? -h - s : s - h;
  const Extended r2 = r1 == 0 ? 0 : q / r1;
  return {r1, r2, false};
}

// One quadratic factor of a (degree >= 3) by Newton's iteration on p and q; false when it
// does not converge.
bool FindQuadraticFactor(const std::vector<Extended>& a, Extended& p, Extended& q) {
  const std::size_t n = a.size() - 1;
  Division div;
  p = 1;
  q = 1;
  int counter = 1;
  int nudges = 0;
  for (;;) {
    SyntheticDivision(a, p, q, div.b);
    SyntheticDivision(div.b, p, q, div.c);
    const std::vector<Extended>& b = div.b;
    const std::vector<Extended>& c = div.c;
    const Extended e = c[n - 1] - b[n - 1];
    const Extended det = c[n - 2] * c[n - 2] - e * c[n - 3];
    CheckFpFaults();
    if (std::fabs(det) <= kSingularJacobian) {
      if (++nudges > kBairstowNudges) return false;
      p += kNudge;
      q += kNudge;
      continue;
    }
    const Extended dp = (b[n - 1] * c[n - 2] - b[n] * c[n - 3]) / det;
    const Extended dq = (b[n] * c[n - 2] - b[n - 1] * e) / det;
    p += dp;
    q += dq;
    CheckFpFaults();
    if (std::fabs(dp) <= kBairstowTolerance && std::fabs(dq) <= kBairstowTolerance) return true;
    if (counter > kBairstowIterations) return false;
    ++counter;
  }
}

}  // namespace

BairstowResult BairstowRoots(int degree, std::span<const Extended> a) {
  BairstowResult result;
  if (degree < 1) return result;
  if (static_cast<int>(a.size()) <= degree) throw EListError("Too few coefficients");
  if (a[0] == 0) throw EZeroDivide();
  FpFaultScope scope;
  std::vector<Extended> poly(a.begin(), a.begin() + degree + 1);
  while (poly.size() > 3) {
    Extended p = 0, q = 0;
    if (!FindQuadraticFactor(poly, p, q)) {
      result.failed = true;
      return result;
    }
    result.pairs.push_back(SolveQuadratic(p, q));
    // Deflate by the converged factor: the quotient is the new polynomial.
    std::vector<Extended> quotient;
    SyntheticDivision(poly, p, q, quotient);
    quotient.resize(poly.size() - 2);
    poly = std::move(quotient);
  }
  if (poly.size() == 3)
    result.pairs.push_back(SolveQuadratic(poly[1] / poly[0], poly[2] / poly[0]));
  if (poly.size() == 2) result.oddRoot = -poly[1] / poly[0];
  CheckFpFaults();
  return result;
}

// ------------------------------------------------------------------------- report

namespace {

constexpr const char* kLineBreak = "\r\n";

// "方程 x^2-3*x+2=0": every coefficient written, the power omitted for 1, a coefficient of
// exactly "1" omitted.
std::string EquationText(std::span<const Extended> a) {
  const int n = static_cast<int>(a.size()) - 1;
  std::string text = "方程 ";
  for (int i = 0; i < n; ++i) {
    if (a[i] >= 0 && i >= 1) text += "+";
    const std::string coefficient = GeneralFormat(a[i]);
    if (coefficient != "1") text += coefficient + "*";
    text += "x";
    if (n - i != 1) text += "^" + IntToStr(n - i);
  }
  if (a[n] >= 0) text += "+";
  text += GeneralFormat(a[n]) + "=0";
  return text;
}

}  // namespace

std::string PolynomialRootsReport(std::string_view format, std::span<const Extended> a) {
  if (a.empty()) return "无解";
  const int n = static_cast<int>(a.size()) - 1;
  std::string text = EquationText(a) + kLineBreak + "    的解为:" + kLineBreak;
  const BairstowResult roots = BairstowRoots(n, a);
  if (roots.failed) return "无解";
  int realRoots = 0;
  if (n % 2 == 1) {
    text += std::string("实根") + kLineBreak + Format(format, roots.oddRoot) + kLineBreak;
    ++realRoots;
  }
  for (const QuadraticRoots& pair : roots.pairs) {
    if (pair.complexPair) {
      const std::string re = Format(format, pair.first);
      const std::string im = Format(format, pair.second);
      text += std::string("    复根") + kLineBreak + re + " + " + im + " i" + kLineBreak + re +
              " - " + im + " i" + kLineBreak;
    } else {
      text += std::string("实根") + kLineBreak + Format(format, pair.first) + kLineBreak +
              Format(format, pair.second) + kLineBreak;
      realRoots += 2;
    }
  }
  text +=
      "有 " + IntToStr(realRoots) + " 个实根，" + IntToStr(n - realRoots) + " 个复根" + kLineBreak;
  return text;
}

// ------------------------------------------------------------------------- Laguerre

namespace {

constexpr int kLaguerreIterations = 100;
constexpr Extended kRoundoff = 6e-14L;
constexpr Extended kLaguerreEps = 1e-14L;
constexpr int kMaxComplexCoefficients = 101;

// |z| without overflow of the squares.
Extended ScaledModulus(const ComplexValue& z) {
  const Extended x = std::fabs(z.re), y = std::fabs(z.im);
  if (x == 0 && y == 0) return 0;
  if (x >= y) {
    const Extended r = y / x;
    return x * std::sqrt(1 + r * r);
  }
  const Extended r = x / y;
  return y * std::sqrt(1 + r * r);
}

// Principal square root, scaled the same way.
ComplexValue ScaledSqrt(const ComplexValue& z) {
  if (z.re == 0 && z.im == 0) return {0, 0};
  const Extended x = std::fabs(z.re), y = std::fabs(z.im);
  Extended w;
  if (x >= y) {
    const Extended r = y / x;
    w = std::sqrt(x) * std::sqrt(0.5L * (1 + std::sqrt(1 + r * r)));
  } else {
    const Extended r = x / y;
    w = std::sqrt(y) * std::sqrt(0.5L * (r + std::sqrt(1 + r * r)));
  }
  if (z.re >= 0) return {w, z.im / (2 * w)};
  const Extended im = z.im >= 0 ? w : -w;
  return {z.im / (2 * im), im};
}

ComplexValue Scale(Extended s, const ComplexValue& z) {
  return {s * z.re, s * z.im};
}

}  // namespace

bool LaguerreRoot(std::span<const ComplexValue> a, int degree, ComplexValue& x, Extended eps,
                  bool polish) {
  const Extended m = degree;
  for (int iter = 1; iter <= kLaguerreIterations; ++iter) {
    // The value b, the derivative d and half the second derivative f by Horner's scheme, with
    // a bound of the rounding error of b.
    ComplexValue b = a[degree], d{0, 0}, f{0, 0};
    Extended err = ScaledModulus(b);
    const Extended abx = ScaledModulus(x);
    for (int j = degree - 1; j >= 0; --j) {
      f = cx::Add(cx::Mul(x, f), d);
      d = cx::Add(cx::Mul(x, d), b);
      b = cx::Add(cx::Mul(x, b), a[j]);
      err = ScaledModulus(b) + abx * err;
    }
    err *= kRoundoff;
    if (ScaledModulus(b) <= err) return true;
    const ComplexValue g = cx::Div(d, b);
    const ComplexValue g2 = cx::Mul(g, g);
    const ComplexValue h = cx::Sub(g2, cx::Div(Scale(2, f), b));
    const ComplexValue sq = ScaledSqrt(Scale(m - 1, cx::Sub(Scale(m, h), g2)));
    ComplexValue gp = cx::Add(g, sq);
    const ComplexValue gm = cx::Sub(g, sq);
    const Extended abp = ScaledModulus(gp), abm = ScaledModulus(gm);
    if (abp < abm) gp = gm;
    // Where g and the root term both vanish (x at a saddle of |p|, e.g. x = 0 for x³ + 1)
    // the step m/gp does not exist; a step of size 1 + |x| in a direction that changes with
    // the iteration leaves the saddle instead.
    const ComplexValue dx = std::max(abp, abm) > 0
                                ? cx::Div({m, 0}, gp)
                                : Scale(1 + abx, {std::cos(static_cast<Extended>(iter)),
                                                  std::sin(static_cast<Extended>(iter))});
    const ComplexValue x1 = cx::Sub(x, dx);
    if (x1.re == x.re && x1.im == x.im) return true;
    x = x1;
    if (!polish && ScaledModulus(dx) <= eps * ScaledModulus(x)) return true;
  }
  return false;
}

std::string ComplexPolynomialRoots(std::string_view coefficients, std::string_view format, Ui& ui) {
  // The text's first coefficient is the highest power; a[i] is the coefficient of x^i.
  const std::vector<std::string> parts = SplitText(coefficients, ';');
  if (static_cast<int>(parts.size()) > kMaxComplexCoefficients)
    throw Exception(Format("一元复系数方程最多%d个系数", kMaxComplexCoefficients));
  std::vector<ComplexValue> highestFirst(parts.size());
  for (std::size_t k = 0; k < parts.size(); ++k)
    ParseComplexText(parts[k], highestFirst[k].re, highestFirst[k].im);
  // Zero leading coefficients only lower the degree.
  const auto lead = std::find_if(highestFirst.begin(), highestFirst.end(),
                                 [](const ComplexValue& c) { return c.re != 0 || c.im != 0; });
  if (lead == highestFirst.end()) throw Exception(kAllZeroCoefficients);
  const std::vector<ComplexValue> a(std::make_reverse_iterator(highestFirst.end()),
                                    std::make_reverse_iterator(lead));
  const int m = static_cast<int>(a.size()) - 1;

  FpFaultScope scope;
  std::vector<ComplexValue> roots(std::max(m, 0));
  std::vector<ComplexValue> deflated = a;
  for (int j = m; j >= 1; --j) {
    ComplexValue x{0, 0};
    if (!LaguerreRoot(deflated, j, x, kLaguerreEps, false)) ui.ShowMessage("迭代次数过多");
    if (std::fabs(x.im) <= 2 * kLaguerreEps * kLaguerreEps * std::fabs(x.re)) x.im = 0;
    roots[j - 1] = x;
    ComplexValue b = deflated[j];
    for (int i = j - 1; i >= 0; --i) {
      const ComplexValue c = deflated[i];
      deflated[i] = b;
      b = cx::Add(cx::Mul(x, b), c);
    }
    CheckFpFaults();
  }
  for (ComplexValue& root : roots) {
    if (!LaguerreRoot(a, m, root, kLaguerreEps, true)) ui.ShowMessage("迭代次数过多");
  }
  CheckFpFaults();
  // Straight insertion by real part: a root moves left past roots with a greater real part.
  for (int j = 1; j < m; ++j) {
    const ComplexValue x = roots[j];
    int i = j - 1;
    while (i >= 0 && roots[i].re > x.re) {
      roots[i + 1] = roots[i];
      --i;
    }
    roots[i + 1] = x;
  }
  std::string text;
  for (const ComplexValue& root : roots) text += FormatComplex(format, root.re, root.im) + "\r\n";
  text += "共" + IntToStr(std::max(m, 0)) + "个根\r\n";
  return text;
}

}  // namespace zarnix
