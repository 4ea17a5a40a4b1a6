// zarnix-cli on the integer arithmetic category: the shipped sheet opens computed, and each
// family of items (primes, long numbers in any base, combinatorics, tables, Diophantine
// searches) meets its edge cases and limits on a worksheet of its own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "general_sheet_runner.h"

namespace zarnix {
namespace {

const std::string kInteger = "整数运算";

SheetRun RunInteger(const std::vector<SheetRow>& rows) {
  return RunItemSheet(kInteger, 3, rows);
}

using Lines = std::vector<std::string>;

bool EndsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(IntegerCli, TheShippedSheetOpensComputed) {
  const CliRun run = RunZarnixCli({"--json", U("select:" + kInteger)});
  ASSERT_EQ(run.status, 0) << run.err;
  const SheetRun sheet{run.Json()};
  EXPECT_EQ(sheet.json["decimalsEnabled"], false);
  EXPECT_TRUE(sheet.Messages().empty());
  const std::vector<std::pair<std::string, std::string>> summaries = {
      {"4", U("共21个质数 其中孪生质数有7对")},
      {"6", U("有6对质数满足哥德巴赫猜想")},
      {"9", U("999999999999989是质数")},
      {"13", U("158位")},
      {"25", U("96位")},
      {"52", U("有6组非负整数解")},
      {"53", U("有7组非负整数解")}};
  for (const auto& [number, expected] : summaries) {
    bool found = false;
    for (const auto& row : sheet.Cells())
      if (row[1] == number) {
        found = true;
        EXPECT_EQ(row[7], expected) << number;
      }
    EXPECT_TRUE(found) << number;
  }
  EXPECT_EQ(sheet.Block("1.分解质因数"), Lines{"1234567890=2*3*3*5*3607*3803"});
  EXPECT_EQ(sheet.Block("26.长整数进制转换").back(), U("10进制的 18446744073709551615"));
  // Every item of the sheet answered under its header.
  int items = 0;
  for (const auto& row : sheet.Cells()) {
    const std::string number = row[1];
    if (number.empty() || number.find_first_not_of("0123456789") != std::string::npos) continue;
    ++items;
    const std::string header = number + "." + std::string(row[2]);
    bool found = false;
    for (const auto& line : sheet.json["answer"]) found = found || line == header;
    EXPECT_TRUE(found) << header;
  }
  EXPECT_EQ(items, 33);
}

TEST(IntegerCli, PrimesAndFactors) {
  const SheetRun run = RunInteger({
      {"1", "a", "", "97"},
      {"1", "b", "", "360"},
      {"1", "c", "", "1"},
      {"1", "d", "", "9223372036854775807"},
      {"4", "e", "", "13", "20"},
      {"6", "f", "", "15"},
      {"9", "g", "", "100"},
      {"9", "h", "", "2"},
  });
  EXPECT_EQ(run.Block("1.a"), Lines{U("97是质数")});
  EXPECT_EQ(run.Result(2), U("97是质数"));
  EXPECT_EQ(run.Block("1.b"), Lines{"360=2*2*2*3*3*5"});
  EXPECT_EQ(run.Result(3), "");
  EXPECT_EQ(run.Block("1.c"), Lines{U("请输入大于1的整数")});
  EXPECT_EQ(run.Block("1.d"), Lines{"9223372036854775807=7*7*73*127*337*92737*649657"});
  EXPECT_EQ(run.Block("4.e"),
            (Lines{U("13~33 范围内的质数："), "13 17 19 23 29 31 ", U("共6个质数"),
                   U("其中孪生质数："), "17,19", "29,31", U("有2对")}));
  EXPECT_EQ(run.Result(6), U("共6个质数 其中孪生质数有2对"));
  EXPECT_EQ(run.Cell(4, 7), "16");
  EXPECT_EQ(run.Block("6.f"), (Lines{"16=", "3+13", "5+11"}));
  EXPECT_EQ(run.Result(7), U("有2对质数满足哥德巴赫猜想"));
  EXPECT_EQ(run.Block("9.g"), Lines{U("97是质数")});
  EXPECT_EQ(run.Block("9.h"), Lines{U("无质数")});
}

TEST(IntegerCli, PrimeListLimitsAreWrittenBack) {
  const SheetRun run = RunInteger({
      {"4", "a", "", "12345678901234567890", "5000"},
      {"5", "b", "", "0", "2"},
      {"5", "c", "", "12345678901", "500"},
      {"4", "d", "", "1", "200000"},
  });
  EXPECT_EQ(run.Cell(4, 2), "9000000000000000");
  EXPECT_EQ(run.Cell(5, 2), "1000");
  EXPECT_EQ(run.Block("4.a")[0], U("9000000000000000~9000000000001000 范围内的质数："));
  EXPECT_EQ(run.Cell(4, 3), "1");
  EXPECT_EQ(run.Cell(5, 3), "3");
  EXPECT_EQ(run.Block("5.b"),
            (Lines{U("自1起的3个质数："), "2 3 5 ", U("其中孪生质数："), "3,5", U("有1对")}));
  EXPECT_EQ(run.Cell(5, 4), "200");
  EXPECT_EQ(run.Cell(5, 5), "100000");
}

TEST(IntegerCli, LongNumbersInAnyBase) {
  const SheetRun run = RunInteger({
      {"21", "长整数加", "", "ff", "1", "16"},
      {"22", "长整数减", "", "5", "12", "10"},
      {"23", "长整数乘", "", "0", "123", "10"},
      {"24", "长整数除", "", "1010", "11", "2"},
      {"25", "长整数幂", "", "2", "300000", "10"},
      {"25", "长整数幂2", "", "10", "1100100", "2"},
      {"26", "转换", "", "255", "10", "16"},
      {"28", "开方", "", "27", "3", "10"},
      {"28", "开方2", "", "1001", "10", "2"},
      {"2", "长整数公倍", "", "4", "6"},
      {"8", "公约", "", "12; 18 ;30"},
  });
  EXPECT_EQ(run.Block("21.长整数加"), (Lines{U("  16进制"), "FF", "+", "1", "=", "100"}));
  EXPECT_EQ(run.Result(2), U("3位"));
  EXPECT_EQ(run.Block("22.长整数减").back(), "-7");
  EXPECT_EQ(run.Block("23.长整数乘").back(), "0");
  EXPECT_EQ(run.Result(4), U("0位"));
  EXPECT_EQ(run.Block("24.长整数除").back(), U("11 余1"));  // 10 / 3 in base 2
  EXPECT_EQ(run.Result(5), U("商2位，余数1位"));
  EXPECT_EQ(run.Block("25.长整数幂").back(), U("=运算数太大，超过65534位"));
  EXPECT_EQ(run.Result(6), "");
  EXPECT_EQ(run.Block("25.长整数幂2").back(), "=1" + std::string(100, '0'));  // 2^100 in base 2
  EXPECT_EQ(run.Block("26.转换").back(), U("16进制的 FF"));
  EXPECT_EQ(run.Block("28.开方"),
            (Lines{U("10进制:"), U("27开3次方"), U("=3(截断取整)"), U("余量：0")}));
  EXPECT_EQ(run.Block("28.开方2")[2], U("=11(截断取整)"));  // the square root of 9 in base 2
  EXPECT_EQ(run.Block("2.长整数公倍").back(), "12");
  EXPECT_EQ(run.Block("8.公约").back(), "6");

  // Strictly read numbers stop the run with the conversion message; a divisor 0 is reported.
  EXPECT_EQ(RunInteger({{"13", "", "", "x"}}).Messages(),
            Lines{"'x' is not a valid integer value"});
  EXPECT_EQ(RunInteger({{"21", "", "", "12", "1A", "10"}}).Messages(),
            Lines{U("'1A'不是10进制整数")});
  const SheetRun zero = RunInteger({{"24", "a", "", "5", "0", "10"}});
  EXPECT_EQ(zero.Messages(), Lines{U("除数不能为0，结果无效")});
  EXPECT_EQ(zero.Result(2), U("除数不能为0，结果无效"));
}

TEST(IntegerCli, RandomNumbers) {
  const SheetRun run = RunInteger({{"27", "a", "", "40", "16"}, {"27", "b", "", "5", "99"}});
  const Lines lines = run.Block("27.a");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], U("  16进制40位"));
  EXPECT_EQ(lines[1].size(), 40u);
  EXPECT_NE(lines[1][0], '0');
  EXPECT_EQ(lines[1].find_first_not_of("0123456789ABCDEF"), std::string::npos);
  EXPECT_EQ(run.Cell(5, 3), "36");

  // A name holding "长整数" zeroes the integer parameters; the item reads its cells itself.
  const SheetRun named = RunInteger({{"27", "长整数随机数", "", "12", "17"}});
  const Lines digits = named.Block("27.长整数随机数");
  ASSERT_EQ(digits.size(), 2u);
  EXPECT_EQ(digits[0], U("  17进制12位"));
  EXPECT_EQ(digits[1].size(), 12u);
  EXPECT_EQ(digits[1].find_first_not_of("0123456789ABCDEFG"), std::string::npos);
}

TEST(IntegerCli, CombinatoricsAndFormulas) {
  const SheetRun run = RunInteger({
      {"11", "a", "", "5", "2"},
      {"12", "b", "", "5", "2"},
      {"13", "c", "", "25"},
      {"15", "d", "", "y=x", "-3", "3"},
      {"14", "e", "", "y=x", "-2", "3"},
      {"14", "f", "", "y=x+1", "1", "200000"},
  });
  EXPECT_EQ(run.Block("11.a"), Lines{U("在5个元素中，每次取出2个元素的排列数为 20(即自4至5连乘)")});
  EXPECT_EQ(run.Block("12.b"), (Lines{U("在5个元素中，每次取出2个元素的组合数为 10"),
                                      U("即杨辉三角形第6行，3列的值")}));
  EXPECT_EQ(run.Block("13.c"), (Lines{U("阶乘 25!="), "15511210043330985984000000"}));
  EXPECT_EQ(run.Result(4), U("26位"));
  // Negative values keep their sign.
  EXPECT_EQ(run.Block("15.d"), (Lines{U("x=-3→-1"), U("连加 y=x= -6")}));
  EXPECT_EQ(run.Block("14.e"), (Lines{U("x=-2→0"), U("连乘 y=x= 0")}));
  EXPECT_EQ(run.Cell(6, 7), "100000");
  ASSERT_EQ(run.Messages().size(), 1u);  // 100001! is beyond the digit limit
}

TEST(IntegerCli, TablesAndSequences) {
  const SheetRun run = RunInteger({
      {"31", "a", "", "100"},
      {"32", "b", "", "25", "0"},
      {"33", "c", "", "120"},
      {"34", "d", "", "3"},
      {"34", "e", "", "300"},
      {"41", "f", "", "5"},
      {"41", "g", "", "4001"},
      {"42", "h", "", "5"},
      {"43", "i", "", "3"},
      {"44", "j", "", "3"},
      {"51", "k", ""},
  });
  EXPECT_EQ(run.Cell(4, 2), "67");
  const Lines triangle = run.Block("31.a");
  ASSERT_EQ(triangle.size(), 67u);
  EXPECT_EQ(triangle.back().substr(0, 5), "1 66 ");
  EXPECT_TRUE(EndsWith(triangle.back(), " 66 1 "));
  EXPECT_EQ(run.Block("32.b"),
            (Lines{U("       勾          股          弦"), "        7          24          25",
                   U("互质整数勾股弦共1组"), U("（弦=25~25）"), U("行末有*者(共0组)，弦为质数")}));
  EXPECT_EQ(run.Block("33.c").back(), U("共3组(周长=120)"));
  const Lines triples = run.Block("34.d");
  EXPECT_EQ(triples, (Lines{U("第1组"), "3", "4", "5"}));  // each triple ends with an empty line
  const Lines last = run.Block("34.e");
  ASSERT_EQ(last.size(), 5u);
  EXPECT_EQ(last[0], U("200组以上，只列出第300组"));
  EXPECT_EQ(last[1], U("第300组勾股弦"));
  EXPECT_EQ(run.Block("41.f"), (Lines{U("前5项:"), U("第1项:1(1位)"), U("第2项:1(1位)"),
                                      U("第3项:2(1位)"), U("第4项:3(1位)"), U("第5项:5(1位)")}));
  const Lines far = run.Block("41.g");
  ASSERT_EQ(far.size(), 2u);
  EXPECT_EQ(far[0], U("第4001项:"));
  EXPECT_TRUE(EndsWith(far[1], U("(836位)"))) << far[1];
  EXPECT_EQ(run.Block("42.h"), (Lines{U("Bell数数列是函数e^e^x的麦克劳林展开式各项分子的系数"),
                                      U("Bn前5项:"), "1", "1", "2", "5", "15"}));
  EXPECT_EQ(run.Block("43.i").back(), U("前3项和=14"));
  EXPECT_EQ(run.Block("44.j").back(), U("前3项和=36"));
  EXPECT_EQ(run.Block("51.k"),
            (Lines{U("不定方程整数解"), "n,x", "4,5", "5,11", "7,71", U("已算至n=20")}));
}

TEST(IntegerCli, DiophantineSearches) {
  const SheetRun run = RunInteger({
      {"52", "a", "", "-26"},
      {"53", "b", "", "2"},
      {"53", "c", "", "0"},
      {"53", "d", "", "-1"},
      {"52", "e", "", "7"},
  });
  const Lines mordell = run.Block("52.a");
  ASSERT_GE(mordell.size(), 2u);
  EXPECT_EQ(mordell[0], "(k=-26)");
  EXPECT_EQ(mordell[1], "x=3;y=1");
  EXPECT_EQ(run.Block("53.b"), (Lines{"(k=2)", "x=1;y=0", "x=3;y=2", "x=17;y=12", "x=99;y=70",
                                      "x=577;y=408", "x=3363;y=2378", "x=19601;y=13860"}));
  EXPECT_EQ(run.Result(4), U("k不能为0"));
  EXPECT_EQ(run.Block("53.d"), (Lines{"(k=-1)", "x=1;y=0", "x=0;y=1"}));
  EXPECT_EQ(run.Result(6), U("无解"));
  EXPECT_TRUE(run.Messages().empty());
}

TEST(IntegerCli, RowRules) {
  const SheetRun run = RunInteger({
      {"10", "无此项", "", "5"},
      {"0", "", "", "5"},
      {"abc", "", "", "5"},
      {"***"},
      {"1", "", "", "6"},
  });
  EXPECT_EQ(run.json["answer"], (Lines{U("10.无此项"), ""}));
  for (int row = 2; row <= 6; ++row) EXPECT_EQ(run.Result(row), "") << row;
}

}  // namespace
}  // namespace zarnix
