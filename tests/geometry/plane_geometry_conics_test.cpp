// Conics against their focal definitions: along the sampled curves the sum (ellipse) or the
// difference (hyperbola) of the focal distances is constant, every point is e times as far
// from a focus as from the matching directrix, and hyperbolas approach their asymptotes.
#include "geometry/plane_geometry_conics.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geometry_checks.h"

namespace zarnix {
namespace {

// Distance of p from the directrix x (or y) = at.
Extended DirectrixDistance(const StandardConic& conic, Point2 p, Extended at) {
  return std::fabs((conic.axis == ConicAxis::kX ? p.x : p.y) - at);
}

// The nearer focus and the directrix on its side.
void CheckEccentricity(const StandardConic& conic, Point2 p) {
  const Point2 focus =
      conic.foci.size() == 1 || Dot(p, conic.foci[1]) >= 0 ? conic.foci.back() : conic.foci.front();
  const Extended side = conic.axis == ConicAxis::kX ? focus.x : focus.y;
  const Extended at = conic.kind == StandardConicKind::kParabola
                          ? *conic.directrix
                          : std::copysign(*conic.directrix, side);
  EXPECT_TRUE(
      Close(Distance(p, focus), conic.eccentricity * DirectrixDistance(conic, p, at), 1e-12L));
}

TEST(Conics, EllipsesKeepTheirFocalSum) {
  RandomGeometry random(31);
  for (int k = 0; k < kRandomCases; ++k) {
    const auto e = Ellipse(random.Real(0.5L, 9), random.Real(0.5L, 9));
    ASSERT_TRUE(e);
    EXPECT_TRUE(
        Close(e->eccentricity, std::sqrt(1 - (e->minor / e->major) * (e->minor / e->major))));
    const auto curves = ConicCurves(*e, 24, 2);
    for (const Point2& p : curves[0]) {
      EXPECT_TRUE(Close(Distance(p, e->foci[0]) + Distance(p, e->foci[1]), 2 * e->major, 1e-12L));
      if (e->directrix) CheckEccentricity(*e, p);
    }
  }
  const StandardConic circle = *Ellipse(2, 2);
  EXPECT_FALSE(circle.directrix);
  EXPECT_EQ(circle.eccentricity, 0);
  const StandardConic tall = *Ellipse(3, 5);
  EXPECT_EQ(tall.axis, ConicAxis::kY);
  EXPECT_TRUE(Close(tall.foci[1], {0, 4}));
  EXPECT_FALSE(Ellipse(0, 3));
  EXPECT_FALSE(Ellipse(-1, 3));
}

TEST(Conics, HyperbolasKeepTheirFocalDifferenceAndApproachTheAsymptotes) {
  RandomGeometry random(32);
  for (int k = 0; k < kRandomCases; ++k) {
    const ConicAxis axis = k % 2 ? ConicAxis::kX : ConicAxis::kY;
    const auto h = Hyperbola(random.Real(0.5L, 9), random.Real(0.5L, 9), axis);
    ASSERT_TRUE(h);
    EXPECT_TRUE(Close(h->eccentricity * h->eccentricity, 1 + (h->b / h->a) * (h->b / h->a)));
    for (const auto& branch : ConicCurves(*h, 24, 2)) {
      for (const Point2& p : branch) {
        const Extended d = Distance(p, h->foci[0]) - Distance(p, h->foci[1]);
        EXPECT_TRUE(Close(std::fabs(d), 2 * h->a, 1e-11L));
        CheckEccentricity(*h, p);
      }
    }
  }
  // Far out on x^2/16 - y^2/9 = 1 the slope y/x tends to 3/4.
  const StandardConic h = *Hyperbola(4, 3, ConicAxis::kX);
  const Point2 far = ConicCurves(h, 10, 1e6L)[0].back();
  EXPECT_TRUE(Close(far.y / far.x, h.asymptoteSlope, 1e-9L));
  EXPECT_TRUE(Close(*Hyperbola(3, 4, ConicAxis::kY)->directrix, 1.8L));
  EXPECT_TRUE(Close(Hyperbola(3, 4, ConicAxis::kY)->asymptoteSlope, 0.75L));
}

TEST(Conics, ParabolasAreAsFarFromTheFocusAsFromTheDirectrix) {
  RandomGeometry random(33);
  for (int k = 0; k < kRandomCases; ++k) {
    const ConicAxis axis = k % 2 ? ConicAxis::kX : ConicAxis::kY;
    const auto c = Parabola(random.Real(-9, 9), axis);
    ASSERT_TRUE(c);
    const auto curves = ConicCurves(*c, 24, 2);
    for (const Point2& p : curves[0]) CheckEccentricity(*c, p);
  }
  EXPECT_FALSE(Parabola(0, ConicAxis::kX));
  const StandardConic down = *Parabola(-2, ConicAxis::kY);
  EXPECT_TRUE(Close(down.foci[0], {0, -1}));
  EXPECT_EQ(*down.directrix, 1);
}

}  // namespace
}  // namespace zarnix
