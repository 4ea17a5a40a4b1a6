// Whole-number solutions of equations against counting the same box by hand, with points where
// the formula fails skipped rather than ending the search.
#include "discrete/fun_equation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "base/scripted_ui.h"

namespace zarnix {
namespace {

TEST(FunEquation, TheBoxShrinksWithTheLetters) {
  EXPECT_EQ(EquationRange(0), kMaxEquationRange);
  EXPECT_EQ(EquationRange(1), kMaxEquationRange);
  EXPECT_EQ(EquationRange(2), 249);
  EXPECT_EQ(EquationRange(3), 30);
  EXPECT_EQ(EquationRange(26), 0);
  EXPECT_EQ(EquationLetters("Z*x+y^2=X"), "xyz");
}

TEST(FunEquation, PellSolutionsInTheBox) {
  ScriptedUi ui;
  const std::vector<std::string> lines = EquationSolutionLines(ui, "x^2-2*y^2=1");
  // (x, y) = (1, 0), (3, 2), (17, 12), (99, 70) with every sign; 408 is beyond 249.
  EXPECT_EQ(lines.front(), "（各未知数取 -249～249 的整数）");
  EXPECT_EQ(lines.back(), "共14组解");
  EXPECT_EQ(lines[1], "x=-99,y=-70");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "x=17,y=12"), lines.end());
  EXPECT_TRUE(ui.Log().empty());
}

TEST(FunEquation, CountsAgreeWithTheBoxByHand) {
  ScriptedUi ui;
  std::int64_t expected = 0;
  for (int x = -30; x <= 30; ++x)
    for (int y = -30; y <= 30; ++y) expected += x + y >= -30 && x + y <= 30;
  EXPECT_EQ(EquationSolutionLines(ui, "x+y=z").back(), "共" + std::to_string(expected) + "组解");
  // x = 0 divides by zero, a negative x has no square root: both are simply no solution.
  EXPECT_EQ(EquationSolutionLines(ui, "1/x=1").back(), "共1组解");
  EXPECT_EQ(EquationSolutionLines(ui, "x^0.5=3"),
            (std::vector<std::string>{"（各未知数取 -1000～1000 的整数）", "x=9", "共1组解"}));
  // Without letters the count says whether the statement holds.
  EXPECT_EQ(EquationSolutionLines(ui, "2+2=4").back(), "共1组解");
  EXPECT_EQ(EquationSolutionLines(ui, "2+2=5").back(), "共0组解");
  EXPECT_TRUE(ui.Log().empty());
}

TEST(FunEquation, LongListsAndBadFormulas) {
  ScriptedUi ui;
  const std::vector<std::string> all = EquationSolutionLines(ui, "x=x");
  ASSERT_EQ(all.size(), 1 + kMaxListedSolutions + 2);
  EXPECT_EQ(all[all.size() - 2], "有1000组以上，只列出前1000组");
  EXPECT_EQ(all.back(), "共2001组解");
  EXPECT_TRUE(EquationSolutionLines(ui, "sin(x)=0").empty());
  ASSERT_FALSE(ui.Log().empty());
  EXPECT_EQ(ui.Log().front().text, "表达式错误");
  EXPECT_THROW(EquationSolutionLines(ui, "x=1=2"), Exception);
}

}  // namespace
}  // namespace zarnix
