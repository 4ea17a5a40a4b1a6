// The plane analytic-geometry items on one worksheet: each case's result lines worked out by
// hand (degenerate cases between computed ones), and the figure every item draws.
#include "geometry/plane_geometry_category.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "analytic_cases.h"
#include "geometry/plane_geometry.h"
#include "geometry/plane_geometry_figure.h"

namespace zarnix {
namespace {

// The vertices of a regular n-gon of radius 100, as the cell lists them.
std::string ManyVertices(int n) {
  std::string cell;
  for (int i = 0; i < n; ++i) {
    const Point2 p = FromPolar(100, 360.0L * i / n);
    cell += (i ? ";" : "") + std::to_string(static_cast<double>(p.x)) + ";" +
            std::to_string(static_cast<double>(p.y));
  }
  return cell;
}

const AnalyticCase kCases[] = {
    {"1", {"3;4"}, {"r;θ=5.000;53.130"}},
    {"1", {"-1;-1"}, {"r;θ=1.414;225.000"}},
    {"1", {"0;0"}, {"r;θ=0.000;0.000"}},
    {"1", {"3"}, {"参数1应填x;y"}},
    {"2", {"2;60"}, {"x;y=1.000;1.732"}},
    {"2", {"2;-90"}, {"x;y=0.000;-2.000"}},
    {"3", {"1;2", "4;6"}, {"d=5.000", "M=2.500;4.000"}},
    {"3", {"1;2", ""}, {"参数2应填x;y"}},
    {"4", {"1;1", "7;4", "2"}, {"P=5.000;3.000"}},
    {"4", {"1;1", "7;4", "-2"}, {"P=13.000;7.000"}},  // outside AB
    {"4", {"1;1", "7;4", "-1"}, {"λ不能为-1"}},
    {"11",
     {"1;3", "3;7"},
     {"A;B;C=4.000;-2.000;2.000", "k;b=2.000;1.000", "a;b=-0.500;1.000",
      "x0;y0;k=1.000;3.000;2.000", "x1;y1;x2;y2=1.000;3.000;3.000;7.000", "α=63.435"}},
    {"11",
     {"2;1", "2;5"},
     {"A;B;C=4.000;0.000;-8.000", "x=2.000，垂直于x轴，没有斜截式", "直线平行于y轴，没有截距式",
      "x0;y0=2.000;1.000，斜率不存在", "x1;y1;x2;y2=2.000;1.000;2.000;5.000", "α=90.000"}},
    {"11", {"1;1", "1;1"}, {"两点重合，不能确定直线"}},
    {"11",
     {"1;1", "2;2"},
     {"A;B;C=1.000;-1.000;0.000", "k;b=1.000;0.000", "直线过原点，没有截距式",
      "x0;y0;k=1.000;1.000;1.000", "x1;y1;x2;y2=1.000;1.000;2.000;2.000", "α=45.000"}},
    {"12",
     {"2;1", "-0.5"},
     {"A;B;C=0.500;1.000;-2.000", "k;b=-0.500;2.000", "a;b=4.000;2.000",
      "x0;y0;k=2.000;1.000;-0.500", "x1;y1;x2;y2=2.000;1.000;3.000;0.500", "α=153.435"}},
    {"13",
     {"0", "5"},
     {"A;B;C=0.000;1.000;-5.000", "k;b=0.000;5.000", "直线平行于x轴，没有截距式",
      "x0;y0;k=0.000;5.000;0.000", "x1;y1;x2;y2=0.000;5.000;1.000;5.000", "α=0.000"}},
    {"14",
     {"4", "3"},
     {"A;B;C=3.000;4.000;-12.000", "k;b=-0.750;3.000", "a;b=4.000;3.000",
      "x0;y0;k=4.000;0.000;-0.750", "x1;y1;x2;y2=4.000;0.000;0.000;3.000", "α=143.130"}},
    {"14", {"0", "3"}, {"截距不能为0"}},
    {"15",
     {"2;-3;6"},
     {"A;B;C=2.000;-3.000;6.000", "k;b=0.667;2.000", "a;b=-3.000;2.000",
      "x0;y0;k=0.000;2.000;0.667", "x1;y1;x2;y2=0.000;2.000;1.000;2.667", "α=33.690"}},
    {"15", {"0;0;1"}, {"参数1：A、B不能同时为0"}},
    {"16", {"2;-1;1", "1;1;-4"}, {"x;y=1.000;3.000", "θ=71.565", "两直线相交"}},
    {"16", {"1;-1;0", "1;1;-4"}, {"x;y=2.000;2.000", "θ=90.000", "两直线垂直"}},
    {"16", {"1;2;3", "2;4;1"}, {"两直线平行，没有交点", "θ=0.000", "两直线平行"}},
    {"16", {"1;2;3", "2;4;6"}, {"两直线重合", "θ=0.000", "两直线重合"}},
    {"17",
     {"3;4", "1;1;-1"},
     {"d=4.243", "x;y=0.000;1.000", "x;y=-3.000;-2.000", "A;B;C=1.000;1.000;-7.000",
      "A;B;C=1.000;-1.000;1.000"}},
    {"17",
     {"0;1", "1;1;-1"},
     {"d=0.000", "x;y=0.000;1.000", "x;y=0.000;1.000", "A;B;C=1.000;1.000;-1.000",
      "A;B;C=1.000;-1.000;1.000"}},
    {"18",
     {"0;0", "5", "1;1;-7"},
     {"直线与圆相交", "x1;y1;x2;y2=3.000;4.000;4.000;3.000", "d=4.950", "l=1.414"}},
    {"18", {"0;0", "5", "1;0;-5"}, {"直线与圆相切", "x;y=5.000;0.000", "d=5.000", "l=0.000"}},
    {"18", {"0;0", "5", "1;0;-6"}, {"直线与圆相离", "没有交点", "d=6.000", "没有弦"}},
    {"18", {"0;0", "-1", "1;0;-6"}, {"半径应大于0"}},
    {"21",
     {"0;0", "4;0", "0;3"},
     {"a;b;c=5.000;3.000;4.000", "A;B;C=90.000;36.870;53.130", "S;L=6.000;12.000", "G=1.333;1.000",
      "I;r=1.000;1.000;1.000", "O;R=2.000;1.500;2.500", "H=0.000;0.000"}},
    {"21", {"0;0", "1;1", "2;2"}, {"三点共线，不能构成三角形"}},
    {"22",
     {"0;0", "4;0", "0;2"},
     {"x0;y0;r=2.000;1.000;2.236", "D;E;F=-4.000;-2.000;0.000", "S;L=15.708;14.050"}},
    {"22", {"0;0", "1;1", "3;3"}, {"三点共线，不能确定圆"}},
    {"23", {"-4;6;-3"}, {"x0;y0;r=2.000;-3.000;4.000", "S;L=50.265;25.133"}},
    {"23", {"-2;-2;2"}, {"D^2+E^2-4F=0，方程表示一个点：1.000;1.000"}},
    {"23", {"0;0;1"}, {"D^2+E^2-4F<0，方程不表示任何图形"}},
    {"24", {"2;-3", "4"}, {"D;E;F=-4.000;6.000;-3.000", "S;L=50.265;25.133"}},
    {"24", {"2;-3", "0"}, {"半径应大于0"}},
    {"31",
     {"0;0;6;0;6;4;3;2;0;4", "3;1"},
     {"6.000;4.000;3.606;3.606;4.000", "90.000;90.000;56.310;247.380;56.310", "S;L=18.000;21.211",
      "G=3.000;1.556", "凹多边形", "点在多边形内", "0.000;0.000;6.000;4.000"}},
    {"31",
     {"0;0;4;0;4;4;0;4;0;0", "2;0"},  // the closing vertex repeated
     {"4.000;4.000;4.000;4.000", "90.000;90.000;90.000;90.000", "S;L=16.000;16.000",
      "G=2.000;2.000", "凸多边形", "点在多边形的边上", "0.000;0.000;4.000;4.000"}},
    {"31",
     {"0;0;2;2;2;0;0;2"},
     {"2.828;2.000;2.828;2.000", "自相交多边形，不计算内角", "L=9.657，自相交多边形，不计算面积",
      "自相交多边形，不计算重心", "自相交多边形", "参数2可填检验点x;y", "0.000;0.000;2.000;2.000"}},
    {"31", {"0;0;1;1"}, {"多边形至少要有三个顶点"}},
    {"31", {ManyVertices(1001)}, {"多边形最多1000个顶点"}},
    {"31", {"0;0;1;1;2"}, {"顶点坐标的个数应为偶数"}},
    {"31", {"0;0;1;1;1;1;0;1"}, {"第2个和第3个顶点重合"}},
    {"31", {"0;0;1;1;2;2"}, {"各顶点在一条直线上，不构成多边形"}},
    {"41",
     {"5", "3"},
     {"-4.000;0.000;4.000;0.000", "-5.000;0.000;5.000;0.000;0.000;-3.000;0.000;3.000", "e=0.800",
      "x=±6.250", "5.000;3.000;4.000", "S=47.124"}},
    {"41",
     {"3", "5"},
     {"0.000;-4.000;0.000;4.000", "-3.000;0.000;3.000;0.000;0.000;-5.000;0.000;5.000", "e=0.800",
      "y=±6.250", "5.000;3.000;4.000", "S=47.124"}},
    {"41",
     {"2", "2"},
     {"0.000;0.000;0.000;0.000", "-2.000;0.000;2.000;0.000;0.000;-2.000;0.000;2.000", "e=0.000",
      "a=b，是圆，没有准线", "2.000;2.000;0.000", "S=12.566"}},
    {"41", {"0", "3"}, {"a、b应大于0"}},
    {"42",
     {"4", "3"},
     {"-5.000;0.000;5.000;0.000", "-4.000;0.000;4.000;0.000", "e=1.250", "x=±3.200", "y=±0.750x",
      "4.000;3.000;5.000"}},
    {"43",
     {"3", "4"},
     {"0.000;-5.000;0.000;5.000", "0.000;-3.000;0.000;3.000", "e=1.667", "y=±1.800", "y=±0.750x",
      "3.000;4.000;5.000"}},
    {"44",
     {"4"},
     {"2.000;0.000", "0.000;0.000", "e=1.000", "x=-2.000", "y=0", "8.000", "开口向右"}},
    {"44",
     {"-4"},
     {"-2.000;0.000", "0.000;0.000", "e=1.000", "x=2.000", "y=0", "8.000", "开口向左"}},
    {"45",
     {"-2"},
     {"0.000;-1.000", "0.000;0.000", "e=1.000", "y=1.000", "x=0", "4.000", "开口向下"}},
    {"44", {"0"}, {"p不能为0"}},
};

// Rows each case gets: the most result lines an item has.
constexpr int kRowsPerCase = 8;

class PlaneCategoryTest : public AnalyticCasesTest {
 protected:
  void Run() {
    Workbench bench = Bench();
    HandlePlaneAnalyticGeometry(bench);
  }
};

TEST_F(PlaneCategoryTest, EveryItemWorkedOut) {
  const std::vector<int> rows = AddCases(kCases, kRowsPerCase);
  Run();
  ExpectResults(kCases, rows, kRowsPerCase);
  for (int row : rows) EXPECT_EQ(Cell(3, row), kFigureHint);
  EXPECT_EQ(grid.DefaultColWidth(), 118);
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(1), 20);
}

TEST_F(PlaneCategoryTest, EveryComputedItemDrawsAFigure) {
  const std::vector<int> rows = AddCases(kCases, kRowsPerCase);
  Workbench bench = Bench();
  for (std::size_t k = 0; k < rows.size(); ++k) {
    Figure figure;
    const ItemOutcome outcome = PlaneFigureOfRow(bench, rows[k], figure);
    ASSERT_TRUE(outcome.item);
    EXPECT_EQ(outcome.error.empty(), !figure.Empty()) << "case " << k;
    if (!outcome.error.empty()) continue;
    EXPECT_EQ(outcome.lines, kCases[k].lines);
    const FigurePoints points = FlattenFigure(figure, 28, 20);
    ASSERT_GE(points.xs.size(), 3u);
    for (std::size_t i = 0; i < points.xs.size(); ++i)
      EXPECT_EQ(std::isnan(points.xs[i]), std::isnan(points.ys[i]));
  }
  Figure figure;
  EXPECT_FALSE(PlaneFigureOfRow(bench, rows[0] + 1, figure).item);  // a row below an item
}

TEST_F(PlaneCategoryTest, TheTriangleFigureHasItsCirclesAndCentres) {
  const int row = AddItem("21", "triangle", {"0;0", "6;0", "2;4"});
  CloseItems();
  Workbench bench = Bench();
  Figure figure;
  ASSERT_TRUE(PlaneFigureOfRow(bench, row, figure).error.empty());
  ASSERT_EQ(figure.paths.size(), 3u);  // the triangle, the circumcircle, the incircle
  EXPECT_EQ(figure.paths[0].size(), 4u);
  EXPECT_EQ(figure.marks.size(), 4u);
  // The circumcircle passes through the vertices: (3, 1) with radius √10.
  for (const Point2& p : figure.paths[1])
    EXPECT_NEAR(static_cast<double>(Distance(p, {3, 1})), std::sqrt(10.0), 1e-12);
}

}  // namespace
}  // namespace zarnix
