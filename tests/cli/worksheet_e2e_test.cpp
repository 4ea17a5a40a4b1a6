// zarnix-cli end to end on the worksheet commands: save, expand, the answer box, help, page
// changes, the help text of the driver, and worksheets that shrink or hold blank cells.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

// A fresh folder for the files one test writes.
std::filesystem::path FreshDir(const std::string& name) {
  const auto dir = std::filesystem::temp_directory_path() / ("zarnix_cli_" + name);
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  return dir;
}

// Writes GBK lines with CR LF.
std::filesystem::path WriteGbk(const std::filesystem::path& file,
                               const std::vector<std::string>& lines) {
  std::ofstream out(file, std::ios::binary);
  for (const std::string& line : lines) out << line << "\r\n";
  return file;
}

nlohmann::json RunIn(const std::filesystem::path& outDir, std::vector<std::string> args) {
  args.insert(args.begin(), {"--json", "--out-dir", outDir.string()});
  const CliRun run = RunZarnixCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.Json();
}

bool AnyCellHolds(const nlohmann::json& grid, const std::string& utf8) {
  for (const auto& row : grid["cells"])
    for (const auto& cell : row)
      if (cell.get<std::string>().find(utf8) != std::string::npos) return true;
  return false;
}

TEST(WorksheetCli, SaveWritesFreshFilesIntoTheOutputFolder) {
  const auto dir = FreshDir("save");
  const auto json = RunIn(dir, {"show", "save", "save"});
  ASSERT_EQ(json["files"].size(), 4u);
  for (const auto& name : json["files"]) {
    const std::string file = name.get<std::string>();
    EXPECT_TRUE(std::filesystem::exists(dir / file)) << file;
    EXPECT_EQ(file.find('/'), std::string::npos) << "relative to --out-dir: " << file;
  }
  const std::string first = json["files"][0].get<std::string>();
  EXPECT_TRUE(first.ends_with(U("通用计算.txt"))) << first;
  EXPECT_NE(json["files"][0], json["files"][2]);
  EXPECT_TRUE(json["messages"].empty());
}

TEST(WorksheetCli, ExpandAnswersComeFromTheQueue) {
  const auto inserted = RunJson({U("select:数组统计"), "goto:0,2", "expand"});
  const auto grown = RunJson({"--answer", "2", "--answer", "3,2", U("select:数组统计"), "expand"});
  const int rows = RunJson({U("select:数组统计")})["grid"]["rowCount"];
  const int cols = RunJson({U("select:数组统计")})["grid"]["colCount"];
  EXPECT_EQ(inserted["grid"]["rowCount"], rows + 1);
  EXPECT_EQ(inserted["grid"]["cells"][2][0], "");
  EXPECT_EQ(grown["grid"]["rowCount"], rows + 3);
  EXPECT_EQ(grown["grid"]["colCount"], cols + 2);
  ASSERT_EQ(grown["messages"].size(), 2u);
  EXPECT_EQ(grown["messages"][1]["answer"], "3,2");

  const auto bad = RunJson({"--answer", "2", "--answer", "x", U("select:数组统计"), "expand"});
  ASSERT_EQ(bad["messages"].size(), 3u);
  EXPECT_EQ(bad["messages"][2]["text"], "'x' is not a valid integer value");
  EXPECT_EQ(bad["grid"]["rowCount"], rows);
}

TEST(WorksheetCli, AnswerBoxTogglesTheWorksheetWidth) {
  const auto open = RunJson({"show"});
  const auto closed = RunJson({"show", "boxtoggle"});
  const auto again = RunJson({"show", "boxtoggle", "boxtoggle"});
  EXPECT_GT(closed["grid"]["width"].get<int>(), open["grid"]["width"].get<int>());
  EXPECT_EQ(again["grid"]["width"], open["grid"]["width"]);
  EXPECT_EQ(open["grid"]["colWidths"].size(), open["grid"]["colCount"]);
}

TEST(WorksheetCli, HelpShowsTheHelpTextOnTheUnitPage) {
  const auto json = RunJson({"show", "help"});
  EXPECT_EQ(json["page"], "units");
  EXPECT_EQ(json["units"]["memo2"][0], U("Zarnix 计算大全 使用帮助"));
  EXPECT_TRUE(json["units"]["memo2Wide"]);
  EXPECT_EQ(json["units"]["quantities"][0], U("长度"));
  const auto back = RunJson({"show", "help", "page:calc", "loaddata"});
  EXPECT_EQ(back["page"], "calc");
  EXPECT_TRUE(back["messages"].empty());  // the data list is back for load data
}

TEST(WorksheetCli, HelpOptionListsEveryAction) {
  const CliRun run = RunZarnixCli({"--help"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("zarnix-cli"), std::string::npos);
  for (const char* action : {"show",
                             "select:NAME",
                             "open:FILE",
                             "cell:C,R=TEXT",
                             "goto:C,R",
                             "decimals:N",
                             "run",
                             "loaddata",
                             "save",
                             "expand",
                             "boxtoggle",
                             "help",
                             "dblclick",
                             "plot:FILE",
                             "openpicture:FILE",
                             "savepicture",
                             "page:calc|units|image",
                             "unit:QUANTITY",
                             "openfile:FILE",
                             "savefile",
                             "textbox"})
    EXPECT_NE(run.out.find(action), std::string::npos) << action;
}

TEST(WorksheetCli, PagesAndTheirMistakes) {
  EXPECT_EQ(RunJson({"page:units"})["page"], "units");
  EXPECT_EQ(RunJson({"page:units", "page:calc"})["page"], "calc");
  for (const char* action : {"page:", "page:nowhere", "save:x", "unit:", "openfile:"}) {
    const CliRun run = RunZarnixCli({"--json", action});
    EXPECT_EQ(run.status, 2) << action;
  }
}

TEST(WorksheetCli, AnItemSheetLeavesNoStaleCellsUnderADataSet) {
  // 通用计算's sheet is wider and longer than 数组统计's data set.
  const auto json = RunJson({"show", U("select:数组统计")});
  EXPECT_FALSE(AnyCellHolds(json["grid"], U("十六进制")));
  EXPECT_FALSE(AnyCellHolds(json["grid"], "a*x+b"));
  EXPECT_TRUE(json["messages"].empty());
}

TEST(WorksheetCli, ASmallerPointSetIsFittedAlone) {
  const auto dir = FreshDir("four_points");
  const auto file = WriteGbk(dir / "four.txt", {Utf8ToGbk("四点,,,,"), "x,1,2,3,4", "y,3,5,7,9",
                                                Utf8ToGbk("插值点,1.5,,,")});
  // After the shipped set of eight points, the four of the file: y = 1 + 2x exactly.
  const auto json = RunJson({U("select:一元回归插值"), "open:" + file.string(), "run"});
  const auto cells = json["grid"]["cells"];
  EXPECT_EQ(cells[1][5], "");
  EXPECT_EQ(cells[6][0], "a+b*x");
  EXPECT_EQ(cells[6][1].get<std::string>().substr(0, 5), "1.000");
  EXPECT_EQ(cells[6][2].get<std::string>().substr(0, 5), "2.000");
  EXPECT_EQ(cells[6][6].get<std::string>().substr(0, 5), "1.000");  // R
}

TEST(WorksheetCli, ABlankParameterCellIsAnEmptyOne) {
  const auto dir = FreshDir("blank_cell");
  // The trailing comma of row 2 leaves the parameter list as one blank.
  const auto file =
      WriteGbk(dir / "growth.txt", {Utf8ToGbk("增长,,"), Utf8ToGbk("步长h,步数N,参数"), "0.1,10,",
                                    Utf8ToGbk("方程,初值,输出(1)"), "y1'=y1,1,1"});
  const auto json = RunJson({U("select:微分方程组"), "open:" + file.string(), "run"});
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  EXPECT_EQ(json["grid"]["cells"][9][2], "2.718");  // e after ten steps of 0.1
}

}  // namespace
}  // namespace zarnix
