// The cairo picture: lines, fills and text land on the pixels the canvas promises, plots
// survive the trip through PNG, BMP and SVG files, and opened pictures replace a plot only
// when they can be read.
#include "render/raster_canvas.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/errors.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

class RasterCanvasTest : public TempDirTest {
 protected:
  // A red line, a green box, a blue diagonal and a label.
  void Draw() {
    canvas.FillRect(0, 0, 120, 80, kWhite);
    canvas.SetPenColor(0xFF0000);
    canvas.MoveTo(10, 10);
    canvas.LineTo(50, 10);
    canvas.LineTo(50, 30);
    canvas.FillRect(60, 10, 70, 15, 0x00FF00);
    canvas.SetPenColor(0x0000FF);
    canvas.MoveTo(80, 40);
    canvas.LineTo(100, 60);
    canvas.TextOut(5, 50, "曲线1: y", 10);
  }

  RasterCanvas canvas{120, 80};
};

TEST_F(RasterCanvasTest, LinesIncludeBothEndsAndFillsStopBeforeTheirEdge) {
  Draw();
  EXPECT_EQ(canvas.PixelAt(10, 10), 0xFF0000u);
  EXPECT_EQ(canvas.PixelAt(50, 10), 0xFF0000u);
  EXPECT_EQ(canvas.PixelAt(50, 30), 0xFF0000u);
  EXPECT_EQ(canvas.PixelAt(9, 10), kWhite);
  EXPECT_EQ(canvas.PixelAt(51, 10), kWhite);
  EXPECT_EQ(canvas.PixelAt(50, 31), kWhite);
  EXPECT_EQ(canvas.PixelAt(30, 9), kWhite);
  EXPECT_EQ(canvas.PixelAt(30, 11), kWhite);
  EXPECT_EQ(canvas.PixelAt(60, 10), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(69, 14), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(70, 14), kWhite);
  EXPECT_EQ(canvas.PixelAt(69, 15), kWhite);
  EXPECT_EQ(canvas.PixelAt(90, 50), 0x0000FFu);
  EXPECT_EQ(canvas.PixelAt(100, 60), 0x0000FFu);
  int ink = 0;
  for (int y = 50; y < 70; ++y)
    for (int x = 5; x < 70; ++x) ink += canvas.PixelAt(x, y) != kWhite;
  EXPECT_GT(ink, 20);
  EXPECT_EQ(canvas.PixelAt(-1, 0), kWhite);
  EXPECT_EQ(canvas.PixelAt(120, 0), kWhite);
}

TEST_F(RasterCanvasTest, TextIsBlackOnAnOpaqueCell) {
  canvas.FillRect(0, 0, 120, 80, 0x00FF00);
  canvas.TextOut(10, 10, "00", 10);
  const TextSize size = canvas.TextExtent("00", 10);
  EXPECT_GT(size.width, 8);
  EXPECT_GE(size.height, 13);
  EXPECT_LT(size.height, 22);
  EXPECT_GT(canvas.TextExtent("0000", 10).width, size.width);
  // Inside the text's cell nothing green is left; around it everything is.
  int green = 0;
  int black = 0;
  for (int y = 10; y < 10 + size.height; ++y) {
    for (int x = 10; x < 10 + size.width; ++x) {
      green += canvas.PixelAt(x, y) == 0x00FF00u;
      const Color c = canvas.PixelAt(x, y);
      // Glyphs are smoothed: dark grey counts.
      black += (c >> 16) < 0x60 && ((c >> 8) & 0xFF) < 0x60 && (c & 0xFF) < 0x60;
    }
  }
  EXPECT_EQ(green, 0);
  EXPECT_GT(black, 0);
  EXPECT_EQ(canvas.PixelAt(9, 12), 0x00FF00u);
  EXPECT_EQ(canvas.PixelAt(10 + size.width, 12), 0x00FF00u);
  EXPECT_FALSE(canvas.Font().File().empty());
}

TEST_F(RasterCanvasTest, APlotComesBackFromPngAndBmpPixelForPixel) {
  Draw();
  for (const char* name : {"plot.png", "plot.bmp"}) {
    canvas.SaveImage(dir_ / name);
    RasterCanvas copy(10, 10);
    copy.LoadPicture(dir_ / name);
    EXPECT_EQ(copy.Picture().kind, PictureKind::kPicture);
    EXPECT_EQ(copy.Picture().width, 120) << name;
    EXPECT_EQ(copy.Picture().height, 80) << name;
    EXPECT_EQ(copy.Picture().caption, name);
    int differing = 0;
    for (int y = 0; y < 80; ++y)
      for (int x = 0; x < 120; ++x) differing += copy.PixelAt(x, y) != canvas.PixelAt(x, y);
    EXPECT_EQ(differing, 0) << name;
  }
  EXPECT_EQ(Read(dir_ / "plot.bmp").substr(0, 2), "BM");
}

TEST_F(RasterCanvasTest, SvgHoldsTheSameDrawing) {
  Draw();
  canvas.SaveImage(dir_ / "plot.SVG");
  const std::string svg = Read(dir_ / "plot.SVG");
  EXPECT_NE(svg.find("<svg"), std::string::npos);
  EXPECT_NE(svg.find("width=\"120"), std::string::npos);
  EXPECT_NE(svg.find("rgb(100%,0%,0%)"), std::string::npos);  // the red line
  EXPECT_NE(svg.find("rgb(0%,0%,100%)"), std::string::npos);  // the blue one
}

TEST_F(RasterCanvasTest, WhatCannotBeWrittenSaysSo) {
  Draw();
  EXPECT_THROW(canvas.SaveImage(dir_ / "plot.gif"), EInOutError);
  EXPECT_THROW(canvas.SaveImage(dir_ / "no" / "such" / "dir.png"), EInOutError);
  EXPECT_FALSE(std::filesystem::exists(dir_ / "plot.gif"));
}

TEST_F(RasterCanvasTest, AnEmptyPictureIsSavedWhite) {
  EXPECT_EQ(canvas.Raster().data, nullptr);
  canvas.SaveImage(dir_ / "empty.png");
  RasterCanvas copy;
  copy.LoadPicture(dir_ / "empty.png");
  EXPECT_EQ(copy.Picture().width, 120);
  EXPECT_EQ(copy.PixelAt(60, 40), kWhite);
}

TEST_F(RasterCanvasTest, APictureThatCannotBeReadKeepsTheOldOne) {
  Draw();
  const auto revision = canvas.Revision();
  for (const char* bytes : {"GIF89a", "BM", "\xFF\xD8\xFF\xE0 broken", ""}) {
    const auto file = Write("bad.jpg", bytes);
    try {
      canvas.LoadPicture(file);
      ADD_FAILURE() << "read " << bytes;
    } catch (const EInOutError& e) {
      EXPECT_NE(e.Message().find("bad.jpg"), std::string::npos);
    }
  }
  EXPECT_THROW(canvas.LoadPicture(dir_ / "missing.png"), EInOutError);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(canvas.Revision(), revision);
}

TEST_F(RasterCanvasTest, DrawingOnAnOpenedPictureStartsAFreshPlot) {
  Draw();
  canvas.SaveImage(dir_ / "plot.png");
  RasterCanvas other(200, 100);
  other.LoadPicture(dir_ / "plot.png");
  other.LineTo(5, 5);
  EXPECT_EQ(other.Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(other.Picture().width, 200);
  EXPECT_EQ(other.PixelAt(50, 10), kWhite);  // nothing of the picture is left
  EXPECT_EQ(other.PixelAt(3, 3), kBlack);
}

TEST_F(RasterCanvasTest, TheBitmapSizeIsBounded) {
  RasterCanvas huge(100000, 100000);
  EXPECT_EQ(huge.Width(), kMaxCanvasSide);
  huge.SetSize(0, -5);
  EXPECT_EQ(huge.Width(), 1);
  EXPECT_EQ(huge.Height(), 1);
}

}  // namespace
}  // namespace zarnix
