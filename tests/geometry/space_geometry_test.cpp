// Points, lines and planes of space against independent computations: coordinate definitions,
// distances by minimisation and by an orthonormal frame of the plane, angles by arccosines,
// skew-line distances by nested minimisation, tetrahedron volumes by the Cayley-Menger
// determinant of the edge lengths; and the parallel, coincident and collinear cases.
#include "geometry/space_geometry.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <numbers>
#include <utility>

#include "geometry_checks.h"

namespace zarnix {
namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

TEST(SpaceCoordinates, KnownPointsAndRoundTrips) {
  const Spherical s = ToSpherical({1, 1, std::sqrt(2.0L)});
  EXPECT_TRUE(Close(s.r, 2));
  EXPECT_TRUE(Close(s.theta, kPi / 4));
  EXPECT_TRUE(Close(s.phi, kPi / 4));
  EXPECT_TRUE(Close(ToCylindrical({0, -2, 5}).phi, 3 * kPi / 2));
  const Spherical origin = ToSpherical({0, 0, 0});
  EXPECT_EQ(origin.theta, 0);
  EXPECT_EQ(origin.phi, 0);
  EXPECT_TRUE(Close(ToSpherical({0, 0, -3}).theta, kPi));
  RandomGeometry random(51);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 p = random.Point3();
    const Cylindrical c = ToCylindrical(p);
    const Spherical q = ToSpherical(p);
    EXPECT_GE(c.phi, 0);
    EXPECT_LT(c.phi, 2 * kPi);
    EXPECT_GE(q.theta, 0);
    EXPECT_LE(q.theta, kPi);
    EXPECT_EQ(c.phi, q.phi);
    EXPECT_TRUE(Close(q.r * std::cos(q.theta), p.z, 1e-15L));
    EXPECT_TRUE(Close(q.r * std::sin(q.theta), c.rho, 1e-15L));
    EXPECT_TRUE(Close(FromCylindrical(c), p, 1e-15L));
    EXPECT_TRUE(Close(FromSpherical(q), p, 1e-15L));
  }
}

TEST(SpacePoints, DivisionPointsAndDirectionCosines) {
  RandomGeometry random(52);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 a = random.Point3();
    const Vec3 b = random.Point3();
    const Extended lambda = random.Real(-5, 5);
    if (std::fabs(lambda + 1) < 0.05L) continue;
    const Vec3 p = *DivisionPoint(a, b, lambda);
    EXPECT_TRUE(Close(p - a, lambda * (b - p), 1e-12L));
    const Vec3 cosines = DirectionCosines(b - a);
    EXPECT_TRUE(Close(Dot(cosines, cosines), 1));
    EXPECT_TRUE(Close(cosines.x * Distance(a, b), b.x - a.x, 1e-13L));
  }
  EXPECT_FALSE(DivisionPoint(Vec3{}, Vec3{1, 1, 1}, -1));
}

TEST(SpaceLines, PointLineDistanceByProjectionAndByMinimisation) {
  RandomGeometry random(53);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 p = random.Point3();
    const Line3 line{random.Point3(), random.Point3()};
    const Extended nearest = MinimumOf(
        [&](Extended t) { return Distance(p, line.point + t * line.direction); }, -1e4L, 1e4L);
    EXPECT_TRUE(Close(PointLineDistance(p, line), nearest, 1e-9L));
    const Vec3 foot = FootOnLine(p, line);
    EXPECT_TRUE(Close(Dot(p - foot, line.direction), 0, 1e-12L));
    EXPECT_TRUE(Close(Distance(p, foot), PointLineDistance(p, line), 1e-12L));
  }
}

TEST(SpacePlanes, FormsContainTheirPoints) {
  RandomGeometry random(54);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 a = random.Point3();
    const Vec3 b = random.Point3();
    const Vec3 c = random.Point3();
    const Plane plane = *PlaneThrough(a, b, c);
    for (const Vec3& p : {a, b, c}) EXPECT_TRUE(OnPlane(p, plane));
    EXPECT_TRUE(Parallel(plane.normal, Cross(b - a, c - a)));
    EXPECT_TRUE(OnPlane(a, *PlaneOfPointNormal(a, plane.normal)));
    const Extended i = random.Real(0.5L, 9);
    const Extended j = -random.Real(0.5L, 9);
    const Extended l = random.Real(0.5L, 9);
    const Plane intercepts = *PlaneOfIntercepts(i, j, l);
    for (const Vec3& p : {Vec3{i, 0, 0}, Vec3{0, j, 0}, Vec3{0, 0, l}})
      EXPECT_TRUE(OnPlane(p, intercepts));
    EXPECT_TRUE(OnPlane(PlanePointNearestOrigin(plane), plane));
    EXPECT_TRUE(Parallel(PlanePointNearestOrigin(plane), plane.normal));
  }
  // Typed points on z = 0.3 give a plane with exactly A = B = 0.
  const Plane level = *PlaneThrough({0.1L, 0.2L, 0.3L}, {1.7L, 0.4L, 0.3L}, {0.3L, 2.9L, 0.3L});
  EXPECT_EQ(level.normal.x, 0);
  EXPECT_EQ(level.normal.y, 0);
  EXPECT_GT(level.normal.z, 0);
  EXPECT_FALSE(PlaneThrough({0, 0, 0}, {1, 2, 3}, {2, 4, 6}));
  EXPECT_FALSE(PlaneThrough({1, 1, 1}, {1, 1, 1}, {2, 4, 6}));
  EXPECT_FALSE(PlaneOfCoefficients(0, 0, 0, 1));
  EXPECT_FALSE(PlaneOfIntercepts(1, 0, 2));
  EXPECT_EQ(PlaneOfCoefficients(-1, 2, 0, 3)->normal.x, 1);  // first component made positive
}

TEST(SpacePlanes, PointPlaneDistanceInAnOrthonormalFrameOfThePlane) {
  RandomGeometry random(55);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 q = random.Point3();
    const Vec3 e1 = random.Point3() - q;
    const Vec3 e2 = random.Point3() - q;
    const Plane plane = *PlaneThrough(q, q + e1, q + e2);
    // Gram-Schmidt: u, v span the plane; the nearest point is q + (w·u)u + (w·v)v.
    const Vec3 u = (1 / Length(e1)) * e1;
    const Vec3 f = e2 - Dot(e2, u) * u;
    const Vec3 v = (1 / Length(f)) * f;
    const Vec3 p = random.Point3();
    const Vec3 w = p - q;
    const Vec3 nearest = q + Dot(w, u) * u + Dot(w, v) * v;
    EXPECT_TRUE(Close(PointPlaneDistance(p, plane), Distance(p, nearest), 1e-9L));
    EXPECT_TRUE(Close(FootOnPlane(p, plane), nearest, 1e-9L));
  }
}

TEST(SpacePlanes, IntersectionsOfPlanesAndOfLinesWithPlanes) {
  RandomGeometry random(56);
  for (int k = 0; k < kRandomCases; ++k) {
    const Plane p1 = *PlaneThrough(random.Point3(), random.Point3(), random.Point3());
    const Plane p2 = *PlaneThrough(random.Point3(), random.Point3(), random.Point3());
    const PlanesMeeting m = IntersectPlanes(p1, p2);
    ASSERT_EQ(m.relation, PlanesRelation::kIntersecting);
    for (Extended t : {-3.0L, 0.0L, 2.0L}) {
      const Vec3 on = m.line.point + t * m.line.direction;
      EXPECT_TRUE(Close(PointPlaneDistance(on, p1), 0, 1e-9L));
      EXPECT_TRUE(Close(PointPlaneDistance(on, p2), 0, 1e-9L));
    }
    EXPECT_TRUE(Close(Dot(m.line.point, m.line.direction), 0, 1e-9L));
    const Line3 line{random.Point3(), random.Point3()};
    const LinePlaneMeeting lp = IntersectLinePlane(line, p1);
    ASSERT_EQ(lp.relation, LinePlaneRelation::kIntersecting);
    EXPECT_TRUE(Close(PointPlaneDistance(lp.point, p1), 0, 1e-9L));
    EXPECT_TRUE(Close(PointLineDistance(lp.point, line), 0, 1e-9L));
  }
  const Plane z0 = *PlaneOfCoefficients(0, 0, 2, -2);
  EXPECT_EQ(IntersectPlanes(z0, *PlaneOfCoefficients(0, 0, 1, 5)).relation,
            PlanesRelation::kParallel);
  EXPECT_EQ(IntersectPlanes(z0, *PlaneOfCoefficients(0, 0, -3, 3)).relation,
            PlanesRelation::kCoincident);
  EXPECT_EQ(IntersectLinePlane({{0, 0, 0}, {1, 1, 0}}, z0).relation, LinePlaneRelation::kParallel);
  EXPECT_EQ(IntersectLinePlane({{0, 0, 1}, {1, 1, 0}}, z0).relation, LinePlaneRelation::kInPlane);
}

TEST(SpaceAngles, AgainstArccosinesAndArcsines) {
  RandomGeometry random(57);
  for (int k = 0; k < kRandomCases; ++k) {
    const Vec3 u = random.Point3();
    const Vec3 v = random.Point3();
    const Extended cosine = std::fabs(Dot(u, v)) / (Length(u) * Length(v));
    EXPECT_TRUE(Close(AngleBetweenLines(u, v), std::acos(cosine), 1e-7L));
    EXPECT_TRUE(Close(AngleLinePlane(u, v), std::asin(cosine), 1e-7L));
  }
  EXPECT_TRUE(Close(AngleBetweenLines({1, 0, 1}, {0, 1, 1}), kPi / 3));
  EXPECT_TRUE(Close(AngleLinePlane({1, 1, 0}, {0, 0, 1}), 0));
  EXPECT_TRUE(Close(AngleLinePlane({0, 0, -2}, {0, 0, 1}), kPi / 2));
}

TEST(SpaceLines, SkewLinesByNestedMinimisation) {
  RandomGeometry random(58);
  for (int k = 0; k < kRandomCases / 4; ++k) {
    const Line3 l1{random.Point3(), random.Point3()};
    const Line3 l2{random.Point3(), random.Point3()};
    const LinesNearness n = NearestPoints(l1, l2);
    ASSERT_EQ(n.relation, LinesRelation::kSkew);
    const auto gap = [&](Extended t1) {
      const Vec3 p = l1.point + t1 * l1.direction;
      return MinimumOf([&](Extended t2) { return Distance(p, l2.point + t2 * l2.direction); },
                       -1e3L, 1e3L);
    };
    EXPECT_TRUE(Close(n.distance, MinimumOf(gap, -1e3L, 1e3L), 1e-7L));
    EXPECT_TRUE(Close(Distance(n.foot1, n.foot2), n.distance, 1e-12L));
    EXPECT_TRUE(Close(PointLineDistance(n.foot1, l1), 0, 1e-12L));
    EXPECT_TRUE(Close(PointLineDistance(n.foot2, l2), 0, 1e-12L));
    EXPECT_TRUE(Close(Dot(n.foot2 - n.foot1, l1.direction), 0, 1e-11L));
    EXPECT_TRUE(Close(Dot(n.foot2 - n.foot1, l2.direction), 0, 1e-11L));
  }
  const LinesNearness crossing = NearestPoints({{0, 0, 0}, {1, 0, 0}}, {{2, -1, 0}, {0, 1, 0}});
  EXPECT_EQ(crossing.relation, LinesRelation::kIntersecting);
  EXPECT_TRUE(Close(crossing.foot1, {2, 0, 0}));
  const LinesNearness parallel = NearestPoints({{0, 0, 0}, {1, 1, 0}}, {{0, 0, 3}, {-2, -2, 0}});
  EXPECT_EQ(parallel.relation, LinesRelation::kParallel);
  EXPECT_TRUE(Close(parallel.distance, 3));
  EXPECT_EQ(NearestPoints({{0, 0, 0}, {1, 1, 1}}, {{2, 2, 2}, {3, 3, 3}}).relation,
            LinesRelation::kCoincident);
}

// 288 V² as the Cayley-Menger determinant of the squared edge lengths.
Extended CayleyMenger(const std::array<Vec3, 4>& v) {
  std::array<std::array<Extended, 5>, 5> m{};
  for (int i = 0; i < 5; ++i)
    for (int j = 0; j < 5; ++j) {
      if (i == j) continue;
      if (i == 0 || j == 0) {
        m[i][j] = 1;
      } else {
        const Extended d = Distance(v[i - 1], v[j - 1]);
        m[i][j] = d * d;
      }
    }
  Extended det = 1;
  for (int c = 0; c < 5; ++c) {
    int pivot = c;
    for (int r = c + 1; r < 5; ++r)
      if (std::fabs(m[r][c]) > std::fabs(m[pivot][c])) pivot = r;
    if (pivot != c) {
      std::swap(m[pivot], m[c]);
      det = -det;
    }
    det *= m[c][c];
    for (int r = c + 1; r < 5; ++r) {
      const Extended f = m[r][c] / m[c][c];
      for (int k = c; k < 5; ++k) m[r][k] -= f * m[c][k];
    }
  }
  return det;
}

TEST(SpaceSolids, TetrahedronVolumeAgainstItsEdgeLengths) {
  RandomGeometry random(59);
  for (int k = 0; k < kRandomCases; ++k) {
    const std::array<Vec3, 4> v = {random.Point3(), random.Point3(), random.Point3(),
                                   random.Point3()};
    const Extended six = TetrahedronSixVolume(v[0], v[1], v[2], v[3]);
    EXPECT_TRUE(Close(six * six / 36 * 288, CayleyMenger(v), 1e-8L));
    const Plane base = *PlaneThrough(v[0], v[1], v[2]);
    EXPECT_TRUE(Close(std::fabs(six) / 6,
                      TriangleArea(v[0], v[1], v[2]) * PointPlaneDistance(v[3], base) / 3, 1e-9L));
  }
  EXPECT_EQ(TetrahedronSixVolume({0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {3, 5, 0}), 0);
}

}  // namespace
}  // namespace zarnix
