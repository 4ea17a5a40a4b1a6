// Deposit interest on small rate tables whose answers can be worked by hand, the tax split
// across tax periods, the term-date rule and the shape of the shipped rate files.
#include <gtest/gtest.h>

#include <vector>

#include "base/date.h"
#include "base/textfile.h"
#include "discrete/misc_finance.h"
#include "sheet/item_sheet.h"
#include "misc_sheet.h"
#include "support/temp_dir.h"
#include "tablefile/table_text.h"

namespace zarnix {
namespace {

int Day(int y, int m, int d) {
  return EncodeDate(y, m, d);
}

class DepositTest : public TempDirTest {
 protected:
  void SetUp() override {
    TempDirTest::SetUp();
    const auto taxes = dir_ / "taxes.thf";
    const auto rates = dir_ / "rates.thf";
    WriteTextLines(
        taxes, {"N4.0`N2.0`N2.0`N6.2", "y`m`d`rate", "1999`11`1`20", "2007`8`15`5", "2008`10`9`0"});
    WriteTextLines(
        rates, {"N4.0`N2.0`N2.0`C0`C3`C12`C60", "y`m`d`0`3`12`60", "1991`1`1`0.36`1.20`3.60`5.00",
                "2000`1`1`0.72`1.80`2.40`", "2099`1`1`1`1`1`1"});
    tables_ = LoadDepositTables(taxes, rates);
  }

  Extended Amount(const CalendarDate& from, const CalendarDate& to, int term, bool renew) {
    return DepositInterest(tables_, {10000, from, to, term, renew}).amount;
  }

  DepositTables tables_;
};

TEST_F(DepositTest, OneTermWithoutTax) {
  EXPECT_NEAR(Amount({2010, 3, 1}, {2011, 3, 1}, 12, false), 10240, 1e-9);
}

TEST_F(DepositTest, TaxOnlyOnTheDaysAfterItStarted) {
  // 360 interest over 366 days, 182 of them from 1999-11-01 on, taxed at 20%.
  EXPECT_NEAR(Amount({1999, 5, 1}, {2000, 5, 1}, 12, false), 10360 - 360 * 0.2L * 182 / 366, 1e-9);
}

TEST_F(DepositTest, RenewedTermsThenDemandInterest) {
  // Two renewed years (240, then 2.4% of 10240), then 43 days at 0.72% on 10485.
  EXPECT_NEAR(Amount({2009, 1, 31}, {2011, 3, 15}, 12, true),
              10000 + 240 + 245.76L + 10485 * 0.0072L * 43 / 360, 1e-9);
  // Not renewed: after the first year the balance earns the demand rate for 408 days.
  EXPECT_NEAR(Amount({2009, 1, 31}, {2011, 3, 15}, 12, false),
              10000 + 240 + 10240 * 0.0072L * 408 / 360, 1e-9);
}

TEST_F(DepositTest, EarlyWithdrawalEarnsTheDemandRate) {
  // A deposit of February 29 counts from March 1: 364 days, taxed at 20%.
  EXPECT_NEAR(Amount({2004, 2, 29}, {2005, 2, 28}, 12, false), 10000 + 72.8L - 14.56L, 1e-9);
}

TEST_F(DepositTest, TermEndsOnMissingDaysMoveToTheNextMonth) {
  // 2009-11-30 + 3 months is "February 30", so the second term starts March 1 and ends
  // June 1.
  EXPECT_NEAR(Amount({2009, 11, 30}, {2010, 6, 1}, 3, true), 10000 + 45 + 45.2025L, 1e-9);
  // Withdrawn on May 31 the second term is not complete: 91 demand days on 10045.
  EXPECT_NEAR(Amount({2009, 11, 30}, {2010, 5, 31}, 3, true),
              10000 + 45 + 10045 * 0.0072L * 91 / 360, 1e-9);
}

TEST_F(DepositTest, MissingRatesAreReportedNotTakenAsZero) {
  EXPECT_THROW(Amount({2001, 1, 1}, {2006, 1, 1}, 60, false), ItemError);
  EXPECT_NEAR(
      Amount({1995, 1, 1}, {2000, 1, 1}, 60, false),
      10000 + 2500 -
          2500 * 0.2L * (Day(2000, 1, 1) - Day(1999, 11, 1)) / (Day(2000, 1, 1) - Day(1995, 1, 1)),
      1e-9);
}

TEST_F(DepositTest, InterestTaxSplitsAcrossPeriods) {
  const std::vector<TaxPeriod>& taxes = tables_.taxes;
  ASSERT_EQ(taxes.size(), 4u);
  EXPECT_EQ(taxes.back().from, kTaxEndDate);
  EXPECT_EQ(InterestTax(taxes, Day(2000, 1, 1), Day(2000, 1, 1), 100), 0);
  EXPECT_EQ(InterestTax(taxes, Day(1998, 1, 1), Day(1999, 11, 1), 100), 0);
  EXPECT_EQ(InterestTax(taxes, Day(2009, 1, 1), Day(2010, 1, 1), 100), 0);
  EXPECT_NEAR(InterestTax(taxes, Day(2000, 1, 1), Day(2001, 1, 1), 100), 20, 1e-12);
  const int start = Day(2007, 8, 1);
  const int end = Day(2008, 11, 1);
  const Extended expected =
      1000 * (0.20L * (Day(2007, 8, 15) - start) + 0.05L * (Day(2008, 10, 9) - Day(2007, 8, 15))) /
      (end - start);
  EXPECT_NEAR(InterestTax(taxes, start, end, 1000), expected, 1e-12);
}

TEST(DepositTerms, AddingMonths) {
  auto Same = [](const CalendarDate& a, const CalendarDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
  };
  EXPECT_TRUE(Same(AddTermMonths({2023, 1, 31}, 3), {2023, 5, 1}));
  EXPECT_TRUE(Same(AddTermMonths({2023, 11, 30}, 3), {2024, 3, 1}));  // February 30
  EXPECT_TRUE(Same(AddTermMonths({2024, 2, 29}, 12), {2025, 3, 1}));
  EXPECT_TRUE(Same(AddTermMonths({2020, 8, 31}, 6), {2021, 3, 1}));
  EXPECT_TRUE(Same(AddTermMonths({2020, 12, 31}, 12), {2021, 12, 31}));
}

TEST(ShippedRateFiles, DatesAscendAndEveryTermHasItsRates) {
  Worksheet rates;
  LoadGridFile(MiscSheet::ShippedData() / PathFromGbk("ZARNIX利率.thf"), rates);
  ASSERT_EQ(rates.ColCount(), 11);
  const char* headings[] = {"C0", "C3", "C6", "C12", "C24", "C36", "C60"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(rates.Cell(4 + i, 0), headings[i]);
  int previous = 0;
  for (int row = 2; row < rates.RowCount(); ++row) {
    const int date = EncodeDate(std::stoi(rates.Cell(1, row)), std::stoi(rates.Cell(2, row)),
                                std::stoi(rates.Cell(3, row)));
    EXPECT_GT(date, previous) << row;
    previous = date;
    // The five-year benchmark was last published before 2014-11-22.
    const bool fiveYear = date < EncodeDate(2014, 11, 22);
    for (int col = 4; col < 11; ++col) {
      const bool present = !rates.Cell(col, row).empty();
      EXPECT_EQ(present, col < 10 || fiveYear) << row << "," << col;
    }
    // Longer terms never pay less.
    for (int col = 5; col < (fiveYear ? 11 : 10); ++col)
      EXPECT_GE(std::stod(rates.Cell(col, row)), std::stod(rates.Cell(col - 1, row)));
  }
  EXPECT_EQ(DepositRate(rates, 12, {2015, 10, 24}), 1.5L);
  EXPECT_EQ(DepositRate(rates, 0, {1999, 6, 9}), 1.44L);

  Worksheet taxes;
  LoadGridFile(MiscSheet::ShippedData() / PathFromGbk("ZARNIX利息税率.thf"), taxes);
  const std::vector<TaxPeriod> periods = TaxPeriodsOf(taxes);
  ASSERT_EQ(periods.size(), 4u);
  EXPECT_EQ(periods[0].from, EncodeDate(1999, 11, 1));
  EXPECT_EQ(periods[0].rate, 20);
  EXPECT_EQ(periods[1].from, EncodeDate(2007, 8, 15));
  EXPECT_EQ(periods[1].rate, 5);
  EXPECT_EQ(periods[2].from, EncodeDate(2008, 10, 9));
  EXPECT_EQ(periods[2].rate, 0);
}

}  // namespace
}  // namespace zarnix
