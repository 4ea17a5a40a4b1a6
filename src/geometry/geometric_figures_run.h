// What the sections of one geometric-figures run share: the formula letters a … w, x, y, z of
// the last figure column, the texts of the result cells that have no value, and writing a
// formula's value or the reason it has none into a cell.
#pragma once

#include <array>
#include <limits>
#include <string>
#include <string_view>

#include "base/errors.h"
#include "base/extended.h"
#include "base/fpu.h"

namespace zarnix {

struct Workbench;

// Why a result cell holds no number, in the order of kFigureMessageTexts.
enum class FigureMessage {
  kNoFigure,              // a formula of the figure faults or has no finite value
  kNotTriangle,           // the sides violate the triangle inequality, or there is no triangle
  kNotPolygon,            // a regular polygon needs a positive side and 3, 4, 5 … sides
  kNoSphericalTriangle,   // no spherical triangle has these sides and angles
  kTooFewParams,          // the figure needs more numbers than were given
  kNotPositive,           // a length, area or angle of the figure is zero or negative
  kPolygonSides,          // the number of sides is not a whole number of at least 3
  kPolyhedronFaces,       // no regular polyhedron has that many faces
  kFirstLarger,           // the first number must exceed the second (outer radius, base)
  kFirstNotLess,          // the first number must not be below the second (major semi-axis)
  kHeightAtMostDiameter,  // a cap or segment height cannot exceed the diameter
  kAngleBelow180,         // the angle must be below 180°
  kAngleAtMost360,        // the angle must not exceed 360°
  kOneSolution,
  kTwoSolutions,
  kInfiniteSolutions,
};

const char* FigureMessageText(FigureMessage message);

inline constexpr int kLetterCount = 23;  // a … w
constexpr int Letter(char name) {
  return name - 'a';
}

struct FigureRun {
  Workbench& bench;
  std::array<Extended, kLetterCount> letters{};
  Extended x = 0, y = 0, z = 0;  // the first three numbers of the last figure column

  Extended& operator[](char name) { return letters[static_cast<std::size_t>(Letter(name))]; }
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string text);
  void SetMessage(int col, int row, FigureMessage message);
  // The value in ResultFormat.
  std::string Real(Extended value) const;
  // Evaluates the formula with the letters and writes its value, or the reason it has none,
  // into the cell: the figure's other cells are still computed.
  void SetFormulaValue(int col, int row, std::string_view formula);
};

// Runs the computation; false when it raised a floating-point fault or error. No fault flag stays
// raised, and faults raised before are kept.
template <class Fn>
bool RunsWithoutFault(Fn compute) {
  FpFaultScope scope;
  try {
    compute();
    CheckFpFaults();
    return true;
  } catch (const EMathError&) {
    return false;
  }
}

// The value of an auxiliary quantity, NaN when computing it faults. A formula that uses a NaN
// letter has no finite value, so only the figures that need the quantity show that it cannot
// be computed.
template <class Fn>
Extended Quietly(Fn compute) {
  Extended value = 0;
  if (RunsWithoutFault([&] { value = compute(); })) return value;
  return std::numeric_limits<Extended>::quiet_NaN();
}

// Whether the row starts a section: the second character of its column-1 text is ".".
bool IsSectionHeader(const FigureRun& run, int row);
// A row that carries a figure or a measure: inside the sheet, with a column-1 text, and not
// the next section's header.
bool IsFigureRow(const FigureRun& run, int row);

}  // namespace zarnix
