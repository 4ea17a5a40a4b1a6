// The whole handler: column widths, sections found by their header rows in order, the
// spherical-triangle and great-circle sections, and a run that meets figures without value.
#include "geometry/geometric_figures.h"

#include <gtest/gtest.h>

#include "figure_sheet_fixture.h"

namespace zarnix {
namespace {

class GeometricFigures : public FigureSheet {
 protected:
  void Run() { HandleGeometricFigures(bench); }
};

TEST_F(GeometricFigures, ColumnWidths) {
  AddRow({"x"});
  Run();
  EXPECT_EQ(grid.DefaultColWidth(), 56);
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(1), 90);
  EXPECT_EQ(grid.ColWidth(2), 130);
  EXPECT_EQ(grid.ColWidth(3), 56);
}

TEST_F(GeometricFigures, TheKthHeaderRowRunsTheKthSection) {
  // Not headers: a two-byte first character, a two-digit number.
  AddRow({"三.角形", "", "3;4;5"});
  AddRow({"12.x", "", "3;4;5"});
  const int triangles = AddRow({"1.三角形", "", "3;4;5"});
  AddRow({"a"});
  AddRow({"b"});
  AddRow({"c"});
  const int perimeter = AddRow({"周长", "2*s"});
  const int polygons = AddRow({"2.正多边形", "", "1;6"});
  AddRow({"a"});
  AddRow({"n"});
  const int hexagon = AddRow({"周长", "n*a"});
  AddRow({"3.立体图形"});
  const int cube = AddRow({"立方体", "", "2", "a^3"});
  AddRow({"4.平面图形"});
  const int circle = AddRow({"圆", "", "1", "pi*a*a"});
  const int spherical = AddRow({"5.球面三角形", "", "90;90;90"});
  for (int i = 0; i < 7; ++i) AddRow({"-"});
  const int distance = AddRow({"6.球面距离", "", "0", "0", "90", "0", "1"});
  const int segments = AddRow({"7.弓形与扇形"});
  AddRow({"已知θ,r", "60", "1"});
  AddRow({"已知θ,c", "90", "", "2"});
  AddRow({"已知r,c", "", "2", "2"});
  AddRow({"已知r,h", "", "2", "", "1"});
  AddRow({"已知c,h", "", "", "4", "1"});
  const int eighth = AddRow({"8.其它", "", "3;4;5"});
  AddRow({"a"});
  Run();
  EXPECT_EQ(At(3, triangles - 1), "3;4;5");
  EXPECT_EQ(At(3, triangles), "3;4;5");
  EXPECT_EQ(At(3, perimeter), "12.000");
  EXPECT_EQ(At(3, polygons + 1), "1");
  EXPECT_EQ(At(3, hexagon), "6.000");
  EXPECT_EQ(At(5, cube), "8.000");
  EXPECT_EQ(At(5, circle), "3.142");
  EXPECT_EQ(At(3, spherical + 4), "90.000");
  EXPECT_EQ(At(9, distance), "1.571");
  EXPECT_EQ(At(4, segments + 1), "1.000");
  EXPECT_EQ(At(3, eighth + 1), "");
}

class SphericalSection : public GeometricFigures {
 protected:
  void SetUp() override {
    GeometricFigures::SetUp();
    for (const char* header : {"1.三角形", "2.正多边形", "3.立体图形", "4.平面图形"})
      AddRow({header});
  }
};

TEST_F(SphericalSection, SixPartsPerColumnAndBothTrianglesOfTheAmbiguousCase) {
  const int h =
      AddRow({"5.球面三角形", "", "10;20;40", "60;70;80", "1;2", "", "40;50;30", "80;30;50"});
  Run();
  // Three sides that do not close up, three angles, too few numbers, an empty column.
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(At(3, h + i), "不能构成球面三角形");
    EXPECT_EQ(At(5, h + i), "参数个数不足");
    EXPECT_EQ(At(6, h + i), "");
  }
  EXPECT_EQ(At(4, h + 4), "60.000");
  EXPECT_EQ(At(4, h + 1), "52.809");
  // Two sides and the angle opposite the first: two triangles, their parts side by side.
  EXPECT_EQ(At(7, h + 1), "40.000;40.000");
  EXPECT_EQ(At(7, h + 4), "30.000;30.000");
  EXPECT_EQ(At(7, h + 5), "143.425;36.575");
  EXPECT_EQ(At(7, h + 7), "两个解");
  EXPECT_EQ(At(8, h + 7), "一个解");
  EXPECT_EQ(At(4, h + 7), "");
}

TEST_F(GeometricFigures, TheGreatCircleNeedsAPositiveRadius) {
  AddRow({"1.三角形", "", "1;1;5"});
  AddRow({"a"});
  AddRow({"b"});
  AddRow({"c"});
  const int area = AddRow({"面积", "sqrt(s*(s-a)*(s-b)*(s-c))"});
  AddRow({"2.正多边形"});
  AddRow({"3.立体图形"});
  AddRow({"4.平面图形"});
  AddRow({"5.球面三角形"});
  const int distance = AddRow({"6.球面距离", "", "0", "0", "90", "0", "0"});
  Run();
  EXPECT_EQ(At(3, area), "不能构成三角形");
  EXPECT_EQ(At(9, distance), "参数须大于0");
  EXPECT_TRUE(ui.Messages().empty());
}

}  // namespace
}  // namespace zarnix
