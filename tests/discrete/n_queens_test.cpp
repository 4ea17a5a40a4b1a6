// N queens: the first solution in row order with the columns tried left to right, checked
// against a plain backtracking search where that is quick, and valid for every board size.
#include "discrete/n_queens.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace zarnix {
namespace {

// The plain search: every column of every row, no look-ahead.
bool PlainSearch(int n, int row, std::vector<int>& columns) {
  if (row == n) return true;
  for (int col = 1; col <= n; ++col) {
    bool free = true;
    for (int above = 0; above < row && free; ++above)
      free = columns[above] != col && std::abs(columns[above] - col) != row - above;
    if (!free) continue;
    columns[row] = col;
    if (PlainSearch(n, row + 1, columns)) return true;
  }
  return false;
}

bool NonAttacking(const std::vector<int>& columns) {
  const int n = static_cast<int>(columns.size());
  for (int a = 0; a < n; ++a) {
    if (columns[a] < 1 || columns[a] > n) return false;
    for (int b = a + 1; b < n; ++b)
      if (columns[a] == columns[b] || std::abs(columns[a] - columns[b]) == b - a) return false;
  }
  return true;
}

TEST(NQueens, FirstSolutionsOfSmallBoards) {
  EXPECT_EQ(FirstQueensSolution(4), (std::vector<int>{2, 4, 1, 3}));
  EXPECT_EQ(FirstQueensSolution(8), (std::vector<int>{1, 5, 8, 6, 3, 7, 2, 4}));
  EXPECT_EQ(FirstQueensSolution(1), (std::vector<int>{1}));
  EXPECT_TRUE(FirstQueensSolution(2).empty());
  EXPECT_TRUE(FirstQueensSolution(3).empty());
  // Boards the masks cannot hold.
  for (int n : {-5, 0, kMaxQueensBoard + 1}) EXPECT_TRUE(FirstQueensSolution(n).empty()) << n;
}

TEST(NQueens, SameFirstSolutionAsThePlainSearch) {
  for (int n = kMinQueens; n <= 20; ++n) {
    std::vector<int> plain(n, 0);
    ASSERT_TRUE(PlainSearch(n, 0, plain)) << n;
    EXPECT_EQ(FirstQueensSolution(n), plain) << n;
  }
}

TEST(NQueens, EveryBoardUpToTheLargestIsSolved) {
  std::vector<int> columns;
  for (int n = kMinQueens; n <= kMaxQueens; ++n) {
    columns = FirstQueensSolution(n);
    EXPECT_EQ(static_cast<int>(columns.size()), n);
    EXPECT_TRUE(NonAttacking(columns)) << n;
  }
  // The slowest board; its first solution as found by independent searches.
  EXPECT_EQ(columns,
            (std::vector<int>{1,  3,  5,  2,  4,  9,  11, 13, 15, 6, 8,  25, 27, 33, 31, 23, 28,
                              26, 29, 32, 30, 16, 18, 12, 10, 17, 7, 14, 21, 19, 24, 22, 20}));
}

}  // namespace
}  // namespace zarnix
