// Polynomial roots: the report's text for real, complex and odd-degree cases, Bairstow's and
// Laguerre's roots against numpy up to degree 20, and the degenerate inputs.
#include "numeric/polynomial_roots.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/format.h"
#include "base/scripted_ui.h"
#include "expr/complex_text.h"
#include "reference_file.h"

namespace zarnix {
namespace {

using Roots = std::vector<std::complex<long double>>;

// Every expected root has a computed one within tol (relative to max(1, |root|)), and the
// counts agree.
::testing::AssertionResult SameRoots(const Roots& actual, const Roots& expected, long double tol) {
  if (actual.size() != expected.size())
    return ::testing::AssertionFailure() << actual.size() << " roots, expected " << expected.size();
  std::vector<bool> used(actual.size(), false);
  for (const auto& e : expected) {
    std::size_t best = actual.size();
    for (std::size_t i = 0; i < actual.size(); ++i)
      if (!used[i] &&
          (best == actual.size() || std::abs(actual[i] - e) < std::abs(actual[best] - e)))
        best = i;
    if (std::abs(actual[best] - e) > tol * std::fmax(1.0L, std::abs(e)))
      return ::testing::AssertionFailure()
             << "root " << static_cast<double>(e.real()) << "+" << static_cast<double>(e.imag())
             << "i missing, nearest " << static_cast<double>(actual[best].real()) << "+"
             << static_cast<double>(actual[best].imag()) << "i";
    used[best] = true;
  }
  return ::testing::AssertionSuccess();
}

Roots FromBairstow(const BairstowResult& r, int degree) {
  Roots roots;
  if (degree % 2 == 1) roots.emplace_back(r.oddRoot, 0);
  for (const QuadraticRoots& q : r.pairs) {
    if (q.complexPair) {
      roots.emplace_back(q.first, q.second);
      roots.emplace_back(q.first, -q.second);
    } else {
      roots.emplace_back(q.first, 0);
      roots.emplace_back(q.second, 0);
    }
  }
  return roots;
}

Roots Expected(const ReferenceBlock& block) {
  Roots roots;
  for (std::size_t i = 0; i < block.Numbers("roots_re").size(); ++i)
    roots.emplace_back(block.Numbers("roots_re")[i], block.Numbers("roots_im")[i]);
  return roots;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  lines.push_back(text.substr(start));
  return lines;
}

TEST(PolynomialRootsReport, RealComplexAndOddDegree) {
  const std::vector<Extended> quadratic = {1, -3, 2};
  EXPECT_EQ(Lines(PolynomialRootsReport("%.3f", quadratic)),
            (std::vector<std::string>{"方程 x^2-3*x+2=0", "    的解为:", "实根", "2.000", "1.000",
                                      "有 2 个实根，0 个复根", ""}));
  const std::vector<Extended> pair = {1, 2, 5};
  EXPECT_EQ(
      Lines(PolynomialRootsReport("%.3f", pair)),
      (std::vector<std::string>{"方程 x^2+2*x+5=0", "    的解为:", "    复根", "-1.000 + 2.000 i",
                                "-1.000 - 2.000 i", "有 0 个实根，2 个复根", ""}));
  const std::vector<Extended> cube = {1, 0, 0, -8};
  EXPECT_EQ(Lines(PolynomialRootsReport("%.3f", cube)),
            (std::vector<std::string>{"方程 x^3+0*x^2+0*x-8=0", "    的解为:", "实根", "2.000",
                                      "    复根", "-1.000 + 1.732 i", "-1.000 - 1.732 i",
                                      "有 1 个实根，2 个复根", ""}));
  const std::vector<Extended> scaled = {-1, 2.5, -1};
  EXPECT_EQ(Lines(PolynomialRootsReport("%.1f", scaled))[0], "方程 -1*x^2+2.5*x-1=0");
}

TEST(BairstowRoots, DegenerateInputs) {
  // x² = 0: both roots 0 rather than 0/0.
  const std::vector<Extended> square = {1, 0, 0};
  const BairstowResult zero = BairstowRoots(2, square);
  ASSERT_EQ(zero.pairs.size(), 1u);
  EXPECT_EQ(zero.pairs[0].first, 0);
  EXPECT_EQ(zero.pairs[0].second, 0);
  const std::vector<Extended> leadingZero = {0, 1, 2, 3};
  EXPECT_THROW(BairstowRoots(3, leadingZero), EZeroDivide);
  const std::vector<Extended> linear = {2, -3};
  EXPECT_EQ(BairstowRoots(1, linear).oddRoot, 1.5L);
  // A cubic the iteration from p = q = 1 does not factor: the report says so.
  const std::vector<Extended> stubborn = {1, -2.8751904454646757L, -0.3810445829352964L,
                                          4.891442532100989L};
  EXPECT_TRUE(BairstowRoots(3, stubborn).failed);
  EXPECT_EQ(PolynomialRootsReport("%.3f", stubborn), "无解");
}

TEST(BairstowRoots, AgreeWithNumpyUpToDegreeTwenty) {
  for (const ReferenceBlock& block : ReadReference("polynomial_roots_reference.txt")) {
    SCOPED_TRACE(block.name);
    const std::vector<Extended>& a = block.Numbers("coefficients");
    const int degree = static_cast<int>(a.size()) - 1;
    const BairstowResult r = BairstowRoots(degree, a);
    ASSERT_FALSE(r.failed);
    EXPECT_TRUE(SameRoots(FromBairstow(r, degree), Expected(block), 1e-7L));
  }
}

Roots ParseRootLines(const std::string& text) {
  Roots roots;
  for (const std::string& line : Lines(text)) {
    if (line.empty() || line.rfind("共", 0) == 0) continue;
    Extended re = 0, im = 0;
    ParseComplexText(line, re, im);
    roots.emplace_back(re, im);
  }
  return roots;
}

TEST(ComplexPolynomialRoots, AgreeWithNumpyAndAreSorted) {
  for (const ReferenceBlock& block : ReadReference("complex_roots_reference.txt")) {
    SCOPED_TRACE(block.name);
    std::string text;
    for (std::size_t i = 0; i < block.Numbers("re").size(); ++i) {
      if (i > 0) text += ";";
      const Extended im = block.Numbers("im")[i];
      text += GeneralFormat(block.Numbers("re")[i], 18) + (im < 0 ? "-" : "+") +
              GeneralFormat(std::fabs(im), 18) + "*i";
    }
    ScriptedUi ui;
    const std::string report = ComplexPolynomialRoots(text, "%.15f", ui);
    EXPECT_TRUE(ui.Messages().empty());
    const Roots roots = ParseRootLines(report);
    EXPECT_TRUE(SameRoots(roots, Expected(block), 1e-12L));
    for (std::size_t i = 1; i < roots.size(); ++i) EXPECT_LE(roots[i - 1].real(), roots[i].real());
    EXPECT_NE(report.find("共" + std::to_string(roots.size()) + "个根"), std::string::npos);
  }
}

TEST(ComplexPolynomialRoots, TextsAndFailures) {
  ScriptedUi ui;
  const std::string imaginary = ComplexPolynomialRoots("1;-3*i;-2", "%.3f", ui);
  EXPECT_NE(imaginary.find("1.000*i\r\n"), std::string::npos);
  EXPECT_NE(imaginary.find("2.000*i\r\n"), std::string::npos);
  EXPECT_EQ(ComplexPolynomialRoots("1;-3;2", "%.3f", ui), "1.000\r\n2.000\r\n共2个根\r\n");
  EXPECT_EQ(ComplexPolynomialRoots("5", "%.3f", ui), "共0个根\r\n");
  // A zero leading coefficient lowers the degree; all zeros or too many are refused.
  EXPECT_EQ(ComplexPolynomialRoots("0;1;1", "%.3f", ui), "-1.000\r\n共1个根\r\n");
  EXPECT_THROW(ComplexPolynomialRoots("0;0*i", "%.3f", ui), Exception);
  std::string many = "1";
  for (int i = 0; i < 101; ++i) many += ";1";
  EXPECT_THROW(ComplexPolynomialRoots(many, "%.3f", ui), Exception);
  EXPECT_THROW(ComplexPolynomialRoots("1;x", "%.3f", ui), EConvertError);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST(LaguerreRoot, LeavesTheSaddleAtZero) {
  // x³ + 1 has p' = p'' = 0 at the start x = 0.
  const std::vector<ComplexValue> a = {{1, 0}, {0, 0}, {0, 0}, {1, 0}};
  ComplexValue x{0, 0};
  ASSERT_TRUE(LaguerreRoot(a, 3, x, 1e-14L, false));
  const std::complex<long double> z(x.re, x.im);
  EXPECT_LT(std::abs(z * z * z + 1.0L), 1e-12L);
}

}  // namespace
}  // namespace zarnix
