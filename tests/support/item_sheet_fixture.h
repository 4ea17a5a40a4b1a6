// An item-row worksheet built row by row for a category handler: item rows (number, name,
// parameters from column 4), the "***" row, and the workbench around it.
#pragma once

#include <string>
#include <vector>

#include "support/bench_fixture.h"

namespace zarnix {

class ItemSheetFixture : public BenchTest {
 protected:
  static constexpr int kResultCol = 8;  // parameters in columns 4 … 7

  void SetUp() override {
    grid.SetColCount(kResultCol + 1);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
  }
  // Adds an item row and returns its row.
  int AddItem(const std::string& number, const std::string& name,
              const std::vector<std::string>& params) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(1, row, number);
    grid.SetCell(2, row, name);
    for (std::size_t i = 0; i < params.size(); ++i)
      grid.SetCell(4 + static_cast<int>(i), row, params[i]);
    return row;
  }
  void CloseItems() { AddItem("***", "", {}); }
  const std::string& Cell(int col, int row) const { return grid.Cell(col, row); }
  const std::string& Result(int row) const { return grid.Cell(kResultCol, row); }
};

}  // namespace zarnix
