// The figure plot of the plane items: the item is computed again from its row, its figure
// flattened into one point list with equal scales and handed to the plotter.
#include "geometry/plane_geometry_plot.h"

#include <string>

#include "geometry/plane_geometry_category.h"
#include "geometry/plane_geometry_figure.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kNoItemMessage = "此行没有平面解析几何的计算项目";

}  // namespace

PlotOutcome PlotPlaneFigure(Workbench& bench, const PlotPorts& ports) {
  const int row = bench.grid.Row();
  Figure figure;
  const ItemOutcome outcome = PlaneFigureOfRow(bench, row, figure);
  if (!outcome.item || !outcome.error.empty()) {
    ports.ui.ShowMessage(outcome.item ? outcome.error : kNoItemMessage);
    return PlotOutcome::kRefused;
  }
  const FigurePoints points = FlattenFigure(figure, ports.geometry.nx, ports.geometry.ny);
  // The caption's first blank puts the result on a second line under the item's name.
  const std::string caption = bench.grid.Cell(1, row) + "." + bench.grid.Cell(2, row) + " " +
                              (outcome.lines.empty() ? "" : outcome.lines.front());
  const bool drawn = PlotPoints(ports, points.xs, caption, CurveColor(1), points.ys);
  return drawn ? PlotOutcome::kPlotted : PlotOutcome::kRefused;
}

}  // namespace zarnix
