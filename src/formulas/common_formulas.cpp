// Common formulas: the column widths, the rows with a formula and the result cell of each.
#include "formulas/common_formulas.h"

#include <string>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "expr/tree_eval.h"
#include "formulas/common_formulas_statements.h"
#include "sheet/answer_pane.h"
#include "sheet/item_sheet.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstRow = 2;
constexpr int kMarkerCol = 1;
constexpr int kFormulaCol = 3;
constexpr int kFirstParamCol = 4;

constexpr ColumnWidth kWidths[] = {{1, 80}, {2, 105}, {3, 160}, {kLastColumn, 80}};

void SetColumnWidths(Worksheet& grid) {
  ApplyColumnLayout(grid, {50, kWidths, false, true});
  // Column 0 only holds the record numbers: hidden whatever the font.
  grid.SetColWidth(0, 1);
}

// The parameter cells of a row, then its formula, all lower-cased. A formula without "=" is
// a result without a name.
std::vector<std::string> RowStatements(const Worksheet& grid, int row) {
  std::vector<std::string> list;
  const int lastParamCol = grid.ColCount() - 2;
  for (int col = kFirstParamCol; col <= lastParamCol && !grid.Cell(col, row).empty(); ++col)
    list.push_back(LowerCase(grid.Cell(col, row)));
  const std::string formula = LowerCase(grid.Cell(kFormulaCol, row));
  list.push_back(formula.find('=') == std::string::npos ? "=" + formula : formula);
  return list;
}

// The formula's text up to and including its "=".
std::string ResultLabel(const std::string& formula) {
  const std::size_t at = formula.find('=');
  return at == std::string::npos ? "" : formula.substr(0, at + 1);
}

void ComputeRow(Workbench& bench, int row) {
  Worksheet& grid = bench.grid;
  const int resultCol = grid.ColCount() - 1;
  const std::string label = ResultLabel(grid.Cell(kFormulaCol, row));
  grid.SetCell(resultCol, row, "");
  const auto results = EvalStatementList(EvalServices::Of(bench), RowStatements(grid, row));
  // A formula that is blank after its "=" gives no value at all: the row says so.
  if (!results || results->empty()) {
    grid.SetCell(resultCol, row, label + kRejectedFormulaText);
    return;
  }
  // A parameter cell with "=" adds a result of its own; the row shows the formula's, the last.
  const bool twoDecimals = grid.Cell(kMarkerCol, row).starts_with("#");
  grid.SetCell(resultCol, row,
               label + FormatFormulaResult(results->back(), twoDecimals, bench.decimals,
                                           bench.resultFormat));
}

}  // namespace

std::string FormatFormulaResult(Extended value, bool twoDecimals, int decimals,
                                const std::string& resultFormat) {
  if (twoDecimals) return Format("%.2f", value);
  if (value >= 1000 || value <= 0.001L) return Format("%1." + IntToStr(decimals + 1) + "e", value);
  return Format(resultFormat, value);
}

void HandleCommonFormulas(Workbench& bench) {
  bench.answer.Clear();
  Worksheet& grid = bench.grid;
  // A result column after the formula and one parameter, whatever table was loaded.
  if (grid.ColCount() < kFirstParamCol + 1) grid.SetColCount(kFirstParamCol + 1);
  SetColumnWidths(grid);
  for (int row = kFirstRow; row < grid.RowCount(); ++row)
    if (!Trim(grid.Cell(kFormulaCol, row)).empty()) ComputeRow(bench, row);
}

}  // namespace zarnix
