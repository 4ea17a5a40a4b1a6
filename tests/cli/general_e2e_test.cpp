// zarnix-cli on the general calculation category: the start-up sheet opens computed, and each
// family of items (formulas, big numbers, bases and fractions, angles, sequences, polynomials)
// meets its edge cases on a worksheet of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "general_sheet_runner.h"

namespace zarnix {
namespace {

const std::string kGeneral = "通用计算";

SheetRun RunGeneral(const std::vector<SheetRow>& rows,
                    const std::vector<std::string>& actions = {}) {
  return RunItemSheet(kGeneral, 4, rows, actions);
}

TEST(GeneralCli, TheStartUpSheetOpensComputed) {
  const CliRun run = RunZarnixCli({"--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const SheetRun sheet{run.Json()};
  EXPECT_EQ(sheet.json["category"], U(kGeneral));
  EXPECT_TRUE(sheet.Messages().empty());
  // Result cells by item number; the other items answer in the pane.
  const std::vector<std::pair<std::string, std::string>> cells = {
      {"1", "6.000"},
      {"2", "3.000+6.000*i"},
      {"3", "97"},
      {"11", "FF.8"},
      {"13", "7/12"},
      {"14", "2/3"},
      {"19", "1.000+1.732*i"},
      {"26", "1.998"},
      {"27", "100.000"},
      {"18", U("5.000*(cos(53.130°)+sin(53.130°)*i)")}};
  for (const auto& [number, expected] : cells) {
    bool found = false;
    for (const auto& row : sheet.Cells())
      if (row[1] == number) {
        found = true;
        EXPECT_EQ(row[8], expected) << number;
      }
    EXPECT_TRUE(found) << number;
  }
  for (const char* header : {"8.大数乘方", "12.小数化连分数", "21: 分数加法", "28: 伯努利数数列",
                             "29: 欧勒数数列", "34: 多项式除法"})
    EXPECT_FALSE(sheet.Block(header).empty()) << header;
  EXPECT_EQ(sheet.Block("8.大数乘方")[2], "340282366920938463463374607431768211456");
  EXPECT_EQ(sheet.Block("26: 等比数列").back(), U("n→∞时的极限=2.000"));
  EXPECT_EQ(sheet.Block("28: 伯努利数数列")[0].substr(0, 13), "0.167  0.033 ");
}

TEST(GeneralCli, FormulasInAnyBase) {
  const SheetRun run = RunGeneral({
      {"1", "", "", "a*x+b", "4", "2;3"},       // 11
      {"1", "", "", "a+b+x", "", "1;2"},        // no x: 3
      {"3", "", "", "a*x", "11", "10", "2"},    // 2 * 3 in base 2: 110
      {"3", "", "", "x/4", "1", "", "16"},      // 0.25 in base 16: 0.4
      {"1", "", "", "2^x", "-1", "", "10"},     // 0.5
      {"2", "", "", "x*x", "i"},                // -1
      {"2", "", "", "Z+a", "1+i", "2-3*i"},     // z is x: 3-2i
      {"2", "", "", "add(x,a,b)", "1", "2,3"},  // 6
  });
  EXPECT_EQ(run.Result(2), "11.000");
  EXPECT_EQ(run.Result(3), "3.000");
  EXPECT_EQ(run.Result(4), "110");
  EXPECT_EQ(run.Result(5), ".4");
  EXPECT_EQ(run.Result(6), "0.500");
  EXPECT_EQ(run.Result(7), "-1.000");
  EXPECT_EQ(run.Result(8), "3.000-2.000*i");
  EXPECT_EQ(run.Result(9), "6.000");
  EXPECT_TRUE(run.Messages().empty());

  const SheetRun bad = RunGeneral({{"1", "", "", "foo+1"}, {"2", "", "", "x+", "1"}});
  EXPECT_EQ(bad.Result(2), "1.000");  // the unknown piece counts as 0 after its message
  EXPECT_EQ(bad.Result(3), "");       // a compile error writes nothing
  ASSERT_EQ(bad.Messages().size(), 2u);
  EXPECT_EQ(bad.Messages()[0], U("表达式错误"));
}

TEST(GeneralCli, BigNumbers) {
  const SheetRun run = RunGeneral({
      {"6", "加", "", "5", "-", "5"},
      {"6", "加", "", "3", "+", "-12"},
      {"7", "除", "", "7", "7"},
      {"7", "除", "", "1", "4"},
      {"7", "除", "", "3", "0"},
      {"7", "除", "", "2", "7", "20"},
      {"8", "幂", "", "2", "0"},
      {"8", "幂", "", "-1.5", "3"},
      {"9", "根", "", "2", "2", "20"},
      {"9", "根", "", "2", "19"},
      {"9", "根", "", "-8", "2"},
      {"9", "根", "", "-8", "3", "5"},
  });
  const auto& answer = run.json["answer"];
  const std::vector<std::string> results = {"0",
                                            "-9",
                                            "1",
                                            "0.25",
                                            "Err",
                                            "0.285714285714285714285",
                                            U("指数错误"),
                                            "-3.375",
                                            "1.41421356237309504880",
                                            U("开方数错误"),
                                            U("负数不能开偶数次方！"),
                                            "-2.00000"};
  // Each item: its header, its lines ending with the result, two empty lines.
  std::vector<std::string> found;
  for (std::size_t i = 0; i + 2 < answer.size(); ++i)
    if (answer[i + 1] == "" && answer[i + 2] == "" && answer[i] != "") found.push_back(answer[i]);
  EXPECT_EQ(found, results);
  EXPECT_EQ(answer[0], "6." + U("加"));
  EXPECT_EQ(answer[1], "5");
  EXPECT_EQ(answer[2], "-");

  // A stray letter is no digit 0: the run stops with the conversion message.
  const SheetRun bad = RunGeneral({{"6", "", "", "1e5", "+", "1"}});
  EXPECT_EQ(bad.Messages(), std::vector<std::string>{"'1e5' is not a valid floating point value"});
}

TEST(GeneralCli, BasesContinuedFractionsAndFractionsOfDecimals) {
  const SheetRun run = RunGeneral({
      {"11", "实数进制转换", "", "10.5", "10", "16"},
      {"11", "", "", "FF.8", "16", "10"},
      {"11", "", "", "0.5", "10", "2"},
      {"11", "", "", "-0.99999999999", "10", "10"},  // the rounding carries into the units
      {"13", "", "", "0.1", "6"},
      {"13", "", "", "1.5", "0"},
      {"13", "", "", "-2.25", ""},
      {"14", "", "", "6/-4"},
      {"14", "", "", "3/0"},
      {"12", "", "", "0.5"},
  });
  EXPECT_EQ(run.Result(2), "A.8");
  EXPECT_EQ(run.Result(3), "255.5");
  EXPECT_EQ(run.Result(4), ".1");
  EXPECT_EQ(run.Result(5), "-1");
  EXPECT_EQ(run.Result(6), "1/6");
  EXPECT_EQ(run.Result(7), U("1又1/2"));
  EXPECT_EQ(run.Result(8), U("-2又1/4"));
  EXPECT_EQ(run.Result(9), "-3/2");
  EXPECT_EQ(run.Result(10), U("分母不能为0"));
  EXPECT_EQ(run.Block("12.小数化连分数"),
            (std::vector<std::string>{U("0.5化为:"), "[0,2]", U("各渐近分数为:"),
                                      "0/1 +5.0000E-001", "1/2 +0.0000E+000"}));

  const SheetRun pi = RunGeneral({{"12", "", "", "3.14159"}}, {"decimals:3"});
  const auto lines = pi.Block("12.小数化连分数");
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[1], "[3,7,15,1]");
  EXPECT_EQ(lines[2], U("余数: 3.3E-4"));
  EXPECT_EQ(lines[7].substr(0, 8), "355/113 ");

  EXPECT_EQ(RunGeneral({{"11", "", "", "12", "x", "16"}}).Messages(),
            std::vector<std::string>{"'x' is not a valid integer value"});
  EXPECT_EQ(RunGeneral({{"14", "", "", "a/2"}}).Messages(),
            std::vector<std::string>{"'a' is not a valid integer value"});
  EXPECT_EQ(RunGeneral({{"11", "", "", "1G", "16", "10"}}).Messages(),
            std::vector<std::string>{U("'1G'不是16进制数")});
}

TEST(GeneralCli, AnglesAndComplexForms) {
  const SheetRun run = RunGeneral({
      {"15", "度化弧度", "", "30"},
      {"16", "弧度化度", "", "1"},
      {"17", "度分秒", "", "30", "15", "36"},
      {"18", "", "", "1", "-1"},
      {"18", "", "", "1", "1"},
      {"19", "", "", "2", "0"},
      {"19", "", "", "2", "-90"},
  });
  EXPECT_EQ(run.Block("15: 度化弧度"),
            (std::vector<std::string>{U("30度="), U("0.524弧度"), U("30度0分0.000秒")}));
  EXPECT_EQ(run.Block("16: 弧度化度"),
            (std::vector<std::string>{U("1弧度="), U("57.296度"), U("57度17分44.806秒")}));
  EXPECT_EQ(run.Block("17: 度分秒"),
            (std::vector<std::string>{U("30度15分36秒="), U("30.260度"), U("0.528弧度")}));
  EXPECT_EQ(run.Result(5), U("1.414*(cos(-45.000°)+sin(-45.000°)*i)"));
  EXPECT_EQ(run.Result(6), U("1.414*(cos(45.000°)+sin(45.000°)*i)"));
  EXPECT_EQ(run.Result(7), "2.000+0.000*i");
  EXPECT_EQ(run.Result(8), "0.000-2.000*i");

  // The polar form of 0 has no angle: the run stops with the floating-point message.
  EXPECT_EQ(RunGeneral({{"18", "", "", "0", "0"}}).Messages(),
            std::vector<std::string>{"Floating point division by zero"});
}

TEST(GeneralCli, FractionArithmetic) {
  const SheetRun run = RunGeneral({
      {"21", "", "", "1/2", "1/2"},
      {"23", "", "", "1/2", "2/3"},
      {"24", "", "", "3/4", "2/5"},
      {"22", "", "", "1/2", "1/2"},
      {"21", "", "", "1/3", "2", "1/6"},
  });
  const auto& answer = run.json["answer"];
  const std::vector<std::string> expected = {
      U("21: 分数加法"), "1/2+1/2",     "=1+0/4",  "=1.000", "",
      U("23: 分数乘法"), "1/2*2/3",     "=2/6",    "=0.333", "",
      U("24: 分数除法"), "(3/4)/(2/5)", "=1+7/8",  "=1.875", "",
      U("22: 分数减法"), "1/2-1/2",     "=0/4",    "=0.000", "",
      U("21: 分数加法"), "1/3+2+1/6",   "=2+9/18", "=2.500", ""};
  EXPECT_EQ(answer, expected);

  // A minuend below the subtrahend, a zero denominator and a zero divisor: a message each and
  // no lines for their rows.
  const SheetRun bad = RunGeneral(
      {{"22", "", "", "1/3", "1/2"}, {"21", "", "", "1/0", "1/2"}, {"24", "", "", "1/2", "0/5"}});
  EXPECT_EQ(bad.Messages(), (std::vector<std::string>{U("分数减法被减数小于减数"), U("分母不能为0"),
                                                      U("除数不能为0，结果无效")}));
  EXPECT_TRUE(bad.json["answer"].empty());
  EXPECT_EQ(RunGeneral({{"21", "", "", "-1/2", "1/2"}}).Messages(),
            std::vector<std::string>{U("分数的分子和分母应为非负整数")});
}

TEST(GeneralCli, SequencesAndNumberLists) {
  const SheetRun run = RunGeneral({
      {"26", "", "", "3", "1", "4"},   // q = 1: 4 times 3
      {"26", "", "", "1", "-2", "3"},  // no limit for |q| >= 1
      {"27", "", "", "1", "2", "4"},
      {"28", "", "", "1000"},
      {"29", "", "", "800"},
      {"28", "", "", "0"},
  });
  EXPECT_EQ(run.Result(2), "12.000");
  EXPECT_EQ(run.Result(3), "3.000");
  EXPECT_EQ(run.Result(4), "16.000");
  EXPECT_EQ(run.Cell(4, 5), "875");
  EXPECT_EQ(run.Cell(4, 6), "745");
  EXPECT_EQ(run.Cell(4, 7), "1");
  const auto& answer = run.json["answer"];
  std::vector<std::size_t> counts;
  for (std::size_t i = 0; i + 1 < answer.size(); ++i) {
    const std::string line = answer[i];
    if (line == U("28: 伯努利数数列") || line == U("29: 欧勒数数列")) {
      const std::string numbers = answer[i + 1];
      std::size_t n = 0;
      for (std::size_t p = numbers.find("  "); p != std::string::npos;
           p = numbers.find("  ", p + 2))
        ++n;
      counts.push_back(n);
    }
  }
  EXPECT_EQ(counts, (std::vector<std::size_t>{875, 745, 1}));
  for (const auto& line : answer) EXPECT_EQ(std::string(line).find(U("极限")), std::string::npos);
  const std::vector<std::string> geometric = run.Block("26: 等比数列");
  ASSERT_GE(geometric.size(), 1u);
  EXPECT_EQ(geometric[0], U("3.000  3.000  3.000  3.000  ……"));
  EXPECT_EQ(run.Block("27: 等差数列"),
            std::vector<std::string>{U("1.000  3.000  5.000  7.000  ……")});
}

TEST(GeneralCli, Polynomials) {
  const SheetRun run = RunGeneral({
      {"32", "减", "", "1,1", "1,1,1"},
      {"34", "除", "", "1,1,1,5", "1,1,1"},
      {"33", "乘", "", "1;-1", "1;1"},
      {"34", "短除长", "", "1,-1", "1,0,0,-1"},
  });
  // The result is the coefficient list in the number format, with the operands' separator.
  EXPECT_EQ(run.Block("32: 减"),
            (std::vector<std::string>{"(x+1)", "-", "(x^2+x+1)", "=", "-1.000,0.000,0.000"}));
  EXPECT_EQ(run.Block("34: 除"), (std::vector<std::string>{"(x^3+x^2+x+5)", "/", "(x^2+x+1)", "=",
                                                           "1.000,0.000", U("余5.000")}));
  EXPECT_EQ(run.Block("33: 乘"),
            (std::vector<std::string>{"(x-1)", "*", "(x+1)", "=", "1.000;0.000;-1.000"}));
  // The longer list is divided by the shorter one, and shown so; no remainder, no "余".
  EXPECT_EQ(run.Block("34: 短除长"), (std::vector<std::string>{"(x^3+0*x^2+0*x-1)", "/", "(x-1)",
                                                               "=", "1.000,1.000,1.000"}));

  EXPECT_EQ(RunGeneral({{"34", "", "", "1,2", "0,0"}}).Messages(),
            std::vector<std::string>{U("除式不能为0")});
}

TEST(GeneralCli, RowRules) {
  const SheetRun run = RunGeneral({
      {"1", "", "", "1+1"},
      {"4", "无此项", "", "7"},  // no calculation: stays empty, not the last real result
      {"0", "", "", "2+2"},
      {"", "", "", "3+3"},
      {"1", "", ""},  // no first parameter
      {"***"},
      {"1", "", "", "4+4"},
  });
  EXPECT_EQ(run.Result(2), "2.000");
  for (int row = 3; row <= 8; ++row) EXPECT_EQ(run.Result(row), "") << row;
  EXPECT_TRUE(run.json["answer"].empty());
}

}  // namespace
}  // namespace zarnix
