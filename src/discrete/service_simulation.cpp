// The two service simulations. The queue runs customer by customer: each one waits from its
// arrival until the server has finished the one before, which sums the area under the
// queue-length curve. The exchange runs tick by tick with the calls in progress ordered by
// their end.
#include "discrete/service_simulation.h"

#include <algorithm>
#include <cmath>
#include <queue>
#include <vector>

#include "base/random.h"

namespace zarnix {

namespace {

Extended Exponential(Extended mean, LcgRandom& random) {
  return -mean * std::log(random.NextReal() + 0.00001L);
}

QueueStatistics QueueRun(Extended meanArrival, Extended meanService, Extended horizon,
                         LcgRandom& random) {
  Extended arrival = Exponential(meanArrival, random);
  Extended serverFree = 0;  // when the server has finished everyone so far
  Extended waiting = 0;
  Extended busy = 0;
  long customers = 0;
  while (arrival <= horizon) {
    ++customers;
    const Extended start = std::max(arrival, serverFree);
    waiting += start - arrival;
    const Extended service = Exponential(meanService, random);
    busy += service;
    serverFree = start + service;
    arrival += Exponential(meanArrival, random);
  }
  const Extended finalTime = std::max(horizon, serverFree);
  QueueStatistics run;
  if (customers > 0) run.meanWait = waiting / customers;
  if (finalTime > 0) run.busyFraction = busy / finalTime;
  return run;
}

struct Call {
  std::int64_t end;
  int caller;
  int callee;
  bool operator>(const Call& other) const { return end > other.end; }
};

// One run of the exchange. Free subscribers are kept in a list so a caller is drawn among
// them in one step.
class Exchange {
 public:
  Exchange(int subscribers, int lines, LcgRandom& random)
      : lines_(lines), random_(random), position_(static_cast<std::size_t>(subscribers) + 1) {
    for (int s = 0; s <= subscribers; ++s) {
      position_[s] = s;
      free_.push_back(s);
    }
  }

  Extended Run(int duration, int meanGap, int meanLength, int& runsWithCalls) {
    std::int64_t nextCall = NextCallTime(0, meanGap);
    for (std::int64_t t = 0; t <= duration; ++t) {
      while (!calls_.empty() && calls_.top().end <= t) Release();
      for (; nextCall <= t; nextCall = NextCallTime(nextCall, meanGap)) Attempt(t, meanLength);
    }
    if (attempts_ == 0) return 0;
    ++runsWithCalls;
    return static_cast<Extended>(ended_) / attempts_;
  }

 private:
  std::int64_t NextCallTime(std::int64_t previous, int meanGap) {
    return std::llrint(previous + 1 - meanGap * std::log(1 - random_.NextReal()) - 0.5L);
  }
  bool Busy(int s) const { return position_[s] < 0; }
  void Take(int s) {
    const int last = free_.back();
    free_[position_[s]] = last;
    position_[last] = position_[s];
    free_.pop_back();
    position_[s] = -1;
  }
  void Give(int s) {
    position_[s] = static_cast<int>(free_.size());
    free_.push_back(s);
  }
  void Release() {
    Give(calls_.top().caller);
    Give(calls_.top().callee);
    calls_.pop();
    ++ended_;
  }
  // Nobody free to pick up a phone: no attempt.
  void Attempt(std::int64_t t, int meanLength) {
    if (free_.empty()) return;
    ++attempts_;
    const int caller = free_[random_.Next(static_cast<std::int32_t>(free_.size()))];
    int callee = random_.Next(static_cast<std::int32_t>(position_.size()) - 1);
    if (callee >= caller) ++callee;
    if (static_cast<int>(calls_.size()) >= lines_ || Busy(callee)) return;
    Take(caller);
    Take(callee);
    calls_.push({std::llrint(t - meanLength * std::log(1 - random_.NextReal())), caller, callee});
  }

  int lines_;
  LcgRandom& random_;
  std::vector<int> position_;  // index in free_, -1 while busy
  std::vector<int> free_;
  std::priority_queue<Call, std::vector<Call>, std::greater<Call>> calls_;
  long attempts_ = 0;
  long ended_ = 0;
};

}  // namespace

QueueStatistics QueueSimulation(Extended meanArrival, Extended meanService, Extended horizon,
                                LcgRandom& random) {
  QueueStatistics mean;
  if (!(meanArrival > 0 && meanService > 0)) return mean;
  horizon = std::min(horizon, kMaxQueueArrivals * meanArrival);
  for (int run = 0; run < kQueueRuns; ++run) {
    const QueueStatistics one = QueueRun(meanArrival, meanService, horizon, random);
    mean.meanWait += one.meanWait / kQueueRuns;
    mean.busyFraction += one.busyFraction / kQueueRuns;
  }
  return mean;
}

// Runs without a single attempt have no success rate and are left out of the mean.
Extended ExchangeSimulation(int subscribers, int lines, int duration, int meanGap, int meanLength,
                            LcgRandom& random) {
  if (meanGap <= 0 || meanLength <= 0) return 0;
  subscribers = std::clamp(subscribers, 1, kMaxSubscribers);
  duration = std::min(duration, kMaxExchangeTicks);
  Extended sum = 0;
  int runsWithCalls = 0;
  for (int run = 0; run < kExchangeRuns; ++run)
    sum += Exchange(subscribers, lines, random).Run(duration, meanGap, meanLength, runsWithCalls);
  return runsWithCalls > 0 ? sum / runsWithCalls : 0;
}

}  // namespace zarnix
