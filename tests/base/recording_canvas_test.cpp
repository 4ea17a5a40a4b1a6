// The display-list recorder: what starts a plot, what a full fill or a clear drops, and the
// calls it leaves out because they change nothing.
#include "base/recording_canvas.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace zarnix {
namespace {

using Kind = DisplayOp::Kind;

std::vector<Kind> Kinds(const RecordingCanvas& canvas) {
  std::vector<Kind> kinds;
  for (const DisplayOp& op : canvas.Plot().ops) kinds.push_back(op.kind);
  return kinds;
}

TEST(RecordingCanvas, DrawingStartsAWhitePlotOfTheControlsSize) {
  RecordingCanvas canvas(300, 200);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
  EXPECT_EQ(canvas.Picture().width, 300);
  canvas.LineTo(10, 10);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kPlot);
  ASSERT_EQ(Kinds(canvas), (std::vector<Kind>{Kind::kFill, Kind::kLine}));
  const DisplayOp& fill = canvas.Plot().ops[0];
  EXPECT_EQ(fill.right, 300);
  EXPECT_EQ(fill.bottom, 200);
  EXPECT_EQ(fill.color, kWhite);
}

TEST(RecordingCanvas, AFullFillHidesWhatWasDrawnAndClearEmptiesThePicture) {
  RecordingCanvas canvas(300, 200);
  canvas.SetPenColor(0xFF0000);
  canvas.LineTo(10, 10);
  canvas.TextOut(5, 5, "abc", 10);
  canvas.SetCaption("one");
  canvas.FillRect(0, 0, 300, 200, kWhite);
  EXPECT_EQ(Kinds(canvas), std::vector<Kind>{Kind::kFill});
  EXPECT_TRUE(canvas.Plot().texts.empty());
  canvas.FillRect(1, 1, 20, 20, 0x00FF00);  // a part of it adds to the plot
  EXPECT_EQ(Kinds(canvas).size(), 2u);
  const auto revision = canvas.Revision();
  canvas.Clear();
  EXPECT_GT(canvas.Revision(), revision);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
  EXPECT_EQ(canvas.Picture().caption, "");
  EXPECT_TRUE(canvas.Plot().ops.empty());
}

TEST(RecordingCanvas, CallsThatChangeNothingAreLeftOut) {
  RecordingCanvas canvas(300, 200);
  canvas.SetPenColor(kBlack);  // the pen a plot starts with
  canvas.MoveTo(5, 5);
  canvas.MoveTo(7, 7);  // only the last of several moves
  canvas.LineTo(7, 7);  // a line to where the pen is
  canvas.LineTo(9, 7);
  canvas.SetPenColor(0x0000FF);
  canvas.SetPenColor(0x0000FF);
  canvas.TextOut(1, 1, "", 10);
  ASSERT_EQ(Kinds(canvas), (std::vector<Kind>{Kind::kFill, Kind::kMove, Kind::kLine, Kind::kPen}));
  EXPECT_EQ(canvas.Plot().ops[1].x, 7);
}

TEST(RecordingCanvas, FarCoordinatesArePulledIn) {
  RecordingCanvas canvas(300, 200);
  canvas.MoveTo(-2000000000, 2000000000);
  EXPECT_EQ(canvas.Plot().ops.back().x, -kFarCoordinate);
  EXPECT_EQ(canvas.Plot().ops.back().y, kFarCoordinate);
}

TEST(RecordingCanvas, WithoutARendererPicturesAreKnownByName) {
  RecordingCanvas canvas(300, 200);
  EXPECT_THROW(canvas.LoadPicture("/nonexistent/picture.bmp"), EInOutError);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
  EXPECT_THROW(canvas.SaveImage("/tmp/never.png"), EInOutError);
  EXPECT_EQ(FontPixels(10), 13);
  EXPECT_EQ(FontPixels(12), 16);
}

}  // namespace
}  // namespace zarnix
