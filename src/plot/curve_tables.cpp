// The three double-click producers: regression curves, function curves and point lists.
#include "plot/curve_tables.h"

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "base/gbk.h"
#include "expr/tree_eval.h"
#include "sheet/ask_text.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kPlotMarker = "双击此格看图像";
constexpr const char* kFormulaMarker = "双击以下回归公式看图象";
constexpr const char* kPointMarker = "x(双击此格看图像)";
constexpr const char* kEndOfItems = "***";
constexpr int kSplinePoints = 500;  // the spline table's intervals
constexpr int kMaxRegressionCurves = 9;
constexpr int kMaxPointCurves = 8;
constexpr int kMaxPointValues = 101;

// The "***" row of column 1 from row 2 on, -1 when there is none.
int EndOfItemsRow(const Worksheet& grid) {
  for (int row = 2; row < grid.RowCount(); ++row)
    if (grid.Cell(1, row) == kEndOfItems) return row;
  return -1;
}

// The output area below the "***" row, or -1 after saying why there is none for row y.
int OutputArea(const Workbench& bench, int y) {
  const int s = EndOfItemsRow(bench.grid);
  if (s < 0) {
    bench.ui.ShowMessage(kNoOutputAreaMessage);
    return -1;
  }
  if (y >= s) {
    bench.ui.ShowMessage(kAboveOutputAreaMessage);
    return -1;
  }
  return s;
}

void EnsureColumns(Worksheet& grid, int count) {
  if (grid.ColCount() < count) grid.SetColCount(count);
}

void ClearColumnsFrom(Worksheet& grid, int firstCol, int firstRow) {
  for (int row = firstRow; row < grid.RowCount(); ++row)
    for (int col = firstCol; col < grid.ColCount(); ++col) grid.SetCell(col, row, "");
}

// Values of a ";" list, the empty parts skipped, every other part converted strictly.
std::vector<Extended> Parameters(const std::string& text) {
  std::vector<Extended> values;
  for (const std::string& part : SplitText(text, ';'))
    if (!part.empty()) values.push_back(StrToFloat(part));
  return values;
}

std::string Tail(const std::string& text, std::size_t from) {
  return text.size() > from ? text.substr(from) : std::string();
}

std::vector<Extended> Evaluate(Workbench& bench, const std::string& formula,
                               std::span<const Extended> values, std::span<const Extended> ts) {
  static constexpr Extended kZero[] = {0};
  return EvalFormulaGrid(EvalServices::Of(bench), formula, values, ts, kZero, kZero);
}

std::string Join(const std::vector<std::string>& parts, std::string_view separator) {
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) text += separator;
    text += parts[i];
  }
  return text;
}

std::vector<std::string> PointValues(const std::string& text, std::size_t prefix) {
  std::vector<std::string> parts = SplitText(text, ';');
  if (parts.size() > kMaxPointValues) parts.resize(kMaxPointValues);
  parts[0] = Tail(parts[0], prefix);
  return parts;
}

}  // namespace

bool HasAsciiChar(std::string_view text, char wanted) {
  for (std::size_t i = 0; i < text.size(); i += CharLengthAt(text, i))
    if (text[i] == wanted) return true;
  return false;
}

PlotOutcome PlotRegressionCurves(Workbench& bench, const PlotPorts& ports) {
  Worksheet& grid = bench.grid;
  const int current = grid.Row();
  const std::string& cell = grid.Cell(0, current);
  if (grid.Col() != 0 || !(HasAsciiChar(cell, 'x') || HasAsciiChar(cell, 'X')))
    return PlotOutcome::kNotMine;
  int r = -1;
  for (int row = 3; row < grid.RowCount() && r < 0; ++row)
    if (grid.Cell(0, row) == kFormulaMarker) r = row;
  int q = -1;
  for (int row = 5; row < grid.RowCount() && q < 0; ++row)
    if (grid.Cell(0, row).find(kPlotMarker) != std::string::npos) q = row;
  if (r < 0 || q < 0 || current <= r || current >= q) return PlotOutcome::kNotMine;

  grid.SetRowCount(q + kSplinePoints + 2);
  const Extended x0 = StrToFloat(grid.Cell(1, q + 1));
  const Extended x1 = StrToFloat(grid.Cell(1, q + 1 + kSplinePoints));
  const Extended step = (x1 - x0) / kSplinePoints;
  int k = StrToInt(AskText(bench.ui, kRegressionCountCaption, "", "1"));
  if (current + k > q - 4) k = q - current - 4;
  k = std::clamp(k, 0, kMaxRegressionCurves);

  std::vector<Extended> xs(kSplinePoints + 1);
  for (int n = 0; n <= kSplinePoints; ++n) xs[n] = x0 + n * step;
  EnsureColumns(grid, k + 3);
  // A coefficient cell left empty keeps the value of the curve before.
  std::vector<Extended> coefficients(5, 0);
  for (int j = 0; j < k; ++j) {
    const int row = current + j;
    const std::string formula = grid.Cell(0, row);
    for (int c = 1; c <= 5; ++c)
      if (!grid.Cell(c, row).empty()) coefficients[c - 1] = StrToFloat(grid.Cell(c, row));
    grid.SetCell(1, q, "x");
    grid.SetCell(j + 3, q, formula);
    const std::vector<Extended> ys = Evaluate(bench, formula, coefficients, xs);
    for (int n = 0; n <= kSplinePoints; ++n) {
      grid.SetCell(0, q + 1 + n, IntToStr(n));
      grid.SetCell(1, q + 1 + n, Format(bench.resultFormat, xs[n]));
      grid.SetCell(j + 3, q + 1 + n, Format(bench.resultFormat, ys[n]));
    }
  }
  ClearColumnsFrom(grid, k + 3, q);
  return PlotBlock(ports, grid, q, k + 1) ? PlotOutcome::kPlotted : PlotOutcome::kRefused;
}

PlotOutcome PlotFunctionCurves(Workbench& bench, const PlotPorts& ports, bool equationSheet) {
  Worksheet& grid = bench.grid;
  const int y = grid.Row();
  if (!HasAsciiChar(grid.Cell(grid.Col(), y), '=') || grid.Cell(5, y).empty())
    return PlotOutcome::kNotMine;
  const std::string name = grid.Cell(2, y);
  if (name.find("二元") != std::string::npos || name.find("三元") != std::string::npos)
    return PlotOutcome::kNotMine;
  const int s = OutputArea(bench, y);
  if (s < 0) return PlotOutcome::kRefused;

  int n = StrToInt(AskText(bench.ui, kCurvePointsCaption, "", "200"));
  if (n < 1) {
    bench.ui.ShowMessage(kBadPointCountMessage);
    return PlotOutcome::kRefused;
  }
  if (n > kMaxCurvePoints) {
    n = kMaxCurvePoints;
    bench.ui.ShowMessage("曲线的点数最多为" + IntToStr(kMaxCurvePoints) + "，已按" +
                         IntToStr(kMaxCurvePoints) + "点计算");
  }
  const std::vector<Extended> parameters = Parameters(grid.Cell(4, y));
  const std::vector<std::string> interval = SplitText(grid.Cell(5, y), ';');
  const Extended x0 = StrToFloat(interval[0]);
  const Extended x1 = StrToFloat(interval.size() > 1 ? interval[1] : "");
  const Extended h = (x1 - x0) / n;

  grid.SetRowCount(s + n + 3);
  grid.SetCell(0, s + 1, "");
  grid.SetCell(1, s + 1, kPointMarker);

  // "y1=", "y2=" ... number the curves of consecutive rows; otherwise the row is one curve.
  const std::size_t equals = name.find('=');
  std::vector<std::string> formulas;
  if (equals == 2) {
    for (int row = y; row < y + kMaxPlotCurves; ++row) {
      if (grid.Cell(2, row).empty() || grid.Cell(1, row) == kEndOfItems) break;
      formulas.push_back(Tail(grid.Cell(2, row), 3));
    }
  } else {
    formulas.push_back(Tail(name, 2));
  }
  if (equationSheet) {
    const std::string& equation = grid.Cell(3, y);
    formulas[0] = equation.substr(0, equation.size() >= 2 ? equation.size() - 2 : 0);
  }
  const int curves = static_cast<int>(formulas.size());
  EnsureColumns(grid, curves + 2);

  std::vector<Extended> ts(n + 1);
  for (int k = 0; k <= n; ++k) ts[k] = x0 + k * h;
  std::vector<std::string> clipboard;
  std::vector<std::string> abscissaTexts;
  for (int i = 0; i < curves; ++i) {
    const int row = y + i;
    const std::string& text = grid.Cell(2, row);
    std::vector<Extended> abscissas;
    std::vector<Extended> ordinates;
    if (!text.empty() && text[0] == 'p') {
      const std::vector<Extended> radii = Evaluate(bench, formulas[i], parameters, ts);
      for (int k = 0; k <= n; ++k) {
        abscissas.push_back(radii[k] * std::cos(ts[k]));
        ordinates.push_back(radii[k] * std::sin(ts[k]));
      }
    } else if (!text.empty() && text[0] == 'x') {
      const std::string second = Tail(grid.Cell(3, row), equals == 1 ? 2 : 3);
      abscissas = Evaluate(bench, formulas[i], parameters, ts);
      ordinates = Evaluate(bench, second, parameters, ts);
    } else {
      abscissas = ts;
      ordinates = Evaluate(bench, formulas[i], Parameters(grid.Cell(4, row)), ts);
    }
    std::vector<std::string> ordinateTexts;
    abscissaTexts.clear();
    for (int k = 0; k <= n; ++k) {
      const std::string abscissa = Format(bench.resultFormat, abscissas[k]);
      const std::string ordinate = Format(bench.resultFormat, ordinates[k]);
      grid.SetCell(0, s + 2 + k, IntToStr(k));
      grid.SetCell(1, s + 2 + k, abscissa);
      grid.SetCell(i + 2, s + 2 + k, ordinate);
      abscissaTexts.push_back(abscissa);
      ordinateTexts.push_back(ordinate);
    }
    const std::string label = grid.Cell(1, row);
    grid.SetCell(i + 2, s + 1, label);
    clipboard.push_back(label + "," + Join(ordinateTexts, ","));
  }
  // Column 1 holds the last curve's abscissas.
  std::string text = "X," + Join(abscissaTexts, ",") + "\r\n";
  for (const std::string& line : clipboard) text += line + "\r\n";
  bench.ui.SetClipboardText(text);

  const bool plotted = PlotBlock(ports, grid, s + 1, std::min(curves, kMaxPlotCurves));
  ClearColumnsFrom(grid, curves + 2, s + 1);
  return plotted ? PlotOutcome::kPlotted : PlotOutcome::kRefused;
}

PlotOutcome PlotPointLists(Workbench& bench, const PlotPorts& ports) {
  Worksheet& grid = bench.grid;
  const int y = grid.Row();
  const std::string& cell = grid.Cell(grid.Col(), y);
  const std::string& first = grid.Cell(2, y);
  auto isPointRow = [](const std::string& text) {
    return text.starts_with("x:") || text.starts_with("X:");
  };
  if (!isPointRow(cell) || !isPointRow(first)) return PlotOutcome::kNotMine;
  const int s = OutputArea(bench, y);
  if (s < 0) return PlotOutcome::kRefused;

  const std::vector<std::string> xs = PointValues(first, 2);
  const int m = static_cast<int>(xs.size());
  grid.SetRowCount(s + m + 2);
  grid.SetCell(0, s + 1, "");
  grid.SetCell(1, s + 1, kPointMarker);
  for (int k = 0; k < m; ++k) grid.SetCell(1, s + 2 + k, xs[k]);

  std::vector<std::string> typed = {first};
  int curves = 0;
  for (int a = y + 1; a < s && !grid.Cell(2, a).empty(); ++a) {
    const int j = a - y;
    EnsureColumns(grid, j + 2);
    grid.SetCell(j + 1, s + 1, "y" + IntToStr(j));
    // A y list longer than the xs has no place in the table.
    const std::vector<std::string> values = PointValues(grid.Cell(2, a), 3);
    for (int k = 0; k < std::min(m, static_cast<int>(values.size())); ++k)
      grid.SetCell(j + 1, s + 2 + k, values[k]);
    typed.push_back(grid.Cell(2, a));
    curves = j;
  }
  std::string clipboard = Join(typed, "\r\n");
  std::replace(clipboard.begin(), clipboard.end(), ':', ',');
  std::replace(clipboard.begin(), clipboard.end(), ';', ',');
  bench.ui.SetClipboardText(clipboard);

  ClearColumnsFrom(grid, curves + 2, s + 1);
  if (curves == 0) {
    bench.ui.ShowMessage(kNoPointCurvesMessage);
    return PlotOutcome::kRefused;
  }
  return PlotBlock(ports, grid, s + 1, std::min(curves, kMaxPointCurves)) ? PlotOutcome::kPlotted
                                                                          : PlotOutcome::kRefused;
}

}  // namespace zarnix
