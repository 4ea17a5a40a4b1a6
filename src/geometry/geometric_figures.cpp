// The geometric-figures handler: finds the section headers and runs each section's algorithm;
// the spherical-triangle and great-circle sections are written here.
#include "geometry/geometric_figures.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/fpu.h"
#include "geometry/geometric_figures_columns.h"
#include "geometry/geometric_figures_run.h"
#include "geometry/geometric_figures_segments.h"
#include "geometry/geometric_figures_spherical.h"
#include "geometry/geometric_figures_table.h"
#include "sheet/item_sheet.h"
#include "sheet/text_utils.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {

namespace {

constexpr ColumnWidth kWidths[] = {{0, 1}, {1, 90}, {2, 130}};
constexpr int kDefaultWidth = 56;
constexpr int kFirstRow = 2;

// --- spherical triangles ---

constexpr int kFirstSphericalCol = 3;
constexpr SphericalGiven kSphericalColumns[] = {
    SphericalGiven::kSides,         SphericalGiven::kAngles,
    SphericalGiven::kSideAngleSide, SphericalGiven::kAngleSideAngle,
    SphericalGiven::kSideSideAngle, SphericalGiven::kAngleAngleSide,
};
constexpr int kSphericalParts = 6;  // three sides, then three angles
// The row below the parts where the last two columns say how many triangles there are.
constexpr int kSolutionCountRow = kSphericalParts + 1;

bool MayHaveTwo(SphericalGiven given) {
  return given == SphericalGiven::kSideSideAngle || given == SphericalGiven::kAngleAngleSide;
}

FigureMessage CountMessage(const SphericalSolutions& solutions) {
  if (solutions.infinite) return FigureMessage::kInfiniteSolutions;
  if (solutions.count == 0) return FigureMessage::kNoSphericalTriangle;
  return solutions.count == 1 ? FigureMessage::kOneSolution : FigureMessage::kTwoSolutions;
}

// Part i of every solution, ";" between two.
std::string PartText(const FigureRun& run, const SphericalSolutions& solutions, int i) {
  std::string text;
  for (int k = 0; k < solutions.count; ++k) {
    const SphericalTriangle& t = solutions.triangles[k];
    if (k > 0) text += ";";
    text += run.Real(i < 3 ? t.sides[i] : t.angles[i - 3]);
  }
  return text;
}

void WriteSpherical(FigureRun& run, int header, int col, const SphericalSolutions& solutions) {
  for (int i = 0; i < kSphericalParts; ++i) {
    if (solutions.count > 0) {
      run.SetCell(col, header + 1 + i, PartText(run, solutions, i));
    } else {
      run.SetMessage(col, header + 1 + i, CountMessage(solutions));
    }
  }
}

void RunSphericalSection(FigureRun& run, int header) {
  for (int i = 0; i < static_cast<int>(std::size(kSphericalColumns)); ++i) {
    const int col = kFirstSphericalCol + i;
    const std::string cell = run.Cell(col, header);
    if (Trim(cell).empty()) continue;
    const std::vector<Extended> v = SplitReals(cell, ';');
    const SphericalGiven given = kSphericalColumns[i];
    if (v.size() < 3) {
      for (int k = 1; k <= kSphericalParts; ++k)
        run.SetMessage(col, header + k, FigureMessage::kTooFewParams);
      continue;
    }
    const SphericalSolutions solutions = SolveSphericalTriangle(given, v[0], v[1], v[2]);
    WriteSpherical(run, header, col, solutions);
    if (MayHaveTwo(given)) run.SetMessage(col, header + kSolutionCountRow, CountMessage(solutions));
  }
}

// --- the great-circle distance ---

constexpr int kFirstPlaceCol = 3;  // λ1, φ1, λ2, φ2, then the radius
constexpr int kDistanceCol = 9;

void RunDistanceSection(FigureRun& run, int header) {
  std::array<Extended, 5> v{};
  for (int i = 0; i < 5; ++i) v[i] = StrToFloat(run.Cell(kFirstPlaceCol + i, header));
  if (!(v[4] > 0)) {
    run.SetMessage(kDistanceCol, header, FigureMessage::kNotPositive);
    return;
  }
  const Extended distance =
      Quietly([&] { return GreatCircleDistance(v[0], v[1], v[2], v[3], v[4]); });
  if (std::isfinite(distance)) {
    run.SetCell(kDistanceCol, header, run.Real(distance));
  } else {
    run.SetMessage(kDistanceCol, header, FigureMessage::kNoFigure);
  }
}

// --- the sections ---

using Section = void (*)(FigureRun& run, int header);
constexpr Section kSections[] = {
    RunTriangleSection,  RunPolygonSection,  RunFigureTable,    RunFigureTable,
    RunSphericalSection, RunDistanceSection, RunSegmentSection,
};

std::vector<int> SectionHeaders(const FigureRun& run) {
  std::vector<int> headers;
  for (int row = kFirstRow; row < run.bench.grid.RowCount(); ++row)
    if (IsSectionHeader(run, row) && headers.size() < std::size(kSections)) headers.push_back(row);
  return headers;
}

}  // namespace

void HandleGeometricFigures(Workbench& bench) {
  ApplyColumnLayout(bench.grid, {kDefaultWidth, kWidths});
  ClearFpFaults();
  FigureRun run{bench};
  const std::vector<int> headers = SectionHeaders(run);
  for (std::size_t k = 0; k < headers.size(); ++k) kSections[k](run, headers[k]);
}

}  // namespace zarnix
