// The control-system sheet: reading an item's cells (with their limits written back), running
// the time or frequency response, and writing the plot table and the margin cells.
#include "numeric/control_category.h"

#include <algorithm>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "expr/tree_eval.h"
#include "numeric/control_blocks.h"
#include "numeric/control_frequency.h"
#include "numeric/control_response.h"
#include "sheet/answer_pane.h"
#include "sheet/item_sheet.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kGuidance[] = {"每次计算一项", "选择某编号后，单击控制系统仿真按钮", ""};
constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 60}, {2, 120}};
constexpr const char* kOutputHeading = "输出变量";
constexpr const char* kMatrixHeading = "系统连接矩阵";
constexpr const char* kPlotHint = "(双击此格看图像)";
constexpr const char* kNoItemSelected = "当前行没有第1到5项的编号，请先单击某个项目的编号";
constexpr const char* kNoOutputArea = "工作表中找不到\"输出变量\"一行，结果无处输出";

// Limits that keep a run and its table bounded; a value beyond them is written back.
constexpr int kMaxOrder = 20;
constexpr int kMaxResponseSteps = 100000;  // item 1 tabulates every step
constexpr int kMaxBlocks = 100;
constexpr int kMaxDiagramSteps = 1000000;  // items 2 and 3 tabulate every fifth step
// Blocks² × steps of one diagram run at most: a loop of direct blocks is solved at every stage,
// so a hundred blocks get 10 000 steps and a run stays within a few seconds.
constexpr long long kMaxDiagramWork = 100'000'000;
constexpr int kKeepEvery = 5;
constexpr int kMinPoints = 3;  // the margins need a parabola
constexpr int kMaxPoints = 100000;
constexpr int kMaxConnections = 101;
constexpr int kMaxParameters = 8;  // the letters a … h

// Where the run writes: the output area from row `outputRow`, the heading just above it.
struct ControlRun {
  int outputRow = -1;
  int HeadingRow() const { return outputRow - 1; }
};

// --- reading cells ---

// A parameter cell may read "name=value"; only the value counts.
std::string ValueText(const std::string& cell) {
  const std::size_t eq = cell.find('=');
  return eq == std::string::npos ? cell : cell.substr(eq + 1);
}

bool IsEmptyCell(const ItemRow& row, int offset, int col) {
  return Trim(ValueText(row.CellBelow(offset, col))).empty();
}

Extended RealAt(const ItemRow& row, int offset, int col) {
  return StrToFloat(ValueText(row.CellBelow(offset, col)));
}

int IntAt(const ItemRow& row, int offset, int col) {
  return StrToInt(Trim(ValueText(row.CellBelow(offset, col))));
}

// Optional cells: empty reads as 0.
Extended OptionalRealAt(const ItemRow& row, int offset, int col) {
  return IsEmptyCell(row, offset, col) ? 0 : RealAt(row, offset, col);
}

int OptionalIntAt(const ItemRow& row, int offset, int col) {
  return IsEmptyCell(row, offset, col) ? 0 : IntAt(row, offset, col);
}

// An integer kept within [low, high]; a value outside is replaced by the limit in its cell,
// after the cell's "name=" if it has one.
int ClampedIntAt(ItemRow& row, int offset, int col, int low, int high) {
  const int value = IntAt(row, offset, col);
  if (value >= low && value <= high) return value;
  const int limit = value < low ? low : high;
  const std::string& cell = row.CellBelow(offset, col);
  const std::size_t eq = cell.find('=');
  const std::string name = eq == std::string::npos ? "" : cell.substr(0, eq + 1);
  row.SetCellBelow(offset, col, name + IntToStr(limit));
  return limit;
}

// The texts of row `offset` from column 4 up to the first empty cell.
std::vector<std::string> TextsUpToEmpty(ItemRow& row, int offset) {
  std::vector<std::string> texts;
  const int cols = row.Bench().grid.ColCount();
  for (int col = 4; col < cols && !Trim(row.CellBelow(offset, col)).empty(); ++col)
    texts.push_back(Trim(row.CellBelow(offset, col)));
  return texts;
}

// The `count` coefficients of row `offset` from column `first` on, for a system of the given
// order; a list that runs past the worksheet's columns says how many it needs.
std::vector<Extended> CoefficientsAt(ItemRow& row, int offset, int first, int count, int order) {
  if (first + count > row.Bench().grid.ColCount())
    throw Exception("阶数为" + IntToStr(order) + "时需要第" + IntToStr(first) + "到" +
                    IntToStr(first + count - 1) + "列的系数，工作表的列不够");
  std::vector<Extended> values;
  for (int i = 0; i < count; ++i) values.push_back(RealAt(row, offset, first + i));
  return values;
}

// --- writing the table ---

// Empties every cell from row `first` down and sets the row count for the new table.
void PrepareOutput(Worksheet& g, int first, int rowCount, int colsNeeded) {
  const int oldRows = g.RowCount();
  for (int r = first; r < std::max(oldRows, rowCount); ++r)
    for (int c = 0; c < g.ColCount(); ++c) g.SetCell(c, r, "");
  g.SetRowCount(rowCount);
  if (g.ColCount() < colsNeeded) g.SetColCount(colsNeeded);
}

std::string Marker(const char* quantity, const ItemRow& row) {
  return quantity + IntToStr(row.Number()) + kPlotHint;
}

// --- item 1 ---

void TransferFunctionItem(ItemRow& row, const ControlRun& run) {
  const int n = ClampedIntAt(row, 0, 4, 1, kMaxOrder);
  const Extended dt = RealAt(row, 0, 5);
  CheckTimeStep(dt);
  const int steps = ClampedIntAt(row, 0, 6, 0, kMaxResponseSteps);
  const std::vector<Extended> numerator = CoefficientsAt(row, 1, 4, n, n);
  const std::vector<Extended> denominator = CoefficientsAt(row, 2, 4, n + 1, n);
  const Extended gain = RealAt(row, 3, 4);
  const Extended amplitude = RealAt(row, 4, 4);
  const Extended rampTime = RealAt(row, 4, 5);

  const std::vector<Extended> input = RampToStepInput(amplitude, rampTime, dt, steps);
  const std::vector<Extended> y =
      TransferFunctionResponse(n, steps, numerator, denominator, dt, gain, input);

  Worksheet& g = row.Bench().grid;
  const int s = run.outputRow;
  PrepareOutput(g, s, s + steps + 2, 3);
  g.SetCell(1, s, Marker("T", row));
  g.SetCell(2, s, "Y" + IntToStr(row.Number()));
  for (int k = 0; k <= steps; ++k) {
    g.SetCell(1, s + 1 + k, row.Real(k * dt));
    g.SetCell(2, s + 1 + k, row.Real(y[k]));
  }
}

// --- items 2 and 3 ---

NonlinearElement ReadNonlinear(const ItemRow& row, int offset) {
  const int kind = OptionalIntAt(row, offset, 10);
  if (kind < 0 || kind > kLastNonlinearKind)
    throw Exception("非线性环节类型(第10列)应为0到" + IntToStr(kLastNonlinearKind) + "，不是" +
                    IntToStr(kind));
  NonlinearElement element;
  element.kind = static_cast<NonlinearKind>(kind);
  if (element.kind == NonlinearKind::kNone) return element;
  element.first = RealAt(row, offset, 9);
  element.second = OptionalRealAt(row, offset, 11);
  return element;
}

std::vector<ControlBlock> ReadBlocks(const ItemRow& row, int n, bool nonlinear) {
  std::vector<ControlBlock> blocks(n);
  for (int i = 0; i < n; ++i) {
    const int offset = 3 + i;
    ControlBlock& b = blocks[i];
    b.a = RealAt(row, offset, 4);
    b.b = RealAt(row, offset, 5);
    b.c = RealAt(row, offset, 6);
    b.d = RealAt(row, offset, 7);
    b.initial = OptionalRealAt(row, offset, 8);
    if (nonlinear) b.nonlinear = ReadNonlinear(row, offset);
  }
  return blocks;
}

int FindMatrixHeading(ItemRow& row, const ControlRun& run) {
  for (int r = row.Row(); r < run.HeadingRow(); ++r)
    if (Trim(row.Bench().grid.Cell(3, r)) == kMatrixHeading) return r;
  throw Exception("第" + IntToStr(row.Number()) + "项下面找不到\"" + kMatrixHeading + "\"一行");
}

// One connection per row after the heading, ended by a row whose two block numbers are 0;
// the list with its end row fills at most 101 rows. A blank row, the output heading or the
// sheet's end before the end row is a list without one.
std::vector<BlockConnection> ReadConnections(ItemRow& row, const ControlRun& run) {
  const int heading = FindMatrixHeading(row, run);
  std::vector<BlockConnection> connections;
  for (int k = 1; k <= kMaxConnections && heading + k < run.HeadingRow(); ++k) {
    const int offset = heading + k - row.Row();
    if (IsEmptyCell(row, offset, 4) && IsEmptyCell(row, offset, 5)) break;
    BlockConnection c;
    c.from = IntAt(row, offset, 4);
    c.to = IntAt(row, offset, 5);
    if (c.from == 0 && c.to == 0) return connections;
    c.gain = RealAt(row, offset, 6);
    connections.push_back(c);
  }
  throw Exception(std::string(kMatrixHeading) + "没有结束行(两个方框号都为0的一行)，最多" +
                  IntToStr(kMaxConnections) + "行");
}

std::vector<int> ReadRecordedBlocks(ItemRow& row) {
  std::vector<int> recorded;
  const int cols = row.Bench().grid.ColCount();
  for (int col = 4; col < cols && !IsEmptyCell(row, 1, col); ++col)
    recorded.push_back(IntAt(row, 1, col));
  if (recorded.empty()) throw Exception("请在项目的下一行从第4列起列出要输出的方框号");
  return recorded;
}

void BlockDiagramItem(ItemRow& row, const ControlRun& run) {
  const int n = ClampedIntAt(row, 0, 4, 1, kMaxBlocks);
  const Extended dt = RealAt(row, 0, 5);
  CheckTimeStep(dt);
  const int maxSteps =
      static_cast<int>(std::min<long long>(kMaxDiagramSteps, kMaxDiagramWork / (1LL * n * n)));
  const int steps = ClampedIntAt(row, 0, 6, 0, maxSteps);
  BlockDiagram diagram;
  diagram.input = RealAt(row, 0, 7);
  const std::vector<int> recorded = ReadRecordedBlocks(row);
  diagram.blocks = ReadBlocks(row, n, row.Number() == 3);
  diagram.connections = ReadConnections(row, run);

  const auto table = BlockDiagramSimulation(diagram, dt, steps, recorded);

  Worksheet& g = row.Bench().grid;
  const int s = run.outputRow;
  const int m = steps / kKeepEvery;
  PrepareOutput(g, s, s + m + 2, 2 + static_cast<int>(recorded.size()));
  g.SetCell(1, s, Marker("T", row));
  for (std::size_t i = 0; i < recorded.size(); ++i) {
    const int col = 2 + static_cast<int>(i);
    g.SetCell(col, s, "Y" + IntToStr(recorded[i]));
    for (int k = 0; k <= m; ++k) g.SetCell(col, s + 1 + k, row.Real(table[i][k]));
  }
  for (int k = 0; k <= m; ++k) g.SetCell(1, s + 1 + k, row.Real(kKeepEvery * k * dt));
}

// --- items 4 and 5 ---

// The frequency cell "ω1~ω2;N" with N kept within its limits (written back).
FrequencyRange ReadFrequencyRange(ItemRow& row) {
  const std::string& cell = row.CellBelow(2, 2);
  FrequencyRange range = ParseFrequencyRange(cell);
  const int points = std::clamp(range.points, kMinPoints, kMaxPoints);
  if (points != range.points) {
    range.points = points;
    row.SetCellBelow(2, 2, cell.substr(0, cell.find(';', cell.find('~')) + 1) + IntToStr(points));
  }
  return range;
}

std::string MarginText(const ItemRow& row, const MarginValue& v, bool frequency) {
  switch (v.status) {
    case MarginStatus::kMeasured:
      return row.Real(v.value);
    case MarginStatus::kExtrapolated:
      return frequency ? "无穿越频率(外推" + row.Real(v.value) + ")" : "外推" + row.Real(v.value);
    case MarginStatus::kNone:
      return "无穿越频率";
  }
  return "";
}

void WriteMargins(ItemRow& row, const StabilityMargins& m) {
  row.SetCellBelow(5, 4, MarginText(row, m.gainCrossover, true));
  row.SetCellBelow(5, 5, MarginText(row, m.phaseMargin, false));
  row.SetCellBelow(5, 6, MarginText(row, m.phaseCrossover, true));
  row.SetCellBelow(5, 7, MarginText(row, m.gainMargin, false));
  const auto note = [&](const MarginValue& v, const char* crossing, const char* values) {
    if (v.status == MarginStatus::kMeasured) return;
    row.Add(std::string(crossing) + "在所给频率范围内没有穿越" +
            (v.status == MarginStatus::kExtrapolated ? std::string("，") + values + "是外推值"
                                                     : std::string()));
  };
  note(m.gainCrossover, "L(ω)对0dB线", "穿越频率和相位裕度");
  note(m.phaseCrossover, "φ(ω)对-180°线", "相位穿越频率和幅值裕度");
}

void WriteBode(ItemRow& row, int s, const FrequencyResponse& r) {
  Worksheet& g = row.Bench().grid;
  g.SetCell(1, s, Marker("ω", row));
  g.SetCell(2, s, "L(ω)对数幅频特性");
  g.SetCell(3, s, "φ(ω)相频特性(度)");
  for (std::size_t i = 0; i < r.omega.size(); ++i) {
    const int at = s + 1 + static_cast<int>(i);
    g.SetCell(1, at, row.Real(r.omega[i]));
    g.SetCell(2, at, row.Real(r.gainDb[i]));
    g.SetCell(3, at, row.Real(r.phase[i]));
  }
}

void WriteNyquist(ItemRow& row, int s, const FrequencyResponse& r) {
  Worksheet& g = row.Bench().grid;
  g.SetCell(1, s, Marker("ω", row));
  g.SetCell(2, s, "NYQIST图");
  for (std::size_t i = 0; i < r.omega.size(); ++i) {
    const int at = s + 1 + static_cast<int>(i);
    g.SetCell(1, at, row.Real(r.re[i]));
    g.SetCell(2, at, row.Real(r.im[i]));
  }
}

void FrequencyItem(ItemRow& row, const ControlRun& run) {
  for (int col = 4; col <= 7; ++col) row.SetCellBelow(5, col, "");
  const FrequencyRange range = ReadFrequencyRange(row);
  const std::vector<std::string> factors = TextsUpToEmpty(row, 1);
  if (factors.empty()) throw Exception("请在项目的下一行从第4列起填写传递函数的各个因子");
  const std::vector<std::string> names = TextsUpToEmpty(row, 2);
  if (names.size() > kMaxParameters) throw Exception("参数最多" + IntToStr(kMaxParameters) + "个");
  std::vector<Extended> values;
  for (std::size_t k = 0; k < names.size(); ++k)
    values.push_back(RealAt(row, 3, 4 + static_cast<int>(k)));

  FrequencyResponse response;
  const std::string formula = TransferFunctionFormula(factors, names);
  if (!EvaluateFrequencyResponse(EvalServices::Of(row.Bench()), formula, values, Frequencies(range),
                                 response))
    return;  // the evaluator has shown its message

  const int s = run.outputRow;
  PrepareOutput(row.Bench().grid, s, s + range.points + 1, 4);
  if (row.Number() == 4) {
    WriteBode(row, s, response);
  } else {
    WriteNyquist(row, s, response);
  }
  WriteMargins(row, MarginsOf(response));
}

using ControlFn = void (*)(ItemRow&, const ControlRun&);
using ControlItem = ItemEntry<ControlFn>;
constexpr ControlItem kItems[] = {
    {1, 1, TransferFunctionItem},
    {2, 3, BlockDiagramItem},
    {4, 5, FrequencyItem},
};

int FindOutputRow(const Worksheet& g) {
  for (int r = 2; r < g.RowCount(); ++r)
    if (g.Cell(2, r) == kOutputHeading) return r + 1;
  return -1;
}

}  // namespace

void HandleControlSystem(Workbench& bench) {
  Worksheet& g = bench.grid;
  ControlRun run;
  run.outputRow = FindOutputRow(g);
  ItemSheetOptions options;
  options.columns = {60, kWidths};
  options.params = ParamKind::kNone;
  options.needsFirstParam = false;
  options.currentItemOnly = true;
  options.headerLines = kGuidance;
  bool computed = false;
  RunItemRows(bench, options, [&](ItemRow& row) {
    if (run.outputRow < 0) throw Exception(kNoOutputArea);
    // Rows in the output area are results, not items.
    if (row.Row() >= run.HeadingRow()) return false;
    if (!FindItem<ControlFn>(kItems, row.Number())) return false;
    // The item number goes on the row above the heading, unless that is a heading row.
    if (run.HeadingRow() - 1 >= g.FixedRows())
      g.SetCell(1, run.HeadingRow() - 1, "项目号:" + IntToStr(row.Number()));
    row.Add("已计算第" + IntToStr(row.Number()) + "项，解答在表格下部，双击指定格子可看图像");
    computed = true;
    return ComputeItem<ControlItem>(kItems, row, run);
  });
  if (!computed) bench.answer.Add(kNoItemSelected);
}

}  // namespace zarnix
