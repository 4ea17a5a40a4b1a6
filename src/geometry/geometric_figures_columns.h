// The triangle and regular-polygon sections of the geometric-figures worksheet: each column of
// the header row gives one figure in its own way, the rows below show its sides and then the
// value of each measure formula of column 2.
#pragma once

namespace zarnix {

struct FigureRun;

// Columns 3 … 7 of the header row, up to the first empty one: three sides; two sides and the
// angle between them; two angles and the side between them; three points of the plane; three
// points in space.
void RunTriangleSection(FigureRun& run, int header);

// Columns 3 … 7: side and number of sides; circumradius and number of sides; inradius and
// number of sides; in columns 6 and 7 side and number of sides again.
void RunPolygonSection(FigureRun& run, int header);

}  // namespace zarnix
