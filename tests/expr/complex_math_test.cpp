// Tests of the complex routines: agreement with the C library's complex functions away from
// the branch cuts, the identities through compiled formulas on random arguments, and values on
// the cuts and at the extremes where the defining formulas need care.
#include "expr/complex_math.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "base/fpu.h"
#include "expr/tcompile_complex.h"

namespace zarnix {
namespace {

using Std = std::complex<long double>;
const Extended kPi = std::numbers::pi_v<long double>;

Std ToStd(const ComplexValue& z) {
  return {z.re, z.im};
}

Extended RelativeError(const ComplexValue& got, const Std& want) {
  return std::abs(ToStd(got) - want) / std::max(1.0L, std::abs(want));
}

// Random arguments away from both axes, where every branch cut lies.
std::vector<ComplexValue> OffAxisArguments(unsigned seed, int count, Extended limit) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<long double> magnitude(0.05L, limit);
  std::bernoulli_distribution negative(0.5);
  std::vector<ComplexValue> zs;
  for (int k = 0; k < count; ++k) {
    const Extended re = magnitude(rng) * (negative(rng) ? -1 : 1);
    const Extended im = magnitude(rng) * (negative(rng) ? -1 : 1);
    zs.push_back({re, im});
  }
  return zs;
}

struct Reference {
  const char* name;
  std::function<ComplexValue(const ComplexValue&)> ours;
  std::function<Std(const Std&)> theirs;
};

TEST(ComplexMath, AgreesWithTheLibraryAwayFromTheCuts) {
  const std::vector<Reference> functions = {
      {"sin", cx::Sin, [](const Std& z) { return std::sin(z); }},
      {"cos", cx::Cos, [](const Std& z) { return std::cos(z); }},
      {"tan", cx::Tan, [](const Std& z) { return std::tan(z); }},
      {"sinh", cx::SinH, [](const Std& z) { return std::sinh(z); }},
      {"cosh", cx::CosH, [](const Std& z) { return std::cosh(z); }},
      {"tanh", cx::TanH, [](const Std& z) { return std::tanh(z); }},
      {"exp", cx::Exp, [](const Std& z) { return std::exp(z); }},
      {"ln", cx::Ln, [](const Std& z) { return std::log(z); }},
      {"sqrt", cx::Sqrt, [](const Std& z) { return std::sqrt(z); }},
      {"rev", cx::Rev, [](const Std& z) { return 1.0L / z; }},
      {"arcsin", cx::ArcSin, [](const Std& z) { return std::asin(z); }},
      {"arccos", cx::ArcCos, [](const Std& z) { return std::acos(z); }},
      {"arctan", cx::ArcTan, [](const Std& z) { return std::atan(z); }},
      {"arcsinh", cx::ArcSinH, [](const Std& z) { return std::asinh(z); }},
      {"arctanh", cx::ArcTanH, [](const Std& z) { return std::atanh(z); }},
  };
  for (const ComplexValue& z : OffAxisArguments(42, 300, 4)) {
    for (const Reference& f : functions) {
      EXPECT_LT(RelativeError(f.ours(z), f.theirs(ToStd(z))), 1e-16L)
          << f.name << "(" << (double)z.re << ", " << (double)z.im << ")";
    }
    // The two-argument routines.
    const ComplexValue w{z.im / 2, z.re / 3};
    EXPECT_LT(RelativeError(cx::Div(z, w), ToStd(z) / ToStd(w)), 1e-17L);
    EXPECT_LT(RelativeError(cx::Power(z, w), std::pow(ToStd(z), ToStd(w))), 1e-15L);
    // arccosh by its formula is the principal value in the right half-plane.
    if (z.re > 0) {
      EXPECT_LT(RelativeError(cx::ArcCosH(z), std::acosh(ToStd(z))), 1e-16L);
    }
  }
}

// The identities, evaluated through compiled formulas with x (and w) bound.
TEST(ComplexMath, IdentitiesHoldThroughTheCompiler) {
  struct Identity {
    const char* left;
    const char* right;
  };
  const Identity identities[] = {
      {"sqr(sin(x))+sqr(cos(x))", "1"}, {"exp(ln(x))", "x"},
      {"arcsin(sin(x))", "x"},          {"sqr(sqrt(x))", "x"},
      {"sqrt(x)*sqrt(x)", "x"},         {"x^w", "exp(w*ln(x))"},
      {"arccos(cos(x))", "x"},          {"arctan(tan(x))", "x"},
      {"tanh(arctanh(x))", "x"},        {"sinh(arcsinh(x))", "x"},
      {"cosh(x)^2-sinh(x)^2", "1"},
  };
  std::mt19937 rng(7);
  std::uniform_real_distribution<long double> re(-1.5L, 1.5L), im(-2, 2), positive(0.05L, 1.5L);
  for (const Identity& identity : identities) {
    TCompileComplex left, right;
    ASSERT_TRUE(left.SetFormula(identity.left)) << identity.left;
    ASSERT_TRUE(right.SetFormula(identity.right)) << identity.right;
    for (int k = 0; k < 200; ++k) {
      // arccos(cos x) = x in the strip 0 < re x < pi.
      const bool acos = std::string(identity.left).starts_with("arccos");
      const ComplexValue x{acos ? positive(rng) * 2 : re(rng), im(rng)};
      const ComplexValue w{re(rng), im(rng)};
      for (TCompileComplex* c : {&left, &right}) {
        if (ComplexValue* slot = c->ParameterAddress("x")) *slot = x;
        if (ComplexValue* slot = c->ParameterAddress("w")) *slot = w;
      }
      const ComplexValue a = left.CodeEntry(), b = right.CodeEntry();
      const Extended scale = std::max(1.0L, std::abs(ToStd(b)));
      EXPECT_LT(std::abs(ToStd(a) - ToStd(b)) / scale, 1e-15L)
          << identity.left << " at " << (double)x.re << "+" << (double)x.im << "i";
    }
  }
}

TEST(ComplexMath, ValuesOnTheCutsFollowTheDefiningFormulas) {
  const Extended acosh2 = std::acosh(2.0L);
  auto near = [](const ComplexValue& v, Extended re, Extended im) {
    return std::fabs(v.re - re) < 1e-18L && std::fabs(v.im - im) < 1e-18L;
  };
  EXPECT_TRUE(near(cx::ArcSin({2, 0}), kPi / 2, -acosh2));
  EXPECT_TRUE(near(cx::ArcCosH({-2, 0}), -acosh2, kPi));
  EXPECT_TRUE(near(cx::ArcCosH({2, 0}), acosh2, 0));
  EXPECT_TRUE(near(cx::ArcTanH({0.5L, 0}), std::atanh(0.5L), 0));
  EXPECT_TRUE(near(cx::Sqrt({-4, 0}), 0, 2));
  EXPECT_TRUE(near(cx::Sqrt({-4, -0.0L}), 0, -2));
  EXPECT_TRUE(near(cx::Ln({-1, 0}), 0, kPi));
  // Large arguments where the formulas' two terms nearly cancel.
  const ComplexValue big = cx::ArcCosH({-1e10L, 0});
  EXPECT_NEAR(static_cast<double>(big.re), -std::log(2e10), 1e-9);
  EXPECT_LT(RelativeError(cx::ArcSinH({-1e12L, 1}), std::asinh(Std(-1e12L, 1))), 1e-17L);
  EXPECT_LT(RelativeError(cx::ArcSin({-3e8L, 1}), std::asin(Std(-3e8L, 1))), 1e-17L);
}

TEST(ComplexMath, HyperbolicFunctionsAndSaturation) {
  EXPECT_EQ(cx::CosH({0, 0}).re, 1);
  EXPECT_EQ(cx::CosH({0, 0}).im, 0);
  EXPECT_NEAR(static_cast<double>(cx::CosH({0, kPi}).re), -1, 1e-18);
  FpFaultScope scope;
  const ComplexValue t = cx::Tan({1, 10000});
  const ComplexValue h = cx::TanH({-10000, 1});
  EXPECT_EQ(std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO), 0);
  EXPECT_EQ(t.im, 1);
  EXPECT_EQ(h.re, -1);
  EXPECT_LT(std::fabs(t.re), 1e-300L);
}

TEST(ComplexMath, FaultsAreRaisedAsFlags) {
  auto raised = [](auto f) {
    FpFaultScope scope;
    f();
    const int flags = std::fetestexcept(FE_OVERFLOW | FE_INVALID | FE_DIVBYZERO);
    ClearFpFaults();
    return flags;
  };
  EXPECT_NE(raised([] { cx::Div({1, 0}, {0, 0}); }) & FE_DIVBYZERO, 0);
  EXPECT_NE(raised([] { cx::Rev({0, 0}); }) & FE_DIVBYZERO, 0);
  EXPECT_NE(raised([] { cx::Ln({0, 0}); }) & FE_DIVBYZERO, 0);
  EXPECT_NE(raised([] { cx::ArcTan({0, 1}); }), 0);
  EXPECT_NE(raised([] { cx::Exp({12000, 0}); }) & FE_OVERFLOW, 0);
  EXPECT_EQ(raised([] { cx::Exp({12000, 0.5L}); }) & FE_INVALID, 0);
  EXPECT_EQ(raised([] { cx::Power({0, 0}, {2, 1}); }), 0);
}

TEST(ComplexMath, SelectionsLogicAndRounding) {
  const ComplexValue a{3, 0}, b{0, 4}, c{-5, 0};
  EXPECT_EQ(cx::Max(a, b).im, 4);
  EXPECT_EQ(cx::Min(a, b).re, 3);
  EXPECT_EQ(cx::Max(b, c).re, -5);                   // equal moduli keep the left... here |c| > |b|
  EXPECT_EQ(cx::Max(a, ComplexValue{-3, 0}).re, 3);  // a tie keeps the left operand
  EXPECT_EQ(cx::MaxX(a, b).re, 3);
  EXPECT_EQ(cx::MinX(a, c).re, -5);
  EXPECT_EQ(cx::And({2, 0}, {0, 5}).re, 0);  // imaginary parts are not truth values
  EXPECT_EQ(cx::Xor({1, 0}, {0, 0}).re, 1);
  EXPECT_EQ(cx::Not({0, 3}).re, 1);
  EXPECT_EQ(cx::Lt({1, 9}, {2, -9}).re, 1);
  EXPECT_EQ(cx::Floor({-2.5L, 2.5L}).re, -3);
  EXPECT_EQ(cx::Round({2.5L, 3.5L}).re, 2);
  EXPECT_EQ(cx::Round({2.5L, 3.5L}).im, 4);
  EXPECT_EQ(cx::Sgn({-0.1L, 7}).re, -1);
  EXPECT_EQ(cx::Flip({1, 0}).im, 1);
  EXPECT_NEAR(static_cast<double>(cx::LogN({2, 0}, {0, 8}).re), 3, 1e-15);
  EXPECT_NEAR(static_cast<double>(cx::LogN({2, 0}, {0, 8}).im), kPi / 2, 1e-15);
}

}  // namespace
}  // namespace zarnix
