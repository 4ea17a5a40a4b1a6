// The tables of solids and of plane figures: one figure per row, named in column 1, its
// numbers in column 3 as a, b, c, …, and up to four measure formulas in columns 4, 6, 8 and
// 10, each value written into the column after its formula.
#pragma once

#include "base/extended.h"

namespace zarnix {

struct FigureRun;

// Rows below the header up to the first one without a name. A known figure's numbers are
// checked first; a figure they do not describe gets the reason in its result cells.
void RunFigureTable(FigureRun& run, int header);

// The volume of the regular polyhedron with `faces` faces and edge 1; NaN for any other
// number of faces.
Extended PolyhedronVolumeCoefficient(Extended faces);

}  // namespace zarnix
