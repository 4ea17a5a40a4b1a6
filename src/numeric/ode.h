// The classical fourth-order Runge-Kutta method for autonomous systems y' = f(y) with a
// fixed step, keeping the state after every fifth step.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// Writes f(y) into dy (both of the system's size).
using OdeRightSide = std::function<void(std::span<const Extended> y, std::span<Extended> dy)>;
// Writes f(t, y) into dy, for systems driven by a time-varying input.
using TimedOdeRightSide =
    std::function<void(Extended t, std::span<const Extended> y, std::span<Extended> dy)>;

// The stage vectors of one step, kept between steps so that a long run allocates once.
struct Rk4Work {
  std::vector<Extended> y0, k1, k2, k3, k4;
};

// One classical RK4 step of y' = f(t, y) from time t, in place: stages at t, t + h/2 (twice)
// and t + h, combined as y0 + (h/2)/3·(k1 + 2k2 + 2k3 + k4).
void RungeKutta4Step(const TimedOdeRightSide& f, Extended t, Extended h, std::span<Extended> y,
                     Rk4Work& work);

// Steps kept in the trajectory: slot k holds the state after k·kOdeKeepEvery steps.
inline constexpr int kOdeKeepEvery = 5;

// trajectory[i][k] = y_i after 5k steps, for k = 0 ... steps div 5 (slot 0 the initial value).
// A floating-point fault of the state throws its error.
std::vector<std::vector<Extended>> RungeKutta4System(const OdeRightSide& f,
                                                     std::span<const Extended> initial, Extended h,
                                                     int steps);

}  // namespace zarnix
