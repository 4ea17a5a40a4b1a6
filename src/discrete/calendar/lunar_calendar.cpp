// Lunar calendar operations over the constant tables: month lengths from the bit words,
// day counts walked year by year and month by month, names cut from fixed character lists.
#include "discrete/calendar/lunar_calendar.h"

#include <cmath>

#include "base/errors.h"
#include "base/extended.h"
#include "discrete/calendar/lunar_tables.h"

namespace zarnix {

namespace {

constexpr const char* kStems = "甲乙丙丁戊己庚辛壬癸";
constexpr const char* kBranches = "子丑寅卯辰巳午未申酉戌亥";
// The rabbit of 卯 is 兔 (an older table had the look-alike 免, which is no animal).
constexpr const char* kAnimals = "鼠牛虎兔龙蛇马羊猴鸡狗猪";
constexpr const char* kMonthNumerals = "正二三四五六七八九十";
constexpr const char* kDayPrefixes = "初十廿三";
constexpr const char* kDayNumerals = "一二三四五六七八九十";
constexpr const char* kTermNames[24] = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至"};

bool InTable(int year) {
  return year >= kLunarFirstYear && year <= kLunarLastYear;
}

// The two-byte character at a position (from 0) of a GBK character list.
std::string CharAt(const char* list, int index) {
  return std::string(list + 2 * index, 2);
}

int PositiveMod(int value, int modulus) {
  return ((value % modulus) + modulus) % modulus;
}

bool BitSet(std::uint16_t word, int bit) {
  return ((word >> bit) & 1) != 0;
}

int HexDigit(char c) {
  return c <= '9' ? c - '0' : c - 'A' + 10;
}

// The solar-term byte of a Gregorian year and month as its two nibbles.
struct TermByte {
  int high;
  int low;
};
TermByte SolarTermByte(int year, int month) {
  const char* row = kSolarTermTable[year - kLunarFirstYear] + 2 * (month - 1);
  return {HexDigit(row[0]), HexDigit(row[1])};
}

[[noreturn]] void ThrowOutOfRange() {
  throw Exception(kLunarRangeMessage);
}

}  // namespace

int LeapMonthOf(int lunarYear) {
  if (!InTable(lunarYear)) return 0;
  const int offset = lunarYear - kLunarFirstYear;
  const std::uint8_t pair = kLeapMonthTable[offset / 2];
  return offset % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

LunarMonthLength LunarMonthDays(int lunarYear, int month) {
  if (month < 1 || month > 12) return {};
  if (!InTable(lunarYear)) return {30, 0};
  const std::uint16_t word = kLunarMonthTable[lunarYear - kLunarFirstYear];
  const int leap = LeapMonthOf(lunarYear);
  int bit = 16 - month;
  if (leap > 0 && month > leap) --bit;
  LunarMonthLength length{BitSet(word, bit) ? 30 : 29, 0};
  if (month == leap) length.leapDays = BitSet(word, bit - 1) ? 30 : 29;
  return length;
}

int LunarYearDays(int lunarYear) {
  int days = 0;
  for (int month = 1; month <= 12; ++month) {
    const LunarMonthLength length = LunarMonthDays(lunarYear, month);
    days += length.days + length.leapDays;
  }
  return days;
}

LunarDate LunarFromDayCount(int dayCount) {
  if (dayCount < 0) ThrowOutOfRange();
  // 1901-01-01 .. 1901-02-18 lie in lunar 1900: month 11 from its day 11, then month 12.
  if (dayCount < kLunarYear1901Start) {
    if (dayCount > 18) return {1900, 12, dayCount - 18, false};
    return {1900, 11, dayCount + 11, false};
  }
  int rest = dayCount - kLunarYear1901Start;
  int year = kLunarFirstYear;
  for (int days = LunarYearDays(year); rest >= days; days = LunarYearDays(year)) {
    rest -= days;
    if (++year > kLunarLastYear) ThrowOutOfRange();
  }
  for (int month = 1; month <= 12; ++month) {
    const LunarMonthLength length = LunarMonthDays(year, month);
    if (rest < length.days) return {year, month, rest + 1, false};
    rest -= length.days;
    if (length.leapDays > 0) {
      if (rest < length.leapDays) return {year, month, rest + 1, true};
      rest -= length.leapDays;
    }
  }
  ThrowOutOfRange();  // unreachable: the year loop left less than a year
}

std::optional<int> DayCountFromLunar(const LunarDate& date) {
  if (!InTable(date.year) || date.month < 1 || date.month > 12) return std::nullopt;
  const LunarMonthLength length = LunarMonthDays(date.year, date.month);
  if (date.leap && length.leapDays == 0) return std::nullopt;
  const int monthDays = date.leap ? length.leapDays : length.days;
  if (date.day < 1 || date.day > monthDays) return std::nullopt;

  int count = kLunarYear1901Start;
  for (int year = kLunarFirstYear; year < date.year; ++year) count += LunarYearDays(year);
  for (int month = 1; month < date.month; ++month) {
    const LunarMonthLength before = LunarMonthDays(date.year, month);
    count += before.days + before.leapDays;
  }
  if (date.leap) count += length.days;
  return count + date.day - 1;
}

int SolarTermIndex(int year, int month, int day) {
  if (!InTable(year) || month < 1 || month > 12) return 0;
  const TermByte terms = SolarTermByte(year, month);
  if (day < 15) return day == 15 - terms.high ? 2 * month - 1 : 0;
  return day == 15 + terms.low ? 2 * month : 0;
}

std::string SolarTermNameOf(int termIndex) {
  if (termIndex < 1 || termIndex > 24) return "";
  return kTermNames[termIndex - 1];
}

std::string SolarTermName(const CalendarDate& date) {
  return SolarTermNameOf(SolarTermIndex(date.year, date.month, date.day));
}

std::string GanZhiYearName(int year) {
  const int stem = PositiveMod(year - 4, 10);
  const int branch = PositiveMod(year - 4, 12);
  return CharAt(kStems, stem) + CharAt(kBranches, branch) + "(" + CharAt(kAnimals, branch) + ")年";
}

std::string LunarMonthName(int month, bool firstMonthFlag) {
  if (month == 1 && !firstMonthFlag) return "一月";
  if (month >= 1 && month <= 10) return CharAt(kMonthNumerals, month - 1) + "月";
  if (month == 11) return "十一月";
  if (month == 12) return "十二月";
  return "";
}

std::string LunarDayName(int day) {
  if (day < 1 || day > 30) return "";
  if (day == 20 || day == 30) return CharAt(kDayPrefixes, day / 10) + "十";
  return CharAt(kDayPrefixes, (day - 1) / 10) + CharAt(kDayNumerals, (day - 1) % 10);
}

LunarConversion GregorianToLunar(int year, int month, int day) {
  const int value = EncodeDate(year, month, day);
  if (year < kLunarFirstYear || year > kLunarLastYear) ThrowOutOfRange();
  return {LunarFromDayCount(value - kLunarEpochDate), SolarTermIndex(year, month, day)};
}

LunarDate LunarFromDate(DateTime value) {
  const Extended day = std::floor(static_cast<Extended>(value)) - kLunarEpochDate;
  if (!(day >= 0 && day < 1e6)) ThrowOutOfRange();
  return LunarFromDayCount(static_cast<int>(day));
}

}  // namespace zarnix
