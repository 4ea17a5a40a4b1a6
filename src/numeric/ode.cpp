// Fixed-step RK4: four stages per step, the state combined as y0 + (h/2)/3·(k1 + 2k2 + 2k3 + k4).
#include "numeric/ode.h"

#include <algorithm>

#include "base/fpu.h"

namespace zarnix {

void RungeKutta4Step(const TimedOdeRightSide& f, Extended t, Extended h, std::span<Extended> y,
                     Rk4Work& work) {
  const std::size_t n = y.size();
  for (std::vector<Extended>* v : {&work.y0, &work.k1, &work.k2, &work.k3, &work.k4}) v->resize(n);
  const Extended halfStep = h / 2;
  const Extended sixthStep = halfStep / 3;
  std::copy(y.begin(), y.end(), work.y0.begin());
  const std::vector<Extended>& y0 = work.y0;
  f(t, y0, work.k1);
  for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + halfStep * work.k1[i];
  f(t + halfStep, y, work.k2);
  for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + halfStep * work.k2[i];
  f(t + halfStep, y, work.k3);
  for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + h * work.k3[i];
  f(t + h, y, work.k4);
  for (std::size_t i = 0; i < n; ++i)
    y[i] = y0[i] + sixthStep * (work.k1[i] + 2 * work.k2[i] + 2 * work.k3[i] + work.k4[i]);
}

std::vector<std::vector<Extended>> RungeKutta4System(const OdeRightSide& f,
                                                     std::span<const Extended> initial, Extended h,
                                                     int steps) {
  const std::size_t n = initial.size();
  const int slots = (steps < 0 ? 0 : steps / kOdeKeepEvery) + 1;
  std::vector<std::vector<Extended>> trajectory(n, std::vector<Extended>(slots, 0));
  for (std::size_t i = 0; i < n; ++i) trajectory[i][0] = initial[i];

  FpFaultScope scope;
  const TimedOdeRightSide autonomous = [&f](Extended, std::span<const Extended> y,
                                            std::span<Extended> dy) { f(y, dy); };
  std::vector<Extended> y(initial.begin(), initial.end());
  Rk4Work work;
  for (int s = 1; s <= steps; ++s) {
    RungeKutta4Step(autonomous, 0, h, y, work);
    CheckFpFaults();
    if (s % kOdeKeepEvery == 0)
      for (std::size_t i = 0; i < n; ++i) trajectory[i][s / kOdeKeepEvery] = y[i];
  }
  return trajectory;
}

}  // namespace zarnix
