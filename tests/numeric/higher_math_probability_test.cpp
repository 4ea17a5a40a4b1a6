// Probabilities against mpmath and scipy (exact sums, beyond factorial range too), the edge
// cases of the items, and the Pearson type III quantiles.
#include "numeric/higher_math_probability.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "base/errors.h"
#include "higher_math_checks.h"
#include "numeric/higher_math_functions.h"
#include "reference_file.h"

namespace zarnix {
namespace {

std::int64_t I(Extended v) {
  return static_cast<std::int64_t>(v);
}

const ReferenceBlock* Find(const std::vector<ReferenceBlock>& blocks, const std::string& name) {
  for (const ReferenceBlock& block : blocks)
    if (block.name == name) return &block;
  ADD_FAILURE() << "no block " << name;
  return nullptr;
}

class Probability : public ::testing::Test {
 protected:
  std::vector<ReferenceBlock> blocks = ReadReference("higher_math_reference.txt");
};

TEST_F(Probability, BinomialBothDirectAndThroughLogarithms) {
  const ReferenceBlock* b = Find(blocks, "binomial");
  ASSERT_TRUE(b);
  const auto& n = b->Numbers("n");
  for (std::size_t i = 0; i < n.size(); ++i) {
    const std::int64_t count = I(n[i]), k = I(b->Numbers("k")[i]);
    const Extended p = b->Numbers("p")[i];
    // Beyond 1754 trials the logarithms of Γ carry about 1e-13 of relative error.
    const Extended tolerance = count > 1754 ? 2e-16L : 1e-16L;
    EXPECT_TRUE(Close(BinomialProbability(count, k, p), b->Numbers("pmf")[i], tolerance))
        << count << " " << k;
    EXPECT_TRUE(
        Close(AtLeastSuccessesProbability(count, k, p), b->Numbers("at_least")[i], tolerance))
        << count << " " << k;
  }
  // The worked examples: 10 trials, 3 successes, p = 0.5; at least 0 successes is certain.
  EXPECT_NEAR(double(BinomialProbability(10, 3, 0.5L)), 0.1171875, 1e-18);
  EXPECT_EQ(AtLeastSuccessesProbability(10, 0, 0.3L), 1);
  EXPECT_EQ(BinomialProbability(10, 11, 0.3L), 0);
  EXPECT_EQ(AtLeastSuccessesProbability(10, 11, 0.3L), 0);
  ExpectHigherMathError([] { (void)BinomialProbability(10, 3, 1.5L); },
                        HigherMathError::kProbability);
  ExpectHigherMathError([] { (void)AtLeastSuccessesProbability(-2, 1, 0.5L); },
                        HigherMathError::kCounts);
}

TEST_F(Probability, HypergeometricAndDrawingAgreeWithExactSums) {
  const ReferenceBlock* h = Find(blocks, "hypergeometric");
  ASSERT_TRUE(h);
  for (std::size_t i = 0; i < h->Numbers("N").size(); ++i) {
    const std::int64_t population = I(h->Numbers("N")[i]);
    const Extended value = HypergeometricTail(population, I(h->Numbers("M")[i]),
                                              I(h->Numbers("n")[i]), I(h->Numbers("lowest")[i]));
    EXPECT_TRUE(Close(value, h->Numbers("value")[i], population > 1754 ? 2e-16L : 1e-16L))
        << population;
  }
  const ReferenceBlock* miss = Find(blocks, "mean_miss");
  ASSERT_TRUE(miss);
  for (std::size_t i = 0; i < miss->Numbers("b").size(); ++i)
    EXPECT_TRUE(Close(MeanMissProbability(I(miss->Numbers("b")[i]), I(miss->Numbers("m")[i]),
                                          I(miss->Numbers("t")[i])),
                      miss->Numbers("value")[i], 1e-16L))
        << i;
  for (const char* name : {"ordered_draw", "all_different", "central_binomial"}) {
    const ReferenceBlock* block = Find(blocks, name);
    ASSERT_TRUE(block);
    const auto& value = block->Numbers("value");
    for (std::size_t i = 0; i < value.size(); ++i) {
      Extended actual = 0;
      if (block->name == "ordered_draw")
        actual = OrderedDrawProbability(I(block->Numbers("t")[i]), I(block->Numbers("m")[i]));
      else if (block->name == "all_different")
        actual = AllDifferentProbability(I(block->Numbers("k")[i]), I(block->Numbers("n")[i]));
      else
        actual = CentralBinomialRatio(I(block->Numbers("f")[i]));
      // Products of many ratios: one rounding per factor.
      EXPECT_TRUE(Close(actual, value[i], 1e-14L)) << name << " " << i;
    }
  }
}

TEST_F(Probability, CountsThatDoNotFitAreRefused) {
  ExpectHigherMathError([] { (void)HypergeometricTail(10, 11, 3, 0); }, HigherMathError::kCounts);
  ExpectHigherMathError([] { (void)HypergeometricTail(10, 3, 12, 0); }, HigherMathError::kCounts);
  ExpectHigherMathError([] { (void)MeanMissProbability(5, 6, 1); }, HigherMathError::kCounts);
  ExpectHigherMathError([] { (void)MeanMissProbability(2000000000, 1, 100000000); },
                        HigherMathError::kTooLarge);
  ExpectHigherMathError([] { (void)OrderedDrawProbability(3, 4); }, HigherMathError::kCounts);
  ExpectHigherMathError([] { (void)AllDifferentProbability(3, 0); }, HigherMathError::kCounts);
  ExpectHigherMathError([] { (void)CentralBinomialRatio(0); }, HigherMathError::kCounts);
  // Beyond the factorial range a count gives its probability, not 0 or −1.
  EXPECT_GT(HypergeometricTail(1000000, 500000, 10, 5), 0.6L);
  EXPECT_EQ(OrderedDrawProbability(10, 0), 1);
}

TEST_F(Probability, BirthdayProblem) {
  EXPECT_NEAR(double(BirthdayProbability(23)), 0.507297234323985, 1e-15);
  EXPECT_EQ(BirthdayProbability(1), 0);
  EXPECT_EQ(BirthdayProbability(0), 0);
  EXPECT_EQ(BirthdayProbability(366), 1);
  EXPECT_EQ(BirthdayProbability(2000000000), 1);  // no 2·10^9-step loop, no overflow
}

TEST_F(Probability, NormalProbabilityAndDensity) {
  const ReferenceBlock* b = Find(blocks, "normal");
  ASSERT_TRUE(b);
  for (std::size_t i = 0; i < b->Numbers("mean").size(); ++i) {
    const Extended mean = b->Numbers("mean")[i], sd = b->Numbers("sd")[i];
    const Extended lower = b->Numbers("lower")[i], upper = b->Numbers("upper")[i];
    // Far tails too: ±1e10 as "infinity" gives 1, not the 0 of a coarse quadrature.
    EXPECT_TRUE(Close(NormalProbability(mean, sd, lower, upper), b->Numbers("between")[i], 1e-16L))
        << i;
    EXPECT_TRUE(Close(NormalDensity(mean, sd, upper), b->Numbers("density_upper")[i], 1e-16L)) << i;
  }
  EXPECT_NEAR(double(NormalDensity(0, 1, 0)), 0.398942280401433, 1e-15);
  EXPECT_THROW((void)NormalProbability(0, 0, -1, 1), EZeroDivide);
  ExpectHigherMathError([] { (void)NormalProbability(0, -1, -1, 1); }, HigherMathError::kDeviation);
}

TEST_F(Probability, PearsonCurveAgreesWithTheGammaQuantiles) {
  for (const ReferenceBlock& block : blocks) {
    if (block.name != "pearson3") continue;
    const auto curve =
        PearsonIIICurve(block.Number("mean"), block.Number("cv"), block.Number("cs"));
    const auto& x = block.Numbers("x");
    ASSERT_EQ(x.size(), curve.size());
    for (std::size_t i = 0; i < curve.size(); ++i) {
      EXPECT_EQ(curve[i].percent, kPearsonPercents[i]);
      EXPECT_TRUE(Close(curve[i].x, x[i], 1e-15L)) << double(block.Number("cs")) << " " << i;
    }
  }
  EXPECT_TRUE(PearsonSkewTooSmall(0.5L, 0.99L));
  EXPECT_FALSE(PearsonSkewTooSmall(0.5L, 1));
  ExpectHigherMathError([] { (void)PearsonIIICurve(1000, 0.5L, 0.8L); },
                        HigherMathError::kPearsonSkew);
  ExpectHigherMathError([] { (void)PearsonIIICurve(0, 0.5L, 1.2L); },
                        HigherMathError::kPearsonParameters);
  ExpectHigherMathError([] { (void)PearsonIIICurve(1000, 0, 0); },
                        HigherMathError::kPearsonParameters);
}

}  // namespace
}  // namespace zarnix
