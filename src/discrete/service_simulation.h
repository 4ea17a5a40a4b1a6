// Monte Carlo service simulations on the program's seeded generator: a single-server queue
// and a telephone exchange with a few lines shared by many subscribers.
#pragma once

#include <cstdint>

#include "base/extended.h"

namespace zarnix {

class LcgRandom;

inline constexpr int kQueueRuns = 1000;
inline constexpr int kExchangeRuns = 30;
// Limits that keep one run of the item within about a second: the queue's horizon in mean
// inter-arrival times, the exchange's subscribers and clock ticks.
inline constexpr Extended kMaxQueueArrivals = 5000;
inline constexpr int kMaxSubscribers = 100000;
inline constexpr int kMaxExchangeTicks = 200000;

struct QueueStatistics {
  Extended meanWait = 0;      // time in the queue per customer, the one in service not counted
  Extended busyFraction = 0;  // 1 - idle time / final time
};

// One server, first come first served, exponential inter-arrival and service times; customers
// arrive until the horizon and are all served. Means that are not positive give zeros, a
// horizon beyond kMaxQueueArrivals mean inter-arrival times is cut there.
QueueStatistics QueueSimulation(Extended meanArrival, Extended meanService, Extended horizon,
                                LcgRandom& random);

// Subscribers 0 … subscribers call each other over `lines` lines on an integer clock
// 0 … duration; returns the mean over the runs of ended calls / attempts. A mean time between
// calls or call length that is not positive gives 0; counts are kept within the limits.
Extended ExchangeSimulation(int subscribers, int lines, int duration, int meanGap, int meanLength,
                            LcgRandom& random);

}  // namespace zarnix
