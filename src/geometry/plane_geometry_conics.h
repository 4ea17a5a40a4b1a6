// Conics in standard position: the ellipse x²/a² + y²/b² = 1, the hyperbolas x²/a² - y²/b² = 1
// and y²/a² - x²/b² = 1, the parabolas y² = 2px and x² = 2py, with their foci, vertices,
// eccentricity, directrices and asymptotes, and points along them for drawing.
#pragma once

#include <optional>
#include <vector>

#include "geometry/plane_geometry.h"

namespace zarnix {

enum class StandardConicKind { kEllipse, kHyperbola, kParabola };
// The axis that carries the foci.
enum class ConicAxis { kX, kY };

struct StandardConic {
  StandardConicKind kind = StandardConicKind::kEllipse;
  ConicAxis axis = ConicAxis::kX;
  Extended a = 0;  // the parameters as given (p for a parabola)
  Extended b = 0;
  Extended major = 0;  // semi-axis along the focal axis (ellipse, hyperbola)
  Extended minor = 0;
  Extended focal = 0;  // half the distance of the foci, c
  Extended eccentricity = 0;
  // The directrices are x (or y) = ±directrix, for a parabola = directrix; none for a circle.
  std::optional<Extended> directrix;
  Extended asymptoteSlope = 0;  // y = ±k·x (hyperbola)
  std::vector<Point2> foci;
  std::vector<Point2> vertices;
};

// nullopt when a or b is not positive.
std::optional<StandardConic> Ellipse(Extended a, Extended b);
std::optional<StandardConic> Hyperbola(Extended a, Extended b, ConicAxis axis);
// nullopt for p = 0.
std::optional<StandardConic> Parabola(Extended p, ConicAxis axis);

// Points along the conic for drawing, one vector per connected piece (two for a hyperbola);
// the open curves reach `reach` times the focal distance from the centre.
std::vector<std::vector<Point2>> ConicCurves(const StandardConic& conic, int steps, Extended reach);

}  // namespace zarnix
