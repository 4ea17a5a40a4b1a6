// The functions-and-curves category: extrema of the functions listed in the worksheet, and
// the analysis of a general quadratic equation written back as curves the plot page draws.
#pragma once

namespace zarnix {

struct Workbench;

void HandleFunctionsCurves(Workbench& bench);

}  // namespace zarnix
