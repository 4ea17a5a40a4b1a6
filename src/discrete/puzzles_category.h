// The sudoku / magic square / queens category: asks once which puzzle to run, keeps the
// choice while the category is run again, lays the worksheet out for the puzzle and writes
// its own elapsed time.
#pragma once

#include <optional>
#include <string>

#include "discrete/sudoku.h"

namespace zarnix {

struct Workbench;

inline constexpr int kPuzzleSudoku = 0;
inline constexpr int kPuzzleMagicSquare = 1;
inline constexpr int kPuzzleQueens = 2;
inline constexpr int kPuzzleNotChosen = 9;

inline constexpr const char* kNoSolutionMessage = "无解！";
inline constexpr const char* kSeveralSolutionsMessage = "有多个解！答案框中列出其中一个。";

void HandlePuzzles(Workbench& bench);

// The sudoku cell text as a digit (0 for an empty cell: "", "0" or "."); nullopt for
// anything else. Blanks around the text do not count.
std::optional<int> SudokuCellDigit(const std::string& text);

}  // namespace zarnix
