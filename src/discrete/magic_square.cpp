// The three constructions of magic squares, each linear in the number of cells.
#include "discrete/magic_square.h"

#include <utility>

namespace zarnix {

namespace {

// A square under construction, indexed from 1 like the constructions describe it.
struct Square {
  int n;
  std::vector<std::int32_t>& cells;

  std::int32_t& operator()(int row, int col) { return cells[(row - 1) * n + (col - 1)]; }
};

// r + step wrapped into 1 … n.
int Wrap(int r, int step, int n) {
  return ((r - 1 + step) % n + n) % n + 1;
}

struct Step {
  int rows;
  int cols;
};

// Numbers 1 … n² walk from the start cell by `step`; a number whose cell is taken goes to
// the previous cell moved by `blocked` instead.
void StepFill(Square square, int startRow, int startCol, Step step, Step blocked) {
  const int n = square.n;
  int row = startRow;
  int col = startCol;
  square(row, col) = 1;
  for (std::int32_t k = 2; k <= static_cast<std::int32_t>(n) * n; ++k) {
    int nextRow = Wrap(row, step.rows, n);
    int nextCol = Wrap(col, step.cols, n);
    if (square(nextRow, nextCol) != 0) {
      nextRow = Wrap(row, blocked.rows, n);
      nextCol = Wrap(col, blocked.cols, n);
    }
    row = nextRow;
    col = nextCol;
    square(row, col) = k;
  }
}

void BuildOdd(Square square) {
  StepFill(square, 1, (square.n + 1) / 2, {2, 1}, {1, 0});
}

// Cells on the diagonals of every 4×4 block count down from n², the others count up.
void BuildDoublyEven(Square square) {
  const int n = square.n;
  const std::int32_t last = static_cast<std::int32_t>(n) * n + 1;
  std::int32_t i = 0;
  for (int row = 1; row <= n; ++row) {
    const int k = (row - 1) % 4 + 1;
    for (int col = 1; col <= n; ++col) {
      const int l = (col - 1) % 4 + 1;
      ++i;
      square(row, col) = (l == k || l == 5 - k) ? last - i : i;
    }
  }
}

void SwapAcross(Square square, int row, int col, int m) {
  std::swap(square(row, col), square(row, col + m));
}

// n = 2m with m odd: four shifted copies of an m×m odd square, then the exchanges between
// the left and the right half that make the rows and diagonals come out equal.
void BuildSinglyEven(Square square) {
  const int n = square.n;
  const int m = n / 2;
  std::vector<std::int32_t> quarterCells(static_cast<std::size_t>(m) * m, 0);
  Square quarter{m, quarterCells};
  StepFill(quarter, (m + 1) / 2, m, {1, 1}, {0, -1});

  const std::int32_t mm = static_cast<std::int32_t>(m) * m;
  for (int i = 1; i <= m; ++i) {
    for (int j = 1; j <= m; ++j) {
      const std::int32_t v = quarter(i, j);
      square(i, j + m) = v;
      square(i, j) = v + 3 * mm;
      square(i + m, j + m) = v + 2 * mm;
      square(i + m, j) = v + mm;
    }
  }

  const int h = (m + 1) / 2;
  const int d = (m - 1) / 2;
  for (int j = 1; j <= m; ++j)
    if (j != h) SwapAcross(square, 1, j, m);
  for (int i = 2; i <= h - 1; ++i)
    for (int j = 1; j <= m; ++j) SwapAcross(square, i, j, m);
  SwapAcross(square, h, h, m);
  for (int i = n; i >= n - d + 2; --i)
    for (int j = 1; j <= m; ++j) SwapAcross(square, i, j, m);
}

}  // namespace

MagicSquare BuildMagicSquare(int order) {
  MagicSquare result;
  if (order < kMinMagicOrder) return result;
  result.order = order;
  result.cells.assign(static_cast<std::size_t>(order) * order, 0);
  const Square square{order, result.cells};
  if (order % 2 == 1) {
    BuildOdd(square);
  } else if (order % 4 == 0) {
    BuildDoublyEven(square);
  } else {
    BuildSinglyEven(square);
  }
  return result;
}

std::int64_t MagicConstant(int order) {
  const std::int64_t n = order;
  return n * (n * n + 1) / 2;
}

}  // namespace zarnix
