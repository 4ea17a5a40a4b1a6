// The double-click producers: the regression curves beside the spline table, function
// curves (explicit, numbered, parametric, polar, an equation's left side), point lists, the
// clipboard texts they leave, and the worksheets they refuse to write into.
#include "plot/curve_tables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>

#include "base/clock.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/random.h"
#include "plot_fixture.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"

namespace zarnix {
namespace {

class CurveTablesTest : public PlotTest {
 protected:
  Workbench Bench() {
    return Workbench{grid,    answer, resultFormat, 3,      dataList,   ui,
                     &canvas, paths,  clock,        random, puzzleMode, timing};
  }

  // An item sheet: headings in rows 0 and 1, then the rows given (column 1 on), then "***".
  void Items(const std::vector<std::vector<std::string>>& rows) {
    grid = Worksheet();
    grid.SetColCount(7);
    grid.SetRowCount(static_cast<int>(rows.size()) + 6);
    grid.SetFixedRows(2);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
        grid.SetCell(c + 1, r + 2, rows[r][c]);
    endRow = static_cast<int>(rows.size()) + 2;
    grid.SetCell(1, endRow, "***");
  }

  void Click(int col, int row) {
    grid.SetCol(col);
    grid.SetRow(row);
  }

  PlotOutcome Functions(bool equationSheet = false) {
    Workbench bench = Bench();
    return PlotFunctionCurves(bench, Ports(), equationSheet);
  }
  PlotOutcome Points() {
    Workbench bench = Bench();
    return PlotPointLists(bench, Ports());
  }

  std::vector<std::vector<std::string>> AllCells() const {
    std::vector<std::vector<std::string>> cells;
    for (int r = 0; r < grid.RowCount(); ++r) {
      cells.emplace_back();
      for (int c = 0; c < grid.ColCount(); ++c) cells.back().push_back(grid.Cell(c, r));
    }
    return cells;
  }

  // Width and height of the pixels in the colour.
  std::pair<int, int> ExtentOf(Color color) {
    int left = INT_MAX, right = -1, top = INT_MAX, bottom = -1;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < 620; ++x) {
        if (Pixel(x, y) != color) continue;
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
    return {right - left, bottom - top};
  }

  AnswerPane answer;
  std::string resultFormat = "%.3f";
  std::vector<std::string> dataList;
  DataPaths paths;
  ManualClock clock{45000.5};
  LcgRandom random;
  int puzzleMode = 9;
  std::string timing;
  int endRow = -1;
};

// --- regression curves ---

class RegressionCurvesTest : public CurveTablesTest {
 protected:
  // Formula marker at row 5, the formulas from row 6, the spline table's marker at row q
  // with 501 rows x = 1 ... 6 and the spline's (here: 2 x + 1) values in column 2.
  void Sheet(const std::vector<std::vector<std::string>>& formulaRows, int q) {
    grid = Worksheet();
    grid.SetFixedCols(0);
    grid.SetColCount(10);
    grid.SetRowCount(q + 502);
    grid.SetFixedRows(1);
    grid.SetCell(0, 5, "双击以下回归公式看图象");
    for (int r = 0; r < static_cast<int>(formulaRows.size()); ++r)
      for (int c = 0; c < static_cast<int>(formulaRows[r].size()); ++c)
        grid.SetCell(c, 6 + r, formulaRows[r][c]);
    grid.SetCell(0, q, "双击此格看图像");
    grid.SetCell(1, q, "x");
    grid.SetCell(2, q, "三次样条插值");
    for (int j = 0; j <= 500; ++j) {
      const Extended x = 1 + 5.0L * j / 500;
      grid.SetCell(0, q + 1 + j, IntToStr(j));
      grid.SetCell(1, q + 1 + j, Format("%.8f", x));
      grid.SetCell(2, q + 1 + j, Format("%.8f", 2 * x + 1));
      grid.SetCell(3, q + 1 + j, "old");
    }
  }
  PlotOutcome Regression() {
    Workbench bench = Bench();
    return PlotRegressionCurves(bench, Ports());
  }
};

TEST_F(RegressionCurvesTest, FormulasFromTheClickedRowBesideTheSpline) {
  Sheet({{"a+b*x", "1", "2"}, {"a*x^2", "", "5"}, {"", ""}}, 20);
  Click(0, 6);
  ui.QueueAnswer("2");
  ASSERT_EQ(Regression(), PlotOutcome::kPlotted);
  EXPECT_EQ(ui.Log()[0].text, kRegressionCountCaption);
  EXPECT_EQ(ui.Log()[0].answer, "2");
  EXPECT_EQ(grid.RowCount(), 20 + 502);
  EXPECT_EQ(grid.Cell(1, 20), "x");
  EXPECT_EQ(grid.Cell(3, 20), "a+b*x");
  EXPECT_EQ(grid.Cell(4, 20), "a*x^2");
  EXPECT_EQ(grid.Cell(5, 20), "");
  // n, x, the spline kept in column 2, then a + b x (1 + 2 x) and a x^2 with a kept from
  // the row above (an empty coefficient cell).
  EXPECT_EQ(grid.Cell(0, 21 + 250), "250");
  EXPECT_EQ(grid.Cell(1, 21 + 250), "3.500");
  EXPECT_EQ(grid.Cell(2, 21 + 250), "8.00000000");
  EXPECT_EQ(grid.Cell(3, 21 + 250), "8.000");
  EXPECT_EQ(grid.Cell(4, 21 + 250), "12.250");
  EXPECT_EQ(grid.Cell(4, 21 + 500), "36.000");
  EXPECT_EQ(grid.Cell(5, 21 + 500), "");
  EXPECT_EQ(canvas.Picture().caption, "曲线1: 三次样条插值; 曲线2: a+b*x; 曲线3: a*x^2");
  EXPECT_EQ(grid.Cell(2, 1), "");  // row 1 back as it was
}

TEST_F(RegressionCurvesTest, TwelveCurvesAskedPlotNineFormulasAndTheSpline) {
  std::vector<std::vector<std::string>> rows;
  for (int i = 1; i <= 12; ++i) rows.push_back({"a+b*x", IntToStr(i), "1"});
  Sheet(rows, 26);
  Click(0, 6);
  ui.QueueAnswer("12");
  ASSERT_EQ(Regression(), PlotOutcome::kPlotted);
  EXPECT_EQ(grid.Cell(11, 26), "a+b*x");
  EXPECT_EQ(grid.Cell(12, 26), "");
  EXPECT_EQ(grid.Cell(11, 27), "10.000");  // the ninth formula: 9 + x at x = 1
  const std::string caption = canvas.Picture().caption;
  EXPECT_NE(caption.find("曲线10: a+b*x"), std::string::npos);
  EXPECT_EQ(caption.find("曲线11"), std::string::npos);
}

TEST_F(RegressionCurvesTest, OnlyFormulaRowsBetweenTheMarkersStartIt) {
  Sheet({{"a+b*x", "1", "2"}}, 20);
  Click(1, 6);  // not column 0
  EXPECT_EQ(Regression(), PlotOutcome::kNotMine);
  Click(0, 20);  // the spline marker holds no x
  EXPECT_EQ(Regression(), PlotOutcome::kNotMine);
  grid.SetCell(0, 4, "x");  // above the formula marker
  Click(0, 4);
  EXPECT_EQ(Regression(), PlotOutcome::kNotMine);
  EXPECT_TRUE(ui.Log().empty());
  // A count that is no whole number is a conversion error.
  Click(0, 6);
  ui.QueueAnswer("two");
  EXPECT_THROW(Regression(), EConvertError);
}

// --- function curves ---

TEST_F(CurveTablesTest, PolarCircleOfTwoHundredPoints) {
  Items({{"圆", "p=1", "", "", "0;6.2832"}});
  Click(2, 2);
  ASSERT_EQ(Functions(), PlotOutcome::kPlotted);
  EXPECT_EQ(ui.Log()[0].text, kCurvePointsCaption);
  EXPECT_EQ(ui.Log()[0].answer, "200");
  const int s = endRow;
  EXPECT_EQ(grid.RowCount(), s + 203);
  EXPECT_EQ(grid.Cell(1, s + 1), "x(双击此格看图像)");
  EXPECT_EQ(grid.Cell(2, s + 1), "圆");
  EXPECT_EQ(grid.Cell(0, s + 2), "0");
  EXPECT_EQ(grid.Cell(1, s + 2), "1.000");
  EXPECT_EQ(grid.Cell(2, s + 2), "0.000");
  EXPECT_EQ(grid.Cell(1, s + 52), "0.000");  // t = pi / 2
  EXPECT_EQ(grid.Cell(2, s + 52), "1.000");
  EXPECT_EQ(grid.Cell(0, s + 202), "200");
  EXPECT_EQ(grid.Cell(1, s + 202), "1.000");
  EXPECT_EQ(grid.Cell(3, s + 2), "");
  EXPECT_EQ(ui.ClipboardText().substr(0, 14), "X,1.000,1.000,");
  EXPECT_NE(ui.ClipboardText().find("\r\n圆,0.000,0.031,"), std::string::npos);
  // The label "圆" makes both steps equal: the circle is as wide as it is high.
  const auto [width, height] = ExtentOf(CurveColor(1));
  EXPECT_GT(width, 50);
  EXPECT_NEAR(width, height, 1);
}

TEST_F(CurveTablesTest, ParametricPairGivesTheSameCircle) {
  Items({{"参数", "x=cos(x)", "y=sin(x)", "", "0;6.2832"}, {"极坐标", "p=1", "", "", "0;6.2832"}});
  Click(2, 2);
  ui.QueueAnswer("100");
  ASSERT_EQ(Functions(), PlotOutcome::kPlotted);
  std::vector<std::string> parametric;
  for (int r = endRow + 2; r < grid.RowCount(); ++r)
    parametric.push_back(grid.Cell(1, r) + "," + grid.Cell(2, r));
  Click(2, 3);
  ui.QueueAnswer("100");
  ASSERT_EQ(Functions(), PlotOutcome::kPlotted);
  std::vector<std::string> polar;
  for (int r = endRow + 2; r < grid.RowCount(); ++r)
    polar.push_back(grid.Cell(1, r) + "," + grid.Cell(2, r));
  EXPECT_EQ(parametric.size(), 101u);
  EXPECT_EQ(parametric, polar);
}

TEST_F(CurveTablesTest, NumberedCurvesOfConsecutiveRowsWithTheirOwnParameters) {
  Items({{"抛物线", "y1=a*x^2", "", "2", "-1;1"}, {"立方", "y2=x^3+a", "", "10"}, {"", ""}});
  grid.SetCell(2, 4, "");
  Click(2, 2);
  ui.QueueAnswer("4");
  ASSERT_EQ(Functions(), PlotOutcome::kPlotted);
  const int s = endRow;
  EXPECT_EQ(grid.Cell(2, s + 1), "抛物线");
  EXPECT_EQ(grid.Cell(3, s + 1), "立方");
  EXPECT_EQ(grid.Cell(4, s + 1), "");
  // t = -1, -0.5, 0, 0.5, 1.
  EXPECT_EQ(grid.Cell(1, s + 3), "-0.500");
  EXPECT_EQ(grid.Cell(2, s + 3), "0.500");
  EXPECT_EQ(grid.Cell(3, s + 3), "9.875");
  EXPECT_EQ(ui.ClipboardText(),
            "X,-1.000,-0.500,0.000,0.500,1.000\r\n"
            "抛物线,2.000,0.500,0.000,0.500,2.000\r\n"
            "立方,9.000,9.875,10.000,10.125,11.000\r\n");
  EXPECT_EQ(canvas.Picture().caption, "曲线1: 抛物线; 曲线2: 立方");
}

TEST_F(CurveTablesTest, AnEquationSheetPlotsTheEquationsLeftSide) {
  Items({{"9", "超越方程", "x^2-a=0", "2", "0;2"}});
  Click(3, 2);
  ui.QueueAnswer("2");
  ASSERT_EQ(Functions(true), PlotOutcome::kPlotted);
  EXPECT_EQ(grid.Cell(2, endRow + 1), "9");
  EXPECT_EQ(grid.Cell(2, endRow + 2), "-2.000");
  EXPECT_EQ(grid.Cell(2, endRow + 3), "-1.000");
  EXPECT_EQ(grid.Cell(2, endRow + 4), "2.000");
}

TEST_F(CurveTablesTest, WhatTheFunctionPathLeavesAlone) {
  Items({{"1", "二元方程组", "x^2+y^2-a=0", "4", "1;1.5;1e-10"}, {"2", "y=x", "", "", ""}});
  Click(3, 2);
  EXPECT_EQ(Functions(true), PlotOutcome::kNotMine);  // systems have no curve
  Click(2, 3);
  EXPECT_EQ(Functions(), PlotOutcome::kNotMine);  // no interval
  grid.SetCell(5, 3, "0;1");
  Click(1, 3);
  EXPECT_EQ(Functions(), PlotOutcome::kNotMine);  // the clicked cell holds no "="
  EXPECT_TRUE(ui.Log().empty());
}

TEST_F(CurveTablesTest, WithoutAnEndOfItemsRowNothingIsWritten) {
  Items({{"f", "y=x", "", "", "0;1"}, {"p", "x:1;2", "", "", ""}, {"", "y1:3;4"}});
  grid.SetCell(1, endRow, "");
  const auto before = AllCells();
  Click(2, 2);
  EXPECT_EQ(Functions(), PlotOutcome::kRefused);
  Click(2, 3);
  EXPECT_EQ(Points(), PlotOutcome::kRefused);
  EXPECT_EQ(AllCells(), before);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>(2, kNoOutputAreaMessage));
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
  // Nor from a row below it.
  Items({{"f", "y=x", "", "", "0;1"}});
  grid.SetCell(2, endRow + 3, "y=x");
  grid.SetCell(5, endRow + 3, "0;1");
  Click(2, endRow + 3);
  EXPECT_EQ(Functions(), PlotOutcome::kRefused);
  EXPECT_EQ(ui.Messages().back(), kAboveOutputAreaMessage);
}

TEST_F(CurveTablesTest, PointCountsAreCheckedAndCappedAtTheLimit) {
  Items({{"f", "y=x", "", "", "0;1"}});
  Click(2, 2);
  ui.QueueAnswer("1000000000");
  ASSERT_EQ(Functions(), PlotOutcome::kPlotted);
  EXPECT_EQ(grid.RowCount(), endRow + kMaxCurvePoints + 3);
  EXPECT_EQ(grid.Cell(1, endRow + 2 + kMaxCurvePoints), "1.000");
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_NE(ui.Messages()[0].find("20000"), std::string::npos);
  ui.QueueAnswer("0");
  EXPECT_EQ(Functions(), PlotOutcome::kRefused);
  EXPECT_EQ(ui.Messages().back(), kBadPointCountMessage);
  ui.QueueAnswer("-5");
  EXPECT_EQ(Functions(), PlotOutcome::kRefused);
  ui.QueueAnswer("many");
  EXPECT_THROW(Functions(), EConvertError);
  grid.SetCell(5, 2, "0");  // no interval end
  EXPECT_THROW(Functions(), EConvertError);
}

// --- point lists ---

TEST_F(CurveTablesTest, PointListsWithThreeYRows) {
  Items({{"点", "x:1;2;3"}, {"", "y1:2;4;6"}, {"", "y2:1;1;1"}, {"", "y3:3;2;1"}});
  Click(2, 2);
  ASSERT_EQ(Points(), PlotOutcome::kPlotted);
  const int s = endRow;
  EXPECT_EQ(grid.RowCount(), s + 5);
  EXPECT_EQ(grid.Cell(1, s + 1), "x(双击此格看图像)");
  EXPECT_EQ(grid.Cell(2, s + 1), "y1");
  EXPECT_EQ(grid.Cell(3, s + 1), "y2");
  EXPECT_EQ(grid.Cell(4, s + 1), "y3");
  EXPECT_EQ(grid.Cell(5, s + 1), "");
  EXPECT_EQ(grid.Cell(1, s + 2), "1");
  EXPECT_EQ(grid.Cell(1, s + 4), "3");
  EXPECT_EQ(grid.Cell(2, s + 4), "6");
  EXPECT_EQ(grid.Cell(4, s + 2), "3");
  EXPECT_EQ(ui.ClipboardText(), "x,1,2,3\r\ny1,2,4,6\r\ny2,1,1,1\r\ny3,3,2,1");
  EXPECT_EQ(canvas.Picture().caption, "曲线1: y1; 曲线2: y2; 曲线3: y3");
  EXPECT_EQ(ui.Log()[0].text, kScaleCaption);
}

TEST_F(CurveTablesTest, PointListsNeedAnXRowInColumnTwoAndYRowsBelow) {
  Items({{"点", "x:1;2;3"}});
  Click(1, 2);
  EXPECT_EQ(Points(), PlotOutcome::kNotMine);  // the clicked cell is no x list
  Click(2, 2);
  EXPECT_EQ(Points(), PlotOutcome::kRefused);
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kNoPointCurvesMessage});
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
}

}  // namespace
}  // namespace zarnix
