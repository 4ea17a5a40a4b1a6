// Solids and plane figures by the row: the auxiliary letters some figures' formulas need (the
// areas of regular polygons, a segment's central angle, a zone's sphere radius, slant heights,
// the ellipse's perimeter series), the tetrahedron's volume from its four points, then the
// measure formulas.
#include "geometry/geometric_figures_table.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/convert.h"
#include "geometry/geometric_figures_run.h"
#include "numeric/linear_algebra.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
constexpr int kParamCol = 3;
constexpr int kFormulaCols[] = {4, 6, 8, 10};  // each value goes into the next column
constexpr int kVolumeCol = 5;
// A tetrahedron whose volume is below this share of the cube over its longest coordinate
// difference is flat: its four points lie in one plane.
constexpr Extended kFlat = 1e-15L;

constexpr std::string_view kPolyhedron = "正多面体";
constexpr std::string_view kSegment = "弓形";
constexpr std::string_view kTetrahedron = "四面体";
constexpr std::string_view kZone = "球台";
constexpr std::string_view kPyramidFrustum = "正棱台";
constexpr std::string_view kConeFrustum = "圆台";
constexpr std::string_view kEllipse = "椭圆";

using Values = std::vector<Extended>;

// What the numbers of a known figure must satisfy besides their count.
enum class Check {
  kPositive,
  kPolygon,         // positive, b a whole number of sides of at least 3
  kPolyhedron,      // positive, b one of 4, 6, 8, 12, 20
  kFirstLarger,     // positive, a > b
  kFirstNotLess,    // positive, a ≥ b
  kCapHeight,       // positive, b ≤ 2a
  kAngleBelow180,   // positive, the last number (an angle) below 180
  kAngleAtMost360,  // positive, b (an angle) at most 360
  kCoordinates,     // any numbers
};

struct FigureRule {
  std::string_view name;
  std::size_t params;
  Check check;
};

constexpr FigureRule kRules[] = {
    {"立方体", 1, Check::kPositive},       {"长方体", 3, Check::kPositive},
    {"正棱柱", 3, Check::kPolygon},        {"正棱锥", 3, Check::kPolygon},
    {kPyramidFrustum, 4, Check::kPolygon}, {"圆柱", 2, Check::kPositive},
    {"圆锥", 2, Check::kPositive},         {kConeFrustum, 3, Check::kPositive},
    {"球", 1, Check::kPositive},           {"球缺", 2, Check::kCapHeight},
    {kZone, 3, Check::kPositive},          {"圆环体", 2, Check::kFirstLarger},
    {kPolyhedron, 2, Check::kPolyhedron},  {kTetrahedron, 12, Check::kCoordinates},
    {"椭球", 3, Check::kPositive},         {"正方形", 1, Check::kPositive},
    {"长方形", 2, Check::kPositive},       {"平行四边形", 3, Check::kAngleBelow180},
    {"梯形", 4, Check::kFirstLarger},      {"菱形", 2, Check::kPositive},
    {"圆内接四边形", 4, Check::kPositive}, {"圆", 1, Check::kPositive},
    {"圆环", 2, Check::kFirstLarger},      {"扇形", 2, Check::kAngleAtMost360},
    {kSegment, 2, Check::kCapHeight},      {kEllipse, 2, Check::kFirstNotLess},
    {"正多边形", 2, Check::kPolygon},
};

const FigureRule* FindRule(std::string_view name) {
  for (const FigureRule& rule : kRules)
    if (rule.name == name) return &rule;
  return nullptr;
}

bool IsPolyhedronFaces(Extended faces) {
  return faces == 4 || faces == 6 || faces == 8 || faces == 12 || faces == 20;
}

std::optional<FigureMessage> CheckOf(Check check, const Values& v) {
  const bool positive = std::all_of(v.begin(), v.end(), [](Extended x) { return x > 0; });
  if (check == Check::kCoordinates) return std::nullopt;
  if (!positive) return FigureMessage::kNotPositive;
  switch (check) {
    case Check::kPositive:
    case Check::kCoordinates:
      return std::nullopt;
    case Check::kPolygon:
      if (v[1] < 3 || std::trunc(v[1]) != v[1]) return FigureMessage::kPolygonSides;
      return std::nullopt;
    case Check::kPolyhedron:
      if (!IsPolyhedronFaces(v[1])) return FigureMessage::kPolyhedronFaces;
      return std::nullopt;
    case Check::kFirstLarger:
      if (!(v[0] > v[1])) return FigureMessage::kFirstLarger;
      return std::nullopt;
    case Check::kFirstNotLess:
      if (!(v[0] >= v[1])) return FigureMessage::kFirstNotLess;
      return std::nullopt;
    case Check::kCapHeight:
      if (!(v[1] <= 2 * v[0])) return FigureMessage::kHeightAtMostDiameter;
      return std::nullopt;
    case Check::kAngleBelow180:
      if (!(v.back() < 180)) return FigureMessage::kAngleBelow180;
      return std::nullopt;
    case Check::kAngleAtMost360:
      if (!(v[1] <= 360)) return FigureMessage::kAngleAtMost360;
      return std::nullopt;
  }
  return std::nullopt;
}

// Why the numbers describe no figure of that name; nothing for names without a rule.
std::optional<FigureMessage> FigureFailure(std::string_view name, const Values& values) {
  const FigureRule* rule = FindRule(name);
  if (!rule) return std::nullopt;
  if (values.size() < rule->params) return FigureMessage::kTooFewParams;
  return CheckOf(rule->check, values);
}

void WriteFailure(FigureRun& run, int row, bool tetrahedron, FigureMessage failure) {
  for (const int col : kFormulaCols) {
    const bool computed = !run.Cell(col, row).empty() || (tetrahedron && col + 1 == kVolumeCol);
    if (computed) run.SetMessage(col + 1, row, failure);
  }
}

Extended Cot(Extended x) {
  return std::cos(x) / std::sin(x);
}

// The area of the regular polygon with `sides` sides of length `side`.
Extended PolygonArea(Extended sides, Extended side) {
  return Quietly([&] { return Cot(kPi / sides) * sides * side * side / 4; });
}

// The four points (x, y, z) each: the determinant of the rows (x, y, z, 1) is six times the
// signed volume.
std::optional<Extended> TetrahedronVolume(const Values& v) {
  RCOMat m(4);
  Extended extent = 0;
  for (int k = 0; k < 4; ++k) {
    for (int j = 0; j < 3; ++j) {
      m(k, j) = v[static_cast<std::size_t>(3 * k + j)];
      extent = std::max(extent, std::fabs(m(k, j) - m(0, j)));
    }
    m(k, 3) = 1;
  }
  Extended volume = 0;
  const bool computed = RunsWithoutFault([&] {
    volume = std::fabs(LuDecompose(m).determinant) / 6;
    if (!(volume > kFlat * extent * extent * extent)) volume = 0;
  });
  if (!computed || volume == 0) return std::nullopt;
  return volume;
}

// The auxiliary letters that steps before the first measure need.
void SetVolumeLetters(FigureRun& run, std::string_view name) {
  if (name == kPolyhedron) run['m'] = PolyhedronVolumeCoefficient(run['b']);
  if (name == kSegment)
    run['o'] = Quietly([&] { return 2 * std::acos((run['a'] - run['b']) / run['a']); });
  run['p'] = PolygonArea(run['b'], run['a']);
  run['q'] = PolygonArea(run['b'], run['d']);
  run['s'] = Quietly([&] { return (run['a'] + run['b'] + run['c'] + run['d']) / 2; });
}

// The zone's sphere: its centre lies e = (b² − a² + c²)/(2c) from the plane of the base of
// radius a, towards the other base.
void SetZoneLetters(FigureRun& run, std::string_view name) {
  if (name != kZone) return;
  const Extended a = run['a'], b = run['b'], c = run['c'];
  run['r'] = Quietly([&] {
    const Extended e = (b * b - a * a + c * c) / (2 * c);
    return std::sqrt(e * e + a * a);
  });
}

// The letters of the second measure: slant heights, the polyhedron's face, the ellipse's
// perimeter factor.
void SetSurfaceLetters(FigureRun& run, std::string_view name) {
  const Extended a = run['a'], b = run['b'], c = run['c'], d = run['d'];
  if (name == kPyramidFrustum) {
    // The faces' height spans the difference of the two bases' apothems, (a/2)·cot(π/b)
    // and (d/2)·cot(π/b).
    run['l'] = Quietly([&] { return std::hypot(Cot(kPi / b) * (a - d) / 2, c); });
  } else if (name == kConeFrustum) {
    run['l'] = Quietly([&] { return std::hypot(a - b, c); });
  } else if (name == kPolyhedron) {
    run['n'] = b == 6 ? 4 : b == 12 ? 5 : 3;
    run['p'] = PolygonArea(run['n'], a);
  } else if (name == kEllipse) {
    run['c'] = Quietly([&] {
      const Extended h = (a - b) * (a - b) / ((a + b) * (a + b));
      return 1 + h / 4 + h * h / 64 + h * h * h / 256 + 25 * h * h * h * h / 16384;
    });
  }
}

void SetFormulaValue(FigureRun& run, int formulaCol, int row) {
  const std::string formula = run.Cell(formulaCol, row);
  if (!formula.empty()) run.SetFormulaValue(formulaCol + 1, row, formula);
}

void RunFigureRow(FigureRun& run, int row) {
  const std::string name = Trim(run.Cell(1, row));
  const Values values = SplitReals(run.Cell(kParamCol, row), ';');
  const bool tetrahedron = name == kTetrahedron;
  if (const auto failure = FigureFailure(name, values)) {
    WriteFailure(run, row, tetrahedron, *failure);
    return;
  }
  std::copy_n(values.begin(), std::min<std::size_t>(values.size(), kLetterCount),
              run.letters.begin());
  if (tetrahedron) {
    const std::optional<Extended> volume = TetrahedronVolume(values);
    if (volume) {
      run.SetCell(kVolumeCol, row, run.Real(*volume));
    } else {
      run.SetMessage(kVolumeCol, row, FigureMessage::kNoFigure);
    }
  } else {
    SetVolumeLetters(run, name);
    SetFormulaValue(run, kFormulaCols[0], row);
  }
  SetZoneLetters(run, name);
  if (!run.Cell(kFormulaCols[1], row).empty()) SetSurfaceLetters(run, name);
  SetFormulaValue(run, kFormulaCols[1], row);
  SetFormulaValue(run, kFormulaCols[2], row);
  SetFormulaValue(run, kFormulaCols[3], row);
}

}  // namespace

Extended PolyhedronVolumeCoefficient(Extended faces) {
  const Extended root2 = std::sqrt(2.0L);
  const Extended root5 = std::sqrt(5.0L);
  if (faces == 4) return root2 / 12;
  if (faces == 6) return 1;
  if (faces == 8) return root2 / 3;
  if (faces == 12) return (15 + 7 * root5) / 4;
  if (faces == 20) return 5 * (3 + root5) / 12;
  return std::numeric_limits<Extended>::quiet_NaN();
}

void RunFigureTable(FigureRun& run, int header) {
  for (int row = header + 1; IsFigureRow(run, row); ++row) RunFigureRow(run, row);
}

}  // namespace zarnix
