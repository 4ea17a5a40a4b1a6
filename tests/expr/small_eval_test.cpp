// Tests of the small formula evaluator: the reduced vocabulary, the shared precedence quirks
// and the power rule.
#include "expr/small_eval.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "base/scripted_ui.h"
#include "expr/tree_eval_math.h"

namespace zarnix {
namespace {

class SmallEvalTest : public ::testing::Test {
 protected:
  // a = 1, b = 2, c = 3.
  Extended Eval(std::string_view formula) {
    std::vector<Extended> values(26, 0);
    values[0] = 1, values[1] = 2, values[2] = 3;
    return EvalSimpleFormula(ui, formula, values);
  }

  ScriptedUi ui;
};

TEST_F(SmallEvalTest, ArithmeticWithTheTreeEvaluatorsPrecedence) {
  EXPECT_EQ(Eval("a+b*c"), 7);
  EXPECT_EQ(Eval("2^3^2"), 64);
  EXPECT_EQ(Eval("-a"), -1);
  EXPECT_EQ(Eval("2*-3"), -3);
  EXPECT_EQ(Eval("(A+B)*C"), 9);
  EXPECT_EQ(Eval("8/4/2"), 1);
  EXPECT_EQ(Eval("1.5e1"), 15);
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(SmallEvalTest, FunctionsConstantsAndOperatorWordsAreNotRecognised) {
  EXPECT_EQ(Eval("sin(a)"), 0);
  EXPECT_EQ(Eval("pi"), 0);
  EXPECT_EQ(Eval("rnd"), 0);
  EXPECT_EQ(Eval("5 div 2"), 0);
  EXPECT_EQ(Eval("7\\2"), 0);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(5, "表达式错误"));
}

TEST_F(SmallEvalTest, PowerOfANegativeBaseNeedsAWholeExponent) {
  try {
    Eval("(-8)^(1/3)");
    FAIL() << "no error";
  } catch (const EFormulaError& e) {
    EXPECT_EQ(e.Message(), "计算x^y时，若x<=0，y必须为整数");
  }
  EXPECT_EQ(Eval("(0-2)^3"), -8);
}

TEST_F(SmallEvalTest, ShortArraysAndFaults) {
  const Extended two[] = {4, 5};
  EXPECT_EQ(EvalSimpleFormula(ui, "a*b+z", two), 20);
  EXPECT_EQ(EvalSimpleFormula(ui, "a", {}), 0);
  EXPECT_THROW(Eval("a/0"), EZeroDivide);

  // Parsed once, evaluated with different letters.
  const SmallEvaluator evaluator("a*a");
  EXPECT_EQ(evaluator.Evaluate(two), 16);
  const Extended three[] = {3};
  EXPECT_EQ(evaluator.Evaluate(three), 9);
}

}  // namespace
}  // namespace zarnix
