// Day-number dates over std::chrono's civil calendar.
#include "base/date.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "base/errors.h"

namespace zarnix {

namespace {
using std::chrono::sys_days;
using std::chrono::year_month_day;

sys_days ToSysDays(long dayNumber) {
  return sys_days(std::chrono::days(dayNumber - kUnixEpochDate));
}
}  // namespace

bool IsLeapYear(int year) {
  return std::chrono::year(year).is_leap();
}

int DaysInMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  const std::chrono::year_month_day_last last{
      std::chrono::year(year), std::chrono::month_day_last{std::chrono::month(month)}};
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

std::optional<int> TryEncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
      day > DaysInMonth(year, month))
    return std::nullopt;
  const year_month_day ymd{std::chrono::year(year), std::chrono::month(month),
                           std::chrono::day(day)};
  return static_cast<int>(sys_days(ymd).time_since_epoch().count()) + kUnixEpochDate;
}

int EncodeDate(int year, int month, int day) {
  if (auto value = TryEncodeDate(year, month, day)) return *value;
  throw EConvertError("Invalid argument to date encode");
}

CalendarDate DecodeDate(DateTime value) {
  const year_month_day ymd(ToSysDays(static_cast<long>(std::floor(value))));
  return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
          static_cast<int>(static_cast<unsigned>(ymd.day()))};
}

int DayOfWeek(DateTime value) {
  const std::chrono::weekday wd(ToSysDays(static_cast<long>(std::floor(value))));
  return static_cast<int>(wd.c_encoding()) + 1;
}

std::string FormatShortDate(DateTime value) {
  const CalendarDate d = DecodeDate(value);
  char text[16];
  std::snprintf(text, sizeof text, "%02d-%02d-%02d", d.year % 100, d.month, d.day);
  return text;
}

}  // namespace zarnix
