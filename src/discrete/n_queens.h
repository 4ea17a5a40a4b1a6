// N non-attacking queens on an n×n board: the first placement in row-by-row order with the
// columns of each row tried from left to right.
#pragma once

#include <vector>

namespace zarnix {

inline constexpr int kMinQueens = 4;
inline constexpr int kMaxQueens = 33;
// The search keeps a board row in one 64-bit mask.
inline constexpr int kMaxQueensBoard = 63;

// Column (1 … n) of the queen in each row 1 … n of the first solution; empty when the board
// has none (n = 2, 3) or n is outside 1 … kMaxQueensBoard.
std::vector<int> FirstQueensSolution(int n);

}  // namespace zarnix
