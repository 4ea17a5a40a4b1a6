// The plotter: default scale, the scale dialog, the grid with its labels, the curves with
// their legend, and the plot-block entry.
#include "plot/plot_engine.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <limits>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "sheet/ask_text.h"
#include "sheet/text_utils.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr const char* kMarkerHint = "(双击此格看图像)";

// a x b / c rounded to the nearest integer, halves to even.
int RoundedRatio(long long a, long long b, long long c) {
  const long long product = a * b;
  long long q = product / c;
  const long long twice = 2 * (product % c);
  if (twice > c || (twice == c && q % 2 != 0)) ++q;
  return static_cast<int>(q);
}

Extended PowerOfTen(int exponent) {
  return std::pow(10.0L, static_cast<Extended>(exponent));
}

int Far(Extended pixel) {
  if (std::isnan(pixel)) return kFarCoordinate;
  return static_cast<int>(std::clamp(std::nearbyint(pixel), static_cast<Extended>(-kFarCoordinate),
                                     static_cast<Extended>(kFarCoordinate)));
}

// Single precision; values beyond its range become infinite.
float ToSingle(Extended value) {
  constexpr Extended kMax = std::numeric_limits<float>::max();
  if (value > kMax) return std::numeric_limits<float>::infinity();
  if (value < -kMax) return -std::numeric_limits<float>::infinity();
  return static_cast<float>(value);
}

// Far-off values are pulled in to the picture's far side, not faults: the flags a plot
// raises are dropped and the caller's are kept.
class QuietFpFaults {
 public:
  QuietFpFaults() : saved_(std::fetestexcept(kFaults)) {}
  ~QuietFpFaults() {
    std::feclearexcept(kFaults);
    if (saved_ != 0) std::feraiseexcept(saved_);
  }
  QuietFpFaults(const QuietFpFaults&) = delete;
  QuietFpFaults& operator=(const QuietFpFaults&) = delete;

 private:
  static constexpr int kFaults = FE_DIVBYZERO | FE_INVALID | FE_OVERFLOW;
  int saved_;
};

// What one plot draws: the xs, the curves with their colours and names, the axis names.
struct CurveSet {
  std::vector<float> xs;
  std::vector<std::vector<float>> ys;
  std::vector<Color> colors;
  std::vector<std::string> names;  // empty: no legend
  std::string xName;
  std::string caption;  // under the plot; empty: none
};

// Smallest and largest of the xs and of all curves, the y range starting from the first
// curve's first and last values.
PlotScale ScaleOf(const CurveSet& set, float yFirst, float yLast, PlotGeometry geometry) {
  const int n = static_cast<int>(set.xs.size());
  const MinMaxIndex x = MinMaxIndexOfSingles(set.xs, n);
  float ymin = yFirst;
  float ymax = yLast;
  for (const std::vector<float>& ys : set.ys) {
    if (ys.empty()) continue;
    const MinMaxIndex y = MinMaxIndexOfSingles(ys, static_cast<int>(ys.size()));
    ymin = std::min(ymin, ys[y.smallest]);
    ymax = std::max(ymax, ys[y.largest]);
  }
  return DefaultScale(set.xs[x.smallest], set.xs[x.largest], ymin, ymax, geometry);
}

// The dialog: the answer's scale, nullopt (after saying why) when it cannot be drawn with.
std::optional<PlotScale> AskScale(Ui& ui, const PlotScale& defaults, bool circle) {
  const std::string answer = AskText(ui, kScaleCaption, "", ScaleAnswerText(defaults));
  std::optional<PlotScale> scale = ReadScaleAnswer(answer, defaults, circle);
  if (!scale) ui.ShowMessage(kBadScaleMessage);
  return scale;
}

std::string Label(Extended value, int decimals) {
  return Format("%4." + IntToStr(decimals) + "f", value);
}

void DrawGrid(Canvas& canvas, const PlotGeometry& g, const PlotScale& scale,
              const std::string& xName) {
  const int right = g.Right();
  const int bottom = g.Bottom();
  const int half = kLabelFontSize / 2;
  for (int n = g.ny; n >= 0; --n) {
    const int row = PlotGeometry::kTop + PlotGeometry::kCell * n;
    canvas.MoveTo(PlotGeometry::kLeft, row);
    canvas.LineTo(right, row);
    const int i = g.ny - n;
    if (i % 2 == 0) {
      const Extended value = static_cast<Extended>(scale.y0) + i * static_cast<Extended>(scale.dy);
      canvas.TextOut(PlotGeometry::kLeft - 50, row - half, Label(value, scale.yd), kLabelFontSize);
    }
  }
  canvas.TextOut(PlotGeometry::kLeft - 50,
                 PlotGeometry::kTop - static_cast<int>(std::trunc(2.5 * kLabelFontSize)), "y",
                 kLabelFontSize);
  for (int o = 0; o <= g.nx; ++o) {
    const int col = PlotGeometry::kLeft + PlotGeometry::kCell * o;
    canvas.MoveTo(col, PlotGeometry::kTop);
    canvas.LineTo(col, bottom);
    if (o % 5 == 0) {
      const Extended value = static_cast<Extended>(scale.x0) + o * static_cast<Extended>(scale.dx);
      canvas.TextOut(col - 15, bottom + kLabelFontSize, Label(value, scale.xd), kLabelFontSize);
    }
  }
  canvas.TextOut(right + 25, bottom + kLabelFontSize, xName, kLabelFontSize);
}

// The polyline through the points in order. A line is drawn only between two points inside
// the grid: a point outside breaks the curve, and it resumes at the next inside point
// without a line from the outside one.
void DrawCurve(Canvas& canvas, const PlotGeometry& g, const PlotScale& scale,
               std::span<const float> xs, std::span<const float> ys) {
  const std::size_t n = std::min(xs.size(), ys.size());
  if (n == 0) return;
  auto inside = [&g](int px, int py) {
    return px >= PlotGeometry::kLeft && px <= g.Right() && py >= PlotGeometry::kTop &&
           py <= g.Bottom();
  };
  int px = PixelColumn(scale, xs[0]);
  int py = PixelRow(scale, g, ys[0]);
  canvas.MoveTo(px, py);
  bool penInside = inside(px, py);
  for (std::size_t k = 0; k < n; ++k) {
    px = PixelColumn(scale, xs[k]);
    py = PixelRow(scale, g, ys[k]);
    const bool pointInside = inside(px, py);
    if (pointInside && penInside) {
      canvas.LineTo(px, py);
    } else {
      canvas.MoveTo(px, py);
    }
    penInside = pointInside;
  }
}

void DrawCaption(Canvas& canvas, const PlotGeometry& g, const std::string& caption) {
  const std::size_t blank = caption.find(' ');
  const int left = PlotGeometry::kLeft;
  if (blank != std::string::npos && blank + 1 >= 6) {
    canvas.TextOut(left, g.Bottom() + 40, caption.substr(0, blank), kCaptionFontSize);
    canvas.TextOut(left, g.Bottom() + 70, caption.substr(blank), kCaptionFontSize);
  } else {
    canvas.TextOut(left, g.Bottom() + 40, caption, kCaptionFontSize);
  }
}

void Draw(const PlotPorts& ports, const PlotScale& scale, const CurveSet& set) {
  Canvas& canvas = ports.canvas;
  const PlotGeometry& g = ports.geometry;
  // Each plot replaces the whole picture.
  canvas.Clear();
  canvas.FillRect(0, 0, canvas.Width(), canvas.Height(), kWhite);
  canvas.SetPenColor(kBlack);
  DrawGrid(canvas, g, scale, set.xName);
  std::string caption;
  for (std::size_t s = 0; s < set.ys.size(); ++s) {
    canvas.SetPenColor(set.colors[s]);
    DrawCurve(canvas, g, scale, set.xs, set.ys[s]);
    if (s >= set.names.size()) continue;
    const int number = static_cast<int>(s) + 1;
    const int legendRow = PlotGeometry::kCell * number + 33;
    canvas.MoveTo(g.Right() + 10, legendRow);
    canvas.LineTo(g.Right() + 50, legendRow);
    const std::string legend = "曲线" + IntToStr(number) + ": " + set.names[s];
    canvas.TextOut(g.Right() + 60, PlotGeometry::kCell * number + 25, legend, kLabelFontSize);
    caption += (caption.empty() ? "" : "; ") + legend;
  }
  canvas.SetPenColor(kBlack);
  if (!set.caption.empty()) {
    DrawCaption(canvas, g, set.caption);
    caption = set.caption;
  }
  canvas.SetCaption(caption);
}

std::vector<float> ColumnValues(const Worksheet& grid, int col, int firstRow, int lastRow) {
  std::vector<float> values;
  values.reserve(std::max(lastRow - firstRow, 0));
  for (int row = firstRow + 1; row <= lastRow; ++row)
    values.push_back(ToSingle(StrToFloatDef(grid.Cell(col, row), 0)));
  return values;
}

// Puts a row's cells back when it goes out of scope.
class RowRestore {
 public:
  RowRestore(Worksheet& grid, int row, int firstCol) : grid_(grid), row_(row), firstCol_(firstCol) {
    for (int col = firstCol; col < grid.ColCount(); ++col) saved_.push_back(grid.Cell(col, row));
  }
  ~RowRestore() {
    for (std::size_t i = 0; i < saved_.size(); ++i)
      grid_.SetCell(firstCol_ + static_cast<int>(i), row_, saved_[i]);
  }
  RowRestore(const RowRestore&) = delete;
  RowRestore& operator=(const RowRestore&) = delete;

 private:
  Worksheet& grid_;
  int row_;
  int firstCol_;
  std::vector<std::string> saved_;
};

}  // namespace

PlotGeometry PlotGeometryForScreen(ScreenSize screen) {
  PlotGeometry g;
  g.nx = std::max(RoundedRatio(22, std::max(screen.width, 1), 800), 1);
  g.ny = std::max(RoundedRatio(16, std::max(screen.height, 1), 600), 1);
  return g;
}

Color CurveColor(int s) {
  static constexpr std::array<Color, 10> kColors = {
      0x000000,  // black
      0xFF0000,  // red
      0xFF00FF,  // fuchsia
      0x00FF00,  // lime
      0x0000FF,  // blue
      0x800080,  // purple
      0xC0C0C0,  // silver
      0xA6CAF0,  // sky blue
      0xFFFF00,  // yellow
      0x000080,  // navy
  };
  return kColors[((s % 10) + 10) % 10];
}

int LabelDecimals(float step) {
  int decimals = step >= 1 ? 0 : 2;
  for (int j = 1; j <= 10; ++j)
    if (PowerOfTen(-j) > static_cast<Extended>(step)) decimals = j + 1;
  return decimals;
}

PlotScale DefaultScale(float xmin, float xmax, float ymin, float ymax, PlotGeometry geometry) {
  PlotScale scale;
  scale.dx = ToSingle((static_cast<Extended>(xmax) - xmin) * 1.2L / geometry.nx);
  scale.dy = ToSingle((static_cast<Extended>(ymax) - ymin) * 1.2L / geometry.ny);
  scale.xd = LabelDecimals(scale.dx);
  scale.yd = scale.dy == 0 ? 1 : LabelDecimals(scale.dy);
  scale.x0 = xmin;
  scale.y0 = ToSingle(static_cast<Extended>(ymin) - PowerOfTen(-scale.yd));
  return scale;
}

std::string FixedSignificant(Extended value, int precision, int digits) {
  if (!std::isfinite(value)) return GeneralFormat(value);
  // The exponent after rounding to the significant digits decides how many decimals carry
  // them.
  const std::string scientific = FormatExponent(value, precision - 1);
  const std::size_t e = scientific.find('E');
  const int exponent = e == std::string::npos ? 0 : StrToIntDef(scientific.substr(e + 1), 0);
  const int integerDigits = exponent + 1;
  if (integerDigits > precision) return scientific;
  const int decimals = std::min(digits, precision - integerDigits);
  std::string text = FormatFixed(value, std::max(decimals, 0));
  if (digits > decimals) {
    if (decimals <= 0) text += '.';
    text.append(digits - std::max(decimals, 0), '0');
  }
  return text;
}

std::string ScaleAnswerText(const PlotScale& s) {
  return FixedSignificant(s.x0, 6, s.xd) + "," + FixedSignificant(s.y0, 6, s.yd) + "," +
         FixedSignificant(s.dx, 6, s.xd) + "," + FixedSignificant(s.dy, 6, s.yd);
}

std::optional<PlotScale> ReadScaleAnswer(std::string answer, const PlotScale& defaults,
                                         bool circle) {
  std::array<float, 101> values{};
  int count = 0;
  SplitSingles(answer, values, count);
  PlotScale scale = defaults;
  scale.x0 = values[0];
  scale.y0 = values[1];
  scale.dx = values[2];
  scale.dy = values[3];
  if (scale.dy == 0) scale.dy = 0.1f;
  if (circle) scale.dx = scale.dy = std::max(scale.dx, scale.dy);
  const bool finite = std::isfinite(scale.x0) && std::isfinite(scale.y0) &&
                      std::isfinite(scale.dx) && std::isfinite(scale.dy);
  if (count < 4 || !finite || !(scale.dx > 0) || !(scale.dy > 0)) return std::nullopt;
  return scale;
}

int PixelColumn(const PlotScale& scale, Extended x) {
  return Far(PlotGeometry::kLeft +
             PlotGeometry::kCell * (x - static_cast<Extended>(scale.x0)) / scale.dx);
}

int PixelRow(const PlotScale& scale, const PlotGeometry& geometry, Extended y) {
  // z is the pixel row of y = 0.
  const Extended z = std::trunc(PlotGeometry::kCell * static_cast<Extended>(scale.y0) / scale.dy +
                                geometry.Bottom() + 0.1L);
  return Far(z - PlotGeometry::kCell * y / scale.dy);
}

bool PlotGridColumns(const PlotPorts& ports, Worksheet& grid, int xCol, int firstRow, int lastRow,
                     std::span<const int> curveCols) {
  if (curveCols.empty()) return false;
  QuietFpFaults faults;
  CurveSet set;
  set.xs = ColumnValues(grid, xCol, firstRow, lastRow + 1);
  const float yFirst = ToSingle(StrToFloat(grid.Cell(curveCols[0], firstRow + 1)));
  const float yLast = ToSingle(StrToFloat(grid.Cell(curveCols[0], lastRow + 1)));
  if (set.xs.empty()) return false;
  for (std::size_t s = 0; s < curveCols.size(); ++s) {
    set.ys.push_back(ColumnValues(grid, curveCols[s], firstRow, lastRow + 1));
    set.colors.push_back(CurveColor(static_cast<int>(s) + 1));
    set.names.push_back(grid.Cell(curveCols[s], 1));
  }
  const PlotScale defaults = ScaleOf(set, yFirst, yLast, ports.geometry);
  const bool circle = grid.Cell(1, grid.Row()) == kCircleLabel;
  const std::optional<PlotScale> scale = AskScale(ports.ui, defaults, circle);
  if (!scale) return false;
  const std::string& xName = grid.Cell(xCol, firstRow);
  const std::size_t hint = xName.find(kMarkerHint);
  set.xName = hint == std::string::npos ? xName : xName.substr(0, hint);
  Draw(ports, *scale, set);
  return true;
}

bool PlotPoints(const PlotPorts& ports, std::span<const Extended> xs, const std::string& caption,
                Color color, std::span<const Extended> ys) {
  const std::size_t n = std::min(xs.size(), ys.size());
  if (n == 0) return false;
  QuietFpFaults faults;
  CurveSet set;
  set.xs.reserve(n);
  set.ys.emplace_back();
  for (std::size_t k = 0; k < n; ++k) {
    set.xs.push_back(ToSingle(xs[k]));
    set.ys[0].push_back(ToSingle(ys[k]));
  }
  set.colors.push_back(color);
  set.xName = "x";
  set.caption = caption;
  const PlotScale defaults = ScaleOf(set, set.ys[0].front(), set.ys[0].back(), ports.geometry);
  const std::optional<PlotScale> scale = AskScale(ports.ui, defaults, false);
  if (!scale) return false;
  Draw(ports, *scale, set);
  return true;
}

bool PlotBlock(const PlotPorts& ports, Worksheet& grid, int markerRow, int curveCount) {
  const int k = std::min(curveCount, kMaxPlotCurves);
  if (k <= 0) return false;
  // The curves' names are read from row 1, so the marker row's names stand there meanwhile.
  RowRestore restore(grid, 1, 2);
  for (int col = 2; col < grid.ColCount(); ++col) grid.SetCell(col, 1, grid.Cell(col, markerRow));
  std::vector<int> curveCols;
  for (int c = 0; c < k; ++c) curveCols.push_back(2 + c);
  return PlotGridColumns(ports, grid, 1, markerRow, grid.RowCount() - 2, curveCols);
}

bool PlotAtMarkerRow(const PlotPorts& ports, Worksheet& grid) {
  const int row = grid.Row();
  int count = 0;
  while (count < kMaxPlotCurves && !grid.Cell(2 + count, row).empty()) ++count;
  if (count == 0) {
    ports.ui.ShowMessage("此行没有可画的曲线");
    return false;
  }
  return PlotBlock(ports, grid, row, count);
}

}  // namespace zarnix
