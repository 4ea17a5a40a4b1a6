// The functions-and-curves handler: the extremum listing in the answer pane and the
// quadratic-equation blocks written into the worksheet, on small sheets of its own.
#include "formulas/functions_curves.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class FunctionsCurvesTest : public BenchTest {
 protected:
  void SetUp() override {
    grid.SetColCount(6);
    grid.SetRowCount(3);
    grid.SetFixedRows(2);
  }
  int AddRow(const Texts& cells) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    for (std::size_t c = 0; c < cells.size(); ++c)
      grid.SetCell(static_cast<int>(c) + 1, row, cells[c]);
    return row;
  }
  int AddQuadratic(const std::string& coefficients) {
    const int row = AddRow({"一般形式二次方程", "", "", coefficients});
    for (int i = 0; i < 6; ++i) AddRow({});
    return row;
  }
  void Run() {
    Workbench bench = Bench();
    HandleFunctionsCurves(bench);
  }
  const std::string& Cell(int col, int row) const { return grid.Cell(col, row); }
};

TEST_F(FunctionsCurvesTest, ExtremaOfEachFunctionRowUpToTheFirstEmptyOne) {
  AddRow({"三次", "y=x^3-3*x", "", "", "-3;3"});
  AddRow({"直线", "y=a*x", "", "2", "0;1"});
  AddRow({});
  AddRow({"不算", "y=x^2", "", "", "-1;1"});
  Run();
  EXPECT_EQ(answer.Lines(),
            (Texts{"函数在区间内的极值(只应用于直角坐标方程)", "", "三次的极大值点为：",
                   "-1.000,2.000", "三次的极小值点为：", "1.000,-2.000", "", "直线的极大值点为：",
                   "直线的极小值点为：", ""}));
  EXPECT_EQ(grid.Row(), 4);  // the last function row became the current row
}

TEST_F(FunctionsCurvesTest, ACircleIsAnEllipseDrawnBetweenItsRoots) {
  const int n = AddQuadratic("1;0;1;0;0;-4");
  Run();
  EXPECT_EQ(Cell(3, n), "有图区间：x=-2.000~2.000");
  EXPECT_EQ(Cell(1, n + 1), "椭圆1");
  EXPECT_EQ(Cell(2, n + 1), "y1=a*x+b+sqrt(c*x^2+d*x+e)");
  EXPECT_EQ(Cell(2, n + 2), "y2=a*x+b-sqrt(c*x^2+d*x+e)");
  EXPECT_EQ(Cell(4, n + 1), "0.000;0.000;-1.000;0.000;4.000");
  EXPECT_EQ(Cell(5, n + 1), "-1.990;1.990");
  EXPECT_EQ(Cell(1, n + 5), "旋转0.000度");
  EXPECT_EQ(Cell(1, n + 6), "坐标平移至(0.000,0.000)");
}

TEST_F(FunctionsCurvesTest, DegenerateConicsAreNamedByWhatTheyAre) {
  const int lines = AddQuadratic("1;0;-1;0;0;0");
  const int point = AddQuadratic("1;0;1;0;0;0");
  const int none = AddQuadratic("1;0;1;0;0;1");
  Run();
  // x² − y² = 0 are the lines y = x and y = −x, not one line counted twice.
  EXPECT_EQ(Cell(1, lines + 1), "两条相交直线1");
  EXPECT_EQ(Cell(3, lines), "有图区间：x=-∞~∞");
  EXPECT_EQ(Cell(5, lines + 1), "-10;10");
  EXPECT_EQ(Cell(1, point + 1), "一点1");
  EXPECT_EQ(Cell(3, point), "只有一点(0.000,0.000)");
  EXPECT_EQ(Cell(2, point + 1), "");  // nothing to draw
  EXPECT_EQ(Cell(3, none), "无轨迹");
}

TEST_F(FunctionsCurvesTest, WithoutAYSquareTheCurveIsAQuotientOfPolynomials) {
  const int parabola = AddQuadratic("1;0;0;0;-1;0");   // y = x²
  const int hyperbola = AddQuadratic("0;1;0;0;0;-1");  // x·y = 1
  const int shifted = AddQuadratic("0;1;0;0;2;-1");    // y·(x + 2) = 1
  const int vertical = AddQuadratic("1;0;0;0;0;-4");   // x² = 4
  Run();
  EXPECT_EQ(Cell(1, parabola + 1), "抛物线");
  EXPECT_EQ(Cell(2, parabola + 1), "y1=-(a*x^2+d*x+f)/e");
  EXPECT_EQ(Cell(4, parabola + 1), "1;0;0;0;-1;0");
  EXPECT_EQ(Cell(1, hyperbola + 1), "双曲线");
  EXPECT_EQ(Cell(2, hyperbola + 1), "y1=-(a*x^2+d*x+f)/b/x");
  EXPECT_EQ(Cell(3, hyperbola), "有图区间：x<>0");
  EXPECT_EQ(Cell(2, shifted + 1), "y1=-(a*x^2+d*x+f)/(b*x+e)");
  EXPECT_EQ(Cell(3, shifted), "有图区间：x<>-2.000");
  EXPECT_EQ(Cell(1, vertical + 1), "两条平行直线1");
  EXPECT_EQ(Cell(3, vertical), "竖直线：x=-2.000; x=2.000");
}

TEST_F(FunctionsCurvesTest, ATurnedEllipseIsRotatedBackAndItsAxesWritten) {
  const int n = AddQuadratic("5;4;5;0;0;-9");
  Run();
  EXPECT_EQ(Cell(1, n + 5), "旋转45.000度");
  EXPECT_EQ(Cell(3, n + 5), "7.000*x^2+3.000*y^2-9.000=0");
  EXPECT_EQ(Cell(1, n + 3), "新X轴");
  EXPECT_EQ(Cell(4, n + 3), "1.000;0.000;0.000");
  EXPECT_EQ(Cell(4, n + 4), "-1.000;0.000;0.000");
}

TEST_F(FunctionsCurvesTest, AParabolaMovesToItsVertex) {
  const int n = AddQuadratic("1;0;0;-2;-1;3");  // y = x² − 2x + 3 = (x − 1)² + 2
  Run();
  EXPECT_EQ(Cell(1, n + 6), "坐标平移至(1.000,2.000)");
  EXPECT_EQ(Cell(3, n + 6), "1.000*x^2-1.000*y=0");
}

}  // namespace
}  // namespace zarnix
