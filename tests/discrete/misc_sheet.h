// A worksheet of the miscellaneous calculations with the workbench around it: item rows are
// added one by one and the handler runs on them with the shipped data files or a test's own.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "discrete/misc_calculations.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

class MiscSheet {
 public:
  static constexpr int kResultCol = 13;  // parameters in columns 4..12

  // The data folder of the repository.
  static std::filesystem::path ShippedData() {
    return std::filesystem::path(ZARNIX_TEST_DATA_DIR) / ".." / ".." / ".." / "data";
  }

  explicit MiscSheet(std::filesystem::path dataDir = ShippedData()) {
    paths_.dataDir = dataDir;
    paths_.outDir = dataDir;
    paths_.dataPrefix = dataDir.string() + "/zarnix";
    grid_.SetColCount(kResultCol + 1);
    grid_.SetRowCount(2);
    grid_.SetFixedRows(2);
  }

  // Adds an item row (number, then parameters from column 4) and returns its row.
  int Add(const std::string& number, const std::vector<std::string>& params) {
    const int row = grid_.RowCount();
    grid_.SetRowCount(row + 1);
    grid_.SetCell(1, row, number);
    grid_.SetCell(2, row, "item " + number);
    int col = 4;
    for (const std::string& param : params) grid_.SetCell(col++, row, param);
    return row;
  }

  // Closes the items with the "***" row and runs the handler.
  void Run() {
    const int end = grid_.RowCount();
    grid_.SetRowCount(end + 1);
    grid_.SetCell(1, end, "***");
    Workbench bench{grid_,   answer_, format_, 3,       dataList_,   ui_,
                    nullptr, paths_,  clock_,  random_, puzzleMode_, timing_};
    HandleMiscCalculations(bench);
  }

  const std::string& Result(int row) const { return grid_.Cell(kResultCol, row); }
  // The result of a single item.
  std::string RunOne(const std::string& number, const std::vector<std::string>& params) {
    const int row = Add(number, params);
    Run();
    return Result(row);
  }

  Worksheet& Grid() { return grid_; }
  std::string& ResultFormat() { return format_; }

 private:
  Worksheet grid_;
  AnswerPane answer_;
  std::string format_ = "%.3f";
  std::vector<std::string> dataList_;
  ScriptedUi ui_;
  DataPaths paths_;
  ManualClock clock_;
  LcgRandom random_;
  int puzzleMode_ = 9;
  std::string timing_;
};

}  // namespace zarnix
