// Property tests of TCompile over generated formulas: folding on and off, merged loads on and
// off, and deep nesting that pushes values through the value stack, all give the same results.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "tcompile_test_util.h"

namespace zarnix {
namespace {

using namespace testing_tcompile;

class FormulaGenerator {
 public:
  // smooth: only operations without jumps, so that rounding differences stay small.
  FormulaGenerator(unsigned seed, bool smooth) : rng_(seed), smooth_(smooth) {}

  std::string Next(int depth) { return Expr(depth); }

 private:
  int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

  std::string Leaf() {
    static const char* const kLeaves[] = {"x",    "y",  "z",  "2", "0.5", "3",
                                          "1.25", "10", "pi", "e", "0.1", "7"};
    return kLeaves[Pick(12)];
  }

  std::string Expr(int depth) {
    if (depth <= 0 || Pick(5) == 0) return Leaf();
    const std::string a = Expr(depth - 1);
    switch (Pick(smooth_ ? 6 : 9)) {
      case 0:
      case 1: {
        static const char* const kOps[] = {"+", "-", "*", "/"};
        return "(" + a + kOps[Pick(4)] + Expr(depth - 1) + ")";
      }
      case 2: {
        static const char* const kPowers[] = {"^2", "^3", "^0", "^1", "^(-1)", "^0.5"};
        return "abs(" + a + ")" + kPowers[Pick(6)];
      }
      case 3: {
        static const char* const kFunctions[] = {
            "sin(%)",  "cos(%)", "arctan(%)",  "sqrt(abs(%))", "ln(1+abs(%))", "exp(sin(%))",
            "tanh(%)", "sqr(%)", "hypot(%,1)", "sqr3(%)",      "arcsinh(%)",   "(-%)"};
        std::string f = kFunctions[Pick(12)];
        return f.replace(f.find('%'), 1, a);
      }
      case 4: {
        static const char* const kBinary[] = {"max", "min", "hypot", "arctan2", "sqradd"};
        return std::string(kBinary[Pick(5)]) + "(" + a + "," + Expr(depth - 1) + ")";
      }
      case 5:
        return "(" + Leaf() + "*" + a + "+" + Leaf() + ")";
      case 6: {
        static const char* const kRelations[] = {"<", ">", "<=", ">=", "=", "<>"};
        return "((" + a + ")" + kRelations[Pick(6)] + "(" + Expr(depth - 1) + "))";
      }
      case 7:
        return "if(" + a + "," + Expr(depth - 1) + "," + Expr(depth - 1) + ")";
      default: {
        static const char* const kSteps[] = {"floor(%)", "round(%)", "sgn(%)",
                                             "not(%)",   "trunc(%)", "ceil(%)"};
        std::string f = kSteps[Pick(6)];
        return f.replace(f.find('%'), 1, a);
      }
    }
  }

  std::mt19937 rng_;
  bool smooth_;
};

struct Result {
  int compileError = 0;
  std::string outcome = "ok";
  Extended value = 0;
};

Result RunWith(const std::string& formula, bool fold, bool merge) {
  TCompile c;
  c.FoldConstants(fold);
  c.MergeLoads(merge);
  Result r;
  if (!c.SetFormula(formula)) {
    r.compileError = c.ErrorCode();
    return r;
  }
  Bind(c, {{"x", 0.7L}, {"y", -1.3L}, {"z", 2.1L}});
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

TEST(TCompileProperty, FoldingOnAndOffAgree) {
  FormulaGenerator generator(20240611, true);
  int compared = 0;
  for (int i = 0; i < 400; ++i) {
    const std::string formula = generator.Next(1 + i % 6);
    const Result folded = RunWith(formula, true, true);
    const Result plain = RunWith(formula, false, true);
    ASSERT_EQ(plain.compileError, 0) << formula;
    if (folded.compileError != 0) {
      // A fault while folding is a fault of the unfolded run.
      EXPECT_EQ(folded.compileError, 10) << formula;
      EXPECT_NE(plain.outcome, "ok") << formula;
      continue;
    }
    EXPECT_EQ(folded.outcome, plain.outcome) << formula;
    EXPECT_TRUE(Close(folded.value, plain.value))
        << formula << ": " << (double)folded.value << " vs " << (double)plain.value;
    ++compared;
  }
  EXPECT_GT(compared, 300);
}

TEST(TCompileProperty, MergedAndUnspilledFetchAgreeExactly) {
  FormulaGenerator generator(777, false);
  for (int i = 0; i < 400; ++i) {
    const std::string formula = generator.Next(1 + i % 7);
    for (bool fold : {true, false}) {
      const Result merged = RunWith(formula, fold, true);
      const Result unspilled = RunWith(formula, fold, false);
      ASSERT_EQ(merged.compileError, unspilled.compileError) << formula;
      EXPECT_EQ(merged.outcome, unspilled.outcome) << formula;
      EXPECT_TRUE(merged.value == unspilled.value ||
                  (std::isnan(merged.value) && std::isnan(unspilled.value)))
          << formula << ": " << (double)merged.value << " vs " << (double)unspilled.value;
    }
  }
}

// Right-leaning formulas keep many values pending: past the cached registers they live in
// the value stack. The value must not depend on how deep the stack goes.
TEST(TCompileProperty, DeepPendingValuesMatchDirectArithmetic) {
  for (int depth : {1, 2, 3, 4, 5, 8, 40, 500}) {
    std::string formula;
    for (int i = 0; i < depth; ++i) formula += (i % 2 ? "y-(" : "x*(");
    formula += "z" + std::string(depth, ')');
    const Extended x = 1.0001L, y = 0.3L, z = 2.5L;
    Extended expected = z;
    for (int i = depth - 1; i >= 0; --i) expected = (i % 2) ? y - expected : x * expected;
    for (bool merge : {true, false}) {
      TCompile c;
      c.MergeLoads(merge);
      ASSERT_TRUE(c.SetFormula(formula)) << depth;
      Bind(c, {{"x", x}, {"y", y}, {"z", z}});
      EXPECT_EQ(c.CodeEntry(), expected) << depth;
    }
  }
  // Every kind of operation below a full set of cached values.
  const std::string tail = "sin(x)+tanh(y)+arcsinh(z)+x^y+intpower(z,3)+if(x,y,z)+ff(0,1,t,4,t)";
  const Extended expected = Eval(tail, {{"x", 0.5L}, {"y", 1.5L}, {"z", 2}});
  EXPECT_NEAR(Eval("1*(2*(3*(4*(5*(6*(" + tail + "))))))", {{"x", 0.5L}, {"y", 1.5L}, {"z", 2}}),
              720 * expected, 1e-14);
}

}  // namespace
}  // namespace zarnix
