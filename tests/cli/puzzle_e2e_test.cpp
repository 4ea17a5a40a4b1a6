// zarnix-cli on the sudoku / magic square / queens category: the puzzle is asked once while
// the category is rerun, each puzzle lays out the worksheet and times itself, and the sudoku
// runs cycle through the shipped puzzles.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>
#include <vector>

#include "cli_runner.h"

namespace zarnix {
namespace {

using Lines = std::vector<std::string>;

const std::string kPuzzles = "数独幻方八皇后";

// --answer for each answer, then the actions.
nlohmann::json RunPuzzles(const Lines& answers, const Lines& actions, const Lines& options = {}) {
  Lines args = {"--json"};
  args.insert(args.end(), options.begin(), options.end());
  for (const std::string& answer : answers) {
    args.push_back("--answer");
    args.push_back(answer);
  }
  args.insert(args.end(), actions.begin(), actions.end());
  const CliRun run = RunZarnixCli(args);
  EXPECT_EQ(run.status, 0) << run.err;
  return run.Json();
}

Lines Texts(const nlohmann::json& json, const std::string& kind) {
  Lines texts;
  for (const auto& message : json["messages"])
    if (message["kind"] == kind) texts.push_back(message["text"]);
  return texts;
}

Lines Answer(const nlohmann::json& json) {
  return json["answer"].get<Lines>();
}

Lines GridRow(const nlohmann::json& json, int row) {
  return json["grid"]["cells"][row].get<Lines>();
}

void ExpectOwnTiming(const nlohmann::json& json) {
  const std::string label = json["label1"];
  EXPECT_TRUE(std::regex_match(label, std::regex(U("计算时间:[0-9]+\\.[0-9]{3}秒")))) << label;
}

TEST(PuzzleCli, MagicSquareIsAskedForOnceWhileTheCategoryIsRerun) {
  const auto json = RunPuzzles({"1", "6", "5"}, {U("select:" + kPuzzles), "run"});
  EXPECT_EQ(json["puzzleMode"], 1);
  EXPECT_EQ(Texts(json, "prompt"),
            (Lines{U("请输入计算内容："), U("请输入幻方的阶数"), U("请输入幻方的阶数")}));
  EXPECT_EQ(json["grid"]["colCount"], 5);
  EXPECT_EQ(json["grid"]["rowCount"], 6);
  EXPECT_EQ(json["grid"]["fixedRows"], 1);
  EXPECT_EQ(GridRow(json, 0), (Lines{U("幻方"), U("5阶"), "", "", ""}));
  EXPECT_EQ(GridRow(json, 1), (Lines{"23", "12", "1", "20", "9"}));
  EXPECT_EQ(Answer(json), (Lines{U("幻方的各行、列及对角线之和均等于行列和常数。"), "",
                                 U("5 阶幻方的行列和常数：65")}));
  ExpectOwnTiming(json);
}

TEST(PuzzleCli, AnotherCategoryInBetweenMakesItAskAgain) {
  const auto json = RunPuzzles({"1", "3", "2", "8"}, {U("select:" + kPuzzles), U("select:通用计算"),
                                                      U("select:" + kPuzzles)});
  EXPECT_EQ(Texts(json, "prompt"), (Lines{U("请输入计算内容："), U("请输入幻方的阶数"),
                                          U("请输入计算内容："), U("请输入棋盘每行的格数")}));
  EXPECT_EQ(json["puzzleMode"], 2);
  const int columns[] = {1, 5, 8, 6, 3, 7, 2, 4};
  EXPECT_EQ(GridRow(json, 0)[1], U("8皇后"));
  for (int row = 1; row <= 8; ++row) {
    Lines expected(8, "");
    expected[columns[row - 1] - 1] = "*";
    EXPECT_EQ(GridRow(json, row), expected) << row;
  }
  EXPECT_EQ(Answer(json)[0], U("八皇后问题："));
  ExpectOwnTiming(json);
}

// Sudoku runs after the first: each loads the shipped puzzles' next set.
nlohmann::json SudokuRuns(int reruns, const Lines& options = {}) {
  Lines actions = {U("select:" + kPuzzles)};
  for (int i = 0; i < reruns; ++i) actions.push_back("run");
  return RunPuzzles({"0"}, actions, options);
}

int Givens(const nlohmann::json& json) {
  int count = 0;
  for (const auto& row : json["grid"]["cells"])
    for (const auto& cell : row) count += cell != "";
  return count;
}

TEST(PuzzleCli, SudokuRunsCycleThroughTheShippedPuzzles) {
  std::vector<Lines> answers;
  std::vector<int> givens;
  for (int reruns = 0; reruns <= 5; ++reruns) {
    const auto json = SudokuRuns(reruns);
    EXPECT_EQ(Texts(json, "message"), Lines{}) << reruns;
    EXPECT_EQ(Texts(json, "prompt").size(), 1u) << reruns;
    EXPECT_EQ(json["grid"]["colCount"], 9);
    EXPECT_EQ(json["grid"]["rowCount"], 9);
    EXPECT_EQ(json["grid"]["fixedRows"], 0);
    ExpectOwnTiming(json);
    answers.push_back(Answer(json));
    givens.push_back(Givens(json));
    ASSERT_EQ(answers.back().size(), 10u) << reruns;
    EXPECT_EQ(answers.back()[0], U("数独"));
  }
  EXPECT_EQ(answers[0][1], "4,8,3,9,2,1,6,5,7");
  EXPECT_EQ(givens, (std::vector<int>{32, 30, 24, 21, 17, 32}));
  EXPECT_EQ(std::set<Lines>(answers.begin(), answers.end()).size(), 5u);
  EXPECT_EQ(answers[5], answers[0]);
}

}  // namespace
}  // namespace zarnix
