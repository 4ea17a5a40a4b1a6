// The item rows of the two analytic-geometry categories. An item reads ";"-separated numbers
// (coordinates, coefficients) from its parameter cells and gives result lines: line i goes
// into the result cell i rows below the item's row, and into the answer pane after its label.
// A failure of the item (degenerate or malformed input) is a text in its first result cell;
// the other items are still computed.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "sheet/item_sheet.h"

namespace zarnix {

struct Figure;
struct Workbench;

// What one item computes, in result-line order.
class ItemResults {
 public:
  ItemResults(const ItemRow& row, Figure* figure) : row_(row), figure_(figure) {}

  // "symbols=v1;v2;…" with the values in ResultFormat.
  void Add(std::string_view symbols, std::span<const Extended> values);
  void Add(std::string_view symbols, std::initializer_list<Extended> values) {
    Add(symbols, std::span<const Extended>(values.begin(), values.size()));
  }
  // A line of words.
  void Add(std::string text) { lines_.push_back(std::move(text)); }
  std::string Value(Extended value) const { return row_.Real(value); }
  std::string Values(std::span<const Extended> values) const;

  const std::vector<std::string>& Lines() const { return lines_; }
  // Where a plane item draws its figure; null when nobody looks at it.
  Figure* Drawing() const { return figure_; }

 private:
  const ItemRow& row_;
  Figure* figure_;
  std::vector<std::string> lines_;
};

using AnalyticCompute = void (*)(ItemRow&, ItemResults&);

struct AnalyticItem {
  int number;
  std::span<const char* const> labels;  // one per result line
  AnalyticCompute compute;
};

const AnalyticItem* FindAnalyticItem(std::span<const AnalyticItem> items, int number);

// --- parameter cells, counted from 0 ---

bool ParamEmpty(const ItemRow& row, int i);
// Exactly `count` numbers; otherwise the item fails with "参数N应填" + what.
std::vector<Extended> ParamNumbers(const ItemRow& row, int i, std::size_t count,
                                   std::string_view what);
Extended ParamNumber(const ItemRow& row, int i, std::string_view what);
// Any count of numbers, at least one.
std::vector<Extended> ParamList(const ItemRow& row, int i, std::string_view what);

// --- the sheet ---

struct AnalyticSheet {
  std::span<const AnalyticItem> items;
  // Appended to column 3 of each item that lacks it (the cell to double-click for a figure).
  const char* figureHint = nullptr;
};

// Computes every item row up to the "***" row. A row whose first parameter cell is empty is
// not filled in yet: its result cells are only cleared.
void RunAnalyticItems(Workbench& bench, const AnalyticSheet& sheet);

// One row computed without touching the worksheet (for the figure plot).
struct ItemOutcome {
  const AnalyticItem* item = nullptr;  // null: the row holds no item
  std::vector<std::string> lines;
  std::string error;  // the item's failure; empty when it computed
};
ItemOutcome ComputeAnalyticRow(Workbench& bench, std::span<const AnalyticItem> items, int row,
                               Figure* figure);

}  // namespace zarnix
