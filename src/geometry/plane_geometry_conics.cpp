// Conics in standard position: their characteristic points and lines, and sampled curves.
#include "geometry/plane_geometry_conics.h"

#include <cmath>
#include <numbers>

namespace zarnix {

namespace {

// The two points ±v on the focal axis.
std::vector<Point2> PairOnAxis(ConicAxis axis, Extended v) {
  if (axis == ConicAxis::kX) return {{-v, 0}, {v, 0}};
  return {{0, -v}, {0, v}};
}

Point2 OnAxes(ConicAxis axis, Extended along, Extended across) {
  return axis == ConicAxis::kX ? Point2{along, across} : Point2{across, along};
}

}  // namespace

std::optional<StandardConic> Ellipse(Extended a, Extended b) {
  if (!(a > 0 && b > 0)) return std::nullopt;
  StandardConic e;
  e.kind = StandardConicKind::kEllipse;
  e.axis = a >= b ? ConicAxis::kX : ConicAxis::kY;
  e.a = a;
  e.b = b;
  e.major = a >= b ? a : b;
  e.minor = a >= b ? b : a;
  // (M - m)(M + m) keeps the digits of nearly circular ellipses.
  e.focal = std::sqrt((e.major - e.minor) * (e.major + e.minor));
  e.eccentricity = e.focal / e.major;
  if (e.focal > 0) e.directrix = e.major * e.major / e.focal;
  e.foci = PairOnAxis(e.axis, e.focal);
  e.vertices = {{-a, 0}, {a, 0}, {0, -b}, {0, b}};
  return e;
}

std::optional<StandardConic> Hyperbola(Extended a, Extended b, ConicAxis axis) {
  if (!(a > 0 && b > 0)) return std::nullopt;
  StandardConic h;
  h.kind = StandardConicKind::kHyperbola;
  h.axis = axis;
  h.a = a;
  h.b = b;
  h.major = a;
  h.minor = b;
  h.focal = std::hypot(a, b);
  h.eccentricity = h.focal / a;
  h.directrix = a * a / h.focal;
  h.asymptoteSlope = axis == ConicAxis::kX ? b / a : a / b;
  h.foci = PairOnAxis(axis, h.focal);
  h.vertices = PairOnAxis(axis, a);
  return h;
}

std::optional<StandardConic> Parabola(Extended p, ConicAxis axis) {
  if (p == 0) return std::nullopt;
  StandardConic c;
  c.kind = StandardConicKind::kParabola;
  c.axis = axis;
  c.a = p;
  c.focal = p / 2;
  c.eccentricity = 1;
  c.directrix = -p / 2;
  c.foci = {OnAxes(axis, p / 2, 0)};
  c.vertices = {{0, 0}};
  return c;
}

std::vector<std::vector<Point2>> ConicCurves(const StandardConic& conic, int steps,
                                             Extended reach) {
  std::vector<std::vector<Point2>> curves;
  const Extended n = steps;
  if (conic.kind == StandardConicKind::kEllipse) {
    std::vector<Point2>& curve = curves.emplace_back();
    for (int k = 0; k <= steps; ++k) {
      const Extended t = 2 * std::numbers::pi_v<Extended> * k / n;
      curve.push_back({conic.a * std::cos(t), conic.b * std::sin(t)});
    }
  } else if (conic.kind == StandardConicKind::kHyperbola) {
    const Extended u = std::acosh(std::fmax(reach * conic.focal / conic.major, 1));
    for (Extended side : {1.0L, -1.0L}) {
      std::vector<Point2>& curve = curves.emplace_back();
      for (int k = 0; k <= steps; ++k) {
        const Extended t = -u + 2 * u * k / n;
        curve.push_back(
            OnAxes(conic.axis, side * conic.major * std::cosh(t), conic.minor * std::sinh(t)));
      }
    }
  } else {
    const Extended p = conic.a;
    const Extended span = reach * std::fabs(p);
    std::vector<Point2>& curve = curves.emplace_back();
    for (int k = 0; k <= steps; ++k) {
      const Extended across = -span + 2 * span * k / n;
      curve.push_back(OnAxes(conic.axis, across * across / (2 * p), across));
    }
  }
  return curves;
}

}  // namespace zarnix
