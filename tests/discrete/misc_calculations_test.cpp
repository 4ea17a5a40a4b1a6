// The miscellaneous calculations category on a worksheet: every item's listed edge cases in
// one sheet (so failing rows sit between computed ones), the row loop's rules, the limits
// written back into parameter cells, and the failures that end a run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"
#include "base/textfile.h"
#include "misc_sheet.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

struct ItemCase {
  const char* number;
  std::vector<std::string> params;
  const char* expected;
};

const ItemCase kItemCases[] = {
    {"1", {"2", "2"}, "1.000"},
    {"2", {"2", "0", "5"}, "2.000"},  // the values end at the first one that rounds to 0
    {"2", {"10", "20", "30"}, "5.455"},
    {"3", {"H2SO4"}, "分子量：98.072,含氢硫氧元素"},
    {"31", {"2000", "1", "1"}, "2451545"},
    {"31", {"2023", "2", "30"}, "日期无效：2023年2月30日"},
    {"31", {"1e300", "1", "1"}, "日期无效：1E300年1月1日"},
    {"32", {"2451545"}, "2000年1月1日"},
    {"32", {"1e30"}, "参数超出范围"},
    {"33", {"2000", "1", "1", "2000", "1", "2"}, "1天=86400秒"},
    {"33", {"2000", "1", "2", "2000", "1", "1"}, "-1天=86400秒"},
    {"33", {"2000", "1", "1", "2000", "0", "1"}, "日期无效：2000年0月1日"},
    {"35", {"2000"}, "4月23日"},
    {"35", {"2024"}, "3月31日"},
    {"35", {"1800"}, "复活节只能计算1900年至2199年"},
    {"36", {"2000", "1", "1"}, "星期六"},
    {"37", {"2023", "3", "22"}, "癸卯(兔)年闰二月初一"},
    {"37", {"2000", "1", "6"}, "己卯(兔)年十一月三十小寒"},
    {"37", {"2000", "2", "5"}, "庚辰(龙)年正月初一"},
    {"37", {"2023", "13", "1"}, "日期无效：2023年13月1日"},
    {"37", {"1900", "12", "31"}, "农历计算只支持公历1901年至2050年"},
    {"37", {"2051", "1", "1"}, "农历计算只支持公历1901年至2050年"},
    {"37", {"2050", "12", "31"}, "庚午(马)年十一月十八"},
    {"38", {"2023", "2", "1", "1"}, "2023年3月22日"},
    {"38", {"2023", "2", "1", "0"}, "2023年2月20日"},
    // Leap month 11 of 2033 starts 2033-12-22: its 11th day is not the regular month's.
    {"38", {"2033", "11", "11", "1"}, "2034年1月1日"},
    {"38", {"2023", "3", "1", "1"}, "无此农历日期：2023年闰3月1日"},
    {"38", {"2023", "2", "30", "1"}, "无此农历日期：2023年闰2月30日"},
    {"38", {"2050", "12", "1"}, "农历计算只支持公历1901年至2050年"},  // January 2051
    {"38", {"2050", "11", "18"}, "2050年12月31日"},
    {"39", {"8", "30", "0", "17", "45", "30"}, "9时15分30秒=33330秒"},
    {"39", {"10", "0", "0", "8", "30", "0"}, "-1时30分0秒=-5400秒"},
    {"41", {"0", "10", "-100", "-10", "0"}, "200.00"},
    {"41", {"0.1", "1", "0", "-100", "1"}, "110.00"},  // paid at the start of the period
    {"42", {"0.1", "110;121", "0"}, "200.00"},
    {"42", {"0.1", "110;121", "1"}, "220.00"},
    {"42",
     {"0.1", "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23"},
     "现金流最多22个"},
    {"43", {"0", "4", "1000", "0", "0"}, "-250.00"},
    {"43", {"0.1", "2", "0", "-231", "1"}, "100.00"},
    {"44", {"0.1", "1", "0", "-110", "0"}, "100.00"},
    {"44", {"0.1", "2", "-100", "0", "1"}, "190.91"},
    {"45", {"1", "100", "98", "90"}, "72.00"},
    {"46", {"10000", "20080101", "20100101", "5", "0"}, "存期错误！"},
    {"46", {"10000", "19901231", "20100101", "12", "0"}, "存款日或取款日错误！"},
    {"46", {"10000", "20100101", "20080101", "12", "0"}, "存款日或取款日错误！"},
    {"46", {"10000", "1e300", "20240101", "12", "0"}, "存款日或取款日错误！"},
    {"46", {"10000", "20230230", "20240101", "12", "0"}, "日期无效：2023年2月30日"},
    {"46", {"10000", "20100101", "20100101", "12", "0"}, "10000.00"},
    // A year at 2.25% from 2010-01-01, after the interest tax ended.
    {"46", {"10000", "20100101", "20110101", "12", "0"}, "10225.00"},
    // From 1999-06-10 at 2.25%: the 222 of 366 days from 1999-11-01 on are taxed at 20%.
    {"46", {"10000", "19990610", "20000610", "12", "0"}, "10197.70"},
    // Five-year deposits rolled over in 2018 have no published benchmark rate.
    {"46",
     {"10000", "20130101", "20230101", "60", "1"},
     "利率表中没有2018年1月1日60个月存款的利率"},
    {"51", {"2101"}, "人口模型只适用于1949年至2100年"},
    {"53", {"2000", "0", "175", "162"}, "163-166cm"},
    {"61", {"20", "20", "20", "20", "20"}, "0.000"},
    {"61", {"5", "10", "15", "25", "45"}, "0.380"},
    {"61", {"50", "50", "", "99"}, "0.000"},  // the first empty cell ends the groups
    {"62", {"20", "80"}, "0.600"},
};

TEST(MiscCalculations, ItemResults) {
  MiscSheet sheet;
  std::vector<int> rows;
  for (const ItemCase& item : kItemCases) rows.push_back(sheet.Add(item.number, item.params));
  sheet.Run();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const ItemCase& item = kItemCases[i];
    EXPECT_EQ(sheet.Result(rows[i]), item.expected)
        << "item " << item.number << " with " << item.params[0];
  }
}

TEST(MiscCalculations, LimitsAreWrittenBack) {
  MiscSheet sheet;
  const int child = sheet.Add("52", {"15", "6", "1"});
  const int months = sheet.Add("52", {"2", "20", "0"});
  const int adult = sheet.Add("53", {"1800", "1", "175", "162"});
  const int young = sheet.Add("54", {"5", "150"});
  const int old = sheet.Add("54", {"95", "170"});
  sheet.Run();
  Worksheet& grid = sheet.Grid();
  EXPECT_EQ(grid.Cell(4, child), "10");
  EXPECT_EQ(grid.Cell(5, child), "6");
  EXPECT_EQ(sheet.Result(child), "136cm;32kg");  // a boy of 126 months
  EXPECT_EQ(grid.Cell(5, months), "12");
  EXPECT_EQ(grid.Cell(4, adult), "1900");
  EXPECT_EQ(grid.Cell(4, young), "11");
  EXPECT_EQ(grid.Cell(4, old), "80");

  MiscSheet wide;
  wide.Grid().SetColCount(16);  // room for ten Gini groups before the result column
  const int ten = wide.Add("61", {"1", "2", "3", "4", "5", "6", "7", "8", "9", "55"});
  wide.Run();
  EXPECT_EQ(wide.Grid().Cell(15, ten), "最多9组");
}

TEST(MiscCalculations, RowLoopRules) {
  MiscSheet sheet;
  Worksheet& grid = sheet.Grid();
  const int skippedNumber = sheet.Add("0", {"2", "2"});
  const int textNumber = sheet.Add("abc", {"2", "2"});
  const int noParams = sheet.Add("1", {});
  const int unknown = sheet.Add("40", {"1"});
  const int computed = sheet.Add("62", {"20", "80"});
  for (int row : {skippedNumber, textNumber, noParams, unknown, computed})
    grid.SetCell(MiscSheet::kResultCol, row, "old");
  sheet.Run();
  for (int row : {skippedNumber, textNumber, noParams, unknown})
    EXPECT_EQ(sheet.Result(row), "") << row;
  EXPECT_EQ(sheet.Result(computed), "0.600");
  // Rows below the end-of-items row are left alone.
  const int below = grid.RowCount();
  grid.SetRowCount(below + 2);
  grid.SetCell(1, below, "62");
  grid.SetCell(4, below, "20");
  grid.SetCell(MiscSheet::kResultCol, below, "keep");
  sheet.Run();
  EXPECT_EQ(grid.Cell(MiscSheet::kResultCol, below), "keep");
  EXPECT_EQ(grid.ColWidth(0), 1);
  EXPECT_EQ(grid.ColWidth(3), 220);
  EXPECT_EQ(grid.ColWidth(MiscSheet::kResultCol), 90);
  EXPECT_EQ(grid.DefaultColWidth(), 40);
}

TEST(MiscCalculations, FailuresThatEndTheRun) {
  MiscSheet format;
  format.ResultFormat() = "%.5f";
  EXPECT_EQ(format.RunOne("1", {"3", "3"}), "1.50000");

  MiscSheet zero;
  zero.Add("1", {"2", "-2"});
  EXPECT_THROW(zero.Run(), EZeroDivide);
  MiscSheet rate;
  const int first = rate.Add("62", {"20", "80"});
  rate.Add("45", {"1", "100", "98", "100"});
  EXPECT_THROW(rate.Run(), EZeroDivide);
  EXPECT_EQ(rate.Result(first), "0.600");  // rows already computed keep their results
  MiscSheet badRate;
  badRate.Add("41", {"-1", "10", "100", "0", "0"});
  EXPECT_THROW(badRate.Run(), Exception);
  MiscSheet badList;
  badList.Add("42", {"0.1", "1;;2", "0"});
  EXPECT_THROW(badList.Run(), EConvertError);
}

class MiscDataFiles : public TempDirTest {};

TEST_F(MiscDataFiles, MissingTablesStopTheRun) {
  MiscSheet elements(dir_);
  elements.Add("3", {"H2O"});
  EXPECT_THROW(elements.Run(), EInOutError);
  MiscSheet deposit(dir_);
  deposit.Add("46", {"10000", "20080101", "20100101", "12", "0"});
  EXPECT_THROW(deposit.Run(), EInOutError);
  // Items that need no table still run without them.
  MiscSheet other(dir_);
  EXPECT_EQ(other.RunOne("62", {"20", "80"}), "0.600");
}

TEST_F(MiscDataFiles, ElementTableOfTheListedWeights) {
  WriteTextLines(
      dir_ / PathFromGbk("zarnix周期表.thf"),
      {"C4`C8`N10.4", "符号`名称`原子量", "H`氢`1.008", "S`硫`32.06", "O`氧`15.999", "X`未知`abc"});
  MiscSheet sheet(dir_);
  const int acid = sheet.Add("3", {"H2SO4"});
  const int unknown = sheet.Add("3", {"XZn2"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(acid), "分子量：98.072,含氢硫氧元素");
  EXPECT_EQ(sheet.Result(unknown), "分子量：0.000,含未知元素");
}

}  // namespace
}  // namespace zarnix
