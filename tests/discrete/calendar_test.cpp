// The lunar calendar: the tables against the published rows, the named edge dates, the names,
// the range limits, and the two conversions as inverses over every day of 1901-2050.
#include <gtest/gtest.h>

#include <string>

#include "base/date.h"
#include "base/errors.h"
#include "discrete/calendar/lunar_calendar.h"
#include "discrete/calendar/lunar_tables.h"

namespace zarnix {
namespace {

LunarDate Lunar(int y, int m, int d) {
  return GregorianToLunar(y, m, d).date;
}

void ExpectLunar(const LunarDate& actual, int year, int month, int day, bool leap = false) {
  EXPECT_EQ(actual.year, year);
  EXPECT_EQ(actual.month, month);
  EXPECT_EQ(actual.day, day);
  EXPECT_EQ(actual.leap, leap);
}

TEST(LunarTables, SolarTermRowsOfTheListedYears) {
  EXPECT_STREQ(kSolarTermTable[0], "96B496A69797787979697877");
  EXPECT_STREQ(kSolarTermTable[1], "96A496969787797979697878");
  EXPECT_STREQ(kSolarTermTable[2000 - 1901], "96B4A5B5A6A6878888788786");
  EXPECT_STREQ(kSolarTermTable[2023 - 1901], "A5B496A59696887878797787");
  // 2050's 白露 falls on September 7 at 18:00 Beijing time.
  EXPECT_STREQ(kSolarTermTable[2050 - 1901], "A5C3A5B5A6A6878888788787");
  EXPECT_EQ(SolarTermIndex(2050, 9, 7), 17);
  EXPECT_EQ(SolarTermIndex(2050, 9, 8), 0);
}

TEST(LunarTables, EveryYearHasTwentyFourTermsInOrder) {
  for (int year = kLunarFirstYear; year <= kLunarLastYear; ++year) {
    int expected = 1;
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= DaysInMonth(year, month); ++day) {
        const int term = SolarTermIndex(year, month, day);
        if (term == 0) continue;
        EXPECT_EQ(term, expected) << year << "-" << month << "-" << day;
        ++expected;
      }
    }
    EXPECT_EQ(expected, 25) << year;
  }
}

TEST(LunarTables, CorrectedMonthWords) {
  EXPECT_EQ(kLunarMonthTable[1989 - 1901], 0x9570);
  EXPECT_EQ(kLunarMonthTable[2013 - 1901], 0xAD50);
  EXPECT_EQ(kLunarMonthTable[2025 - 1901], 0xA570);
  // The months those words move, by the new moons in Beijing time.
  ExpectLunar(Lunar(1989, 8, 2), 1989, 7, 1);
  ExpectLunar(Lunar(1989, 8, 1), 1989, 6, 30);
  ExpectLunar(Lunar(2013, 6, 8), 2013, 5, 1);
  ExpectLunar(Lunar(2013, 6, 7), 2013, 4, 29);
  ExpectLunar(Lunar(2025, 4, 28), 2025, 4, 1);
  ExpectLunar(Lunar(2025, 4, 27), 2025, 3, 30);
}

TEST(LunarCalendar, EdgeDates) {
  ExpectLunar(LunarFromDayCount(0), 1900, 11, 11);
  ExpectLunar(Lunar(1901, 1, 1), 1900, 11, 11);
  ExpectLunar(Lunar(1901, 1, 19), 1900, 11, 29);
  ExpectLunar(Lunar(1901, 1, 20), 1900, 12, 1);
  ExpectLunar(Lunar(1901, 2, 18), 1900, 12, 30);
  ExpectLunar(Lunar(1901, 2, 19), 1901, 1, 1);
  ExpectLunar(Lunar(2000, 2, 5), 2000, 1, 1);
  ExpectLunar(Lunar(2050, 12, 31), 2050, 11, 18);
  EXPECT_EQ(LeapMonthOf(2023), 2);
  ExpectLunar(Lunar(2023, 3, 21), 2023, 2, 30);
  ExpectLunar(Lunar(2023, 3, 22), 2023, 2, 1, true);
  ExpectLunar(Lunar(2023, 4, 20), 2023, 3, 1);
  EXPECT_EQ(kLunarEpochDate, EncodeDate(1901, 1, 1));
}

TEST(LunarCalendar, MonthAndYearLengths) {
  // 2023: leap month 2 follows month 2 in the bit word.
  const LunarMonthLength second = LunarMonthDays(2023, 2);
  EXPECT_EQ(second.days, 30);
  EXPECT_EQ(second.leapDays, 29);
  EXPECT_EQ(LunarYearDays(2023), 384);
  EXPECT_EQ(LunarMonthDays(1900, 5).days, 30);
  EXPECT_EQ(LunarMonthDays(2023, 13).days, 0);
  EXPECT_EQ(LeapMonthOf(2051), 0);
}

TEST(LunarCalendar, SolarTermNames) {
  EXPECT_EQ(SolarTermName({2000, 1, 6}), "小寒");
  EXPECT_EQ(SolarTermName({2000, 1, 21}), "大寒");
  EXPECT_EQ(SolarTermName({2000, 12, 21}), "冬至");
  EXPECT_EQ(SolarTermName({2000, 12, 22}), "");
  EXPECT_EQ(SolarTermName({1900, 1, 6}), "");
  EXPECT_EQ(SolarTermName({2051, 1, 5}), "");
  EXPECT_EQ(SolarTermNameOf(0), "");
  EXPECT_EQ(SolarTermNameOf(25), "");
}

TEST(LunarCalendar, YearMonthAndDayNames) {
  EXPECT_EQ(GanZhiYearName(2000), "庚辰(龙)年");
  EXPECT_EQ(GanZhiYearName(2023), "癸卯(兔)年");
  EXPECT_EQ(GanZhiYearName(1900), "庚子(鼠)年");
  EXPECT_EQ(GanZhiYearName(3), "癸亥(猪)年");  // (y - 4) taken modulo, never negative
  EXPECT_EQ(LunarMonthName(1, true), "正月");
  EXPECT_EQ(LunarMonthName(1, false), "一月");
  EXPECT_EQ(LunarMonthName(11, true), "十一月");
  EXPECT_EQ(LunarMonthName(12, true), "十二月");
  EXPECT_EQ(LunarMonthName(13, true), "");
  EXPECT_EQ(LunarDayName(1), "初一");
  EXPECT_EQ(LunarDayName(10), "初十");
  EXPECT_EQ(LunarDayName(11), "十一");
  EXPECT_EQ(LunarDayName(20), "廿十");
  EXPECT_EQ(LunarDayName(21), "廿一");
  EXPECT_EQ(LunarDayName(30), "三十");
  EXPECT_EQ(LunarDayName(0), "");
  EXPECT_EQ(LunarDayName(31), "");
}

TEST(LunarCalendar, OutsideTheTablesIsAnErrorNotARead) {
  EXPECT_THROW(LunarFromDayCount(-1), Exception);
  EXPECT_THROW(GregorianToLunar(1900, 12, 31), Exception);
  EXPECT_THROW(GregorianToLunar(2051, 1, 1), Exception);
  EXPECT_THROW(GregorianToLunar(2023, 2, 30), EConvertError);
  EXPECT_THROW(LunarFromDate(-1e300), Exception);
  EXPECT_THROW(LunarFromDate(1e300), Exception);
  ExpectLunar(LunarFromDate(EncodeDate(2023, 3, 22) + 0.75), 2023, 2, 1, true);
  // The last lunar day of the tables is 2051-02-10; the next day starts lunar 2051.
  const int end = EncodeDate(2051, 2, 11) - kLunarEpochDate;
  ExpectLunar(LunarFromDayCount(end - 1), 2050, 12, 29);
  EXPECT_THROW(LunarFromDayCount(end), Exception);
  EXPECT_FALSE(DayCountFromLunar({1900, 12, 1, false}));
  EXPECT_FALSE(DayCountFromLunar({2051, 1, 1, false}));
  EXPECT_FALSE(DayCountFromLunar({2023, 13, 1, false}));
  EXPECT_FALSE(DayCountFromLunar({2023, 3, 1, true}));   // 2023 has no leap third month
  EXPECT_FALSE(DayCountFromLunar({2023, 2, 30, true}));  // its leap second month has 29 days
  EXPECT_FALSE(DayCountFromLunar({2023, 2, 0, false}));
}

TEST(LunarCalendar, ConversionsAreInversesOnEveryDay) {
  const int last = EncodeDate(2051, 2, 10) - kLunarEpochDate;
  LunarDate previous = LunarFromDayCount(kLunarYear1901Start - 1);
  for (int count = kLunarYear1901Start; count <= last; ++count) {
    const LunarDate date = LunarFromDayCount(count);
    ASSERT_EQ(DayCountFromLunar(date), count) << count;
    // Days advance by one inside a month; a new month starts at day 1 after day 29 or 30.
    if (date.day != 1) {
      ASSERT_EQ(date.day, previous.day + 1) << count;
    } else {
      ASSERT_TRUE(previous.day == 29 || previous.day == 30) << count;
    }
    previous = date;
  }
}

}  // namespace
}  // namespace zarnix
