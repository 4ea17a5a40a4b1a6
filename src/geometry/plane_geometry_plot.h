// The plane analytic-geometry figure on the image page: a double-click on an item's hint cell
// draws that item's points, lines, polygon, circle or conic through the plot engine.
#pragma once

#include "plot/curve_tables.h"
#include "plot/plot_engine.h"

namespace zarnix {

struct Workbench;

// The figure of the item in the worksheet's current row.
PlotOutcome PlotPlaneFigure(Workbench& bench, const PlotPorts& ports);

}  // namespace zarnix
