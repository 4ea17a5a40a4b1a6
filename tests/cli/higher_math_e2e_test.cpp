// zarnix-cli on the higher-mathematics category: the shipped worksheet opens computed, and with
// twelve decimals every item agrees with mpmath.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/gbk.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

constexpr int kResultCol = 9;
// Worksheet rows of the shipped items.
constexpr int kPearsonRow = 8;
constexpr int kBirthdayRow = 12;
constexpr int kPiRow = 24;

std::string Result(const nlohmann::json& json, int row) {
  return json["grid"]["cells"][row][kResultCol];
}

TEST(HigherMathCli, TheShippedWorksheetOpensComputed) {
  const auto json = RunJson({U("select:高等数学")});
  EXPECT_EQ(json["categoryIndex"], 20);
  EXPECT_TRUE(json["messages"].empty()) << json["messages"].dump();
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["colCount"], kResultCol + 1);
  ASSERT_EQ(cells.back()[1], "***");
  // Every item row but the two answer-pane items has its result.
  for (std::size_t row = 2; row + 1 < cells.size(); ++row) {
    const bool inPane = row == kPearsonRow || row == kPiRow;
    EXPECT_EQ(cells[row][kResultCol] == "", inPane) << row;
  }
  EXPECT_EQ(Result(json, 2), "0.683");  // normal probability within one deviation
  EXPECT_EQ(Result(json, 3), "0.117");  // 3 of 10 with p = 0.5
  EXPECT_EQ(Result(json, kBirthdayRow), "0.507");
  EXPECT_EQ(Result(json, 9), "0.399");   // normal density at the mean
  EXPECT_EQ(Result(json, 17), "0.125");  // ∫∫ x·y over the triangle
  EXPECT_EQ(Result(json, 18), "1.686;1.467");
  EXPECT_EQ(Result(json, 23), "2.718");
  const auto& answer = json["answer"];
  ASSERT_EQ(answer.size(), 18u + 3u);
  EXPECT_EQ(answer[0], U("17: 皮尔逊Ⅲ型累积频率曲线"));
  EXPECT_EQ(answer[1], U("累积频率      X"));
  EXPECT_EQ(answer[4], "1.000      2574.718");
  EXPECT_EQ(answer[16], "99.990      185.812");
  EXPECT_EQ(answer[18], U("65.计算PI至小数点后100位"));
  EXPECT_EQ(answer[19].get<std::string>().size(), 102u);
  EXPECT_EQ(answer[19].get<std::string>().substr(0, 22), "3.14159265358979323846");
}

TEST(HigherMathCli, TwelveDecimalsAgreeWithMpmath) {
  // Each value from mpmath at 30 digits, rounded to 12 decimals.
  const std::vector<std::pair<int, std::string>> expected = {
      {2, "0.682689492137"},  {3, "0.117187500000"},  {4, "0.945312500000"},
      {5, "0.574074074074"},  {6, "0.689437217995"},  {7, "0.001388888889"},
      {9, "0.398942280401"},  {10, "0.651321559900"}, {11, "0.302400000000"},
      {12, "0.507297234324"}, {13, "0.119047619048"}, {14, "1.175201193644"},
      {15, "4.000000000000"}, {17, "0.125000000000"}, {18, "1.685750354813;1.467462209339"},
      {20, "0.196658483582"}, {21, "1.772453850906"}, {22, "0.083333333333"},
      {23, "2.718281801146"}, {25, "0.577715581568"}, {26, "-0.324759526419"},
  };
  const auto json = RunJson({"decimals:12", U("select:高等数学")});
  for (const auto& [row, value] : expected) EXPECT_EQ(Result(json, row), value) << row;
  EXPECT_EQ(json["answer"][2], "0.010000000000      4206.243177778224");
}

}  // namespace
}  // namespace zarnix
