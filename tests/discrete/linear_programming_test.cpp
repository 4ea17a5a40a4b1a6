// The linear-programming category on hand-made sheets: how each item reads the rows below
// it, its answer lines and message boxes, the limits written back, and the tour's route cells.
#include "discrete/linear_programming.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Lines = std::vector<std::string>;

class LinearProgrammingTest : public BenchTest {
 protected:
  void SetUp() override {
    grid.SetColCount(11);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
    random.SetSeed(2024);
  }
  // A row with column 1 `number`, column 2 `name` and cells from column 4 on.
  int AddRow(const std::string& number, const std::string& name, const Lines& cells = {}) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(1, row, number);
    grid.SetCell(2, row, name);
    for (std::size_t i = 0; i < cells.size(); ++i)
      grid.SetCell(4 + static_cast<int>(i), row, cells[i]);
    return row;
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
  AddRow("1", "产品组合", {"3", "5", "max"});
  AddRow("", "", {"1", "0", "<", "4"});
  AddRow("", "", {"0", "2", "<=", "12"});
  AddRow("", "", {"3", "2", "<=", "18"});
  AddRow("", "", {});  // ends the constraints
  AddRow("", "", {"1", "1", ">=", "100"});
  AddRow("1", "最小", {"1", "1", "Min"});
  AddRow("", "", {"1", "1", ">", "2"});
  AddRow("1", "等式", {"1", "m"});  // "m…" that is not "max" minimises
  AddRow("", "", {"1", "=", "4"});
  EXPECT_EQ(Run(), (Lines{"产品组合", "目标函数极大值: 36.000", "变量值", "2.000", "6.000", "",
                          "最小", "目标函数极小值: 2.000", "变量值", "2.000", "0.000", "", "等式",
                          "目标函数极小值: 4.000", "变量值", "4.000", ""}));
  EXPECT_TRUE(ui.Messages().empty());
}

TEST_F(LinearProgrammingTest, InfeasibleAndUnboundedProgramsShowMessagesAndTheRunGoesOn) {
  AddRow("1", "不可行", {"1", "min"});
  AddRow("", "", {"1", ">=", "5"});
  AddRow("", "", {"1", "<=", "3"});
  AddRow("1", "无界", {"1", "max"});
  AddRow("", "", {"1", ">=", "1"});
  AddRow("1", "右端为负", {"1", "min"});
  AddRow("", "", {"-1", "<=", "-2"});
  EXPECT_EQ(Run(),
            (Lines{"不可行", "无界", "右端为负", "目标函数极小值: 2.000", "变量值", "2.000", ""}));
  EXPECT_EQ(ui.Messages(), (Lines{"线性规划问题不可行", "线性规划问题无解"}));
}

TEST_F(LinearProgrammingTest, BadProgramTextsEndTheRun) {
  const int row = AddRow("1", "无max", {"1", "2"});
  EXPECT_EQ(RunError(), "目标函数行应为各变量的系数，其后为max或min");
  grid.SetCell(4, row, "max");
  EXPECT_EQ(RunError(), "目标函数行应为各变量的系数，其后为max或min");
  grid.SetCell(4, row, "1");
  grid.SetCell(5, row, "max");
  const int constraint = AddRow("", "", {"1", "≤", "3"});
  EXPECT_EQ(RunError(), "约束关系应为<、<=、=、>或>=：≤");
  grid.SetCell(5, constraint, "<=");
  grid.SetCell(4, constraint, "1,5");
  EXPECT_EQ(RunError(), "'1,5' is not a valid floating point value");
  grid.SetCell(4, constraint, "1");
  grid.SetCell(6, constraint, "");
  EXPECT_EQ(RunError(), "'' is not a valid floating point value");
  grid.SetCell(6, constraint, "3");
  for (int k = 0; k < 200; ++k) AddRow("", "", {"1", "<=", "3"});
  EXPECT_EQ(RunError(), "线性规划最多200个变量和200个约束");
}

TEST_F(LinearProgrammingTest, SimulationsAnswerFromTheSeededGenerator) {
  AddRow("2", "模拟", {"见下两行"});
  AddRow("", "", {"2", "1.6", "100"});
  AddRow("", "", {"50", "3", "500", "4", "10"});
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
  AddRow("2", "模拟", {"x"});
  const int queue = AddRow("", "", {"0.5", "0.25", "1e9"});
  const int exchange = AddRow("", "", {"10000000", "20000000", "99999999", "3", "5"});
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
  const int row = AddRow("3", "四城", {"0;0;1;0;1;1;0;1"});
  AddRow("", "");
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
  const int few = AddRow("3", "两城", {"0;0;3;4;7"});
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
  const int row = AddRow("3", "三城", {"0;0;3;0;0;4"});
  Run();
  EXPECT_EQ(grid.ColCount(), 7);
  EXPECT_EQ(grid.RowCount(), row + 2);
  EXPECT_EQ(grid.Cell(4, row), "0;0;3;0;0;4");
  EXPECT_EQ(grid.Cell(5, row), "双击此格看图像");
  EXPECT_EQ(grid.Cell(6, row), "0;3;0;0");
  EXPECT_EQ(grid.Cell(6, row + 1), "0;0;4;0");
}

TEST_F(LinearProgrammingTest, LoopItemWorksOnTheRowsBelowItsTitle) {
  AddRow("4", "单闭环调运系统", {"见下表"});
  AddRow("", "站/路段", {"流量"});
  const int first = AddRow("", "A");
  grid.SetCell(3, first, "5");
  AddRow("", "A-B");
  grid.SetCell(5, first + 1, "1");
  AddRow("", "B");
  grid.SetCell(3, first + 2, "-5");
  AddRow("", "B-A");
  grid.SetCell(5, first + 3, "3");
  EXPECT_TRUE(Run().empty());
  EXPECT_EQ(grid.Cell(4, first + 1), "5.000");
  EXPECT_EQ(grid.Cell(5, first + 8), "4.000");  // the loop's length
}

}  // namespace
}  // namespace zarnix
