// The one-variable regression category: layout of the sheet, fitted rows and the rows it
// skips, interpolation rows and the spline table, tables that cannot be interpolated, and
// the fitted rows against the reference least squares.
#include "numeric/regression_category.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "numeric/spline.h"
#include "reference_file.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Texts = std::vector<std::string>;

class RegressionCategoryTest : public BenchTest {
 protected:
  // The data list: the formula section, then enough lines for it to be examined in full.
  void UseFormulas(const Texts& formulas) {
    dataList = {"数组统计", "h", "1", "***", kRegressionListHeading};
    dataList.insert(dataList.end(), formulas.begin(), formulas.end());
    dataList.push_back("***");
    for (int i = 0; i < 10; ++i) dataList.push_back("///");
  }
  void Sheet(const Texts& x, const Texts& y, const Texts& t) {
    std::vector<Texts> rows = {{"数据"}, {"x"}, {"y"}, {"插值点"}};
    rows[1].insert(rows[1].end(), x.begin(), x.end());
    rows[2].insert(rows[2].end(), y.begin(), y.end());
    rows[3].insert(rows[3].end(), t.begin(), t.end());
    FillSheet(rows, static_cast<int>(std::max(x.size(), t.size())) + 1);
  }
  void Run() {
    Workbench bench = Bench();
    HandleRegressionInterpolation(bench);
  }
  Texts Row(int row, int first, int last) const {
    Texts cells;
    for (int col = first; col <= last; ++col) cells.push_back(grid.Cell(col, row));
    return cells;
  }
};

TEST_F(RegressionCategoryTest, StraightLineLayoutAndSplineTable) {
  UseFormulas({"a+b*x"});
  Sheet({"1", "2", "3", "4"}, {"3", "5", "7", "9"}, {"2.5"});
  Run();
  EXPECT_EQ(resultFormat, "%.8f");
  EXPECT_EQ(grid.ColCount(), 10);
  EXPECT_EQ(grid.ColWidth(0), 150);
  EXPECT_EQ(grid.ColWidth(3), 64);
  EXPECT_EQ(grid.Cell(8, 4), "插值点1");
  EXPECT_EQ(Row(5, 0, 8), (Texts{"双击以下回归公式看图象", "系数a", "系数b", "系数c", "系数d",
                                 "系数e", "相关R", "离差C", "2.5"}));
  EXPECT_EQ(Row(6, 0, 8), (Texts{"a+b*x", "1.00000000", "2.00000000", "", "", "", "1.00000000",
                                 "0.00000000", "6.00000000"}));
  // One formula: B = 2, so the labels stand in rows 9 ... 12 and the table marker in row 15.
  EXPECT_EQ(grid.Cell(0, 7), "");
  EXPECT_EQ(Row(9, 0, 1), (Texts{"以上空格可写入自编回归公式", ""}));
  EXPECT_EQ(Row(10, 0, 8), (Texts{"三次样条函数插值", "", "", "", "", "", "", "", "6.00000000"}));
  EXPECT_EQ(Row(11, 0, 8), (Texts{"抛物线插值", "", "", "", "", "", "", "", "6.00000000"}));
  EXPECT_EQ(Row(12, 0, 8), (Texts{"插值点的导数dy/dx", "", "", "", "", "", "", "", "2.00000000"}));
  EXPECT_EQ(Row(15, 0, 3), (Texts{"双击此格看图像", "x", "三次样条插值", ""}));
  EXPECT_EQ(grid.RowCount(), 517);
  EXPECT_EQ(Row(16, 0, 2), (Texts{"0", "1.00000000", "3.00000000"}));
  EXPECT_EQ(Row(266, 0, 2), (Texts{"250", "2.50000000", "6.00000000"}));
  EXPECT_EQ(Row(516, 0, 2), (Texts{"500", "4.00000000", "9.00000000"}));
  EXPECT_TRUE(answer.Empty());
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(RegressionCategoryTest, RowsThatCannotBeFittedKeepTheirCells) {
  UseFormulas({"a+b*x", "a*x^b", "a+b*ln(x)", "a+b*x+c*x^2+d*x^3", "a*x+b*x"});
  Sheet({"1", "2", "3", "4"}, {"3", "5", "-7", "9"}, {});
  grid.SetCell(1, 7, "old");  // a skipped row keeps what it had
  Run();
  EXPECT_EQ(grid.Cell(1, 6).empty(), false);  // a+b*x is fitted on negative data
  EXPECT_EQ(Row(7, 1, 7), (Texts{"old", "", "", "", "", "", ""}));  // power form, negative data
  EXPECT_EQ(Row(8, 1, 7), Texts(7, ""));                            // logarithm, negative data
  EXPECT_EQ(Row(9, 1, 7), Texts(7, ""));                            // four terms need five points
  EXPECT_EQ(Row(10, 1, 7), Texts(7, ""));                           // a*x and b*x: singular
}

TEST_F(RegressionCategoryTest, ThreeTermsOnThreePointsAreSkippedButInterpolated) {
  UseFormulas({"a+b*x+c*x^2", "a+b*x"});
  Sheet({"0", "1", "2"}, {"0", "1", "4"}, {"0.5"});
  Run();
  EXPECT_EQ(Row(6, 1, 8), Texts(8, ""));
  EXPECT_NE(grid.Cell(1, 7), "");
  EXPECT_EQ(grid.Cell(8, 11), "0.31250000");  // spline, B = 3
  EXPECT_EQ(grid.Cell(8, 12), "0.25000000");  // parabola
  EXPECT_EQ(grid.Cell(8, 13), "0.87500000");  // derivative
}

TEST_F(RegressionCategoryTest, WithoutInterpolationPointsOnlyLabelsAndTheTable) {
  UseFormulas({"a+b*x"});
  Sheet({"1", "2", "3", "4"}, {"2", "4", "5", "8"}, {});
  Run();
  EXPECT_EQ(Row(4, 7, 9), Texts(3, ""));
  EXPECT_EQ(Row(10, 0, 9), (Texts{"三次样条函数插值", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid.Cell(8, 6), "");
  EXPECT_EQ(grid.Cell(0, 15), "双击此格看图像");
  EXPECT_EQ(grid.Cell(2, 516), "8.00000000");
}

TEST_F(RegressionCategoryTest, LongFormulasAreMarkedAndTheNextRowsStillFitted) {
  UseFormulas({"a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7+i*x^8", "a+b*x"});
  Sheet({"1", "2", "3", "4"}, {"3", "5", "7", "9"}, {"5"});
  Run();
  EXPECT_EQ(Row(6, 1, 8), (Texts{kTooManyTermsText, "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid.Cell(8, 7), "11.00000000");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(RegressionCategoryTest, EightTermsFitWithCoefficientsPastColumnFive) {
  // Coefficients six on are written into columns 6, 7, 8 and then overwritten by R, C and the
  // value at the interpolation point.
  UseFormulas({"a+b*x+c*x^2+d*x^3+e*x^4+f*x^5+g*x^6+h*x^7"});
  Sheet({"1", "2", "3", "4", "5", "6", "7", "8", "9"},
        {"1", "2", "3", "4", "5", "6", "7", "8", "9"}, {"1.5"});
  Run();
  EXPECT_NE(grid.Cell(5, 6), "");
  EXPECT_NEAR(double(StrToFloat(grid.Cell(6, 6))), 1, 1e-8);  // R
  EXPECT_NEAR(double(StrToFloat(grid.Cell(8, 6))), 1.5, 1e-4);
}

TEST_F(RegressionCategoryTest, TablesThatCannotBeInterpolatedAreReported) {
  UseFormulas({"a+b*x"});
  // Two points: no spline, and too few points for the straight line.
  Sheet({"1", "2"}, {"3", "5"}, {"1.5"});
  Run();
  EXPECT_EQ(ui.Messages(), Texts{InterpolationErrorText(InterpolationError::kTooFewPoints)});
  EXPECT_EQ(grid.Cell(0, 10), "三次样条函数插值");
  EXPECT_EQ(grid.Cell(8, 10), "");
  EXPECT_EQ(grid.RowCount(), 13);  // no plot table: rows end after the labels of rows 9 ... 12

  // Unordered and repeated abscissas: no interpolation, but the regression is computed.
  ui.ClearLog();
  Sheet({"3", "1", "2", "2", "5"}, {"7", "3", "5", "5.2", "11"}, {"4"});
  Run();
  EXPECT_EQ(ui.Messages(), Texts{InterpolationErrorText(InterpolationError::kNotMonotonic)});
  EXPECT_NE(grid.Cell(1, 6), "");
  EXPECT_NE(grid.Cell(8, 6), "");
  EXPECT_EQ(grid.Cell(8, 10), "");
  EXPECT_EQ(grid.RowCount(), 13);
}

TEST_F(RegressionCategoryTest, BadNumbersStopTheRun) {
  UseFormulas({"a+b*x"});
  Sheet({"1", "2", "3"}, {"3", "y", "7"}, {});
  try {
    Run();
    ADD_FAILURE() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'y' is not a valid floating point value");
  }
  EXPECT_EQ(grid.Cell(0, 6), "a+b*x");  // the list was copied before
}

// The solver adds 1e-10 to every pivot in its last division; on the worse-conditioned forms
// that shifts the results by up to about 1e-7 relative, hence the tolerance.
TEST_F(RegressionCategoryTest, FittedRowsAgreeWithReferenceLeastSquares) {
  constexpr Extended kTolerance = 1e-6L;
  std::map<std::string, std::vector<const ReferenceBlock*>> sets;
  const std::vector<ReferenceBlock> blocks = ReadReference("regression_reference.txt");
  for (const ReferenceBlock& block : blocks)
    sets[block.name.substr(0, block.name.find(' '))].push_back(&block);
  ASSERT_EQ(sets.size(), 3u);
  for (const auto& [name, formulas] : sets) {
    const ReferenceBlock& first = *formulas.front();
    Texts x, y, t, list;
    for (const Extended v : first.Numbers("x")) x.push_back(GeneralFormat(v));
    for (const Extended v : first.Numbers("y")) y.push_back(GeneralFormat(v));
    for (const Extended v : first.Numbers("t")) t.push_back(GeneralFormat(v));
    for (const ReferenceBlock* block : formulas) list.push_back(block->texts.at("formula"));
    UseFormulas(list);
    Sheet(x, y, t);
    Run();
    ASSERT_TRUE(ui.Messages().empty()) << name;
    for (std::size_t r = 0; r < formulas.size(); ++r) {
      const ReferenceBlock& block = *formulas[r];
      const int row = 6 + static_cast<int>(r);
      ASSERT_EQ(grid.Cell(0, row), list[r]);
      const auto& coefficients = block.Numbers("coefficients");
      for (std::size_t k = 0; k < coefficients.size(); ++k) {
        EXPECT_TRUE(
            Near(StrToFloat(grid.Cell(1 + static_cast<int>(k), row)), coefficients[k], kTolerance))
            << name << " " << list[r] << " coefficient " << k;
      }
      EXPECT_TRUE(Near(StrToFloat(grid.Cell(6, row)), block.Number("r"), kTolerance))
          << name << " " << list[r] << " R";
      EXPECT_TRUE(Near(StrToFloat(grid.Cell(7, row)), block.Number("c"), kTolerance))
          << name << " " << list[r] << " C";
      const auto& predicted = block.Numbers("predicted");
      for (std::size_t k = 0; k < predicted.size(); ++k) {
        EXPECT_TRUE(
            Near(StrToFloat(grid.Cell(8 + static_cast<int>(k), row)), predicted[k], kTolerance))
            << name << " " << list[r] << " at point " << k;
      }
    }
  }
}

}  // namespace
}  // namespace zarnix
