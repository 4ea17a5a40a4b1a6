// Time response of one transfer function in a feedback loop: the ramp-to-step input table and
// the companion form, closed by the feedback gain, advanced by RK4.
#pragma once

#include <span>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// u_k for k = 0 … steps: with X = T_r/Δt rounded to the nearest integer, k·U/X while k ≤ X
// and U from X on (every u_k = U when X ≤ 0): a ramp to a step.
std::vector<Extended> RampToStepInput(Extended amplitude, Extended rampTime, Extended dt,
                                      int steps);

// y_0 … y_steps of G/(1 + K·G) from rest, G = (b_1 s^(n-1) + … + b_n)/(a_0 s^n + … + a_n):
// numerator holds the n coefficients b, denominator the n + 1 coefficients a, both highest
// power first. Between two input samples the input is taken as the straight line joining
// them, so the stages see u_k, the midpoint and u_(k+1). Throws an Exception for a_0 = 0, a
// step that is not positive, or coefficient and input lists of the wrong length; a
// floating-point fault of the state throws its error.
std::vector<Extended> TransferFunctionResponse(int n, int steps,
                                               std::span<const Extended> numerator,
                                               std::span<const Extended> denominator, Extended dt,
                                               Extended gain, std::span<const Extended> input);

// The time step of a simulation must be positive (an Exception otherwise).
void CheckTimeStep(Extended dt);

}  // namespace zarnix
