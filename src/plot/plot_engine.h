// The curve plotter of the image page: x-y polylines over a square grid with labelled axes
// and a legend, from worksheet columns or from two arrays. The user confirms or edits the
// axis origin and the grid step first.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "base/canvas.h"
#include "base/extended.h"
#include "base/ui.h"

namespace zarnix {

class Worksheet;

// The grid in pixels: cells of 20, left edge 60, top edge 25, nx by ny cells.
struct PlotGeometry {
  static constexpr int kCell = 20;
  static constexpr int kLeft = 60;
  static constexpr int kTop = 25;
  int nx = 28;
  int ny = 20;
  int Right() const { return kLeft + kCell * nx; }
  int Bottom() const { return kTop + kCell * ny; }
};

// nx = 22 x width / 800 and ny = 16 x height / 600, halves to even (1024 x 768: 28 x 20).
PlotGeometry PlotGeometryForScreen(ScreenSize screen);

// Where a plot goes and whom it asks.
struct PlotPorts {
  Canvas& canvas;
  Ui& ui;
  PlotGeometry geometry;
};

// Values at the left and bottom edges, values per cell, and the labels' decimals.
struct PlotScale {
  float x0 = 0;
  float y0 = 0;
  float dx = 0;
  float dy = 0;
  int xd = 0;
  int yd = 0;
};

inline constexpr int kLabelFontSize = 10;
inline constexpr int kCaptionFontSize = 12;
// Curves one plot draws at most.
inline constexpr int kMaxPlotCurves = 10;
inline constexpr const char* kScaleCaption = "请输入坐标起点坐标值x0,y0,坐标轴每格增量dx,dy";
inline constexpr const char* kBadScaleMessage =
    "坐标设置不正确：请输入x0,y0,dx,dy四个数，每格增量dx、dy须为正数";
inline constexpr const char* kCircleLabel = "圆";

// Curve s (from 1): red, fuchsia, lime, blue, purple, silver, sky blue, yellow, navy, then
// black for the tenth, and round again.
Color CurveColor(int s);

// Decimals of the labels for a step: 0 from 1 up, else 2, and j + 1 for the largest
// j = 1 ... 10 with 10^-j above the step.
int LabelDecimals(float step);

// The scale the data suggest (origin at the smallest x and just below the smallest y).
PlotScale DefaultScale(float xmin, float xmax, float ymin, float ymax, PlotGeometry geometry);

// A value rounded to `precision` significant digits, shown with `digits` decimals.
std::string FixedSignificant(Extended value, int precision, int digits);

// "x0,y0,dx,dy", 6 significant digits with xd, yd, xd, yd decimals.
std::string ScaleAnswerText(const PlotScale& scale);

// The scale of an answer: dy = 0 becomes 0.1 and `circle` makes both steps the larger one.
// A non-number throws EConvertError; fewer than four values, a step that is not positive
// or a value that is not finite give nullopt.
std::optional<PlotScale> ReadScaleAnswer(std::string answer, const PlotScale& defaults,
                                         bool circle);

// The pixel of a value; far-off values are pulled in to kFarCoordinate.
int PixelColumn(const PlotScale& scale, Extended x);
int PixelRow(const PlotScale& scale, const PlotGeometry& geometry, Extended y);

// Plots the curve columns against the x column over the data rows firstRow + 1 ...
// lastRow + 1, their names taken from row 1. False when the answer was refused (the picture
// keeps what it showed).
bool PlotGridColumns(const PlotPorts& ports, Worksheet& grid, int xCol, int firstRow, int lastRow,
                     std::span<const int> curveCols);

// One polyline of equally many xs and ys in the given colour, with the caption under it.
bool PlotPoints(const PlotPorts& ports, std::span<const Extended> xs, const std::string& caption,
                Color color, std::span<const Extended> ys);

// The plot block whose marker row is R: x in column 1, curves in columns 2 ... k + 1 (at most
// 10) named in the marker row, data down to the last row. Row 1 is put back on every path.
bool PlotBlock(const PlotPorts& ports, Worksheet& grid, int markerRow, int curveCount);

// The block of the current row: its curves are the non-empty cells from column 2 on.
bool PlotAtMarkerRow(const PlotPorts& ports, Worksheet& grid);

}  // namespace zarnix
