// The simulations against queueing formulas for long horizons (M/M/1 waiting time and load,
// Erlang's loss formula for many subscribers) and on small cases whose answer is known.
#include "discrete/service_simulation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "base/random.h"

namespace zarnix {
namespace {

// M/M/1: mean time in the queue ρ·s / (1 - ρ) with ρ = s / a.
double QueueWait(double a, double s) {
  const double rho = s / a;
  return rho * s / (1 - rho);
}

// Erlang's loss probability for `lines` lines and an offered load in erlangs.
double ErlangLoss(int lines, double load) {
  double b = 1;
  for (int k = 1; k <= lines; ++k) b = load * b / (k + load * b);
  return b;
}

TEST(QueueSimulation, AgreesWithTheSingleServerFormulas) {
  LcgRandom random(12345);
  const QueueStatistics half = QueueSimulation(1, 0.5L, 2000, random);
  EXPECT_NEAR(static_cast<double>(half.meanWait), QueueWait(1, 0.5), 0.02);
  EXPECT_NEAR(static_cast<double>(half.busyFraction), 0.5, 0.01);
  // A busier server starts empty and needs longer to settle: a looser bound.
  const QueueStatistics busy = QueueSimulation(2, 1.6L, 6000, random);
  EXPECT_NEAR(static_cast<double>(busy.meanWait), QueueWait(2, 1.6), 0.06 * QueueWait(2, 1.6));
  EXPECT_NEAR(static_cast<double>(busy.busyFraction), 0.8, 0.01);
}

TEST(QueueSimulation, SeedsRepeatAndBadInputGivesZeros) {
  LcgRandom first(7), second(7);
  const QueueStatistics a = QueueSimulation(3, 2, 100, first);
  const QueueStatistics b = QueueSimulation(3, 2, 100, second);
  EXPECT_EQ(a.meanWait, b.meanWait);
  EXPECT_EQ(a.busyFraction, b.busyFraction);
  EXPECT_NE(QueueSimulation(3, 2, 100, first).meanWait, a.meanWait);
  // No customer before the horizon: nothing waits, the server never works.
  LcgRandom random(1);
  const QueueStatistics none = QueueSimulation(1, 1, 0, random);
  EXPECT_EQ(none.busyFraction, 0);
  EXPECT_EQ(QueueSimulation(0, 1, 100, random).meanWait, 0);
  EXPECT_EQ(QueueSimulation(1, -1, 100, random).busyFraction, 0);
}

TEST(ExchangeSimulation, ManySubscribersLoseCallsAsErlangsFormulaSays) {
  LcgRandom random(99);
  // Gaps between calls are 1 + floor(a·E) ticks, calls last round(h·E): with a = 20 and
  // h = 64 the calls come nearly as a Poisson stream of 3.12 erlangs.
  const double a = 20, h = 64;
  const double gap = 1 + std::exp(-1 / a) / (1 - std::exp(-1 / a));
  const double length = std::exp(-0.5 / h) / (1 - std::exp(-1 / h)) + (1 - std::exp(-0.5 / h));
  const Extended rate = ExchangeSimulation(10000, 5, kMaxExchangeTicks, 20, 64, random);
  EXPECT_NEAR(static_cast<double>(rate), 1 - ErlangLoss(5, length / gap), 0.01);
  EXPECT_EQ(ExchangeSimulation(10000, 0, 1000, 2, 8, random), 0);
}

TEST(ExchangeSimulation, TwoSubscribersAlwaysGetThrough) {
  // With one subscriber free the other is free too, so every attempt connects; only a call
  // still running at the end is not counted.
  LcgRandom random(5);
  EXPECT_GT(ExchangeSimulation(1, 1, 100000, 3, 10, random), 0.999L);
}

TEST(ExchangeSimulation, BadInputEndsAtOnce) {
  LcgRandom random(5);
  EXPECT_EQ(ExchangeSimulation(100, 5, 1000, 0, 8, random), 0);
  EXPECT_EQ(ExchangeSimulation(100, 5, 1000, 2, -1, random), 0);
  EXPECT_EQ(ExchangeSimulation(100, 5, -1, 2, 8, random), 0);
  // No subscriber count below one: the two-party rule holds.
  EXPECT_GT(ExchangeSimulation(-5, 1, 10000, 3, 10, random), 0.99L);
}

}  // namespace
}  // namespace zarnix
