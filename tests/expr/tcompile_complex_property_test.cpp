// Property tests of TCompileComplex over generated formulas: folding on and off, merged loads on
// and off, and the per-engine options against one another all give the same values.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <utility>

#include "base/errors.h"
#include "expr/tcompile_complex.h"

namespace zarnix {
namespace {

class ComplexFormulaGenerator {
 public:
  explicit ComplexFormulaGenerator(unsigned seed) : rng_(seed) {}

  std::string Next(int depth) { return Expr(depth); }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::string Leaf() {
    static const char* const kLeaves[] = {"x", "y", "z", "2", "0.5", "i", "pi", "(3*i)", "1.25"};
    return kLeaves[Pick(9)];
  }

  std::string Expr(int depth) {
    if (depth <= 0 || Pick(5) == 0) return Leaf();
    const std::string a = Expr(depth - 1);
    switch (Pick(7)) {
      case 0:
      case 1: {
        static const char* const kOps[] = {"+", "-", "*", "/"};
        return "(" + a + kOps[Pick(4)] + Expr(depth - 1) + ")";
      }
      case 2: {
        static const char* const kPowers[] = {"^2", "^0.5", "^(1+i)", "^0"};
        return "(" + a + ")" + kPowers[Pick(4)];
      }
      case 3: {
        static const char* const kFunctions[] = {
            "sin(%)", "cos(%)",  "exp(sin(%))", "ln(1+abs(%))", "sqrt(%)", "tanh(%)",
            "sqr(%)", "conj(%)", "arctan(%/9)", "sqr3(%)",      "(-%)",    "arcsinh(%)"};
        std::string f = kFunctions[Pick(12)];
        return f.replace(f.find('%'), 1, a);
      }
      case 4: {
        static const char* const kBinary[] = {"max", "min", "distance", "maxx", "minx", "powerx"};
        return std::string(kBinary[Pick(6)]) + "(" + a + "," + Expr(depth - 1) + ")";
      }
      case 5: {
        static const char* const kRelations[] = {"<", ">", "<=", ">=", "=", "<>"};
        return "((" + a + ")" + kRelations[Pick(6)] + "(" + Expr(depth - 1) + "))";
      }
      default:
        return "if(" + a + "," + Expr(depth - 1) + "," + Expr(depth - 1) + ")";
    }
  }

  std::mt19937 rng_;
};

struct Result {
  int compileError = 0;
  std::string outcome = "ok";
  ComplexValue value;
};

Result RunWith(const std::string& formula, bool fold, bool merge) {
  TCompileComplex c;
  c.FoldConstants(fold);
  c.MergeLoads(merge);
  Result r;
  if (!c.SetFormula(formula)) {
    r.compileError = c.ErrorCode();
    return r;
  }
  if (ComplexValue* x = c.ParameterAddress("x")) *x = {0.7L, -0.4L};
  if (ComplexValue* y = c.ParameterAddress("y")) *y = {-1.3L, 0.25L};
  if (ComplexValue* z = c.ParameterAddress("z")) *z = {2.1L, 1};
  try {
    r.value = c.CodeEntry();
  } catch (const EMathError& e) {
    r.outcome = e.what();
  }
  return r;
}

bool Close(Extended a, Extended b) {
  if (a == b || (std::isnan(a) && std::isnan(b))) return true;
  return std::fabs(a - b) <= 1e-12L * std::fmax(1.0L, std::fmax(std::fabs(a), std::fabs(b)));
}

bool Same(Extended a, Extended b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

TEST(TCompileComplexProperty, FoldingOnAndOffAgree) {
  ComplexFormulaGenerator generator(20240612);
  int compared = 0;
  for (int k = 0; k < 400; ++k) {
    // Every formula uses x, so that none folds away completely.
    const std::string formula = "x+" + generator.Next(1 + k % 6);
    const Result folded = RunWith(formula, true, true);
    const Result plain = RunWith(formula, false, true);
    ASSERT_EQ(plain.compileError, 0) << formula;
    if (folded.compileError != 0) {
      // A fault while folding is a fault of the unfolded run.
      EXPECT_EQ(folded.compileError, 110) << formula;
      EXPECT_NE(plain.outcome, "ok") << formula;
      continue;
    }
    EXPECT_EQ(folded.outcome, plain.outcome) << formula;
    if (folded.outcome != "ok") continue;
    EXPECT_TRUE(Close(folded.value.re, plain.value.re) && Close(folded.value.im, plain.value.im))
        << formula;
    ++compared;
  }
  EXPECT_GT(compared, 300);
}

TEST(TCompileComplexProperty, MergedAndUnspilledFetchAgreeExactly) {
  ComplexFormulaGenerator generator(99);
  for (int k = 0; k < 400; ++k) {
    const std::string formula = generator.Next(1 + k % 7);
    for (bool fold : {true, false}) {
      const Result merged = RunWith(formula, fold, true);
      const Result unspilled = RunWith(formula, fold, false);
      ASSERT_EQ(merged.compileError, unspilled.compileError) << formula;
      EXPECT_EQ(merged.outcome, unspilled.outcome) << formula;
      EXPECT_TRUE(Same(merged.value.re, unspilled.value.re) &&
                  Same(merged.value.im, unspilled.value.im))
          << formula;
    }
  }
}

// Right-leaning formulas keep many values pending in the value stack.
TEST(TCompileComplexProperty, DeepPendingValuesMatchDirectArithmetic) {
  for (int depth : {1, 2, 3, 8, 100, 510}) {
    std::string formula;
    for (int k = 0; k < depth; ++k) formula += (k % 2 ? "y-(" : "x*(");
    formula += "z" + std::string(depth, ')');
    const ComplexValue x{1.0001L, 0.001L}, y{0.3L, -0.2L}, z{2.5L, 1};
    ComplexValue expected = z;
    for (int k = depth - 1; k >= 0; --k) {
      expected = (k % 2) ? ComplexValue{y.re - expected.re, y.im - expected.im}
                         : ComplexValue{x.re * expected.re - x.im * expected.im,
                                        x.re * expected.im + x.im * expected.re};
    }
    for (bool merge : {true, false}) {
      TCompileComplex c;
      c.MergeLoads(merge);
      ASSERT_TRUE(c.SetFormula(formula)) << depth;
      for (const auto& [name, value] : {std::pair{"x", x}, {"y", y}, {"z", z}}) {
        if (ComplexValue* slot = c.ParameterAddress(name)) *slot = value;
      }
      const ComplexValue v = c.CodeEntry();
      EXPECT_EQ(v.re, expected.re) << depth;
      EXPECT_EQ(v.im, expected.im) << depth;
    }
  }
}

}  // namespace
}  // namespace zarnix
