// The random generator's sequence, date values and the manual clock.
#include <gtest/gtest.h>

#include "base/clock.h"
#include "base/date.h"
#include "base/errors.h"
#include "base/random.h"

namespace zarnix {
namespace {

TEST(LcgRandom, FollowsTheGeneratorFormula) {
  LcgRandom random(1);
  EXPECT_EQ(random.NextReal(), 134775814.0L / 4294967296.0L);
  EXPECT_EQ(random.Seed(), 134775814u);
  random.SetSeed(0xFFFFFFFFu);
  random.Next(10);
  EXPECT_EQ(random.Seed(), static_cast<std::uint32_t>(0xFFFFFFFFu * 134775813u + 1u));
}

TEST(LcgRandom, IntegerDrawsStayInRange) {
  LcgRandom random(12345);
  for (int i = 0; i < 10000; ++i) {
    const int v = random.Next(899);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 899);
  }
  EXPECT_EQ(random.Next(0), 0);
  EXPECT_EQ(random.Next(-5), 0);
}

TEST(LcgRandom, ClockSeedIsTheTimeOfDayInMilliseconds) {
  ManualClock clock(45000.5);  // noon
  LcgRandom random;
  random.Randomize(clock);
  EXPECT_EQ(random.Seed(), 43200000u);
}

TEST(Dates, DayNumbersFrom1899) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0);
  EXPECT_EQ(EncodeDate(1900, 1, 1), 2);
  EXPECT_EQ(EncodeDate(2000, 1, 1), 36526);
  const CalendarDate d = DecodeDate(45000.75);
  EXPECT_EQ(d.year, 2023);
  EXPECT_EQ(d.month, 3);
  EXPECT_EQ(d.day, 15);
  const CalendarDate before = DecodeDate(-1.5);  // before day 0
  EXPECT_EQ(before.year, 1899);
  EXPECT_EQ(before.day, 28);
  EXPECT_EQ(DayOfWeek(EncodeDate(2026, 12, 9)), 4);  // a Wednesday
}

TEST(Dates, CalendarRules) {
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
  EXPECT_FALSE(TryEncodeDate(2023, 2, 29).has_value());
  EXPECT_FALSE(TryEncodeDate(0, 1, 1).has_value());
  EXPECT_THROW(EncodeDate(2023, 4, 31), EConvertError);
}

TEST(Clocks, ManualClockMovesOnlyWhenTold) {
  ManualClock clock;
  EXPECT_EQ(clock.TickCount(), 0u);
  clock.Advance(16);
  EXPECT_EQ(clock.TickCount(), 16u);
  SystemClock system;
  const DateTime now = system.Now();
  EXPECT_GT(now, EncodeDate(2020, 1, 1));
  EXPECT_GE(system.MillisecondsOfDay(), 0);
  EXPECT_LT(system.MillisecondsOfDay(), 86400001);
}

}  // namespace
}  // namespace zarnix
