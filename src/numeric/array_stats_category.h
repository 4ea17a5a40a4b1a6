// The array-statistics category: descriptive statistics of the numbers typed into the
// worksheet, an optional Gini coefficient, and the numbers as a plottable table.
#pragma once

namespace zarnix {

struct Workbench;

// Reads the worksheet's numbers (row 1 on, up to the first empty cell), writes the statistics
// block into the answer pane and the numbered table below the data.
void HandleArrayStatistics(Workbench& bench);

}  // namespace zarnix
