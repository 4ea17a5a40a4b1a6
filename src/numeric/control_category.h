// The control-system simulation category: one item per run (the current row's number), its
// result table written as a plot block below the worksheet's "输出变量" row.
#pragma once

namespace zarnix {

struct Workbench;

// Items 1 (one transfer function in a loop), 2 and 3 (block diagrams, 3 with nonlinear
// elements), 4 (Bode table and margins) and 5 (Nyquist table and margins).
void HandleControlSystem(Workbench& bench);

}  // namespace zarnix
