// Sudoku: known puzzles and their solutions, the two failures, and a few hundred generated
// puzzles checked against a plain row-by-row search.
#include "discrete/sudoku.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace zarnix {
namespace {

SudokuDigits Digits(const std::string& text) {
  SudokuDigits digits{};
  for (int i = 0; i < 81; ++i) digits[i] = text[i] == '.' ? 0 : text[i] - '0';
  return digits;
}

std::string Text(const SudokuDigits& digits) {
  std::string text;
  for (int d : digits) text += static_cast<char>('0' + d);
  return text;
}

bool Allowed(const SudokuDigits& grid, int cell, int digit) {
  const int row = cell / 9;
  const int col = cell % 9;
  for (int k = 0; k < 9; ++k) {
    const int boxCell = (row / 3 * 3 + k / 3) * 9 + col / 3 * 3 + k % 3;
    if ((row * 9 + k != cell && grid[row * 9 + k] == digit) ||
        (k * 9 + col != cell && grid[k * 9 + col] == digit) ||
        (boxCell != cell && grid[boxCell] == digit))
      return false;
  }
  return true;
}

// The plain search: cells in row order, digits ascending, stopping at the second solution.
struct PlainSearch {
  SudokuDigits grid;
  int solutions = 0;
  SudokuDigits first{};

  void Run(int cell) {
    if (solutions >= 2) return;
    if (cell == 81) {
      if (solutions++ == 0) first = grid;
      return;
    }
    if (grid[cell] != 0) return Run(cell + 1);
    for (int digit = 1; digit <= 9; ++digit) {
      if (!Allowed(grid, cell, digit)) continue;
      grid[cell] = static_cast<std::uint8_t>(digit);
      Run(cell + 1);
      grid[cell] = 0;
    }
  }
};

bool GivensAgree(const SudokuDigits& grid) {
  for (int cell = 0; cell < 81; ++cell)
    if (grid[cell] != 0 && !Allowed(grid, cell, grid[cell])) return false;
  return true;
}

bool SolvesGivens(const SudokuDigits& solution, const SudokuDigits& givens) {
  for (int cell = 0; cell < 81; ++cell) {
    if (solution[cell] < 1 || solution[cell] > 9 || !Allowed(solution, cell, solution[cell]))
      return false;
    if (givens[cell] != 0 && givens[cell] != solution[cell]) return false;
  }
  return true;
}

TEST(Sudoku, KnownPuzzlesHaveTheirUniqueSolution) {
  const std::pair<const char*, const char*> cases[] = {
      {"53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79",
       "534678912672195348198342567859761423426853791713924856961537284287419635345286179"},
      {"8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..",
       "812753649943682175675491283154237896369845721287169534521974368438526917796318452"},
      // 17 givens, the fewest a unique puzzle can have.
      {"..............3.85..1.2.......5.7.....4...1...9.......5......73..2.1........4...9",
       "987654321246173985351928746128537694634892157795461832519286473472319568863745219"},
      {"4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......",
       "417369825632158947958724316825437169791586432346912758289643571573291684164875293"},
  };
  for (const auto& [puzzle, solution] : cases) {
    const SudokuResult result = SolveSudoku(Digits(puzzle));
    EXPECT_EQ(result.status, SudokuStatus::kUnique) << puzzle;
    EXPECT_EQ(Text(result.solution), solution) << puzzle;
  }
}

TEST(Sudoku, EqualGivensInOneUnitConflict) {
  // Two 5s in the first row, in the first column, in the first box.
  for (const char* puzzle :
       {"5...5............................................................................",
        "5........5.......................................................................",
        "5.........5......................................................................",
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..77"})
    EXPECT_EQ(SolveSudoku(Digits(puzzle)).status, SudokuStatus::kConflict) << puzzle;
}

TEST(Sudoku, AgreeingGivensWithoutCompletionHaveNoSolution) {
  // The last cell of the first row would need the 9 that its column already holds.
  const SudokuResult result = SolveSudoku(
      Digits("12345678.........9..............................................................."));
  EXPECT_EQ(result.status, SudokuStatus::kNoSolution);
}

TEST(Sudoku, AnEmptyGridHasSeveralSolutionsAndShowsOne) {
  const SudokuDigits empty{};
  const SudokuResult result = SolveSudoku(empty);
  EXPECT_EQ(result.status, SudokuStatus::kSeveral);
  EXPECT_TRUE(SolvesGivens(result.solution, empty));
}

// A random full grid: the shifted-rows pattern with digits, rows within bands, bands,
// columns within stacks and stacks permuted.
SudokuDigits RandomFullGrid(std::mt19937& random) {
  std::array<int, 9> digits;
  std::iota(digits.begin(), digits.end(), 1);
  std::shuffle(digits.begin(), digits.end(), random);
  auto lines = [&random] {
    std::array<int, 3> bands{0, 1, 2};
    std::shuffle(bands.begin(), bands.end(), random);
    std::array<int, 9> order{};
    for (int b = 0; b < 3; ++b) {
      std::array<int, 3> inner{0, 1, 2};
      std::shuffle(inner.begin(), inner.end(), random);
      for (int k = 0; k < 3; ++k) order[b * 3 + k] = bands[b] * 3 + inner[k];
    }
    return order;
  };
  const std::array<int, 9> rows = lines();
  const std::array<int, 9> cols = lines();
  SudokuDigits grid{};
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 9; ++c) grid[r * 9 + c] = digits[(rows[r] * 3 + rows[r] / 3 + cols[c]) % 9];
  return grid;
}

TEST(Sudoku, GeneratedPuzzlesAgreeWithThePlainSearch) {
  std::mt19937 random(20240519);
  int unique = 0;
  int several = 0;
  int failing = 0;
  for (int round = 0; round < 300; ++round) {
    const SudokuDigits full = RandomFullGrid(random);
    ASSERT_TRUE(SolvesGivens(full, full));
    std::array<int, 81> cells;
    std::iota(cells.begin(), cells.end(), 0);
    std::shuffle(cells.begin(), cells.end(), random);
    SudokuDigits givens{};
    const int count = 24 + static_cast<int>(random() % 20);
    for (int k = 0; k < count; ++k) givens[cells[k]] = full[cells[k]];
    // Every fifth puzzle gets one wrong given, which may conflict or leave no solution.
    if (round % 5 == 0) givens[cells[count]] = static_cast<std::uint8_t>(1 + random() % 9);

    const SudokuResult result = SolveSudoku(givens);
    if (!GivensAgree(givens)) {
      EXPECT_EQ(result.status, SudokuStatus::kConflict) << Text(givens);
      ++failing;
      continue;
    }
    PlainSearch plain{givens};
    plain.Run(0);
    if (plain.solutions == 0) {
      EXPECT_EQ(result.status, SudokuStatus::kNoSolution) << Text(givens);
      ++failing;
    } else if (plain.solutions == 1) {
      EXPECT_EQ(result.status, SudokuStatus::kUnique) << Text(givens);
      EXPECT_EQ(Text(result.solution), Text(plain.first)) << Text(givens);
      ++unique;
    } else {
      EXPECT_EQ(result.status, SudokuStatus::kSeveral) << Text(givens);
      EXPECT_TRUE(SolvesGivens(result.solution, givens)) << Text(givens);
      ++several;
    }
  }
  // The generator reaches every verdict.
  EXPECT_GT(unique, 20);
  EXPECT_GT(several, 20);
  EXPECT_GT(failing, 10);
}

}  // namespace
}  // namespace zarnix
