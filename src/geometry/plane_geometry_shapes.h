// Triangles with their centres, circles (through three points and from their equations) and
// polygons: sides, angles, shoelace area, centroid, convexity, the point test and the
// enclosing axis-aligned rectangle.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <vector>

#include "geometry/plane_geometry.h"

namespace zarnix {

// Whether three points lie on one line (coincident points included).
bool Collinear(Point2 a, Point2 b, Point2 c);

struct Circle {
  Point2 centre;
  Extended radius = 0;
};

// The circle through three points; nullopt when they are collinear.
std::optional<Circle> CircleThrough(Point2 a, Point2 b, Point2 c);

// x² + y² + Dx + Ey + F = 0.
struct CircleEquation {
  Extended d = 0;
  Extended e = 0;
  Extended f = 0;
};
CircleEquation EquationOf(const Circle& circle);

enum class CircleEquationKind { kCircle, kPoint, kImaginary };
struct CircleOfEquation {
  CircleEquationKind kind = CircleEquationKind::kCircle;
  Circle circle;  // the centre is set for every kind, the radius for a real circle
};
CircleOfEquation CircleFromEquation(const CircleEquation& equation);

// Sides a = BC, b = CA, c = AB; angles at A, B, C in degrees.
struct TriangleFacts {
  std::array<Extended, 3> sides{};
  std::array<Extended, 3> angles{};
  Extended area = 0;
  Extended perimeter = 0;
  Point2 centroid;
  Circle incircle;
  Circle circumcircle;
  Point2 orthocentre;
};
// nullopt when the vertices are collinear.
std::optional<TriangleFacts> AnalyseTriangle(Point2 a, Point2 b, Point2 c);

// --- polygons, vertices in order, the last one joined to the first ---

// Twice the signed area would lose digits far from the origin: the shoelace sum is taken
// about the first vertex. Positive for counter-clockwise vertices.
Extended SignedArea(std::span<const Point2> vertices);
// Side i runs from vertex i to vertex i + 1.
std::vector<Extended> SideLengths(std::span<const Point2> vertices);
Extended Perimeter(std::span<const Point2> vertices);
// Interior angles in degrees of a simple polygon (reflex angles above 180).
std::vector<Extended> InteriorAngles(std::span<const Point2> vertices);
// The centroid of the enclosed area; the signed area must not be 0.
Point2 PolygonCentroid(std::span<const Point2> vertices);
// No two sides meet except neighbours at their common vertex, and no side folds back.
bool IsSimplePolygon(std::span<const Point2> vertices);
// For a simple polygon: every corner turns the same way (straight corners allowed).
bool IsConvexPolygon(std::span<const Point2> vertices);
// Whether every vertex lies on one line.
bool AllCollinear(std::span<const Point2> vertices);

enum class PointPlace { kInside, kOutside, kOnEdge };
// The even-odd rule, with points on a side (or a vertex) reported as such.
PointPlace LocatePoint(std::span<const Point2> vertices, Point2 p);

struct Box {
  Extended xmin = 0;
  Extended ymin = 0;
  Extended xmax = 0;
  Extended ymax = 0;
};
// The smallest axis-aligned rectangle holding the points; they must not be empty.
Box BoundingBox(std::span<const Point2> points);

}  // namespace zarnix
