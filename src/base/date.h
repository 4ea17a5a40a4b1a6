// Date values: days since 1899-12-30 (day 0) as a real number whose fraction is the time of
// day. Calendar arithmetic goes through std::chrono's proleptic Gregorian calendar.
#pragma once

#include <optional>
#include <string>

namespace zarnix {

using DateTime = double;

// 1970-01-01 as a date value.
inline constexpr int kUnixEpochDate = 25569;

struct CalendarDate {
  int year = 0;
  int month = 0;
  int day = 0;
};

bool IsLeapYear(int year);
// 0 for a month outside 1..12.
int DaysInMonth(int year, int month);

// The day number of a valid date (year 1..9999), nullopt otherwise.
std::optional<int> TryEncodeDate(int year, int month, int day);
// As TryEncodeDate; throws EConvertError "Invalid argument to date encode" for a bad date.
int EncodeDate(int year, int month, int day);
// The calendar date of the day that contains the value.
CalendarDate DecodeDate(DateTime value);
// 1 = Sunday ... 7 = Saturday.
int DayOfWeek(DateTime value);

// The short date text "yy-mm-dd" (two-digit year, month and day).
std::string FormatShortDate(DateTime value);

}  // namespace zarnix
