// Item-row worksheets: one problem per row (column 1 the item number, column 2 its name,
// columns 4 … its parameters, the last column its result), computed by one row loop whose
// per-category differences are options. A category supplies only its item table:
//
//   void FactorialItem(ItemRow& row) { row.SetResult(row.Real(Factorial(row.P(0)))); }
//   using MyItem = ItemEntry<void (*)(ItemRow&)>;
//   constexpr MyItem kItems[] = {{1, 1, FactorialItem}, {2, 5, PowerItem}};
//   constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 20}, {2, 120}, {kLastColumn, 100}};
//
//   void HandleMyCategory(Workbench& bench) {
//     ItemSheetOptions options;
//     options.columns = {40, kWidths};
//     RunItemRows(bench, options, [](ItemRow& row) { return ComputeItem<MyItem>(kItems, row); });
//   }
//
// An item function may take extra arguments (a per-run context) passed on by ComputeItem, and
// may return its result text instead of writing it: ComputeItem then writes it into the result
// cell. Parameters that leave their range are clamped and the limit written back into the cell.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/errors.h"
#include "base/extended.h"

namespace zarnix {

struct Workbench;
class Worksheet;

// The failure of one item: with ItemSheetOptions::errorsInResultCell its text goes into the
// item's result cell and the other items are still computed; otherwise it ends the run.
class ItemError : public Exception {
  using Exception::Exception;
};

// --- column widths as data ---

inline constexpr int kLastColumn = -1;

struct ColumnWidth {
  int col;  // kLastColumn: the worksheet's last column
  int width;
};

struct ColumnLayout {
  int defaultWidth = 0;  // 0 leaves the default width alone
  std::span<const ColumnWidth> widths;
  bool clearHeaderCell = false;  // empties cell (0, 0)
  bool fontScaled = false;       // every width × the grid's font size div 10
};

// Sets the default width (which resets every column), then the listed widths in order.
void ApplyColumnLayout(Worksheet& grid, const ColumnLayout& layout);

// --- the item table ---

template <class Fn>
struct ItemEntry {
  int first;  // item numbers first … last share the function
  int last;
  Fn compute;
};

// The function for an item number; null when the number has none.
template <class Fn>
Fn FindItem(std::span<const ItemEntry<Fn>> table, int number) {
  for (const ItemEntry<Fn>& item : table)
    if (number >= item.first && number <= item.last) return item.compute;
  return nullptr;
}

// --- one item row ---

enum class ParamKind {
  kReal,     // each parameter cell read with the defaulting real conversion (0 otherwise)
  kInteger,  // each trimmed parameter cell read as a 64-bit integer (0 otherwise)
  kNone,     // the item reads its cells as texts itself; every parameter is 0
};

class ItemRow {
 public:
  ItemRow(Workbench& bench, int row, int number, int firstParamCol, ParamKind kind);

  Workbench& Bench() { return bench_; }
  int Number() const { return number_; }
  int Row() const { return row_; }

  // Cells of this row, and of the rows below it at a fixed offset.
  const std::string& Cell(int col) const { return CellBelow(0, col); }
  std::string Trimmed(int col) const;
  void SetCell(int col, std::string text) { SetCellBelow(0, col, std::move(text)); }
  const std::string& CellBelow(int offset, int col) const;
  void SetCellBelow(int offset, int col, std::string text);

  // The parameter cells: FirstParamCol() … LastParamCol(), the column before the result.
  int FirstParamCol() const { return firstParamCol_; }
  int LastParamCol() const;
  int ParamCount() const { return static_cast<int>(reals_.size()); }
  // The values read when the row was opened; 0 beyond the parameter cells.
  Extended P(int i) const { return InRange(i) ? reals_[Index(i)] : 0; }
  std::span<const Extended> Params() const { return reals_; }
  std::int64_t IntP(int i) const { return InRange(i) ? ints_[Index(i)] : 0; }
  // Replaces integer parameter i and its cell.
  void SetIntP(int i, std::int64_t value);
  // IntP(i), lowered to `high` (written back) when above it.
  std::int64_t IntAtMost(int i, std::int64_t high);
  // IntP(i) kept within [low, high]; the limit is written back when it is outside.
  std::int64_t IntWithin(int i, std::int64_t low, std::int64_t high);
  // P(i) rounded and kept within [low, high]; a value outside is replaced in its cell.
  int ClampedCount(int i, int low, int high);
  // P(i) kept within [low, high]; a value outside is replaced by the whole limit in its cell.
  Extended Clamped(int i, Extended low, Extended high);
  // A cell read strictly; a bad text ends the run with the conversion error.
  std::int32_t StrictInt(int col) const;
  Extended StrictReal(int col) const;

  int ResultCol() const;
  void SetResult(std::string text) { SetCell(ResultCol(), std::move(text)); }
  // A value in ResultFormat, after the floating-point fault check.
  std::string Real(Extended value) const;
  const std::string& ResultFormat() const;

  void Add(std::string_view line);
  void AddLines(const std::vector<std::string>& lines);
  // Column 1, "." and column 2; the item number, ": " and column 2.
  std::string DottedHeader() const { return Cell(1) + "." + Cell(2); }
  std::string ColonHeader() const;

 private:
  bool InRange(int i) const { return i >= 0 && i < ParamCount(); }
  static std::size_t Index(int i) { return static_cast<std::size_t>(i); }

  Workbench& bench_;
  int row_;
  int number_;
  int firstParamCol_;
  std::vector<Extended> reals_;
  std::vector<std::int64_t> ints_;
};

// Runs the item function of the row's number; an item that returns text has it written into
// its result cell. False when the number has no function.
template <class Entry, class... Context>
bool ComputeItem(std::span<const Entry> table, ItemRow& row, Context&... context) {
  const auto compute = FindItem(table, row.Number());
  if (!compute) return false;
  if constexpr (std::is_void_v<decltype(compute(row, context...))>) {
    compute(row, context...);
  } else {
    row.SetResult(compute(row, context...));
  }
  return true;
}

// --- the row loop ---

struct ItemSheetOptions {
  ColumnLayout columns;
  ParamKind params = ParamKind::kReal;
  int firstRow = 2;
  int firstParamCol = 4;
  // Rows whose name (column 2) contains this text read their cells as texts themselves: their
  // parameters are all 0 whatever `params` says.
  std::string_view textParamsMark;
  // Rows whose first parameter cell is empty are no items.
  bool needsFirstParam = true;
  // The last row of the worksheet is never an item row.
  bool skipLastRow = false;
  // Each item's answer lines stand between its title (number "." name) and a blank line;
  // an item without a calculation still shows its title.
  bool titleLines = false;
  // An ItemError writes its text into the item's result cell instead of ending the run.
  bool errorsInResultCell = false;
  // Only the current row's item is computed (with every row that carries the same column-1
  // text); the other rows keep their results.
  bool currentItemOnly = false;
  // The items own their last-column cells (inputs of the rows below, results written into
  // the rows below): the loop does not clear them.
  bool keepLastColumn = false;
  // Answer-pane lines written before the items.
  std::span<const char* const> headerLines;
};

// Computes one row; returns false when its item number has no calculation.
using ItemComputer = std::function<bool(ItemRow&)>;

// Scans rows firstRow … up to the "***" row: clears each row's result cell, skips rows
// whose number is 0 (or whose first parameter is empty), and computes the rest with the
// floating-point flags cleared before and checked after each item.
void RunItemRows(Workbench& bench, const ItemSheetOptions& options, const ItemComputer& compute);

}  // namespace zarnix
