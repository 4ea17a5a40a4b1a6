// The control-system handler on small hand-made sheets: where its tables and margin cells go,
// the limits it writes back, and the messages for sheets it cannot use.
#include "numeric/control_category.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

using Row = std::vector<std::string>;  // cells from column 1 on

class ControlSheet : public BenchTest {
 protected:
  void SetUp() override {
    grid.SetColCount(14);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
  }
  // Appends rows and returns the first one's index.
  int Add(const std::vector<Row>& rows) {
    const int first = grid.RowCount();
    for (const Row& cells : rows) {
      const int row = grid.RowCount();
      grid.SetRowCount(row + 1);
      for (std::size_t c = 0; c < cells.size(); ++c)
        grid.SetCell(1 + static_cast<int>(c), row, cells[c]);
    }
    return first;
  }
  // A blank row, the heading and a few output rows; returns the first output row.
  int AddOutputArea() {
    const int heading = Add({{}, {"", "输出变量"}, {}, {}});
    return heading + 2;
  }
  // Runs with the current cell on `row`; the message of a failure, or "".
  std::string Run(int row) {
    grid.SetRow(row);
    Workbench bench = Bench();
    try {
      HandleControlSystem(bench);
    } catch (const Exception& e) {
      return e.Message();
    }
    return "";
  }
  const std::string& At(int col, int row) { return grid.Cell(col, row); }

  static std::vector<Row> StepItem(const std::string& order, const std::string& steps,
                                   const std::string& a0 = "1", const std::string& dt = "0.1") {
    return {{"1", "tf", "", order, dt, steps},
            {"", "", "", "1"},
            {"", "", "", a0, "1"},
            {"", "", "", "0"},
            {"", "", "", "1", "0"}};
  }
};

TEST_F(ControlSheet, WithoutTheHeadingNothingIsWritten) {
  const int item = Add(StepItem("1", "10"));
  Add({{"", "说明"}});
  const Worksheet before = grid;
  EXPECT_EQ(Run(item), "工作表中找不到\"输出变量\"一行，结果无处输出");
  EXPECT_EQ(grid.RowCount(), before.RowCount());
  for (int r = 0; r < grid.RowCount(); ++r)
    for (int c = 0; c < grid.ColCount(); ++c) ASSERT_EQ(At(c, r), before.Cell(c, r)) << c << r;
  EXPECT_EQ(answer.Lines(),
            (std::vector<std::string>{"每次计算一项", "选择某编号后，单击控制系统仿真按钮", ""}));
}

TEST_F(ControlSheet, LimitsAreWrittenBackAndOldTablesCleared) {
  const int item = Add(StepItem("n=0", "N=-3"));
  const int s = AddOutputArea();
  EXPECT_EQ(Run(item), "");
  EXPECT_EQ(At(4, item), "n=1");
  EXPECT_EQ(At(6, item), "N=0");
  EXPECT_EQ(grid.RowCount(), s + 2);
  EXPECT_EQ(At(1, s - 2), "项目号:1");
  // 1/(s + 1) from rest: 1 - e^-t; a shorter run clears the longer table before it.
  grid.SetCell(6, item, "20");
  Run(item);
  EXPECT_EQ(At(2, s + 21), "0.865");
  grid.SetCell(6, item, "5");
  Run(item);
  EXPECT_EQ(grid.RowCount(), s + 7);
  grid.SetRowCount(s + 22);
  EXPECT_EQ(At(2, s + 21), "");
  // An order whose coefficients would lie beyond the sheet's columns says so.
  grid.SetCell(4, item, "11");
  EXPECT_EQ(Run(item), "阶数为11时需要第4到14列的系数，工作表的列不够");
  grid.SetCell(5, item, "dt=0");
  EXPECT_EQ(Run(item), "时间步长必须大于0");
}

// Block 1 the gain 2, block 2 an integrator after it; the first connection feeds the input
// to block 1, the second block 1 to block 2, every further one the input to block 1 again.
std::vector<Row> DiagramItem(int connections, bool terminated) {
  std::vector<Row> rows = {{"2", "diagram", "", "2", "0.1", "10", "1"},
                           {"", "", "", "2"},
                           {"", "", "", "A", "B", "C", "D"},
                           {"", "", "", "1", "0", "2", "0"},
                           {"", "", "", "0", "1", "1", "0"},
                           {"", "", "系统连接矩阵"}};
  for (int k = 0; k < connections; ++k)
    rows.push_back({"", "", "", k == 1 ? "1" : "0", k == 1 ? "2" : "1", "1"});
  if (terminated) rows.push_back({"", "", "", "0", "0", "0"});
  return rows;
}

TEST_F(ControlSheet, ConnectionListMustEndWithinItsRows) {
  // 100 connections and the end row fill the 101 rows a list may have.
  const int full = Add(DiagramItem(100, true));
  const int s = AddOutputArea();
  EXPECT_EQ(Run(full), "");
  EXPECT_EQ(At(2, s), "Y2");
  EXPECT_EQ(At(1, s + 3), "1.000");
  EXPECT_EQ(At(2, s + 3), "198.000");  // 99 inputs of 1 through the gain 2, for 1 s
  grid = Worksheet();
  SetUp();
  const int unended = Add(DiagramItem(101, true));
  AddOutputArea();
  EXPECT_EQ(Run(unended), "系统连接矩阵没有结束行(两个方框号都为0的一行)，最多101行");
  grid = Worksheet();
  SetUp();
  const int intoHeading = Add(DiagramItem(3, false));
  AddOutputArea();
  EXPECT_EQ(Run(intoHeading), "系统连接矩阵没有结束行(两个方框号都为0的一行)，最多101行");
  grid.SetCell(3, intoHeading + 5, "连接");
  EXPECT_EQ(Run(intoHeading), "第2项下面找不到\"系统连接矩阵\"一行");
}

TEST_F(ControlSheet, BlockCountAndNonlinearKindAreChecked) {
  const int item = Add(DiagramItem(2, true));
  const int s = AddOutputArea();
  grid.SetCell(4, item, "n=500");
  EXPECT_EQ(Run(item), "'' is not a valid floating point value");  // blocks 3 … 100 missing
  EXPECT_EQ(At(4, item), "n=100");
  grid.SetCell(4, item, "2");
  grid.SetCell(1, item, "3");
  grid.SetCell(10, item + 4, "7");
  EXPECT_EQ(Run(item), "非线性环节类型(第10列)应为0到4，不是7");
  grid.SetCell(10, item + 4, "1");
  EXPECT_EQ(Run(item), "'' is not a valid floating point value");  // its threshold is missing
  grid.SetCell(9, item + 4, "0.5");
  EXPECT_EQ(Run(item), "");
  EXPECT_EQ(At(1, s), "T3(双击此格看图像)");
  EXPECT_EQ(At(2, s + 3), "0.500");  // the input held at 0.5 for 1 s
}

std::vector<Row> BodeItem(const std::string& number, const std::string& range) {
  return {{number, "bode"},
          {"", "", "", "K/S", "1/(T*S+1)"},
          {"", range, "", "K", "T"},
          {"", "", "", "1", "1"},
          {},
          {}};
}

TEST_F(ControlSheet, NyquistTableWithTooFewPointsRaisedToThree) {
  const int item = Add(BodeItem("5", "0.5~2;1"));
  const int s = AddOutputArea();
  EXPECT_EQ(Run(item), "");
  EXPECT_EQ(At(2, item + 2), "0.5~2;3");
  EXPECT_EQ(At(2, s), "NYQIST图");
  EXPECT_EQ(grid.RowCount(), s + 4);
  EXPECT_EQ(At(1, s + 3), "-0.200");  // G(2j) = (-0.2, -0.1)
  EXPECT_EQ(At(2, s + 3), "-0.100");
  // The phase never reaches -180 degrees: both of its cells say so and what they guess.
  EXPECT_EQ(At(6, item + 5).rfind("无穿越频率(外推", 0), 0u);
  EXPECT_EQ(At(7, item + 5).rfind("外推", 0), 0u);
}

TEST_F(ControlSheet, FrequencyItemMessages) {
  const int item = Add(BodeItem("4", "0.1~10;100"));
  const int s = AddOutputArea();
  grid.SetCell(4, item + 1, "1/(S+");
  EXPECT_EQ(Run(item), "");
  EXPECT_EQ(ui.Messages().size(), 1u);  // the compiler's text
  EXPECT_EQ(At(1, s), "");
  grid.SetCell(4, item + 1, "");
  EXPECT_EQ(Run(item), "请在项目的下一行从第4列起填写传递函数的各个因子");
  grid.SetCell(4, item + 1, "1/S");
  for (int c = 4; c <= 12; ++c) grid.SetCell(c, item + 2, "p" + std::to_string(c));
  EXPECT_EQ(Run(item), "参数最多8个");
}

TEST_F(ControlSheet, OutputRowsAreNoItems) {
  const int item = Add(StepItem("1", "3"));
  const int s = AddOutputArea();
  Run(item);
  answer.Clear();
  grid.SetCell(1, s + 2, "2");  // a table row that happens to read as an item number
  EXPECT_EQ(Run(s + 2), "");
  EXPECT_EQ(answer.Lines().back(), "当前行没有第1到5项的编号，请先单击某个项目的编号");
  EXPECT_EQ(At(1, s - 2), "项目号:1");
  EXPECT_EQ(At(1, s), "T1(双击此格看图像)");
}

}  // namespace
}  // namespace zarnix
