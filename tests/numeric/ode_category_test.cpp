// The differential-equations category: the table layout every fifth step, flagged columns,
// parameters, and the inputs that end the run.
#include "numeric/ode_category.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class OdeCategoryTest : public BenchTest {
 protected:
  void Sheet(const std::string& h, const std::string& n, const std::string& parameters,
             const std::vector<Texts>& equations) {
    std::vector<Texts> rows = {
        {"方程组"}, {"步长h", "步数N", "参数"}, {h, n, parameters}, {"方程", "初值", "输出"}};
    rows.insert(rows.end(), equations.begin(), equations.end());
    FillSheet(rows, 3);
  }
  void Run() {
    Workbench bench = Bench();
    HandleOdeSystem(bench);
  }
  Texts Column(int col, int first, int last) const {
    Texts cells;
    for (int row = first; row <= last; ++row) cells.push_back(grid.Cell(col, row));
    return cells;
  }
};

TEST_F(OdeCategoryTest, ExponentialGrowthTable) {
  Sheet("0.1", "10", "", {{"y1'=y1", "1", "1"}});
  Run();
  EXPECT_EQ(grid.RowCount(), 1 + 2 + 7);
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cell(0, 6), "双击此格看图像");
  EXPECT_EQ(Column(1, 6, 9), (Texts{"T", "0.000", "0.500", "1.000"}));
  EXPECT_EQ(Column(2, 6, 9), (Texts{"y1", "1.000", "1.649", "2.718"}));
  EXPECT_TRUE(answer.Lines().empty());
  EXPECT_EQ(grid.ColWidth(2), 200);
}

TEST_F(OdeCategoryTest, TwelveStepsGiveThreeRows) {
  Sheet("0.1", "12", "", {{"y1'=y1", "1", "1"}});
  Run();
  EXPECT_EQ(grid.RowCount(), 1 + 2 + 7);
  EXPECT_EQ(Column(1, 7, 9), (Texts{"0.000", "0.500", "1.000"}));
}

TEST_F(OdeCategoryTest, OnlyFlaggedEquationsAreTabulated) {
  SetDecimals(4);
  Sheet("0.01", "500", "", {{"y1'=y2", "0", "1"}, {"y2'=-y1", "1", "0"}});
  Run();
  EXPECT_EQ(grid.ColCount(), 3);
  EXPECT_EQ(grid.Cell(2, 7), "y1");
  // Slot k holds the state after 5k steps: t = 0.5 in slot 10, t = 1 in slot 20.
  EXPECT_EQ(grid.Cell(2, 8 + 10), "0.4794");
  EXPECT_EQ(grid.Cell(2, 8 + 20), "0.8415");
  EXPECT_EQ(grid.Cell(3, 7), "");
}

TEST_F(OdeCategoryTest, ParametersBecomeLetters) {
  Sheet("0.1", "10", "k=2", {{"y1'=k*y1+0*sqrt(k)", "1", "1"}});
  Run();
  EXPECT_EQ(grid.Cell(2, 9), "7.389");  // e^2
  Sheet("0.1", "10", "k=2;m=-1", {{"y1'=k*y1", "1", "1"}, {"y2'=m*y2", "1", "1"}});
  Run();
  EXPECT_EQ(grid.ColCount(), 4);
  EXPECT_EQ(grid.Cell(3, 7), "y2");
  EXPECT_EQ(grid.Cell(3, 10), "0.368");  // e^-1
}

TEST_F(OdeCategoryTest, InputsThatEndTheRun) {
  Sheet("h", "10", "", {{"y1'=y1", "1", "1"}});
  EXPECT_THROW(Run(), EConvertError);
  Sheet("0.1", "10.5", "", {{"y1'=y1", "1", "1"}});
  EXPECT_THROW(Run(), EConvertError);
  Sheet("0.1", "10", "k=two", {{"y1'=y1", "1", "1"}});
  EXPECT_THROW(Run(), EConvertError);
  Sheet("0.1", "2000000000", "", {{"y1'=y1", "1", "1"}});
  EXPECT_THROW(Run(), Exception);
  Sheet("1", "100", "", {{"y1'=y1*y1", "1e1000", "1"}});
  EXPECT_THROW(Run(), EOverflow);
  EXPECT_EQ(grid.RowCount(), 5);  // nothing written
  Sheet("0.1", "10", "", {{"y1'=y1*(", "1", "1"}});
  Run();
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(grid.RowCount(), 5);
}

}  // namespace
}  // namespace zarnix
