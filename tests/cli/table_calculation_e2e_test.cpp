// End to end: the table category on the table it opens with and on each shipped example
// table, chosen in the file dialog and driven through its questions by --answer.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/extended.h"
#include "base/format.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

std::string Example(const std::string& gbkName) {
  return std::string(ZARNIX_TESTS_DIR) + "/../data/examples/" + U(gbkName);
}

// select:表格计算 with the file chosen and the answers given, then the JSON.
nlohmann::json RunTable(const std::string& file, const std::vector<std::string>& answers) {
  std::vector<std::string> args = {"--answer", file};
  for (const std::string& answer : answers) {
    args.push_back("--answer");
    args.push_back(answer);
  }
  args.push_back(U("select:表格计算"));
  return RunJson(args);
}

std::vector<std::string> Texts(const nlohmann::json& list, const char* key = "text") {
  std::vector<std::string> texts;
  for (const auto& item : list) texts.push_back(key ? item[key] : item);
  return texts;
}

double Coefficient(const std::string& line, const std::string& label) {
  EXPECT_EQ(line.substr(0, label.size()), label);
  return std::stod(line.substr(label.size()));
}

std::string Fixed(Extended value) {
  return Format("%.3f", value);
}

TEST(TableCalculationCli, TheMeasurementTableIsPlottedFittedAndSummed) {
  const auto json = RunTable(Example("表格计算_测量数据.dhf"),
                             {"yes", "1,2,3", "1,12", "0,0,0.5,1", "2", "yes"});
  const std::vector<std::string> memo3 = Texts(json["memo3"], nullptr);
  ASSERT_GE(memo3.size(), 9u);
  EXPECT_EQ(memo3[0], U("回归公式2:"));
  EXPECT_EQ(memo3[1], "Yi=a*x^b");
  EXPECT_EQ(memo3[2], U("X—时间s"));
  EXPECT_EQ(memo3[4], U("Y1—位移m"));
  // s = 0.75 t² measured with a scatter below one per cent.
  EXPECT_NEAR(Coefficient(memo3[5], U("系数a= ")), 0.75, 0.01);
  EXPECT_NEAR(Coefficient(memo3[6], U("系数b= ")), 2, 0.01);
  EXPECT_EQ(memo3[7], U("相关系数R=1.000"));
  EXPECT_EQ(json["image"]["kind"], "plot");
  EXPECT_EQ(json["page"], "image");

  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["rowCount"], 18);
  EXPECT_EQ(cells[14][0], U("总计"));
  EXPECT_EQ(cells[14][1], "  39.0");
  EXPECT_EQ(cells[15][1], "   3.3");  // 3.25 rounded half away from zero
  EXPECT_EQ(cells[16][1], "   6.0");
  EXPECT_EQ(cells[17][1], "   0.5");
  EXPECT_EQ(cells[14][4], "");
  const std::vector<std::string> messages = Texts(json["messages"]);
  EXPECT_EQ(messages.back(), U("切换至计算大全页面看统计结果"));
}

TEST(TableCalculationCli, TheRowBatchTableComputesAThrow) {
  const auto json = RunTable(Example("表格计算_多行计算.dhf"), {"yes", "yes", "3,4"});
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["rowCount"], 8 + 2 + 21);
  EXPECT_EQ(Texts(cells[9], nullptr), (std::vector<std::string>{"8", "kk", "t", "x", "y"}));
  const Extended v0 = 20, angle = 45 * 3.14159265358979323846L / 180;
  for (int k = 0; k <= 20; ++k) {
    const Extended t = k * 0.15L;
    const auto& row = cells[10 + k];
    EXPECT_EQ(row[1], std::to_string(k));
    EXPECT_EQ(row[2], Fixed(t));
    EXPECT_EQ(row[3], Fixed(v0 * std::cos(angle) * t));
    EXPECT_EQ(row[4], Fixed(v0 * std::sin(angle) * t - 9.80665L * t * t / 2));
  }
  // The path is a parabola in x: the quartic's x² coefficient is -g / v0².
  const std::vector<std::string> memo3 = Texts(json["memo3"], nullptr);
  ASSERT_GE(memo3.size(), 12u);
  EXPECT_EQ(memo3[2], U("X—x"));
  EXPECT_EQ(memo3[4], U("Y1—y"));
  EXPECT_EQ(memo3[6], U("系数b= 1.000"));
  EXPECT_EQ(memo3[7], U("系数c= -0.025"));
  const std::vector<std::string> asked = Texts(json["messages"]);
  EXPECT_EQ(asked[1], U("计算吗？"));
  EXPECT_EQ(json["messages"][4]["answer"], "9,29");
  EXPECT_EQ(asked.back(), U("请输入回归公式号（详见文本框）"));
}

TEST(TableCalculationCli, TheColumnBatchTableComputesCompoundInterest) {
  const auto json = RunTable(Example("表格计算_多列计算.dhf"), {"yes", "no"});
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["rowCount"], 24);
  for (int year = 1; year <= 20; ++year) {
    const auto& row = cells[3 + year];
    const Extended total = 10000 * std::pow(1.035L, static_cast<Extended>(year));
    EXPECT_EQ(row[1], "kk=" + std::to_string(year - 1));
    EXPECT_EQ(row[5], Fixed(year));
    EXPECT_EQ(row[6], Fixed(total));
    EXPECT_EQ(row[7], Fixed(total - 10000));
  }
  EXPECT_EQ(cells[0][6], "N9.3");
  EXPECT_TRUE(json["memo3"].empty());
}

TEST(TableCalculationCli, TheDbaseTableGetsItsColumnStatistics) {
  const auto json = RunTable(Example("表格计算_月度销售.dbf"), {"no", "yes"});
  const auto& cells = json["grid"]["cells"];
  ASSERT_EQ(json["grid"]["rowCount"], 18);
  EXPECT_EQ(Texts(cells[14], nullptr),
            (std::vector<std::string>{U("总计"), "78", "   2863.90", "   1803.48", "   1060.42", ""}));
  EXPECT_EQ(cells[16][2], "    310.40");
  EXPECT_EQ(cells[17][3], "    105.60");
  EXPECT_EQ(json["page"], "calc");

  // A second run finds the totals and appends nothing.
  const auto again = RunJson({"--answer", Example("表格计算_月度销售.dbf"), "--answer", "no",
                              U("select:表格计算"), "--answer", "no", "run"});
  EXPECT_EQ(again["grid"]["rowCount"], 18);
}

TEST(TableCalculationCli, WithTheDialogCancelledTheOpeningTableIsUsed) {
  const auto json = RunJson({"--answer", "", "--answer", "no", U("select:表格计算")});
  const auto& cells = json["grid"]["cells"];
  EXPECT_EQ(cells[1][1], U("温度℃"));
  const std::vector<std::string> asked = Texts(json["messages"]);
  EXPECT_EQ(asked[1], U("画曲线吗？"));
  EXPECT_EQ(asked[2], U("进行列统计吗？"));
  EXPECT_EQ(cells[15][0], U("总计"));
  EXPECT_EQ(cells[15][1], " 520.0");
}

}  // namespace
}  // namespace zarnix
