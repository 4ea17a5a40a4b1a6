// The geometric-figures category: a worksheet in seven sections — triangles, regular polygons,
// solids, plane figures, spherical triangles, the great-circle distance, circular segments and
// sectors — whose measures are formulas in the worksheet itself.
#pragma once

namespace zarnix {

struct Workbench;

// Section k is the k-th row from row 2 on whose column-1 text has "." as its second character
// (k = 1 … 7; further such rows are ignored). Results go into the worksheet only; a figure
// that cannot be measured gets the reason in its result cells and the others are computed.
void HandleGeometricFigures(Workbench& bench);

}  // namespace zarnix
