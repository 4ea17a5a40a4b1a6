// The table category on a table the user loaded: plots of its numeric columns with a
// least-squares fit per curve (reported in the pane laid over the answer pane), column
// statistics appended under the records, and the batch tables, which evaluate a list of
// statements once for every value of the counter kk and write a row or a column each time.
#pragma once

#include <string>

namespace zarnix {

struct Workbench;

// Cell (1, 1) of a batch table.
inline constexpr const char* kRowBatchMark = "多行计算";
inline constexpr const char* kColumnBatchMark = "多列计算";
// Column 1 of the row that ends a row batch's statements; the results go below it.
inline constexpr const char* kBatchRowMark = "批量计算";
inline constexpr const char* kTotalLabel = "总计";
// Iterations of one batch at most; a larger count is lowered to it in its cell.
inline constexpr int kMaxBatchIterations = 100000;
// Numbers the column dialog uses at most: the x column and nine curves.
inline constexpr int kMaxPlotColumns = 10;

inline constexpr const char* kTooFewFieldsMessage = "数字字段不足两个或点数太少，不能画曲线！";
inline constexpr const char* kSeeStatisticsMessage = "切换至计算大全页面看统计结果";
inline constexpr const char* kNoBatchRowMessage = "多行计算表缺少“批量计算”行";
inline constexpr const char* kEmptyFormulaMessage = "回归公式不能为空";
inline constexpr const char* kTooFewPointsText = "点数太少，不能回归";

// The messages of answers outside the table or the formula list.
std::string BadColumnsMessage(int lastCol);
std::string BadRangeMessage(int lastRecord);
std::string NoSuchFormulaMessage(int count);

// A run: a batch table asks "计算吗？" and computes; otherwise the plot offer, then the column
// statistics unless the table already has them.
void HandleTableCalculation(Workbench& bench);

// The four rows "总计", "平均值", "最大值", "最小值" under the records, filled in every column
// whose descriptor begins with "N". Blank and non-numeric cells count as 0 in the total and
// the mean and are left out of the extremes; the answer pane says how many a column had.
void AppendColumnStatistics(Workbench& bench);

// The batches. False when a statement was rejected (its message shown). A batch that fails
// keeps the rows it wrote and ends the table there.
bool RunRowBatch(Workbench& bench);
bool RunColumnBatch(Workbench& bench);

}  // namespace zarnix
