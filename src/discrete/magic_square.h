// Magic squares of every order from 3 up: the step method for odd orders, diagonal marking
// for orders divisible by 4 and the quadrant method with its exchanges for the others.
#pragma once

#include <cstdint>
#include <vector>

namespace zarnix {

inline constexpr int kMinMagicOrder = 3;
inline constexpr int kMaxMagicOrder = 1000;

struct MagicSquare {
  int order = 0;
  std::vector<std::int32_t> cells;  // row-major, order × order

  // Rows and columns counted from 1.
  std::int32_t At(int row, int col) const { return cells[(row - 1) * order + (col - 1)]; }
};

// The square of this order; an empty square for an order below 3. Orders above 1000 work
// too, but nothing shows them.
MagicSquare BuildMagicSquare(int order);

// The common sum of every row, column and diagonal: n(n² + 1)/2.
std::int64_t MagicConstant(int order);

}  // namespace zarnix
