// The plane analytic-geometry category: coordinates, lines in their forms, triangles, circles,
// polygons and conics, one item per row with its results in the rows below; each item also
// draws its figure for the double-click plot.
#pragma once

#include <string>

#include "geometry/analytic_items.h"

namespace zarnix {

struct Figure;
struct Workbench;

// The hint beside each item: double-clicking it plots the item's figure.
inline constexpr const char* kFigureHint = "(双击此格看图像)";

void HandlePlaneAnalyticGeometry(Workbench& bench);

// The item of a worksheet row computed again with its figure drawn into `figure`; nothing is
// written into the worksheet.
ItemOutcome PlaneFigureOfRow(Workbench& bench, int row, Figure& figure);

}  // namespace zarnix
