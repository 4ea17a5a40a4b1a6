// Triangles and regular polygons, one figure per header column: the header cell's numbers
// become the figure's sides (rows below the header), then every measure row's formula is
// evaluated with a, b, c = the sides, s = the semi-perimeter and n = b.
#include "geometry/geometric_figures_columns.h"

#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "geometry/geometric_figures_run.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

constexpr int kFirstCol = 3;
constexpr int kLastCol = 7;
constexpr Extended kPi = 3.1415926535897932385L;
// Sides that close up flat to within this share of the perimeter are no triangle: three
// points on a line give such sides after rounding.
constexpr Extended kFlat = 1e-14L;

using Values = std::vector<Extended>;

// The figure of one column: its sides, which parameter rows show a value computed here rather
// than the typed part, and whether the given numbers describe a figure at all.
struct FigureColumn {
  std::array<Extended, 3> abc{};
  std::array<bool, 3> computed{};
  bool valid = true;
};

// How a column reads its numbers.
struct ColumnKind {
  std::size_t count;
  FigureColumn (*make)(const Values& v);
};

Extended SinDegrees(Extended degrees) {
  return std::sin(degrees * kPi / 180);
}

Extended Distance(std::span<const Extended> p, std::span<const Extended> q) {
  Extended sum = 0;
  for (std::size_t i = 0; i < p.size(); ++i) sum += (q[i] - p[i]) * (q[i] - p[i]);
  return std::sqrt(sum);
}

// --- triangles ---

FigureColumn ThreeSides(const Values& v) {
  return {{v[0], v[1], v[2]}, {}, true};
}

// a, the angle B between a and c in degrees, c.
FigureColumn SidesAndAngle(const Values& v) {
  const Extended b =
      std::sqrt(v[0] * v[0] + v[2] * v[2] - 2 * v[0] * v[2] * std::cos(v[1] * kPi / 180));
  return {{v[0], b, v[2]}, {false, true, false}, v[1] > 0 && v[1] < 180};
}

// The angle A, the side b, the angle C in degrees: a and c by the law of sines.
FigureColumn AnglesAndSide(const Values& v) {
  if (!(v[0] > 0 && v[2] > 0 && v[0] + v[2] < 180)) return {{}, {true, false, true}, false};
  const Extended sinB = SinDegrees(180 - v[0] - v[2]);
  return {{SinDegrees(v[0]) * v[1] / sinB, v[1], SinDegrees(v[2]) * v[1] / sinB},
          {true, false, true},
          true};
}

// Points of `dimension` coordinates each, one after the other.
FigureColumn Points(const Values& v, std::size_t dimension) {
  const std::span<const Extended> all(v);
  const auto p1 = all.subspan(0, dimension);
  const auto p2 = all.subspan(dimension, dimension);
  const auto p3 = all.subspan(2 * dimension, dimension);
  return {{Distance(p1, p2), Distance(p3, p2), Distance(p1, p3)}, {true, true, true}, true};
}

FigureColumn PlanePoints(const Values& v) {
  return Points(v, 2);
}

FigureColumn SpacePoints(const Values& v) {
  return Points(v, 3);
}

bool ClosesUp(const std::array<Extended, 3>& s) {
  const Extended perimeter = s[0] + s[1] + s[2];
  if (!(s[0] > 0 && s[1] > 0 && s[2] > 0 && std::isfinite(perimeter))) return false;
  const Extended margin = kFlat * perimeter;
  return s[0] + margin < s[1] + s[2] && s[1] + margin < s[0] + s[2] && s[2] + margin < s[0] + s[1];
}

// --- regular polygons ---

bool IsSideCount(Extended n) {
  return n >= 3 && std::trunc(n) == n;
}

FigureColumn SideAndCount(const Values& v) {
  return {{v[0], v[1], 0}, {}, IsSideCount(v[1])};
}

FigureColumn CircumradiusAndCount(const Values& v) {
  if (!IsSideCount(v[1])) return {{}, {true, false}, false};
  return {{2 * v[0] * std::sin(kPi / v[1]), v[1], 0}, {true, false}, true};
}

FigureColumn InradiusAndCount(const Values& v) {
  if (!IsSideCount(v[1])) return {{}, {true, false}, false};
  return {{2 * v[0] * std::tan(kPi / v[1]), v[1], 0}, {true, false}, true};
}

bool PositiveSide(const std::array<Extended, 3>& s) {
  return s[0] > 0 && std::isfinite(s[0]);
}

// --- the section loop ---

struct ColumnSection {
  std::array<ColumnKind, kLastCol - kFirstCol + 1> kinds;
  int rows;  // parameter rows below the header
  FigureMessage failure;
  bool (*isFigure)(const std::array<Extended, 3>& sides);
};

constexpr ColumnSection kTriangles = {
    {{{3, ThreeSides}, {3, SidesAndAngle}, {3, AnglesAndSide}, {6, PlanePoints}, {9, SpacePoints}}},
    3,
    FigureMessage::kNotTriangle,
    ClosesUp};

constexpr ColumnSection kPolygons = {{{{2, SideAndCount},
                                       {2, CircumradiusAndCount},
                                       {2, InradiusAndCount},
                                       {2, SideAndCount},
                                       {2, SideAndCount}}},
                                     2,
                                     FigureMessage::kNotPolygon,
                                     PositiveSide};

Extended At(const Values& values, std::size_t i) {
  return i < values.size() ? values[i] : 0;
}

// A figure whose sides overflow is none.
FigureColumn MakeFigure(const ColumnKind& kind, const Values& values) {
  FigureColumn column;
  if (!RunsWithoutFault([&] { column = kind.make(values); })) column.valid = false;
  return column;
}

// The sides computed here, or the reason in their place.
void WriteComputedSides(FigureRun& run, const ColumnSection& section, int header, int col,
                        const FigureColumn& column, bool valid) {
  for (int i = 0; i < section.rows; ++i) {
    if (!column.computed[i]) continue;
    if (valid) {
      run.SetCell(col, header + 1 + i, run.Real(column.abc[i]));
    } else {
      run.SetMessage(col, header + 1 + i, section.failure);
    }
  }
}

// a, b (and c for triangles), the semi-perimeter s and n = b.
void SetSideLetters(FigureRun& run, const ColumnSection& section, const FigureColumn& column) {
  run['a'] = column.abc[0];
  run['b'] = column.abc[1];
  if (section.rows == 3) run['c'] = column.abc[2];
  run['s'] = Quietly([&] { return (run['a'] + run['b'] + run['c']) / 2; });
  run['n'] = run['b'];
}

// Writes the parameter rows (the typed parts, then the sides computed from them) and sets the
// letters; the reason when the column is no figure.
std::optional<FigureMessage> FillParameters(FigureRun& run, const ColumnSection& section,
                                            int header, int col, const std::string& cell) {
  const std::vector<std::string> parts = SplitText(cell, ';');
  const Values values = SplitReals(cell, ';');
  run.x = At(values, 0);
  run.y = At(values, 1);
  run.z = At(values, 2);
  for (int i = 0; i < section.rows; ++i)
    run.SetCell(col, header + 1 + i, i < static_cast<int>(parts.size()) ? parts[i] : "");
  const ColumnKind& kind = section.kinds[col - kFirstCol];
  if (values.size() < kind.count) return FigureMessage::kTooFewParams;
  const FigureColumn column = MakeFigure(kind, values);
  const bool valid = column.valid && section.isFigure(column.abc);
  WriteComputedSides(run, section, header, col, column, valid);
  if (!valid) return section.failure;
  SetSideLetters(run, section, column);
  return std::nullopt;
}

void RunColumns(FigureRun& run, int header, const ColumnSection& section) {
  for (int col = kFirstCol; col <= kLastCol; ++col) {
    const std::string cell = run.Cell(col, header);
    if (cell.empty()) break;
    const std::optional<FigureMessage> failure = FillParameters(run, section, header, col, cell);
    for (int row = header + 1 + section.rows; IsFigureRow(run, row); ++row) {
      if (failure) {
        run.SetMessage(col, row, *failure);
      } else {
        run.SetFormulaValue(col, row, run.Cell(2, row));
      }
    }
  }
}

}  // namespace

void RunTriangleSection(FigureRun& run, int header) {
  RunColumns(run, header, kTriangles);
}

void RunPolygonSection(FigureRun& run, int header) {
  RunColumns(run, header, kPolygons);
}

}  // namespace zarnix
