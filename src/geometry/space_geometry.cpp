// Points, lines and planes of space. As in the plane, coefficients that cancel down to rounding
// noise are snapped to exact zeros, so a plane through typed points on z = 0 has A = B = 0.
#include "geometry/space_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zarnix {

namespace {

constexpr Extended kTurn = 2 * std::numbers::pi_v<Extended>;

Extended Azimuth(Extended x, Extended y) {
  if (x == 0 && y == 0) return 0;
  Extended phi = std::atan2(y, x);
  if (phi < 0) phi += kTurn;
  return phi >= kTurn ? 0 : phi;
}

Extended MaxAbs(Vec3 v) {
  return std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
}

// The sum |n.x·p.x| + |n.y·p.y| + |n.z·p.z|: the size of the terms of n·p.
Extended TermScale(Vec3 n, Vec3 p) {
  return std::fabs(n.x * p.x) + std::fabs(n.y * p.y) + std::fabs(n.z * p.z);
}

Plane Normalized(Vec3 n, Extended d) {
  const Extended first = n.x != 0 ? n.x : (n.y != 0 ? n.y : n.z);
  if (first < 0) return {-1 * n, -d};
  return {n, d};
}

Extended SnappedConstant(Vec3 n, Vec3 p) {
  const Extended d = -Dot(n, p);
  return NearlyZero(d, TermScale(n, p)) ? 0 : d;
}

Extended Snapped(Extended value, Extended scale) {
  return NearlyZero(value, scale) ? 0 : value;
}

}  // namespace

Extended Length(Vec3 v) {
  return std::hypot(v.x, v.y, v.z);
}

Extended Distance(Vec3 a, Vec3 b) {
  return Length(b - a);
}

bool SamePoint(Vec3 a, Vec3 b) {
  return NearlyZero(Distance(a, b), std::max(MaxAbs(a), MaxAbs(b)));
}

bool IsZeroVector(Vec3 v) {
  return v.x == 0 && v.y == 0 && v.z == 0;
}

bool Parallel(Vec3 u, Vec3 v) {
  return NearlyZero(Length(Cross(u, v)), Length(u) * Length(v));
}

Cylindrical ToCylindrical(Vec3 p) {
  return {std::hypot(p.x, p.y), Azimuth(p.x, p.y), p.z};
}

Vec3 FromCylindrical(const Cylindrical& c) {
  return {c.rho * std::cos(c.phi), c.rho * std::sin(c.phi), c.z};
}

Spherical ToSpherical(Vec3 p) {
  return {Length(p), std::atan2(std::hypot(p.x, p.y), p.z), Azimuth(p.x, p.y)};
}

Vec3 FromSpherical(const Spherical& s) {
  const Extended across = s.r * std::sin(s.theta);
  return {across * std::cos(s.phi), across * std::sin(s.phi), s.r * std::cos(s.theta)};
}

std::optional<Vec3> DivisionPoint(Vec3 a, Vec3 b, Extended lambda) {
  if (lambda == -1) return std::nullopt;
  return (1 / (1 + lambda)) * (a + lambda * b);
}

Vec3 DirectionCosines(Vec3 v) {
  return (1 / Length(v)) * v;
}

Vec3 FootOnLine(Vec3 p, const Line3& line) {
  const Vec3 s = line.direction;
  return line.point + (Dot(p - line.point, s) / Dot(s, s)) * s;
}

Extended PointLineDistance(Vec3 p, const Line3& line) {
  return Length(Cross(p - line.point, line.direction)) / Length(line.direction);
}

std::optional<Plane> PlaneOfCoefficients(Extended a, Extended b, Extended c, Extended d) {
  if (a == 0 && b == 0 && c == 0) return std::nullopt;
  return Normalized({a, b, c}, d);
}

std::optional<Plane> PlaneOfPointNormal(Vec3 p, Vec3 normal) {
  if (IsZeroVector(normal)) return std::nullopt;
  return Normalized(normal, SnappedConstant(normal, p));
}

std::optional<Plane> PlaneThrough(Vec3 a, Vec3 b, Vec3 c) {
  if (SamePoint(a, b) || SamePoint(b, c) || SamePoint(a, c)) return std::nullopt;
  const Vec3 u = b - a;
  const Vec3 v = c - a;
  Vec3 n = Cross(u, v);
  const Extended size = Length(n);
  if (NearlyZero(size, Length(u) * Length(v))) return std::nullopt;
  n = {Snapped(n.x, size), Snapped(n.y, size), Snapped(n.z, size)};
  return Normalized(n, SnappedConstant(n, a));
}

std::optional<Plane> PlaneOfIntercepts(Extended a, Extended b, Extended c) {
  if (a == 0 || b == 0 || c == 0) return std::nullopt;
  // bc·x + ac·y + ab·z = abc keeps whole intercepts whole.
  return Normalized({b * c, a * c, a * b}, -a * b * c);
}

Extended Side(const Plane& plane, Vec3 p) {
  return Dot(plane.normal, p) + plane.d;
}

Extended PointPlaneDistance(Vec3 p, const Plane& plane) {
  return std::fabs(Side(plane, p)) / Length(plane.normal);
}

Vec3 FootOnPlane(Vec3 p, const Plane& plane) {
  const Vec3 n = plane.normal;
  return p - (Side(plane, p) / Dot(n, n)) * n;
}

Vec3 PlanePointNearestOrigin(const Plane& plane) {
  const Vec3 n = plane.normal;
  return (-plane.d / Dot(n, n)) * n;
}

bool OnPlane(Vec3 p, const Plane& plane) {
  return NearlyZero(Side(plane, p), TermScale(plane.normal, p) + std::fabs(plane.d));
}

PlanesMeeting IntersectPlanes(const Plane& p1, const Plane& p2) {
  const Vec3 n1 = p1.normal;
  const Vec3 n2 = p2.normal;
  if (Parallel(n1, n2)) {
    const bool same = OnPlane(PlanePointNearestOrigin(p1), p2);
    return {same ? PlanesRelation::kCoincident : PlanesRelation::kParallel, {}};
  }
  const Vec3 s = Cross(n1, n2);
  // The point on both planes with s·p = 0.
  const Vec3 point = (1 / Dot(s, s)) * (-p1.d * Cross(n2, s) + -p2.d * Cross(s, n1));
  return {PlanesRelation::kIntersecting, {point, s}};
}

LinePlaneMeeting IntersectLinePlane(const Line3& line, const Plane& plane) {
  const Vec3 n = plane.normal;
  const Vec3 s = line.direction;
  const Extended across = Dot(n, s);
  if (NearlyZero(across, Length(n) * Length(s))) {
    const bool inside = OnPlane(line.point, plane);
    return {inside ? LinePlaneRelation::kInPlane : LinePlaneRelation::kParallel, {}};
  }
  const Extended t = -Side(plane, line.point) / across;
  return {LinePlaneRelation::kIntersecting, line.point + t * s};
}

Extended AngleBetweenLines(Vec3 u, Vec3 v) {
  return std::atan2(Length(Cross(u, v)), std::fabs(Dot(u, v)));
}

Extended AngleLinePlane(Vec3 direction, Vec3 normal) {
  return std::atan2(std::fabs(Dot(direction, normal)), Length(Cross(direction, normal)));
}

LinesNearness NearestPoints(const Line3& l1, const Line3& l2) {
  const Vec3 s1 = l1.direction;
  const Vec3 s2 = l2.direction;
  const Vec3 w = l2.point - l1.point;
  LinesNearness result;
  if (Parallel(s1, s2)) {
    result.foot1 = l1.point;
    result.foot2 = FootOnLine(l1.point, l2);
    result.distance = Distance(result.foot1, result.foot2);
    result.direction = result.foot2 - result.foot1;
    const bool same = SamePoint(result.foot1, result.foot2);
    result.relation = same ? LinesRelation::kCoincident : LinesRelation::kParallel;
    return result;
  }
  const Vec3 n = Cross(s1, s2);
  const Extended nn = Dot(n, n);
  const Extended b = Dot(s1, s2);
  const Extended d = Dot(s1, w);
  const Extended e = Dot(s2, w);
  const Extended t1 = (d * Dot(s2, s2) - b * e) / nn;
  const Extended t2 = (b * d - Dot(s1, s1) * e) / nn;
  result.foot1 = l1.point + t1 * s1;
  result.foot2 = l2.point + t2 * s2;
  result.distance = std::fabs(Dot(w, n)) / std::sqrt(nn);
  result.direction = n;
  const bool meet = SamePoint(result.foot1, result.foot2);
  result.relation = meet ? LinesRelation::kIntersecting : LinesRelation::kSkew;
  return result;
}

Extended TetrahedronSixVolume(Vec3 a, Vec3 b, Vec3 c, Vec3 d) {
  return Dot(b - a, Cross(c - a, d - a));
}

Extended TriangleArea(Vec3 a, Vec3 b, Vec3 c) {
  return Length(Cross(b - a, c - a)) / 2;
}

}  // namespace zarnix
