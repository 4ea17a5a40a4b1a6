// Tests of TCalcExpress: tokens (Chinese names included), the grammar and its sign and power
// rules, the function words, rejected formulas and evaluation without a tree.
#include "expr/calc_express.h"

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

namespace zarnix {
namespace {

constexpr Extended kPi = 3.1415926535897932385L;
const std::string kBadExpression = "表达式错误";

class CalcExpressTest : public ::testing::Test {
 protected:
  CalcExpressTest() : calc(EvalServices{ui, clock, random}) { calc.SetVariables({"x", "y"}); }

  // x = 3, y = 2.
  Extended Eval(std::string_view formula) {
    calc.SetFormula(formula);
    const Extended values[] = {3, 2};
    return calc.Evaluate(values);
  }

  // True when the formula is rejected with one "表达式错误".
  bool Rejected(std::string_view formula) {
    ui.ClearLog();
    calc.SetFormula(formula);
    return !calc.HasTree() && ui.Messages() == std::vector<std::string>{kBadExpression};
  }
  // A valid formula nested too deep: its message names the limit.
  bool TooDeep(std::string_view formula) {
    ui.ClearLog();
    calc.SetFormula(formula);
    return !calc.HasTree() &&
           ui.Messages() == std::vector<std::string>{"表达式错误：括号或运算嵌套超过1000层"};
  }

  ScriptedUi ui;
  ManualClock clock{45000.5};
  LcgRandom random;
  TCalcExpress calc;
};

TEST_F(CalcExpressTest, StartsWithFormulaZero) {
  EXPECT_EQ(calc.Formula(), "0");
  EXPECT_TRUE(calc.HasTree());
  EXPECT_EQ(calc.Evaluate({}), 0);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CalcExpressTest, UsualPrecedenceAndLeftAssociativePowers) {
  EXPECT_EQ(Eval("2+3*4"), 14);
  EXPECT_EQ(Eval("(2+3)*4"), 20);
  EXPECT_EQ(Eval("x-y-1"), 0);
  EXPECT_EQ(Eval("12/3/2"), 2);
  EXPECT_EQ(Eval("x^2^3"), 729);  // (x^2)^3
  EXPECT_EQ(Eval("x^(-2)"), 1 / 9.0L);
  EXPECT_EQ(Eval("0^0"), 0);
  EXPECT_EQ(Eval("0^(-1)"), 0);
  EXPECT_EQ(Eval("7 mod 3"), 1);
  EXPECT_EQ(Eval("7 div 2"), 3);
  EXPECT_EQ(Eval("-7 div 2"), -3);
  EXPECT_EQ(Eval("2 * 3 MOD 4"), 2);  // left to right: (2*3) mod 4
  EXPECT_EQ(Eval("  X * Y "), 6);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(calc.Formula(), "  x * y ");
}

TEST_F(CalcExpressTest, SignsAndNegativeNumbers) {
  EXPECT_EQ(Eval("-2^2"), 4);  // "-2" at the start is a number
  EXPECT_EQ(Eval("- 2^2"), -4);
  EXPECT_EQ(Eval("-x^2"), -9);
  EXPECT_EQ(Eval("-x*y"), -6);
  EXPECT_EQ(Eval("+x"), 3);
  EXPECT_EQ(Eval("2*(-3)"), -6);
  EXPECT_EQ(Eval("(-x)*2"), -6);
  EXPECT_EQ(Eval("1-2"), -1);  // "-" after a number is the operator
  EXPECT_TRUE(Rejected("2*-3"));
  EXPECT_TRUE(Rejected("1+-2"));
}

TEST_F(CalcExpressTest, ChineseVariableNames) {
  calc.SetVariables({"半径", "高"});
  calc.SetFormula("3.14159*半径^2*高");
  ASSERT_TRUE(calc.HasTree());
  const Extended values[] = {2, 10};
  EXPECT_NEAR(static_cast<double>(calc.Evaluate(values)), 125.6636, 1e-12);

  // Two-byte characters are kept whole, even where the second byte looks like "^" or "A".
  calc.SetVariables({"\xB0\x5E", "\xB0\x41"});
  calc.SetFormula("\xB0\x5E*\xB0\x41");
  ASSERT_TRUE(calc.HasTree());
  EXPECT_EQ(calc.Evaluate(values), 20);
}

TEST_F(CalcExpressTest, VariablesMatchWithoutCaseAndFollowTheList) {
  calc.SetVariables({"Speed", "t"});
  calc.SetFormula("speed*T");
  const Extended values[] = {4, 5};
  EXPECT_EQ(calc.Evaluate(values), 20);
  // New names re-parse the formula, so indices follow the new order.
  calc.SetVariables({"t", "speed"});
  const Extended swapped[] = {5, 7};
  EXPECT_EQ(calc.Evaluate(swapped), 35);
  // Words with digits and quotes are names too.
  calc.SetVariables({"x1", "f'"});
  calc.SetFormula("x1+f'");
  EXPECT_EQ(calc.Evaluate(values), 9);
}

TEST_F(CalcExpressTest, FunctionWords) {
  struct Case {
    const char* formula;
    Extended expected;
  };
  // clang-format off
  const Case cases[] = {
      {"cos(0)", 1}, {"sin(0)", 0}, {"tg(1)", std::tan(1.0L)}, {"ctg(1)", 1 / std::tan(1.0L)},
      {"abs(-3)", 3}, {"sign(-3)", -1}, {"sgn(0)", 0}, {"sgn(2)", 1}, {"sqrt(16)", 4},
      {"sqr(3)", 9}, {"ln(1)", 0}, {"exp(0)", 1}, {"arcsin(1)", kPi / 2}, {"arccos(1)", 0},
      {"arctg(1)", kPi / 4}, {"arcctg(1)", kPi / 4}, {"sh(1)", std::sinh(1.0L)},
      {"ch(1)", std::cosh(1.0L)}, {"th(1)", std::tanh(1.0L)}, {"cth(1)", 1 / std::tanh(1.0L)},
      {"heaviside(0)", 1}, {"heaviside(-0.5)", 0}, {"sec(0)", 1},
      {"csc(1)", 1 / std::sin(1.0L)}, {"sech(0)", 1}, {"csch(1)", 1 / std::sinh(1.0L)},
      {"arcsh(1)", std::asinh(1.0L)}, {"arcch(2)", std::acosh(2.0L)},
      {"arcth(0.5)", std::atanh(0.5L)}, {"arcsec(1)", 0}, {"arccsc(1)", kPi / 2},
      {"arccth(2)", std::atanh(0.5L)}, {"arcsech(0.5)", std::acosh(2.0L)},
      {"arccsch(2)", std::asinh(0.5L)}, {"dtor(180)", kPi},
      {"rtod(3.1415926535897932385)", 180}, {"log10(1000)", 3}, {"int(-2.7)", -2},
      {"round(2.5)", 2}, {"round(-3.5)", -4}, {"rev(4)", 0.25L}, {"sin(x)^2+cos(x)^2", 1},
  };
  // clang-format on
  for (const Case& c : cases) {
    const Extended actual = Eval(c.formula);
    EXPECT_LE(std::fabs(actual - c.expected), 8 * std::numeric_limits<Extended>::epsilon() *
                                                  std::max<Extended>(1, std::fabs(c.expected)))
        << c.formula << " gave " << static_cast<double>(actual);
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(CalcExpressTest, IfShowsItsArgumentAndYieldsOne) {
  EXPECT_EQ(Eval("if(x/2)+1"), 2);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{"1.5"});
}

TEST_F(CalcExpressTest, RandomIsReseededFromTheClock) {
  const Extended first = Eval("random(6)");
  EXPECT_GE(first, 0);
  EXPECT_LE(first, 5);
  EXPECT_EQ(first, std::trunc(first));
  EXPECT_EQ(Eval("rnd(6)"), first);   // same millisecond, same draw
  EXPECT_EQ(Eval("random(0.4)"), 0);  // rounds to 0: nothing to draw from
}

TEST_F(CalcExpressTest, RejectedFormulas) {
  EXPECT_TRUE(Rejected("(1+2"));
  EXPECT_TRUE(Rejected("1+2)"));
  EXPECT_TRUE(Rejected("x^y"));  // exponent must be a number
  EXPECT_TRUE(Rejected("x^(1+1)"));
  EXPECT_TRUE(Rejected("x^-2"));
  EXPECT_TRUE(Rejected("x>1"));  // comparisons have no syntax
  EXPECT_TRUE(Rejected("x<1"));
  EXPECT_TRUE(Rejected("z+1"));    // neither a function nor a variable
  EXPECT_TRUE(Rejected("sin x"));  // a function needs "("
  EXPECT_TRUE(Rejected("2e"));     // a number ending in "e"
  EXPECT_TRUE(Rejected("2e+"));
  EXPECT_TRUE(Rejected("2 3"));
  EXPECT_TRUE(Rejected("2x"));
  EXPECT_TRUE(Rejected("x_1"));  // "_" is not part of a word
  EXPECT_TRUE(Rejected("mod(3)"));
  EXPECT_TRUE(Rejected(""));
  EXPECT_TRUE(Rejected("1e99999"));  // beyond the extended range
  // A rejected formula evaluates as 0 and is kept as text.
  EXPECT_EQ(calc.Evaluate({}), 0);
  EXPECT_EQ(calc.Formula(), "1e99999");
}

TEST_F(CalcExpressTest, DeepFormulasAreRejectedNotCrashed) {
  const int deep = TCalcExpress::kMaxDepth + 10;
  EXPECT_TRUE(TooDeep(std::string(deep, '(') + "1" + std::string(deep, ')')));
  std::string chain = "1";
  for (int i = 0; i < deep; ++i) chain += "+1";
  EXPECT_TRUE(TooDeep(chain));
  std::string fine = "1";
  for (int i = 0; i < 500; ++i) fine += "+1";
  EXPECT_EQ(Eval(fine), 501);
}

TEST_F(CalcExpressTest, ShortValueArraysReadAsZero) {
  calc.SetFormula("x+y+1");
  const Extended one[] = {5};
  EXPECT_EQ(calc.Evaluate(one), 6);
  EXPECT_EQ(calc.Evaluate({}), 1);
}

TEST_F(CalcExpressTest, FloatingPointFaultsReachTheCaller) {
  EXPECT_THROW(Eval("1/(x-3)"), EZeroDivide);
  EXPECT_THROW(Eval("ln(0)"), EZeroDivide);
  EXPECT_THROW(Eval("sqrt(-1)"), EInvalidOp);
  EXPECT_THROW(Eval("(-8)^0.5"), EInvalidOp);
  EXPECT_THROW(Eval("exp(20000)"), EOverflow);
  EXPECT_EQ(Eval("x+1"), 4);
}

}  // namespace
}  // namespace zarnix
