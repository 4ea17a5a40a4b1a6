// The puzzle category's handler: the puzzle choice and when it is asked, the size prompts with
// their fallbacks and clamps, the worksheet layouts, the answer lines, the timing label, and
// the sudoku run on the puzzle that load data brings.
#include "discrete/puzzles_category.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/convert.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Lines = std::vector<std::string>;

class PuzzlesTest : public BenchTest {
 protected:
  void Run(const Lines& answers) {
    for (const std::string& answer : answers) ui.QueueAnswer(answer);
    Workbench bench = Bench();
    bench.clickLoadData = [this] { LoadPuzzle(); };
    HandlePuzzles(bench);
  }

  // Stands in for the load-data command: the next puzzle into the 9×9 grid, rows of nine
  // characters, "." for an empty cell.
  void LoadPuzzle() {
    ++loads;
    clock.Advance(16);
    if (puzzle.empty()) return;
    for (int row = 0; row < 9; ++row)
      for (int col = 0; col < 9; ++col) {
        const char ch = puzzle[row * 9 + col];
        grid.SetCell(col, row, ch == '.' ? "0" : std::string(1, ch));
      }
    if (afterLoad) afterLoad();
  }

  std::vector<UiLogEntry> Prompts() const {
    std::vector<UiLogEntry> prompts;
    for (const UiLogEntry& entry : ui.Log())
      if (entry.kind == UiLogEntry::Kind::kPrompt) prompts.push_back(entry);
    return prompts;
  }

  // n columns and n + 1 rows below one heading row, no fixed column.
  void ExpectBoardSheet(int n, int colWidth) const {
    EXPECT_EQ(grid.ColCount(), n);
    EXPECT_EQ(grid.RowCount(), n + 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.DefaultColWidth(), colWidth);
  }

  Lines RowCells(int row) const {
    Lines cells;
    for (int col = 0; col < grid.ColCount(); ++col) cells.push_back(grid.Cell(col, row));
    return cells;
  }

  std::string puzzle;
  std::function<void()> afterLoad;  // edits what the load brought
  int loads = 0;
};

const std::string kClassic =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

TEST_F(PuzzlesTest, AsksForThePuzzleOnlyWhileNoneIsChosen) {
  Run({"1", "3"});
  const std::vector<UiLogEntry> prompts = Prompts();
  ASSERT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0].text, "请输入计算内容：");
  EXPECT_EQ(prompts[0].prompt, "0-数独    1-幻方    2-八皇后问题");
  EXPECT_EQ(puzzleMode, 1);

  ui.ClearLog();
  Run({"4"});
  ASSERT_EQ(Prompts().size(), 1u);
  EXPECT_EQ(Prompts()[0].text, "请输入幻方的阶数");
  EXPECT_EQ(grid.Cell(1, 0), "4阶");
}

TEST_F(PuzzlesTest, OtherChoicesRunNothing) {
  grid.SetCell(0, 0, "unchanged");
  Run({"7"});
  EXPECT_EQ(puzzleMode, 7);
  EXPECT_EQ(grid.Cell(0, 0), "unchanged");
  EXPECT_TRUE(answer.Empty());
  EXPECT_EQ(timing, "");

  // A choice that is no number is the sudoku.
  puzzleMode = kPuzzleNotChosen;
  puzzle = kClassic;
  Run({"abc"});
  EXPECT_EQ(puzzleMode, kPuzzleSudoku);
  EXPECT_EQ(loads, 1);
}

TEST_F(PuzzlesTest, MagicSquareSheetAndAnswer) {
  puzzleMode = kPuzzleMagicSquare;
  grid.SetCell(5, 0, "old heading");
  Run({"6"});
  ExpectBoardSheet(6, 40);
  EXPECT_EQ(RowCells(0), (Lines{"幻方", "6阶", "", "", "", ""}));
  EXPECT_EQ(RowCells(1), (Lines{"4", "30", "8", "31", "3", "35"}));
  EXPECT_EQ(RowCells(6), (Lines{"11", "16", "15", "20", "25", "24"}));
  EXPECT_EQ(answer.Lines(), (Lines{"幻方的各行、列及对角线之和均等于行列和常数。", "",
                                   "6 阶幻方的行列和常数：111"}));
  EXPECT_EQ(timing, "计算时间:0.000秒");
}

TEST_F(PuzzlesTest, MagicSquareOrderFallbacksAndClamps) {
  puzzleMode = kPuzzleMagicSquare;
  Run({"abc"});
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "'abc'不是整数，应为3~1000，按3计算。");
  EXPECT_EQ(grid.Cell(1, 0), "3阶");
  EXPECT_EQ(RowCells(1), (Lines{"8", "1", "6"}));

  ui.ClearLog();
  for (const auto& [typed, order] : std::vector<std::pair<std::string, std::string>>{
           {"2", "3阶"}, {"-40", "3阶"}, {" 12 ", "12阶"}}) {
    Run({typed});
    EXPECT_EQ(grid.Cell(1, 0), order) << typed;
  }
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(PuzzlesTest, MagicSquareOfTheLargestOrderFillsAMillionCells) {
  puzzleMode = kPuzzleMagicSquare;
  Run({"123456789"});
  ExpectBoardSheet(1000, 40);
  EXPECT_EQ(grid.Cell(1, 0), "1000阶");
  std::int64_t sum = 0;
  for (int col = 0; col < 1000; ++col) sum += StrToInt64(grid.Cell(col, 1000));
  EXPECT_EQ(sum, 500000500);
  EXPECT_EQ(answer.Lines().back(), "1000 阶幻方的行列和常数：500000500");
}

TEST_F(PuzzlesTest, SizePromptsOfferARandomDefaultInTheirRange) {
  const auto expectDefault = [this](int mode, const std::string& range, int min, int max) {
    ui.ClearLog();
    puzzleMode = mode;
    Run({});
    const int size = StrToInt(Prompts()[0].answer);
    EXPECT_GE(size, min);
    EXPECT_LE(size, max);
    EXPECT_EQ(Prompts()[0].prompt, range);
  };
  // Few enough rounds that the fixed seed never picks one of the slow large boards.
  for (int round = 0; round < 12; ++round) {
    expectDefault(kPuzzleMagicSquare, "3~1000", 3, 224);
    expectDefault(kPuzzleQueens, "4~33", 4, 32);
  }
}

TEST_F(PuzzlesTest, QueensSheetAndAnswer) {
  puzzleMode = kPuzzleQueens;
  grid.SetCell(2, 3, "left over");
  Run({"4"});
  ExpectBoardSheet(4, 20);
  EXPECT_EQ(RowCells(0), (Lines{"皇后", "4皇后", "", ""}));
  EXPECT_EQ(RowCells(1), (Lines{"", "*", "", ""}));
  EXPECT_EQ(RowCells(2), (Lines{"", "", "", "*"}));
  EXPECT_EQ(RowCells(3), (Lines{"*", "", "", ""}));
  EXPECT_EQ(RowCells(4), (Lines{"", "", "*", ""}));
  EXPECT_EQ(
      answer.Lines(),
      (Lines{"八皇后问题：",
             "    "
             "在n*n格的棋盘上，布置n个互相不受攻击的皇后（格中有*者）。这里只列出一种布置方法。"}));
}

TEST_F(PuzzlesTest, QueensBoardFallbacksAndClamps) {
  puzzleMode = kPuzzleQueens;
  Run({"八"});
  ASSERT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(ui.Messages()[0], "'八'不是整数，应为4~33，按4计算。");
  EXPECT_EQ(grid.Cell(1, 0), "4皇后");
  Run({"3"});
  EXPECT_EQ(grid.Cell(1, 0), "4皇后");
  Run({"99"});
  EXPECT_EQ(grid.Cell(1, 0), "33皇后");
  EXPECT_EQ(grid.RowCount(), 34);
  EXPECT_EQ(ui.Messages().size(), 1u);
}

TEST_F(PuzzlesTest, SudokuSolvesTheLoadedPuzzleAndKeepsTheGivens) {
  puzzleMode = kPuzzleSudoku;
  puzzle = kClassic;
  grid.SetFixedRows(2);
  grid.SetCell(7, 12, "outside the grid");
  Run({});
  EXPECT_EQ(loads, 1);
  EXPECT_EQ(grid.ColCount(), 9);
  EXPECT_EQ(grid.RowCount(), 9);
  EXPECT_EQ(grid.FixedRows(), 0);
  EXPECT_EQ(grid.FixedCols(), 0);
  EXPECT_EQ(grid.DefaultColWidth(), 24);
  EXPECT_TRUE(ui.Messages().empty());
  EXPECT_EQ(answer.Lines(),
            (Lines{"数独", "5,3,4,6,7,8,9,1,2", "6,7,2,1,9,5,3,4,8", "1,9,8,3,4,2,5,6,7",
                   "8,5,9,7,6,1,4,2,3", "4,2,6,8,5,3,7,9,1", "7,1,3,9,2,4,8,5,6",
                   "9,6,1,5,3,7,2,8,4", "2,8,7,4,1,9,6,3,5", "3,4,5,2,8,6,1,7,9"}));
  EXPECT_EQ(RowCells(0), (Lines{"5", "3", "", "", "7", "", "", "", ""}));
  EXPECT_EQ(RowCells(8), (Lines{"", "", "", "", "8", "", "", "7", "9"}));
  // The time of the whole sudoku, load data included.
  EXPECT_EQ(timing, "计算时间:0.016秒");
}

TEST_F(PuzzlesTest, SudokuWithConflictingGivensSaysNoSolutionOnce) {
  puzzleMode = kPuzzleSudoku;
  puzzle = "55" + kClassic.substr(2);
  Run({});
  EXPECT_EQ(ui.Messages(), (Lines{"无解！"}));
  EXPECT_TRUE(answer.Empty());
  EXPECT_EQ(grid.Cell(2, 0), "0");  // the loaded puzzle stays as it was
}

TEST_F(PuzzlesTest, SudokuWithSeveralSolutionsShowsOneAndEndsOnlyTheRun) {
  puzzleMode = kPuzzleSudoku;
  puzzle = std::string(81, '.');
  Run({});
  EXPECT_EQ(ui.Messages(), (Lines{kSeveralSolutionsMessage}));
  ASSERT_EQ(answer.Lines().size(), 11u);
  EXPECT_EQ(answer.Lines()[0], "数独");
  EXPECT_EQ(answer.Lines()[10], "有多个解，这里只列出其中一个。");
  EXPECT_EQ(grid.Cell(0, 0), "");
  EXPECT_EQ(timing, "计算时间:0.016秒");
  // The next run carries on with the next puzzle.
  puzzle = kClassic;
  answer.Clear();
  Run({});
  EXPECT_EQ(answer.Lines()[1], "5,3,4,6,7,8,9,1,2");
}

TEST_F(PuzzlesTest, SudokuNamesTheFirstBadCellAndSolvesNothing) {
  puzzleMode = kPuzzleSudoku;
  puzzle = kClassic;
  afterLoad = [this] {
    grid.SetCell(4, 2, "12");
    grid.SetCell(6, 5, "x");
  };
  Run({});
  EXPECT_EQ(ui.Messages(), (Lines{"第3行第5列的'12'不是1~9的数字（空格填0或.），无法计算。"}));
  EXPECT_TRUE(answer.Empty());
}

TEST(SudokuCell, DigitsEmptiesAndTheRest) {
  for (const char* empty : {"", "0", ".", " 0 ", "  "})
    EXPECT_EQ(SudokuCellDigit(empty), 0) << empty;
  EXPECT_EQ(SudokuCellDigit("7"), 7);
  EXPECT_EQ(SudokuCellDigit(" 9"), 9);
  for (const char* bad : {"10", "a", "-1", "1.", "５", ".."})
    EXPECT_EQ(SudokuCellDigit(bad), std::nullopt) << bad;
}

}  // namespace
}  // namespace zarnix
