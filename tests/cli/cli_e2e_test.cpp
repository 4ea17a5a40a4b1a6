// zarnix-cli end to end: options, actions, JSON and text output, exit statuses.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

TEST(ZarnixCli, SelectingArrayStatistics) {
  const CliRun run = RunZarnixCli({"--json", U("select:数组统计")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  EXPECT_EQ(json["category"], U("数组统计"));
  EXPECT_EQ(json["categoryIndex"], 2);
  EXPECT_EQ(json["resultFormat"], "%.3f");
  EXPECT_EQ(json["decimalsEnabled"], true);
  EXPECT_EQ(json["grid"]["fixedRows"], 1);
  EXPECT_EQ(json["grid"]["fixedCols"], 0);
}

TEST(ZarnixCli, DecimalsBeforeIntegerArithmetic) {
  const CliRun run = RunZarnixCli({"--json", "decimals:7", U("select:整数运算")});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  EXPECT_EQ(json["resultFormat"], "%.7f");
  EXPECT_EQ(json["decimalsEnabled"], false);
  EXPECT_EQ(json["categoryIndex"], 6);
}

TEST(ZarnixCli, ShowRunsByDefaultAndPrintsMessagesOnStderr) {
  const CliRun run = RunZarnixCli({});
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");  // the start-up sheet computes without a message
  EXPECT_FALSE(run.out.empty());
  const CliRun failing = RunZarnixCli({"show", "open:/nonexistent/file.thf"});
  EXPECT_EQ(failing.err.rfind(U("[消息] "), 0), 0u) << failing.err;
  const CliRun json = RunZarnixCli({"--json", "show"});
  EXPECT_EQ(json.Json()["category"], U("通用计算"));
  EXPECT_EQ(json.Json()["categoryIndex"], 18);
}

TEST(ZarnixCli, CellsAndCurrentCellReachTheGrid) {
  const CliRun run = RunZarnixCli(
      {"--json", U("select:整数运算"), U("cell:3,2=公式=x+1"), "cell:1,1=", "goto:3,2"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto grid = run.Json()["grid"];
  EXPECT_EQ(grid["cells"][2][3], U("公式=x+1"));
  EXPECT_EQ(grid["cells"][1][1], "");
  EXPECT_EQ(grid["col"], 3);
  EXPECT_EQ(grid["row"], 2);
  for (const auto& row : grid["cells"]) EXPECT_EQ(row.size(), grid["colCount"]);
}

TEST(ZarnixCli, ScreenAndDecimalOptions) {
  const CliRun run =
      RunZarnixCli({"--json", "--decimals", "5", "--screen", "1920x1080", U("select:通用计算")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.Json()["resultFormat"], "%.5f");
}

TEST(ZarnixCli, OpenLoadsAnyTableFormat) {
  const CliRun run = RunZarnixCli(
      {"--json", "open:" + std::string(ZARNIX_TESTS_DIR) + "/tablefile/data/people.dbf"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto grid = run.Json()["grid"];
  EXPECT_EQ(grid["rowCount"], 5);
  EXPECT_EQ(grid["cells"][0][2], "N3.0");
  EXPECT_EQ(grid["cells"][2][1], U("张三      "));

  const CliRun missing = RunZarnixCli({"--json", "open:/nonexistent/file.thf"});
  ASSERT_EQ(missing.status, 0);  // a file error is a message, as in the window
  EXPECT_EQ(missing.Json()["messages"].size(), 1u);
}

TEST(ZarnixCli, LoadDataCyclesThroughTheShippedSets) {
  // Heading rows of the sets shown after 0, 1, 2 ... presses of load data.
  std::vector<nlohmann::json> headings;
  std::vector<std::string> args = {"--json", U("select:数组统计")};
  for (int presses = 0; presses < 12; ++presses) {
    const CliRun run = RunZarnixCli(args);
    ASSERT_EQ(run.status, 0) << run.err;
    headings.push_back(run.Json()["grid"]["cells"][0]);
    args.push_back("loaddata");
  }
  EXPECT_NE(headings[1], headings[0]);
  const auto again = std::find(headings.begin() + 1, headings.end(), headings[0]);
  ASSERT_NE(again, headings.end()) << "the first set never came back";
  const auto period = again - headings.begin();
  for (std::size_t i = period; i < headings.size(); ++i)
    EXPECT_EQ(headings[i], headings[i - period]);
}

TEST(ZarnixCli, UnusableArgumentsExitWithStatusTwo) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"frobnicate"},
                                             {U("select:没有这个类别")},
                                             {"cell:x,1=2"},
                                             {"cell:1,1"},
                                             {"goto:-1,2"},
                                             {"decimals:many"},
                                             {"--screen", "wide"},
                                             {"--no-such-option"},
                                             {"open:"},
                                             {"open"},
                                             {"plot:out.gif"}}) {
    const CliRun run = RunZarnixCli(args);
    EXPECT_EQ(run.status, 2) << args[0];
    EXPECT_FALSE(run.err.empty()) << args[0];
  }
}

TEST(ZarnixCli, AnAnswerTakesOneValueAndTheActionsAfterItStayActions) {
  const CliRun run =
      RunZarnixCli({"--json", "--answer", "9", U("select:数组统计"), "--answer", "x"});
  ASSERT_EQ(run.status, 0) << run.err;
  const auto json = run.Json();
  EXPECT_EQ(json["category"], U("数组统计"));
  EXPECT_EQ(json["page"], "calc");
  EXPECT_EQ(json["puzzleMode"], 9);
  EXPECT_EQ(json["files"], nlohmann::json::array());
  EXPECT_EQ(json["memo3"], nlohmann::json::array());
}

TEST(ZarnixCli, AnOpenWithoutAFileNameSaysWhatIsMissing) {
  const CliRun run = RunZarnixCli({"open:"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("needs a file name"), std::string::npos) << run.err;
}

TEST(ZarnixCli, DataDirectoryComesFromTheOption) {
  const CliRun run = RunZarnixCli({"--json", "--data-dir", "/nonexistent/zarnix", "show"});
  ASSERT_EQ(run.status, 0);
  const auto messages = run.Json()["messages"];
  ASSERT_GE(messages.size(), 1u);
  bool dataListMissing = false, sheetMissing = false;
  for (const auto& m : messages) {
    const std::string text = m["text"].get<std::string>();
    dataListMissing |= text.find(U("zarnix数据.txt")) != std::string::npos;
    // The start-up category's worksheet is named, not left out silently.
    sheetMissing |= text.find(U("zarnix通用计算.thf")) != std::string::npos;
  }
  EXPECT_TRUE(dataListMissing);
  EXPECT_TRUE(sheetMissing);
}

}  // namespace
}  // namespace zarnix
