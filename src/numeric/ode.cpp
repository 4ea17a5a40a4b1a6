// Fixed-step RK4: four stages per step, the state combined as y0 + (h/2)/3·(k1 + 2k2 + 2k3 + k4).
#include "numeric/ode.h"

#include "base/fpu.h"

namespace zarnix {

std::vector<std::vector<Extended>> RungeKutta4System(const OdeRightSide& f,
                                                     std::span<const Extended> initial, Extended h,
                                                     int steps) {
  const std::size_t n = initial.size();
  const int slots = (steps < 0 ? 0 : steps / kOdeKeepEvery) + 1;
  std::vector<std::vector<Extended>> trajectory(n, std::vector<Extended>(slots, 0));
  for (std::size_t i = 0; i < n; ++i) trajectory[i][0] = initial[i];

  FpFaultScope scope;
  std::vector<Extended> y(initial.begin(), initial.end()), y0(n);
  std::vector<Extended> k1(n), k2(n), k3(n), k4(n);
  const Extended halfStep = h / 2;
  const Extended sixthStep = halfStep / 3;
  for (int s = 1; s <= steps; ++s) {
    y0 = y;
    f(y0, k1);
    for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + halfStep * k1[i];
    f(y, k2);
    for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + halfStep * k2[i];
    f(y, k3);
    for (std::size_t i = 0; i < n; ++i) y[i] = y0[i] + h * k3[i];
    f(y, k4);
    for (std::size_t i = 0; i < n; ++i)
      y[i] = y0[i] + sixthStep * (k1[i] + 2 * k2[i] + 2 * k3[i] + k4[i]);
    CheckFpFaults();
    if (s % kOdeKeepEvery == 0)
      for (std::size_t i = 0; i < n; ++i) trajectory[i][s / kOdeKeepEvery] = y[i];
  }
  return trajectory;
}

}  // namespace zarnix
