// A workbench for one handler run: worksheet, answer pane, scripted Ui, manual clock and a
// data list the test fills.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

class BenchTest : public ::testing::Test {
 protected:
  Workbench Bench() {
    return Workbench{grid,    answer, resultFormat, decimals, dataList,   ui,
                     nullptr, paths,  clock,        random,   puzzleMode, timing};
  }
  void SetDecimals(int places) {
    decimals = places;
    resultFormat = "%." + std::to_string(places) + "f";
  }

  // Replaces the sheet by a data set: row 0 the heading cells, then the rows given.
  void FillSheet(const std::vector<std::vector<std::string>>& rows, int colCount) {
    grid = Worksheet();
    grid.SetFixedCols(0);
    grid.SetColCount(colCount);
    grid.SetRowCount(static_cast<int>(rows.size()));
    grid.SetFixedRows(1);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c) grid.SetCell(c, r, rows[r][c]);
  }

  Worksheet grid;
  AnswerPane answer;
  std::string resultFormat = "%.3f";
  int decimals = 3;
  std::vector<std::string> dataList;
  ScriptedUi ui;
  DataPaths paths;
  ManualClock clock{45000.5};
  LcgRandom random;
  int puzzleMode = 9;
  std::string timing;
};

}  // namespace zarnix
