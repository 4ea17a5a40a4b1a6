// Chinese lunar calendar for 1901-2050: Gregorian <-> lunar dates, month lengths, the
// stem-branch year names, Chinese month and day names and the 24 solar terms.
#pragma once

#include <optional>
#include <string>

#include "base/date.h"

namespace zarnix {

// Shown when a date lies outside the years the tables cover.
inline constexpr const char* kLunarRangeMessage = "农历计算只支持公历1901年至2050年";

// Day counts run from 1901-01-01 (day count 0), which is lunar 1900, month 11, day 11.
inline constexpr int kLunarEpochDate = 367;  // 1901-01-01 as a date value
// The day count of lunar 1901-1-1 (1901-02-19).
inline constexpr int kLunarYear1901Start = 49;

struct LunarDate {
  int year = 0;
  int month = 0;  // 1..12; a leap month carries the number of the month it follows
  int day = 0;    // 1..30
  bool leap = false;
};

struct LunarMonthLength {
  int days = 0;      // 29 or 30
  int leapDays = 0;  // the leap month's length when `month` is the year's leap month, else 0
};

// The year's leap month, 0 when it has none or lies outside 1901..2050.
int LeapMonthOf(int lunarYear);
// Lengths of a month of 1901..2050; 30 days for years outside them, {0, 0} for a month
// outside 1..12.
LunarMonthLength LunarMonthDays(int lunarYear, int month);
// All months of the year, the leap month included.
int LunarYearDays(int lunarYear);

// The lunar date of a day count. Throws Exception(kLunarRangeMessage) for a day count
// before 1901-01-01 or after the end of lunar 2050.
LunarDate LunarFromDayCount(int dayCount);
// The day count of a lunar date of 1901..2050; nullopt when no such date exists (a month
// or day out of range, or a leap month the year does not have).
std::optional<int> DayCountFromLunar(const LunarDate& date);

// 1..24 when a solar term falls on the Gregorian date (1 = 小寒 ... 24 = 冬至), else 0;
// 0 for dates outside 1901..2050.
int SolarTermIndex(int year, int month, int day);
// The term's name, "" for 0 or an index outside 1..24.
std::string SolarTermNameOf(int termIndex);
// The name of the term that falls on the date, "" when none does.
std::string SolarTermName(const CalendarDate& date);

// Stem, branch, "(", animal, ")年": 2000 -> 庚辰(龙)年.
std::string GanZhiYearName(int year);
// 正月/一月 (month 1 with / without the first-month flag), 二月 ... 十二月; "" outside 1..12.
std::string LunarMonthName(int month, bool firstMonthFlag);
// 初一 ... 初十, 十一 ..., 廿十, 廿一 ..., 三十; "" outside 1..30.
std::string LunarDayName(int day);

// A Gregorian date's lunar date and solar term.
struct LunarConversion {
  LunarDate date;
  int solarTerm = 0;
};

// Throws EConvertError for an invalid date and Exception(kLunarRangeMessage) for a year
// outside 1901..2050.
LunarConversion GregorianToLunar(int year, int month, int day);
// The lunar date of a date value (days since 1899-12-30), within LunarFromDayCount's limits.
LunarDate LunarFromDate(DateTime value);

}  // namespace zarnix
