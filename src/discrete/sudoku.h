// 9×9 sudoku: the check of the givens and an exhaustive search that proves the solution
// unique or finds a second one.
#pragma once

#include <array>
#include <cstdint>

namespace zarnix {

// Row-major digits, 0 for an empty cell.
using SudokuDigits = std::array<std::uint8_t, 81>;

enum class SudokuStatus {
  kConflict,    // two equal givens in a row, column or box
  kNoSolution,  // the givens agree but cannot be completed
  kUnique,
  kSeveral,  // at least two solutions; `solution` holds one of them
};

struct SudokuResult {
  SudokuStatus status = SudokuStatus::kNoSolution;
  SudokuDigits solution{};
};

// Digits above 9 count as empty cells.
SudokuResult SolveSudoku(const SudokuDigits& givens);

}  // namespace zarnix
