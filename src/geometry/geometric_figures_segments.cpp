// Completing a circular segment from two of its parts and measuring it and its sector.
#include "geometry/geometric_figures_segments.h"

#include <array>
#include <cmath>
#include <string>

#include "base/convert.h"
#include "base/errors.h"
#include "geometry/geometric_figures_run.h"

namespace zarnix {

namespace {

constexpr Extended kPi = 3.1415926535897932385L;
constexpr int kAngleCol = 2;
constexpr int kLastMeasureCol = 10;

Extended HalfAngle(Extended degrees) {
  return degrees * kPi / 360;
}

Segment FromAngleRadius(Extended angle, Extended r) {
  return {angle, r, 2 * r * std::sin(HalfAngle(angle)), r - r * std::cos(HalfAngle(angle))};
}

Segment FromRadiusHeight(Extended r, Extended h) {
  const Extended angle = 2 * std::acos((r - h) / r) * 180 / kPi;
  return {angle, r, 2 * std::sqrt((2 * r - h) * h), h};
}

Segment Complete(SegmentGiven given, Extended first, Extended second) {
  switch (given) {
    case SegmentGiven::kAngleRadius:
      return FromAngleRadius(first, second);
    case SegmentGiven::kAngleChord:
      return FromAngleRadius(first, second / 2 / std::sin(HalfAngle(first)));
    case SegmentGiven::kRadiusChord:
      return FromAngleRadius(2 * std::asin(second / 2 / first) * 180 / kPi, first);
    case SegmentGiven::kRadiusHeight:
      return FromRadiusHeight(first, second);
    case SegmentGiven::kChordHeight:
      return FromRadiusHeight((first * first + 4 * second * second) / (8 * second), second);
  }
  return {};
}

bool IsSegment(const Segment& s) {
  return s.angle > 0 && s.angle < 360 && s.radius > 0 && s.chord > 0 && s.height > 0 &&
         std::isfinite(s.radius) && std::isfinite(s.chord);
}

// The given parts' own limits, so that no inverse function leaves its domain.
bool GivenFit(SegmentGiven given, Extended first, Extended second) {
  if (!(first > 0 && second > 0)) return false;
  switch (given) {
    case SegmentGiven::kAngleRadius:
    case SegmentGiven::kAngleChord:
      return first < 360;
    case SegmentGiven::kRadiusChord:
    case SegmentGiven::kRadiusHeight:
      return second <= 2 * first;
    case SegmentGiven::kChordHeight:
      return true;
  }
  return false;
}

struct SegmentRow {
  SegmentGiven given;
  int firstCol;  // the given parts' columns
  int secondCol;
};

constexpr SegmentRow kRows[] = {
    {SegmentGiven::kAngleRadius, 2, 3}, {SegmentGiven::kAngleChord, 2, 4},
    {SegmentGiven::kRadiusChord, 3, 4}, {SegmentGiven::kRadiusHeight, 3, 5},
    {SegmentGiven::kChordHeight, 4, 5},
};

void WriteSegment(FigureRun& run, int row, const SegmentRow& kind, const Segment& s) {
  const std::array<Extended, 4> parts = {s.angle, s.radius, s.chord, s.height};
  for (int col = kAngleCol; col < kAngleCol + 4; ++col)
    if (col != kind.firstCol && col != kind.secondCol)
      run.SetCell(col, row, run.Real(parts[static_cast<std::size_t>(col - kAngleCol)]));
  const SegmentMeasures m = MeasureSegment(s);
  run.SetCell(6, row, run.Real(m.arc));
  run.SetCell(7, row, run.Real(m.area));
  run.SetCell(8, row, run.Real(m.centroid) + ",0");
  run.SetCell(9, row, run.Real(m.sectorArea));
  run.SetCell(10, row, run.Real(m.sectorCentroid) + ",0");
}

void WriteNoSegment(FigureRun& run, int row, const SegmentRow& kind) {
  for (int col = kAngleCol; col <= kLastMeasureCol; ++col)
    if (col != kind.firstCol && col != kind.secondCol)
      run.SetMessage(col, row, FigureMessage::kNoFigure);
}

}  // namespace

std::optional<Segment> CompleteSegment(SegmentGiven given, Extended first, Extended second) {
  if (!GivenFit(given, first, second)) return std::nullopt;
  Segment segment;
  if (!RunsWithoutFault([&] { segment = Complete(given, first, second); })) return std::nullopt;
  if (!IsSegment(segment)) return std::nullopt;
  return segment;
}

SegmentMeasures MeasureSegment(const Segment& s) {
  SegmentMeasures m;
  m.arc = s.radius * s.angle * kPi / 180;
  // The sector less (or, beyond a half circle, plus) the triangle over the chord.
  m.area = (s.radius * m.arc - s.chord * (s.radius - s.height)) / 2;
  m.centroid = s.chord * s.chord * s.chord / (12 * m.area);
  m.sectorArea = kPi * s.radius * s.radius * s.angle / 360;
  m.sectorCentroid = 2 * s.radius * s.chord / (3 * m.arc);
  return m;
}

void RunSegmentSection(FigureRun& run, int header) {
  for (int i = 0; i < 5; ++i) {
    const SegmentRow& kind = kRows[i];
    const int row = header + 1 + i;
    const Extended first = StrToFloat(run.Cell(kind.firstCol, row));
    const Extended second = StrToFloat(run.Cell(kind.secondCol, row));
    const std::optional<Segment> segment = CompleteSegment(kind.given, first, second);
    try {
      if (!segment) throw EInvalidOp();
      WriteSegment(run, row, kind, *segment);
    } catch (const EMathError&) {
      WriteNoSegment(run, row, kind);
    }
  }
}

}  // namespace zarnix
