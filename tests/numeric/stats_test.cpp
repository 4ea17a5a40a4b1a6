// The statistics and mathematics routines: their edge cases, the Γ/B poles, and Γ, B,
// binomials and factorials against the reference values.
#include "numeric/stats.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

#include "base/fpu.h"
#include "reference_file.h"

namespace zarnix {
namespace {

using Reals = std::vector<Extended>;

void ExpectStatsError(auto call, StatsError kind) {
  try {
    call();
    ADD_FAILURE() << "no error for " << StatsErrorText(kind);
  } catch (const EStatsError& error) {
    EXPECT_EQ(error.Kind(), kind);
    EXPECT_EQ(error.Message(), StatsErrorText(kind));
  }
}

TEST(StatsRoutines, ExtremesSumsAndLargestOfThree) {
  const Reals values = {3, -1, 7, 7, 2};
  EXPECT_EQ(MaxOfReals(values), 7);
  EXPECT_EQ(MinOfReals(values), -1);
  EXPECT_EQ(SumOfReals(values), 18);
  EXPECT_EQ(SumOfReals({}), 0);
  ExpectStatsError([] { (void)MaxOfReals({}); }, StatsError::kArrayEmpty);
  ExpectStatsError([] { (void)MinOfReals({}); }, StatsError::kArrayEmpty);
  EXPECT_EQ(LargestOf3(1, 5, 3), 5);
  EXPECT_EQ(LargestOf3(4, 2, 4), 4);
  // Ties keep the earlier argument: +0 and -0 compare equal, the first one stays.
  EXPECT_FALSE(std::signbit(LargestOf3(0.0L, -0.0L, -1)));
  EXPECT_TRUE(std::signbit(LargestOf3(-0.0L, 0.0L, -1)));
}

TEST(StatsRoutines, AnglesAndDistances) {
  EXPECT_NEAR(static_cast<double>(DmsToDegrees(30, 15, 36)), 30.26, 1e-15);
  const Dms dms = DegreesToDms(30.26L);
  EXPECT_EQ(dms.degrees, 30);
  EXPECT_EQ(dms.minutes, 15);
  EXPECT_NEAR(static_cast<double>(dms.seconds), 36, 1e-9);
  const Dms negative = DegreesToDms(-12.5L);  // parts truncate toward zero
  EXPECT_EQ(negative.degrees, -12);
  EXPECT_EQ(negative.minutes, -30);
  EXPECT_NEAR(static_cast<double>(negative.seconds), 0, 1e-12);

  EXPECT_EQ(PointDistance(0, 0, 3, 4), 5);
  EXPECT_EQ(PointDistance(1, 1, 1, 1), 0);
  EXPECT_EQ(PointDistance(2, 7, 2, 3), 4);
  // Scaled so that the squares of huge coordinates do not overflow.
  ClearFpFaults();
  EXPECT_NEAR(static_cast<double>(PointDistance(0, 0, 3e4000L, 4e4000L) / 1e4000L), 5, 1e-15);
  EXPECT_NO_THROW(CheckFpFaults());
}

TEST(StatsRoutines, FactorialAndBinomialLimits) {
  EXPECT_EQ(Factorial(0), 1);
  EXPECT_EQ(Factorial(1), 1);
  EXPECT_EQ(Factorial(10), 3628800);
  EXPECT_EQ(Factorial(1755), 0);
  EXPECT_EQ(Binomial(0, 0), 0);
  EXPECT_EQ(Binomial(5, 2), 10);
  EXPECT_EQ(Binomial(5, 6), 0);
  EXPECT_EQ(Binomial(5, 0), 1);
  EXPECT_EQ(Binomial(5, 5), 1);
  EXPECT_EQ(Binomial(1755, 3), 0);
  EXPECT_EQ(Binomial(52, 47), Binomial(52, 5));
  EXPECT_EQ(Binomial(52, 5), 2598960);
}

TEST(StatsRoutines, FactorialAndBinomialAgreeWithExactIntegers) {
  int checked = 0;
  for (const ReferenceBlock& block : ReadReference("gamma_beta_reference.txt")) {
    if (block.name.starts_with("factorial")) {
      EXPECT_TRUE(
          Near(Factorial(static_cast<std::uint32_t>(block.Number("n"))) / block.Number("value"), 1,
               1e-15L))
          << block.name;
      ++checked;
    }
    if (block.name.starts_with("binomial")) {
      const auto n = static_cast<std::uint32_t>(block.Number("n"));
      const auto k = static_cast<std::uint32_t>(block.Number("k"));
      EXPECT_TRUE(Near(Binomial(n, k) / block.Number("value"), 1, 1e-15L)) << block.name;
      ++checked;
    }
  }
  EXPECT_EQ(checked, 17);
}

TEST(StatsRoutines, MeansRefuseEmptyAndNonPositiveArrays) {
  EXPECT_NEAR(static_cast<double>(GeometricMeanOfReals(Reals{2, 8})), 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(HarmonicMeanOfReals(Reals{1, 4, 4})), 2, 1e-15);
  ExpectStatsError([] { (void)GeometricMeanOfReals({}); }, StatsError::kArrayEmpty);
  ExpectStatsError([] { (void)HarmonicMeanOfReals({}); }, StatsError::kArrayEmpty);
  ExpectStatsError([] { (void)GeometricMeanOfReals(Reals{1, -2}); }, StatsError::kNotPositive);
  ExpectStatsError([] { (void)HarmonicMeanOfReals(Reals{3, 0}); }, StatsError::kNotPositive);
}

TEST(StatsRoutines, MedianOfSortedArrays) {
  EXPECT_EQ(MedianOfSorted(Reals{7}), 7);
  EXPECT_EQ(MedianOfSorted(Reals{1, 2, 3}), 2);
  EXPECT_EQ(MedianOfSorted(Reals{1, 2, 3, 4}), 2.5);
  EXPECT_EQ(MedianOfSorted(Reals{1, 2}), 1.5);
  ExpectStatsError([] { (void)MedianOfSorted({}); }, StatsError::kArrayEmpty);
}

TEST(StatsRoutines, ModeFindsTheUniqueMostFrequentValue) {
  Extended mode = 0;
  EXPECT_TRUE(ModeOfSorted(Reals{4}, mode));
  EXPECT_EQ(mode, 4);
  EXPECT_TRUE(ModeOfSorted(Reals{1, 2, 2, 2, 3, 3}, mode));
  EXPECT_EQ(mode, 2);
  EXPECT_TRUE(ModeOfSorted(Reals{1, 3, 3, 5, 5, 5}, mode));  // the last run wins
  EXPECT_EQ(mode, 5);
  EXPECT_TRUE(ModeOfSorted(Reals{1, 2, 3, 3}, mode));  // only the last value repeats
  EXPECT_EQ(mode, 3);

  // Equally frequent values: no unique mode, the smallest is kept.
  EXPECT_FALSE(ModeOfSorted(Reals{2, 2, 3, 3, 5}, mode));
  EXPECT_EQ(mode, 2);
  EXPECT_FALSE(ModeOfSorted(Reals{2, 2, 4, 5, 5}, mode));
  EXPECT_EQ(mode, 2);
  // A longer run after a tie ends the tie.
  EXPECT_TRUE(ModeOfSorted(Reals{1, 1, 2, 2, 3, 3, 3}, mode));
  EXPECT_EQ(mode, 3);

  // Nothing repeats: the start value stays.
  EXPECT_FALSE(ModeOfSorted(Reals{1, 2, 3}, mode));
  EXPECT_EQ(mode, -std::numeric_limits<Extended>::max());
  ExpectStatsError([&] { (void)ModeOfSorted({}, mode); }, StatsError::kArrayEmpty);
}

TEST(StatsRoutines, GammaAtIntegersHalvesAndPoles) {
  EXPECT_NEAR(static_cast<double>(GammaFunction(5)), 24, 1e-13);
  EXPECT_NEAR(static_cast<double>(GammaFunction(1)), 1, 1e-15);
  EXPECT_NEAR(static_cast<double>(GammaFunction(0.5L) / std::sqrt(std::numbers::pi_v<Extended>)), 1,
              1e-15);
  EXPECT_EQ(ReciprocalGamma(0), 0);
  for (const Extended pole : {0.0L, -1.0L, -2.0L, -3.0L, -50.0L})
    ExpectStatsError([pole] { (void)GammaFunction(pole); }, StatsError::kNotDefined);
  // Beyond the extended range 1/Γ vanishes: refused rather than divided by.
  ExpectStatsError([] { (void)GammaFunction(2000); }, StatsError::kNotDefined);
}

TEST(StatsRoutines, BetaRefusesPoles) {
  EXPECT_NEAR(static_cast<double>(BetaFunction(2, 3)), 1.0 / 12, 1e-15);
  ExpectStatsError([] { (void)BetaFunction(0, 2); }, StatsError::kNotDefined);
  ExpectStatsError([] { (void)BetaFunction(1.5L, -2); }, StatsError::kNotDefined);
}

TEST(StatsRoutines, GammaAndBetaAgreeWithReference) {
  for (const ReferenceBlock& block : ReadReference("gamma_beta_reference.txt")) {
    if (block.name == "gamma") {
      const auto& x = block.Numbers("x");
      const auto& value = block.Numbers("value");
      ASSERT_EQ(x.size(), value.size());
      for (std::size_t i = 0; i < x.size(); ++i)
        EXPECT_TRUE(Near(GammaFunction(x[i]) / value[i], 1, 2e-14L)) << "x = " << double(x[i]);
    }
    if (block.name == "beta") {
      const auto& a = block.Numbers("a");
      const auto& b = block.Numbers("b");
      const auto& value = block.Numbers("value");
      for (std::size_t i = 0; i < a.size(); ++i)
        EXPECT_TRUE(Near(BetaFunction(a[i], b[i]) / value[i], 1, 2e-14L))
            << double(a[i]) << ", " << double(b[i]);
    }
  }
}

TEST(StatsRoutines, GreatestCommonDivisor) {
  EXPECT_EQ(Gcd(12, 18), 6u);
  EXPECT_EQ(Gcd(18, 12), 6u);
  EXPECT_EQ(Gcd(7, 0), 7u);
  EXPECT_EQ(Gcd(0, 7), 7u);
  EXPECT_EQ(Gcd(4294967295u, 65535u), 65535u);
}

}  // namespace
}  // namespace zarnix
