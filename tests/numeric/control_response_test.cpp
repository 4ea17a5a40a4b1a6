// The ramp-to-step input and the closed-loop companion form against scipy's lsim, and the
// faults a bad loop must report instead of producing numbers.
#include "numeric/control_response.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/errors.h"
#include "reference_file.h"

namespace zarnix {
namespace {

TEST(RampToStepInput, RampsOverTheRoundedRampTimeThenHolds) {
  EXPECT_EQ(RampToStepInput(2, 0, 0.1, 3), (std::vector<Extended>{2, 2, 2, 2}));
  EXPECT_EQ(RampToStepInput(2, -1, 0.1, 2), (std::vector<Extended>{2, 2, 2}));
  EXPECT_EQ(RampToStepInput(4, 0.4, 0.1, 6), (std::vector<Extended>{0, 1, 2, 3, 4, 4, 4}));
  // 0.26/0.1 rounds to 3 steps; a ramp longer than the run never reaches the amplitude.
  const std::vector<Extended> u = RampToStepInput(3, 0.26, 0.1, 4);
  EXPECT_EQ(u[1], 1);
  EXPECT_EQ(u[3], 3);
  EXPECT_EQ(RampToStepInput(10, 100, 1, 2), (std::vector<Extended>{0, 0.1L, 0.2L}));
}

TEST(TransferFunctionResponse, AgreesWithLsimOfTheClosedLoop) {
  int cases = 0;
  for (const ReferenceBlock& block : ReadReference("control_reference.txt")) {
    if (!block.Has("order")) continue;
    ++cases;
    const int n = static_cast<int>(block.Number("order"));
    const int steps = static_cast<int>(block.Number("steps"));
    const Extended dt = block.Number("dt");
    const std::vector<Extended> u =
        RampToStepInput(block.Number("amplitude"), block.Number("ramp"), dt, steps);
    const std::vector<Extended> y =
        TransferFunctionResponse(n, steps, block.Numbers("numerator"), block.Numbers("denominator"),
                                 dt, block.Number("gain"), u);
    const std::vector<Extended>& expected = block.Numbers("y");
    ASSERT_EQ(y.size(), expected.size()) << block.name;
    EXPECT_EQ(y[0], 0) << block.name;
    // Fourth-order error at these steps stays far below 1e-6.
    for (std::size_t k = 0; k < y.size(); ++k)
      ASSERT_TRUE(Near(y[k], expected[k], 1e-6)) << block.name << " step " << k;
  }
  EXPECT_EQ(cases, 4);
}

TEST(TransferFunctionResponse, RefusesLoopsItCannotSimulate) {
  const std::vector<Extended> u(11, 1);
  const auto run = [&](std::vector<Extended> den, Extended dt, int n = 1) {
    return TransferFunctionResponse(n, 10, std::vector<Extended>(n, 1), den, dt, 1, u);
  };
  try {
    run({0, 1}, 0.1);
    ADD_FAILURE() << "a0 = 0 accepted";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), "分母最高次项系数a0不能为0");
  }
  for (const Extended dt : {0.0L, -0.1L}) {
    try {
      run({1, 1}, dt);
      ADD_FAILURE() << "step " << static_cast<double>(dt) << " accepted";
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), "时间步长必须大于0");
    }
  }
  EXPECT_THROW(run({1, 1, 1}, 0.1), Exception);  // three denominator coefficients for order 1
  EXPECT_THROW(TransferFunctionResponse(1, 20, std::vector<Extended>{1},
                                        std::vector<Extended>{1, 1}, 0.1, 0, u),
               Exception);  // fewer input samples than steps
  // An unstable loop overflows the extended range instead of printing infinities.
  const std::vector<Extended> step(3001, 1);
  EXPECT_THROW(TransferFunctionResponse(1, 3000, std::vector<Extended>{1},
                                        std::vector<Extended>{1, -1000}, 0.01, 0, step),
               EOverflow);
}

}  // namespace
}  // namespace zarnix
