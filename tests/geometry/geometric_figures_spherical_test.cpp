// The spherical-triangle solver against triangles built from three points on the unit sphere
// (sides from the points' dot products, angles between the tangents of the great circles),
// and every solution against the laws of cosines and of sines.
#include "geometry/geometric_figures_spherical.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace zarnix {
namespace {

constexpr Extended kPi = 3.1415926535897932385L;
constexpr Extended kTolerance = 1e-12L;

using Vec = std::array<Extended, 3>;

Extended Dot(const Vec& u, const Vec& v) {
  return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
}

Vec Cross(const Vec& u, const Vec& v) {
  return {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
}

Extended AngleBetween(const Vec& u, const Vec& v) {
  return std::atan2(std::sqrt(Dot(Cross(u, v), Cross(u, v))), Dot(u, v)) * 180 / kPi;
}

Vec Point(Extended longitude, Extended latitude) {
  const Extended l = longitude * kPi / 180, p = latitude * kPi / 180;
  return {std::cos(p) * std::cos(l), std::cos(p) * std::sin(l), std::sin(p)};
}

// The triangle with the vertices A, B, C: side a = BC, and the angle at A between the planes
// OAB and OAC.
SphericalTriangle FromVertices(const Vec& A, const Vec& B, const Vec& C) {
  SphericalTriangle t;
  t.sides = {AngleBetween(B, C), AngleBetween(A, C), AngleBetween(A, B)};
  t.angles = {AngleBetween(Cross(A, B), Cross(A, C)), AngleBetween(Cross(B, A), Cross(B, C)),
              AngleBetween(Cross(C, A), Cross(C, B))};
  return t;
}

Extended Rad(Extended d) {
  return d * kPi / 180;
}

void ExpectLaws(const SphericalTriangle& t) {
  const auto& s = t.sides;
  const auto& a = t.angles;
  for (int i = 0; i < 3; ++i) {
    const int j = (i + 1) % 3, k = (i + 2) % 3;
    // Law of cosines for the sides and for the angles.
    EXPECT_NEAR(std::cos(Rad(s[i])),
                std::cos(Rad(s[j])) * std::cos(Rad(s[k])) +
                    std::sin(Rad(s[j])) * std::sin(Rad(s[k])) * std::cos(Rad(a[i])),
                kTolerance);
    EXPECT_NEAR(std::cos(Rad(a[i])),
                -std::cos(Rad(a[j])) * std::cos(Rad(a[k])) +
                    std::sin(Rad(a[j])) * std::sin(Rad(a[k])) * std::cos(Rad(s[i])),
                kTolerance);
    // Law of sines.
    EXPECT_NEAR(std::sin(Rad(s[i])) / std::sin(Rad(a[i])),
                std::sin(Rad(s[j])) / std::sin(Rad(a[j])), kTolerance);
  }
}

void ExpectSame(const SphericalTriangle& got, const SphericalTriangle& want) {
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(got.sides[i], want.sides[i], 1e-9L) << "side " << i;
    EXPECT_NEAR(got.angles[i], want.angles[i], 1e-9L) << "angle " << i;
  }
}

// Whether one of the solutions is the triangle.
bool Contains(const SphericalSolutions& solutions, const SphericalTriangle& want) {
  for (int k = 0; k < solutions.count; ++k) {
    bool same = true;
    for (int i = 0; i < 3; ++i)
      same = same && std::fabs(solutions.triangles[k].sides[i] - want.sides[i]) < 1e-9L &&
             std::fabs(solutions.triangles[k].angles[i] - want.angles[i]) < 1e-9L;
    if (same) return true;
  }
  return false;
}

TEST(SphericalTriangle, ThreeRightSidesGiveThreeRightAngles) {
  const SphericalSolutions s = SolveSphericalTriangle(SphericalGiven::kSides, 90, 90, 90);
  ASSERT_EQ(s.count, 1);
  for (const Extended angle : s.triangles[0].angles) EXPECT_NEAR(angle, 90, 1e-15L);
}

TEST(SphericalTriangle, EveryKindOfGivenPartsFindsTheTriangleOfThreePoints) {
  const SphericalTriangle triangles[] = {
      FromVertices(Point(0, 10), Point(40, 20), Point(15, 60)),
      FromVertices(Point(-30, -20), Point(100, 5), Point(20, 70)),  // obtuse sides
      FromVertices(Point(0, 0), Point(2, 0), Point(1, 1.5)),        // small, almost plane
  };
  for (const SphericalTriangle& t : triangles) {
    const auto& s = t.sides;
    const auto& a = t.angles;
    const struct {
      SphericalGiven given;
      Extended p, q, r;
    } cases[] = {
        {SphericalGiven::kSides, s[0], s[1], s[2]},
        {SphericalGiven::kAngles, a[0], a[1], a[2]},
        {SphericalGiven::kSideAngleSide, s[0], a[1], s[2]},
        {SphericalGiven::kAngleSideAngle, a[0], s[1], a[2]},
        {SphericalGiven::kSideSideAngle, s[0], s[1], a[0]},
        {SphericalGiven::kAngleAngleSide, a[0], a[1], s[0]},
    };
    for (const auto& c : cases) {
      const SphericalSolutions solutions = SolveSphericalTriangle(c.given, c.p, c.q, c.r);
      ASSERT_GE(solutions.count, 1) << static_cast<int>(c.given);
      EXPECT_TRUE(Contains(solutions, t)) << static_cast<int>(c.given);
      for (int k = 0; k < solutions.count; ++k) ExpectLaws(solutions.triangles[k]);
    }
    // Three parts with the part between them never leave a choice.
    ExpectSame(
        SolveSphericalTriangle(SphericalGiven::kSideAngleSide, s[0], a[1], s[2]).triangles[0], t);
  }
}

TEST(SphericalTriangle, TheAmbiguousCaseShowsBothTriangles) {
  const SphericalSolutions ssa = SolveSphericalTriangle(SphericalGiven::kSideSideAngle, 40, 50, 30);
  ASSERT_EQ(ssa.count, 2);
  // sin B = sin b · sin A / sin a: B and 180° − B.
  const Extended b =
      std::asin(std::sin(Rad(50)) * std::sin(Rad(30)) / std::sin(Rad(40))) * 180 / kPi;
  EXPECT_NEAR(ssa.triangles[0].angles[1] + ssa.triangles[1].angles[1], 180, 1e-9L);
  EXPECT_NEAR(std::fmin(ssa.triangles[0].angles[1], ssa.triangles[1].angles[1]), b, 1e-9L);
  for (const SphericalTriangle& t : ssa.triangles) {
    EXPECT_NEAR(t.sides[0], 40, 1e-12L);
    EXPECT_NEAR(t.angles[0], 30, 1e-9L);
    ExpectLaws(t);
  }
  const SphericalSolutions aas =
      SolveSphericalTriangle(SphericalGiven::kAngleAngleSide, 70, 80, 50);
  ASSERT_EQ(aas.count, 2);
  for (const SphericalTriangle& t : aas.triangles) ExpectLaws(t);
  // The larger given side opposite the given angle leaves one triangle.
  EXPECT_EQ(SolveSphericalTriangle(SphericalGiven::kSideSideAngle, 50, 40, 30).count, 1);
}

TEST(SphericalTriangle, PartsOfNoTriangleHaveNoSolution) {
  using G = SphericalGiven;
  EXPECT_EQ(SolveSphericalTriangle(G::kSides, 10, 20, 40).count, 0);     // 40 > 10 + 20
  EXPECT_EQ(SolveSphericalTriangle(G::kSides, 120, 120, 120).count, 0);  // a whole great circle
  EXPECT_EQ(SolveSphericalTriangle(G::kSides, 0, 50, 50).count, 0);
  EXPECT_EQ(SolveSphericalTriangle(G::kAngles, 60, 60, 50).count, 0);     // sum below 180°
  EXPECT_EQ(SolveSphericalTriangle(G::kAngles, 150, 150, 100).count, 0);  // A + B > 180° + C
  EXPECT_EQ(SolveSphericalTriangle(G::kSideAngleSide, 50, 180, 50).count, 0);
  EXPECT_EQ(SolveSphericalTriangle(G::kAngleSideAngle, 50, -10, 50).count, 0);
  // sin B = sin 80° · sin 60° / sin 20° > 1.
  EXPECT_EQ(SolveSphericalTriangle(G::kSideSideAngle, 20, 80, 60).count, 0);
  const SphericalSolutions family = SolveSphericalTriangle(G::kSideSideAngle, 90, 90, 90);
  EXPECT_EQ(family.count, 0);
  EXPECT_TRUE(family.infinite);
}

TEST(GreatCircle, DistancesOnTheSphere) {
  EXPECT_NEAR(GreatCircleDistance(0, 0, 90, 0, 1), kPi / 2, 1e-15L);
  EXPECT_NEAR(GreatCircleDistance(10, 20, 190, -20, 2), 2 * kPi, 1e-9L);  // antipodes
  EXPECT_EQ(GreatCircleDistance(116.4074, 39.9042, 116.4074, 39.9042, 6371), 0);
  // Haversine, for two cities.
  const Extended p1 = Rad(39.9042), p2 = Rad(31.2304), dl = Rad(121.4737 - 116.4074);
  const Extended h = std::pow(std::sin((p2 - p1) / 2), 2) +
                     std::cos(p1) * std::cos(p2) * std::pow(std::sin(dl / 2), 2);
  EXPECT_NEAR(GreatCircleDistance(116.4074, 39.9042, 121.4737, 31.2304, 6371),
              2 * 6371 * std::asin(std::sqrt(h)), 1e-9L);
}

}  // namespace
}  // namespace zarnix
