// The multivariate handler on data-set worksheets: which blocks it finds, the cells and lines it
// writes, a second run on its own output, and the failures.
#include "numeric/multivariate_category.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "base/errors.h"
#include "numeric/multivariate.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Rows = std::vector<std::vector<std::string>>;

const Rows kTable = {
    {"title"},
    {"y\\x", "1", "2", "3", "4"},
    {"1", "3", "5", "7", "9"},
    {"2", "4", "6", "8", "10"},
    {"3", "5", "7", "9", "11"},
    {"4", "6", "8", "10", "12"},
    {},
    {"插值点X;Y", "1.5;2.5", "4;1", "0;0"},
    {"插值结果"},
};

const Rows kRegression = {
    {"title"},
    {"多元函数表", "1", "2", "3", "4", "5"},
    {"Y", "1", "4", "2", "7", "6"},
    {"X1", "0", "1", "2", "3", "4"},
    {"X2", "0", "-1", "3", "0", "3"},
    {},
};

const Rows kBatch = {
    {"title"},
    {"三元函数批量计算"},
    {"公式", "a*x+b*y+z"},
    {"系数", "10", "100"},
    {"x", "1", "2", "3"},
    {"y", "1", "2"},
    {"z"},
};

class MultivariateSheet : public BenchTest {
 protected:
  void Run(const Rows& rows, int colCount) {
    FillSheet(rows, colCount);
    Run();
  }
  void Run() {
    Workbench bench = Bench();
    HandleMultivariateRegression(bench);
  }
  int Count(const std::string& line) const {
    return static_cast<int>(std::count(answer.Lines().begin(), answer.Lines().end(), line));
  }
  bool HasLine(const std::string& line) const { return Count(line) > 0; }
  std::vector<std::string> Row(int row, int from, int to) const {
    std::vector<std::string> cells;
    for (int col = from; col <= to; ++col) cells.push_back(grid.Cell(col, row));
    return cells;
  }
};

TEST_F(MultivariateSheet, TwoVariableTableInterpolatesAndFitsOrdersOneAndTwo) {
  Run(kTable, 6);  // z = 2x + y on a 4 × 4 table
  EXPECT_EQ(Row(8, 1, 3), (std::vector<std::string>{"5.500", "9.000", "0.000"}));
  EXPECT_EQ(answer.Lines()[0], "二元函数回归方程");
  EXPECT_EQ(answer.Lines()[3], "+[C(2,0)+C(2,1)*Y+C(2,2)*Y^2]*X^2+...");
  EXPECT_TRUE(HasLine("1 阶回归方程各项系数"));
  EXPECT_TRUE(HasLine("2 阶回归方程各项系数"));
  EXPECT_FALSE(HasLine("3 阶回归方程各项系数"));
  // Exact data: the terms the plane lacks are 0, not rounding noise.
  EXPECT_EQ(Count("C(0,0)=0"), 2);
  EXPECT_EQ(Count("C(1,0)=2"), 2);
  EXPECT_EQ(Count("C(0,1)=1"), 2);
  EXPECT_EQ(Count("C(2,2)=0"), 1);
  EXPECT_EQ(Count("误差范围: "), 2);
  EXPECT_EQ(Count("0.000%  至 0.000%"), 2);
  EXPECT_EQ(Count("插值点函数回归值"), 2);
  EXPECT_EQ(Count("5.500"), 2);
}

TEST_F(MultivariateSheet, TooSmallATableSaysSo) {
  Rows rows = kTable;
  for (auto& row : rows)
    if (row.size() > 3) row.resize(3);  // two x values
  Run(rows, 6);
  EXPECT_TRUE(HasLine("数据太少！"));
  EXPECT_TRUE(HasLine("降低回归阶次再试。"));
  EXPECT_FALSE(HasLine("1 阶回归方程各项系数"));
}

TEST_F(MultivariateSheet, LogarithmicCornerAndBadCells) {
  Rows rows = kTable;
  rows[1][0] = "对数";
  rows[7] = {"插值点X;Y", "1.5;2.5"};
  Run(rows, 6);
  // ln z interpolated over ln x and ln y: close to the plane's 5.5, not on it.
  EXPECT_NE(grid.Cell(1, 8), "5.500");
  EXPECT_EQ(grid.Cell(1, 8).substr(0, 2), "5.");

  rows = kTable;
  rows[3][2] = "6,5";
  FillSheet(rows, 6);
  EXPECT_THROW(Run(), EConvertError);
  rows = kTable;
  rows[7][1] = "1.5";  // no ";"
  FillSheet(rows, 6);
  EXPECT_THROW(Run(), EConvertError);
}

TEST_F(MultivariateSheet, LogarithmicTableWithZeroPointStopsWithItsMessage) {
  Rows rows = kTable;
  rows[1][0] = "对数";
  FillSheet(rows, 6);
  try {
    Run();
    ADD_FAILURE() << "no error";
  } catch (const EMultivariateError& error) {
    EXPECT_EQ(error.Kind(), MultivariateError::kLogNonPositive);
  }
}

TEST_F(MultivariateSheet, RegressionWritesItsRowAndKeepsItOnTheNextRun) {
  Run(kRegression, 6);
  EXPECT_EQ(Row(5, 0, 5),
            (std::vector<std::string>{"回归值", "1.000", "4.000", "2.000", "7.000", "6.000"}));
  const std::vector<std::string> first = answer.Lines();
  EXPECT_EQ(first[0], "多元函数线性回归方程");
  EXPECT_EQ(first[2], "系数:");
  EXPECT_EQ(first[3], "  A0=1");
  EXPECT_EQ(first[4], "  A1=2");
  EXPECT_EQ(first[5], "  A2=-1");
  EXPECT_EQ(first[6], "偏相关系数:");
  EXPECT_EQ(first[9], "残差平方和:   Q=0.000");
  EXPECT_EQ(first[11], "复相关系数:   R=1.000");
  EXPECT_EQ(first[12], "回归平方和:   U=26.000");
  answer.Clear();
  Run();  // the "回归值" row is not a third variable
  EXPECT_EQ(answer.Lines(), first);
  EXPECT_EQ(grid.RowCount(), 6);
}

TEST_F(MultivariateSheet, SingularRegressionGetsAMessageInsteadOfCoefficients) {
  Rows rows = kRegression;
  rows[5] = {"X3", "0", "0", "5", "3", "7"};  // X1 + X2
  rows.push_back({"回归值", "9", "9", "9", "9", "9"});
  Run(rows, 6);
  EXPECT_TRUE(HasLine(MultivariateErrorText(MultivariateError::kSingular)));
  EXPECT_FALSE(HasLine("系数:"));
  EXPECT_EQ(Row(6, 0, 2), (std::vector<std::string>{"回归值", "", ""}));
}

TEST_F(MultivariateSheet, BatchTableOverEveryCombination) {
  Run(kBatch, 4);
  // z's list is empty: the single value 0. Rows: heading, z1, y1, y2.
  ASSERT_EQ(grid.RowCount(), 7 + 4);
  EXPECT_EQ(Row(7, 0, 3), (std::vector<std::string>{"批量计算结果", "x1=1", "x2=2", "x3=3"}));
  EXPECT_EQ(Row(8, 0, 1), (std::vector<std::string>{"z1=0", ""}));
  EXPECT_EQ(Row(9, 0, 3), (std::vector<std::string>{"y1=1", "110.000", "120.000", "130.000"}));
  EXPECT_EQ(Row(10, 0, 3), (std::vector<std::string>{"y2=2", "210.000", "220.000", "230.000"}));
  // Fewer values the next time: the old table goes.
  grid.SetCell(3, 4, "");
  grid.SetCell(1, 6, "0.5");
  grid.SetCell(2, 6, "1");
  Run();
  ASSERT_EQ(grid.RowCount(), 7 + 1 + 2 * 3);
  EXPECT_EQ(Row(7, 0, 3), (std::vector<std::string>{"批量计算结果", "x1=1", "x2=2", ""}));
  EXPECT_EQ(Row(12, 0, 2), (std::vector<std::string>{"y1=1", "111.000", "121.000"}));
  EXPECT_TRUE(answer.Lines().empty());
}

TEST_F(MultivariateSheet, BlocksAreFoundWhereverTheyStand) {
  // A regression block heading the sheet is no two-variable table, whatever its size.
  Rows rows = kRegression;
  rows.resize(12);
  Run(rows, 6);
  EXPECT_FALSE(HasLine("二元函数回归方程"));
  EXPECT_TRUE(HasLine("多元函数线性回归方程"));
  // All three one below the other.
  Rows all = kTable;
  all.push_back({});
  all.insert(all.end(), kRegression.begin() + 1, kRegression.end());
  all.insert(all.end(), kBatch.begin() + 1, kBatch.end());
  Run(all, 6);
  EXPECT_TRUE(HasLine("二元函数回归方程"));
  EXPECT_TRUE(HasLine("  A1=2"));
  EXPECT_EQ(grid.Cell(0, static_cast<int>(all.size())), "批量计算结果");
}

}  // namespace
}  // namespace zarnix
