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

// Steps kept in the trajectory: slot k holds the state after k·kOdeKeepEvery steps.
inline constexpr int kOdeKeepEvery = 5;

// trajectory[i][k] = y_i after 5k steps, for k = 0 ... steps div 5 (slot 0 the initial value).
// A floating-point fault of the state throws its error.
std::vector<std::vector<Extended>> RungeKutta4System(const OdeRightSide& f,
                                                     std::span<const Extended> initial, Extended h,
                                                     int steps);

}  // namespace zarnix
