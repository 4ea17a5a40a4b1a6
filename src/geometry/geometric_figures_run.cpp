// Cells, letters and messages of one geometric-figures run.
#include "geometry/geometric_figures_run.h"

#include <cmath>

#include "base/format.h"
#include "expr/tree_eval.h"
#include "expr/tree_eval_math.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kFigureMessageTexts[] = {
    "参数不能构成图形",
    "不能构成三角形",
    "不能构成正多边形",
    "不能构成球面三角形",
    "参数个数不足",
    "参数须大于0",
    "边数须为不小于3的整数",
    "正多面体只有4、6、8、12、20面",
    "须a>b",
    "须a≥b",
    "高不能大于直径",
    "角度须小于180°",
    "角度不能大于360°",
    "一个解",
    "两个解",
    "有无穷多个解",
};

}  // namespace

const char* FigureMessageText(FigureMessage message) {
  return kFigureMessageTexts[static_cast<int>(message)];
}

const std::string& FigureRun::Cell(int col, int row) const {
  return bench.grid.Cell(col, row);
}

void FigureRun::SetCell(int col, int row, std::string text) {
  bench.grid.SetCell(col, row, std::move(text));
}

void FigureRun::SetMessage(int col, int row, FigureMessage message) {
  SetCell(col, row, FigureMessageText(message));
}

std::string FigureRun::Real(Extended value) const {
  CheckFpFaults();
  return Format(bench.resultFormat, value);
}

void FigureRun::SetFormulaValue(int col, int row, std::string_view formula) {
  // Faults left by the figure's auxiliary values are not the formula's.
  ClearFpFaults();
  try {
    Extended value = 0;
    EvalFormulaXY(EvalServices::Of(bench), formula, letters, x, y, z, value);
    if (!std::isfinite(value)) throw EInvalidOp();
    SetCell(col, row, Real(value));
  } catch (const EMathError&) {
    SetMessage(col, row, FigureMessage::kNoFigure);
  } catch (const EFormulaError& error) {
    SetCell(col, row, error.Message());
  }
}

bool IsSectionHeader(const FigureRun& run, int row) {
  const std::string& name = run.Cell(1, row);
  return name.size() >= 2 && name[1] == '.';
}

bool IsFigureRow(const FigureRun& run, int row) {
  return row < run.bench.grid.RowCount() && !run.Cell(1, row).empty() && !IsSectionHeader(run, row);
}

}  // namespace zarnix
