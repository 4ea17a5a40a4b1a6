// The fun calculations handler on small item sheets: only the current item runs, under its
// title and the reminder; limits go back into the cells; random items write their draws;
// strict cells end the run with the conversion message.
#include "discrete/fun_calculations.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/convert.h"
#include "base/errors.h"
#include "support/bench_fixture.h"

namespace zarnix {
namespace {

constexpr int kResultCol = 10;  // parameters in columns 4 ... 9

class FunCalculationsTest : public BenchTest {
 protected:
  void SetUp() override {
    grid.SetColCount(kResultCol + 1);
    grid.SetRowCount(2);
    grid.SetFixedRows(2);
    grid.SetCell(0, 0, "header");
  }
  int AddRow(const std::string& number, const std::vector<std::string>& params = {}) {
    const int row = grid.RowCount();
    grid.SetRowCount(row + 1);
    grid.SetCell(1, row, number);
    grid.SetCell(2, row, "item" + number);
    for (std::size_t i = 0; i < params.size(); ++i)
      grid.SetCell(4 + static_cast<int>(i), row, params[i]);
    grid.SetCell(kResultCol, row, "old");
    return row;
  }
  void Run(int currentRow) {
    grid.SetRowCount(grid.RowCount() + 1);
    grid.SetCell(1, grid.RowCount() - 1, "***");
    grid.SetRow(currentRow);
    Workbench bench = Bench();
    HandleFunCalculations(bench);
  }
  // Runs one item and returns its lines below the title.
  std::vector<std::string> RunItem(const std::string& number,
                                   const std::vector<std::string>& params = {}) {
    grid = Worksheet();
    SetUp();
    answer.Clear();
    item = AddRow(number, params);
    Run(item);
    const auto& lines = answer.Lines();
    return {lines.begin() + 4, lines.end() - 1};
  }
  const std::string& Cell(int col) { return grid.Cell(col, item); }

  int item = 0;
};

TEST_F(FunCalculationsTest, OnlyTheCurrentItemRunsUnderTheReminderAndItsTitle) {
  const int factorions = AddRow("6");
  const int mersenne = AddRow("11", {"2"});
  const int unknown = AddRow("18", {"1"});
  Run(mersenne);
  EXPECT_EQ(answer.Lines(), (std::vector<std::string>{
                                "每次计算一项", "选择某项目后，单击趣味计算按钮", "", "11.item11",
                                "梅森质数", "形为 2^n-1 的质数", "前2个梅森质数：",
                                "第1个 n=2 (1位)", "3", "第2个 n=3 (1位)", "7", ""}));
  EXPECT_EQ(grid.Cell(kResultCol, factorions), "old");
  EXPECT_EQ(grid.Cell(kResultCol, mersenne), "");
  EXPECT_EQ(grid.Cell(0, 0), "");
  EXPECT_EQ(grid.DefaultColWidth(), 36);
  EXPECT_EQ(grid.ColWidth(2), 170);

  // The first ten items carry their own titles: only the number is written.
  answer.Clear();
  grid.SetRow(factorions);
  Workbench bench = Bench();
  HandleFunCalculations(bench);
  EXPECT_EQ(answer.Lines()[3], "6.");
  EXPECT_EQ(answer.Lines()[4], "求阶乘和数");

  answer.Clear();
  grid.SetRow(unknown);
  HandleFunCalculations(bench);
  EXPECT_EQ(answer.Lines(),
            (std::vector<std::string>{"每次计算一项", "选择某项目后，单击趣味计算按钮", "",
                                      "18.item18", ""}));
}

TEST_F(FunCalculationsTest, LimitsAreWrittenBack) {
  RunItem("1", {"300"});
  EXPECT_EQ(Cell(4), "250");
  RunItem("2", {"25"});
  EXPECT_EQ(Cell(4), "19");
  RunItem("3", {"2000000", "90000"});
  EXPECT_EQ(Cell(4), "1000000");
  EXPECT_EQ(Cell(5), "10000");
  RunItem("3", {"-5", "90000"});
  EXPECT_EQ(Cell(4), "1");
  EXPECT_EQ(Cell(5), "80000");
  RunItem("4", {"40"});
  EXPECT_EQ(Cell(4), "31");
  RunItem("5", {"123456789012345678", "99999"});
  EXPECT_EQ(Cell(4), "100000000000000");
  EXPECT_EQ(Cell(5), "1000");
  RunItem("7", {"5", "999999"});
  EXPECT_EQ(Cell(5), "10005");
  RunItem("10", {"0", "12"});
  EXPECT_EQ(Cell(4), "1");
  EXPECT_EQ(Cell(5), "9");
  RunItem("15", {"2", "0"});
  EXPECT_EQ(Cell(4), "3");
  EXPECT_EQ(Cell(5), "1");
  RunItem("21", {"20000", "1", "1", "1", "24"});
  EXPECT_EQ(Cell(4), "10000");
  RunItem("25", {"1;2;3;-99999", "5"});
  EXPECT_EQ(Cell(4), "1;2;3;-10000");
  RunItem("32", {"0", "-3"});
  EXPECT_EQ(Cell(4), "1");
  EXPECT_EQ(Cell(5), "1");
  RunItem("42", {"2000", "5000", "9"});
  EXPECT_EQ(Cell(4), "1000");
  EXPECT_EQ(Cell(5), "1000");
  EXPECT_EQ(Cell(6), "3");
  RunItem("42", {"0", "5", "-1"});
  EXPECT_EQ(Cell(4), "1");
  EXPECT_EQ(Cell(6), "0");
}

TEST_F(FunCalculationsTest, RandomItemsWriteTheirDraws) {
  for (const char* number : {"22", "24"}) {
    const std::vector<std::string> lines = RunItem(number);
    const int count = std::string(number) == "22" ? 4 : 5;
    for (int col = 4; col < 4 + count; ++col) {
      const int n = StrToInt(Cell(col));
      EXPECT_TRUE(n >= 1 && n <= 20) << Cell(col);
    }
    const int target = StrToInt(Cell(4 + count));
    EXPECT_TRUE(target >= 24 && target <= 43);
    EXPECT_EQ(Cell(kResultCol), lines.back());
  }
  RunItem("33");
  const int n = StrToInt(Cell(4));
  EXPECT_TRUE(n >= 10 && n <= 98);
  EXPECT_EQ(StrToInt(Cell(5)), std::lround(0.8 * n));
}

TEST_F(FunCalculationsTest, SummariesGoIntoTheResultCell) {
  RunItem("21", {"3", "3", "8", "8", "24"});
  EXPECT_EQ(Cell(kResultCol), "有解1个，其中未用括号的0个");
  RunItem("23", {"1", "1", "1", "1", "1", "24"});
  EXPECT_EQ(Cell(kResultCol), "本题无解！");
  RunItem("14", {"0"});
  EXPECT_EQ(Cell(kResultCol), "请输入正整数");
  RunItem("41", {"7"});
  EXPECT_EQ(Cell(kResultCol), "7棵树，每行栽3棵，最多能栽行数：6");
  // 1 = 1/2+1/2 = 1/2+1/3+1/6 = 1/2+1/4+1/4 = 1/3+1/3+1/3
  RunItem("8", {"1"});
  EXPECT_EQ(Cell(kResultCol), "共有4组解");
}

TEST_F(FunCalculationsTest, StrictCellsEndTheRunWithTheConversionMessage) {
  item = AddRow("21", {"x", "1", "1", "1", "24"});
  try {
    Run(item);
    FAIL() << "no conversion error";
  } catch (const EConvertError& error) {
    EXPECT_EQ(error.Message(), "'x' is not a valid integer value");
  }
  grid = Worksheet();
  SetUp();
  item = AddRow("1");
  EXPECT_THROW(Run(item), EConvertError);
  grid = Worksheet();
  SetUp();
  item = AddRow("8", {"1/0"});
  EXPECT_THROW(Run(item), Exception);
}

}  // namespace
}  // namespace zarnix
