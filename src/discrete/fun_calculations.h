// The fun calculations category: recreational number problems and the 24 game, one item per
// run, the item of the row that holds the current cell.
#pragma once

namespace zarnix {

struct Workbench;

void HandleFunCalculations(Workbench& bench);

}  // namespace zarnix
