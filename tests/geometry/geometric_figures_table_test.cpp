// The table of figures: the auxiliary letters against constructions of the figures, the
// tetrahedron's volume, and known figures whose numbers describe none.
#include "geometry/geometric_figures_table.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "base/convert.h"
#include "figure_sheet_fixture.h"

namespace zarnix {
namespace {

constexpr Extended kPi = 3.1415926535897932385L;

class FigureTable : public FigureSheet {
 protected:
  void SetUp() override {
    FigureSheet::SetUp();
    SetDecimals(12);
    header_ = AddRow({"3.立体图形"});
  }
  // A figure row: name, parameters, then the four formulas.
  int AddFigure(const std::string& name, const std::string& params,
                const std::array<std::string, 4>& formulas) {
    return AddRow(
        {name, "", params, formulas[0], "", formulas[1], "", formulas[2], "", formulas[3]});
  }
  void Run() { RunSection(RunFigureTable, header_); }
  Extended Value(int col, int row) const { return StrToFloat(At(col, row)); }

  int header_ = 0;
};

TEST_F(FigureTable, TheRegularPolyhedronsLetters) {
  const int cube = AddFigure("正多面体", "1;6", {"m", "n", "p", ""});
  const int icosahedron = AddFigure("正多面体", "2;20", {"m", "n", "p", ""});
  Run();
  EXPECT_EQ(At(5, cube), "1.000000000000");
  EXPECT_EQ(At(7, cube), "4.000000000000");
  EXPECT_EQ(At(9, cube), "1.000000000000");  // one square face
  EXPECT_EQ(At(7, icosahedron), "3.000000000000");
  EXPECT_NEAR(Value(9, icosahedron), std::sqrt(3.0L), 1e-12L);  // a triangle of side 2
}

TEST_F(FigureTable, PolygonAreasSegmentAngleAndZoneRadius) {
  const int prism = AddFigure("正棱柱", "2;6;5", {"p", "", "", ""});
  const int segment = AddFigure("弓形", "2;1", {"o", "", "", ""});
  const int zone = AddFigure("球台", "3;4;1", {"", "r", "", ""});
  const int quadrilateral = AddFigure("圆内接四边形", "2;3;4;5", {"s", "", "", ""});
  Run();
  EXPECT_NEAR(Value(5, prism), 3 * std::sqrt(3.0L) / 2 * 4, 1e-11L);  // six equilateral triangles
  EXPECT_NEAR(Value(5, segment), 2 * std::atan2(std::sqrt(3.0L), 1.0L), 1e-11L);
  // Both base circles lie on the sphere of that radius, 1 apart.
  const Extended r = Value(7, zone);
  EXPECT_NEAR(std::sqrt(r * r - 9) - std::sqrt(r * r - 16), 1, 1e-10L);
  EXPECT_EQ(At(5, quadrilateral), "7.000000000000");
}

TEST_F(FigureTable, TheTetrahedronFromFourPoints) {
  const int row = AddFigure("四面体", "1;0;0;0;2;0;0;0;3;1;1;1", {"不是公式", "a+l", "", ""});
  const int flat = AddFigure("四面体", "0;0;0;1;0;0;0;1;0;1;1;0", {"", "", "", ""});
  Run();
  // One sixth of the triple product of the edges from the first point.
  const std::array<Extended, 3> u = {-1, 2, 0}, v = {-1, 0, 3}, w = {0, 1, 1};
  const Extended triple = u[0] * (v[1] * w[2] - v[2] * w[1]) - u[1] * (v[0] * w[2] - v[2] * w[0]) +
                          u[2] * (v[0] * w[1] - v[1] * w[0]);
  EXPECT_NEAR(Value(5, row), std::fabs(triple) / 6, 1e-12L);
  EXPECT_EQ(At(7, row), "2.000000000000");
  EXPECT_EQ(At(5, flat), "参数不能构成图形");
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(FigureTable, KnownFiguresWhoseNumbersDescribeNoneSayWhy) {
  const int polyhedron = AddFigure("正多面体", "1;7", {"m*a^3", "b*p", "", ""});
  const int cylinder = AddFigure("圆柱", "2;0", {"pi*a*a*b", "", "", ""});
  const int sphere = AddFigure("球", "", {"4*pi*a^3/3", "", "", ""});
  const int trapezoid = AddFigure("梯形", "4;8;3;5", {"a+b", "", "", ""});
  const int prism = AddFigure("正棱柱", "2;2.5;1", {"p*c", "", "", ""});
  const int cone = AddFigure("圆锥", "3;4", {"pi*a*a*b/3", "", "", ""});
  Run();
  EXPECT_EQ(At(5, polyhedron), "正多面体只有4、6、8、12、20面");
  EXPECT_EQ(At(7, polyhedron), "正多面体只有4、6、8、12、20面");
  EXPECT_EQ(At(9, polyhedron), "");
  EXPECT_EQ(At(5, cylinder), "参数须大于0");
  EXPECT_EQ(At(5, sphere), "参数个数不足");
  EXPECT_EQ(At(5, trapezoid), "须a>b");
  EXPECT_EQ(At(5, prism), "边数须为不小于3的整数");
  EXPECT_NEAR(Value(5, cone), 12 * kPi, 1e-11L);
}

TEST_F(FigureTable, NumbersBeyondTheRangeOfValuesSayWhyAndTheNextRowIsComputed) {
  const int tetrahedron =
      AddFigure("四面体", "1e2000;0;0;0;1e2000;0;0;0;1e2000;0;0;0", {"", "", "", ""});
  const int cube = AddFigure("立方体", "1e2000", {"a^3", "6*a*a", "", ""});
  const int sphere = AddFigure("球", "1", {"4*pi*a^3/3", "", "", ""});
  Run();
  EXPECT_EQ(At(5, tetrahedron), "参数不能构成图形");
  EXPECT_EQ(At(5, cube), "参数不能构成图形");
  EXPECT_NEAR(Value(5, sphere), 4 * kPi / 3, 1e-11L);
}

TEST_F(FigureTable, OtherNamesKeepTheLettersOfEarlierRows) {
  const int first = AddFigure("自定义", "1;2;3", {"a+b+c", "", "", ""});
  const int second = AddFigure("自定义", "10;0", {"a+b+c", "p", "a*a", ""});
  Run();
  EXPECT_EQ(At(5, first), "6.000000000000");
  EXPECT_EQ(At(5, second), "13.000000000000");
  // The polygon area of 0 sides has no value, which only a formula that uses it shows.
  EXPECT_EQ(At(7, second), "参数不能构成图形");
  EXPECT_EQ(At(9, second), "100.000000000000");
}

}  // namespace
}  // namespace zarnix
