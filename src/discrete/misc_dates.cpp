// Date items over the platform's day-numbered dates: a day number is the date value moved
// to the astronomers' count, so weekdays and lunations are plain arithmetic on it.
#include "discrete/misc_dates.h"

#include <array>
#include <cmath>

#include "base/convert.h"
#include "base/format.h"

namespace zarnix {

namespace {

// Date values of 0001-01-01 and 9999-12-31.
constexpr std::int64_t kFirstDateValue = -693593;
constexpr std::int64_t kLastDateValue = 2958465;

constexpr const char* kWeekdays[7] = {"日", "一", "二", "三", "四", "五", "六"};

// Day of the paschal full moon by golden number (year mod 19): in March above 19, else
// in April.
constexpr std::array<int, 19> kPaschalFullMoon = {14, 3,  23, 11, 31, 18, 8,  28, 16, 5,
                                                  25, 13, 2,  22, 10, 30, 17, 7,  27};

}  // namespace

std::optional<std::int64_t> DayNumber(int year, int month, int day) {
  const std::optional<int> value = TryEncodeDate(year, month, day);
  if (!value) return std::nullopt;
  return *value + kDayNumberOffset;
}

std::optional<CalendarDate> DateOfDayNumber(std::int64_t dayNumber) {
  const std::int64_t value = dayNumber - kDayNumberOffset;
  if (value < kFirstDateValue || value > kLastDateValue) return std::nullopt;
  return DecodeDate(static_cast<DateTime>(value));
}

int WeekdayOfDayNumber(std::int64_t dayNumber) {
  return static_cast<int>(((dayNumber + 1) % 7 + 7) % 7);
}

std::string WeekdayName(int weekday) {
  return std::string("星期") + kWeekdays[weekday % 7];
}

Extended MoonPhase(std::int64_t dayNumber) {
  const Extended lunations = (static_cast<Extended>(dayNumber) + 4.867L) / 29.53058L;
  const Extended fraction = lunations - std::floor(lunations);
  return std::fabs(2 * fraction - 1);
}

std::optional<CalendarDate> EasterDate(int year) {
  if (year < kEasterFirstYear || year > kEasterLastYear) return std::nullopt;
  const int fullMoon = kPaschalFullMoon[year % 19];
  const std::int64_t moonDay =
      fullMoon > 19 ? *DayNumber(year, 3, fullMoon) : *DayNumber(year, 4, fullMoon);
  return DateOfDayNumber(moonDay + 7 - WeekdayOfDayNumber(moonDay));
}

std::string TimeDifferenceText(std::int64_t h1, std::int64_t m1, std::int64_t s1, std::int64_t h2,
                               std::int64_t m2, std::int64_t s2) {
  const std::int64_t total = (h2 * 3600 + m2 * 60 + s2) - (h1 * 3600 + m1 * 60 + s1);
  const std::int64_t size = total < 0 ? -total : total;
  return std::string(total < 0 ? "-" : "") + IntToStr(size / 3600) + "时" +
         IntToStr(size % 3600 / 60) + "分" + IntToStr(size % 60) + "秒=" + IntToStr(total) + "秒";
}

std::string InvalidDateText(Extended year, Extended month, Extended day) {
  return "日期无效：" + FormatFixed(year, 0) + "年" + FormatFixed(month, 0) + "月" +
         FormatFixed(day, 0) + "日";
}

}  // namespace zarnix
