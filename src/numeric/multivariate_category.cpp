// The multivariate category: finds its three blocks on the data-set worksheet, reads them with
// the strict conversion, computes, and writes values into the worksheet and texts into the
// answer pane.
#include "numeric/multivariate_category.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "base/fpu.h"
#include "expr/tree_eval.h"
#include "numeric/multivariate.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kXRow = 1;
constexpr int kFirstYRow = 2;
constexpr int kMinTableCols = 5;
constexpr int kMinTableRows = 9;
constexpr int kMaxOrder = 3;
constexpr int kFormulaLetters = 23;  // a … w; x, y and z are the batch variables
constexpr int kCoefficientDigits = 12;

constexpr const char* kSurfaceHeader[] = {
    "二元函数回归方程",
    "f(x,y)=[C(0,0)+C(0,1)*Y+C(0,2)*Y^2+...]",
    "+[C(1,0)+C(1,1)*Y+C(1,2)*Y^2]*X",
    "+[C(2,0)+C(2,1)*Y+C(2,2)*Y^2]*X^2+...",
};

bool IsBlockHeading(const std::string& text) {
  return text == kInterpolationRowText || text == kMultivariateHeading || text == kBatchHeading;
}

// The first row from `from` whose column-0 cell is the text; −1 when there is none.
int FindRow(const Worksheet& grid, const char* text, int from = 0) {
  for (int row = from; row < grid.RowCount(); ++row)
    if (grid.Cell(0, row) == text) return row;
  return -1;
}

// Cells of a row from column 1 up to the first empty one.
std::vector<std::string> RowTexts(const Worksheet& grid, int row) {
  std::vector<std::string> texts;
  if (row < 0 || row >= grid.RowCount()) return texts;
  for (int col = 1; col < grid.ColCount() && !grid.Cell(col, row).empty(); ++col)
    texts.push_back(grid.Cell(col, row));
  return texts;
}

std::vector<Extended> RowValues(const Worksheet& grid, int row) {
  std::vector<Extended> values;
  for (const std::string& text : RowTexts(grid, row)) values.push_back(StrToFloat(text));
  return values;
}

// Makes room for a row the handler writes.
void EnsureRow(Worksheet& grid, int row) {
  if (row >= grid.RowCount()) grid.SetRowCount(row + 1);
}

class MultivariateRun {
 public:
  explicit MultivariateRun(Workbench& bench) : bench_(bench), grid_(bench.grid) {}

  void Run() {
    if (HasTwoVariableTable()) TwoVariableTable();
    const int multivariate = FindRow(grid_, kMultivariateHeading);
    if (multivariate >= 0) MultivariateTable(multivariate);
    const int batch = FindRow(grid_, kBatchHeading);
    if (batch >= 0) BatchBlock(batch);
  }

 private:
  std::string Number(Extended value) const { return Format(bench_.resultFormat, Checked(value)); }
  static std::string Coefficient(Extended value) {
    return GeneralFormat(Checked(value), kCoefficientDigits);
  }
  void Add(const std::string& line) { bench_.answer.Add(line); }

  // ------------------------------------------------------------- two-variable table

  // The table starts at row 1 unless another block heads the first rows.
  bool HasTwoVariableTable() const {
    if (grid_.ColCount() < kMinTableCols || grid_.RowCount() < kMinTableRows) return false;
    if (grid_.Cell(0, kFirstYRow).empty()) return false;
    for (int row = 0; row <= kFirstYRow; ++row)
      if (IsBlockHeading(grid_.Cell(0, row))) return false;
    return true;
  }

  FunctionTable ReadTable() const {
    FunctionTable table;
    table.x = RowValues(grid_, kXRow);
    for (int row = kFirstYRow; row < grid_.RowCount(); ++row) {
      const std::string& text = grid_.Cell(0, row);
      if (text.empty() || IsBlockHeading(text)) break;
      table.y.push_back(StrToFloat(text));
    }
    // The table values are kept in single precision.
    for (std::size_t i = 0; i < table.y.size(); ++i)
      for (std::size_t j = 0; j < table.x.size(); ++j)
        table.z.push_back(static_cast<float>(
            StrToFloat(grid_.Cell(static_cast<int>(j) + 1, kFirstYRow + static_cast<int>(i)))));
    return table;
  }

  std::vector<TablePoint> ReadPoints(int row) const {
    std::vector<TablePoint> points;
    for (const std::string& text : RowTexts(grid_, row)) {
      const std::size_t split = text.find(';');
      const std::string x = text.substr(0, split);
      const std::string y = split == std::string::npos ? "" : text.substr(split + 1);
      points.push_back({StrToFloat(x), StrToFloat(y)});
    }
    return points;
  }

  void TwoVariableTable() {
    const FunctionTable table = ReadTable();
    const int pointRow = FindRow(grid_, kInterpolationRowText);
    const std::vector<TablePoint> points = ReadPoints(pointRow);
    if (!points.empty()) {
      const bool logarithmic = grid_.Cell(0, kXRow).find(kLogarithmicMark) != std::string::npos;
      const std::vector<Extended> values = TableInterpolation2D(table, points, logarithmic);
      EnsureRow(grid_, pointRow + 1);
      for (std::size_t k = 0; k < values.size(); ++k)
        grid_.SetCell(static_cast<int>(k) + 1, pointRow + 1, Number(values[k]));
    }
    for (const char* line : kSurfaceHeader) Add(line);
    std::vector<std::string> text;
    const std::size_t smaller = std::min(table.x.size(), table.y.size());
    int order = 1;
    for (; order <= kMaxOrder && static_cast<std::size_t>(order) + 1 < smaller; ++order)
      SurfaceText(SurfaceRegression(order, table, points), text);
    if (order == 1) SurfaceText(SurfaceRegression(1, table, points), text);  // too little data
    for (const std::string& line : text) Add(line);
  }

  void SurfaceText(const SurfaceFit& fit, std::vector<std::string>& text) const {
    if (!fit.enoughData) {
      text.insert(text.end(), {"数据太少！", "降低回归阶次再试。"});
      return;
    }
    text.push_back("");
    text.push_back(IntToStr(fit.order) + " 阶回归方程各项系数");
    if (!fit.solved) {
      text.push_back("无解");
      return;
    }
    for (int i = 0; i <= fit.order; ++i)
      for (int j = 0; j <= fit.order; ++j)
        text.push_back("C(" + IntToStr(i) + "," + IntToStr(j) + ")=" + Coefficient(fit.C(i, j)));
    text.push_back("插值点函数回归值");
    for (const Extended value : fit.values) text.push_back(Number(value));
    if (!fit.hasRange) return;
    text.push_back("误差范围: ");
    text.push_back(Format("%.3f", Checked((fit.lowRatio - 1) * 100)) + "%  至 " +
                   Format("%.3f", Checked((fit.highRatio - 1) * 100)) + "%");
  }

  // ------------------------------------------------------------- multivariate table

  void MultivariateTable(int heading) {
    const std::vector<Extended> y = RowValues(grid_, heading + 1);
    std::vector<std::vector<Extended>> variables;
    int row = heading + 2;
    for (; row < grid_.RowCount(); ++row) {
      const std::string& label = grid_.Cell(0, row);
      if (label.empty() || label == kFittedRowText) break;
      std::vector<Extended> values;
      for (std::size_t i = 0; i < y.size(); ++i)
        values.push_back(StrToFloat(grid_.Cell(static_cast<int>(i) + 1, row)));
      variables.push_back(std::move(values));
    }
    const LinearRegression fit = MultipleLinearRegression(variables, y);
    WriteFittedRow(row, fit, y.size());
    RegressionText(fit);
  }

  void WriteFittedRow(int row, const LinearRegression& fit, std::size_t m) {
    EnsureRow(grid_, row);
    grid_.SetCell(0, row, kFittedRowText);
    for (std::size_t i = 0; i < m; ++i)
      grid_.SetCell(static_cast<int>(i) + 1, row, fit.solved ? Number(fit.fitted[i]) : "");
  }

  void RegressionText(const LinearRegression& fit) {
    Add("多元函数线性回归方程");
    Add("  Y=A0+A1*X1+A2*X2+…+An*Xn");
    if (!fit.solved) {
      Add(MultivariateErrorText(MultivariateError::kSingular));
      return;
    }
    Add("系数:");
    for (std::size_t j = 0; j < fit.a.size(); ++j)
      Add("  A" + IntToStr(static_cast<int>(j)) + "=" + Coefficient(fit.a[j]));
    Add("偏相关系数:");
    for (std::size_t j = 0; j < fit.partial.size(); ++j)
      Add("  V" + IntToStr(static_cast<int>(j) + 1) + "=" + Number(fit.partial[j]));
    Add("残差平方和:   Q=" + Number(fit.q));
    Add("平均标准偏差: S=" + Number(fit.s));
    Add("复相关系数:   R=" + Number(fit.r));
    Add("回归平方和:   U=" + Number(fit.u));
  }

  // ------------------------------------------------------------- batch block

  // The values of a row; an empty row stands for the single value 0.
  std::vector<Extended> ListOrZero(int row) const {
    std::vector<Extended> values = RowValues(grid_, row);
    if (values.empty()) values.push_back(0);
    return values;
  }

  void BatchBlock(int heading) {
    const std::string formula = grid_.Cell(1, heading + kBatchFormulaOffset);
    std::vector<Extended> letters = RowValues(grid_, heading + kBatchLettersOffset);
    if (letters.size() > static_cast<std::size_t>(kFormulaLetters)) letters.resize(kFormulaLetters);
    const std::vector<Extended> xs = ListOrZero(heading + kBatchXOffset);
    const std::vector<Extended> ys = ListOrZero(heading + kBatchXOffset + 1);
    const std::vector<Extended> zs = ListOrZero(heading + kBatchXOffset + 2);
    const int top = heading + kBatchResultOffset;
    const long long rows = 1 + static_cast<long long>(zs.size()) * (1 + ys.size());
    if (top + rows > Worksheet::kMaxRows || xs.size() + 1 > Worksheet::kMaxCols)
      throw EMultivariateError(MultivariateError::kBatchTooLarge);
    const std::vector<Extended> values =
        EvalFormulaGrid(EvalServices::Of(bench_), formula, letters, xs, ys, zs);
    ClearFrom(top);
    grid_.SetRowCount(top + static_cast<int>(rows));
    if (grid_.ColCount() < static_cast<int>(xs.size()) + 1)
      grid_.SetColCount(static_cast<int>(xs.size()) + 1);
    WriteBatchTable(top, values, xs, ys, zs);
  }

  void ClearFrom(int top) {
    for (int row = top; row < grid_.RowCount(); ++row)
      for (int col = 0; col < grid_.ColCount(); ++col) grid_.SetCell(col, row, "");
  }

  static std::string Heading(const char* name, std::size_t index, Extended value) {
    return name + IntToStr(static_cast<int>(index) + 1) + "=" + GeneralFormat(value);
  }

  // One heading row with the x values, then per z a row naming it and one row per y.
  void WriteBatchTable(int top, const std::vector<Extended>& values,
                       const std::vector<Extended>& xs, const std::vector<Extended>& ys,
                       const std::vector<Extended>& zs) {
    grid_.SetCell(0, top, kBatchResultHeading);
    for (std::size_t i = 0; i < xs.size(); ++i)
      grid_.SetCell(static_cast<int>(i) + 1, top, Heading("x", i, xs[i]));
    int row = top + 1;
    std::size_t next = 0;
    for (std::size_t k = 0; k < zs.size(); ++k) {
      grid_.SetCell(0, row++, Heading("z", k, zs[k]));
      for (std::size_t j = 0; j < ys.size(); ++j, ++row) {
        grid_.SetCell(0, row, Heading("y", j, ys[j]));
        for (std::size_t i = 0; i < xs.size(); ++i)
          grid_.SetCell(static_cast<int>(i) + 1, row, Number(values[next++]));
      }
    }
  }

  Workbench& bench_;
  Worksheet& grid_;
};

}  // namespace

void HandleMultivariateRegression(Workbench& bench) {
  MultivariateRun(bench).Run();
}

}  // namespace zarnix
