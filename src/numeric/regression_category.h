// The one-variable regression and interpolation category: every formula of the regression
// list fitted to the worksheet's points, spline and parabola values at the interpolation
// points, and a 501-point spline table to plot.
#pragma once

namespace zarnix {

struct Workbench;

// Texts of the worksheet this category writes.
inline constexpr const char* kRegressionListHeading = "回归公式";
inline constexpr const char* kTooManyTermsText = "公式超过8项，不能回归";

// Reads the points (rows 1, 2) and interpolation points (row 3) from column 1 on and rewrites
// the rest of the worksheet; writes nothing to the answer pane.
void HandleRegressionInterpolation(Workbench& bench);

}  // namespace zarnix
