// Circular segments: every pair of given parts completes the same segment, the measures agree
// with integrals over the figure, and rows whose parts belong to no segment say so.
#include "geometry/geometric_figures_segments.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "base/errors.h"
#include "figure_sheet_fixture.h"

namespace zarnix {
namespace {

constexpr Extended kPi = 3.1415926535897932385L;

// Simpson's rule with n (even) intervals.
Extended Integral(const std::function<Extended(Extended)>& f, Extended from, Extended to,
                  int n = 2000) {
  const Extended step = (to - from) / n;
  Extended sum = f(from) + f(to);
  for (int i = 1; i < n; ++i) sum += (i % 2 ? 4 : 2) * f(from + i * step);
  return sum * step / 3;
}

TEST(CircularSegment, SixtyDegreesOfTheUnitCircle) {
  const auto s = CompleteSegment(SegmentGiven::kAngleRadius, 60, 1);
  ASSERT_TRUE(s);
  EXPECT_NEAR(s->chord, 1, 1e-18L);
  EXPECT_NEAR(s->height, 1 - std::cos(kPi / 6), 1e-18L);
}

TEST(CircularSegment, EveryPairOfPartsCompletesTheSameSegment) {
  for (const Extended angle : {35.0L, 100.0L, 180.0L, 250.0L}) {
    const Segment s = *CompleteSegment(SegmentGiven::kAngleRadius, angle, 3);
    const std::optional<Segment> others[] = {
        CompleteSegment(SegmentGiven::kAngleChord, s.angle, s.chord),
        CompleteSegment(SegmentGiven::kRadiusHeight, s.radius, s.height),
        CompleteSegment(SegmentGiven::kChordHeight, s.chord, s.height),
        // From the chord alone the smaller arc is meant.
        angle <= 180 ? CompleteSegment(SegmentGiven::kRadiusChord, s.radius, s.chord)
                     : CompleteSegment(SegmentGiven::kAngleRadius, angle, 3)};
    for (const auto& other : others) {
      ASSERT_TRUE(other) << angle;
      EXPECT_NEAR(other->angle, s.angle, 1e-9L) << angle;
      EXPECT_NEAR(other->radius, s.radius, 1e-12L) << angle;
      EXPECT_NEAR(other->chord, s.chord, 1e-12L) << angle;
      EXPECT_NEAR(other->height, s.height, 1e-12L) << angle;
    }
  }
}

// The segment is the part of the disc beyond the line at distance r − h from the centre; with
// the height y = r·cos t its width is 2r·sin t.
TEST(CircularSegment, MeasuresAgreeWithIntegralsOverTheFigure) {
  for (const Extended angle : {60.0L, 140.0L, 250.0L}) {
    const Extended r = 2;
    const Segment s = *CompleteSegment(SegmentGiven::kAngleRadius, angle, r);
    const SegmentMeasures m = MeasureSegment(s);
    const Extended half = angle * kPi / 360;
    const auto width = [&](Extended t) { return 2 * r * std::sin(t) * r * std::sin(t); };
    const Extended area = Integral(width, 0, half);
    const Extended moment =
        Integral([&](Extended t) { return r * std::cos(t) * width(t); }, 0, half);
    EXPECT_NEAR(m.area, area, 1e-12L) << angle;
    EXPECT_NEAR(m.centroid, moment / area, 1e-12L) << angle;
    EXPECT_NEAR(m.arc, Integral([&](Extended) { return r; }, 0, 2 * half), 1e-12L);
    // The sector: polar area r²/2 dφ and moment r³/3·cos φ dφ.
    const Extended sector = Integral([&](Extended) { return r * r / 2; }, -half, half);
    const Extended sectorMoment =
        Integral([&](Extended p) { return r * r * r / 3 * std::cos(p); }, -half, half);
    EXPECT_NEAR(m.sectorArea, sector, 1e-12L) << angle;
    EXPECT_NEAR(m.sectorCentroid, sectorMoment / sector, 1e-12L) << angle;
  }
}

TEST(CircularSegment, PartsOfNoSegment) {
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kRadiusChord, 1, 2.5));  // chord beyond the diameter
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kRadiusHeight, 1, 3));
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kChordHeight, 4, 0));  // no height
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kAngleRadius, 0, 1));
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kAngleChord, 360, 1));
  EXPECT_FALSE(CompleteSegment(SegmentGiven::kAngleRadius, 60, -1));
}

class SegmentSection : public FigureSheet {};

TEST_F(SegmentSection, RowsCompleteTheirPartsAndRowsWithoutSegmentSayWhy) {
  const int h = AddRow({"7.弓形与扇形"});
  AddRow({"已知θ,r", "60", "1"});
  AddRow({"已知θ,c", "90", "", "2"});
  AddRow({"已知r,c", "", "1", "3"});  // the chord is longer than the diameter
  AddRow({"已知r,h", "", "2", "", "1"});
  AddRow({"已知c,h", "", "", "4", "0"});
  RunSection(RunSegmentSection, h);
  EXPECT_EQ(At(4, h + 1), "1.000");
  EXPECT_EQ(At(5, h + 1), "0.134");
  EXPECT_EQ(At(8, h + 1), "0.920,0");
  EXPECT_EQ(At(3, h + 2), "1.414");
  EXPECT_EQ(At(2, h + 4), "120.000");
  // The sector's area is π·r²·θ/360: with r = 2 and θ = 120° it is 4π/3, not 2π/3.
  EXPECT_EQ(At(9, h + 4), "4.189");
  EXPECT_EQ(At(10, h + 4), "1.103,0");
  for (const int col : {2, 5, 6, 7, 8, 9, 10}) EXPECT_EQ(At(col, h + 3), "参数不能构成图形");
  EXPECT_EQ(At(4, h + 3), "3");
  EXPECT_EQ(At(3, h + 5), "参数不能构成图形");
}

TEST_F(SegmentSection, AnEmptyGivenPartEndsTheRun) {
  const int h = AddRow({"7.弓形与扇形"});
  AddRow({"已知θ,r", "60", ""});
  EXPECT_THROW(RunSection(RunSegmentSection, h), EConvertError);
}

}  // namespace
}  // namespace zarnix
