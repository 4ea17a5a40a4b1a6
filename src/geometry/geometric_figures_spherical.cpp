// The spherical-triangle solver: sides from angles and angles from sides by the two laws of
// cosines, the third part of two sides (or angles) with the part between them, and the
// ambiguous cases solved as a trigonometric equation in the missing side.
#include "geometry/geometric_figures_spherical.h"

#include <algorithm>
#include <cmath>

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
// Two candidate sides closer than this are one (a tangent solution); a side this close to 0
// or π is no triangle.
constexpr Extended kSame = 1e-12L;

using Triple = std::array<Extended, 3>;

Extended Radians(Extended degrees) {
  return degrees * kPi / 180;
}

Extended Degrees(Extended radians) {
  return radians * 180 / kPi;
}

// Rounding may carry a cosine a hair beyond ±1 at a right or straight configuration.
Extended ArcCos(Extended cosine) {
  return std::acos(std::clamp(cosine, -1.0L, 1.0L));
}

bool Inside(Extended degrees) {
  return degrees > 0 && degrees < 180;
}

bool AllInside(const Triple& parts) {
  return std::all_of(parts.begin(), parts.end(), Inside);
}

// Three arcs close up into a triangle when each is shorter than the other two together and
// all three are shorter than a great circle.
bool SidesCloseUp(const Triple& s) {
  return AllInside(s) && s[0] < s[1] + s[2] && s[1] < s[0] + s[2] && s[2] < s[0] + s[1] &&
         s[0] + s[1] + s[2] < 360;
}

// Angles belong to a triangle when the sides of its polar triangle, 180° − angle, do.
bool AnglesCloseUp(const Triple& a) {
  return SidesCloseUp({180 - a[0], 180 - a[1], 180 - a[2]});
}

// The three parts opposite p, q, r (radians): angles from sides with sign −1, sides from
// angles with sign +1.
Triple Opposite(const Triple& pqr, int sign) {
  const auto part = [&](int i, int j, int k) {
    return ArcCos((std::cos(pqr[i]) + sign * std::cos(pqr[j]) * std::cos(pqr[k])) /
                  (std::sin(pqr[j]) * std::sin(pqr[k])));
  };
  return {part(0, 1, 2), part(1, 0, 2), part(2, 0, 1)};
}

Triple ToRadians(const Triple& degrees) {
  return {Radians(degrees[0]), Radians(degrees[1]), Radians(degrees[2])};
}

SphericalTriangle InDegrees(const Triple& sides, const Triple& angles) {
  SphericalTriangle triangle;
  for (int i = 0; i < 3; ++i) {
    triangle.sides[i] = Degrees(sides[i]);
    triangle.angles[i] = Degrees(angles[i]);
  }
  return triangle;
}

SphericalSolutions One(const SphericalTriangle& triangle) {
  SphericalSolutions solutions;
  solutions.count = 1;
  solutions.triangles[0] = triangle;
  return solutions;
}

SphericalSolutions FromSides(const Triple& sides) {
  return One(InDegrees(sides, Opposite(sides, -1)));
}

SphericalSolutions FromAngles(const Triple& angles) {
  return One(InDegrees(Opposite(angles, +1), angles));
}

// a, B, c: the side opposite B first, then the angles.
SphericalSolutions FromSideAngleSide(const Triple& given) {
  const auto [a, angle, c] = given;
  const Extended b =
      ArcCos(std::cos(c) * std::cos(a) + std::sin(c) * std::sin(a) * std::cos(angle));
  return FromSides({a, b, c});
}

// A, b, C: the angle opposite b first, then the sides.
SphericalSolutions FromAngleSideAngle(const Triple& given) {
  const auto [angleA, side, angleC] = given;
  const Extended angleB = ArcCos(std::sin(angleC) * std::sin(angleA) * std::cos(side) -
                                 std::cos(angleC) * std::cos(angleA));
  return FromAngles({angleA, angleB, angleC});
}

// a, b, A (radians): cos a = cos b·cos c + sin b·sin c·cos A is R·cos(c − φ) = cos a in the
// missing side c; every root in (0, π) is one triangle.
SphericalSolutions FromSideSideAngle(const Triple& given) {
  const auto [a, b, angle] = given;
  const Extended p = std::cos(b);
  const Extended q = std::sin(b) * std::cos(angle);
  const Extended amplitude = std::hypot(p, q);
  SphericalSolutions solutions;
  if (amplitude < kSame) {
    // b and A both right angles: every c fits when a is a right angle too.
    solutions.infinite = std::fabs(std::cos(a)) < kSame;
    return solutions;
  }
  const Extended ratio = std::cos(a) / amplitude;
  if (std::fabs(ratio) > 1 + kSame) return solutions;
  const Extended phi = std::atan2(q, p);
  const Extended delta = ArcCos(ratio);
  Extended firstC = 0;
  for (const Extended candidate : {phi - delta, phi + delta}) {
    const Extended c = std::remainder(candidate, 2 * kPi);
    if (c < kSame || c > kPi - kSame) continue;
    if (solutions.count == 1 && std::fabs(c - firstC) < kSame) continue;
    firstC = c;
    const Triple sides = {a, b, c};
    solutions.triangles[solutions.count++] = InDegrees(sides, Opposite(sides, -1));
  }
  return solutions;
}

// A, B, a: the polar triangle has the sides 180° − A, 180° − B and the angle 180° − a
// opposite the first; its sides are the supplements of our angles and back.
SphericalSolutions FromAngleAngleSide(const Triple& given) {
  SphericalSolutions solutions =
      FromSideSideAngle({kPi - given[0], kPi - given[1], kPi - given[2]});
  for (int i = 0; i < solutions.count; ++i) {
    SphericalTriangle& triangle = solutions.triangles[i];
    for (int k = 0; k < 3; ++k) {
      const Extended side = triangle.sides[k];
      triangle.sides[k] = 180 - triangle.angles[k];
      triangle.angles[k] = 180 - side;
    }
  }
  return solutions;
}

bool Admissible(SphericalGiven given, const Triple& parts) {
  switch (given) {
    case SphericalGiven::kSides:
      return SidesCloseUp(parts);
    case SphericalGiven::kAngles:
      return AnglesCloseUp(parts);
    case SphericalGiven::kSideAngleSide:
    case SphericalGiven::kAngleSideAngle:
    case SphericalGiven::kSideSideAngle:
    case SphericalGiven::kAngleAngleSide:
      return AllInside(parts);
  }
  return false;
}

}  // namespace

SphericalSolutions SolveSphericalTriangle(SphericalGiven given, Extended first, Extended second,
                                          Extended third) {
  const Triple parts = {first, second, third};
  if (!Admissible(given, parts)) return {};
  const Triple radians = ToRadians(parts);
  switch (given) {
    case SphericalGiven::kSides:
      return FromSides(radians);
    case SphericalGiven::kAngles:
      return FromAngles(radians);
    case SphericalGiven::kSideAngleSide:
      return FromSideAngleSide(radians);
    case SphericalGiven::kAngleSideAngle:
      return FromAngleSideAngle(radians);
    case SphericalGiven::kSideSideAngle:
      return FromSideSideAngle(radians);
    case SphericalGiven::kAngleAngleSide:
      return FromAngleAngleSide(radians);
  }
  return {};
}

Extended GreatCircleDistance(Extended longitude1, Extended latitude1, Extended longitude2,
                             Extended latitude2, Extended radius) {
  const Extended phi1 = Radians(latitude1);
  const Extended phi2 = Radians(latitude2);
  const Extended cosine =
      std::sin(phi1) * std::sin(phi2) +
      std::cos(phi1) * std::cos(phi2) * std::cos(Radians(longitude2 - longitude1));
  return ArcCos(cosine) * radius;
}

}  // namespace zarnix
