// The figure of a plane item (its points, segments, lines, polygon, circle or conic) and its
// flattening into one point list for the plot engine: the pieces are separated by points that
// are not numbers (the plotter lifts its pen there), marks become small diamonds, and two
// lone corner points give both axes the same scale.
#pragma once

#include <vector>

#include "geometry/plane_geometry.h"

namespace zarnix {

struct Figure {
  std::vector<std::vector<Point2>> paths;  // polylines
  std::vector<Point2> marks;               // points shown as small diamonds
  std::vector<Line2> lines;                // drawn across the window around the rest

  void Path(std::vector<Point2> points) { paths.push_back(std::move(points)); }
  void Segment(Point2 a, Point2 b) { paths.push_back({a, b}); }
  void ClosedPath(std::vector<Point2> points);
  void CirclePath(Point2 centre, Extended radius);
  bool Empty() const { return paths.empty() && marks.empty() && lines.empty(); }
};

struct FigurePoints {
  std::vector<Extended> xs;
  std::vector<Extended> ys;
};

// Points of a circle drawn in the figures.
inline constexpr int kCircleSteps = 144;

// The figure as one list, scaled for a plot grid of nx × ny square cells. It starts and ends
// with a real point; empty for an empty figure.
FigurePoints FlattenFigure(const Figure& figure, int nx, int ny);

}  // namespace zarnix
