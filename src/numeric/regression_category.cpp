// One-variable regression and interpolation: the worksheet layout, the formula list from the
// data list, interpolation rows, the spline plot table and one fitted row per formula.
#include "numeric/regression_category.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/ui.h"
#include "expr/tree_eval.h"
#include "numeric/regression.h"
#include "numeric/spline.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

// Rows and columns of the layout; rows after the formula list count from B.
constexpr int kXRow = 1;
constexpr int kYRow = 2;
constexpr int kQueryRow = 3;
constexpr int kQueryLabelRow = 4;
constexpr int kHeadingRow = 5;
constexpr int kFirstFormulaRow = 6;
constexpr int kRColumn = 6;
constexpr int kCColumn = 7;
constexpr int kFirstQueryColumn = 8;
constexpr int kPlotPoints = 500;  // intervals of the spline table: 501 points

constexpr const char* kFormulaMarker = "双击以下回归公式看图象";
constexpr const char* kHeadings = "系数a,系数b,系数c,系数d,系数e,相关R,离差C";
constexpr const char* kEndOfList = "***";

// Column-0 labels of rows 7+B ... 10+B.
constexpr const char* kLowerLabels[] = {"以上空格可写入自编回归公式", "三次样条函数插值",
                                        "抛物线插值", "插值点的导数dy/dx"};

struct Points {
  std::vector<Extended> x;
  std::vector<Extended> y;
  std::vector<Extended> queries;
  bool negative = false;  // some x or y below 0
};

class RegressionRun {
 public:
  explicit RegressionRun(Workbench& bench)
      : bench_(bench), grid_(bench.grid), services_(EvalServices::Of(bench)) {}

  void Run() {
    bench_.resultFormat = "%.8f";
    SetUpColumns();
    grid_.SetCell(0, kHeadingRow, kFormulaMarker);
    CopyFormulaList();
    b_ = FirstEmptyFormulaRow() - 5;
    const std::vector<std::string> headings = SplitText(kHeadings, ',');
    for (int k = 0; k < static_cast<int>(headings.size()); ++k)
      grid_.SetCell(k + 1, kHeadingRow, headings[k]);
    ReadPoints();
    WriteInterpolationRows();
    WritePlotTable();
    for (int row = kFirstFormulaRow; !IsEmptyCell(grid_.Cell(0, row)); ++row) FitRow(row);
  }

 private:
  std::string Number(Extended value) const { return Format(bench_.resultFormat, Checked(value)); }

  // Consecutive non-empty cells of a row from column 1.
  int FilledCells(int row) const {
    int count = 0;
    while (count + 1 < grid_.ColCount() && !IsEmptyCell(grid_.Cell(count + 1, row))) ++count;
    return count;
  }

  void SetUpColumns() {
    grid_.SetDefaultColWidth(64);
    grid_.SetColWidth(0, 150);
    if (grid_.ColCount() < 10) grid_.SetColCount(10);
    n_ = FilledCells(kXRow);
    ni_ = FilledCells(kQueryRow);
    if (grid_.ColCount() < ni_ + 8) grid_.SetColCount(ni_ + 8);
  }

  // The formulas after the data list's first "回归公式" line, up to "***", into rows 6, 7, ...
  void CopyFormulaList() {
    const std::vector<std::string>& list = bench_.dataList;
    const auto heading = std::find(list.begin(), list.end(), kRegressionListHeading);
    if (heading == list.end()) return;
    const long i = heading - list.begin();
    const long examined = static_cast<long>(list.size()) - i - 10;
    for (long e = 1; e <= examined; ++e) {
      const std::string& line = list[i + e];
      if (line == kEndOfList) return;
      grid_.SetCell(0, kHeadingRow + static_cast<int>(e), line);
    }
  }

  int FirstEmptyFormulaRow() const {
    int row = kFirstFormulaRow;
    while (row + 1 < Worksheet::kMaxRows && !IsEmptyCell(grid_.Cell(0, row))) ++row;
    return row;
  }

  void ReadPoints() {
    for (int i = 1; i <= n_; ++i) {
      points_.x.push_back(StrToFloat(grid_.Cell(i, kXRow)));
      points_.y.push_back(StrToFloat(grid_.Cell(i, kYRow)));
      points_.negative |= points_.x.back() < 0 || points_.y.back() < 0;
    }
    for (int k = 1; k <= ni_; ++k) {
      const std::string text = grid_.Cell(k, kQueryRow);
      points_.queries.push_back(StrToFloat(text));
      grid_.SetCell(7 + k, kHeadingRow, text);
    }
  }

  void ClearCells(int firstCol, int row) {
    for (int col = firstCol; col < grid_.ColCount(); ++col) grid_.SetCell(col, row, "");
  }

  void WriteRow(int row, const std::vector<Extended>& values) {
    for (std::size_t k = 0; k < values.size(); ++k)
      grid_.SetCell(kFirstQueryColumn + static_cast<int>(k), row, Number(values[k]));
  }

  // Spline, parabola and derivative rows. A table that cannot be interpolated is reported
  // and leaves these rows with their labels only; the regression rows are still computed.
  void WriteInterpolationRows() {
    std::optional<SplineValues> spline;
    std::string problem;
    try {
      spline = CubicSpline(points_.x, points_.y, points_.queries);
    } catch (const EInterpolationError& error) {
      problem = error.Message();
    }
    for (int k = 1; k <= ni_; ++k) grid_.SetCell(7 + k, kQueryLabelRow, "插值点" + IntToStr(k));
    for (int i = 0; i < 4; ++i) {
      grid_.SetCell(0, 7 + b_ + i, kLowerLabels[i]);
      ClearCells(1, 7 + b_ + i);
    }
    if (!spline) {
      interpolates_ = false;
      bench_.ui.ShowMessage(problem);
      return;
    }
    WriteRow(8 + b_, spline->values);
    WriteRow(10 + b_, spline->derivatives);
    WriteRow(9 + b_, ParabolicInterpolation(points_.x, points_.y, points_.queries));
  }

  void WritePlotTable() {
    const int marker = 13 + b_;
    const int oldRowCount = grid_.RowCount();
    if (!interpolates_) {
      // No table: the sheet ends after the interpolation rows.
      const int end = 11 + b_;
      for (int row = end; row < oldRowCount; ++row) ClearCells(0, row);
      grid_.SetRowCount(end);
      for (int row = kQueryLabelRow; row < marker; ++row) ClearCells(kFirstQueryColumn + ni_, row);
      return;
    }
    const Extended x1 = points_.x.front();
    const Extended xn = points_.x.back();
    std::vector<Extended> t(kPlotPoints + 1);
    for (int j = 0; j <= kPlotPoints; ++j)
      t[j] = x1 + (static_cast<Extended>(j) / kPlotPoints) * (xn - x1);
    const SplineValues spline = CubicSpline(points_.x, points_.y, t);

    grid_.SetRowCount(marker + kPlotPoints + 2);
    grid_.SetCell(0, marker, "双击此格看图像");
    grid_.SetCell(1, marker, "x");
    grid_.SetCell(2, marker, "三次样条插值");
    for (int row = kQueryLabelRow; row < marker; ++row) ClearCells(kFirstQueryColumn + ni_, row);
    for (int row = marker; row < std::max(oldRowCount, grid_.RowCount()); ++row) ClearCells(3, row);
    for (int j = 0; j <= kPlotPoints; ++j) {
      grid_.SetCell(0, marker + 1 + j, IntToStr(j));
      grid_.SetCell(1, marker + 1 + j, Number(t[j]));
      grid_.SetCell(2, marker + 1 + j, Number(spline.values[j]));
    }
  }

  void FitRow(int row) {
    const std::string typed = grid_.Cell(0, row);
    const std::string f = LowerCase(typed);
    const bool logarithmic =
        f == kPowerForm || f.find("ln") != std::string::npos || f.find("log") != std::string::npos;
    if (logarithmic && points_.negative) return;
    const FitInput in = LinearisedFit(f, typed, points_.x, points_.y);
    const int m = CountTerms(in.text);
    if (m > kMaxFitTerms) {
      ClearCells(1, row);
      grid_.SetCell(1, row, kTooManyTermsText);
      return;
    }
    if (n_ - 1 < m) return;
    std::vector<Extended> coefficients = FitByTerms(services_, in.text, in.x, in.y);
    if (coefficients[m] < 0) return;
    if (f == kPowerForm) coefficients[0] = Checked(std::exp(coefficients[0]));

    // Later evaluations use the coefficients as they stand in the worksheet.
    std::vector<Extended> shown(m);
    for (int k = 0; k < m; ++k) {
      grid_.SetCell(k + 1, row, Number(coefficients[k]));
      shown[k] = StrToFloat(grid_.Cell(k + 1, row));
    }
    WriteGoodness(row, f, shown, m);
    for (int k = 1; k <= ni_; ++k) {
      Extended value = 0;
      EvalFormulaXY(services_, typed, shown, StrToFloat(grid_.Cell(7 + k, kHeadingRow)), 0, 0,
                    value);
      grid_.SetCell(7 + k, row, Number(value));
    }
  }

  // Correlation index R and dispersion C of the fitted formula on the points as read.
  void WriteGoodness(int row, const std::string& f, const std::vector<Extended>& shown, int m) {
    const Extended zero = 0;
    const std::vector<Extended> predicted =
        EvalFormulaGrid(services_, f, shown, points_.x, {&zero, 1}, {&zero, 1});
    const FitGoodness goodness = GoodnessOfFit(predicted, points_.y, m);
    grid_.SetCell(kRColumn, row, Number(goodness.r));
    grid_.SetCell(kCColumn, row, Number(goodness.c));
  }

  Workbench& bench_;
  Worksheet& grid_;
  EvalServices services_;
  int n_ = 0;
  int ni_ = 0;
  int b_ = 0;
  bool interpolates_ = true;
  Points points_;
};

}  // namespace

void HandleRegressionInterpolation(Workbench& bench) {
  RegressionRun(bench).Run();
}

}  // namespace zarnix
