// Bit masks of the digits used per row, column and box; the search fills next a digit that has
// only one place left in some row, column or box, else the empty cell with the fewest
// candidates. Which solutions exist does not depend on the order in which cells are filled,
// and this order keeps even the hardest puzzles to a few hundred trials.
#include "discrete/sudoku.h"

#include <bit>
#include <optional>
#include <utility>

namespace zarnix {

namespace {

using DigitMask = std::uint16_t;  // bit d − 1 for digit d
constexpr DigitMask kAllDigits = 0x1FF;

int BoxOf(int cell) {
  return cell / 27 * 3 + cell % 9 / 3;
}

struct SudokuSearch {
  std::array<DigitMask, 9> rows{};
  std::array<DigitMask, 9> cols{};
  std::array<DigitMask, 9> boxes{};
  SudokuDigits grid{};
  std::array<std::uint8_t, 81> empty{};
  int emptyCount = 0;
  int solutions = 0;
  SudokuDigits first{};

  DigitMask Candidates(int cell) const {
    return kAllDigits & ~(rows[cell / 9] | cols[cell % 9] | boxes[BoxOf(cell)]);
  }

  void Toggle(int cell, DigitMask bit) {
    rows[cell / 9] ^= bit;
    cols[cell % 9] ^= bit;
    boxes[BoxOf(cell)] ^= bit;
  }

  // False when a digit is already used in the cell's row, column or box.
  bool AddGiven(int cell, int digit) {
    const DigitMask bit = DigitMask(1u << (digit - 1));
    if ((Candidates(cell) & bit) == 0) return false;
    Toggle(cell, bit);
    grid[cell] = static_cast<std::uint8_t>(digit);
    return true;
  }

  // Moves the cell to fill next to position `depth` and returns the digits to try there:
  // the empty cell with the fewest candidates, unless some row, column or box has a digit
  // that only one of its cells can take. 0 when the grid can no longer be completed.
  DigitMask PickNext(int depth) {
    std::array<DigitMask, 81> candidates{};
    int best = depth;
    for (int i = depth; i < emptyCount; ++i) {
      candidates[i] = Candidates(empty[i]);
      if (std::popcount(candidates[i]) < std::popcount(candidates[best])) best = i;
    }
    DigitMask digits = candidates[best];
    if (std::popcount(digits) > 1) {
      const std::optional<HiddenSingle> single = FindHiddenSingle(depth, candidates);
      if (!single) return 0;
      if (single->position >= 0) {
        best = single->position;
        digits = single->digit;
      }
    }
    std::swap(empty[depth], empty[best]);
    return digits;
  }

  struct HiddenSingle {
    int position = -1;  // in `empty`; -1 when there is none
    DigitMask digit = 0;
  };

  // nullopt when a unit has a digit that none of its cells can take, or one cell is the only
  // place for two digits.
  std::optional<HiddenSingle> FindHiddenSingle(int depth,
                                               const std::array<DigitMask, 81>& candidates) {
    std::array<DigitMask, 27> once{};  // rows 0-8, columns 9-17, boxes 18-26
    std::array<DigitMask, 27> twice{};
    for (int i = depth; i < emptyCount; ++i) {
      for (const int unit : UnitsOf(empty[i])) {
        twice[unit] |= once[unit] & candidates[i];
        once[unit] |= candidates[i];
      }
    }
    for (int u = 0; u < 9; ++u)
      if ((rows[u] | once[u]) != kAllDigits || (cols[u] | once[9 + u]) != kAllDigits ||
          (boxes[u] | once[18 + u]) != kAllDigits)
        return std::nullopt;
    for (int i = depth; i < emptyCount; ++i) {
      DigitMask only = 0;
      for (const int unit : UnitsOf(empty[i])) only |= once[unit] & ~twice[unit];
      only &= candidates[i];
      if (only == 0) continue;
      if (std::popcount(only) > 1) return std::nullopt;
      return HiddenSingle{i, only};
    }
    return HiddenSingle{};
  }

  static std::array<int, 3> UnitsOf(int cell) { return {cell / 9, 9 + cell % 9, 18 + BoxOf(cell)}; }

  // Stops once a second solution is known.
  void Search(int depth) {
    if (depth == emptyCount) {
      if (solutions++ == 0) first = grid;
      return;
    }
    DigitMask candidates = PickNext(depth);
    const int cell = empty[depth];
    while (candidates != 0 && solutions < 2) {
      const DigitMask bit = candidates & DigitMask(-candidates);
      candidates ^= bit;
      Toggle(cell, bit);
      grid[cell] = static_cast<std::uint8_t>(std::countr_zero(bit) + 1);
      Search(depth + 1);
      Toggle(cell, bit);
    }
    grid[cell] = 0;
  }
};

}  // namespace

SudokuResult SolveSudoku(const SudokuDigits& givens) {
  SudokuSearch search;
  for (int cell = 0; cell < 81; ++cell) {
    const int digit = givens[cell];
    if (digit >= 1 && digit <= 9) {
      if (!search.AddGiven(cell, digit)) return {SudokuStatus::kConflict, {}};
    } else {
      search.empty[search.emptyCount++] = static_cast<std::uint8_t>(cell);
    }
  }
  search.Search(0);
  SudokuResult result;
  result.solution = search.first;
  result.status = search.solutions == 0   ? SudokuStatus::kNoSolution
                  : search.solutions == 1 ? SudokuStatus::kUnique
                                          : SudokuStatus::kSeveral;
  return result;
}

}  // namespace zarnix
