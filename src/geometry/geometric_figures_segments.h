// Circular segments and sectors from any two of the central angle, the radius, the chord and
// the height, and the section of the worksheet that completes five such rows.
#pragma once

#include <optional>

#include "base/extended.h"

namespace zarnix {

struct FigureRun;

// The two parts a row gives, in the order of the section's rows.
enum class SegmentGiven { kAngleRadius, kAngleChord, kRadiusChord, kRadiusHeight, kChordHeight };

struct Segment {
  Extended angle = 0;  // central angle in degrees
  Extended radius = 0;
  Extended chord = 0;
  Extended height = 0;
};

// The four parts, or nothing when the two given ones belong to no segment (a part that is not
// positive, an angle of 360° or more, a chord longer or a height larger than the diameter).
std::optional<Segment> CompleteSegment(SegmentGiven given, Extended first, Extended second);

struct SegmentMeasures {
  Extended arc = 0;             // length of the arc
  Extended area = 0;            // of the segment
  Extended centroid = 0;        // the segment's centroid from the centre along the axis
  Extended sectorArea = 0;      // of the sector with the same arc
  Extended sectorCentroid = 0;  // the sector's centroid from the centre along the axis
};

SegmentMeasures MeasureSegment(const Segment& segment);

// Rows header + 1 … header + 5, one per kind of SegmentGiven: column 2 the angle, 3 the
// radius, 4 the chord, 5 the height; columns 6 … 10 the measures, the centroids as "x,0".
void RunSegmentSection(FigureRun& run, int header);

}  // namespace zarnix
