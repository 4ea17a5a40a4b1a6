// End to end: the vector table over the shipped data sets (cycled by load data) and the
// functions-and-curves sheet as shipped.
#include <gtest/gtest.h>

#include <string>

#include "cli_runner.h"

namespace zarnix {
namespace {

TEST(VectorsCli, EverySetFillsTheTableOfItsDimension) {
  const auto unit = RunJson({U("select:矢量运算")});
  EXPECT_EQ(unit["grid"]["cells"][5][4], "1.000");
  EXPECT_EQ(unit["grid"]["cells"][16][4], "1.000");
  EXPECT_TRUE(unit["messages"].empty());

  const auto force = RunJson({U("select:矢量运算"), "loaddata", "run"});
  const auto& cells = force["grid"]["cells"];
  EXPECT_EQ(cells[1][0], U("力F"));
  EXPECT_EQ(cells[13][4], "-15.000");
  EXPECT_EQ(cells[14][1], "-16.000");
  EXPECT_EQ(cells[16][4], "-18.000");

  const auto opposite = RunJson({U("select:矢量运算"), "loaddata", "loaddata", "run"});
  EXPECT_EQ(opposite["grid"]["cells"][10][4], "180.000");

  const auto plane = RunJson({U("select:矢量运算"), "loaddata", "loaddata", "loaddata", "run"});
  EXPECT_EQ(plane["grid"]["cells"][5][4], "5.000");
  EXPECT_EQ(plane["grid"]["cells"][14][1], "");
  EXPECT_TRUE(plane["messages"].empty());

  const auto five =
      RunJson({U("select:矢量运算"), "loaddata", "loaddata", "loaddata", "loaddata", "decimals:2"});
  EXPECT_EQ(five["grid"]["cells"][11][5], "6.00");
  EXPECT_EQ(five["grid"]["cells"][13][4], "35.00");
}

TEST(FunctionsCurvesCli, TheShippedSheetListsExtremaAndAnalysesEveryConic) {
  const auto json = RunJson({U("select:函数与曲线")});
  EXPECT_TRUE(json["messages"].empty());
  const auto& answer = json["answer"];
  ASSERT_GE(answer.size(), 6u);
  EXPECT_EQ(answer[2], U("三次函数的极大值点为："));
  EXPECT_EQ(answer[3], "-1.000,2.000");
  // The pole of x + 1/(x − 1) at 1 is no extremum: one maximum at 0, one minimum at 2.
  bool rational = false;
  for (std::size_t i = 0; i + 3 < answer.size(); ++i) {
    if (answer[i] != U("有理函数的极大值点为：")) continue;
    rational = true;
    EXPECT_EQ(answer[i + 1], "0.000,-1.000");
    EXPECT_EQ(answer[i + 2], U("有理函数的极小值点为："));
    EXPECT_EQ(answer[i + 3], "2.000,3.000");
    EXPECT_EQ(answer[i + 4], "");
  }
  EXPECT_TRUE(rational);

  // The name written below each labelled equation.
  const auto& cells = json["grid"]["cells"];
  std::vector<std::string> kinds;
  for (std::size_t r = 0; r + 1 < cells.size(); ++r)
    if (cells[r][1].get<std::string>().find(U("一般形式二次方程")) != std::string::npos)
      kinds.push_back(cells[r + 1][1]);
  EXPECT_EQ(kinds, (std::vector<std::string>{U("椭圆1"), U("双曲线1"), U("抛物线1"), U("椭圆1"),
                                             U("双曲线"), U("抛物线"), U("两条相交直线1"),
                                             U("两条平行直线1"), U("一点1"), U("无轨迹1")}));
}

}  // namespace
}  // namespace zarnix
