// The common-formulas category: one named formula of everyday engineering per worksheet row,
// its quantities named in words, evaluated with the parameters of the row's cells.
#pragma once

#include <string>

#include "base/extended.h"

namespace zarnix {

struct Workbench;

// Written after the result's name when the row's formula or a parameter is rejected.
inline constexpr const char* kRejectedFormulaText = "表达式错误";

// A result as the row shows it: "%.2f" for rows marked "#", the scientific "%1.<d+1>e" from
// 1000 up and at 0.001 and below (zero and negative values too), else the result format.
std::string FormatFormulaResult(Extended value, bool twoDecimals, int decimals,
                                const std::string& resultFormat);

// Every row from 2 on with a formula in column 3: the parameters of columns 4 … (up to the
// first empty cell, never the last column), then the formula; the formula's result name, "="
// and its value go into the last column.
void HandleCommonFormulas(Workbench& bench);

}  // namespace zarnix
