// Roots of polynomial equations: Bairstow's quadratic factors for real coefficients with the
// category's report text, and Laguerre's method for complex coefficients.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/complex_math.h"

namespace zarnix {

class Ui;

// The roots of one quadratic factor x² + p·x + q.
struct QuadraticRoots {
  Extended first = 0;   // a real root, or the real part of a complex pair
  Extended second = 0;  // the other real root, or the (positive) imaginary part
  bool complexPair = false;
};

struct BairstowResult {
  bool failed = false;
  Extended oddRoot = 0;               // the real root of an odd degree
  std::vector<QuadraticRoots> pairs;  // one per quadratic factor, in the order found
};

// a[0] ... a[degree], a[0] the coefficient of x^degree. A zero leading coefficient throws
// EZeroDivide; floating-point faults of the iteration throw their errors.
BairstowResult BairstowRoots(int degree, std::span<const Extended> a);

// The equation, its roots in `format` and the count of real and complex roots, as lines
// separated by CR LF; "无解" when the factorisation does not converge.
std::string PolynomialRootsReport(std::string_view format, std::span<const Extended> a);

// Laguerre's iteration on the polynomial a[0] + a[1]·x + ... + a[degree]·x^degree from x.
// False when 100 iterations did not settle (x keeps the last iterate).
[[nodiscard]] bool LaguerreRoot(std::span<const ComplexValue> a, int degree, ComplexValue& x,
                                Extended eps, bool polish);

// An equation whose coefficients are all 0.
inline constexpr const char* kAllZeroCoefficients = "方程的系数全为0";

// Coefficients as complex texts separated by ";", the highest power first (at most 101; zero
// leading ones lower the degree, all zero is an error). The roots sorted by real part, one
// per line in `format`, then "共" + m + "个根". Roots that do not settle are reported with
// "迭代次数过多" through ui.
std::string ComplexPolynomialRoots(std::string_view coefficients, std::string_view format, Ui& ui);

}  // namespace zarnix
