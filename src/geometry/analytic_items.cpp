// The row loop of the analytic-geometry categories on the shared item sheet: parameter
// readers, result lines written at fixed offsets below the item, failures kept in the item.
#include "geometry/analytic_items.h"

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kFirstParamCol = 4;
constexpr int kHintCol = 3;
constexpr int kDefaultWidth = 118;
constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}};

std::string ParamCell(const ItemRow& row, int i) {
  return row.Cell(kFirstParamCol + i);
}

[[noreturn]] void ThrowParamError(int i, std::string_view what) {
  throw ItemError("参数" + IntToStr(i + 1) + "应填" + std::string(what));
}

ItemOutcome Compute(ItemRow& row, const AnalyticItem& item, Figure* figure) {
  ItemOutcome outcome;
  outcome.item = &item;
  ItemResults results(row, figure);
  try {
    item.compute(row, results);
    CheckFpFaults();
    outcome.lines = results.Lines();
  } catch (const ItemError& error) {
    outcome.error = error.Message();
  } catch (const EConvertError& error) {
    outcome.error = error.Message();
  } catch (const EMathError& error) {
    outcome.error = error.Message();
  }
  ClearFpFaults();
  return outcome;
}

// The result cells an item owns: its own and those of the rows below it.
void ClearResults(ItemRow& row, std::size_t lines) {
  for (std::size_t i = 0; i < lines; ++i)
    if (row.Row() + static_cast<int>(i) < Worksheet::kMaxRows)
      row.SetCellBelow(static_cast<int>(i), row.ResultCol(), "");
}

void AddHint(ItemRow& row, const char* hint) {
  const std::string& cell = row.Cell(kHintCol);
  if (cell.find(hint) == std::string::npos) row.SetCell(kHintCol, cell + hint);
}

bool RunRow(ItemRow& row, const AnalyticSheet& sheet) {
  const AnalyticItem* item = FindAnalyticItem(sheet.items, row.Number());
  row.SetResult("");
  if (!item) return false;
  ClearResults(row, item->labels.size());
  if (ParamEmpty(row, 0)) return true;
  if (sheet.figureHint) AddHint(row, sheet.figureHint);
  row.Add(row.DottedHeader());
  const ItemOutcome outcome = Compute(row, *item, nullptr);
  if (!outcome.error.empty()) {
    row.SetResult(outcome.error);
    row.Add(outcome.error);
  }
  for (std::size_t i = 0; i < outcome.lines.size(); ++i) {
    const int offset = static_cast<int>(i);
    if (row.Row() + offset >= Worksheet::kMaxRows) break;
    row.SetCellBelow(offset, row.ResultCol(), outcome.lines[i]);
    const std::string label = i < item->labels.size() ? item->labels[i] : "";
    row.Add(label + "：" + outcome.lines[i]);
  }
  row.Add("");
  return true;
}

}  // namespace

void ItemResults::Add(std::string_view symbols, std::span<const Extended> values) {
  const std::string text = Values(values);
  Add(symbols.empty() ? text : std::string(symbols) + "=" + text);
}

std::string ItemResults::Values(std::span<const Extended> values) const {
  std::string text;
  for (std::size_t i = 0; i < values.size(); ++i) text += (i ? ";" : "") + Value(values[i]);
  return text;
}

const AnalyticItem* FindAnalyticItem(std::span<const AnalyticItem> items, int number) {
  for (const AnalyticItem& item : items)
    if (item.number == number) return &item;
  return nullptr;
}

bool ParamEmpty(const ItemRow& row, int i) {
  return Trim(ParamCell(row, i)).empty();
}

std::vector<Extended> ParamNumbers(const ItemRow& row, int i, std::size_t count,
                                   std::string_view what) {
  const std::vector<Extended> values = ParamList(row, i, what);
  if (values.size() != count) ThrowParamError(i, what);
  return values;
}

Extended ParamNumber(const ItemRow& row, int i, std::string_view what) {
  return ParamNumbers(row, i, 1, what)[0];
}

std::vector<Extended> ParamList(const ItemRow& row, int i, std::string_view what) {
  const std::string cell = ParamCell(row, i);
  if (Trim(cell).empty()) ThrowParamError(i, what);
  return SplitReals(cell, ';');
}

void RunAnalyticItems(Workbench& bench, const AnalyticSheet& sheet) {
  ItemSheetOptions options;
  options.columns = {kDefaultWidth, kWidths};
  options.params = ParamKind::kNone;
  options.firstParamCol = kFirstParamCol;
  options.needsFirstParam = false;
  options.keepLastColumn = true;
  RunItemRows(bench, options, [&sheet](ItemRow& row) { return RunRow(row, sheet); });
}

ItemOutcome ComputeAnalyticRow(Workbench& bench, std::span<const AnalyticItem> items, int row,
                               Figure* figure) {
  const int number = StrToIntDef(Trim(bench.grid.Cell(1, row)), 0);
  const AnalyticItem* item = FindAnalyticItem(items, number);
  if (!item) return {};
  FpFaultScope faults;
  ItemRow itemRow(bench, row, number, kFirstParamCol, ParamKind::kNone);
  return Compute(itemRow, *item, figure);
}

}  // namespace zarnix
