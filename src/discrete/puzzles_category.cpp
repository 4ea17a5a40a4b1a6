// The puzzle category's three runs. Each one asks for its size first, then times only its
// own work and writes that time into the timing label.
#include "discrete/puzzles_category.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/format.h"
#include "base/random.h"
#include "base/ui.h"
#include "discrete/magic_square.h"
#include "discrete/n_queens.h"
#include "sheet/answer_pane.h"
#include "sheet/ask_text.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr int kSudokuSize = 9;

void WriteTiming(Workbench& bench, std::uint64_t start) {
  const double seconds = static_cast<double>(bench.clock.TickCount() - start) / 1000.0;
  bench.timingLabel = "计算时间:" + Format("%.3f", seconds) + "秒";
}

// Lays the worksheet out as n columns and n + 1 rows below one heading row.
void BoardSheet(Worksheet& grid, int n, int colWidth) {
  grid.SetColCount(n);
  grid.SetRowCount(n + 1);
  grid.SetDefaultColWidth(colWidth);
  grid.SetFixedCols(0);
  grid.SetFixedRows(1);
}

// Asks for a board size. A text that is no whole number falls back to `fallback` with a
// message; the value is then kept within min … max.
int AskSize(Workbench& bench, const char* caption, int min, int max, int randomMax, int fallback) {
  const std::string defaultText = IntToStr(min + bench.random.Next(randomMax - min + 1));
  const std::string answer = AskText(bench.ui, caption, Format("%d~%d", min, max), defaultText);
  std::int64_t value = fallback;
  if (const auto number = TryStrToInt64(Trim(answer))) {
    value = *number;
  } else {
    const int used = std::clamp(fallback, min, max);
    bench.ui.ShowMessage(
        Format("'%s'不是整数，应为%d~%d，按%d计算。", QuotedOperand(answer), min, max, used));
  }
  return static_cast<int>(std::clamp<std::int64_t>(value, min, max));
}

// --- magic square ---

void RunMagicSquare(Workbench& bench) {
  const int n = AskSize(bench, "请输入幻方的阶数", kMinMagicOrder, kMaxMagicOrder, 224, 3);
  const std::uint64_t start = bench.clock.TickCount();
  Worksheet& grid = bench.grid;
  BoardSheet(grid, n, 40);
  grid.ClearRow(0);
  grid.SetCell(0, 0, "幻方");
  grid.SetCell(1, 0, IntToStr(n) + "阶");

  const MagicSquare square = BuildMagicSquare(n);
  for (int i = 1; i <= n; ++i)
    for (int j = 1; j <= n; ++j) grid.SetCell(j - 1, i, IntToStr(square.At(i, j)));

  bench.answer.Add("幻方的各行、列及对角线之和均等于行列和常数。");
  bench.answer.Add("");
  bench.answer.Add(IntToStr(n) + " 阶幻方的行列和常数：" + IntToStr(MagicConstant(n)));
  WriteTiming(bench, start);
}

// --- queens ---

void RunQueens(Workbench& bench) {
  const int n = AskSize(bench, "请输入棋盘每行的格数", kMinQueens, kMaxQueens, 32, 3);
  const std::uint64_t start = bench.clock.TickCount();
  Worksheet& grid = bench.grid;
  BoardSheet(grid, n, 20);
  grid.ClearCells();
  grid.SetCell(0, 0, "皇后");
  grid.SetCell(1, 0, IntToStr(n) + "皇后");

  const std::vector<int> columns = FirstQueensSolution(n);
  for (int row = 1; row <= static_cast<int>(columns.size()); ++row)
    grid.SetCell(columns[row - 1] - 1, row, "*");

  bench.answer.Add("八皇后问题：");
  bench.answer.Add(
      "    在n*n格的棋盘上，布置n个互相不受攻击的皇后（格中有*者）。这里只列出一种布置方法。");
  WriteTiming(bench, start);
}

// --- sudoku ---

// The grid's digits; a cell that is not a digit, "0", "." or empty is named in a message and
// nothing is returned.
std::optional<SudokuDigits> ReadSudoku(Workbench& bench) {
  SudokuDigits digits{};
  for (int row = 0; row < kSudokuSize; ++row) {
    for (int col = 0; col < kSudokuSize; ++col) {
      const std::string& text = bench.grid.Cell(col, row);
      const std::optional<int> digit = SudokuCellDigit(text);
      if (!digit) {
        bench.ui.ShowMessage(Format("第%d行第%d列的'%s'不是1~9的数字（空格填0或.），无法计算。",
                                    row + 1, col + 1, QuotedOperand(Trim(text))));
        return std::nullopt;
      }
      digits[row * kSudokuSize + col] = static_cast<std::uint8_t>(*digit);
    }
  }
  return digits;
}

void ShowSudokuSolution(Workbench& bench, const SudokuDigits& solution) {
  bench.answer.Add("数独");
  for (int row = 0; row < kSudokuSize; ++row) {
    std::string line;
    for (int col = 0; col < kSudokuSize; ++col) {
      if (col > 0) line += ",";
      line += static_cast<char>('0' + solution[row * kSudokuSize + col]);
    }
    bench.answer.Add(line);
  }
  // The worksheet keeps the givens; the solution stands in the answer pane only.
  for (int row = 0; row < kSudokuSize; ++row)
    for (int col = 0; col < kSudokuSize; ++col)
      if (bench.grid.Cell(col, row) == "0") bench.grid.SetCell(col, row, "");
}

void SolveSheetSudoku(Workbench& bench) {
  const std::optional<SudokuDigits> givens = ReadSudoku(bench);
  if (!givens) return;
  const SudokuResult result = SolveSudoku(*givens);
  switch (result.status) {
    case SudokuStatus::kConflict:
    case SudokuStatus::kNoSolution:
      bench.ui.ShowMessage(kNoSolutionMessage);
      return;
    case SudokuStatus::kUnique:
      ShowSudokuSolution(bench, result.solution);
      return;
    case SudokuStatus::kSeveral:
      // Several solutions end this run only: one of them is shown, the program carries on.
      bench.ui.ShowMessage(kSeveralSolutionsMessage);
      ShowSudokuSolution(bench, result.solution);
      bench.answer.Add("有多个解，这里只列出其中一个。");
      return;
  }
}

void RunSudoku(Workbench& bench) {
  const std::uint64_t start = bench.clock.TickCount();
  Worksheet& grid = bench.grid;
  grid.SetColCount(kSudokuSize);
  grid.SetRowCount(kSudokuSize);
  grid.SetDefaultColWidth(24);
  grid.SetFixedCols(0);
  grid.SetFixedRows(0);
  grid.ClearCells();
  bench.ui.ProcessEvents();
  // Every sudoku run shows the next stored puzzle.
  if (bench.puzzleMode == kPuzzleSudoku && bench.clickLoadData) bench.clickLoadData();
  SolveSheetSudoku(bench);
  WriteTiming(bench, start);
}

}  // namespace

std::optional<int> SudokuCellDigit(const std::string& text) {
  const std::string cell = Trim(text);
  if (cell.empty() || cell == "." || cell == "0") return 0;
  if (cell.size() == 1 && cell[0] >= '1' && cell[0] <= '9') return cell[0] - '0';
  return std::nullopt;
}

void HandlePuzzles(Workbench& bench) {
  if (bench.puzzleMode == kPuzzleNotChosen) {
    const std::string answer =
        AskText(bench.ui, "请输入计算内容：", "0-数独    1-幻方    2-八皇后问题", "0");
    bench.puzzleMode = StrToIntDef(Trim(answer), 0);
  }
  switch (bench.puzzleMode) {
    case kPuzzleSudoku:
      return RunSudoku(bench);
    case kPuzzleMagicSquare:
      return RunMagicSquare(bench);
    case kPuzzleQueens:
      return RunQueens(bench);
    default:
      return;  // any other number runs nothing
  }
}

}  // namespace zarnix
