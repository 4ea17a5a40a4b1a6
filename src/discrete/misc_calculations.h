// The miscellaneous calculations category: an item-row worksheet of everyday calculations
// (dates and the lunar calendar, annuities and deposit interest, molecular weights, growth
// models, Gini coefficients), each result written into its row's last cell.
#pragma once

namespace zarnix {

struct Workbench;

void HandleMiscCalculations(Workbench& bench);

}  // namespace zarnix
