// zarnix-cli end to end on the array-statistics and one-variable regression categories with
// the shipped worksheets and data list.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

TEST(NumericCli, ArrayStatisticsOnTheFirstShippedSet) {
  const auto json = RunJson({U("select:数组统计")});
  EXPECT_TRUE(json["messages"].empty());
  const auto answer = json["answer"];
  ASSERT_EQ(answer.size(), 24u);
  EXPECT_EQ(answer[0], U("数组统计值："));
  EXPECT_EQ(answer[1], U("元素数N= 15"));
  EXPECT_EQ(answer[2], U("算术平均值Xp= 13.100"));
  EXPECT_EQ(answer[5], U("最大值= 15.000"));
  EXPECT_EQ(answer[22], U("真值= 13.100±0.247"));
  // Three rows of five: the table's marker in row 15 div 5 + 3 = 6.
  const auto grid = json["grid"];
  EXPECT_EQ(grid["rowCount"], 22);
  EXPECT_EQ(grid["cells"][6][0], U("双击此格看图像"));
  EXPECT_EQ(grid["cells"][7][1], "1");
  EXPECT_EQ(grid["cells"][7][2], "12.500");
  EXPECT_EQ(grid["cells"][21][2], "13.000");
}

TEST(NumericCli, GiniSetsAndEditedValues) {
  // The second set carries the Gini header; the fourth is a set of income deciles.
  EXPECT_EQ(RunJson({U("select:数组统计"), "loaddata", "run"})["answer"][0], U("基尼系数：0.380"));
  EXPECT_EQ(RunJson({U("select:数组统计"), "loaddata", "loaddata", "loaddata", "run"})["answer"][0],
            U("基尼系数：0.424"));

  const auto edited = RunJson({U("select:数组统计"), "cell:0,1=1", "cell:1,1=2", "cell:2,1=3",
                               "cell:3,1=4", "cell:4,1=", "run"});
  EXPECT_EQ(edited["answer"][1], U("元素数N= 4"));
  EXPECT_EQ(edited["answer"][22], U("真值= 2.500±0.645"));

  const auto bad = RunJson({U("select:数组统计"), "cell:1,1=abc", "run"});
  ASSERT_EQ(bad["messages"].size(), 1u);
  EXPECT_EQ(bad["messages"][0]["text"], "'abc' is not a valid floating point value");
  EXPECT_TRUE(bad["answer"].empty());
}

TEST(NumericCli, DecimalPlacesReachTheStatistics) {
  const auto json = RunJson({"decimals:12", U("select:数组统计")});
  EXPECT_EQ(json["answer"][5], U("最大值= 15.000000000000"));
  EXPECT_EQ(json["answer"][6], U("最小值= 11.800000190735"));  // single precision
}

TEST(NumericCli, RegressionOnTheFirstShippedSet) {
  const auto json = RunJson({U("select:一元回归插值")});
  EXPECT_EQ(json["resultFormat"], "%.8f");
  EXPECT_TRUE(json["messages"].empty());
  EXPECT_TRUE(json["answer"].empty());
  const auto cells = json["grid"]["cells"];
  EXPECT_EQ(cells[5][0], U("双击以下回归公式看图象"));
  EXPECT_EQ(cells[6][0], "a+b*x");
  EXPECT_EQ(cells[7][0], "a*x^b");
  EXPECT_EQ(cells[8][0], "1/(a+b*x)");
  EXPECT_EQ(cells[9][0], "x/(a*x+b)");
  EXPECT_EQ(cells[6][1], "1.02142857");
  EXPECT_EQ(cells[6][2], "1.99523810");
  EXPECT_EQ(cells[4][8], U("插值点1"));
  EXPECT_EQ(cells[5][8], "1.5");
  // Fourteen formulas: B = 15, spline values in row 23, the table from row 28.
  EXPECT_EQ(cells[23][0], U("三次样条函数插值"));
  EXPECT_EQ(cells[28][0], U("双击此格看图像"));
  EXPECT_EQ(json["grid"]["rowCount"], 530);
  EXPECT_EQ(cells[529][1], "8.00000000");
  EXPECT_EQ(cells[529][2], "17.10000000");
}

TEST(NumericCli, RegressionSkipsLogarithmicFormsOnNegativeData) {
  const auto json = RunJson({U("select:一元回归插值"), "loaddata", "loaddata", "run"});
  const auto cells = json["grid"]["cells"];
  EXPECT_EQ(cells[2][1], "9.2");
  EXPECT_NE(cells[6][1], "");   // a+b*x
  EXPECT_EQ(cells[7][1], "");   // a*x^b
  EXPECT_EQ(cells[10][1], "");  // a+b*ln(x)
  EXPECT_NE(cells[11][1], "");  // a+b*exp(x)
  EXPECT_TRUE(json["messages"].empty());
}

TEST(NumericCli, RegressionReportsATableItCannotInterpolate) {
  const auto json = RunJson({U("select:一元回归插值"), "cell:2,1=0.5", "run"});
  ASSERT_EQ(json["messages"].size(), 1u);
  EXPECT_EQ(json["messages"][0]["text"], U("插值数据的x值必须严格递增或严格递减"));
  EXPECT_NE(json["grid"]["cells"][6][1], "");  // the regression rows are still fitted
}

}  // namespace
}  // namespace zarnix
