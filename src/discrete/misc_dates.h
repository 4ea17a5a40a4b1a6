// Date items of the miscellaneous calculations: day numbers, weekdays, the moon's phase,
// Easter and time differences.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "base/date.h"
#include "base/extended.h"

namespace zarnix {

// Day number = date value + kDayNumberOffset (2000-01-01 is day 2451545).
inline constexpr std::int64_t kDayNumberOffset = 2415019;

// The day number of a date; nullopt for an invalid one (or a year outside 1..9999).
std::optional<std::int64_t> DayNumber(int year, int month, int day);
// The date of a day number; nullopt outside the years 1..9999.
std::optional<CalendarDate> DateOfDayNumber(std::int64_t dayNumber);
// 0 = Sunday ... 6 = Saturday.
int WeekdayOfDayNumber(std::int64_t dayNumber);
// The Chinese weekday name, "星期日" ... "星期六".
std::string WeekdayName(int weekday);

// |2 * frac((day number + 4.867) / 29.53058) - 1|: near 0 at new moon, near 1 at full moon.
Extended MoonPhase(std::int64_t dayNumber);

// The years whose paschal full moons the 19-year table gives correctly.
inline constexpr int kEasterFirstYear = 1900;
inline constexpr int kEasterLastYear = 2199;
// Easter Sunday of a Gregorian year: the first Sunday after the paschal full moon taken from
// the 19-year table; nullopt outside kEasterFirstYear..kEasterLastYear.
std::optional<CalendarDate> EasterDate(int year);

// Second time minus first time as h "时" m "分" s "秒=" total "秒", a minus sign in front
// when the second time is earlier. Times are whole hours, minutes and seconds.
std::string TimeDifferenceText(std::int64_t h1, std::int64_t m1, std::int64_t s1, std::int64_t h2,
                               std::int64_t m2, std::int64_t s2);

// "日期无效：2023年2月30日" for a date given by its (rounded) parameters.
std::string InvalidDateText(Extended year, Extended month, Extended day);

}  // namespace zarnix
