// The miscellaneous calculations category end to end on a worksheet: the listed edge cases
// of every item, the row loop's rules, item failures in their own cells and the limits
// written back into the parameter cells.
#include <gtest/gtest.h>

#include "base/date.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/textfile.h"
#include "discrete/misc_finance.h"
#include "misc_sheet.h"
#include "support/temp_dir.h"

namespace zarnix {
namespace {

TEST(MiscCalculations, ParallelResistances) {
  MiscSheet sheet;
  const int two = sheet.Add("1", {"2", "2"});
  const int stops = sheet.Add("2", {"2", "0", "5"});
  const int three = sheet.Add("2", {"10", "20", "30"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(two), "1.000");
  EXPECT_EQ(sheet.Result(stops), "2.000");
  EXPECT_EQ(sheet.Result(three), "5.455");
}

TEST(MiscCalculations, MolecularWeightWithTheShippedTable) {
  MiscSheet sheet;
  EXPECT_EQ(sheet.RunOne("3", {"H2SO4"}), "分子量：98.072,含氢硫氧元素");
  MiscSheet water;
  EXPECT_EQ(water.RunOne("3", {"H2O"}), "分子量：18.015,含氢氧元素");
}

TEST(MiscCalculations, DayNumbersWeekdaysAndDifferences) {
  MiscSheet sheet;
  const int number = sheet.Add("31", {"2000", "1", "1"});
  const int date = sheet.Add("32", {"2451545"});
  const int weekday = sheet.Add("36", {"2000", "1", "1"});
  const int oneDay = sheet.Add("33", {"2000", "1", "1", "2000", "1", "2"});
  const int back = sheet.Add("33", {"2000", "1", "2", "2000", "1", "1"});
  const int farOff = sheet.Add("32", {"1e30"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(number), "2451545");
  EXPECT_EQ(sheet.Result(date), "2000年1月1日");
  EXPECT_EQ(sheet.Result(weekday), "星期六");
  EXPECT_EQ(sheet.Result(oneDay), "1天=86400秒");
  EXPECT_EQ(sheet.Result(back), "-1天=86400秒");
  EXPECT_EQ(sheet.Result(farOff), "参数超出范围");
}

TEST(MiscCalculations, Easter) {
  MiscSheet sheet;
  const int y2000 = sheet.Add("35", {"2000"});
  const int y2024 = sheet.Add("35", {"2024"});
  const int early = sheet.Add("35", {"1800"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(y2000), "4月23日");
  EXPECT_EQ(sheet.Result(y2024), "3月31日");
  EXPECT_EQ(sheet.Result(early), "复活节只能计算1900年至2199年");
}

TEST(MiscCalculations, GregorianToLunar) {
  MiscSheet sheet;
  const int leap = sheet.Add("37", {"2023", "3", "22"});
  const int term = sheet.Add("37", {"2000", "1", "6"});
  const int newYear = sheet.Add("37", {"2000", "2", "5"});
  const int regular = sheet.Add("37", {"2023", "3", "21"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(leap), "癸卯(免)年闰二月初一");
  EXPECT_EQ(sheet.Result(term), "己卯(免)年十一月三十小寒");
  EXPECT_EQ(sheet.Result(newYear), "庚辰(龙)年正月初一");
  EXPECT_EQ(sheet.Result(regular), "癸卯(免)年二月三十春分");
}

TEST(MiscCalculations, LunarToGregorian) {
  MiscSheet sheet;
  const int leap = sheet.Add("38", {"2023", "2", "1", "1"});
  const int regular = sheet.Add("38", {"2023", "2", "1", "0"});
  const int newYear = sheet.Add("38", {"2000", "1", "1"});
  // Leap month 11 of 2033 starts 2033-12-22; its 11th day must not be taken for the
  // regular 11th month's 11th day (2033-12-02).
  const int lateLeap = sheet.Add("38", {"2033", "11", "11", "1"});
  const int noLeap = sheet.Add("38", {"2023", "3", "1", "1"});
  const int shortMonth = sheet.Add("38", {"2023", "2", "30", "1"});
  const int badMonth = sheet.Add("38", {"2023", "13", "1"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(leap), "2023年3月22日");
  EXPECT_EQ(sheet.Result(regular), "2023年2月20日");
  EXPECT_EQ(sheet.Result(newYear), "2000年2月5日");
  EXPECT_EQ(sheet.Result(lateLeap), "2034年1月1日");
  EXPECT_EQ(sheet.Result(noLeap), "无此农历日期：2023年闰3月1日");
  EXPECT_EQ(sheet.Result(shortMonth), "无此农历日期：2023年闰2月30日");
  EXPECT_EQ(sheet.Result(badMonth), "无此农历日期：2023年13月1日");
}

TEST(MiscCalculations, LunarItemsOutsideTheTablesGiveAMessage) {
  MiscSheet sheet;
  const int before = sheet.Add("37", {"1900", "12", "31"});
  const int after = sheet.Add("37", {"2051", "1", "1"});
  const int firstDay = sheet.Add("37", {"1901", "1", "1"});
  const int lastDay = sheet.Add("37", {"2050", "12", "31"});
  const int lunarBefore = sheet.Add("38", {"1900", "12", "1"});
  // Lunar 2050-12-1 falls in January 2051, past the solar-term table.
  const int lunarAfter = sheet.Add("38", {"2050", "12", "1"});
  const int lunarLast = sheet.Add("38", {"2050", "11", "18"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(before), "农历计算只支持公历1901年至2050年");
  EXPECT_EQ(sheet.Result(after), "农历计算只支持公历1901年至2050年");
  EXPECT_EQ(sheet.Result(firstDay), "庚子(鼠)年十一月十一");
  EXPECT_EQ(sheet.Result(lastDay), "庚午(马)年十一月十八");
  EXPECT_EQ(sheet.Result(lunarBefore), "农历计算只支持公历1901年至2050年");
  EXPECT_EQ(sheet.Result(lunarAfter), "农历计算只支持公历1901年至2050年");
  EXPECT_EQ(sheet.Result(lunarLast), "2050年12月31日");
}

TEST(MiscCalculations, InvalidDatesAreNamedAndTheOtherRowsComputed) {
  MiscSheet sheet;
  const int month13 = sheet.Add("37", {"2023", "13", "1"});
  const int feb30 = sheet.Add("31", {"2023", "2", "30"});
  const int weekday = sheet.Add("36", {"2023", "2", "29"});
  const int second = sheet.Add("33", {"2000", "1", "1", "2000", "0", "1"});
  const int moon = sheet.Add("34", {"2000", "1", "32"});
  const int fine = sheet.Add("31", {"2000", "1", "1"});
  const int huge = sheet.Add("31", {"1e300", "1", "1"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(month13), "日期无效：2023年13月1日");
  EXPECT_EQ(sheet.Result(feb30), "日期无效：2023年2月30日");
  EXPECT_EQ(sheet.Result(weekday), "日期无效：2023年2月29日");
  EXPECT_EQ(sheet.Result(second), "日期无效：2000年0月1日");
  EXPECT_EQ(sheet.Result(moon), "日期无效：2000年1月32日");
  EXPECT_EQ(sheet.Result(fine), "2451545");
  EXPECT_EQ(sheet.Result(huge).rfind("日期无效：", 0), 0u);
}

TEST(MiscCalculations, TimeDifferenceAndMoonPhase) {
  MiscSheet sheet;
  const int span = sheet.Add("39", {"8", "30", "0", "17", "45", "30"});
  const int back = sheet.Add("39", {"10", "0", "0", "8", "30", "0"});
  const int full = sheet.Add("34", {"2024", "1", "25"});
  const int fresh = sheet.Add("34", {"2024", "1", "11"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(span), "9时15分30秒=33330秒");
  EXPECT_EQ(sheet.Result(back), "-1时30分0秒=-5400秒");
  EXPECT_GT(std::stod(sheet.Result(full)), 0.9);
  EXPECT_LT(std::stod(sheet.Result(fresh)), 0.1);
}

TEST(MiscCalculations, AnnuitiesAndTheRateFormula) {
  MiscSheet sheet;
  const int fv = sheet.Add("41", {"0", "10", "-100", "-10", "0"});
  const int npv = sheet.Add("42", {"0.1", "110;121", "0"});
  const int npvStart = sheet.Add("42", {"0.1", "110;121", "1"});
  const int payment = sheet.Add("43", {"0", "4", "1000", "0", "0"});
  const int pv = sheet.Add("44", {"0.1", "1", "0", "-110", "0"});
  const int rate = sheet.Add("45", {"1", "100", "98", "90"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(fv), "200.00");
  EXPECT_EQ(sheet.Result(npv), "200.00");
  EXPECT_EQ(sheet.Result(npvStart), "220.00");
  EXPECT_EQ(sheet.Result(payment), "-250.00");
  EXPECT_EQ(sheet.Result(pv), "100.00");
  EXPECT_EQ(sheet.Result(rate), "72.00");
}

TEST(MiscCalculations, CashFlowLimitAndBadRates) {
  MiscSheet sheet;
  const int tooMany =
      sheet.Add("42", {"0.1", "1;2;3;4;5;6;7;8;9;10;11;12;13;14;15;16;17;18;19;20;21;22;23", "0"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(tooMany), "现金流最多22个");

  MiscSheet badRate;
  badRate.Add("41", {"-1", "10", "100", "0", "0"});
  EXPECT_THROW(badRate.Run(), Exception);
  MiscSheet badList;
  badList.Add("42", {"0.1", "1;;2", "0"});
  EXPECT_THROW(badList.Run(), EConvertError);
}

TEST(MiscCalculations, DepositChecks) {
  MiscSheet sheet;
  const int badTerm = sheet.Add("46", {"10000", "20080101", "20100101", "5", "0"});
  const int textTerm = sheet.Add("46", {"10000", "20080101", "20100101", "一年", "0"});
  const int early = sheet.Add("46", {"10000", "19901231", "20100101", "12", "0"});
  const int late = sheet.Add("46", {"10000", "20080101", "21010101", "12", "0"});
  const int backwards = sheet.Add("46", {"10000", "20100101", "20080101", "12", "0"});
  const int badDay = sheet.Add("46", {"10000", "20230230", "20240101", "12", "0"});
  const int huge = sheet.Add("46", {"10000", "1e300", "20240101", "12", "0"});
  const int sameDay = sheet.Add("46", {"10000", "20100101", "20100101", "12", "0"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(badTerm), "存期错误！");
  EXPECT_EQ(sheet.Result(textTerm), "存期错误！");
  EXPECT_EQ(sheet.Result(early), "存款日或取款日错误！");
  EXPECT_EQ(sheet.Result(late), "存款日或取款日错误！");
  EXPECT_EQ(sheet.Result(backwards), "存款日或取款日错误！");
  EXPECT_EQ(sheet.Result(badDay), "日期无效：2023年2月30日");
  EXPECT_EQ(sheet.Result(huge), "存款日或取款日错误！");
  EXPECT_EQ(sheet.Result(sameDay), "10000.00");
}

TEST(MiscCalculations, DepositWithTheShippedRates) {
  MiscSheet sheet;
  // One year from 2010-01-01 at 2.25%, no tax since 2008-10-09.
  const int oneYear = sheet.Add("46", {"10000", "20100101", "20110101", "12", "0"});
  // 1999-06-10 at 2.25%; the part earned from 1999-11-01 is taxed at 20%.
  const int taxed = sheet.Add("46", {"10000", "19990610", "20000610", "12", "0"});
  // Five-year deposits rolled over in 2018 have no published benchmark rate.
  const int noFiveYear = sheet.Add("46", {"10000", "20130101", "20230101", "60", "1"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(oneYear), "10225.00");
  const int days = 366;  // 1999-06-10 .. 2000-06-10
  const int taxedDays = days - (EncodeDate(1999, 11, 1) - EncodeDate(1999, 6, 10));
  EXPECT_EQ(sheet.Result(taxed), Format("%.2f", 10000 + 225 - 225 * 0.2L * taxedDays / days));
  EXPECT_EQ(sheet.Result(noFiveYear), "利率表中没有2018年1月1日60个月存款的利率");
}

TEST(MiscCalculations, GrowthAndHealthModels) {
  MiscSheet sheet;
  const int child = sheet.Add("52", {"15", "6", "1"});
  const int months = sheet.Add("52", {"2", "20", "0"});
  const int adult = sheet.Add("53", {"1800", "1", "175", "162"});
  const int girl = sheet.Add("53", {"2000", "0", "175", "162"});
  const int young = sheet.Add("54", {"5", "150"});
  const int old = sheet.Add("54", {"95", "170"});
  const int population = sheet.Add("51", {"1949"});
  const int future = sheet.Add("51", {"2101"});
  sheet.Run();
  Worksheet& grid = sheet.Grid();
  EXPECT_EQ(grid.Cell(4, child), "10");
  EXPECT_EQ(grid.Cell(5, child), "6");
  EXPECT_EQ(sheet.Result(child), "136cm;32kg");  // 126 months
  EXPECT_EQ(grid.Cell(5, months), "12");
  EXPECT_EQ(grid.Cell(4, adult), "1900");
  EXPECT_EQ(sheet.Result(girl), "163-166cm");
  EXPECT_EQ(grid.Cell(4, young), "11");
  EXPECT_EQ(grid.Cell(4, old), "80");
  EXPECT_EQ(sheet.Result(population), Format("%.3f", 20 / 3.642987249544626594L));
  EXPECT_EQ(sheet.Result(future), "人口模型只适用于1949年至2100年");
}

TEST(MiscCalculations, GiniCoefficients) {
  MiscSheet sheet;
  const int two = sheet.Add("62", {"20", "80"});
  const int equal = sheet.Add("61", {"20", "20", "20", "20", "20"});
  const int skewed = sheet.Add("61", {"5", "10", "15", "25", "45"});
  const int gap = sheet.Add("61", {"50", "50", "", "99"});
  sheet.Run();
  EXPECT_EQ(sheet.Result(two), "0.600");
  EXPECT_EQ(sheet.Result(equal), "0.000");
  EXPECT_EQ(sheet.Result(skewed), "0.380");
  EXPECT_EQ(sheet.Result(gap), "0.000");  // the first empty cell ends the groups

  MiscSheet wide;
  wide.Grid().SetColCount(16);  // room for ten groups before the result column
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
  EXPECT_EQ(grid.ColWidth(2), 150);
  EXPECT_EQ(grid.ColWidth(3), 220);
  EXPECT_EQ(grid.ColWidth(MiscSheet::kResultCol), 90);
  EXPECT_EQ(grid.DefaultColWidth(), 40);
}

TEST(MiscCalculations, ResultFormatAndFloatingPointFaults) {
  MiscSheet sheet;
  sheet.ResultFormat() = "%.5f";
  EXPECT_EQ(sheet.RunOne("1", {"3", "3"}), "1.50000");

  MiscSheet zero;
  zero.Add("1", {"2", "-2"});
  EXPECT_THROW(zero.Run(), EZeroDivide);
  MiscSheet rate;
  const int first = rate.Add("62", {"20", "80"});
  rate.Add("45", {"1", "100", "98", "100"});
  EXPECT_THROW(rate.Run(), EZeroDivide);
  EXPECT_EQ(rate.Result(first), "0.600");  // rows already computed keep their results
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
