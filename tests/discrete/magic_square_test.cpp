// Magic squares: the exact squares of the three constructions for small orders, and the magic
// sums and the use of every number 1 … n² once for orders up to 1000.
#include "discrete/magic_square.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace zarnix {
namespace {

std::vector<std::int32_t> Row(const MagicSquare& square, int row) {
  std::vector<std::int32_t> values;
  for (int col = 1; col <= square.order; ++col) values.push_back(square.At(row, col));
  return values;
}

// Empty text when the square is magic and uses 1 … n² once each; otherwise what is wrong.
std::string MagicFault(const MagicSquare& square) {
  const int n = square.order;
  const std::int64_t sum = MagicConstant(n);
  std::vector<bool> seen(static_cast<std::size_t>(n) * n + 1, false);
  std::int64_t diagonal = 0;
  std::int64_t antiDiagonal = 0;
  std::vector<std::int64_t> colSums(n + 1, 0);
  for (int i = 1; i <= n; ++i) {
    std::int64_t rowSum = 0;
    for (int j = 1; j <= n; ++j) {
      const std::int32_t v = square.At(i, j);
      if (v < 1 || v > n * n || seen[v]) return "value " + std::to_string(v) + " misplaced";
      seen[v] = true;
      rowSum += v;
      colSums[j] += v;
    }
    if (rowSum != sum) return "row " + std::to_string(i);
    diagonal += square.At(i, i);
    antiDiagonal += square.At(i, n + 1 - i);
  }
  for (int j = 1; j <= n; ++j)
    if (colSums[j] != sum) return "column " + std::to_string(j);
  if (diagonal != sum || antiDiagonal != sum) return "diagonal";
  return "";
}

TEST(MagicSquare, SmallOrdersAreTheConstructionsOwnSquares) {
  const MagicSquare three = BuildMagicSquare(3);
  EXPECT_EQ(three.cells, (std::vector<std::int32_t>{8, 1, 6, 3, 5, 7, 4, 9, 2}));
  EXPECT_EQ(MagicConstant(3), 15);

  EXPECT_EQ(Row(BuildMagicSquare(4), 1), (std::vector<std::int32_t>{16, 2, 3, 13}));
  EXPECT_EQ(BuildMagicSquare(4).cells,
            (std::vector<std::int32_t>{16, 2, 3, 13, 5, 11, 10, 8, 9, 7, 6, 12, 4, 14, 15, 1}));

  EXPECT_EQ(BuildMagicSquare(5).cells,
            (std::vector<std::int32_t>{23, 12, 1,  20, 9,  4, 18, 7,  21, 15, 10, 24, 13,
                                       2,  16, 11, 5,  19, 8, 22, 17, 6,  25, 14, 3}));

  const MagicSquare six = BuildMagicSquare(6);
  EXPECT_EQ(six.cells, (std::vector<std::int32_t>{4,  30, 8,  31, 3,  35, 36, 5,  28, 9,  32, 1,
                                                  29, 34, 33, 2,  7,  6,  13, 12, 17, 22, 21, 26,
                                                  18, 14, 10, 27, 23, 19, 11, 16, 15, 20, 25, 24}));
  EXPECT_EQ(MagicConstant(6), 111);

  // Order 10 has two exchanged rows at the bottom as well.
  EXPECT_EQ(Row(BuildMagicSquare(10), 1),
            (std::vector<std::int32_t>{11, 10, 79, 23, 17, 86, 85, 4, 98, 92}));
  EXPECT_EQ(Row(BuildMagicSquare(10), 10),
            (std::vector<std::int32_t>{59, 53, 72, 66, 65, 34, 28, 47, 41, 40}));
}

TEST(MagicSquare, EveryOrderIsMagic) {
  for (int n = kMinMagicOrder; n <= 70; ++n) EXPECT_EQ(MagicFault(BuildMagicSquare(n)), "") << n;
  for (int n : {256, 998, 999, kMaxMagicOrder}) EXPECT_EQ(MagicFault(BuildMagicSquare(n)), "") << n;
  EXPECT_EQ(MagicConstant(kMaxMagicOrder), 500000500);
  for (int n : {-1, 0, 1, 2}) EXPECT_TRUE(BuildMagicSquare(n).cells.empty()) << n;
}

}  // namespace
}  // namespace zarnix
