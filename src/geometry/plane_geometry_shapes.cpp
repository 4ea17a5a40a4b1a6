// Triangles, circles and polygons. Orientation tests treat a cross product that is rounding
// noise of its sides as zero, so typed collinear points count as collinear.
#include "geometry/plane_geometry_shapes.h"

#include <algorithm>
#include <cmath>

namespace zarnix {

namespace {

// -1, 0 or 1: on which side of a→b the point c lies.
int Orientation(Point2 a, Point2 b, Point2 c) {
  const Point2 u = b - a;
  const Point2 v = c - a;
  const Extended cross = Cross(u, v);
  if (NearlyZero(cross, Length(u) * Length(v))) return 0;
  return cross > 0 ? 1 : -1;
}

// For p on the line through a and b: whether it lies between them.
bool WithinSegment(Point2 p, Point2 a, Point2 b) {
  const Point2 ab = b - a;
  const Extended slack = -kGeometryTolerance * Dot(ab, ab);
  return Dot(p - a, ab) >= slack && Dot(p - b, a - b) >= slack;
}

bool OnSegment(Point2 p, Point2 a, Point2 b) {
  return Orientation(a, b, p) == 0 && WithinSegment(p, a, b);
}

bool SegmentsMeet(Point2 p1, Point2 p2, Point2 q1, Point2 q2) {
  const int o1 = Orientation(p1, p2, q1);
  const int o2 = Orientation(p1, p2, q2);
  const int o3 = Orientation(q1, q2, p1);
  const int o4 = Orientation(q1, q2, p2);
  if (o1 * o2 < 0 && o3 * o4 < 0) return true;
  return (o1 == 0 && WithinSegment(q1, p1, p2)) || (o2 == 0 && WithinSegment(q2, p1, p2)) ||
         (o3 == 0 && WithinSegment(p1, q1, q2)) || (o4 == 0 && WithinSegment(p2, q1, q2));
}

std::size_t Next(std::size_t i, std::size_t n) {
  return i + 1 == n ? 0 : i + 1;
}

std::size_t Previous(std::size_t i, std::size_t n) {
  return i == 0 ? n - 1 : i - 1;
}

// The offset of the circumcentre from a, for a triangle that is not degenerate.
Point2 CircumcentreOffset(Point2 a, Point2 b, Point2 c) {
  const Point2 u = b - a;
  const Point2 v = c - a;
  const Extended d = 2 * Cross(u, v);
  const Extended uu = Dot(u, u);
  const Extended vv = Dot(v, v);
  return {(v.y * uu - u.y * vv) / d, (u.x * vv - v.x * uu) / d};
}

// The angle at vertex p between the rays to q and r, in degrees.
Extended AngleAt(Point2 p, Point2 q, Point2 r) {
  const Point2 u = q - p;
  const Point2 v = r - p;
  return DegreesOf(std::atan2(std::fabs(Cross(u, v)), Dot(u, v)));
}

}  // namespace

bool Collinear(Point2 a, Point2 b, Point2 c) {
  if (SamePoint(a, b) || SamePoint(b, c) || SamePoint(a, c)) return true;
  return Orientation(a, b, c) == 0;
}

std::optional<Circle> CircleThrough(Point2 a, Point2 b, Point2 c) {
  if (Collinear(a, b, c)) return std::nullopt;
  const Point2 offset = CircumcentreOffset(a, b, c);
  return Circle{a + offset, Length(offset)};
}

CircleEquation EquationOf(const Circle& circle) {
  const Point2 o = circle.centre;
  const Extended square = o.x * o.x + o.y * o.y;
  const Extended rr = circle.radius * circle.radius;
  const Extended f = square - rr;
  return {-2 * o.x, -2 * o.y, NearlyZero(f, square + rr) ? 0 : f};
}

CircleOfEquation CircleFromEquation(const CircleEquation& eq) {
  CircleOfEquation result;
  result.circle.centre = {-eq.d / 2, -eq.e / 2};
  const Extended square = (eq.d * eq.d + eq.e * eq.e) / 4;
  const Extended rr = square - eq.f;
  if (NearlyZero(rr, square + std::fabs(eq.f))) {
    result.kind = CircleEquationKind::kPoint;
  } else if (rr < 0) {
    result.kind = CircleEquationKind::kImaginary;
  } else {
    result.circle.radius = std::sqrt(rr);
  }
  return result;
}

std::optional<TriangleFacts> AnalyseTriangle(Point2 a, Point2 b, Point2 c) {
  if (Collinear(a, b, c)) return std::nullopt;
  TriangleFacts t;
  t.sides = {Distance(b, c), Distance(c, a), Distance(a, b)};
  t.angles = {AngleAt(a, b, c), AngleAt(b, c, a), AngleAt(c, a, b)};
  const Extended twiceArea = std::fabs(Cross(b - a, c - a));
  t.area = twiceArea / 2;
  t.perimeter = t.sides[0] + t.sides[1] + t.sides[2];
  t.centroid = (1 / 3.0L) * (a + b + c);
  t.incircle.centre = (1 / t.perimeter) * (t.sides[0] * a + t.sides[1] * b + t.sides[2] * c);
  t.incircle.radius = twiceArea / t.perimeter;
  const Point2 offset = CircumcentreOffset(a, b, c);
  t.circumcircle = {a + offset, Length(offset)};
  // On the Euler line: H - O = 3 (G - O), i.e. H = A + B + C - 2 O.
  t.orthocentre = a + b + c - 2 * t.circumcircle.centre;
  return t;
}

// --- polygons ---

Extended SignedArea(std::span<const Point2> v) {
  Extended twice = 0;
  for (std::size_t i = 1; i + 1 < v.size(); ++i) twice += Cross(v[i] - v[0], v[i + 1] - v[0]);
  return twice / 2;
}

std::vector<Extended> SideLengths(std::span<const Point2> v) {
  std::vector<Extended> sides;
  for (std::size_t i = 0; i < v.size(); ++i) sides.push_back(Distance(v[i], v[Next(i, v.size())]));
  return sides;
}

Extended Perimeter(std::span<const Point2> v) {
  Extended sum = 0;
  for (Extended side : SideLengths(v)) sum += side;
  return sum;
}

std::vector<Extended> InteriorAngles(std::span<const Point2> v) {
  const Extended turning = SignedArea(v) < 0 ? -1 : 1;
  std::vector<Extended> angles;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point2 in = v[i] - v[Previous(i, v.size())];
    const Point2 out = v[Next(i, v.size())] - v[i];
    angles.push_back(180 - turning * DegreesOf(std::atan2(Cross(in, out), Dot(in, out))));
  }
  return angles;
}

Point2 PolygonCentroid(std::span<const Point2> v) {
  Point2 sum;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point2 p = v[i] - v[0];
    const Point2 q = v[Next(i, v.size())] - v[0];
    sum = sum + Cross(p, q) * (p + q);
  }
  return v[0] + (1 / (6 * SignedArea(v))) * sum;
}

bool IsSimplePolygon(std::span<const Point2> v) {
  const std::size_t n = v.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Point2 in = v[i] - v[Previous(i, n)];
    const Point2 out = v[Next(i, n)] - v[i];
    if (Orientation(v[Previous(i, n)], v[i], v[Next(i, n)]) == 0 && Dot(in, out) < 0) return false;
    for (std::size_t j = i + 2; j < n; ++j) {
      if (i == 0 && j == n - 1) continue;  // neighbours through the closing side
      if (SegmentsMeet(v[i], v[Next(i, n)], v[j], v[Next(j, n)])) return false;
    }
  }
  return true;
}

bool IsConvexPolygon(std::span<const Point2> v) {
  const std::size_t n = v.size();
  int turn = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const int o = Orientation(v[Previous(i, n)], v[i], v[Next(i, n)]);
    if (o == 0) continue;
    if (turn != 0 && o != turn) return false;
    turn = o;
  }
  return true;
}

bool AllCollinear(std::span<const Point2> v) {
  std::size_t far = 0;
  for (std::size_t i = 1; i < v.size(); ++i)
    if (Distance(v[0], v[i]) > Distance(v[0], v[far])) far = i;
  if (far == 0 || SamePoint(v[0], v[far])) return true;
  for (const Point2& p : v)
    if (Orientation(v[0], v[far], p) != 0) return false;
  return true;
}

PointPlace LocatePoint(std::span<const Point2> v, Point2 p) {
  const std::size_t n = v.size();
  for (std::size_t i = 0; i < n; ++i)
    if (OnSegment(p, v[i], v[Next(i, n)])) return PointPlace::kOnEdge;
  bool inside = false;
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const Point2 a = v[i];
    const Point2 b = v[j];
    if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
      inside = !inside;
  }
  return inside ? PointPlace::kInside : PointPlace::kOutside;
}

Box BoundingBox(std::span<const Point2> points) {
  Box box{points[0].x, points[0].y, points[0].x, points[0].y};
  for (const Point2& p : points) {
    box.xmin = std::min(box.xmin, p.x);
    box.ymin = std::min(box.ymin, p.y);
    box.xmax = std::max(box.xmax, p.x);
    box.ymax = std::max(box.ymax, p.y);
  }
  return box;
}

}  // namespace zarnix
