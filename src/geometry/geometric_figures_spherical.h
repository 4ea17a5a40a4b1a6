// Spherical triangles on the unit sphere: every triangle that a choice of three sides and
// angles determines, and the great-circle distance of two points given by longitude and
// latitude. All angles and sides are in degrees.
#pragma once

#include <array>

#include "base/extended.h"

namespace zarnix {

// What the three given numbers are, in the order they are given. A side and the angle in the
// same position of a triangle are opposite each other.
enum class SphericalGiven {
  kSides = 1,       // a, b, c
  kAngles,          // A, B, C
  kSideAngleSide,   // a, B, c: two sides and the angle between them
  kAngleSideAngle,  // A, b, C: two angles and the side between them
  kSideSideAngle,   // a, b, A: two sides and the angle opposite the first
  kAngleAngleSide,  // A, B, a: two angles and the side opposite the first
};

struct SphericalTriangle {
  std::array<Extended, 3> sides{};   // a, b, c
  std::array<Extended, 3> angles{};  // A, B, C, each opposite the side in its position
};

struct SphericalSolutions {
  int count = 0;          // 0: no triangle has these parts; the last two kinds may have 2
  bool infinite = false;  // the parts fit every triangle of a whole family
  std::array<SphericalTriangle, 2> triangles{};
};

SphericalSolutions SolveSphericalTriangle(SphericalGiven given, Extended first, Extended second,
                                          Extended third);

// The length of the shorter great-circle arc between (longitude1, latitude1) and
// (longitude2, latitude2) on a sphere of the given radius.
Extended GreatCircleDistance(Extended longitude1, Extended latitude1, Extended longitude2,
                             Extended latitude2, Extended radius);

}  // namespace zarnix
