// Whole plots drawn headless and compared pixel by pixel with pictures kept beside the
// tests: a plain curve, ten curves (the tenth black), a clipped curve, a circle on equal
// steps, equal values (a zero step) and a point list with its two-line caption.
// ZARNIX_UPDATE_GOLDEN=1 writes the pictures anew instead of comparing.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "plot/plot_engine.h"
#include "plot_fixture.h"

namespace zarnix {
namespace {

class GoldenTest : public PlotTest {
 protected:
  void SetUp() override {
    // The pictures hold this font's glyphs.
    if (canvas.Font().File().find("wqy-microhei") == std::string::npos)
      GTEST_SKIP() << "the golden plots were drawn with WenQuanYi Micro Hei; this machine's "
                      "plot font is '"
                   << canvas.Font().File() << "'";
  }

  void Compare(const std::string& name) {
    const std::filesystem::path golden =
        std::filesystem::path(ZARNIX_TEST_DATA_DIR) / (name + ".png");
    const char* update = std::getenv("ZARNIX_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
      canvas.SaveImage(golden);
      return;
    }
    ASSERT_TRUE(std::filesystem::exists(golden)) << golden;
    RasterCanvas expected;
    expected.LoadPicture(golden);
    ASSERT_EQ(expected.Picture().width, kWidth);
    ASSERT_EQ(expected.Picture().height, kHeight);
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) differing += expected.PixelAt(x, y) != canvas.PixelAt(x, y);
    if (differing > 0) {
      const auto actual = std::filesystem::temp_directory_path() / ("zarnix_" + name + ".png");
      canvas.SaveImage(actual);
      ADD_FAILURE() << differing << " pixels differ from " << golden << "; this run drew "
                    << actual;
    }
  }

  static std::vector<Extended> Of(const std::vector<Extended>& xs, Extended (*f)(Extended, int),
                                  int s) {
    std::vector<Extended> ys;
    for (Extended x : xs) ys.push_back(f(x, s));
    return ys;
  }
};

TEST_F(GoldenTest, SineCurve) {
  const auto xs = Range(0, 10, 0.25L);
  Block(3, "x(双击此格看图像)", xs, {"y=sin(x)"},
        {Of(
            xs, [](Extended x, int) { return std::sin(x); }, 0)});
  ASSERT_TRUE(PlotAtMarkerRow(Ports(), grid));
  Compare("sine");
}

TEST_F(GoldenTest, TenCurvesTheTenthBlack) {
  const auto xs = Range(0, 6, 0.2L);
  std::vector<std::string> names;
  std::vector<std::vector<Extended>> ys;
  for (int s = 1; s <= 10; ++s) {
    names.push_back("y" + IntToStr(s));
    ys.push_back(Of(
        xs, [](Extended x, int k) { return std::sin(x) + k * 0.4L; }, s));
  }
  Block(3, "T", xs, names, ys);
  ASSERT_TRUE(PlotAtMarkerRow(Ports(), grid));
  Compare("ten_curves");
}

TEST_F(GoldenTest, ClippedCurve) {
  const auto xs = Range(-2, 10, 0.5L);
  Block(3, "x", xs, {"x^2"},
        {Of(
            xs, [](Extended x, int) { return x * x; }, 0)});
  ui.QueueAnswer("0,0,0.5,1");
  ASSERT_TRUE(PlotAtMarkerRow(Ports(), grid));
  Compare("clipped");
}

TEST_F(GoldenTest, CircleOnEqualSteps) {
  std::vector<Extended> xs;
  std::vector<Extended> ys;
  for (int k = 0; k <= 200; ++k) {
    xs.push_back(2 * std::cos(6.2832L * k / 200));
    ys.push_back(2 * std::sin(6.2832L * k / 200));
  }
  Block(3, "x", xs, {"圆"}, {ys});
  grid.SetCell(1, 2, "圆");
  grid.SetRow(2);
  ASSERT_TRUE(PlotBlock(Ports(), grid, 3, 1));
  Compare("circle");
}

TEST_F(GoldenTest, EqualValues) {
  const auto xs = Range(1, 5, 1);
  Block(3, "x", xs, {"常数"}, {std::vector<Extended>(xs.size(), 3)});
  ASSERT_TRUE(PlotAtMarkerRow(Ports(), grid));
  EXPECT_EQ(LastPromptAnswer(), "1.00,2.9,0.17,0.0");
  Compare("equal_values");
}

TEST_F(GoldenTest, PointListWithCaption) {
  const std::vector<Extended> xs = {1, 4, 6, 3, 1};
  const std::vector<Extended> ys = {1, 2, 5, 6, 1};
  ASSERT_TRUE(PlotPoints(Ports(), xs, "最短距离: 15.325 出发点坐标：1,1", 0x000080, ys));
  Compare("points");
}

}  // namespace
}  // namespace zarnix
