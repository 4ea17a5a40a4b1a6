// The item-row loop, the row accessor and column layouts shared by every item-row category.
#include "sheet/item_sheet.h"

#include <cmath>

#include "base/convert.h"
#include "base/format.h"
#include "base/fpu.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kEndOfItems = "***";

}  // namespace

void ApplyColumnLayout(Worksheet& grid, const ColumnLayout& layout) {
  const auto scaled = [&](int width) {
    return layout.fontScaled ? width * grid.FontSize() / 10 : width;
  };
  if (layout.defaultWidth > 0) grid.SetDefaultColWidth(scaled(layout.defaultWidth));
  for (const ColumnWidth& column : layout.widths) {
    const int col = column.col == kLastColumn ? grid.ColCount() - 1 : column.col;
    grid.SetColWidth(col, scaled(column.width));
  }
  if (layout.clearHeaderCell) grid.SetCell(0, 0, "");
}

// --- ItemRow ---

ItemRow::ItemRow(Workbench& bench, int row, int number, int firstParamCol, ParamKind kind)
    : bench_(bench), row_(row), number_(number), firstParamCol_(firstParamCol) {
  for (int col = firstParamCol; col < ResultCol(); ++col) {
    const std::string& text = Cell(col);
    reals_.push_back(kind == ParamKind::kReal ? StrToFloatDef(text, 0) : 0);
    ints_.push_back(kind == ParamKind::kInteger ? StrToInt64Def(Trim(text), 0) : 0);
  }
}

std::string ItemRow::Trimmed(int col) const {
  return Trim(Cell(col));
}

const std::string& ItemRow::CellBelow(int offset, int col) const {
  return bench_.grid.Cell(col, row_ + offset);
}

void ItemRow::SetCellBelow(int offset, int col, std::string text) {
  bench_.grid.SetCell(col, row_ + offset, std::move(text));
}

int ItemRow::LastParamCol() const {
  return ResultCol() - 1;
}

int ItemRow::ResultCol() const {
  return bench_.grid.ColCount() - 1;
}

void ItemRow::SetIntP(int i, std::int64_t value) {
  if (InRange(i)) ints_[Index(i)] = value;
  SetCell(firstParamCol_ + i, IntToStr(value));
}

std::int64_t ItemRow::IntAtMost(int i, std::int64_t high) {
  if (IntP(i) > high) SetIntP(i, high);
  return IntP(i);
}

std::int64_t ItemRow::IntWithin(int i, std::int64_t low, std::int64_t high) {
  if (IntP(i) < low) SetIntP(i, low);
  return IntAtMost(i, high);
}

int ItemRow::ClampedCount(int i, int low, int high) {
  const Extended value = std::nearbyint(P(i));
  if (value >= low && value <= high) return static_cast<int>(value);
  const int limit = value < low ? low : high;  // NaN cannot come from a cell
  SetCell(firstParamCol_ + i, IntToStr(limit));
  return limit;
}

Extended ItemRow::Clamped(int i, Extended low, Extended high) {
  const Extended value = P(i);
  if (value >= low && value <= high) return value;
  const int limit = static_cast<int>(value < low ? low : high);
  SetCell(firstParamCol_ + i, IntToStr(limit));
  return limit;
}

std::int32_t ItemRow::StrictInt(int col) const {
  if (const auto value = TryStrToInt(Trimmed(col))) return *value;
  ThrowNotInteger(Cell(col));
}

Extended ItemRow::StrictReal(int col) const {
  return StrToFloat(Cell(col));
}

const std::string& ItemRow::ResultFormat() const {
  return bench_.resultFormat;
}

std::string ItemRow::Real(Extended value) const {
  CheckFpFaults();
  return Format(bench_.resultFormat, value);
}

void ItemRow::Add(std::string_view line) {
  bench_.answer.Add(line);
}

void ItemRow::AddLines(const std::vector<std::string>& lines) {
  for (const std::string& line : lines) Add(line);
}

std::string ItemRow::ColonHeader() const {
  return IntToStr(number_) + ": " + Cell(2);
}

// --- the row loop ---

namespace {

int ItemNumber(const Worksheet& grid, int row) {
  return StrToIntDef(Trim(grid.Cell(1, row)), 0);
}

// Whether `row` is one of the rows this run computes. With the current item only, a current
// row without an item number selects nothing (rows of blank numbers are not one item).
bool Selected(const Worksheet& grid, const ItemSheetOptions& options, int row) {
  if (!options.currentItemOnly) return true;
  return ItemNumber(grid, grid.Row()) != 0 && grid.Cell(1, row) == grid.Cell(1, grid.Row());
}

void ComputeRow(Workbench& bench, const ItemSheetOptions& options, const ItemComputer& compute,
                int row, int number) {
  const bool texts = !options.textParamsMark.empty() &&
                     bench.grid.Cell(2, row).find(options.textParamsMark) != std::string::npos;
  ItemRow item(bench, row, number, options.firstParamCol,
               texts ? ParamKind::kNone : options.params);
  if (options.titleLines) item.Add(IntToStr(number) + "." + item.Cell(2));
  ClearFpFaults();
  try {
    compute(item);
  } catch (const ItemError& error) {
    if (!options.errorsInResultCell) throw;
    item.SetResult(error.Message());
  }
  CheckFpFaults();
  if (options.titleLines) item.Add("");
}

}  // namespace

void RunItemRows(Workbench& bench, const ItemSheetOptions& options, const ItemComputer& compute) {
  Worksheet& grid = bench.grid;
  ApplyColumnLayout(grid, options.columns);
  for (const char* line : options.headerLines) bench.answer.Add(line);
  const int endRow = grid.RowCount() - (options.skipLastRow ? 1 : 0);
  for (int row = options.firstRow; row < endRow; ++row) {
    if (grid.Cell(1, row) == kEndOfItems) break;
    if (!Selected(grid, options, row)) continue;
    if (!options.keepLastColumn) grid.SetCell(grid.ColCount() - 1, row, "");
    const int number = ItemNumber(grid, row);
    if (number == 0) continue;
    if (options.needsFirstParam && Trim(grid.Cell(options.firstParamCol, row)).empty()) continue;
    ComputeRow(bench, options, compute, row, number);
  }
}

}  // namespace zarnix
