// The worksheet grid: text cells addressed (column, row) from 0, with counts, fixed header
// rows and columns, widths, the current cell and the hint. Cells may be written beyond the
// counts; they keep their text and show once the counts grow. Shrinking a count drops the
// cells outside it.
#pragma once

#include <string>
#include <vector>

namespace zarnix {

class Worksheet {
 public:
  // Size limits that keep a runaway handler or file from exhausting memory.
  static constexpr int kMaxCols = 1 << 16;
  static constexpr int kMaxRows = 1 << 24;
  // Cells a loaded file may fill at most (rows × columns): more would take gigabytes and
  // minutes to show.
  static constexpr long long kMaxLoadedCells = 20'000'000;

  Worksheet();

  // "" for a cell never written. Throws EListError for an index outside the limits.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);
  // Empties every cell of columns 0..ColCount-1 and rows 0..RowCount-1.
  void ClearCells();
  // Empties columns 0..ColCount-1 of one row, in time of what the row holds.
  void ClearRow(int row);
  // Empties the cells of columns firstCol..lastCol and rows firstRow..lastRow.
  void ClearBlock(int firstCol, int firstRow, int lastCol, int lastRow);
  // Adds a row at the end and moves rows row..last-1 down by one, leaving row empty.
  // Throws EListError when the grid has no room for another row.
  void InsertRow(int row);

  int ColCount() const { return colCount_; }
  int RowCount() const { return rowCount_; }
  // Counts are at least 1; a count at or below the fixed count lowers the fixed count.
  void SetColCount(int count);
  void SetRowCount(int count);

  int FixedCols() const { return fixedCols_; }
  int FixedRows() const { return fixedRows_; }
  // A fixed count that reaches the count grows the count by one so one free line remains.
  void SetFixedCols(int count);
  void SetFixedRows(int count);

  // Setting the default width resets every column to it.
  int DefaultColWidth() const { return defaultColWidth_; }
  void SetDefaultColWidth(int width);
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  int DefaultRowHeight() const { return defaultRowHeight_; }
  void SetDefaultRowHeight(int height) { defaultRowHeight_ = height; }

  // The current cell, always inside the counts and outside the fixed area where possible.
  int Col() const { return col_; }
  int Row() const { return row_; }
  void SetCol(int col);
  void SetRow(int row);

  const std::string& Hint() const { return hint_; }
  void SetHint(std::string hint) { hint_ = std::move(hint); }

  // The grid control's width in pixels (the panel's left part; the rest shows the answer pane).
  int Width() const { return width_; }
  void SetWidth(int width) { width_ = width; }
  int FontSize() const { return fontSize_; }
  void SetFontSize(int size) { fontSize_ = size; }

 private:
  void CheckIndex(int col, int row) const;
  void ClampCurrent();

  std::vector<std::vector<std::string>> cells_;  // cells_[row][col], grown on demand
  std::vector<int> colWidths_;                   // -1 = default width
  int colCount_ = 5;
  int rowCount_ = 5;
  int fixedCols_ = 1;
  int fixedRows_ = 1;
  int defaultColWidth_ = 64;
  int defaultRowHeight_ = 24;
  int col_ = 1;
  int row_ = 1;
  int width_ = 0;
  int fontSize_ = 8;
  std::string hint_;
};

// Runs `load` on a copy of the grid and keeps the result only when the load succeeds: a file
// that fails half-way leaves the worksheet exactly as it was.
template <class Load>
void LoadAtomically(Worksheet& grid, Load&& load) {
  Worksheet copy = grid;
  load(copy);
  grid = std::move(copy);
}

}  // namespace zarnix
