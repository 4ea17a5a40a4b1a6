// Points and lines of the plane. Lines are kept in their general form; the constructors snap
// coefficients that cancelled down to rounding noise to exact zeros, so that a line through
// (0.3, 0) and (0.3, 1) is vertical and one through the origin has C = 0.
#include "geometry/plane_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "numeric/stats.h"

namespace zarnix {

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

Extended Abs(Extended x) {
  return std::fabs(x);
}

// The difference q - p, zero when it is rounding noise of the two values.
Extended SnappedDifference(Extended p, Extended q) {
  const Extended d = q - p;
  return NearlyZero(d, Abs(p) + Abs(q)) ? 0 : d;
}

// a·x + b·y + c = 0 with c chosen through the point, zero when it cancels.
Extended ConstantThrough(Extended a, Extended b, Point2 p) {
  const Extended c = -(a * p.x + b * p.y);
  return NearlyZero(c, Abs(a * p.x) + Abs(b * p.y)) ? 0 : c;
}

Line2 Normalized(Extended a, Extended b, Extended c) {
  if (a < 0 || (a == 0 && b < 0)) return {-a, -b, -c};
  return {a, b, c};
}

// An angle in degrees brought into [0, period).
Extended Reduced(Extended degrees, Extended period) {
  Extended r = std::fmod(degrees, period);
  if (r < 0) r += period;
  return r >= period ? 0 : r;
}

}  // namespace

Extended Length(Point2 v) {
  return PointDistance(0, 0, v.x, v.y);
}

Extended Distance(Point2 a, Point2 b) {
  return PointDistance(a.x, a.y, b.x, b.y);
}

bool SamePoint(Point2 a, Point2 b) {
  const Extended scale = std::max({Abs(a.x), Abs(a.y), Abs(b.x), Abs(b.y)});
  return NearlyZero(Distance(a, b), scale);
}

Extended DegreesOf(Extended radians) {
  return radians * (180 / kPi);
}

Extended RadiansOf(Extended degrees) {
  return degrees * (kPi / 180);
}

Extended DirectionDegrees(Point2 v) {
  if (v.x == 0 && v.y == 0) return 0;
  return Reduced(DegreesOf(std::atan2(v.y, v.x)), 360);
}

Point2 UnitAtDegrees(Extended degrees) {
  // Reducing first keeps the quarter turns exact: cos 90° is 0, not a rounding residue.
  const Extended d = Reduced(degrees, 360);
  if (d == 0) return {1, 0};
  if (d == 90) return {0, 1};
  if (d == 180) return {-1, 0};
  if (d == 270) return {0, -1};
  const Extended t = RadiansOf(d);
  return {std::cos(t), std::sin(t)};
}

Polar ToPolar(Point2 p) {
  return {Length(p), DirectionDegrees(p)};
}

Point2 FromPolar(Extended r, Extended degrees) {
  return r * UnitAtDegrees(degrees);
}

std::optional<Point2> DivisionPoint(Point2 a, Point2 b, Extended lambda) {
  if (lambda == -1) return std::nullopt;
  return (1 / (1 + lambda)) * (a + lambda * b);
}

// --- lines ---

std::optional<Line2> LineOfCoefficients(Extended a, Extended b, Extended c) {
  if (a == 0 && b == 0) return std::nullopt;
  return Normalized(a, b, c);
}

std::optional<Line2> LineThrough(Point2 p, Point2 q) {
  if (SamePoint(p, q)) return std::nullopt;
  const Extended a = SnappedDifference(p.y, q.y);
  const Extended b = -SnappedDifference(p.x, q.x);
  return Normalized(a, b, ConstantThrough(a, b, p));
}

Line2 LineOfPointSlope(Point2 p, Extended slope) {
  return Normalized(slope, -1, ConstantThrough(slope, -1, p));
}

Line2 LineOfSlopeIntercept(Extended slope, Extended intercept) {
  return Normalized(slope, -1, intercept);
}

std::optional<Line2> LineOfIntercepts(Extended a, Extended b) {
  if (a == 0 || b == 0) return std::nullopt;
  // b·x + a·y = a·b keeps whole intercepts whole.
  return Normalized(b, a, -a * b);
}

bool IsVertical(const Line2& line) {
  return line.b == 0;
}

bool IsHorizontal(const Line2& line) {
  return line.a == 0;
}

bool PassesOrigin(const Line2& line) {
  return line.c == 0;
}

std::optional<Extended> Slope(const Line2& line) {
  if (IsVertical(line)) return std::nullopt;
  return -line.a / line.b;
}

std::optional<Extended> YIntercept(const Line2& line) {
  if (IsVertical(line)) return std::nullopt;
  return -line.c / line.b;
}

std::optional<Extended> XIntercept(const Line2& line) {
  if (IsHorizontal(line)) return std::nullopt;
  return -line.c / line.a;
}

Extended InclinationDegrees(const Line2& line) {
  return Reduced(DegreesOf(std::atan2(line.a, -line.b)), 180);
}

Point2 DirectionOf(const Line2& line) {
  Point2 d{-line.b, line.a};
  if (d.x < 0 || (d.x == 0 && d.y < 0)) d = {-d.x, -d.y};
  return (1 / Length(d)) * d;
}

Point2 AnchorPoint(const Line2& line) {
  if (!IsVertical(line)) return {0, -line.c / line.b};
  return {-line.c / line.a, 0};
}

Extended Side(const Line2& line, Point2 p) {
  return line.a * p.x + line.b * p.y + line.c;
}

LineMeeting IntersectLines(const Line2& l1, const Line2& l2) {
  const Extended det = l1.a * l2.b - l2.a * l1.b;
  if (NearlyZero(det, Abs(l1.a * l2.b) + Abs(l2.a * l1.b))) {
    const bool sameA = NearlyZero(l1.a * l2.c - l2.a * l1.c, Abs(l1.a * l2.c) + Abs(l2.a * l1.c));
    const bool sameB = NearlyZero(l1.b * l2.c - l2.b * l1.c, Abs(l1.b * l2.c) + Abs(l2.b * l1.c));
    return {sameA && sameB ? LineRelation::kCoincident : LineRelation::kParallel, {}};
  }
  const Point2 point{(l1.b * l2.c - l2.b * l1.c) / det, (l2.a * l1.c - l1.a * l2.c) / det};
  const Extended dot = l1.a * l2.a + l1.b * l2.b;
  const bool right = NearlyZero(dot, Abs(l1.a * l2.a) + Abs(l1.b * l2.b));
  return {right ? LineRelation::kPerpendicular : LineRelation::kIntersecting, point};
}

Extended AngleBetweenLinesDegrees(const Line2& l1, const Line2& l2) {
  const Extended cross = l1.a * l2.b - l2.a * l1.b;
  const Extended dot = l1.a * l2.a + l1.b * l2.b;
  return DegreesOf(std::atan2(Abs(cross), Abs(dot)));
}

Extended PointLineDistance(Point2 p, const Line2& line) {
  return Abs(Side(line, p)) / Length({line.a, line.b});
}

Point2 FootOfPerpendicular(Point2 p, const Line2& line) {
  const Extended k = Side(line, p) / (line.a * line.a + line.b * line.b);
  return p - k * Point2{line.a, line.b};
}

Point2 ReflectInLine(Point2 p, const Line2& line) {
  return 2 * FootOfPerpendicular(p, line) - p;
}

Line2 ParallelThrough(const Line2& line, Point2 p) {
  return Normalized(line.a, line.b, ConstantThrough(line.a, line.b, p));
}

Line2 PerpendicularThrough(const Line2& line, Point2 p) {
  return Normalized(line.b, -line.a, ConstantThrough(line.b, -line.a, p));
}

CircleLineMeeting IntersectCircleLine(Point2 centre, Extended radius, const Line2& line) {
  CircleLineMeeting meeting;
  meeting.centreDistance = PointLineDistance(centre, line);
  const Extended d = meeting.centreDistance;
  const Point2 foot = FootOfPerpendicular(centre, line);
  if (NearlyZero(d - radius, radius)) {
    meeting.count = 1;
    meeting.first = meeting.second = foot;
  } else if (d < radius) {
    const Extended h = std::sqrt((radius - d) * (radius + d));
    const Point2 along = DirectionOf(line);
    meeting.count = 2;
    meeting.first = foot - h * along;
    meeting.second = foot + h * along;
  }
  return meeting;
}

}  // namespace zarnix
