// Worksheet storage and the grid's count, fixed-area and current-cell rules.
#include "sheet/worksheet.h"

#include <algorithm>

#include "base/errors.h"
#include "base/format.h"

namespace zarnix {

namespace {
const std::string kEmpty;
}

Worksheet::Worksheet() = default;

void Worksheet::CheckIndex(int col, int row) const {
  if (col < 0 || row < 0 || col >= kMaxCols || row >= kMaxRows)
    throw EListError(Format("Grid index out of range (%d, %d)", col, row));
}

const std::string& Worksheet::Cell(int col, int row) const {
  CheckIndex(col, row);
  if (row >= static_cast<int>(cells_.size())) return kEmpty;
  const auto& line = cells_[row];
  return col < static_cast<int>(line.size()) ? line[col] : kEmpty;
}

void Worksheet::SetCell(int col, int row, std::string text) {
  CheckIndex(col, row);
  if (row >= static_cast<int>(cells_.size())) {
    if (text.empty()) return;
    cells_.resize(row + 1);
  }
  auto& line = cells_[row];
  if (col >= static_cast<int>(line.size())) {
    if (text.empty()) return;
    line.resize(col + 1);
  }
  line[col] = std::move(text);
}

void Worksheet::ClearRow(int row) {
  CheckIndex(0, row);
  ClearBlock(0, row, colCount_ - 1, row);
}

void Worksheet::ClearCells() {
  ClearBlock(0, 0, colCount_ - 1, rowCount_ - 1);
}

void Worksheet::ClearBlock(int firstCol, int firstRow, int lastCol, int lastRow) {
  // Only stored cells can hold text.
  const int rows = std::min(lastRow + 1, static_cast<int>(cells_.size()));
  for (int r = std::max(firstRow, 0); r < rows; ++r) {
    auto& line = cells_[r];
    const int cols = std::min(lastCol + 1, static_cast<int>(line.size()));
    for (int c = std::max(firstCol, 0); c < cols; ++c) line[c].clear();
  }
}

void Worksheet::InsertRow(int row) {
  if (rowCount_ >= kMaxRows)
    throw EListError(Format("Grid index out of range (%d, %d)", 0, rowCount_));
  CheckIndex(0, row);
  const int last = rowCount_;  // the row that is added
  SetRowCount(rowCount_ + 1);
  if (row >= static_cast<int>(cells_.size()) || row > last) return;
  if (static_cast<int>(cells_.size()) <= last) cells_.resize(last + 1);
  std::move_backward(cells_.begin() + row, cells_.begin() + last, cells_.begin() + last + 1);
  cells_[row].clear();
}

void Worksheet::SetColCount(int count) {
  const int old = colCount_;
  colCount_ = std::clamp(count, 1, kMaxCols);
  // A shrunk grid forgets the cells it no longer shows, so growing it again (a handler
  // widening the grid, the next file) shows empty cells rather than stale ones.
  if (colCount_ < old)
    for (auto& line : cells_)
      if (static_cast<int>(line.size()) > colCount_) line.resize(colCount_);
  if (fixedCols_ >= colCount_) fixedCols_ = colCount_ - 1;
  ClampCurrent();
}

void Worksheet::SetRowCount(int count) {
  const int old = rowCount_;
  rowCount_ = std::clamp(count, 1, kMaxRows);
  if (rowCount_<old&& static_cast<int>(cells_.size())> rowCount_) cells_.resize(rowCount_);
  if (fixedRows_ >= rowCount_) fixedRows_ = rowCount_ - 1;
  ClampCurrent();
}

void Worksheet::SetFixedCols(int count) {
  fixedCols_ = std::clamp(count, 0, kMaxCols - 1);
  if (fixedCols_ >= colCount_) colCount_ = fixedCols_ + 1;
  ClampCurrent();
}

void Worksheet::SetFixedRows(int count) {
  fixedRows_ = std::clamp(count, 0, kMaxRows - 1);
  if (fixedRows_ >= rowCount_) rowCount_ = fixedRows_ + 1;
  ClampCurrent();
}

void Worksheet::SetDefaultColWidth(int width) {
  defaultColWidth_ = width;
  colWidths_.clear();
}

int Worksheet::ColWidth(int col) const {
  if (col >= 0 && col < static_cast<int>(colWidths_.size()) && colWidths_[col] >= 0)
    return colWidths_[col];
  return defaultColWidth_;
}

void Worksheet::SetColWidth(int col, int width) {
  CheckIndex(col, 0);
  if (col >= static_cast<int>(colWidths_.size())) colWidths_.resize(col + 1, -1);
  colWidths_[col] = std::max(width, 0);
}

void Worksheet::SetCol(int col) {
  col_ = col;
  ClampCurrent();
}

void Worksheet::SetRow(int row) {
  row_ = row;
  ClampCurrent();
}

void Worksheet::ClampCurrent() {
  col_ = std::clamp(col_, std::min(fixedCols_, colCount_ - 1), colCount_ - 1);
  row_ = std::clamp(row_, std::min(fixedRows_, rowCount_ - 1), rowCount_ - 1);
}

}  // namespace zarnix
