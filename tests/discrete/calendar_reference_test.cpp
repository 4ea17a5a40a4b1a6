// The lunar conversions against a committed fixture made from an independent calendar
// library (see data/make_lunar_fixture.py): 700 dates with every leap month's edges and the
// first and last days of 1901-2050.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "base/date.h"
#include "discrete/calendar/lunar_calendar.h"

namespace zarnix {
namespace {

struct FixtureRow {
  std::string text;
  int year, month, day;
  LunarDate lunar;
};

std::vector<FixtureRow> ReadFixture() {
  std::ifstream in(std::string(ZARNIX_TEST_DATA_DIR) + "/lunar_dates.txt");
  std::vector<FixtureRow> rows;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    FixtureRow row;
    row.text = line;
    int leap = 0;
    if (std::sscanf(line.c_str(), "%d-%d-%d %d %d %d %d", &row.year, &row.month, &row.day,
                    &row.lunar.year, &row.lunar.month, &row.lunar.day, &leap) != 7)
      continue;
    row.lunar.leap = leap != 0;
    rows.push_back(row);
  }
  return rows;
}

TEST(LunarReference, GregorianToLunarAgreesWithTheFixture) {
  const std::vector<FixtureRow> rows = ReadFixture();
  ASSERT_GE(rows.size(), 700u);
  int leapRows = 0;
  for (const FixtureRow& row : rows) {
    const LunarDate date = GregorianToLunar(row.year, row.month, row.day).date;
    EXPECT_EQ(date.year, row.lunar.year) << row.text;
    EXPECT_EQ(date.month, row.lunar.month) << row.text;
    EXPECT_EQ(date.day, row.lunar.day) << row.text;
    EXPECT_EQ(date.leap, row.lunar.leap) << row.text;
    leapRows += row.lunar.leap;
  }
  EXPECT_GT(leapRows, 100);
}

TEST(LunarReference, LunarToGregorianAgreesWithTheFixture) {
  for (const FixtureRow& row : ReadFixture()) {
    if (row.lunar.year < 1901) continue;  // lunar 1900 lies before the tables
    const auto count = DayCountFromLunar(row.lunar);
    ASSERT_TRUE(count) << row.text;
    const CalendarDate date = DecodeDate(*count + kLunarEpochDate);
    EXPECT_EQ(date.year, row.year) << row.text;
    EXPECT_EQ(date.month, row.month) << row.text;
    EXPECT_EQ(date.day, row.day) << row.text;
  }
}

}  // namespace
}  // namespace zarnix
