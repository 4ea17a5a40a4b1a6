// The common-formulas handler on small sheets: which cells form a row's list, the result
// formats, and rows whose formula fails.
#include "formulas/common_formulas.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class CommonFormulasTest : public BenchTest {
 protected:
  static constexpr int kResultCol = 8;

  void SetUp() override {
    grid.SetColCount(kResultCol + 1);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
  }
  // Column 1 the marker, column 3 the formula, parameters from column 4.
  int AddRow(const std::string& marker, const std::string& formula, const Texts& params) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(1, row, marker);
    grid.SetCell(3, row, formula);
    for (std::size_t i = 0; i < params.size(); ++i)
      grid.SetCell(4 + static_cast<int>(i), row, params[i]);
    return row;
  }
  void Run() {
    Workbench bench = Bench();
    HandleCommonFormulas(bench);
  }
  const std::string& Result(int row) const { return grid.Cell(kResultCol, row); }
};

TEST_F(CommonFormulasTest, ResultNameEqualsAndTheValueInTheRowsFormat) {
  const int plain = AddRow("1", "面积=长*宽", {"长:3", "宽:4"});
  const int money = AddRow("#2", "面积=长*宽", {"长:3", "宽:4"});
  const int large = AddRow("3", "Y=A*B", {"a:123.45", "b:100"});
  const int zero = AddRow("4", "零=0*x", {"x:5"});
  const int negative = AddRow("5", "差=a-b", {"a:1", "b:3"});
  const int small = AddRow("6", "s=1/x", {"x:2000"});
  Run();
  EXPECT_EQ(Result(plain), "面积=12.000");
  EXPECT_EQ(Result(money), "面积=12.00");
  // The label keeps the formula's own letters; the value goes scientific from 1000 up and at
  // 0.001 and below, zero and negative values included, with one digit more than selected.
  EXPECT_EQ(Result(large), "Y=1.2345E+004");
  EXPECT_EQ(Result(zero), "零=0.0000E+000");
  EXPECT_EQ(Result(negative), "差=-2.0000E+000");
  EXPECT_EQ(Result(small), "s=5.0000E-004");
  SetDecimals(5);
  Run();
  EXPECT_EQ(Result(large), "Y=1.234500E+004");
  EXPECT_EQ(Result(plain), "面积=12.00000");
  EXPECT_TRUE(answer.Empty());
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(CommonFormulasTest, ParametersMayUseEarlierOnesPiAndIntegerDivision) {
  const int circle = AddRow("1", "周长=pi*d", {"r:2", "d:2*r"});
  const int div = AddRow("2", "商=a\\b", {"a:7", "b:2"});
  const int power = AddRow("3", "质量=m", {"m:1.5e(3)/3"});
  Run();
  EXPECT_EQ(Result(circle), "周长=12.566");
  EXPECT_EQ(Result(div), "商=3.000");
  EXPECT_EQ(Result(power), "质量=500.000");
}

TEST_F(CommonFormulasTest, ParametersEndAtTheFirstEmptyCellAndNeverTakeTheResultCell) {
  // The cell after the gap and the old result would both be errors if they were read.
  const int row = AddRow("1", "y=x*2", {"x:4", "", "x:(", "", "y=12.000"});
  grid.SetCell(kResultCol, row, "y=old+");
  const int full = AddRow("2", "y=a+b+c+d", {"a:1", "b:2", "c:3", "d:4"});
  Run();
  EXPECT_EQ(Result(row), "y=8.000");
  EXPECT_EQ(Result(full), "y=10.000");
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(CommonFormulasTest, RowsWithoutAFormulaAreLeftAlone) {
  const int heading = AddRow("", "", {"x:1"});
  grid.SetCell(kResultCol, heading, "标题");
  const int blank = AddRow("7", "  ", {});
  Run();
  EXPECT_EQ(Result(heading), "标题");
  EXPECT_EQ(Result(blank), "");
}

TEST_F(CommonFormulasTest, AParameterWithEqualsStillShowsTheFormulasValue) {
  const int row = AddRow("1", "总=a+b", {"a=2", "b:3"});
  Run();
  EXPECT_EQ(Result(row), "总=5.000");
}

TEST_F(CommonFormulasTest, AFormulaWithoutEqualsShowsItsValueAlone) {
  const int row = AddRow("1", "a*b", {"a:2", "b:3"});
  Run();
  EXPECT_EQ(Result(row), "6.000");
}

TEST_F(CommonFormulasTest, ARejectedFormulaMarksItsRowAndTheOthersAreComputed) {
  const int bad = AddRow("1", "面积=长*宽", {"长:3"});  // 宽 is no parameter
  const int badParam = AddRow("2", "y=x", {"x:2*"});
  const int good = AddRow("3", "y=x+1", {"x:1"});
  Run();
  EXPECT_EQ(Result(bad), "面积=表达式错误");
  EXPECT_EQ(Result(badParam), "y=表达式错误");
  EXPECT_EQ(Result(good), "y=2.000");
  EXPECT_EQ(ui.Messages(), (Texts{"表达式错误", "表达式错误"}));
}

TEST_F(CommonFormulasTest, AFormulaBlankAfterItsEqualsGivesNoValueButATextInItsRow) {
  const int blank = AddRow("1", "面积=  ", {"长:3"});
  const int good = AddRow("2", "y=x+1", {"x:1"});
  Run();
  EXPECT_EQ(Result(blank), "面积=表达式错误");
  EXPECT_EQ(Result(good), "y=2.000");
}

TEST_F(CommonFormulasTest, AFloatingPointFaultEndsTheRunAfterTheRowsAbove) {
  const int first = AddRow("1", "y=x", {"x:1"});
  const int fault = AddRow("2", "y=1/x", {"x:0"});
  const int after = AddRow("3", "y=x", {"x:2"});
  grid.SetCell(kResultCol, fault, "y=old");
  EXPECT_THROW(Run(), EZeroDivide);
  EXPECT_EQ(Result(first), "y=1.000");
  EXPECT_EQ(Result(fault), "");
  EXPECT_EQ(Result(after), "");
}

TEST_F(CommonFormulasTest, ColumnWidthsFollowTheFont) {
  grid.SetFontSize(12);
  AddRow("1", "y=1", {});
  Run();
  EXPECT_EQ(grid.DefaultColWidth(), 60);
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(1), 96);
  EXPECT_EQ(grid.ColWidth(2), 126);
  EXPECT_EQ(grid.ColWidth(3), 192);
  EXPECT_EQ(grid.ColWidth(kResultCol), 96);
  EXPECT_EQ(grid.ColWidth(5), 60);
}

TEST_F(CommonFormulasTest, ANarrowTableGetsAResultColumn) {
  grid.SetColCount(4);
  const int row = AddRow("1", "y=2", {});
  Run();
  EXPECT_EQ(grid.ColCount(), 5);
  EXPECT_EQ(grid.Cell(4, row), "y=2.000");
  EXPECT_EQ(grid.Cell(3, row), "y=2");
}

}  // namespace
}  // namespace zarnix
