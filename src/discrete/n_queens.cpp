// Depth-first search over the rows with bit masks. A placement is abandoned as soon as a later
// row has no free column or a free column can no longer be reached by any later row: that
// only cuts branches without a solution, so the first solution is the same as that of the
// plain search, found with far fewer trials.
#include "discrete/n_queens.h"

#include <bit>
#include <cstdint>

namespace zarnix {

namespace {

using Mask = std::uint64_t;

struct QueensSearch {
  int n;
  Mask full;  // the n columns of a row
  std::vector<int>& columns;

  // Whether rows row + 1 … n − 1 can still all be filled: each has a free column and every
  // unused column is free in at least one of them. `left` and `right` are the diagonal
  // attacks on the next row.
  bool LaterRowsOpen(int row, Mask used, Mask left, Mask right) const {
    const Mask unused = full & ~used;
    Mask reachable = 0;
    for (int r = row + 1; r < n; ++r) {
      const Mask free = unused & ~(left | right);
      if (free == 0) return false;
      reachable |= free;
      left = (left << 1) & full;
      right >>= 1;
    }
    return reachable == unused;
  }

  // Places the queens of rows row … n − 1; used, left and right are the columns and the
  // diagonals of this row attacked by the queens above.
  bool Place(int row, Mask used, Mask left, Mask right) {
    if (row == n) return true;
    Mask free = full & ~(used | left | right);
    while (free != 0) {
      const Mask bit = free & (~free + 1);  // leftmost free column first
      free ^= bit;
      const Mask nextUsed = used | bit;
      const Mask nextLeft = ((left | bit) << 1) & full;
      const Mask nextRight = (right | bit) >> 1;
      if (!LaterRowsOpen(row, nextUsed, nextLeft, nextRight)) continue;
      columns[row] = std::countr_zero(bit) + 1;
      if (Place(row + 1, nextUsed, nextLeft, nextRight)) return true;
    }
    return false;
  }
};

}  // namespace

std::vector<int> FirstQueensSolution(int n) {
  if (n < 1 || n > kMaxQueensBoard) return {};
  std::vector<int> columns(n, 0);
  QueensSearch search{n, (Mask{1} << n) - 1, columns};
  if (!search.Place(0, 0, 0, 0)) return {};
  return columns;
}

}  // namespace zarnix
