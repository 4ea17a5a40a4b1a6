// System clock: steady ticks and local time.
#include "base/clock.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace zarnix {

std::int64_t Clock::MillisecondsOfDay() const {
  const DateTime now = Now();
  return static_cast<std::int64_t>(std::llround((now - std::floor(now)) * 86400000.0));
}

std::uint64_t SystemClock::TickCount() const {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DateTime SystemClock::Now() const {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const double millis =
      static_cast<double>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  const double dayFraction =
      (local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + millis / 1000.0) / 86400.0;
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) + dayFraction;
}

}  // namespace zarnix
