// A geometric-figures worksheet built row by row (cells from column 1 on), with the workbench
// and one run's letters around it, so that a test can run one section or the whole handler.
#pragma once

#include <string>
#include <vector>

#include "geometry/geometric_figures_run.h"
#include "support/bench_fixture.h"

namespace zarnix {

class FigureSheet : public BenchTest {
 protected:
  static constexpr int kColCount = 12;

  void SetUp() override {
    grid.SetColCount(kColCount);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
  }
  // Adds a row whose cells start at column 1 and returns its row.
  int AddRow(const std::vector<std::string>& cells) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    for (std::size_t i = 0; i < cells.size(); ++i)
      grid.SetCell(1 + static_cast<int>(i), row, cells[i]);
    return row;
  }
  const std::string& At(int col, int row) const { return grid.Cell(col, row); }
  // Runs one section on the header row with the fixture's run (letters carry over).
  template <class Section>
  void RunSection(Section section, int header) {
    section(run, header);
  }

  Workbench bench = Bench();
  FigureRun run{bench};
};

}  // namespace zarnix
