// The system clock as a port: a millisecond tick counter and the local date and time.
// Tests substitute a ManualClock.
#pragma once

#include <cstdint>

#include "base/date.h"

namespace zarnix {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds from an arbitrary start; only differences matter.
  virtual std::uint64_t TickCount() const = 0;
  // Local date and time as a date value (days since 1899-12-30, fraction = time of day).
  virtual DateTime Now() const = 0;
  // Milliseconds since local midnight.
  std::int64_t MillisecondsOfDay() const;
};

class SystemClock : public Clock {
 public:
  std::uint64_t TickCount() const override;
  DateTime Now() const override;
};

// A clock that only moves when told to.
class ManualClock : public Clock {
 public:
  explicit ManualClock(DateTime now = 0) : now_(now) {}
  std::uint64_t TickCount() const override { return ticks_; }
  DateTime Now() const override { return now_; }
  void Advance(std::uint64_t milliseconds) { ticks_ += milliseconds; }
  void SetNow(DateTime now) { now_ = now; }

 private:
  std::uint64_t ticks_ = 0;
  DateTime now_;
};

}  // namespace zarnix
