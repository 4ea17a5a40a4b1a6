// Points and lines of the plane against independent computations: polar form by the
// trigonometric definitions, distances by minimisation along the line, intersections by
// substitution, angles by the arccosine of the normals; and the degenerate cases typed input
// runs into (vertical lines, lines through the origin, parallel and coincident lines).
#include "geometry/plane_geometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "geometry_checks.h"

namespace zarnix {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST(PlanePoints, PolarFormOfKnownPoints) {
  EXPECT_TRUE(Close(ToPolar({3, 4}).r, 5));
  EXPECT_TRUE(Close(ToPolar({3, 4}).degrees, std::atan(4.0L / 3) * 180 / kPi));
  EXPECT_TRUE(Close(ToPolar({-1, 0}).degrees, 180));
  EXPECT_TRUE(Close(ToPolar({0, -2}).degrees, 270));
  EXPECT_EQ(ToPolar({0, 0}).degrees, 0);  // the origin has no direction: 0 by convention
  // Quarter turns are exact, so no -0.000 or 1e-20 shows up in the result cells.
  EXPECT_EQ(FromPolar(2, 90).x, 0);
  EXPECT_EQ(FromPolar(2, 90).y, 2);
  EXPECT_EQ(FromPolar(1, -90).y, -1);
  EXPECT_TRUE(Close(FromPolar(2, 720 + 60), {1, std::sqrt(3.0L)}));
}

TEST(PlanePoints, PolarRoundTripAndDefinitionOnRandomPoints) {
  RandomGeometry random(11);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 p = random.Point();
    const Polar polar = ToPolar(p);
    EXPECT_GE(polar.degrees, 0);
    EXPECT_LT(polar.degrees, 360);
    EXPECT_TRUE(Close(polar.r * std::cos(polar.degrees * kPi / 180), p.x, 1e-15L));
    EXPECT_TRUE(Close(polar.r * std::sin(polar.degrees * kPi / 180), p.y, 1e-15L));
    EXPECT_TRUE(Close(FromPolar(polar.r, polar.degrees), p, 1e-15L));
  }
}

TEST(PlanePoints, DivisionPointSatisfiesItsRatio) {
  RandomGeometry random(12);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 a = random.Point();
    const Point2 b = random.Point();
    const Extended lambda = random.Real(-5, 5);
    if (std::fabs(lambda + 1) < 0.05L) continue;
    const auto p = DivisionPoint(a, b, lambda);
    ASSERT_TRUE(p);
    EXPECT_TRUE(Close(*p - a, lambda * (b - *p), 1e-12L));
  }
  EXPECT_FALSE(DivisionPoint(Point2{0, 0}, Point2{1, 1}, -1));
  EXPECT_TRUE(Close(*DivisionPoint(Point2{1, 1}, Point2{7, 4}, 2), {5, 3}));
}

TEST(PlaneLines, FormsOfTypedLines) {
  // Typed decimals that are not exact binary values still give exact special lines.
  const Line2 vertical = *LineThrough({0.3L, 0}, {0.3L, 1});
  EXPECT_TRUE(IsVertical(vertical));
  EXPECT_FALSE(Slope(vertical));
  EXPECT_TRUE(Close(*XIntercept(vertical), 0.3L));
  EXPECT_TRUE(Close(InclinationDegrees(vertical), 90));
  const Line2 diagonal = *LineThrough({0.1L, 0.1L}, {0.2L, 0.2L});
  EXPECT_TRUE(PassesOrigin(diagonal));
  const Line2 horizontal = *LineThrough({-1.1L, 2.7L}, {3.3L, 2.7L});
  EXPECT_TRUE(IsHorizontal(horizontal));
  EXPECT_FALSE(XIntercept(horizontal));
  EXPECT_EQ(InclinationDegrees(horizontal), 0);
  EXPECT_FALSE(LineThrough({1, 2}, {1, 2}));
  EXPECT_FALSE(LineOfCoefficients(0, 0, 5));
  EXPECT_FALSE(LineOfIntercepts(0, 3));
  // Written with A > 0 (or A = 0 and B > 0).
  const Line2 flipped = *LineOfCoefficients(-2, 3, -6);
  EXPECT_EQ(flipped.a, 2);
  EXPECT_EQ(flipped.b, -3);
  EXPECT_EQ(flipped.c, 6);
  const Line2 intercepts = *LineOfIntercepts(4, 3);
  EXPECT_TRUE(Close(*XIntercept(intercepts), 4));
  EXPECT_TRUE(Close(*YIntercept(intercepts), 3));
}

TEST(PlaneLines, EveryFormDescribesTheSameLine) {
  RandomGeometry random(13);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 p = random.Point();
    const Point2 q = random.Point();
    const Line2 line = *LineThrough(p, q);
    EXPECT_TRUE(Close(Side(line, p) / Length(Point2{line.a, line.b}), 0, 1e-15L));
    EXPECT_TRUE(Close(Side(line, q) / Length(Point2{line.a, line.b}), 0, 1e-15L));
    const Extended k0 = (q.y - p.y) / (q.x - p.x);
    EXPECT_TRUE(Close(*Slope(line), k0, 1e-9L));
    EXPECT_TRUE(Close(*YIntercept(line), p.y - k0 * p.x, 1e-9L));
    EXPECT_TRUE(Close(std::tan(InclinationDegrees(line) * kPi / 180), k0, 1e-9L));
    const Line2 pointSlope = LineOfPointSlope(p, k0);
    const Line2 slopeIntercept = LineOfSlopeIntercept(k0, p.y - k0 * p.x);
    for (const Line2& other : {pointSlope, slopeIntercept})
      EXPECT_EQ(IntersectLines(line, other).relation, LineRelation::kCoincident);
    const Point2 d = DirectionOf(line);
    EXPECT_TRUE(Close(Length(d), 1));
    EXPECT_TRUE(Close(Cross(d, q - p), 0, 1e-12L));
  }
}

TEST(PlaneLines, IntersectionsAndAnglesOnRandomLines) {
  RandomGeometry random(14);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 p = random.Point();
    const Line2 l1 = *LineThrough(p, random.Point());
    const Line2 l2 = *LineThrough(random.Point(), random.Point());
    const LineMeeting m = IntersectLines(l1, l2);
    if (m.relation == LineRelation::kParallel) continue;
    // Walk along l1 from a point of it to where l2 is met.
    const Point2 d = DirectionOf(l1);
    const Point2 meet = p + (-Side(l2, p) / (l2.a * d.x + l2.b * d.y)) * d;
    EXPECT_TRUE(Close(m.point, meet, 1e-9L));
    const Extended cosine = std::fabs(l1.a * l2.a + l1.b * l2.b) /
                            (Length(Point2{l1.a, l1.b}) * Length(Point2{l2.a, l2.b}));
    EXPECT_TRUE(Close(AngleBetweenLinesDegrees(l1, l2), std::acos(cosine) * 180 / kPi, 1e-7L));
  }
}

TEST(PlaneLines, ParallelCoincidentAndPerpendicularLines) {
  const Line2 l = *LineOfCoefficients(0.1L, 0.2L, 1);
  EXPECT_EQ(IntersectLines(l, *LineOfCoefficients(0.3L, 0.6L, 5)).relation,
            LineRelation::kParallel);
  EXPECT_EQ(IntersectLines(l, *LineOfCoefficients(0.3L, 0.6L, 3)).relation,
            LineRelation::kCoincident);
  EXPECT_EQ(IntersectLines(l, *LineOfCoefficients(-0.2L, 0.1L, 7)).relation,
            LineRelation::kPerpendicular);
  EXPECT_EQ(AngleBetweenLinesDegrees(l, *LineOfCoefficients(0.3L, 0.6L, 5)), 0);
  const LineMeeting m =
      IntersectLines(*LineOfCoefficients(2, -1, 1), *LineOfCoefficients(1, 1, -4));
  EXPECT_EQ(m.relation, LineRelation::kIntersecting);
  EXPECT_TRUE(Close(m.point, {1, 3}));
}

TEST(PlaneLines, DistanceByProjectionMatchesTheMinimumAlongTheLine) {
  RandomGeometry random(15);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 p = random.Point();
    const Point2 anchor = random.Point();
    const Line2 line = *LineThrough(anchor, random.Point());
    const Point2 d = DirectionOf(line);
    const Extended nearest =
        MinimumOf([&](Extended t) { return Distance(p, anchor + t * d); }, -1e4L, 1e4L);
    EXPECT_TRUE(Close(PointLineDistance(p, line), nearest, 1e-9L));
    const Point2 foot = FootOfPerpendicular(p, line);
    EXPECT_TRUE(Close(Side(line, foot) / Length(Point2{line.a, line.b}), 0, 1e-12L));
    EXPECT_TRUE(Close(Dot(p - foot, d), 0, 1e-12L));
    EXPECT_TRUE(Close(Distance(ReflectInLine(p, line), foot), Distance(p, foot), 1e-12L));
    EXPECT_TRUE(Close(PointLineDistance(p, ParallelThrough(line, p)), 0, 1e-12L));
    const Line2 perpendicular = PerpendicularThrough(line, p);
    EXPECT_EQ(IntersectLines(line, perpendicular).relation, LineRelation::kPerpendicular);
    EXPECT_TRUE(Close(PointLineDistance(foot, perpendicular), 0, 1e-11L));
  }
}

TEST(PlaneLines, CircleAndLine) {
  RandomGeometry random(16);
  for (int k = 0; k < kRandomCases; ++k) {
    const Point2 centre = random.Point();
    const Extended r = random.Real(0.5L, 8);
    const Line2 line = *LineThrough(random.Point(), random.Point());
    const CircleLineMeeting m = IntersectCircleLine(centre, r, line);
    EXPECT_EQ(m.count == 2, PointLineDistance(centre, line) < r);
    if (m.count != 2) continue;
    for (const Point2& p : {m.first, m.second}) {
      EXPECT_TRUE(Close(Distance(p, centre), r, 1e-12L));
      EXPECT_TRUE(Close(PointLineDistance(p, line), 0, 1e-12L));
    }
  }
  const CircleLineMeeting tangent = IntersectCircleLine({0, 0}, 5, *LineOfCoefficients(1, 0, -5));
  EXPECT_EQ(tangent.count, 1);
  EXPECT_TRUE(Close(tangent.first, {5, 0}));
  EXPECT_EQ(IntersectCircleLine({0, 0}, 5, *LineOfCoefficients(1, 1, -8)).count, 0);
}

}  // namespace
}  // namespace zarnix
