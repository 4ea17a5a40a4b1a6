// Flattening figures for the plotter: pieces separated by non-numbers, real first and last
// points, lines cut to a window around the other parts, and a box with equal scales.
#include "geometry/plane_geometry_figure.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "geometry_checks.h"

namespace zarnix {
namespace {

struct Pieces {
  std::vector<std::vector<Point2>> parts;
};

// The pieces between the separators.
Pieces Split(const FigurePoints& points) {
  Pieces pieces;
  pieces.parts.emplace_back();
  for (std::size_t i = 0; i < points.xs.size(); ++i) {
    if (std::isnan(points.xs[i])) {
      EXPECT_TRUE(std::isnan(points.ys[i]));
      pieces.parts.emplace_back();
    } else {
      pieces.parts.back().push_back({points.xs[i], points.ys[i]});
    }
  }
  return pieces;
}

TEST(FigurePoints, PiecesMarksAndTheEqualScaleCorners) {
  Figure figure;
  figure.Segment({0, 0}, {4, 0});
  figure.ClosedPath({{0, 0}, {1, 0}, {0, 1}});
  figure.marks = {{2, 2}};
  const FigurePoints points = FlattenFigure(figure, 28, 20);
  ASSERT_EQ(points.xs.size(), points.ys.size());
  ASSERT_FALSE(std::isnan(points.xs.front()));
  ASSERT_FALSE(std::isnan(points.ys.back()));
  const Pieces pieces = Split(points);
  ASSERT_EQ(pieces.parts.size(), 5u);  // segment, triangle, diamond, two corners
  EXPECT_EQ(pieces.parts[0].size(), 2u);
  ASSERT_EQ(pieces.parts[1].size(), 4u);
  EXPECT_TRUE(Close(pieces.parts[1].front(), pieces.parts[1].back()));
  EXPECT_EQ(pieces.parts[2].size(), 5u);
  for (const Point2& p : pieces.parts[2]) EXPECT_LT(Distance(p, {2, 2}), 0.2L);
  const Point2 low = pieces.parts[3][0];
  const Point2 high = pieces.parts[4][0];
  EXPECT_TRUE(Close((high.x - low.x) / 28, (high.y - low.y) / 20));
  EXPECT_LE(low.x, 0);
  EXPECT_GE(high.y, 2);
}

TEST(FigurePoints, LinesAreCutToTheWindowAroundThePoints) {
  RandomGeometry random(41);
  for (int k = 0; k < kRandomCases; ++k) {
    Figure figure;
    const Point2 p = random.Point();
    const Point2 q = random.Point();
    figure.lines.push_back(*LineThrough(p, q));
    figure.marks = {p, q};
    const Pieces pieces = Split(FlattenFigure(figure, 28, 20));
    ASSERT_EQ(pieces.parts.size(), 5u);
    const std::vector<Point2>& segment = pieces.parts[0];
    ASSERT_EQ(segment.size(), 2u);
    // Both marked points lie on the drawn piece of the line.
    for (const Point2& m : {p, q}) {
      const Extended along = Distance(segment[0], m) + Distance(m, segment[1]);
      EXPECT_TRUE(Close(along, Distance(segment[0], segment[1]), 1e-12L));
    }
  }
}

TEST(FigurePoints, DegenerateFigures) {
  EXPECT_TRUE(FlattenFigure(Figure{}, 28, 20).xs.empty());
  Figure point;
  point.marks = {{3, 3}};
  const Pieces pieces = Split(FlattenFigure(point, 28, 20));
  ASSERT_EQ(pieces.parts.size(), 3u);
  EXPECT_GT(pieces.parts[2][0].x - pieces.parts[1][0].x, 0);
  Figure line;
  line.lines.push_back(*LineOfCoefficients(1, 0, -2));
  EXPECT_EQ(Split(FlattenFigure(line, 28, 20)).parts[0].size(), 2u);
}

}  // namespace
}  // namespace zarnix
