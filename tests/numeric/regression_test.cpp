// Least squares by terms: exact fits, singular and oversized formulas, the nudging of 0 and
// 1, the complete pivoting, and coefficients against the reference least squares.
#include "numeric/regression.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "reference_file.h"

namespace zarnix {
namespace {

using Reals = std::vector<Extended>;

class FitTest : public ::testing::Test {
 protected:
  Reals Fit(std::string_view formula, const Reals& x, const Reals& y) {
    return FitByTerms(EvalServices{ui, clock, random}, formula, x, y);
  }
  ScriptedUi ui;
  ManualClock clock;
  LcgRandom random;
};

TEST_F(FitTest, StraightLineThroughExactPoints) {
  const Reals c = Fit("a+b*x", {1, 2, 3, 4}, {3, 5, 7, 9});
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[2], kFitOk);
  // The data are nudged (x = 1 becomes 1 + 1e-9) and each pivot guarded by 1e-10.
  EXPECT_NEAR(double(c[0]), 1, 1e-8);
  EXPECT_NEAR(double(c[1]), 2, 1e-8);
}

TEST_F(FitTest, TermsAreSplitAtPlusOnly) {
  EXPECT_EQ(CountTerms("a+b*x+c*x^2"), 3);
  EXPECT_EQ(CountTerms("a-b*x"), 1);
  EXPECT_EQ(CountTerms(""), 1);
  // "a-b*x" is one basis function 1 - x, so its single coefficient scales it.
  const Reals c = Fit("a-b*x", {2, 3, 4}, {-2, -4, -6});
  EXPECT_EQ(c[1], kFitOk);
  EXPECT_NEAR(double(c[0]), 2, 1e-8);
}

TEST_F(FitTest, RepeatedBasisIsSingular) {
  const Reals c = Fit("a*x+b*x", {1, 2, 3, 4, 5}, {2, 4, 6, 8, 10});
  ASSERT_EQ(c.size(), 3u);
  EXPECT_EQ(c[2], kFitSingular);
}

TEST_F(FitTest, MoreThanEightTermsAreRefusedUnevaluated) {
  const Reals c = Fit("a+b+c+d+e+f+g+h+foo", {1, 2, 3}, {1, 2, 3});
  ASSERT_EQ(c.size(), 10u);
  EXPECT_EQ(c[9], kFitTooManyTerms);
  EXPECT_TRUE(ui.Messages().empty());  // "foo" was never parsed
  EXPECT_EQ(Fit("a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7", {1, 2, 3, 4, 5, 6, 7, 8, 9},
                {1, 2, 3, 4, 5, 6, 7, 8, 9})
                .back(),
            kFitOk);
}

TEST(SolveNormalEquations, CompletePivotingSolvesInAnyColumnOrder) {
  // y = 3·u + 0.5·v with the larger basis second, so the first pivot is in column 2.
  const std::vector<Reals> basis = {{1, 0, 1, 2}, {0, 100, 50, 10}};
  const Reals y = {3, 50, 28, 11};
  const Reals c = SolveNormalEquations(y, basis);
  EXPECT_EQ(c[2], kFitOk);
  EXPECT_NEAR(double(c[0]), 3, 1e-9);
  EXPECT_NEAR(double(c[1]), 0.5, 1e-9);
  EXPECT_EQ(SolveNormalEquations(y, {{0, 0, 0, 0}}).back(), kFitSingular);
}

TEST_F(FitTest, CoefficientsAgreeWithReferenceLeastSquares) {
  int fits = 0;
  for (const ReferenceBlock& block : ReadReference("regression_reference.txt")) {
    const std::string formula = block.texts.at("formula");
    // The linearising forms are fitted as straight lines on transformed data.
    const FitInput in = LinearisedFit(formula, formula, block.Numbers("x"), block.Numbers("y"));
    EXPECT_EQ(in.text == "a+b*x", formula == "a+b*x" || formula == "a*x^b" ||
                                      formula == "1/(a+b*x)" || formula == "x/(a*x+b)");
    Reals c = Fit(in.text, in.x, in.y);
    ASSERT_EQ(c.back(), kFitOk) << block.name;
    if (formula == "a*x^b") c[0] = std::exp(c[0]);
    const auto& expected = block.Numbers("coefficients");
    ASSERT_EQ(c.size(), expected.size() + 1) << block.name;
    for (std::size_t k = 0; k < expected.size(); ++k)
      EXPECT_TRUE(Near(c[k], expected[k], 1e-8L)) << block.name << " " << formula << " #" << k;
    ++fits;
  }
  EXPECT_EQ(fits, 36);
}

TEST(GoodnessOfFit, CorrelationAndDispersionOfTheResiduals) {
  const Reals y = {1, 2, 3, 4};
  const FitGoodness exact = GoodnessOfFit(Reals{1, 2, 3, 4}, y, 2);
  EXPECT_EQ(exact.r, 1);
  EXPECT_EQ(exact.c, 0);
  // Residuals 0.5, -0.5, -0.5, 0.5: SSE = 1, St = 5, R = √(4/5), C = √(1/2).
  const FitGoodness rough = GoodnessOfFit(Reals{1.5L, 1.5L, 2.5L, 4.5L}, y, 2);
  EXPECT_NEAR(static_cast<double>(rough.r), std::sqrt(0.8), 1e-15);
  EXPECT_NEAR(static_cast<double>(rough.c), std::sqrt(0.5), 1e-15);
}

}  // namespace
}  // namespace zarnix
