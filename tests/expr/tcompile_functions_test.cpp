// Tests of the real compiler's vocabulary: the documented values of the operators and
// functions, their domain faults, and agreement with long double reference functions.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "expr/tcompile_functions.h"
#include "tcompile_test_util.h"

namespace zarnix {
namespace {

using namespace testing_tcompile;

const Extended kPi = std::numbers::pi_v<long double>;
const Extended kTanhLimit = 5678.2224944132199997L;

TEST(TCompileOperators, PowerRules) {
  EXPECT_EQ(Eval("2^3^2"), 64);
  EXPECT_EQ(Eval("(-2)^3"), -8);
  EXPECT_EQ(Eval("(-2)^2"), 4);
  EXPECT_EQ(Eval("0^0"), 1);
  EXPECT_EQ(Eval("0^2"), 0);
  // The same rules at run time.
  EXPECT_EQ(Eval("x^y", {{"x", 0}, {"y", 0}}), 1);
  EXPECT_EQ(Eval("x^y", {{"x", 0}, {"y", 2.5L}}), 0);
  EXPECT_EQ(Eval("x^y", {{"x", -2}, {"y", 3}}), -8);
  EXPECT_EQ(Eval("x^y", {{"x", -2}, {"y", 2}}), 4);
  EXPECT_EQ(Eval("x^y", {{"x", -2}, {"y", -1}}), -0.5L);
  EXPECT_EQ(Outcome("x^y", {{"x", -8}, {"y", 1.0L / 3}}), "invalid");
  EXPECT_EQ(CompileError("(-8)^(1/3)"), 10);
  EXPECT_EQ(Outcome("x^y", {{"x", 0}, {"y", -2}}), "zero");
  EXPECT_EQ(Outcome("x^y", {{"x", 10}, {"y", 5000}}), "overflow");
}

TEST(TCompileOperators, DivisionRemainderAndRounding) {
  EXPECT_EQ(Eval("mod(7,-3)"), 1);
  EXPECT_EQ(Eval("mod(-7,3)"), -1);
  EXPECT_EQ(Eval("7\\2"), 3);
  EXPECT_EQ(Eval("(-7)\\2"), -3);
  EXPECT_EQ(Eval("x mod y", {{"x", 7.5L}, {"y", 2}}), 1.5L);
  EXPECT_EQ(Eval("x mod y", {{"x", -7}, {"y", 3}}), -1);
  EXPECT_EQ(Eval("x\\y", {{"x", -7}, {"y", 2}}), -3);
  EXPECT_EQ(Outcome("x mod y", {{"x", 5}, {"y", 0}}), "invalid");
  EXPECT_EQ(Outcome("x\\y", {{"x", 5}, {"y", 0}}), "zero");
  EXPECT_EQ(Eval("int(-2.5)"), -3);
  EXPECT_EQ(Eval("trunc(-2.5)"), -2);
  EXPECT_EQ(Eval("round(2.5)"), 2);
  EXPECT_EQ(Eval("round(3.5)"), 4);
  EXPECT_EQ(Eval("ceil(-2.5)"), -2);
  for (Extended x : {-2.5L, -0.5L, 0.5L, 2.5L, 1e20L}) {
    EXPECT_EQ(Eval("floor(x)", {{"x", x}}), std::floor(x));
    EXPECT_EQ(Eval("int(x)", {{"x", x}}), std::floor(x));
    EXPECT_EQ(Eval("trunc(x)", {{"x", x}}), std::trunc(x));
    EXPECT_EQ(Eval("ceil(x)", {{"x", x}}), std::ceil(x));
    EXPECT_EQ(Eval("round(x)", {{"x", x}}), std::nearbyint(x));
  }
  // Rounding restores the control word: ordinary arithmetic still rounds to nearest.
  EXPECT_EQ(Eval("floor(x)+y/3", {{"x", 1}, {"y", 1}}), 1 + 1.0L / 3);
}

TEST(TCompileOperators, ComparisonsLogicAndSelection) {
  EXPECT_EQ(Eval("and(2,3)"), 1);
  EXPECT_EQ(Eval("xor(1,1)"), 0);
  EXPECT_EQ(Eval("not(0)"), 1);
  EXPECT_EQ(Eval("(1<2)+(2<1)"), 1);
  EXPECT_EQ(Eval("(x)and(y)", {{"x", 0}, {"y", 5}}), 0);
  EXPECT_EQ(Eval("or(x,y)", {{"x", 0}, {"y", 5}}), 1);
  EXPECT_EQ(Eval("xor(x,y)", {{"x", 0}, {"y", 5}}), 1);
  EXPECT_EQ(Eval("not(x)", {{"x", -2}}), 0);
  const struct {
    const char* op;
    bool lt, eq, gt;
  } relations[] = {{"<", true, false, false}, {"<=", true, true, false}, {">", false, false, true},
                   {">=", false, true, true}, {"=", false, true, false}, {"<>", true, false, true}};
  for (const auto& r : relations) {
    const std::string f = std::string("x") + r.op + "y";
    EXPECT_EQ(Eval(f, {{"x", 1}, {"y", 2}}), r.lt) << f;
    EXPECT_EQ(Eval(f, {{"x", 2}, {"y", 2}}), r.eq) << f;
    EXPECT_EQ(Eval(f, {{"x", 3}, {"y", 2}}), r.gt) << f;
  }
  EXPECT_EQ(Eval("max(x,y)", {{"x", -1}, {"y", 2}}), 2);
  EXPECT_EQ(Eval("min(x,y)", {{"x", -1}, {"y", 2}}), -1);
  EXPECT_EQ(Eval("max(sin(x),y)", {{"x", 0}, {"y", -2}}), 0);
  EXPECT_EQ(Eval("hypot(3,4)"), 5);
  EXPECT_EQ(Eval("sqradd(x,y)", {{"x", 3}, {"y", 4}}), 25);
  EXPECT_EQ(Eval("sgn(x)", {{"x", -3}}), -1);
  EXPECT_EQ(Eval("sgn(x)", {{"x", 0}}), 0);
  EXPECT_EQ(Eval("sgn(x)", {{"x", 1e-4000L}}), 1);
  EXPECT_EQ(Eval("intpower(2,-2)"), 0.25L);
  EXPECT_EQ(Eval("intpower(x,y)", {{"x", 2}, {"y", 2.5L}}), 4);
  EXPECT_EQ(Eval("intpower(x,y)", {{"x", -3}, {"y", 5}}), -243);
  EXPECT_EQ(Outcome("intpower(x,y)", {{"x", 2}, {"y", 1e10L}}), "invalid");
}

TEST(TCompileFunctions, DocumentedValues) {
  EXPECT_EQ(Eval("arctan2(1,0)"), kPi / 2);
  EXPECT_EQ(Eval("arctan2(0,-1)"), kPi);
  EXPECT_EQ(Eval("arcctg(x)", {{"x", 0}}), 1.5707963267948966193L);
  EXPECT_EQ(Eval("arctanh(x)", {{"x", 1}}), kTanhLimit);
  EXPECT_EQ(Eval("arctanh(x)", {{"x", -3}}), -kTanhLimit);
  EXPECT_EQ(Eval("arccosh(x)", {{"x", 0.5L}}), 0);
  EXPECT_EQ(Eval("tanh(x)", {{"x", 10000}}), 1);
  EXPECT_EQ(Eval("tanh(x)", {{"x", -10000}}), -1);
  EXPECT_EQ(Eval("log(100)"), 2);
  EXPECT_EQ(Eval("log2(8)"), 3);
  EXPECT_NEAR(Eval("ln(e)"), 1, 1e-18);
  EXPECT_EQ(Eval("arcsin(x)", {{"x", 1}}), kPi / 2);
  EXPECT_EQ(Eval("arcsin(x)", {{"x", -1}}), -kPi / 2);
  EXPECT_EQ(Eval("arccos(x)", {{"x", -1}}), kPi);
  EXPECT_EQ(Eval("arcsinh(x)", {{"x", 0}}), 0);
  EXPECT_NEAR(Eval("arcsinh(x)", {{"x", -2e10L}}), -std::log(4e10L), 1e-15);
  EXPECT_NEAR(Eval("arccosh(x)", {{"x", 2e10L}}), std::log(4e10L), 1e-15);
  EXPECT_EQ(Eval("sqr3(x)", {{"x", -2}}), -8);
  EXPECT_EQ(Eval("sqr4(x)", {{"x", -2}}), 16);
  EXPECT_EQ(Eval("rev(x)", {{"x", 4}}), 0.25L);
  EXPECT_EQ(Eval("rev(0)"), INFINITY);
  // Huge angles are reduced instead of coming back unchanged.
  const Extended big = 1e30L;
  EXPECT_LE(std::fabs(Eval("sin(x)", {{"x", big}})), 1);
  EXPECT_LE(std::fabs(Eval("cos(x)", {{"x", -big}})), 1);
}

TEST(TCompileFunctions, DomainFaults) {
  const struct {
    const char* formula;
    Extended x;
    const char* outcome;
  } cases[] = {
      {"sqrt(x)", -1, "invalid"},
      {"ln(x)", 0, "zero"},
      {"ln(x)", -1, "invalid"},
      {"log(x)", -1, "invalid"},
      {"log2(x)", 0, "zero"},
      {"rev(x)", 0, "zero"},
      {"ctg(x)", 0, "zero"},
      {"csc(x)", 0, "zero"},
      {"arcsin(x)", 1.5L, "invalid"},
      {"arccos(x)", -2, "invalid"},
      {"arcsec(x)", 0, "zero"},
      {"arccsc(x)", 0, "zero"},
      {"exp(x)", 11400, "overflow"},
      {"sinh(x)", 12000, "overflow"},
      {"cosh(x)", 12000, "overflow"},
      // e^x underflows to 0 and 1/e^x divides by it.
      {"cosh(x)", -12000, "zero"},
      {"arccsch(x)", 0, "zero"},
      {"arcsech(x)", 2, "invalid"},
      {"arccoth(x)", 1, "zero"},
      {"arccoth(x)", 0.5L, "invalid"},
      {"sin(x)", INFINITY, "invalid"},
      {"x<1", NAN, "invalid"},
      {"csch(x)", 0, "zero"},
      {"ctgh(x)", 0, "zero"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Outcome(c.formula, {{"x", c.x}}), c.outcome) << c.formula << " at " << (double)c.x;
  }
  EXPECT_EQ(Outcome("arccosh(x)", {{"x", -5}}), "ok");
  EXPECT_EQ(Outcome("tanh(x)", {{"x", 1e6L}}), "ok");
  EXPECT_EQ(Outcome("max(x,1)", {{"x", NAN}}), "ok");
}

// Functions of one parameter against long double references.
TEST(TCompileFunctions, AgreeWithReferences) {
  using F = std::function<Extended(Extended)>;
  const struct {
    const char* formula;
    F reference;
    std::vector<Extended> xs;
    long double ulps;
  } cases[] = {
      {"sin(x)", [](Extended x) { return std::sin(x); }, {0.1L, 0.7L, 1.3L, -2.2L, 5.5L}, 4},
      {"cos(x)", [](Extended x) { return std::cos(x); }, {0.1L, 0.7L, 1.3L, -2.2L, 5.5L}, 4},
      {"tan(x)", [](Extended x) { return std::tan(x); }, {0.1L, 0.7L, 1.3L, -2.2L}, 4},
      {"tg(x)", [](Extended x) { return std::tan(x); }, {0.4L}, 4},
      {"ctg(x)", [](Extended x) { return 1 / std::tan(x); }, {0.1L, 0.7L, -2.2L}, 4},
      {"cot(x)", [](Extended x) { return 1 / std::tan(x); }, {0.4L}, 4},
      {"sec(x)", [](Extended x) { return 1 / std::cos(x); }, {0.1L, 0.7L, -2.2L}, 4},
      {"csc(x)", [](Extended x) { return 1 / std::sin(x); }, {0.1L, 0.7L, -2.2L}, 4},
      {"exp(x)", [](Extended x) { return std::exp(x); }, {-3.3L, -0.5L, 0.25L, 1, 7.5L}, 16},
      {"ln(x)", [](Extended x) { return std::log(x); }, {0.3L, 2, 10, 1e100L}, 4},
      {"log10(x)", [](Extended x) { return std::log10(x); }, {0.3L, 2, 1e100L}, 4},
      {"log2(x)", [](Extended x) { return std::log2(x); }, {0.3L, 3, 1e100L}, 4},
      {"sqrt(x)", [](Extended x) { return std::sqrt(x); }, {0.3L, 2, 1e100L}, 0},
      {"abs(x)", [](Extended x) { return std::fabs(x); }, {-0.3L, 2}, 0},
      {"sqr(x)", [](Extended x) { return x * x; }, {-0.3L, 2}, 0},
      {"arcsin(x)", [](Extended x) { return std::asin(x); }, {-0.9L, -0.2L, 0.5L}, 8},
      {"arccos(x)", [](Extended x) { return std::acos(x); }, {-0.9L, -0.2L, 0.5L}, 8},
      {"arctan(x)", [](Extended x) { return std::atan(x); }, {-9, -0.2L, 0.5L}, 4},
      {"arctg(x)", [](Extended x) { return std::atan(x); }, {0.5L}, 4},
      {"arcsec(x)", [](Extended x) { return std::acos(1 / x); }, {-3, 1.5L}, 8},
      {"arccsc(x)", [](Extended x) { return std::asin(1 / x); }, {-3, 1.5L}, 8},
      {"arcctg(x)", [](Extended x) { return std::atan(1 / x); }, {-3, 1.5L}, 4},
      {"arccot(x)", [](Extended x) { return std::atan(1 / x); }, {1.5L}, 4},
      {"sinh(x)", [](Extended x) { return std::sinh(x); }, {-3.3L, 0.9L, 6}, 16},
      {"cosh(x)", [](Extended x) { return std::cosh(x); }, {-3.3L, 0.1L, 6}, 16},
      {"tanh(x)", [](Extended x) { return std::tanh(x); }, {-3.3L, 0.9L, 6}, 16},
      {"tgh(x)", [](Extended x) { return std::tanh(x); }, {0.9L}, 16},
      {"csch(x)", [](Extended x) { return 1 / std::sinh(x); }, {-3.3L, 0.9L}, 16},
      {"sech(x)", [](Extended x) { return 1 / std::cosh(x); }, {-3.3L, 0.9L}, 16},
      {"ctgh(x)", [](Extended x) { return 1 / std::tanh(x); }, {-3.3L, 0.9L}, 16},
      {"coth(x)", [](Extended x) { return 1 / std::tanh(x); }, {0.9L}, 16},
      {"arcsinh(x)", [](Extended x) { return std::asinh(x); }, {-3.3L, 0.9L, 1e6L}, 8},
      {"arccosh(x)", [](Extended x) { return std::acosh(x); }, {1.5L, 10, 1e6L}, 8},
      {"arctanh(x)", [](Extended x) { return std::atanh(x); }, {-0.7L, 0.3L}, 8},
      {"arctgh(x)", [](Extended x) { return std::atanh(x); }, {0.3L}, 8},
      {"arccsch(x)", [](Extended x) { return std::asinh(1 / x); }, {-3.3L, 0.9L}, 8},
      {"acsch(x)", [](Extended x) { return std::asinh(1 / x); }, {0.9L}, 8},
      {"arcsech(x)", [](Extended x) { return std::acosh(1 / x); }, {0.3L, 0.9L}, 8},
      {"asech(x)", [](Extended x) { return std::acosh(1 / x); }, {0.3L}, 8},
      {"arccoth(x)", [](Extended x) { return std::atanh(1 / x); }, {-3.3L, 1.5L}, 8},
      {"acoth(x)", [](Extended x) { return std::atanh(1 / x); }, {1.5L}, 8},
  };
  for (const auto& c : cases) {
    for (Extended x : c.xs) {
      const Extended got = Eval(c.formula, {{"x", x}});
      const Extended want = c.reference(x);
      EXPECT_LE(Ulps(got, want), c.ulps)
          << c.formula << " at " << (double)x << ": " << (double)got << " vs " << (double)want;
    }
  }
}

TEST(TCompileFunctions, BinaryFunctionsAgreeWithReferences) {
  const Extended xs[] = {0.3L, 1.7L, 12.5L};
  const Extended ys[] = {-2.5L, 0.4L, 3, 9.75L};
  for (Extended x : xs) {
    for (Extended y : ys) {
      const Bindings b = {{"x", x}, {"y", y}};
      EXPECT_LE(Ulps(Eval("x^y", b), std::pow(x, y)), 64) << (double)x << "^" << (double)y;
      EXPECT_EQ(Eval("x mod y", b), std::fmod(x, y));
      EXPECT_LE(Ulps(Eval("hypot(x,y)", b), std::hypot(x, y)), 2);
      EXPECT_LE(Ulps(Eval("arctan2(x,y)", b), std::atan2(x, y)), 4);
      EXPECT_EQ(Eval("x/y", b), x / y);
      EXPECT_EQ(Eval("x-y", b), x - y);
    }
  }
}

// Every entry of the table, folded over constants and run over parameters, gives one value.
TEST(TCompileFunctions, FoldedAndRunTimeValuesAgreeForEveryEntry) {
  int checked = 0;
  for (const FunctionEntry& entry : RealFunctionTable()) {
    const std::string name(entry.name.substr(1));
    if (name.rfind("TCMSYS_", 0) == 0 || name == "BRACKET") continue;
    const bool binary = entry.kind == 2;
    // These are defined for |x| >= 1 only.
    const bool outside =
        name == "ARCCOTH" || name == "ACOTH" || name == "ARCSEC" || name == "ARCCSC";
    const Extended x = outside ? 1.25L : 0.75L;
    const std::string constant =
        binary ? name + "(0.75,1.25)" : name + (outside ? "(1.25)" : "(0.75)");
    const std::string variable = binary ? name + "(x,y)" : name + "(x)";
    TCompile folded, runTime;
    runTime.FoldConstants(false);
    ASSERT_TRUE(folded.SetFormula(constant)) << constant << " " << folded.ErrorCode();
    ASSERT_TRUE(runTime.SetFormula(variable)) << variable;
    Bind(runTime, {{"x", x}, {"y", 1.25L}});
    if (name.rfind("RAND", 0) == 0 || name == "RND") {
      folded.SeedRandom(99);
      runTime.SeedRandom(99);
    }
    EXPECT_LE(Ulps(folded.CodeEntry(), runTime.CodeEntry()), name == "POWER" ? 4 : 0) << name;
    ++checked;
  }
  EXPECT_EQ(checked, 86 - 14);  // all but the internal names and the bracket
}

}  // namespace
}  // namespace zarnix
