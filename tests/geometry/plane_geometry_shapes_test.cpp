// Triangles, circles and polygons against independent computations: Heron's formula and the
// law of cosines, centres as intersections of medians and altitudes, shoelace areas against
// triangulations, the even-odd point test against a winding-number count, convexity against
// the every-edge-sees-all-vertices test.
#include "geometry/plane_geometry_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "geometry_checks.h"

namespace zarnix {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

Extended Heron(Point2 a, Point2 b, Point2 c) {
  const Extended x = Distance(b, c);
  const Extended y = Distance(c, a);
  const Extended z = Distance(a, b);
  const Extended s = (x + y + z) / 2;
  return std::sqrt(std::fmax(s * (s - x) * (s - y) * (s - z), 0));
}

// The angle opposite side a by the law of cosines, in degrees.
Extended CosineRuleAngle(Extended a, Extended b, Extended c) {
  return std::acos((b * b + c * c - a * a) / (2 * b * c)) * 180 / kPi;
}

TEST(Triangles, FactsAgainstClassicalConstructions) {
  RandomGeometry random(21);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 a = random.Point();
    const Point2 b = random.Point();
    const Point2 c = random.Point();
    const auto t = AnalyseTriangle(a, b, c);
    ASSERT_TRUE(t);
    const Extended sa = Distance(b, c);
    const Extended sb = Distance(c, a);
    const Extended sc = Distance(a, b);
    // Thin triangles lose digits in Heron's formula, not in the cross product.
    EXPECT_TRUE(Close(t->area, Heron(a, b, c), 1e-8L));
    EXPECT_TRUE(Close(t->angles[0], CosineRuleAngle(sa, sb, sc), 1e-6L));
    EXPECT_TRUE(Close(t->angles[1], CosineRuleAngle(sb, sc, sa), 1e-6L));
    EXPECT_TRUE(Close(t->angles[0] + t->angles[1] + t->angles[2], 180, 1e-15L));
    EXPECT_TRUE(Close(t->perimeter, sa + sb + sc));
    const Circle& o = t->circumcircle;
    for (const Point2& p : {a, b, c}) EXPECT_TRUE(Close(Distance(o.centre, p), o.radius, 1e-9L));
    EXPECT_TRUE(Close(o.radius, sa * sb * sc / (4 * t->area), 1e-9L));
    const Circle& in = t->incircle;
    for (const auto& side : {LineThrough(b, c), LineThrough(c, a), LineThrough(a, b)})
      EXPECT_TRUE(Close(PointLineDistance(in.centre, *side), in.radius, 1e-9L));
    // The medians meet in the centroid, the altitudes in the orthocentre.
    const LineMeeting g =
        IntersectLines(*LineThrough(a, 0.5L * (b + c)), *LineThrough(b, 0.5L * (c + a)));
    EXPECT_TRUE(Close(t->centroid, g.point, 1e-8L));
    const LineMeeting h = IntersectLines(PerpendicularThrough(*LineThrough(b, c), a),
                                         PerpendicularThrough(*LineThrough(c, a), b));
    EXPECT_TRUE(Close(t->orthocentre, h.point, 1e-7L));
  }
}

TEST(Triangles, CollinearAndCoincidentVertices) {
  EXPECT_FALSE(AnalyseTriangle({0, 0}, {1, 1}, {2, 2}));
  EXPECT_FALSE(AnalyseTriangle({0.1L, 0.1L}, {0.2L, 0.2L}, {0.3L, 0.3L}));
  EXPECT_FALSE(AnalyseTriangle({1, 1}, {1, 1}, {2, 3}));
  EXPECT_FALSE(CircleThrough({0, 0}, {0.5L, 1.5L}, {1.1L, 3.3L}));
  const auto right = AnalyseTriangle({0, 0}, {4, 0}, {0, 3});
  ASSERT_TRUE(right);
  EXPECT_TRUE(Close(right->orthocentre, {0, 0}));
  EXPECT_TRUE(Close(right->incircle.centre, {1, 1}));
  EXPECT_TRUE(Close(right->circumcircle.centre, {2, 1.5L}));
}

TEST(Circles, ThroughThreePointsAndBackFromTheEquation) {
  RandomGeometry random(22);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 p[] = {random.Point(), random.Point(), random.Point()};
    const auto circle = CircleThrough(p[0], p[1], p[2]);
    ASSERT_TRUE(circle);
    const CircleEquation eq = EquationOf(*circle);
    for (const Point2& q : p) {
      const Extended value = q.x * q.x + q.y * q.y + eq.d * q.x + eq.e * q.y + eq.f;
      EXPECT_TRUE(Close(value / (circle->radius * circle->radius + 1), 0, 1e-9L));
    }
    const CircleOfEquation back = CircleFromEquation(eq);
    EXPECT_EQ(back.kind, CircleEquationKind::kCircle);
    EXPECT_TRUE(Close(back.circle.centre, circle->centre, 1e-12L));
    EXPECT_TRUE(Close(back.circle.radius, circle->radius, 1e-9L));
  }
  EXPECT_EQ(CircleFromEquation({-2, -2, 2}).kind, CircleEquationKind::kPoint);
  EXPECT_EQ(CircleFromEquation({-2, -2, 5}).kind, CircleEquationKind::kImaginary);
  EXPECT_EQ(EquationOf({{3, 4}, 5}).f, 0);  // a circle through the origin
}

// A star-shaped polygon about c: vertices at increasing angles, no gap of half a turn.
std::vector<Point2> StarPolygon(RandomGeometry& random, Point2 c, int n, bool convex) {
  std::vector<Extended> steps;
  Extended total = 0;
  for (int i = 0; i < n; ++i) total += steps.emplace_back(random.Real(0.6L, 1));
  std::vector<Point2> v;
  Extended angle = random.Real(0, 2 * kPi);
  const Extended r = random.Real(1, 5);
  for (int i = 0; i < n; ++i) {
    angle += steps[i] / total * 2 * kPi;
    const Extended radius = convex ? r : random.Real(1, 5);
    v.push_back(c + radius * Point2{std::cos(angle), std::sin(angle)});
  }
  return v;
}

// The winding number about p: the turning of the direction to p around the boundary.
int WindingNumber(const std::vector<Point2>& v, Point2 p) {
  Extended turn = 0;
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point2 a = v[i] - p;
    const Point2 b = v[(i + 1) % v.size()] - p;
    turn += std::atan2(Cross(a, b), Dot(a, b));
  }
  return static_cast<int>(std::lround(turn / (2 * kPi)));
}

// Convex when, for every side, no vertex lies strictly on its right (for counter-clockwise
// order).
bool EverySideSeesAll(const std::vector<Point2>& v) {
  for (std::size_t i = 0; i < v.size(); ++i) {
    const Point2 a = v[i];
    const Point2 b = v[(i + 1) % v.size()];
    for (const Point2& p : v)
      if (Cross(b - a, p - a) < -1e-12L * Distance(a, b) * (Distance(a, p) + 1)) return false;
  }
  return true;
}

TEST(Polygons, StarPolygonsAgainstTriangulationAndWindingNumbers) {
  RandomGeometry random(23);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 c = random.Point();
    const int n = random.Int(3, 12);
    const std::vector<Point2> v = StarPolygon(random, c, n, k % 4 == 0);
    Extended area = 0;
    Point2 moment;
    for (int i = 0; i < n; ++i) {
      const Extended part = Heron(c, v[i], v[(i + 1) % n]);
      area += part;
      moment = moment + (part / 3) * (c + v[i] + v[(i + 1) % n]);
    }
    EXPECT_TRUE(Close(SignedArea(v), area, 1e-10L));
    EXPECT_TRUE(Close(PolygonCentroid(v), (1 / area) * moment, 1e-9L));
    EXPECT_TRUE(IsSimplePolygon(v));
    EXPECT_EQ(IsConvexPolygon(v), EverySideSeesAll(v));
    if (k % 4 == 0) {
      EXPECT_TRUE(IsConvexPolygon(v));
    }
    Extended sum = 0;
    for (Extended angle : InteriorAngles(v)) sum += angle;
    EXPECT_TRUE(Close(sum, (n - 2) * 180.0L, 1e-13L));
    const Box box = BoundingBox(v);
    for (int probe = 0; probe < 10; ++probe) {
      // Half the probes at the height of a vertex, where the crossing rule must count once.
      const Extended y =
          probe % 2 ? v[random.Int(0, n - 1)].y : random.Real(box.ymin - 1, box.ymax + 1);
      const Point2 p{random.Real(box.xmin - 1, box.xmax + 1), y};
      const PointPlace place = LocatePoint(v, p);
      ASSERT_NE(place, PointPlace::kOnEdge);
      EXPECT_EQ(place == PointPlace::kInside, WindingNumber(v, p) != 0);
    }
    for (int i = 0; i < n; ++i) {
      EXPECT_EQ(LocatePoint(v, v[i]), PointPlace::kOnEdge);
      EXPECT_EQ(LocatePoint(v, 0.5L * (v[i] + v[(i + 1) % n])), PointPlace::kOnEdge);
      EXPECT_GE(v[i].x, box.xmin);
      EXPECT_LE(v[i].y, box.ymax);
    }
    // Clockwise order: the same polygon, the area's sign turned.
    std::vector<Point2> reversed(v.rbegin(), v.rend());
    EXPECT_TRUE(Close(SignedArea(reversed), -SignedArea(v), 1e-15L));
    EXPECT_TRUE(Close(InteriorAngles(reversed)[0], InteriorAngles(v)[n - 1], 1e-12L));
  }
}

TEST(Polygons, KnownShapesAndDegenerateOnes) {
  const std::vector<Point2> notch = {{0, 0}, {6, 0}, {6, 4}, {3, 2}, {0, 4}};
  EXPECT_TRUE(Close(SignedArea(notch), 18));
  EXPECT_FALSE(IsConvexPolygon(notch));
  EXPECT_TRUE(Close(InteriorAngles(notch)[3], 360 - 2 * std::atan(1.5L) * 180 / kPi));
  EXPECT_EQ(LocatePoint(notch, {3, 3}), PointPlace::kOutside);
  EXPECT_EQ(LocatePoint(notch, {3, 1}), PointPlace::kInside);
  EXPECT_EQ(LocatePoint(notch, {1.5L, 3}), PointPlace::kOnEdge);
  // A typed point on the hypotenuse whose coordinates are not binary fractions.
  const std::vector<Point2> corner = {{0, 0}, {1, 0}, {0, 1}};
  EXPECT_EQ(LocatePoint(corner, {0.3L, 0.7L}), PointPlace::kOnEdge);
  const std::vector<Point2> straight = {{0, 0}, {2, 0}, {4, 0}, {4, 4}, {0, 4}};
  EXPECT_TRUE(IsSimplePolygon(straight));
  EXPECT_TRUE(IsConvexPolygon(straight));
  EXPECT_TRUE(Close(InteriorAngles(straight)[1], 180));
  const std::vector<Point2> bowtie = {{0, 0}, {2, 2}, {2, 0}, {0, 2}};
  EXPECT_FALSE(IsSimplePolygon(bowtie));
  std::vector<Point2> pentagram;
  for (int i = 0; i < 5; ++i) pentagram.push_back(FromPolar(1, 90 + 144 * i));
  EXPECT_FALSE(IsSimplePolygon(pentagram));
  EXPECT_FALSE(IsSimplePolygon(std::vector<Point2>{{0, 0}, {4, 0}, {4, 3}, {4, 1}}));
  EXPECT_TRUE(AllCollinear(std::vector<Point2>{{0, 0}, {1, 1}, {3, 3}, {2, 2}}));
  EXPECT_FALSE(AllCollinear(notch));
  const Box box = BoundingBox(notch);
  EXPECT_EQ(box.xmin, 0);
  EXPECT_EQ(box.ymax, 4);
}

}  // namespace
}  // namespace zarnix
