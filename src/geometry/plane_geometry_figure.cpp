// Flattening a plane figure into the plot engine's point list.
#include "geometry/plane_geometry_figure.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "geometry/plane_geometry_shapes.h"

namespace zarnix {

namespace {

// Lines reach this share of the figure's size beyond its points.
constexpr Extended kLineMargin = 0.5L;
// Half the width of a mark, as a share of the figure's size.
constexpr Extended kMarkSize = 0.012L;

Extended Size(const Box& box) {
  return std::max(box.xmax - box.xmin, box.ymax - box.ymin);
}

Box Widened(Box box, Extended margin) {
  return {box.xmin - margin, box.ymin - margin, box.xmax + margin, box.ymax + margin};
}

// The box of the paths and marks; nullopt when there are none.
std::optional<Box> BoxOfPoints(const Figure& figure) {
  std::vector<Point2> points = figure.marks;
  for (const std::vector<Point2>& path : figure.paths)
    points.insert(points.end(), path.begin(), path.end());
  if (points.empty()) return std::nullopt;
  return BoundingBox(points);
}

// A box with room around the points for lines, never of size 0.
Box WindowFor(const Figure& figure) {
  std::optional<Box> box = BoxOfPoints(figure);
  if (!box) {
    const Point2 anchor = AnchorPoint(figure.lines.front());
    box = Box{anchor.x, anchor.y, anchor.x, anchor.y};
  }
  Extended size = Size(*box);
  if (size == 0) size = std::max({std::fabs(box->xmin), std::fabs(box->ymin), 1.0L});
  return figure.lines.empty() && Size(*box) > 0 ? *box : Widened(*box, kLineMargin * size);
}

// The t range of anchor + t·d inside [low, high] along one axis, for d ≠ 0.
void NarrowRange(Extended anchor, Extended d, Extended low, Extended high, Extended& t0,
                 Extended& t1) {
  Extended a = (low - anchor) / d;
  Extended b = (high - anchor) / d;
  if (a > b) std::swap(a, b);
  t0 = std::max(t0, a);
  t1 = std::min(t1, b);
}

// The part of a line inside the box; nullopt when it passes by.
std::optional<std::vector<Point2>> ClipLine(const Line2& line, const Box& box) {
  const Point2 centre{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  const Point2 anchor = FootOfPerpendicular(centre, line);
  const Point2 d = DirectionOf(line);
  Extended t0 = -std::numeric_limits<Extended>::infinity();
  Extended t1 = std::numeric_limits<Extended>::infinity();
  if (d.x != 0) NarrowRange(anchor.x, d.x, box.xmin, box.xmax, t0, t1);
  if (d.y != 0) NarrowRange(anchor.y, d.y, box.ymin, box.ymax, t0, t1);
  const bool xInside = d.x != 0 || (anchor.x >= box.xmin && anchor.x <= box.xmax);
  const bool yInside = d.y != 0 || (anchor.y >= box.ymin && anchor.y <= box.ymax);
  if (!xInside || !yInside || !(t0 < t1)) return std::nullopt;
  return std::vector<Point2>{anchor + t0 * d, anchor + t1 * d};
}

std::vector<Point2> Diamond(Point2 p, Extended s) {
  return {{p.x + s, p.y}, {p.x, p.y + s}, {p.x - s, p.y}, {p.x, p.y - s}, {p.x + s, p.y}};
}

// The box grown about its centre so that width / nx = height / ny.
Box EqualScales(Box box, int nx, int ny) {
  Extended w = box.xmax - box.xmin;
  Extended h = box.ymax - box.ymin;
  if (w * ny < h * nx) {
    w = h * nx / ny;
  } else {
    h = w * ny / nx;
  }
  const Point2 c{(box.xmin + box.xmax) / 2, (box.ymin + box.ymax) / 2};
  return {c.x - w / 2, c.y - h / 2, c.x + w / 2, c.y + h / 2};
}

void Append(FigurePoints& out, const std::vector<Point2>& piece) {
  if (!out.xs.empty()) {
    out.xs.push_back(std::numeric_limits<Extended>::quiet_NaN());
    out.ys.push_back(std::numeric_limits<Extended>::quiet_NaN());
  }
  for (const Point2& p : piece) {
    out.xs.push_back(p.x);
    out.ys.push_back(p.y);
  }
}

}  // namespace

void Figure::ClosedPath(std::vector<Point2> points) {
  if (!points.empty()) points.push_back(points.front());
  paths.push_back(std::move(points));
}

void Figure::CirclePath(Point2 centre, Extended radius) {
  std::vector<Point2> points;
  for (int k = 0; k <= kCircleSteps; ++k) {
    const Extended t = 2 * std::numbers::pi_v<Extended> * k / kCircleSteps;
    points.push_back(centre + radius * Point2{std::cos(t), std::sin(t)});
  }
  paths.push_back(std::move(points));
}

FigurePoints FlattenFigure(const Figure& figure, int nx, int ny) {
  FigurePoints out;
  if (figure.Empty()) return out;
  const Box window = WindowFor(figure);
  std::vector<std::vector<Point2>> pieces = figure.paths;
  for (const Line2& line : figure.lines)
    if (auto segment = ClipLine(line, window)) pieces.push_back(std::move(*segment));
  const Extended s = kMarkSize * Size(window);
  for (const Point2& mark : figure.marks) pieces.push_back(Diamond(mark, s));
  std::vector<Point2> all;
  for (const std::vector<Point2>& piece : pieces) all.insert(all.end(), piece.begin(), piece.end());
  Box box = all.empty() ? window : BoundingBox(all);
  if (Size(box) == 0) box = window;
  box = EqualScales(box, std::max(nx, 1), std::max(ny, 1));
  for (const std::vector<Point2>& piece : pieces)
    if (!piece.empty()) Append(out, piece);
  // Lone points draw nothing; they only stretch the default scale.
  Append(out, {{box.xmin, box.ymin}});
  Append(out, {{box.xmax, box.ymax}});
  return out;
}

}  // namespace zarnix
