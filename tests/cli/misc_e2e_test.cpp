// zarnix-cli on the miscellaneous calculations: the shipped worksheet opens fully computed,
// edited cells are recomputed, and a bad date stays in its own row.
#include <gtest/gtest.h>

#include <string>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

constexpr int kResultCol = 13;

// The result cell of the row whose item number is `number` (first match).
std::string ResultOf(const nlohmann::json& grid, const std::string& number) {
  for (const auto& row : grid["cells"])
    if (row[1] == number) return row[kResultCol];
  return "<no item " + number + ">";
}

TEST(MiscCli, TheShippedWorksheetOpensComputed) {
  const CliRun run = RunZarnixCli({"--json", U("select:杂项计算")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  EXPECT_EQ(json["categoryIndex"], 8);
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  const auto& grid = json["grid"];
  ASSERT_EQ(grid["colCount"], kResultCol + 1);
  // Every item row has a result.
  for (int row = 2; row < grid["rowCount"].get<int>() - 1; ++row)
    EXPECT_NE(grid["cells"][row][kResultCol], "") << row;
  EXPECT_EQ(grid["cells"][grid["rowCount"].get<int>() - 1][1], "***");
  EXPECT_EQ(ResultOf(grid, "1"), "1.000");
  EXPECT_EQ(ResultOf(grid, "3"), U("分子量：98.072,含氢硫氧元素"));
  EXPECT_EQ(ResultOf(grid, "31"), "2451545");
  EXPECT_EQ(ResultOf(grid, "35"), U("3月31日"));
  EXPECT_EQ(ResultOf(grid, "36"), U("星期六"));
  EXPECT_EQ(ResultOf(grid, "37"), U("癸卯(兔)年闰二月初一"));
  EXPECT_EQ(ResultOf(grid, "38"), U("2023年3月22日"));
  EXPECT_EQ(ResultOf(grid, "62"), "0.600");
}

TEST(MiscCli, EditedCellsAreRecomputedAndBadDatesStayInTheirRow) {
  // Row 11 is item 37 (Gregorian to lunar), row 5 item 31 (day number) in the shipped sheet.
  const CliRun run = RunZarnixCli({"--json", U("select:杂项计算"), "cell:5,11=13", "cell:4,5=1999",
                                   "cell:5,5=12", "cell:6,5=31", "decimals:5", "run"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(cells[11][1], "37");
  ASSERT_EQ(cells[5][1], "31");
  EXPECT_EQ(cells[11][kResultCol], U("日期无效：2023年13月22日"));
  EXPECT_EQ(cells[5][kResultCol], "2451544");
  EXPECT_EQ(ResultOf(json["grid"], "1"), "1.00000");
  EXPECT_TRUE(json["messages"].empty());
}

TEST(MiscCli, DepositInterestWithTheShippedRates) {
  // Row 19 is item 46: 10000 for one year from 2010-01-01 at 2.25%, no interest tax.
  const CliRun run = RunZarnixCli({"--json", U("select:杂项计算"), "cell:5,19=20100101",
                                   "cell:6,19=20110101", "cell:8,19=0", "run"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(cells[19][1], "46");
  EXPECT_EQ(cells[19][kResultCol], "10225.00");
}

}  // namespace
}  // namespace zarnix
