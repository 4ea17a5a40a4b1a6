// The general calculation category, the sheet the program opens with: formulas in any base,
// complex formulas, big numbers, fractions, angles, sequences and polynomials, one item per row.
#pragma once

namespace zarnix {

struct Workbench;

void HandleGeneralCalculation(Workbench& bench);

}  // namespace zarnix
