// The lunar calendar's constant tables for 1901-2050: month lengths, leap months and the
// days of the 24 solar terms, each indexed by year - 1901.
#pragma once

#include <array>
#include <cstdint>

namespace zarnix {

inline constexpr int kLunarFirstYear = 1901;
inline constexpr int kLunarLastYear = 2050;
inline constexpr int kLunarYearCount = kLunarLastYear - kLunarFirstYear + 1;

// One word per lunar year: bit 15 = month 1, bit 14 = month 2, ...; a set bit is a 30-day
// month, a clear bit a 29-day one. A leap month's bit follows the bit of its month.
extern const std::array<std::uint16_t, kLunarYearCount> kLunarMonthTable;

// Leap month of each lunar year (0 = none), two years per byte, the earlier year in the
// high nibble.
extern const std::array<std::uint8_t, kLunarYearCount / 2> kLeapMonthTable;

// Twelve bytes per Gregorian year as 24 hex digits, January first: for month m, the high
// nibble h puts the first term on day 15 - h, the low nibble l the second on day 15 + l.
extern const std::array<const char*, kLunarYearCount> kSolarTermTable;

}  // namespace zarnix
