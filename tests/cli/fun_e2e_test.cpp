// zarnix-cli on the shipped fun calculations sheet: the sheet opens with its third row
// computed, and every item runs from its own row as the current cell.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "base/convert.h"
#include "cli_runner.h"

namespace zarnix {
namespace {

const std::string kFun = "趣味计算";

// The lines of one item: after its title, up to the empty line that ends it (UTF-8).
std::vector<std::string> ItemBlock(const nlohmann::json& json, const std::string& title) {
  std::vector<std::string> lines;
  const auto& answer = json["answer"];
  std::size_t i = 0;
  while (i < answer.size() && answer[i] != U(title)) ++i;
  EXPECT_LT(i, answer.size()) << "no title " << U(title);
  for (++i; i < answer.size() && answer[i] != ""; ++i) lines.push_back(answer[i]);
  return lines;
}

struct ItemCase {
  int row;
  std::string title;                  // GBK
  std::vector<std::string> contains;  // GBK
  std::string last;                   // GBK; empty: not checked
};

// Names the case in test listings by its row.
void PrintTo(const ItemCase& item, std::ostream* out) {
  *out << "row " << item.row;
}

nlohmann::json RunRow(int row, const std::vector<std::string>& cells = {}) {
  std::vector<std::string> actions = {"select:" + U(kFun)};
  for (const std::string& cell : cells) actions.push_back(U(cell));
  actions.push_back("goto:1," + std::to_string(row));
  actions.push_back("run");
  return RunJson(actions);
}

bool Has(const std::vector<std::string>& lines, const std::string& gbk) {
  for (const std::string& line : lines)
    if (line == U(gbk)) return true;
  return false;
}

TEST(FunCli, TheSheetOpensWithItsThirdRowComputed) {
  const nlohmann::json json = RunJson({"select:" + U(kFun)});
  EXPECT_EQ(json["categoryIndex"], 7);
  EXPECT_TRUE(json["messages"].empty());
  EXPECT_EQ(json["answer"][0], U("每次计算一项"));
  EXPECT_EQ(json["answer"][1], U("选择某项目后，单击趣味计算按钮"));
  const std::vector<std::string> block = ItemBlock(json, "2.");
  EXPECT_TRUE(Has(block, "153"));
  EXPECT_EQ(block.back(), "4679307774");
}

// One case per item of the sheet, except the random ones below.
const ItemCase kItemCases[] = {
    {2, "1.", {"自守数：", "5", "6", "9376"}, "893380022607743740081787109376"},
    {3, "2.", {"1～10位的幂回归数：", "153", "370", "371", "407"}, "4679307774"},
    {4, "3.", {"1～80001之间的情侣数(亲和数)", "220,284", "67095,71145"}, "共11对"},
    {5, "4.", {"前8个完全数：", "第5个 (8位)", "33550336"}, "2305843008139952128"},
    {6, "5.", {"在1~1001范围内有史密斯数：", "共49个", "634,636"}, "有2对"},
    {7, "6.", {"求阶乘和数", "3位阶乘和数: 145"}, "5位阶乘和数: 40585"},
    {8, "7.", {"5,6", "714,715", "8463,8464"}, "共20对（1~10000）"},
    {9, "8.", {"5/121= 1/33+1/121+1/363", "共有1组解"}, ""},
    {10,
     "9.",
     {"方法二：", "5/121= 1/25+1/757+1/763309+1/873960180913+1/1527612795642093418846225",
      "3/7= 1/3+1/11+1/231", "4/17= 1/5+1/29+1/1233+1/3039345"},
     ""},
    {11, "10.", {"2位数的黑洞数字：", "09→81→63→27→45", "495", "6174", "549945"}, "864197532"},
    {12, "11.梅森质数", {"前13个梅森质数：", "第13个 n=521 (157位)", "2147483647"}, ""},
    {13, "12.自守数（立方）", {"4", "9", "24", "49", "51", "9999"}, "共84个"},
    {14, "13.自守数（五次方）", {"2", "3", "32", "43", "57", "68", "93"}, "共81个"},
    {15, "14.角谷猜想（3n+1问题）", {"27", "82", "41", "9232"}, "共111次运算"},
    {16, "15.多边形数", {"前20个5边形数是:", "1: 1", "2: 5", "10: 145"}, "20: 590"},
    {17, "16.马尔可夫数", {"1", "2", "5", "13", "29", "144059117"}, "以上共381个"},
    {18, "17.卡普雷卡尔运算", {"8730-0378=8352", "8532-2358=6174"}, "7641-1467=6174"},
    {19, "21.24点（四个数）", {"8/(3-8/3)=24"}, "有解1个，其中未用括号的0个"},
    {21, "23.24点（五个数）", {"3+5+7+11-2=24  !!!", "(2+3)*(7-11/5)=24"}, "有解27个"},
    {23, "25.添加运算符", {"1+2+3+4+5+6+7+8*9=100", "1*2*3*4+5+6+7*8+9=100"}, "共15组"},
    {24, "26.广义24点", {"(0.5+1.5)*(3+9)=24", "9*(3-0.5/1.5)=24"}, "共8组"},
    {25,
     "27.方程的整数解",
     {"（各未知数取 -249～249 的整数）", "x=99,y=70", "x=-1,y=0"},
     "共14组解"},
    {26,
     "32.火柴游戏",
     {"    41根火柴排成放射圆，其中一根头朝里，", "一根，则应从第 12 根数起。"},
     ""},
    {28, "41.果园问题", {}, "16棵树，每行栽3棵，最多能栽行数：37"},
    {29,
     "42.海伦三角形",
     {"在所搜索范围内有1条中线也为整数的海伦三角形：", " 边长a 边长b 边长c   面积s",
      "     5     5     6      12", "    25    39    56     420*"},
     ""},
    {30, "43.参数三角形", {"61,155,156", "85,258,259"}, "以上共200组三角形"},
};

class FunItemCli : public ::testing::TestWithParam<ItemCase> {};

TEST_P(FunItemCli, RunsFromItsRow) {
  const ItemCase& item = GetParam();
  const nlohmann::json json = RunRow(item.row);
  EXPECT_TRUE(json["messages"].empty());
  const std::vector<std::string> block = ItemBlock(json, item.title);
  ASSERT_FALSE(block.empty());
  for (const std::string& line : item.contains) EXPECT_TRUE(Has(block, line)) << U(line);
  if (!item.last.empty()) {
    EXPECT_EQ(block.back(), U(item.last));
  }
}

INSTANTIATE_TEST_SUITE_P(ShippedSheet, FunItemCli, ::testing::ValuesIn(kItemCases),
                         [](const ::testing::TestParamInfo<ItemCase>& info) {
                           return "Row" + std::to_string(info.param.row);
                         });

TEST(FunCli, RandomItemsWriteTheirNumbersIntoTheRow) {
  for (const auto& [row, count, title] : std::vector<std::tuple<int, int, std::string>>{
           {20, 4, "22.24点（随机四个数）"}, {22, 5, "24.24点（随机五个数）"}}) {
    const nlohmann::json json = RunRow(row);
    const auto& cells = json["grid"]["cells"][row];
    for (int col = 4; col < 4 + count; ++col) {
      const int n = StrToIntDef(cells[col].get<std::string>(), 0);
      EXPECT_TRUE(n >= 1 && n <= 20) << cells[col];
    }
    const int target = StrToIntDef(cells[4 + count].get<std::string>(), 0);
    EXPECT_TRUE(target >= 24 && target <= 43);
    const std::vector<std::string> block = ItemBlock(json, title);
    ASSERT_FALSE(block.empty());
    const std::string last = block.back();
    EXPECT_TRUE(last.rfind(U("有解"), 0) == 0 || last == U("本题无解！")) << last;
    EXPECT_EQ(cells[10], last);
  }
  const nlohmann::json json = RunRow(27);
  const int n = StrToIntDef(json["grid"]["cells"][27][4].get<std::string>(), 0);
  EXPECT_TRUE(n >= 10 && n <= 98);
  const std::vector<std::string> block = ItemBlock(json, "33.火柴游戏（随机）");
  EXPECT_EQ(block[1], U("    " + std::to_string(n) + "根火柴排成放射圆，其中一根头朝里，"));
}

TEST(FunCli, BadCellsEndTheRunWithAMessageAndLimitsGoBack) {
  const nlohmann::json bad = RunRow(19, {"cell:4,19=x"});
  ASSERT_EQ(bad["messages"].size(), 1u);
  EXPECT_EQ(bad["messages"][0]["text"], "'x' is not a valid integer value");
  const nlohmann::json collatz = RunRow(15, {"cell:4,15=0"});
  EXPECT_EQ(ItemBlock(collatz, "14.角谷猜想（3n+1问题）").back(), U("请输入正整数"));
  const nlohmann::json limited = RunRow(2, {"cell:4,2=100000"});
  EXPECT_EQ(limited["grid"]["cells"][2][4], "250");
  const nlohmann::json greedy =
      RunRow(10, {"cell:4,10=1/123456789012345678901234567890", "cell:5,10="});
  EXPECT_EQ(ItemBlock(greedy, "9.").back(),
            U("1/123456789012345678901234567890= 1/123456789012345678901234567890"));
}

}  // namespace
}  // namespace zarnix
