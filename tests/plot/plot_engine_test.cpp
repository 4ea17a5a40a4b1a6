// The plotter: grid size from the screen, the default scale and its dialog text, answers it
// refuses, the plot-block entry's row 1, and the picture's geometry read pixel by pixel at
// the positions the plot is laid out by (grid lines, labels, legend, curves, clipping).
#include "plot/plot_engine.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "base/recording_canvas.h"
#include "plot_fixture.h"

namespace zarnix {
namespace {

constexpr int kRight = 60 + 20 * 28;   // 620
constexpr int kBottom = 25 + 20 * 20;  // 425

TEST(PlotGeometry, CellsFollowTheScreenWithHalvesToEven) {
  const PlotGeometry g = PlotGeometryForScreen({1024, 768});
  EXPECT_EQ(g.nx, 28);
  EXPECT_EQ(g.ny, 20);
  EXPECT_EQ(g.Right(), kRight);
  EXPECT_EQ(g.Bottom(), kBottom);
  EXPECT_EQ(PlotGeometryForScreen({800, 600}).nx, 22);
  EXPECT_EQ(PlotGeometryForScreen({800, 600}).ny, 16);
  EXPECT_EQ(PlotGeometryForScreen({200, 600}).nx, 6);   // 5.5
  EXPECT_EQ(PlotGeometryForScreen({600, 600}).nx, 16);  // 16.5
  EXPECT_EQ(PlotGeometryForScreen({1280, 800}).nx, 35);
  EXPECT_EQ(PlotGeometryForScreen({1280, 800}).ny, 21);  // 21.33
}

TEST(PlotColors, TenColoursRoundTheCurvesCurveTenBlack) {
  EXPECT_EQ(CurveColor(1), 0xFF0000u);
  EXPECT_EQ(CurveColor(2), 0xFF00FFu);
  EXPECT_EQ(CurveColor(3), 0x00FF00u);
  EXPECT_EQ(CurveColor(4), 0x0000FFu);
  EXPECT_EQ(CurveColor(5), 0x800080u);
  EXPECT_EQ(CurveColor(6), 0xC0C0C0u);
  EXPECT_EQ(CurveColor(7), 0xA6CAF0u);
  EXPECT_EQ(CurveColor(8), 0xFFFF00u);
  EXPECT_EQ(CurveColor(9), 0x000080u);
  EXPECT_EQ(CurveColor(10), 0x000000u);
  EXPECT_EQ(CurveColor(11), CurveColor(1));
}

TEST(PlotScale, LabelDecimalsFromTheStep) {
  EXPECT_EQ(LabelDecimals(5), 0);
  EXPECT_EQ(LabelDecimals(1), 0);
  EXPECT_EQ(LabelDecimals(0.4286f), 2);
  EXPECT_EQ(LabelDecimals(0.05f), 2);
  EXPECT_EQ(LabelDecimals(0.005f), 3);
  EXPECT_EQ(LabelDecimals(0.0002f), 4);
  EXPECT_EQ(LabelDecimals(0.00002f), 5);
  EXPECT_EQ(LabelDecimals(0), 11);
}

TEST(PlotScale, XFromZeroToTenOnTheDefaultScreen) {
  const PlotScale s = DefaultScale(0, 10, 0, 10, PlotGeometry{});
  EXPECT_FLOAT_EQ(s.dx, 12.0f / 28);
  EXPECT_EQ(s.xd, 2);
  EXPECT_EQ(s.x0, 0);
  EXPECT_FLOAT_EQ(s.dy, 0.6f);
  EXPECT_EQ(s.yd, 2);
  EXPECT_FLOAT_EQ(s.y0, -0.01f);
  EXPECT_EQ(ScaleAnswerText(s), "0.00,-0.01,0.43,0.60");
}

TEST(PlotScale, EqualValuesGiveAZeroStepAndOneDecimal) {
  const PlotScale s = DefaultScale(1, 5, 3, 3, PlotGeometry{});
  EXPECT_EQ(s.dy, 0);
  EXPECT_EQ(s.yd, 1);
  EXPECT_FLOAT_EQ(s.y0, 2.9f);
  EXPECT_EQ(ScaleAnswerText(s), "1.00,2.9,0.17,0.0");
  // Confirming that default keeps dy = 0, which becomes 0.1.
  const std::optional<PlotScale> read = ReadScaleAnswer(ScaleAnswerText(s), s, false);
  ASSERT_TRUE(read);
  EXPECT_FLOAT_EQ(read->dy, 0.1f);
  EXPECT_FLOAT_EQ(read->dx, 0.17f);
}

TEST(PlotScale, SixSignificantDigitsWithTheLabelsDecimals) {
  EXPECT_EQ(FixedSignificant(0.428571, 6, 2), "0.43");
  EXPECT_EQ(FixedSignificant(123.456789, 6, 4), "123.4570");
  EXPECT_EQ(FixedSignificant(0.0000123456789, 6, 11), "0.00001234570");
  EXPECT_EQ(FixedSignificant(-2.5, 6, 0), "-3");
  EXPECT_EQ(FixedSignificant(5, 6, 0), "5");
  EXPECT_EQ(FixedSignificant(0, 6, 3), "0.000");
  EXPECT_EQ(FixedSignificant(999999.5, 6, 1), "1.00000E+006");
}

TEST(PlotScale, AnswersAreReadAsSinglesWithTheCircleRule) {
  const PlotScale defaults = DefaultScale(0, 10, 0, 10, PlotGeometry{});
  std::optional<PlotScale> s = ReadScaleAnswer("1,-2,0.5,3", defaults, false);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->x0, 1);
  EXPECT_EQ(s->y0, -2);
  EXPECT_EQ(s->dx, 0.5f);
  EXPECT_EQ(s->dy, 3);
  EXPECT_EQ(s->xd, defaults.xd);
  s = ReadScaleAnswer("1,-2,0.5,3", defaults, true);
  ASSERT_TRUE(s);
  EXPECT_EQ(s->dx, 3);
  EXPECT_EQ(s->dy, 3);
  s = ReadScaleAnswer("0,0,0.2,0", defaults, true);  // dy 0 -> 0.1, then the larger one
  ASSERT_TRUE(s);
  EXPECT_FLOAT_EQ(s->dx, 0.2f);
  EXPECT_FLOAT_EQ(s->dy, 0.2f);
}

TEST(PlotScale, AnswersWithoutAUsableStepAreRefused) {
  const PlotScale d = DefaultScale(0, 10, 0, 10, PlotGeometry{});
  EXPECT_FALSE(ReadScaleAnswer("0,0,0,1", d, false));     // dx 0
  EXPECT_FALSE(ReadScaleAnswer("0,0,-1,1", d, false));    // negative dx
  EXPECT_FALSE(ReadScaleAnswer("0,0,1,-1", d, false));    // negative dy
  EXPECT_FALSE(ReadScaleAnswer("0,0,1", d, false));       // three values
  EXPECT_FALSE(ReadScaleAnswer("1e39,0,1,1", d, false));  // beyond single precision
  EXPECT_FALSE(ReadScaleAnswer("0,0,1e39,1", d, false));
  EXPECT_THROW(ReadScaleAnswer("0,0,x,1", d, false), EConvertError);
  EXPECT_THROW(ReadScaleAnswer("", d, false), EConvertError);
}

TEST(PlotScale, PixelsOfValues) {
  PlotScale s;
  s.x0 = 0;
  s.y0 = 0;
  s.dx = 1;
  s.dy = 1;
  const PlotGeometry g;
  EXPECT_EQ(PixelColumn(s, 0), 60);
  EXPECT_EQ(PixelColumn(s, 3), 120);
  EXPECT_EQ(PixelRow(s, g, 0), kBottom);
  EXPECT_EQ(PixelRow(s, g, 3), kBottom - 60);
  s.y0 = -1;
  s.dy = 0.5f;
  // z = trunc(20 * -1 / 0.5 + 425 + 0.1) = 385.
  EXPECT_EQ(PixelRow(s, g, 0), 385);
  EXPECT_EQ(PixelRow(s, g, -1), kBottom);
  EXPECT_EQ(PixelColumn(s, 1e30L), kFarCoordinate);
  s.dx = 40;
  EXPECT_EQ(PixelColumn(s, 1), 60);  // 60.5 rounds to even
  EXPECT_EQ(PixelColumn(s, 3), 62);  // 61.5 rounds to even
  EXPECT_EQ(PixelRow(s, g, -1e30L), kFarCoordinate);
}

class PlotEngineTest : public PlotTest {};

TEST_F(PlotEngineTest, BlockAsksWithTheDefaultAndDrawsThePlot) {
  Block(3, "T(双击此格看图像)", Range(0, 10, 1), {"y1"}, {Range(0, 10, 1)});
  grid.SetCell(2, 1, "heading");
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  ASSERT_EQ(ui.Log().size(), 1u);
  EXPECT_EQ(ui.Log()[0].text, kScaleCaption);
  EXPECT_EQ(ui.Log()[0].prompt, "");
  EXPECT_EQ(ui.Log()[0].answer, "0.00,-0.01,0.43,0.60");
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(canvas.Picture().caption, "曲线1: y1");
  EXPECT_EQ(grid.Cell(2, 1), "heading");  // row 1 back as it was
  // The x axis is named without the marker's hint.
  bool named = false;
  for (const DisplayText& text : canvas.Plot().texts) named |= text.text == "T";
  EXPECT_TRUE(named);
}

TEST_F(PlotEngineTest, ARefusedAnswerKeepsThePictureAndRowOne) {
  Block(3, "x", Range(0, 10, 1), {"y"}, {Range(0, 10, 1)});
  grid.SetCell(2, 1, "heading");
  ui.QueueAnswer("0,0,0,1");
  EXPECT_FALSE(PlotBlock(Ports(), grid, 3, 1));
  EXPECT_EQ(ui.Messages(), std::vector<std::string>{kBadScaleMessage});
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
  EXPECT_EQ(grid.Cell(2, 1), "heading");

  // An earlier plot stays as it was.
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  const std::uint64_t drawn = canvas.Revision();
  ui.QueueAnswer("1,2,3");
  EXPECT_FALSE(PlotBlock(Ports(), grid, 3, 1));
  EXPECT_EQ(canvas.Revision(), drawn);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kPlot);
}

TEST_F(PlotEngineTest, ANonNumericAnswerIsAConversionErrorAndRowOneComesBack) {
  Block(3, "x", Range(0, 10, 1), {"y"}, {Range(0, 10, 1)});
  grid.SetCell(2, 1, "heading");
  ui.QueueAnswer("0,0,abc,1");
  EXPECT_THROW(PlotBlock(Ports(), grid, 3, 1), EConvertError);
  EXPECT_EQ(grid.Cell(2, 1), "heading");
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
}

TEST_F(PlotEngineTest, ALastRowThatIsNoNumberEndsThePlotBeforeDrawing) {
  Block(3, "x", Range(0, 10, 1), {"y"}, {Range(0, 10, 1)});
  grid.SetCell(2, 1, "heading");
  grid.SetCell(2, grid.RowCount() - 1, "");
  try {
    PlotBlock(Ports(), grid, 3, 1);
    FAIL() << "no conversion error";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "'' is not a valid floating point value");
  }
  EXPECT_TRUE(ui.Log().empty());  // nothing asked
  EXPECT_EQ(grid.Cell(2, 1), "heading");
  // A cell in between that is no number is plotted as 0.
  grid.SetCell(2, grid.RowCount() - 1, "10");
  grid.SetCell(2, 6, "n/a");
  EXPECT_TRUE(PlotBlock(Ports(), grid, 3, 1));
}

TEST_F(PlotEngineTest, AtMostTenCurvesOfTwelveNamesCurveTenBlack) {
  std::vector<std::string> names;
  std::vector<std::vector<Extended>> ys;
  for (int s = 1; s <= 12; ++s) {
    names.push_back("c" + IntToStr(s));
    std::vector<Extended> y;
    for (Extended x : Range(0, 10, 1)) y.push_back(x + s);
    ys.push_back(y);
  }
  Block(3, "x", Range(0, 10, 1), names, ys);
  ASSERT_TRUE(PlotAtMarkerRow(Ports(), grid));
  const std::string caption = canvas.Picture().caption;
  EXPECT_NE(caption.find("曲线10: c10"), std::string::npos);
  EXPECT_EQ(caption.find("曲线11"), std::string::npos);
  // Legend lines from right + 10 to right + 50 at row 20 s + 33, in the curve's colour.
  for (int s = 1; s <= 10; ++s) {
    const int row = 20 * s + 33;
    EXPECT_EQ(Pixel(kRight + 10, row), CurveColor(s)) << s;
    EXPECT_EQ(Pixel(kRight + 30, row), CurveColor(s)) << s;
    EXPECT_EQ(Pixel(kRight + 50, row), CurveColor(s)) << s;
    EXPECT_EQ(Pixel(kRight + 9, row), kWhite) << s;
    EXPECT_EQ(Pixel(kRight + 51, row), kWhite) << s;
    EXPECT_EQ(Pixel(kRight + 30, row - 1), kWhite) << s;
    EXPECT_EQ(Pixel(kRight + 30, row + 1), kWhite) << s;
    // The legend's text starts at right + 60, row 20 s + 25.
    EXPECT_GT(InkIn(kRight + 60, 20 * s + 25, kRight + 160, 20 * s + 42), 0) << s;
  }
  EXPECT_EQ(Pixel(kRight + 30, 20 * 11 + 33), kWhite);
}

TEST_F(PlotEngineTest, GridLinesAndLabelsWhereTheLayoutPutsThem) {
  // A curve far below the grid keeps the grid's own pixels clean.
  Block(3, "x", Range(0, 10, 1), {"y"}, {std::vector<Extended>(11, -100)});
  ui.QueueAnswer("0,0,1,1");
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  for (int n = 0; n <= 20; ++n) {
    const int row = 25 + 20 * n;
    EXPECT_EQ(Pixel(60, row), kBlack) << n;
    EXPECT_EQ(Pixel(70, row), kBlack) << n;
    EXPECT_EQ(Pixel(kRight, row), kBlack) << n;
    EXPECT_EQ(Pixel(kRight + 1, row), kWhite) << n;
    EXPECT_EQ(Pixel(59, row), kWhite) << n;
    if (n < 20) {
      EXPECT_EQ(Pixel(70, row + 10), kWhite) << n;
    }
    // Values of every second line from the bottom, at (10, row - 5).
    const int fromBottom = 20 - n;
    const int ink = InkIn(10, row - 5, 58, row + 11);
    if (fromBottom % 2 == 0) {
      EXPECT_GT(ink, 0) << n;
    } else {
      EXPECT_EQ(ink, 0) << n;
    }
  }
  for (int o = 0; o <= 28; ++o) {
    const int col = 60 + 20 * o;
    EXPECT_EQ(Pixel(col, 25), kBlack) << o;
    EXPECT_EQ(Pixel(col, 35), kBlack) << o;
    EXPECT_EQ(Pixel(col, kBottom), kBlack) << o;
    EXPECT_EQ(Pixel(col, kBottom + 1), kWhite) << o;
    EXPECT_EQ(Pixel(col, 24), kWhite) << o;
    if (o < 28) {
      EXPECT_EQ(Pixel(col + 10, 35), kWhite) << o;
    }
  }
  // x values under every fifth line at (column - 15, bottom + 10).
  for (int o : {0, 5, 10, 15, 20, 25})
    EXPECT_GT(InkIn(60 + 20 * o - 15, kBottom + 10, 60 + 20 * o + 25, kBottom + 27), 0) << o;
  EXPECT_EQ(InkIn(60 + 20 * 2 - 5, kBottom + 10, 60 + 20 * 3 + 5, kBottom + 27), 0);
  // The axis names: "y" above the labels, the x name right of the grid.
  EXPECT_GT(InkIn(10, 0, 25, 16), 0);
  EXPECT_GT(InkIn(kRight + 25, kBottom + 10, kRight + 45, kBottom + 27), 0);
}

TEST_F(PlotEngineTest, CurvePointsLandOnTheirPixels) {
  Block(3, "x", Range(0, 10, 1), {"y"}, {Range(0, 10, 1)});
  ui.QueueAnswer("0,0,1,1");
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  // y = x: the point (3, 3) is pixel (120, 365); the line runs through the cells' corners'
  // diagonal between them.
  EXPECT_EQ(Pixel(120, kBottom - 60), CurveColor(1));
  EXPECT_EQ(Pixel(130, kBottom - 70), CurveColor(1));
  EXPECT_EQ(Pixel(260, kBottom - 200), CurveColor(1));
  EXPECT_EQ(Pixel(261, kBottom - 201), kWhite);  // the curve ends at x = 10
  EXPECT_EQ(Pixel(130, kBottom - 65), kWhite);
}

TEST_F(PlotEngineTest, APointOutsideBreaksTheCurve) {
  std::vector<Extended> y(11, 1.5L);
  y[3] = 50;  // far above the grid's top
  Block(3, "x", Range(0, 10, 1), {"y"}, {y});
  ui.QueueAnswer("0,0,1,1");
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  const int row = kBottom - 30;
  EXPECT_EQ(Pixel(70, row), CurveColor(1));   // between x = 0 and 1
  EXPECT_EQ(Pixel(90, row), CurveColor(1));   // between 1 and 2
  EXPECT_EQ(Pixel(110, row), kWhite);         // toward the outside point: no line
  EXPECT_EQ(Pixel(130, row), kWhite);         // nor from it back to x = 4
  EXPECT_EQ(Pixel(150, row), CurveColor(1));  // it resumes between 4 and 5
  // No line climbs toward the point outside.
  for (int r = 25; r < row; ++r) {
    EXPECT_NE(Pixel(105, r), CurveColor(1)) << r;
    EXPECT_NE(Pixel(125, r), CurveColor(1)) << r;
  }
}

TEST_F(PlotEngineTest, CircleRowGivesEqualSteps) {
  std::vector<Extended> xs;
  std::vector<Extended> ys;
  for (int k = 0; k <= 200; ++k) {
    const Extended t = 6.2832L * k / 200;
    xs.push_back(std::cos(t));
    ys.push_back(std::sin(t));
  }
  Block(3, "x", xs, {"y"}, {ys});
  grid.SetCell(1, 2, kCircleLabel);
  grid.SetRow(2);
  ui.QueueAnswer("-1,-1,0.1,0.2");
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  // Both steps are 0.2: the circle's centre (0, 0) is pixel (160, 325); radius 100 pixels.
  EXPECT_EQ(Pixel(260, 325), CurveColor(1));
  EXPECT_EQ(Pixel(60, 325), CurveColor(1));
  EXPECT_EQ(Pixel(160, 225), CurveColor(1));
  EXPECT_EQ(Pixel(160, 425), CurveColor(1));
  EXPECT_EQ(Pixel(170, 335), kWhite);  // inside the circle
}

TEST_F(PlotEngineTest, AMarkerRowWithoutCurveNamesPlotsNothing) {
  Block(3, "x", Range(0, 10, 1), {""}, {Range(0, 10, 1)});
  EXPECT_FALSE(PlotAtMarkerRow(Ports(), grid));
  EXPECT_EQ(ui.Messages().size(), 1u);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
}

TEST_F(PlotEngineTest, PointsWithACaptionInTwoLines) {
  RecordingCanvas recorder(kWidth, kHeight);
  const PlotPorts ports{recorder, ui, geometry};
  const std::vector<Extended> xs = {0, 1, 2, 3};
  const std::vector<Extended> ys = {0, 1, 0, 1};
  ASSERT_TRUE(PlotPoints(ports, xs, "最短路径: ABCA", 0x0000FF, ys));
  const DisplayList& plot = recorder.Plot();
  auto textAt = [&](int x, int y) -> std::string {
    for (const DisplayOp& op : plot.ops)
      if (op.kind == DisplayOp::Kind::kText && op.x == x && op.y == y)
        return plot.texts[op.arg].text;
    return "?";
  };
  // The first blank is the 10th byte: the text before it, then the rest from it on.
  EXPECT_EQ(textAt(60, kBottom + 40), "最短路径:");
  EXPECT_EQ(textAt(60, kBottom + 70), " ABCA");
  EXPECT_EQ(textAt(kRight + 25, kBottom + 10), "x");
  EXPECT_EQ(textAt(10, 0), "y");
  EXPECT_EQ(recorder.Picture().caption, "最短路径: ABCA");
  for (const DisplayText& text : plot.texts) EXPECT_EQ(text.text.find("曲线"), std::string::npos);
  bool blue = false;
  for (const DisplayOp& op : plot.ops)
    blue |= op.kind == DisplayOp::Kind::kPen && op.color == 0x0000FF;
  EXPECT_TRUE(blue);

  ASSERT_TRUE(PlotPoints(ports, xs, "ab cdefgh", 0x0000FF, ys));  // blank at position 3
  EXPECT_EQ(textAt(60, kBottom + 40), "ab cdefgh");
  EXPECT_EQ(textAt(60, kBottom + 70), "?");
}

}  // namespace
}  // namespace zarnix
