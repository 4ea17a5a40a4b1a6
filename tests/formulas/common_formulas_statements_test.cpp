// Statement lists: the rewrites of an expression, the split into name and formula, and the
// evaluation in order with pi and the earlier names.
#include "formulas/common_formulas_statements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/random.h"
#include "base/scripted_ui.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;
using Values = std::vector<Extended>;

class StatementsTest : public ::testing::Test {
 protected:
  EvalServices Services() { return EvalServices{ui, clock, random}; }
  Values Eval(const Texts& statements) {
    const auto values = EvalStatementList(Services(), statements);
    EXPECT_TRUE(values) << statements.back();
    return values.value_or(Values{});
  }

  ScriptedUi ui;
  ManualClock clock{45000.5};
  LcgRandom random;
};

TEST(StatementTextTest, BackslashIsDivAndEBeforeABracketIsAPowerOfTen) {
  EXPECT_EQ(ExpandStatementText("7\\2"), "7 div 2");
  EXPECT_EQ(ExpandStatementText("1.5e(3)+x"), "1.5*10^(3)+x");
  EXPECT_EQ(ExpandStatementText("长e(-2)"), "长*10^(-2)");
  // A function word ending in e keeps its bracket.
  EXPECT_EQ(ExpandStatementText("heaviside(x)"), "heaviside(x)");
  // The second byte of a two-byte character is never read as "\" or "e".
  EXPECT_EQ(ExpandStatementText("乗+1"), "乗+1");
  EXPECT_EQ(ExpandStatementText("乪(1)"), "乪(1)");
}

TEST(StatementTextTest, SplitAtTheFirstEqualsElseAtTheFirstColon) {
  const Statement result = SplitStatement(" 面积 =长*宽:x");
  EXPECT_TRUE(result.result);
  EXPECT_EQ(result.name, "面积");
  EXPECT_EQ(result.formula, "长*宽:x");
  const Statement value = SplitStatement("r:2:3");
  EXPECT_FALSE(value.result);
  EXPECT_EQ(value.name, "r");
  EXPECT_EQ(value.formula, "2:3");
  const Statement bare = SplitStatement("1+2");
  EXPECT_EQ(bare.name, "");
  EXPECT_EQ(bare.formula, "1+2");
}

TEST_F(StatementsTest, EachStatementUsesPiAndTheNamesBeforeIt) {
  EXPECT_EQ(Eval({"r:2", "d:2*r", "周长=pi*d", "面积=pi*r^2"}),
            (Values{4 * 3.14159265358979323846L, 4 * 3.14159265358979323846L}));
  EXPECT_EQ(Eval({"a:7\\2", "b=a", "c=1.5e(3)"}), (Values{3, 1500}));
  // Names match without regard to case; blank formulas are skipped.
  EXPECT_EQ(Eval({"Kk:3", "x:", "y:  ", "z=kk*2"}), (Values{6}));
  // A statement without name still computes; only "=" statements are results.
  EXPECT_EQ(Eval({"5", "x=1"}), (Values{1}));
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(StatementsTest, ARejectedFormulaEndsTheListWithOneMessage) {
  EXPECT_FALSE(EvalStatementList(Services(), Texts{"a:1", "b=a+", "c=a"}));
  EXPECT_EQ(ui.Messages(), Texts{"表达式错误"});
  ui.ClearLog();
  // A statement cannot use its own name or a later one.
  EXPECT_FALSE(EvalStatementList(Services(), Texts{"x:x+1"}));
  EXPECT_FALSE(EvalStatementList(Services(), Texts{"y=z", "z:1"}));
  EXPECT_EQ(ui.Messages(), (Texts{"表达式错误", "表达式错误"}));

  StatementList list(Services());
  EXPECT_FALSE(list.Parse(Texts{"a:1", "b=sqrt(", "c=2"}));
  EXPECT_EQ(list.RejectedText(), "b=sqrt(");
}

TEST_F(StatementsTest, ParsedOnceAndEvaluatedWithAPresetCounter) {
  StatementList list(Services());
  ASSERT_TRUE(list.Parse(Texts{"kk:0", "n:5", "x=2*kk", "y=x+n"}));
  for (int k = 0; k < 4; ++k) {
    const Extended counter = k;
    EXPECT_EQ(list.Evaluate({&counter, 1}), (Values{2.0L * k, 2.0L * k + 5}));
  }
  EXPECT_EQ(list.Evaluate(), (Values{0, 5}));
}

TEST_F(StatementsTest, FloatingPointFaultsReachTheCaller) {
  EXPECT_THROW(EvalStatementList(Services(), Texts{"a:0", "b=1/a"}), EZeroDivide);
  EXPECT_THROW(EvalStatementList(Services(), Texts{"b=sqrt(-1)"}), EInvalidOp);
}

}  // namespace
}  // namespace zarnix
