// The multivariate regression and interpolation category: a two-variable function table
// (interpolated at given points and fitted by surfaces of orders 1 to 3), a table of several
// variables fitted by a linear regression, and a formula evaluated over every combination of
// x, y and z values.
#pragma once

namespace zarnix {

struct Workbench;

// Column-0 texts that head the blocks of the worksheet and the rows the handler writes.
inline constexpr const char* kInterpolationRowText = "插值点X;Y";
inline constexpr const char* kMultivariateHeading = "多元函数表";
inline constexpr const char* kFittedRowText = "回归值";
inline constexpr const char* kBatchHeading = "三元函数批量计算";
inline constexpr const char* kBatchResultHeading = "批量计算结果";
// A corner cell (0, 1) containing this text interpolates the table logarithmically.
inline constexpr const char* kLogarithmicMark = "对数";

// The batch block: heading row h, then the formula (row h+1, column 1), the values of a, b, …
// (row h+2) and the x, y and z values (rows h+3 … h+5), one per cell from column 1; its result
// table starts at row h+6 and ends the worksheet.
inline constexpr int kBatchFormulaOffset = 1;
inline constexpr int kBatchLettersOffset = 2;
inline constexpr int kBatchXOffset = 3;
inline constexpr int kBatchResultOffset = 6;

// Computes every block present on the worksheet; writes the interpolated values, the "回归值"
// row and the batch result table into the worksheet, the equations into the answer pane.
void HandleMultivariateRegression(Workbench& bench);

}  // namespace zarnix
