// Triangles and regular polygons by the column: each kind of header column gives its sides,
// a column that is no figure gets the reason in its cells while the other columns are computed.
#include "geometry/geometric_figures_columns.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/errors.h"
#include "figure_sheet_fixture.h"

namespace zarnix {
namespace {

class TriangleSection : public FigureSheet {
 protected:
  // The header, the three side rows and the measure rows with the given formulas.
  int AddTriangles(const std::vector<std::string>& columns,
                   const std::vector<std::string>& formulas) {
    std::vector<std::string> header = {"1.三角形", ""};
    header.insert(header.end(), columns.begin(), columns.end());
    const int h = AddRow(header);
    AddRow({"边a"});
    AddRow({"边b"});
    AddRow({"边c"});
    for (const std::string& formula : formulas) AddRow({"量", formula});
    return h;
  }
};

TEST_F(TriangleSection, EachKindOfColumnGivesTheThreeSides) {
  const int h = AddTriangles({"3;4;5", "3;90;4", "30;5;60", "0;0;3;0;0;4", "0;0;0;2;0;0;0;2;1"},
                             {"2*s", "x+y+z", "n"});
  RunSection(RunTriangleSection, h);
  // Sides as typed, the third side of two sides and the angle between them, the law of sines,
  // the distances of plane and space points.
  const std::vector<std::vector<std::string>> sides = {{"3", "4", "5"},
                                                       {"3", "5.000", "4"},
                                                       {"2.500", "5", "4.330"},
                                                       {"3.000", "5.000", "4.000"},
                                                       {"2.000", "3.000", "2.236"}};
  for (int col = 3; col <= 7; ++col)
    for (int i = 0; i < 3; ++i) EXPECT_EQ(At(col, h + 1 + i), sides[col - 3][i]) << col << i;
  EXPECT_EQ(At(3, h + 4), "12.000");
  EXPECT_EQ(At(5, h + 4), "11.830");
  // x, y, z are the column's first three numbers; n is b.
  EXPECT_EQ(At(4, h + 5), "97.000");
  EXPECT_EQ(At(6, h + 5), "3.000");
  EXPECT_EQ(At(4, h + 6), "5.000");
}

TEST_F(TriangleSection, ColumnsThatAreNoTriangleSayWhyAndTheOthersAreComputed) {
  // The triangle inequality, a straight angle sum, points on a line, too few numbers.
  const int h = AddTriangles({"1;2;5", "3;90;4", "100;5;80", "0;0;1;1;2;2", "1;2;3"}, {"2*s", "a"});
  RunSection(RunTriangleSection, h);
  for (const int row : {h + 4, h + 5}) {
    EXPECT_EQ(At(3, row), "不能构成三角形");
    EXPECT_EQ(At(5, row), "不能构成三角形");
    EXPECT_EQ(At(6, row), "不能构成三角形");
    EXPECT_EQ(At(7, row), "参数个数不足");
  }
  EXPECT_EQ(At(4, h + 4), "12.000");
  // The sides computed from the angles have no value; the typed side stays.
  EXPECT_EQ(At(5, h + 1), "不能构成三角形");
  EXPECT_EQ(At(5, h + 2), "5");
  EXPECT_EQ(At(6, h + 2), "不能构成三角形");
  EXPECT_EQ(At(7, h + 3), "3");
}

TEST_F(TriangleSection, AMeasureWithoutValueLeavesTheNextMeasure) {
  const int h = AddTriangles({"3;4;5"}, {"a/(b-4)", "(0-8)^(1/3)", "sqrt(a-4)", "c"});
  RunSection(RunTriangleSection, h);
  EXPECT_EQ(At(3, h + 4), "参数不能构成图形");
  EXPECT_EQ(At(3, h + 5), "计算x^y时，若x<=0，y必须为整数");
  EXPECT_EQ(At(3, h + 6), "参数不能构成图形");
  EXPECT_EQ(At(3, h + 7), "5.000");
}

TEST_F(TriangleSection, ANumberThatIsNoNumberEndsTheRun) {
  const int h = AddTriangles({"3;x;5"}, {"2*s"});
  try {
    RunSection(RunTriangleSection, h);
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'x' is not a valid floating point value");
  }
}

TEST_F(TriangleSection, MeasuresEndAtARowWithoutNameAndColumnsAtAnEmptyHeader) {
  const int h = AddTriangles({"3;4;5", "", "30;5;60"}, {"2*s"});
  const int gap = AddRow({"", "2*s"});
  const int next = AddRow({"2.正多边形", "2*s"});
  RunSection(RunTriangleSection, h);
  EXPECT_EQ(At(3, h + 4), "12.000");
  EXPECT_EQ(At(3, gap), "");
  EXPECT_EQ(At(3, next), "");
  EXPECT_EQ(At(5, h + 1), "");
  EXPECT_EQ(At(5, h + 4), "");
}

class PolygonSection : public FigureSheet {};

TEST_F(PolygonSection, SideFromTheRadiiAndTheMeasuresOfEachPolygon) {
  const int h = AddRow({"2.正多边形", "", "1;6", "1;6", "1;4", "1;2", "1;4.5"});
  AddRow({"边长a"});
  AddRow({"边数n"});
  const int area = AddRow({"面积", "n*a*a/4*cot(pi/n)"});
  RunSection(RunPolygonSection, h);
  // Circumradius 1 and inradius 1 with 6 and 4 sides.
  EXPECT_EQ(At(4, h + 1), "1.000");
  EXPECT_EQ(At(5, h + 1), "2.000");
  EXPECT_EQ(At(3, h + 2), "6");
  EXPECT_EQ(At(3, area), "2.598");
  EXPECT_EQ(At(5, area), "4.000");
  EXPECT_EQ(At(6, area), "不能构成正多边形");
  EXPECT_EQ(At(7, area), "不能构成正多边形");
}

}  // namespace
}  // namespace zarnix
