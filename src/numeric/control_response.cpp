// Companion-form simulation of one transfer function with the loop closed by K.
#include "numeric/control_response.h"

#include <cmath>

#include "base/errors.h"
#include "base/fpu.h"
#include "numeric/ode.h"

namespace zarnix {

namespace {

constexpr const char* kZeroLeadingCoefficient = "分母最高次项系数a0不能为0";
constexpr const char* kBadStep = "时间步长必须大于0";
constexpr const char* kWrongLengths = "传递函数的系数个数与阶数不符";

// The closed loop in companion form: x_i' = x_(i+1) for i < n, and x_n' = row·x + u, the last
// row being -a_n … -a_1 (after dividing by a_0) less K times the output coefficients.
struct CompanionLoop {
  std::vector<Extended> output;   // y = output·x: b_n … b_1 over a_0
  std::vector<Extended> lastRow;  // the last row of the closed-loop matrix
};

CompanionLoop CloseLoop(int n, std::span<const Extended> numerator,
                        std::span<const Extended> denominator, Extended gain) {
  const Extended a0 = denominator[0];
  CompanionLoop loop{std::vector<Extended>(n), std::vector<Extended>(n)};
  for (int i = 0; i < n; ++i) {
    loop.output[i] = numerator[n - 1 - i] / a0;
    loop.lastRow[i] = -denominator[n - i] / a0 - gain * loop.output[i];
  }
  return loop;
}

Extended Dot(std::span<const Extended> a, std::span<const Extended> b) {
  Extended sum = 0;
  for (std::size_t i = 0; i < a.size(); ++i) sum += a[i] * b[i];
  return sum;
}

}  // namespace

void CheckTimeStep(Extended dt) {
  if (!(dt > 0)) throw Exception(kBadStep);
}

std::vector<Extended> RampToStepInput(Extended amplitude, Extended rampTime, Extended dt,
                                      int steps) {
  const Extended ramp = std::nearbyint(rampTime / dt);
  std::vector<Extended> u(steps < 0 ? 1 : steps + 1, amplitude);
  for (int k = 0; ramp > 0 && k < static_cast<int>(u.size()) && k <= ramp; ++k)
    u[k] = k * amplitude / ramp;
  return u;
}

std::vector<Extended> TransferFunctionResponse(int n, int steps,
                                               std::span<const Extended> numerator,
                                               std::span<const Extended> denominator, Extended dt,
                                               Extended gain, std::span<const Extended> input) {
  CheckTimeStep(dt);
  if (n < 1 || steps < 0 || numerator.size() != static_cast<std::size_t>(n) ||
      denominator.size() != static_cast<std::size_t>(n) + 1 ||
      input.size() < static_cast<std::size_t>(steps) + 1)
    throw Exception(kWrongLengths);
  if (denominator[0] == 0) throw Exception(kZeroLeadingCoefficient);

  FpFaultScope scope;
  const CompanionLoop loop = CloseLoop(n, numerator, denominator, gain);
  std::vector<Extended> x(n, 0), y(steps + 1, 0);
  // t runs from 0 to dt within a step; the input follows the line between its two samples.
  Extended u0 = 0, du = 0;
  const TimedOdeRightSide f = [&](Extended t, std::span<const Extended> s, std::span<Extended> ds) {
    for (int i = 0; i + 1 < n; ++i) ds[i] = s[i + 1];
    ds[n - 1] = Dot(loop.lastRow, s) + u0 + t / dt * du;
  };
  Rk4Work work;
  for (int k = 0; k < steps; ++k) {
    u0 = input[k];
    du = input[k + 1] - input[k];
    RungeKutta4Step(f, 0, dt, x, work);
    y[k + 1] = Dot(loop.output, x);
    CheckFpFaults();
  }
  return y;
}

}  // namespace zarnix
