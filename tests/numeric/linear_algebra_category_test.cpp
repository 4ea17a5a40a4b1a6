// The linear-algebra category on the worksheet: layouts of every operator, determinant mode,
// singular and non-square matrices, the complex branch and its triggers.
#include "numeric/linear_algebra_category.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class LinearAlgebraCategoryTest : public BenchTest {
 protected:
  void Run() {
    Workbench bench = Bench();
    HandleLinearAlgebra(bench);
  }
  Texts Row(int row, int first, int last) const {
    Texts cells;
    for (int col = first; col <= last; ++col) cells.push_back(grid.Cell(col, row));
    return cells;
  }
  Texts Column(int col, int first, int last) const {
    Texts cells;
    for (int row = first; row <= last; ++row) cells.push_back(grid.Cell(col, row));
    return cells;
  }
};

TEST_F(LinearAlgebraCategoryTest, InverseOfTwoByTwo) {
  FillSheet({{"逆矩阵"}, {"1", "2", ""}, {"3", "4", "^"}}, 3);
  Run();
  EXPECT_EQ(answer.Lines(), (Texts{"第一个矩阵的迹=5.000", "第一个矩阵的秩=2",
                                   "第一个2阶行列式（方阵）的值为：", "    D= -2.000"}));
  EXPECT_EQ(grid.ColCount(), 6);
  EXPECT_EQ(Row(1, 4, 5), (Texts{"-2.000", "1.000"}));
  EXPECT_EQ(Row(2, 4, 5), (Texts{"1.500", "-0.500"}));
  EXPECT_EQ(grid.DefaultColWidth(), 50);
  EXPECT_EQ(grid.ColWidth(0), 80);
}

TEST_F(LinearAlgebraCategoryTest, SystemDeterminantModeAndSingular) {
  FillSheet({{"方程组"}, {"2", "1", "", "5"}, {"1", "3", "=", "10"}}, 4);
  Run();
  EXPECT_EQ(answer.Lines()[2], "系数Ai组成的行列式的值：");
  EXPECT_EQ(answer.Lines()[3], "    D=5.000");
  EXPECT_EQ(grid.ColCount(), 6);
  EXPECT_EQ(Column(5, 0, 2), (Texts{"解", "1.000", "3.000"}));

  answer.Clear();
  FillSheet({{"行列式"}, {"2", "1", ""}, {"1", "3", "="}}, 3);
  Run();
  EXPECT_EQ(answer.Lines().size(), 4u);
  EXPECT_EQ(answer.Lines()[2], "2阶行列式的值：");
  EXPECT_EQ(answer.Lines()[3], "    D=5.000");
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.Cell(3, 0), "行列式的值");
  EXPECT_EQ(grid.Cell(3, 2), "5.000");

  answer.Clear();
  FillSheet({{"奇异"}, {"1", "2", "", "3"}, {"2", "4", "=", "6"}}, 4);
  Run();
  EXPECT_EQ(answer.Lines(), (Texts{"第一个矩阵的迹=5.000", "第一个矩阵的秩=1",
                                   "系数Ai组成的行列式的值：", "    D=0.000"}));
  EXPECT_EQ(Column(5, 1, 2), (Texts{"0.000", "0.000"}));
}

TEST_F(LinearAlgebraCategoryTest, ProductSumDifferenceScaleTranspose) {
  FillSheet({{"乘"}, {"1", "2", "", "1", "0", "2"}, {"3", "4", "*", "0", "1", "1"}}, 6);
  Run();
  EXPECT_EQ(grid.ColCount(), 2 + 2 * 3 + 2);
  EXPECT_EQ(Row(1, 6, 9), (Texts{"", "1", "2", "4"}));
  EXPECT_EQ(Row(2, 6, 9), (Texts{"", "3", "4", "10"}));

  FillSheet({{"减"}, {"1.5", "2", "", "0.25", "1"}, {"3", "4", "-", "1", "1"}}, 5);
  Run();
  EXPECT_EQ(grid.ColCount(), 8);
  EXPECT_EQ(Row(1, 6, 7), (Texts{"1.25", "1"}));
  EXPECT_EQ(Row(2, 6, 7), (Texts{"2", "3"}));

  FillSheet({{"数乘"}, {"1", "2", "", ""}, {"3", "4", ".", "0.5"}}, 4);
  Run();
  EXPECT_EQ(grid.ColCount(), 7);
  EXPECT_EQ(Row(1, 5, 6), (Texts{"0.5", "1"}));
  EXPECT_EQ(Row(2, 5, 6), (Texts{"1.5", "2"}));

  FillSheet({{"转置"}, {"1", "2", "3", ""}, {"4", "5", "6", "~"}}, 4);
  Run();
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(grid.ColCount(), 6);
  EXPECT_EQ(Column(4, 1, 3), (Texts{"1", "2", "3"}));
  EXPECT_EQ(Column(5, 1, 3), (Texts{"4", "5", "6"}));
}

TEST_F(LinearAlgebraCategoryTest, RefusedShapesEndWithAMessage) {
  FillSheet({{"非方阵"}, {"1", "2", "3", "", "1"}, {"4", "5", "6", "=", "2"}}, 5);
  EXPECT_THROW(Run(), Exception);
  EXPECT_EQ(answer.Lines().size(), 2u);  // rank and trace stay
  EXPECT_EQ(grid.ColCount(), 5);

  FillSheet({{"缺行"}, {"1", "2", "", "1"}, {"3", "4", "*", ""}}, 4);
  EXPECT_THROW(Run(), Exception);
  EXPECT_EQ(grid.ColCount(), 4);

  FillSheet({{"坏数"}, {"1", "x2", ""}, {"3", "4", "^"}}, 3);
  try {
    Run();
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'x2' is not a valid floating point value");
  }
}

TEST_F(LinearAlgebraCategoryTest, OneRowAndNoOperator) {
  FillSheet({{"一行"}, {"1", "2", "^"}}, 3);
  Run();
  EXPECT_TRUE(answer.Lines().empty());
  EXPECT_EQ(grid.ColCount(), 3);

  FillSheet({{"无运算"}, {"1", "2"}, {"3", "4"}}, 2);
  Run();
  EXPECT_EQ(answer.Lines().size(), 2u);
  EXPECT_EQ(grid.ColCount(), 3);  // one column added for the operator
}

TEST_F(LinearAlgebraCategoryTest, ComplexBranch) {
  FillSheet({{"复数"}, {"0", "i", ""}, {"i", "0", "^"}}, 3);
  Run();
  EXPECT_EQ(answer.Lines(), (Texts{"第一个2阶行列式（方阵）的值为：", "    D= 1.000"}));
  EXPECT_EQ(Row(1, 4, 5), (Texts{"0", "-1.000*i"}));
  EXPECT_EQ(Row(2, 4, 5), (Texts{"-1.000*i", "0"}));

  // sin(1) holds an i: the whole task is complex, with no rank or trace lines.
  answer.Clear();
  FillSheet({{"含sin"}, {"sin(1)", "1", "", "2"}, {"1", "1", "=", "3"}}, 4);
  Run();
  EXPECT_EQ(answer.Lines()[0], "系数Ai构成的2阶行列式的值为：");
  EXPECT_EQ(Column(5, 0, 2), (Texts{"解", "6.308", "-3.308"}));

  FillSheet({{"无解"}, {"i", "i", "", "1"}, {"1", "1", "=", "2"}}, 4);
  Run();
  EXPECT_EQ(ui.Messages(), (Texts{"无解"}));
  EXPECT_EQ(grid.Cell(5, 0), "解");

  answer.Clear();
  FillSheet({{"和"}, {"1+i", "2", "", "i", "1"}, {"3", "4", "+", "1", "1-i"}}, 5);
  Run();
  EXPECT_EQ(Row(1, 6, 7), (Texts{"1.000+2.000*i", "3.000"}));
  EXPECT_EQ(Row(2, 6, 7), (Texts{"4.000", "5.000-1.000*i"}));
}

TEST_F(LinearAlgebraCategoryTest, RejectedComplexCellStopsQuietly) {
  FillSheet({{"错"}, {"i+(", "1", "", "1"}, {"1", "1", "=", "2"}}, 4);
  Run();
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_TRUE(answer.Lines().empty());
  EXPECT_EQ(grid.Cell(5, 0), "");
}

}  // namespace
}  // namespace zarnix
