// Special functions against closed forms, published table values and mpmath: Bessel J in
// every regime (series, Hankel expansion with recurrences up and down), associated Legendre,
// the incomplete gamma function and its inverse, and the e and Euler series.
#include "numeric/higher_math_functions.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "base/fpu.h"
#include "higher_math_checks.h"
#include "reference_file.h"

namespace zarnix {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST(BesselJ, HalfOrdersEqualTheirClosedFormsInEveryRegime) {
  for (const Extended x : {0.01L, 0.7L, 3.0L, 12.5L, 34.0L, 36.0L, 80.0L, 1e3L, 1e5L}) {
    const Extended front = std::sqrt(2 / (kPi * x));
    // Near zeros of sin or cos only the absolute error of a few units is reachable.
    EXPECT_TRUE(Close(BesselJ(0.5L, x), front * std::sin(x), 4e-18L, front)) << x;
    EXPECT_TRUE(Close(BesselJ(-0.5L, x), front * std::cos(x), 4e-18L, front)) << x;
    // J_(3/2) = front (sin x / x − cos x), reached by one step of the recurrence.
    EXPECT_TRUE(Close(BesselJ(1.5L, x), front * (std::sin(x) / x - std::cos(x)), 1e-17L, front))
        << x;
  }
}

TEST(BesselJ, PublishedTableValues) {
  // Abramowitz and Stegun, table 9.1, and the first zero of J0.
  EXPECT_TRUE(Close(BesselJ(0, 1), 0.765197686557966551L, 2e-18L));
  EXPECT_TRUE(Close(BesselJ(1, 1), 0.440050585744933516L, 2e-18L));
  EXPECT_TRUE(Close(BesselJ(0, 10), -0.245935764451348335L, 2e-18L));
  EXPECT_TRUE(Close(BesselJ(2, 5), 0.0465651162777522155L, 2e-17L));
  EXPECT_LT(std::fabs(BesselJ(0, 2.40482555769577276862L)), 1e-19L);
  // The stated series cut-off (terms below 0.5e-4) would be wrong from the fifth decimal on
  // and, for large x, in every digit: the value at x = 60 needs the asymptotic branch.
  EXPECT_TRUE(Close(BesselJ(0, 60), -0.0914718040890618695L, 1e-17L, 0.1L));
}

TEST(BesselJ, AgreesWithMpmath) {
  for (const ReferenceBlock& block : ReadReference("higher_math_reference.txt")) {
    if (block.name != "bessel") continue;
    const auto& nu = block.Numbers("nu");
    const auto& x = block.Numbers("x");
    const auto& value = block.Numbers("value");
    ASSERT_EQ(nu.size(), value.size());
    for (std::size_t i = 0; i < value.size(); ++i) {
      // Relative to the envelope sqrt(2/(π|x|)) where the function oscillates.
      const Extended envelope =
          std::abs(nu[i]) < std::fabs(x[i]) ? std::sqrt(2 / (kPi * std::fabs(x[i]))) : 0;
      EXPECT_TRUE(Close(BesselJ(nu[i], x[i]), value[i], 3e-17L, envelope))
          << "nu = " << double(nu[i]) << ", x = " << double(x[i]);
    }
  }
}

TEST(BesselJ, SymmetriesAndDomain) {
  EXPECT_EQ(BesselJ(0, 0), 1);
  EXPECT_EQ(BesselJ(2.5L, 0), 0);
  EXPECT_EQ(BesselJ(-3, 0), 0);
  EXPECT_EQ(BesselJ(-3, 2.2L), -BesselJ(3, 2.2L));
  EXPECT_EQ(BesselJ(4, -50), BesselJ(4, 50));
  EXPECT_EQ(BesselJ(5, -50), -BesselJ(5, 50));
  ExpectHigherMathError([] { (void)BesselJ(0.5L, -1); }, HigherMathError::kBesselNegativeX);
  ExpectHigherMathError([] { (void)BesselJ(-0.5L, 0); }, HigherMathError::kBesselOrderAtZero);
  ExpectHigherMathError([] { (void)BesselJ(2e5L, 3); }, HigherMathError::kBesselOrderTooLarge);
  // Far beyond x the value vanishes below the smallest extended instead of overflowing.
  ClearFpFaults();
  EXPECT_EQ(BesselJ(90000, 50), 0);
  EXPECT_EQ(BesselJ(90000, 0.5L), 0);
}

TEST(AssociatedLegendre, AgreesWithMpmathAndClosedForms) {
  for (const ReferenceBlock& block : ReadReference("higher_math_reference.txt")) {
    if (block.name != "legendre") continue;
    const auto& l = block.Numbers("l");
    const auto& m = block.Numbers("m");
    const auto& x = block.Numbers("x");
    const auto& value = block.Numbers("value");
    for (std::size_t i = 0; i < value.size(); ++i)
      EXPECT_TRUE(Close(AssociatedLegendre(static_cast<std::int64_t>(l[i]),
                                           static_cast<std::int64_t>(m[i]), x[i]),
                        value[i], 1e-15L, 1))
          << l[i] << " " << m[i] << " " << double(x[i]);
  }
  // P_3^1(x) = −(3/2)(5x² − 1)√(1 − x²).
  EXPECT_TRUE(Close(AssociatedLegendre(3, 1, 0.5L), -1.5L * 0.25L * std::sqrt(0.75L), 1e-18L));
  EXPECT_EQ(AssociatedLegendre(2, 5, 0.3L), 0);
  ExpectHigherMathError([] { (void)AssociatedLegendre(2, 1, 1.5L); },
                        HigherMathError::kLegendreDomain);
  ExpectHigherMathError([] { (void)AssociatedLegendre(-1, 0, 0.5L); },
                        HigherMathError::kLegendreDomain);
  ExpectHigherMathError([] { (void)AssociatedLegendre(3, -1, 0.5L); },
                        HigherMathError::kLegendreDomain);
}

TEST(IncompleteGamma, AgreesWithMpmath) {
  for (const ReferenceBlock& block : ReadReference("higher_math_reference.txt")) {
    if (block.name == "gamma_incomplete") {
      const auto& a = block.Numbers("a");
      const auto& x = block.Numbers("x");
      for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_TRUE(Close(RegularizedGammaP(a[i], x[i]), block.Numbers("p")[i], 1e-15L)) << i;
        EXPECT_TRUE(Close(RegularizedGammaQ(a[i], x[i]), block.Numbers("q")[i], 1e-15L)) << i;
      }
    } else if (block.name == "gamma_inverse") {
      const auto& a = block.Numbers("a");
      const auto& q = block.Numbers("q");
      for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(Close(InverseRegularizedGammaQ(a[i], q[i]), block.Numbers("t")[i], 1e-15L))
            << i;
    }
  }
  EXPECT_EQ(RegularizedGammaQ(3, 0), 1);
}

TEST(Series, EAndEulerConstantAgreeWithMpmath) {
  for (const ReferenceBlock& block : ReadReference("higher_math_reference.txt")) {
    const bool e = block.name == "e_series";
    if (!e && block.name != "euler") continue;
    const auto& n = block.Numbers("n");
    for (std::size_t i = 0; i < n.size(); ++i) {
      const auto count = static_cast<std::int64_t>(n[i]);
      const Extended value = e ? ExponentialSeries(count) : EulerConstantApproximation(count);
      EXPECT_TRUE(Close(value, block.Numbers("value")[i], 1e-17L)) << block.name << " " << count;
    }
  }
  EXPECT_EQ(ExponentialSeries(-3), 1);
  ExpectHigherMathError([] { (void)EulerConstantApproximation(0); }, HigherMathError::kEulerCount);
}

}  // namespace
}  // namespace zarnix
