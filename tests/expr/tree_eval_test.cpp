// Tests of the tree formula evaluator: precedence by split order, the function table,
// unrecognised text, the power and factorial rules, faults, random numbers and the entries.
#include "expr/tree_eval.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/tree_eval_math.h"

namespace zarnix {
namespace {

constexpr Extended kPi = 3.1415926535897932385L;

class TreeEvalTest : public ::testing::Test {
 protected:
  EvalServices Services() { return EvalServices{ui, clock, random}; }

  // a = 1, b = 2, c = 3, x = 5 unless given.
  Extended Eval(std::string_view formula, std::vector<Extended> values = {}) {
    if (values.empty()) {
      values.assign(26, 0);
      values[0] = 1, values[1] = 2, values[2] = 3, values[23] = 5;
    }
    return EvalFormulaVars(Services(), formula, values);
  }

  ScriptedUi ui;
  ManualClock clock{45000.5};
  LcgRandom random;
};

const std::string kBadExpression = "表达式错误";

// Equal to a few units in the last place of an extended.
void ExpectClose(Extended actual, Extended expected, const char* what) {
  const Extended tolerance =
      4 * std::numeric_limits<Extended>::epsilon() * std::max<Extended>(1, std::fabs(expected));
  EXPECT_LE(std::fabs(actual - expected), tolerance)
      << what << ": " << static_cast<double>(actual) << " vs " << static_cast<double>(expected);
}

// ---- precedence: loosest operator first, rightmost occurrence, each entry its own level

TEST_F(TreeEvalTest, SplitOrderGivesPrecedenceAndLeftAssociation) {
  EXPECT_EQ(Eval("2+3*4"), 14);
  EXPECT_EQ(Eval("2^3^2"), 64);
  EXPECT_EQ(Eval("a-b+c"), 2);
  EXPECT_EQ(Eval("a-b-c"), -4);
  EXPECT_EQ(Eval("(2+3)*4"), 20);
  EXPECT_EQ(Eval("((2+3))*(4)"), 20);
  EXPECT_EQ(Eval(" 2 + 3 "), 5);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TreeEvalTest, MinusIsBinaryWithAnEmptyLeftSide) {
  EXPECT_EQ(Eval("-2^2"), -4);
  EXPECT_EQ(Eval("2*-3"), -3);  // (2*0)-3
  EXPECT_EQ(Eval("x^-1"), 0);   // (x^0)-1
  EXPECT_EQ(Eval("x^(-1)"), 0.2L);
  EXPECT_EQ(Eval("-x"), -5);
  EXPECT_EQ(Eval("-7 mod 3"), -1);  // 0 - (7 mod 3)
  EXPECT_EQ(Eval("-5"), -5);        // a whole number is a constant
}

TEST_F(TreeEvalTest, DivisionLevelsAndOperatorWords) {
  EXPECT_EQ(Eval("8/4\\2"), 4);  // 8/(4\2)
  EXPECT_EQ(Eval("7\\2"), 3);
  EXPECT_EQ(Eval("5 div 2"), 2);
  EXPECT_EQ(Eval("-7.5 div 2"), -3);  // 0 - (7.5 div 2)
  EXPECT_EQ(Eval("7 mod 3"), 1);
  EXPECT_EQ(Eval("7.5 mod 2"), 1.5L);
  EXPECT_EQ(Eval("1 or 0 + 1"), 2);   // "or" binds tighter than "+"
  EXPECT_EQ(Eval("2 and 1 * 5"), 5);  // (2 and 1) * 5
  EXPECT_EQ(Eval("2 * 1 and 3"), 2);  // "and" binds tighter than "*"
  EXPECT_EQ(Eval("1 xor 1"), 0);
  EXPECT_EQ(Eval("0 xor 2"), 1);
  EXPECT_EQ(Eval("1 shl 3"), 8);
  EXPECT_EQ(Eval("256 shr 4"), 16);
  EXPECT_EQ(Eval("1 shl 64"), 0);
  EXPECT_EQ(Eval("(0-1) shr 60"), 15);  // logical shift of the 64-bit pattern
}

TEST_F(TreeEvalTest, ComparisonsGiveOneOrZero) {
  EXPECT_EQ(Eval("2<>3"), 1);
  EXPECT_EQ(Eval("2=3"), 0);
  EXPECT_EQ(Eval("2<=2"), 1);
  EXPECT_EQ(Eval("3>=4"), 0);
  EXPECT_EQ(Eval("3>2"), 1);
  EXPECT_EQ(Eval("3<2"), 0);
  EXPECT_EQ(Eval("1+1=2"), 1);  // "=" is looser than "+"
  EXPECT_EQ(Eval("1<2=1"), 0);  // "<" is looser than "=": 1 < (2=1)
}

TEST_F(TreeEvalTest, OperatorWordsAreFoundInsideOtherWords) {
  // "x or y" loses its spaces and splits at the "xor" it now contains: 0 xor y.
  std::vector<Extended> values(26, 0);
  values[23] = 1;
  // The "xor" has no left operand, so the formula is flagged while it still counts 0.
  EXPECT_EQ(Eval("x or y", values), 0);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadExpression});
  ui.ClearLog();
  // The prefixes are tried before "or" and "and", which they contain.
  ExpectClose(Eval("dtor(180)"), kPi, "dtor(180)");
  ExpectClose(Eval("dtor(90)*2"), kPi, "dtor(90)*2");  // the prefix takes the whole rest
  EXPECT_TRUE(ui.Messages().empty());
}

// ---- functions

TEST_F(TreeEvalTest, FunctionNamesNeedNoBrackets) {
  EXPECT_EQ(Eval("sinx"), std::sin(5.0L));
  EXPECT_EQ(Eval("SIN(X)"), std::sin(5.0L));
  EXPECT_EQ(Eval("sqrtsqrt16"), 2);
  EXPECT_EQ(Eval("sqr3"), 9);
  EXPECT_EQ(Eval("sinc"), 1);  // "sinc" is the function, of an empty (zero) argument
}

struct FunctionCase {
  const char* formula;
  Extended expected;
};

TEST_F(TreeEvalTest, FunctionTable) {
  // clang-format off
  const FunctionCase cases[] = {
      {"not(0)", 1}, {"not(3)", 0}, {"sinc(0)", 1}, {"sinc(2)", std::sin(2.0L) / 2},
      {"sinh(1)", std::sinh(1.0L)}, {"cosh(1)", std::cosh(1.0L)}, {"tanh(1)", std::tanh(1.0L)},
      {"coth(1)", 1 / std::tanh(1.0L)}, {"cos(1)", std::cos(1.0L)}, {"tan(1)", std::tan(1.0L)},
      {"cot(1)", 1 / std::tan(1.0L)}, {"sqrt(2)", std::sqrt(2.0L)},
      {"arcsinh(1)", std::asinh(1.0L)}, {"arccosh(2)", std::acosh(2.0L)},
      {"arctanh(0.5)", std::atanh(0.5L)}, {"arccoth(2)", std::atanh(0.5L)},
      {"arcsin(0.5)", std::asin(0.5L)}, {"arccos(0.5)", std::acos(0.5L)},
      {"arctan(1)", std::atan(1.0L)}, {"arccot(2)", std::atan(0.5L)}, {"heavy(0)", 0},
      {"heavy(0.1)", 1}, {"sgn(0-3)", -1}, {"sgn(0)", 0}, {"sgn(2)", 1}, {"frac(2.75)", 0.75L},
      {"frac(0-2.75)", -0.75L}, {"exp(1)", std::exp(1.0L)}, {"abs(0-4)", 4}, {"trunc(2.9)", 2},
      {"trunc(0-2.9)", -2}, {"ln(1)", 0}, {"odd(3)", 1}, {"odd(4.9)", 0}, {"pred(3.7)", 2},
      {"succ(3.7)", 4}, {"round(2.5)", 2}, {"round(3.5)", 4}, {"round(2.6)", 3},
      {"int(0-2.9)", -2}, {"fac(5)", 120}, {"fac(0)", 1}, {"fac(2.7)", 2}, {"fac(0.5)", 1},
      {"log10(1000)", 3}, {"rev(4)", 0.25L}, {"sech(1)", 1 / std::cosh(1.0L)},
      {"csch(1)", 1 / std::sinh(1.0L)}, {"arcsech(0.5)", std::acosh(2.0L)},
      {"arccsch(2)", std::asinh(0.5L)}, {"sec(1)", 1 / std::cos(1.0L)},
      {"csc(1)", 1 / std::sin(1.0L)}, {"arcsec(2)", std::acos(0.5L)},
      {"arccsc(2)", std::asin(0.5L)}, {"rtod(pi)", 180}, {"pi", kPi},
  };
  // clang-format on
  for (const FunctionCase& c : cases) ExpectClose(Eval(c.formula), c.expected, c.formula);
  EXPECT_EQ(Eval("arcsec(0)"), std::numeric_limits<Extended>::infinity());
  EXPECT_EQ(Eval("arccsc(0)"), std::numeric_limits<Extended>::infinity());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TreeEvalTest, LibraryPowerRules) {
  EXPECT_EQ(Eval("0^0"), 1);
  EXPECT_EQ(Eval("0^3"), 0);
  EXPECT_EQ(Eval("(0-2)^3"), -8);  // whole exponents multiply, negative bases allowed
  EXPECT_EQ(Eval("2^(0-2)"), 0.25L);
  ExpectClose(Eval("2^0.5"), std::sqrt(2.0L), "2^0.5");
  EXPECT_EQ(evalmath::IntPower(3, 13), 1594323);
  EXPECT_EQ(evalmath::IntPower(2, INT32_MIN), 0);  // 1/2^(2^31) underflows to 0
}

// ---- failures

TEST_F(TreeEvalTest, UnrecognisedTextShowsOneMessagePerPieceAndCountsZero) {
  EXPECT_EQ(Eval("foo"), 0);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadExpression});
  ui.ClearLog();
  EXPECT_EQ(Eval("foo+2*bar+1"), 1);
  EXPECT_EQ(ui.Messages().size(), 2u);
  ui.ClearLog();
  EXPECT_EQ(Eval(""), 0);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TreeEvalTest, TyposAreFlaggedInsteadOfCountingSilently) {
  // Each of these once gave a number without a word: unpaired brackets, a missing operand,
  // a function without its argument, empty brackets, two numbers run together by a blank.
  for (const char* typo :
       {"((1", "1)", ")(", "1**2", "2+", "*3", "sin", "()", "2 3", "1. 5", "x+()", "2*(3)(4)"}) {
    ui.ClearLog();
    Eval(typo);
    EXPECT_FALSE(ui.Messages().empty()) << typo;
    for (const std::string& message : ui.Messages()) EXPECT_EQ(message, kBadExpression) << typo;
  }
  // What the evaluator's precedence gives a meaning to stays as it was, without a message.
  ui.ClearLog();
  EXPECT_EQ(Eval("2*-3"), -3);
  EXPECT_EQ(Eval("x^-1"), 0);
  EXPECT_EQ(Eval("-x"), -5);
  EXPECT_EQ(Eval("+x"), 5);
  EXPECT_EQ(Eval("2 + 3 * x"), 17);
  EXPECT_EQ(Eval("x mod 3"), 2);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(TreeEvalTest, NumberWithNegativeExponentStandsAloneOnly) {
  EXPECT_EQ(Eval("1e-5"), 0.00001L);
  EXPECT_EQ(Eval("x*(1e-5)"), 5 * 0.00001L);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(Eval("x*1e-5"), -5);  // (x*"1e") - 5, and "1e" is not recognised
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadExpression});
}

TEST_F(TreeEvalTest, PowerAndFactorialRulesEndTheCalculationWithTheirMessage) {
  try {
    Eval("(-8)^(1/3)");
    FAIL() << "no error";
  } catch (const EFormulaError& e) {
    EXPECT_EQ(e.Message(), "计算x^y时，若x<=0，y必须为整数");
  }
  EXPECT_THROW(Eval("0^0.5"), EFormulaError);
  try {
    Eval("fac(0-1)");
    FAIL() << "no error";
  } catch (const EFormulaError& e) {
    EXPECT_EQ(e.Message(), "计算阶乘时，x不能小于0");
  }
  // The evaluator keeps working afterwards.
  EXPECT_EQ(Eval("2^3"), 8);
}

TEST_F(TreeEvalTest, FloatingPointFaultsReachTheCaller) {
  EXPECT_THROW(Eval("1/0"), EZeroDivide);
  EXPECT_THROW(Eval("1\\0"), EZeroDivide);
  EXPECT_THROW(Eval("5 mod 0"), EZeroDivide);
  EXPECT_THROW(Eval("ln(0)"), EZeroDivide);
  EXPECT_THROW(Eval("sqrt(0-1)"), EInvalidOp);
  EXPECT_THROW(Eval("trunc(1e30)"), EInvalidOp);
  EXPECT_THROW(Eval("exp(20000)"), EOverflow);
  EXPECT_THROW(Eval("fac(2000)"), EOverflow);
  EXPECT_THROW(Eval("fac(4e18)"), EOverflow);    // stops multiplying once it has overflowed
  EXPECT_THROW(Eval("fac(1e300)"), EInvalidOp);  // its count does not fit 64 bits
  EXPECT_EQ(Eval("1+1"), 2);                     // no fault flag is left behind
}

TEST_F(TreeEvalTest, NestingBeyondTheLimitIsAnErrorNotACrash) {
  // Brackets nest up to the limit; beyond it the formula is refused with the limit named.
  const int deep = FormulaEvaluator::kMaxDepth;
  EXPECT_EQ(Eval(std::string(deep, '(') + "1" + std::string(deep, ')')), 1);
  const int absurd = FormulaEvaluator::kMaxDepth * 10;
  try {
    Eval(std::string(absurd, '(') + "1" + std::string(absurd, ')'));
    FAIL() << "no error";
  } catch (const EFormulaError& e) {
    EXPECT_EQ(e.Message(), "表达式错误：括号或运算嵌套超过1000层");
  }

  const int justTooDeep = FormulaEvaluator::kMaxDepth + 10;
  std::string chain = "1";
  for (int i = 0; i < justTooDeep; ++i) chain += "+1";
  EXPECT_THROW(Eval(chain), EFormulaError);

  std::string shortChain = "1";
  for (int i = 0; i < 500; ++i) shortChain += "+1";
  EXPECT_EQ(Eval(shortChain), 501);

  std::string functions;
  for (int i = 0; i < justTooDeep; ++i) functions += "abs";
  EXPECT_THROW(Eval(functions + "(1)"), EFormulaError);
}

// ---- random numbers

TEST_F(TreeEvalTest, RandomNumbersAreReseededFromTheClockPerCall) {
  const Extended first = Eval("rnd");
  EXPECT_GE(first, 0);
  EXPECT_LT(first, 1);
  EXPECT_EQ(Eval("rnd"), first);  // same clock, same seed
  clock.SetNow(45000.75);
  EXPECT_NE(Eval("rnd"), first);
  EXPECT_NE(Eval("rnd-rnd"), 0);  // each node draws anew

  for (int ms = 0; ms < 200; ++ms) {
    clock.SetNow(45000.5 + ms / 86400000.0);
    const Extended die = Eval("random(6)");
    EXPECT_GE(die, 0);
    EXPECT_LE(die, 5);
    EXPECT_EQ(die, std::trunc(die));
    const Extended scaled = Eval("random(6.5)");
    EXPECT_GE(scaled, 0);
    EXPECT_LT(scaled, 6);
  }
}

// ---- entries

TEST_F(TreeEvalTest, EvalFormulaXYBindsLettersAndXYZ) {
  std::vector<Extended> values(26, 0);
  values[0] = 2;
  values[22] = 7;   // w
  values[23] = 99;  // ignored: x comes from the argument
  Extended result = -1;
  EvalFormulaXY(Services(), "a*x+w+y*z", values, 3, 4, 5, result);
  EXPECT_EQ(result, 2 * 3 + 7 + 4 * 5);

  // A short array: the missing letters are 0.
  const Extended two[] = {1, 2};
  EvalFormulaXY(Services(), "a+b+c+x", two, 10, 0, 0, result);
  EXPECT_EQ(result, 13);
  EvalFormulaXY(Services(), "c", {}, 0, 0, 0, result);
  EXPECT_EQ(result, 0);
}

TEST_F(TreeEvalTest, EvalFormulaVarsTakesAllLettersFromTheArray) {
  std::vector<Extended> values(26);
  for (int i = 0; i < 26; ++i) values[i] = i + 1;
  EXPECT_EQ(EvalFormulaVars(Services(), "x+y+z", values), 24 + 25 + 26);
  EXPECT_EQ(EvalFormulaVars(Services(), "z", std::span(values).first(3)), 0);
}

TEST_F(TreeEvalTest, EvalFormulaGridVariesXFastestAndParsesOnce) {
  const Extended values[] = {100};
  const Extended xs[] = {1, 2, 3};
  const Extended ys[] = {10, 20};
  const Extended zs[] = {0, 1000};
  const std::vector<Extended> r = EvalFormulaGrid(Services(), "a+x+y+z+foo", values, xs, ys, zs);
  ASSERT_EQ(r.size(), 12u);
  EXPECT_EQ(r[0], 111);
  EXPECT_EQ(r[1], 112);
  EXPECT_EQ(r[3], 121);
  EXPECT_EQ(r[6], 1111);
  EXPECT_EQ(r[11], 1123);
  // The unrecognised piece was reported once for the whole grid.
  EXPECT_EQ(ui.Messages().size(), 1u);

  EXPECT_TRUE(EvalFormulaGrid(Services(), "x", values, xs, {}, zs).empty());
}

TEST_F(TreeEvalTest, EvalFormulaGridStopsAtAFault) {
  const Extended xs[] = {1, 0, 2};
  const Extended ys[] = {1};
  EXPECT_THROW(EvalFormulaGrid(Services(), "1/x", {}, xs, ys, ys), EZeroDivide);
  EXPECT_EQ(EvalFormulaGrid(Services(), "1/x", {}, ys, ys, ys).at(0), 1);
}

TEST_F(TreeEvalTest, EvaluatorIsParsedOnceAndReusable) {
  const FormulaEvaluator evaluator("a*x^2+1");
  LetterValues letters{};
  letters[0] = 3;
  for (int x = 0; x < 5; ++x) {
    letters[23] = x;
    EXPECT_EQ(evaluator.Evaluate(letters, random), 3 * x * x + 1);
  }
}

}  // namespace
}  // namespace zarnix
