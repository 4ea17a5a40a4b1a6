// The plane figure plot: the current row's item drawn through the plotter with equal scales
// and its first result as caption; a failing or missing item says why and draws nothing.
#include "geometry/plane_geometry_plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/recording_canvas.h"
#include "sheet/text_utils.h"
#include "support/item_sheet_fixture.h"

namespace zarnix {
namespace {

class PlaneFigurePlotTest : public ItemSheetFixture {
 protected:
  PlotOutcome PlotRow(int row) {
    grid.SetRow(row);
    Workbench bench = Bench();
    return PlotPlaneFigure(bench, PlotPorts{canvas, ui, PlotGeometry{}});
  }
  int LinesIn(Color color) const {
    int lines = 0;
    Color pen = kBlack;
    for (const DisplayOp& op : canvas.Plot().ops) {
      if (op.kind == DisplayOp::Kind::kPen) pen = op.color;
      lines += op.kind == DisplayOp::Kind::kLine && pen == color;
    }
    return lines;
  }

  RecordingCanvas canvas{800, 520};
};

TEST_F(PlaneFigurePlotTest, TheCurrentItemIsDrawnWithEqualScales) {
  const int row = AddItem("21", "三角形", {"0;0", "6;0", "2;4"});
  CloseItems();
  ASSERT_EQ(PlotRow(row), PlotOutcome::kPlotted);
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kPlot);
  EXPECT_EQ(canvas.Picture().caption, "21.三角形 a;b;c=5.657;4.472;6.000");
  // The triangle, two circles and four marks, in the first curve's colour.
  EXPECT_GT(LinesIn(CurveColor(1)), 3 + 2 * 100 + 4 * 4);
  ASSERT_FALSE(ui.Log().empty());
  const UiLogEntry& scale = ui.Log().back();
  ASSERT_EQ(scale.kind, UiLogEntry::Kind::kPrompt);
  const std::vector<std::string> parts = SplitText(scale.answer, ',');
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[2], parts[3]);  // dx = dy: circles stay round
}

TEST_F(PlaneFigurePlotTest, AFailingOrMissingItemSaysWhy) {
  const int collinear = AddItem("21", "三角形", {"0;0", "1;1", "2;2"});
  const int below = AddItem("", "", {});
  CloseItems();
  EXPECT_EQ(PlotRow(collinear), PlotOutcome::kRefused);
  EXPECT_EQ(PlotRow(below), PlotOutcome::kRefused);
  ASSERT_EQ(ui.Log().size(), 2u);
  EXPECT_EQ(ui.Log()[0].text, "三点共线，不能构成三角形");
  EXPECT_EQ(ui.Log()[1].text, "此行没有平面解析几何的计算项目");
  EXPECT_EQ(canvas.Picture().kind, PictureKind::kEmpty);
}

}  // namespace
}  // namespace zarnix
