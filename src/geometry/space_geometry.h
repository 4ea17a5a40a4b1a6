// Points, lines and planes of space: rectangular, cylindrical and spherical coordinates
// (angles in radians), distances, division points, perpendicular feet, planes in their forms,
// intersections, angles, skew lines and tetrahedra. Degenerate input comes back as nullopt or a
// relation, never as a fault.
#pragma once

#include <optional>

#include "base/extended.h"
#include "geometry/plane_geometry.h"

namespace zarnix {

struct Vec3 {
  Extended x = 0;
  Extended y = 0;
  Extended z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Extended k, Vec3 v) {
  return {k * v.x, k * v.y, k * v.z};
}
inline Extended Dot(Vec3 a, Vec3 b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Extended Length(Vec3 v);
Extended Distance(Vec3 a, Vec3 b);
bool SamePoint(Vec3 a, Vec3 b);
bool IsZeroVector(Vec3 v);
// Whether two non-zero vectors are parallel (or opposite) up to rounding.
bool Parallel(Vec3 u, Vec3 v);

// --- coordinates ---

// ρ = distance from the z axis, φ = azimuth in [0, 2π).
struct Cylindrical {
  Extended rho = 0;
  Extended phi = 0;
  Extended z = 0;
};
// r = distance from the origin, θ = angle from the +z axis in [0, π], φ = azimuth in [0, 2π).
struct Spherical {
  Extended r = 0;
  Extended theta = 0;
  Extended phi = 0;
};
Cylindrical ToCylindrical(Vec3 p);
Vec3 FromCylindrical(const Cylindrical& c);
Spherical ToSpherical(Vec3 p);
Vec3 FromSpherical(const Spherical& s);

// The point P with AP = λ·PB; nullopt for λ = -1.
std::optional<Vec3> DivisionPoint(Vec3 a, Vec3 b, Extended lambda);
// cos α, cos β, cos γ of a non-zero vector.
Vec3 DirectionCosines(Vec3 v);

// --- lines: a point and a non-zero direction ---

struct Line3 {
  Vec3 point;
  Vec3 direction;
};
Vec3 FootOnLine(Vec3 p, const Line3& line);
Extended PointLineDistance(Vec3 p, const Line3& line);

// --- planes: n·x + d = 0 with n ≠ 0, written with the first non-zero component of n positive ---

struct Plane {
  Vec3 normal;
  Extended d = 0;
};
// nullopt when the normal is zero.
std::optional<Plane> PlaneOfCoefficients(Extended a, Extended b, Extended c, Extended d);
std::optional<Plane> PlaneOfPointNormal(Vec3 p, Vec3 normal);
// nullopt when the points are collinear.
std::optional<Plane> PlaneThrough(Vec3 a, Vec3 b, Vec3 c);
// x/a + y/b + z/c = 1; nullopt when an intercept is 0.
std::optional<Plane> PlaneOfIntercepts(Extended a, Extended b, Extended c);
// The signed value n·p + d.
Extended Side(const Plane& plane, Vec3 p);
Extended PointPlaneDistance(Vec3 p, const Plane& plane);
Vec3 FootOnPlane(Vec3 p, const Plane& plane);
// The point of the plane nearest the origin.
Vec3 PlanePointNearestOrigin(const Plane& plane);
// Whether point p lies on the plane up to rounding.
bool OnPlane(Vec3 p, const Plane& plane);

enum class PlanesRelation { kIntersecting, kParallel, kCoincident };
struct PlanesMeeting {
  PlanesRelation relation = PlanesRelation::kIntersecting;
  Line3 line;  // for intersecting planes: direction n1 × n2 through the point nearest the origin
};
PlanesMeeting IntersectPlanes(const Plane& p1, const Plane& p2);

enum class LinePlaneRelation { kIntersecting, kParallel, kInPlane };
struct LinePlaneMeeting {
  LinePlaneRelation relation = LinePlaneRelation::kIntersecting;
  Vec3 point;
};
LinePlaneMeeting IntersectLinePlane(const Line3& line, const Plane& plane);

// Angles in radians in [0, π/2]: between two directions (lines or normals), and between a
// line's direction and a plane's normal taken as the line's angle with the plane.
Extended AngleBetweenLines(Vec3 u, Vec3 v);
Extended AngleLinePlane(Vec3 direction, Vec3 normal);

enum class LinesRelation { kSkew, kIntersecting, kParallel, kCoincident };
struct LinesNearness {
  LinesRelation relation = LinesRelation::kSkew;
  Extended distance = 0;
  Vec3 foot1;      // on the first line (skew and intersecting lines)
  Vec3 foot2;      // on the second line
  Vec3 direction;  // of the common perpendicular (not for coincident lines)
};
LinesNearness NearestPoints(const Line3& l1, const Line3& l2);

// Six times the signed volume of the tetrahedron ABCD.
Extended TetrahedronSixVolume(Vec3 a, Vec3 b, Vec3 c, Vec3 d);
Extended TriangleArea(Vec3 a, Vec3 b, Vec3 c);

}  // namespace zarnix
