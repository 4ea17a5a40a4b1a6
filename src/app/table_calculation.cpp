// Table calculation: the run's questions, the plot offer with its dialogs and the fit report,
// the column statistics and the two batch modes.
#include "app/table_calculation.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"
#include "base/ui.h"
#include "expr/tree_eval.h"
#include "formulas/common_formulas_statements.h"
#include "numeric/regression.h"
#include "numeric/regression_category.h"
#include "plot/plot_engine.h"
#include "sheet/answer_pane.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstRecordRow = 2;
constexpr int kMinPlotRows = 7;
constexpr int kMaxRegressionFormulas = 19;
constexpr const char* kEndOfFormulas = "***";
constexpr const char* kCounterName = "kk";

constexpr const char* kCalculateQuestion = "计算吗？";
constexpr const char* kPlotQuestion = "画曲线吗？";
constexpr const char* kStatisticsQuestion = "进行列统计吗？";
constexpr const char* kColumnsCaption = "请输入坐标轴参数列号(最多9条曲线)";
constexpr const char* kColumnsPrompt = "X,Y1,Y2,…,Y9";
constexpr const char* kRangeCaption = "请输入数据起止记录号";
constexpr const char* kFormulaNumberCaption = "请输入回归公式号（详见文本框）";
constexpr const char* kDefaultFormulaNumber = "11";
constexpr const char* kCustomFormulaCaption = "请输入自定义的回归公式";
constexpr const char* kDefaultCustomFormula = "a+b*x+c*x^2+d*x^3+e*x^4";
constexpr const char* kStatisticsLabels[] = {kTotalLabel, "平均值", "最大值", "最小值"};

bool IsNumericColumn(const Worksheet& grid, int col) {
  return grid.Cell(col, 0).find('N') != std::string::npos;
}

// The last row from 2 on whose column 1 reads "批量计算"; 0 when there is none.
int BatchMarkRow(const Worksheet& grid) {
  int found = 0;
  for (int row = kFirstRecordRow; row < grid.RowCount(); ++row)
    if (grid.Cell(1, row) == kBatchRowMark) found = row;
  return found;
}

void WriteRecordNumbers(Worksheet& grid) {
  for (int row = kFirstRecordRow; row < grid.RowCount(); ++row)
    grid.SetCell(0, row, IntToStr(row - 1));
}

// A statement as the batches read it from its cell.
std::string BatchStatement(const std::string& cell) {
  return LowerCase(Trim(cell));
}

// A "=" statement with a formula: one value in the list's results.
bool GivesResult(const std::string& statement) {
  const Statement split = SplitStatement(statement);
  return split.result && !Trim(split.formula).empty();
}

// --- the batches ---

// The count after the first ":" of the cell (the whole cell without one), 1 when that is no
// integer; kept within 1 … kMaxBatchIterations, a count outside written back.
int IterationCount(Worksheet& grid, int col, int row) {
  const std::string cell = grid.Cell(col, row);
  const std::size_t colon = cell.find(':');
  const std::string head = colon == std::string::npos ? "" : cell.substr(0, colon + 1);
  const auto count =
      TryStrToInt64(Trim(colon == std::string::npos ? cell : cell.substr(colon + 1)));
  if (!count) return 1;
  const auto kept = std::clamp<std::int64_t>(*count, 1, kMaxBatchIterations);
  if (kept != *count) grid.SetCell(col, row, head + IntToStr(kept));
  return static_cast<int>(kept);
}

// The statements parsed once with the counter first, so every statement may use kk.
std::optional<StatementList> ParseBatch(Workbench& bench, std::vector<std::string> statements) {
  statements.insert(statements.begin(), std::string(kCounterName) + ":0");
  StatementList list(EvalServices::Of(bench));
  if (!list.Parse(statements)) return std::nullopt;
  return list;
}

// Evaluates iteration after iteration; on a failure the table ends after the rows written.
template <class WriteRow>
void RunIterations(Workbench& bench, const StatementList& list, int n, int firstRow,
                   WriteRow writeRow) {
  int k = 0;
  try {
    for (; k < n; ++k) {
      const Extended counter = k;
      writeRow(firstRow + k, k, list.Evaluate({&counter, 1}));
    }
  } catch (...) {
    bench.grid.SetRowCount(firstRow + k);
    WriteRecordNumbers(bench.grid);
    throw;
  }
}

}  // namespace

bool RunColumnBatch(Workbench& bench) {
  Worksheet& grid = bench.grid;
  constexpr int kStatementRow = 3;
  constexpr int kFirstResultRow = 4;
  const int n = IterationCount(grid, 2, kStatementRow);
  std::vector<std::string> statements;
  std::vector<bool> isResult(grid.ColCount(), false);
  for (int col = 2; col < grid.ColCount(); ++col) {
    statements.push_back(BatchStatement(grid.Cell(col, kStatementRow)));
    isResult[col] = GivesResult(statements.back());
  }
  grid.SetRowCount(kFirstResultRow + n);
  const auto list = ParseBatch(bench, statements);
  if (!list) {
    grid.SetRowCount(kFirstResultRow);
    WriteRecordNumbers(grid);
    return false;
  }
  RunIterations(bench, *list, n, kFirstResultRow,
                [&](int row, int k, const std::vector<Extended>& results) {
                  grid.SetCell(1, row, std::string(kCounterName) + "=" + IntToStr(k));
                  std::size_t next = 0;
                  for (int col = 2; col < grid.ColCount(); ++col) {
                    if (!isResult[col]) {
                      grid.SetCell(col, row, "");
                      continue;
                    }
                    const std::string text = Format(bench.resultFormat, results[next++]);
                    grid.SetCell(col, row, text);
                    grid.SetCell(col, 0,
                                 "N" + IntToStr(static_cast<std::int64_t>(text.size())) + "." +
                                     IntToStr(bench.decimals));
                  }
                });
  WriteRecordNumbers(grid);
  return true;
}

bool RunRowBatch(Workbench& bench) {
  Worksheet& grid = bench.grid;
  const int mark = BatchMarkRow(grid);
  if (mark == 0) throw Exception(kNoBatchRowMessage);
  const int n = IterationCount(grid, 2, 2);
  // The statements stand above the mark row; the rows below it are the output.
  std::vector<std::string> statements;
  std::vector<std::string> names;
  for (int row = kFirstRecordRow; row < mark; ++row) {
    statements.push_back(BatchStatement(grid.Cell(2, row)));
    if (GivesResult(statements.back())) names.push_back(SplitStatement(grid.Cell(2, row)).name);
  }
  const int headingRow = mark + 1;
  grid.SetCell(1, headingRow, kCounterName);
  for (std::size_t i = 0; i < names.size(); ++i)
    grid.SetCell(static_cast<int>(i) + 2, headingRow, names[i]);
  // Column 2 holds the statements: it stays even when no statement has a result.
  grid.SetColCount(std::max(static_cast<int>(names.size()) + 2, 3));
  grid.SetRowCount(headingRow + 1 + n);
  for (int row = kFirstRecordRow; row <= mark; ++row)
    for (int col = 3; col < grid.ColCount(); ++col) grid.SetCell(col, row, "");

  const auto list = ParseBatch(bench, statements);
  if (!list) {
    grid.SetRowCount(headingRow + 1);
    WriteRecordNumbers(grid);
    return false;
  }
  RunIterations(bench, *list, n, headingRow + 1,
                [&](int row, int k, const std::vector<Extended>& results) {
                  grid.SetCell(1, row, IntToStr(k));
                  for (std::size_t i = 0; i < results.size(); ++i)
                    grid.SetCell(static_cast<int>(i) + 2, row,
                                 Format("%." + IntToStr(bench.decimals) + "f", results[i]));
                });
  for (int col = 2; col < grid.ColCount(); ++col) {
    grid.SetCell(col, 0, "N8.3");
    grid.SetCell(col, 1, grid.Cell(col, headingRow));
  }
  WriteRecordNumbers(grid);
  return true;
}

// --- column statistics ---

namespace {

// Width and decimals of an "N<width>.<decimals>" descriptor, kept to what a cell can show.
struct NumberShape {
  int width = 0;
  int decimals = 0;
};

NumberShape ShapeOf(const std::string& descriptor) {
  const std::string t = TrimLeft(descriptor);
  const std::size_t dot = t.find('.');
  const std::string width = t.substr(1, dot == std::string::npos ? std::string::npos : dot - 1);
  const std::string decimals = dot == std::string::npos ? "" : t.substr(dot + 1);
  return {std::clamp(StrToIntDef(width, 0), 0, 64), std::clamp(StrToIntDef(decimals, 0), 0, 18)};
}

struct ColumnSums {
  float total = 0;
  std::optional<float> largest;
  std::optional<float> smallest;
  int skipped = 0;  // blank or non-numeric records
};

ColumnSums SumColumn(const Worksheet& grid, int col, int endRow) {
  ColumnSums sums;
  for (int row = kFirstRecordRow; row < endRow; ++row) {
    const auto value = TryStrToFloat(grid.Cell(col, row));
    if (!value) {
      ++sums.skipped;
      continue;
    }
    const float v = static_cast<float>(*value);
    sums.total += v;
    sums.largest = sums.largest ? std::max(*sums.largest, v) : v;
    sums.smallest = sums.smallest ? std::min(*sums.smallest, v) : v;
  }
  return sums;
}

}  // namespace

void AppendColumnStatistics(Workbench& bench) {
  Worksheet& grid = bench.grid;
  grid.SetColWidth(0, static_cast<int>(std::lround(grid.FontSize() * 4.5)));
  const int r0 = grid.RowCount();
  grid.SetRowCount(r0 + 4);
  for (int i = 0; i < 4; ++i) {
    grid.ClearRow(r0 + i);
    grid.SetCell(0, r0 + i, kStatisticsLabels[i]);
  }
  const int records = r0 - kFirstRecordRow;
  for (int col = 1; col < grid.ColCount(); ++col) {
    if (!TrimLeft(grid.Cell(col, 0)).starts_with("N")) continue;
    const NumberShape shape = ShapeOf(grid.Cell(col, 0));
    const std::string format = "%" + IntToStr(shape.width) + "." + IntToStr(shape.decimals) + "f";
    const ColumnSums sums = SumColumn(grid, col, r0);
    const float mean = records > 0 ? sums.total / static_cast<float>(records) : 0;
    grid.SetCell(col, r0, Format(format, Extended{sums.total}));
    grid.SetCell(col, r0 + 1, Format(format, Extended{mean}));
    if (sums.largest) grid.SetCell(col, r0 + 2, Format(format, Extended{*sums.largest}));
    if (sums.smallest) grid.SetCell(col, r0 + 3, Format(format, Extended{*sums.smallest}));
    if (sums.skipped > 0)
      bench.answer.Add("字段" + grid.Cell(col, 1) + "有" + IntToStr(sums.skipped) +
                       "个空白或非数字的记录，按0计入总计和平均值，不计入最大值和最小值");
  }
}

// --- the plot offer ---

namespace {

enum class OfferEnd { kNormal, kTooFewFields };

struct PlotColumns {
  int x = 0;
  std::vector<int> curves;
};

struct RecordRange {
  int first = 0;
  int last = 0;
};

class TableRun {
 public:
  TableRun(Workbench& bench, WindowPort& window)
      : bench_(bench), grid_(bench.grid), window_(window), services_(EvalServices::Of(bench)) {}

  void Run() {
    const std::string& mark = grid_.Cell(1, 1);
    if (mark == kRowBatchMark || mark == kColumnBatchMark) {
      if (bench_.ui.AskYesNoCancel(kCalculateQuestion) != DialogResult::kYes) return;
      const bool done = mark == kRowBatchMark ? RunRowBatch(bench_) : RunColumnBatch(bench_);
      if (done) PlotOffer();
      return;
    }
    if (PlotOffer() == OfferEnd::kTooFewFields) return;
    if (HasStatistics()) return;
    if (bench_.ui.AskYesNoCancel(kStatisticsQuestion) != DialogResult::kYes) return;
    AppendColumnStatistics(bench_);
    window_.ClickAnswerBox();
    if (!window_.CalcPageActive()) bench_.ui.ShowMessage(kSeeStatisticsMessage);
  }

 private:
  bool HasStatistics() const {
    for (int row = kFirstRecordRow; row < grid_.RowCount(); ++row)
      if (grid_.Cell(0, row) == kTotalLabel) return true;
    return false;
  }

  OfferEnd PlotOffer() {
    memo3_ = &window_.ShowReportPane();
    memo3_->Clear();
    std::vector<int> numeric;
    for (int col = 1; col < grid_.ColCount() && numeric.size() < kMaxPlotColumns; ++col)
      if (IsNumericColumn(grid_, col)) numeric.push_back(col);
    if (numeric.size() < 2 || grid_.RowCount() < kMinPlotRows) {
      bench_.ui.ShowMessage(kTooFewFieldsMessage);
      return OfferEnd::kTooFewFields;
    }
    if (bench_.ui.AskYesNoCancel(kPlotQuestion) != DialogResult::kYes) return OfferEnd::kNormal;
    if (bench_.canvas) bench_.canvas->Clear();
    const PlotColumns columns = AskColumns(numeric);
    const RecordRange range = AskRange();
    if (bench_.canvas) {
      const PlotPorts ports{*bench_.canvas, bench_.ui, PlotGeometryForScreen(bench_.screen)};
      PlotGridColumns(ports, grid_, columns.x, range.first, range.last, columns.curves);
    }
    FitCurves(columns, range, ChooseFormula());
    window_.ShowImagePage();
    return OfferEnd::kNormal;
  }

  // "X,Y1,…": the x column and at most nine curves; numbers beyond them are ignored.
  PlotColumns AskColumns(const std::vector<int>& numeric) {
    std::string defaults;
    for (int col : numeric) defaults += (defaults.empty() ? "" : ",") + IntToStr(col);
    std::string answer = bench_.ui.AskText(kColumnsCaption, kColumnsPrompt, defaults);
    float typed[kMaxPlotColumns] = {};
    int count = kMaxPlotColumns;  // stays so when more numbers were typed than are used
    SplitSingles(answer, typed, count);
    const int lastCol = grid_.ColCount() - 1;
    PlotColumns columns;
    for (int i = 0; i < count; ++i) {
      const float col = std::trunc(typed[i]);
      if (!(col >= 1 && col <= static_cast<float>(lastCol)))
        throw Exception(BadColumnsMessage(lastCol));
      if (i == 0) {
        columns.x = static_cast<int>(col);
      } else {
        columns.curves.push_back(static_cast<int>(col));
      }
    }
    if (columns.curves.empty()) throw Exception(BadColumnsMessage(lastCol));
    return columns;
  }

  RecordRange AskRange() {
    const std::string& mark = grid_.Cell(1, 1);
    int first = 1;
    if (mark == kRowBatchMark && BatchMarkRow(grid_) > 0) first = BatchMarkRow(grid_) + 1;
    if (mark == kColumnBatchMark) first = 3;
    int last = 0;
    for (int row = kFirstRecordRow; row < grid_.RowCount(); ++row) {
      const auto number = TryStrToInt64(grid_.Cell(0, row));
      if (!number || *number == 0) break;
      last = static_cast<int>(std::clamp<std::int64_t>(*number, INT32_MIN, INT32_MAX));
    }
    std::string answer =
        bench_.ui.AskText(kRangeCaption, "", IntToStr(first) + "," + IntToStr(last));
    float typed[2] = {};
    int count = 2;
    SplitSingles(answer, typed, count);
    const int lastRecord = grid_.RowCount() - kFirstRecordRow;
    const float from = std::nearbyint(typed[0]);
    const float to = std::nearbyint(typed[1]);
    if (count < 2 || !(from >= 1 && from <= to && to <= static_cast<float>(lastRecord)))
      throw Exception(BadRangeMessage(lastRecord));
    return {static_cast<int>(from), static_cast<int>(to)};
  }

  // The formulas after the data list's first "回归公式" line, up to "***" (19 at most).
  std::vector<std::string> FormulaList() const {
    const std::vector<std::string>& list = bench_.dataList;
    const auto heading = std::find(list.begin(), list.end(), kRegressionListHeading);
    std::vector<std::string> formulas;
    for (auto line = heading; line != list.end() && ++line != list.end();) {
      if (*line == kEndOfFormulas || formulas.size() == kMaxRegressionFormulas) break;
      formulas.push_back(*line);
    }
    return formulas;
  }

  struct Choice {
    std::string answer;
    std::string formula;
  };

  Choice ChooseFormula() {
    const std::vector<std::string> formulas = FormulaList();
    memo3_->Add(kRegressionListHeading);
    memo3_->Add("0: 自定义");
    for (std::size_t k = 0; k < formulas.size(); ++k)
      memo3_->Add(IntToStr(static_cast<std::int64_t>(k) + 1) + ": " + formulas[k]);
    Choice choice;
    choice.answer = bench_.ui.AskText(kFormulaNumberCaption, "", kDefaultFormulaNumber);
    const int k = StrToInt(choice.answer);
    if (k == 0) {
      choice.formula = bench_.ui.AskText(kCustomFormulaCaption, "", kDefaultCustomFormula);
      if (Trim(choice.formula).empty()) throw Exception(kEmptyFormulaMessage);
    } else if (k < 0 || k > static_cast<int>(formulas.size())) {
      throw Exception(NoSuchFormulaMessage(static_cast<int>(formulas.size())));
    } else {
      choice.formula = formulas[k - 1];
    }
    return choice;
  }

  void FitCurves(const PlotColumns& columns, const RecordRange& range, const Choice& choice) {
    const std::string& formula = choice.formula;
    const bool power = formula == kPowerForm;
    const int n = range.last - range.first + 1;
    memo3_->Clear();
    memo3_->Add(kRegressionListHeading + choice.answer + ":");
    memo3_->Add("Yi=" + formula);
    memo3_->Add("X—" + grid_.Cell(columns.x, 1));
    const std::vector<Extended> x = ReadColumn(columns.x, range);
    for (std::size_t j = 0; j < columns.curves.size(); ++j) {
      const int col = columns.curves[j];
      const std::vector<Extended> y = ReadColumn(col, range);
      // Logarithms of negative data: the curve is left out.
      if (power && (Negative(x) || Negative(y))) continue;
      const FitInput in = LinearisedFit(formula, formula, x, y);
      const int m = CountTerms(in.text);
      memo3_->Add("");
      memo3_->Add("Y" + IntToStr(static_cast<std::int64_t>(j) + 1) + "—" + grid_.Cell(col, 1));
      if (n - 1 < m) {
        memo3_->Add(kTooFewPointsText);
        continue;
      }
      FitCurve(in, m, power, formula, x, y);
    }
  }

  void FitCurve(const FitInput& in, int m, bool power, const std::string& formula,
                const std::vector<Extended>& x, const std::vector<Extended>& y) {
    std::vector<Extended> coefficients = FitByTerms(services_, in.text, in.x, in.y);
    if (coefficients.back() == kFitTooManyTerms) memo3_->Add(kTooManyTermsText);
    if (coefficients.back() < 0) return;
    coefficients.pop_back();
    if (power) coefficients[0] = Checked(std::exp(coefficients[0]));
    for (int k = 0; k < m; ++k)
      memo3_->Add(std::string("系数") + static_cast<char>('a' + k) + "= " +
                  Number(coefficients[k]));
    const Extended zero = 0;
    const std::vector<Extended> predicted =
        EvalFormulaGrid(services_, formula, coefficients, x, {&zero, 1}, {&zero, 1});
    const FitGoodness goodness = GoodnessOfFit(predicted, y, m);
    memo3_->Add("相关系数R=" + Number(goodness.r));
    memo3_->Add("离差系数C=" + Number(goodness.c));
  }

  // The records' cells of a column, read strictly.
  std::vector<Extended> ReadColumn(int col, const RecordRange& range) const {
    std::vector<Extended> values;
    for (int record = range.first; record <= range.last; ++record)
      values.push_back(StrToFloat(grid_.Cell(col, record + 1)));
    return values;
  }

  static bool Negative(const std::vector<Extended>& values) {
    return std::any_of(values.begin(), values.end(), [](Extended v) { return v < 0; });
  }

  std::string Number(Extended value) const { return Format(bench_.resultFormat, Checked(value)); }

  Workbench& bench_;
  Worksheet& grid_;
  WindowPort& window_;
  EvalServices services_;
  AnswerPane* memo3_ = nullptr;
};

// Where there is no window the report goes nowhere and nothing changes pages.
class NoWindow : public WindowPort {
 public:
  AnswerPane& ShowReportPane() override { return pane_; }
  void ClickAnswerBox() override {}
  bool CalcPageActive() const override { return true; }
  void ShowImagePage() override {}

 private:
  AnswerPane pane_;
};

}  // namespace

std::string BadColumnsMessage(int lastCol) {
  return "列号须在1至" + IntToStr(lastCol) + "之间，且至少有一条曲线";
}

std::string BadRangeMessage(int lastRecord) {
  return "记录号须在1至" + IntToStr(lastRecord) + "之间，且起始记录号不大于终止记录号";
}

std::string NoSuchFormulaMessage(int count) {
  return "回归公式号须在0至" + IntToStr(count) + "之间";
}

void HandleTableCalculation(Workbench& bench) {
  NoWindow none;
  TableRun(bench, bench.window ? *bench.window : none).Run();
}

}  // namespace zarnix
