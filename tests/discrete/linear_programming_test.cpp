// The linear-programming category on hand-made sheets: how each item reads the rows below
// it, its answer lines and message boxes, the limits written back, and the tour's route cells.
#include "discrete/linear_programming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/item_sheet_fixture.h"

namespace zarnix {
namespace {

using Lines = std::vector<std::string>;

class LinearProgrammingTest : public ItemSheetFixture {
 protected:
  void SetUp() override {
    ItemSheetFixture::SetUp();
    grid.SetColCount(11);
    random.SetSeed(2024);
  }
  Lines Run() {
    Workbench bench = Bench();
    HandleLinearProgramming(bench);
    return answer.Lines();
  }
  std::string RunError() {
    try {
      Run();
    } catch (const Exception& error) {
      return error.Message();
    }
    return "no error";
  }
};

TEST_F(LinearProgrammingTest, ProgramsReadTheirConstraintsFromTheRowsBelow) {
  AddItem("1", "产品组合", {"3", "5", "max"});
  AddItem("", "", {"1", "0", "<", "4"});
  AddItem("", "", {"0", "2", "<=", "12"});
  AddItem("", "", {"3", "2", "<=", "18"});
  AddItem("", "", {});  // ends the constraints
  AddItem("", "", {"1", "1", ">=", "100"});
  AddItem("1", "最小", {"1", "1", "Min"});
  AddItem("", "", {"1", "1", ">", "2"});
  AddItem("1", "等式", {"1", "m"});  // "m…" that is not "max" minimises
  AddItem("", "", {"1", "=", "4"});
  EXPECT_EQ(Run(), (Lines{"产品组合", "目标函数极大值: 36.000", "变量值", "2.000", "6.000", "",
                          "最小", "目标函数极小值: 2.000", "变量值", "2.000", "0.000", "", "等式",
                          "目标函数极小值: 4.000", "变量值", "4.000", ""}));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(LinearProgrammingTest, InfeasibleAndUnboundedProgramsShowMessagesAndTheRunGoesOn) {
  AddItem("1", "不可行", {"1", "min"});
  AddItem("", "", {"1", ">=", "5"});
  AddItem("", "", {"1", "<=", "3"});
  AddItem("1", "无界", {"1", "max"});
  AddItem("", "", {"1", ">=", "1"});
  AddItem("1", "右端为负", {"1", "min"});
  AddItem("", "", {"-1", "<=", "-2"});
  EXPECT_EQ(Run(),
            (Lines{"不可行", "无界", "右端为负", "目标函数极小值: 2.000", "变量值", "2.000", ""}));
  EXPECT_EQ(ui.Messages(), (Lines{"线性规划问题不可行", "线性规划问题无解"}));
}

TEST_F(LinearProgrammingTest, BadProgramTextsEndTheRun) {
  const int row = AddItem("1", "无max", {"1", "2"});
  EXPECT_EQ(RunError(), "目标函数行应为各变量的系数，其后为max或min");
  grid.SetCell(4, row, "max");
  EXPECT_EQ(RunError(), "目标函数行应为各变量的系数，其后为max或min");
  grid.SetCell(4, row, "1");
  grid.SetCell(5, row, "max");
  const int constraint = AddItem("", "", {"1", "≤", "3"});
  EXPECT_EQ(RunError(), "约束关系应为<、<=、=、>或>=：≤");
  grid.SetCell(5, constraint, "<=");
  grid.SetCell(4, constraint, "1,5");
  EXPECT_EQ(RunError(), "'1,5' is not a valid floating point value");
  grid.SetCell(4, constraint, "1");
  grid.SetCell(6, constraint, "");
  EXPECT_EQ(RunError(), "'' is not a valid floating point value");
  grid.SetCell(6, constraint, "3");
  for (int k = 0; k < 200; ++k) AddItem("", "", {"1", "<=", "3"});
  EXPECT_EQ(RunError(), "线性规划最多200个变量和200个约束");
}

TEST_F(LinearProgrammingTest, SimulationsAnswerFromTheSeededGenerator) {
  AddItem("2", "模拟", {"见下两行"});
  AddItem("", "", {"2", "1.6", "100"});
  AddItem("", "", {"50", "3", "500", "4", "10"});
  const Lines first = Run();
  ASSERT_EQ(first.size(), 6u);
  EXPECT_EQ(first[0], "2.单队单服务员系统");
  EXPECT_EQ(first[1].rfind("顾客排队平均时间: ", 0), 0u) << first[1];
  EXPECT_EQ(first[2].rfind("服务员忙的相对时间: 0.", 0), 0u) << first[2];
  EXPECT_EQ(first[3], "");
  EXPECT_EQ(first[4], "多队单服务员系统");
  EXPECT_EQ(first[5].rfind("成功率: 0.", 0), 0u) << first[5];
  answer.Clear();
  random.SetSeed(2024);
  EXPECT_EQ(Run(), first);
}

TEST_F(LinearProgrammingTest, SimulationLimitsAreWrittenBackAndMeansMustBePositive) {
  AddItem("2", "模拟", {"x"});
  const int queue = AddItem("", "", {"0.5", "0.25", "1e9"});
  const int exchange = AddItem("", "", {"10000000", "20000000", "99999999", "3", "5"});
  Run();
  EXPECT_EQ(grid.Cell(6, queue), "2500");
  EXPECT_EQ(grid.Cell(4, exchange), "100000");
  EXPECT_EQ(grid.Cell(5, exchange), "100000");
  EXPECT_EQ(grid.Cell(6, exchange), "200000");

  answer.Clear();
  grid.SetCell(4, queue, "0");
  grid.SetCell(8, exchange, "-1");
  EXPECT_EQ(Run(), (Lines{"2.单队单服务员系统", "", "多队单服务员系统"}));
  EXPECT_EQ(ui.Messages(), (Lines{"平均时间必须大于0", "平均时间必须大于0"}));

  grid.SetCell(7, exchange, "2.5");
  EXPECT_EQ(RunError(), "'2.5' is not a valid integer value");
}

TEST_F(LinearProgrammingTest, TourAnswerRouteCellsAndMarker) {
  const int row = AddItem("3", "四城", {"0;0;1;0;1;1;0;1"});
  AddItem("", "", {});
  EXPECT_EQ(Run(), (Lines{"", "3.货郎担问题", "最短距离: 4.000", "最短路径:ABCDA"}));
  EXPECT_EQ(grid.Cell(10, row), "0;1;1;0;0");
  EXPECT_EQ(grid.Cell(10, row + 1), "0;0;1;1;0");
  EXPECT_EQ(grid.Cell(9, row), "双击此格看图像");
  const RoutePoints route = ReadRoute(grid, row);
  EXPECT_EQ(route.xs, (std::vector<Extended>{0, 1, 1, 0, 0}));
  EXPECT_EQ(route.ys, (std::vector<Extended>{0, 0, 1, 1, 0}));
  EXPECT_EQ(route.caption, "四城出发点坐标：0,0");
}

TEST_F(LinearProgrammingTest, TourCityCounts) {
  // Two cities and a lone x: a message, nothing written.
  const int few = AddItem("3", "两城", {"0;0;3;4;7"});
  EXPECT_EQ(Run(), (Lines{"", "3.货郎担问题"}));
  EXPECT_EQ(ui.Messages(), (Lines{"货郎担问题至少需要3个城市"}));
  EXPECT_EQ(grid.Cell(10, few), "");

  // 21 cities on a line: the 21st, far away, is left out.
  std::string cities;
  for (int i = 0; i < 20; ++i) cities += std::to_string(i) + ";0;";
  grid.SetCell(4, few, cities + "1000;0");
  answer.Clear();
  EXPECT_EQ(Run(), (Lines{"", "3.货郎担问题", "城市超过20个，只计算前20个城市", "最短距离: 38.000",
                          "最短路径:ABCDEFGHIJKLMNOPQRSTA"}));
}

TEST_F(LinearProgrammingTest, ANarrowSheetGrowsForTheRoute) {
  grid.SetColCount(5);
  const int row = AddItem("3", "三城", {"0;0;3;0;0;4"});
  Run();
  EXPECT_EQ(grid.ColCount(), 7);
  EXPECT_EQ(grid.RowCount(), row + 2);
  EXPECT_EQ(grid.Cell(4, row), "0;0;3;0;0;4");
  EXPECT_EQ(grid.Cell(5, row), "双击此格看图像");
  EXPECT_EQ(grid.Cell(6, row), "0;3;0;0");
  EXPECT_EQ(grid.Cell(6, row + 1), "0;0;4;0");
}

}  // namespace
}  // namespace zarnix
