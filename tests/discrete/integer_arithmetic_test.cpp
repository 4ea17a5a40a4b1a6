// The integer arithmetic handler on hostile parameters: values at the ends of 64 bits are
// clamped before any arithmetic, and impossible selections count zero.
#include "discrete/integer_arithmetic.h"

#include <gtest/gtest.h>

#include "support/item_sheet_fixture.h"

namespace zarnix {
namespace {

class IntegerArithmeticTest : public ItemSheetFixture {
 protected:
  void Run() {
    CloseItems();
    Workbench bench = Bench();
    HandleIntegerArithmetic(bench);
  }
  bool AnswerHas(const std::string& text) const {
    for (const std::string& line : answer.Lines())
      if (line.find(text) != std::string::npos) return true;
    return false;
  }
};

TEST_F(IntegerArithmeticTest, FormulaProductAndSumClampTheirStartAtTheEndsOf64Bits) {
  const int top = AddItem("15", "公式连加", {"y=x", "9223372036854775807", "20"});
  const int bottom = AddItem("14", "公式连乘", {"y=1", "-9223372036854775808", "3"});
  Run();
  EXPECT_EQ(Cell(5, top), "1000000000000000000");
  EXPECT_EQ(Cell(5, bottom), "-1000000000000000000");
  EXPECT_TRUE(AnswerHas("x=1000000000000000000→1000000000000000019"));
  // 20 terms from 10^18: 20·10^18 + 190.
  EXPECT_TRUE(AnswerHas("连加 y=x= 20000000000000000190"));
  EXPECT_TRUE(AnswerHas("连乘 y=1= 1"));
}

TEST_F(IntegerArithmeticTest, TakingMoreThanThereAreGivesZeroArrangementsAndSelections) {
  const int p = AddItem("11", "排列数P(n,m)", {"5", "7"});
  const int c = AddItem("12", "组合数C(n,m)", {"10", "11"});
  const int inside = AddItem("12", "组合数C(n,m)", {"10", "10"});
  Run();
  EXPECT_TRUE(AnswerHas("每次取出7个元素的排列数为 0"));
  EXPECT_TRUE(AnswerHas("每次取出11个元素的组合数为 0"));
  EXPECT_TRUE(AnswerHas("每次取出10个元素的组合数为 1"));
  EXPECT_EQ(Result(p), "1位");
  EXPECT_EQ(Result(c), "1位");
  EXPECT_EQ(Result(inside), "1位");
}

}  // namespace
}  // namespace zarnix
