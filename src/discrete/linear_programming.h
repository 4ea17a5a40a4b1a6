// The linear-programming category: linear programs, two service simulations, the travelling
// salesman and transport on a closed loop, one item per row with its data beside and below it.
#pragma once

#include <string>
#include <vector>

#include "base/extended.h"

namespace zarnix {

struct Workbench;
class Worksheet;

void HandleLinearProgramming(Workbench& bench);

// The route a tour item left for the plot: the x list in the last column of `row`, the y list
// in the last column of the row below, and the caption naming the starting city. Bad list
// texts end with the conversion error.
struct RoutePoints {
  std::vector<Extended> xs;
  std::vector<Extended> ys;
  std::string caption;
};
RoutePoints ReadRoute(const Worksheet& grid, int row);

}  // namespace zarnix
