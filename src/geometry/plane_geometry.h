// Points and straight lines of the plane: coordinates, polar form, division points, the line
// in its general form Ax+By+C=0 and the other forms derived from it, intersections, angles and
// perpendiculars. Degenerate input comes back as nullopt or a relation, never as a fault.
#pragma once

#include <optional>

#include "base/extended.h"

namespace zarnix {

// Typed coordinates carry rounding errors: quantities that should vanish are zero when they
// are this small compared with the values they were computed from.
inline constexpr Extended kGeometryTolerance = 1e-12L;

inline bool NearlyZero(Extended value, Extended scale) {
  return (value < 0 ? -value : value) <= kGeometryTolerance * scale;
}

struct Point2 {
  Extended x = 0;
  Extended y = 0;
};

inline Point2 operator+(Point2 a, Point2 b) {
  return {a.x + b.x, a.y + b.y};
}
inline Point2 operator-(Point2 a, Point2 b) {
  return {a.x - b.x, a.y - b.y};
}
inline Point2 operator*(Extended k, Point2 p) {
  return {k * p.x, k * p.y};
}
inline Extended Dot(Point2 a, Point2 b) {
  return a.x * b.x + a.y * b.y;
}
inline Extended Cross(Point2 a, Point2 b) {
  return a.x * b.y - a.y * b.x;
}
Extended Length(Point2 v);
Extended Distance(Point2 a, Point2 b);
// Whether two points coincide up to the rounding of their coordinates.
bool SamePoint(Point2 a, Point2 b);

Extended DegreesOf(Extended radians);
Extended RadiansOf(Extended degrees);
// The angle of the vector in degrees, 0 ≤ θ < 360 (0 for the zero vector).
Extended DirectionDegrees(Point2 v);
// The unit vector at an angle in degrees.
Point2 UnitAtDegrees(Extended degrees);

struct Polar {
  Extended r = 0;
  Extended degrees = 0;  // 0 ≤ θ < 360
};
Polar ToPolar(Point2 p);
Point2 FromPolar(Extended r, Extended degrees);

// The point P with AP = λ·PB; nullopt for λ = -1 (P would lie at infinity).
std::optional<Point2> DivisionPoint(Point2 a, Point2 b, Extended lambda);

// Ax + By + C = 0 with A and B not both 0, written with A > 0, or A = 0 and B > 0.
struct Line2 {
  Extended a = 0;
  Extended b = 0;
  Extended c = 0;
};

// nullopt when A and B are both 0.
std::optional<Line2> LineOfCoefficients(Extended a, Extended b, Extended c);
// nullopt when the points coincide.
std::optional<Line2> LineThrough(Point2 p, Point2 q);
Line2 LineOfPointSlope(Point2 p, Extended slope);
Line2 LineOfSlopeIntercept(Extended slope, Extended intercept);
// x/a + y/b = 1; nullopt when an intercept is 0.
std::optional<Line2> LineOfIntercepts(Extended a, Extended b);

bool IsVertical(const Line2& line);
bool IsHorizontal(const Line2& line);
bool PassesOrigin(const Line2& line);
// y = kx + b; nullopt for a vertical line.
std::optional<Extended> Slope(const Line2& line);
std::optional<Extended> YIntercept(const Line2& line);
// Where the line meets the x axis; nullopt for a horizontal line.
std::optional<Extended> XIntercept(const Line2& line);
// The inclination, 0 ≤ α < 180 degrees.
Extended InclinationDegrees(const Line2& line);
// A unit vector along the line (pointing to growing x, or up for a vertical line).
Point2 DirectionOf(const Line2& line);
// The point on the y axis, else the one on the x axis.
Point2 AnchorPoint(const Line2& line);
// The signed value Ax + By + C at a point.
Extended Side(const Line2& line, Point2 p);

enum class LineRelation { kIntersecting, kPerpendicular, kParallel, kCoincident };

struct LineMeeting {
  LineRelation relation = LineRelation::kIntersecting;
  Point2 point;  // for intersecting and perpendicular lines
};
LineMeeting IntersectLines(const Line2& l1, const Line2& l2);
// The angle between two lines, 0 ≤ θ ≤ 90 degrees.
Extended AngleBetweenLinesDegrees(const Line2& l1, const Line2& l2);

Extended PointLineDistance(Point2 p, const Line2& line);
Point2 FootOfPerpendicular(Point2 p, const Line2& line);
Point2 ReflectInLine(Point2 p, const Line2& line);
Line2 ParallelThrough(const Line2& line, Point2 p);
Line2 PerpendicularThrough(const Line2& line, Point2 p);

// A circle and a line: none, one touching point or two crossing points.
struct CircleLineMeeting {
  int count = 0;
  Point2 first;
  Point2 second;
  Extended centreDistance = 0;
};
CircleLineMeeting IntersectCircleLine(Point2 centre, Extended radius, const Line2& line);

}  // namespace zarnix
