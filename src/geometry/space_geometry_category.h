// The space analytic-geometry category: rectangular, cylindrical and spherical coordinates,
// distances, perpendiculars, planes in their forms, intersections, angles, skew lines and
// tetrahedra, one item per row with its results in the rows below.
#pragma once

namespace zarnix {

struct Workbench;

void HandleSpaceAnalyticGeometry(Workbench& bench);

}  // namespace zarnix
