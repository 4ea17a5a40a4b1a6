// Date and formula routines of the miscellaneous calculations against independent rules:
// Easter against the Gregorian computus, weekdays against the calendar, the moon's phase at
// known new and full moons, and the reading of chemical formulas.
#include <gtest/gtest.h>

#include <vector>

#include "base/date.h"
#include "discrete/misc_dates.h"
#include "discrete/misc_elements.h"

namespace zarnix {
namespace {

// The anonymous Gregorian computus (Meeus), independent of the 19-year table.
CalendarDate ComputusEaster(int y) {
  const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
  const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
  const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
  const int m = (a + 11 * h + 22 * l) / 451;
  return {y, (h + l - 7 * m + 114) / 31, (h + l - 7 * m + 114) % 31 + 1};
}

TEST(MiscDates, EasterAgreesWithTheComputus) {
  for (int year = kEasterFirstYear; year <= kEasterLastYear; ++year) {
    const auto easter = EasterDate(year);
    ASSERT_TRUE(easter) << year;
    const CalendarDate expected = ComputusEaster(year);
    EXPECT_EQ(easter->month, expected.month) << year;
    EXPECT_EQ(easter->day, expected.day) << year;
  }
  EXPECT_FALSE(EasterDate(kEasterFirstYear - 1));
  EXPECT_FALSE(EasterDate(kEasterLastYear + 1));
}

TEST(MiscDates, DayNumbersAndWeekdays) {
  EXPECT_EQ(DayNumber(2000, 1, 1), 2451545);
  EXPECT_EQ(DayNumber(1858, 11, 17), 2400001);  // the modified Julian day's origin + 1
  EXPECT_FALSE(DayNumber(2023, 2, 29));
  EXPECT_FALSE(DayNumber(0, 1, 1));
  for (int value = -693593; value <= 2958465; value += 997) {
    const std::int64_t number = value + kDayNumberOffset;
    const auto date = DateOfDayNumber(number);
    ASSERT_TRUE(date);
    EXPECT_EQ(DayNumber(date->year, date->month, date->day), number);
    EXPECT_EQ(WeekdayOfDayNumber(number) + 1, DayOfWeek(value)) << value;
  }
  EXPECT_FALSE(DateOfDayNumber(-693594 + kDayNumberOffset));
  EXPECT_FALSE(DateOfDayNumber(2958466 + kDayNumberOffset));
  EXPECT_EQ(WeekdayName(0), "星期日");
  EXPECT_EQ(WeekdayName(6), "星期六");
}

TEST(MiscDates, MoonPhaseAtKnownNewAndFullMoons) {
  // New moons 2000-01-06 and 2024-01-11, full moons 2000-01-21 and 2024-01-25.
  for (const CalendarDate& newMoon : {CalendarDate{2000, 1, 6}, CalendarDate{2024, 1, 11}})
    EXPECT_LT(MoonPhase(*DayNumber(newMoon.year, newMoon.month, newMoon.day)), 0.1);
  for (const CalendarDate& fullMoon : {CalendarDate{2000, 1, 21}, CalendarDate{2024, 1, 25}})
    EXPECT_GT(MoonPhase(*DayNumber(fullMoon.year, fullMoon.month, fullMoon.day)), 0.9);
}

TEST(MiscElements, FormulaTokens) {
  const std::vector<Element> table = {
      {"H", "氢", 1}, {"C", "碳", 12}, {"O", "氧", 16}, {"Cl", "氯", 35.5L}, {"Na", "钠", 23}};
  auto Weight = [&](const char* formula) { return MolecularWeight(formula, table); };
  EXPECT_EQ(Weight("CH3COOH").weight, 60);
  EXPECT_EQ(Weight("CH3COOH").names, "碳氢碳氧氧氢");
  EXPECT_EQ(Weight("C10H22").weight, 142);
  EXPECT_EQ(Weight("NaCl").weight, 58.5L);
  EXPECT_EQ(Weight("2H2O").weight, 18);  // text before the first capital is no token
  EXPECT_EQ(Weight("H2)O").weight, 18);  // the count is the token's leading digits
  EXPECT_EQ(Weight("h2o").weight, 0);
  EXPECT_EQ(Weight("").names, "");
  EXPECT_EQ(Weight("Xe2O").weight, 16);  // unknown symbols add nothing
  EXPECT_EQ(Weight("H0O").weight, 16);   // no digit 1-9: the symbol is "H0", unknown
  // "癏" is the bytes B0 48, its second byte an ASCII "H": it never starts a token.
  EXPECT_EQ(Weight("癏2O").weight, 16);
  EXPECT_EQ(Weight("癏2O").names, "氧");
}

}  // namespace
}  // namespace zarnix
