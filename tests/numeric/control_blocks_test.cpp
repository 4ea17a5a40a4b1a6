// Block diagrams against scipy's lsim of the same blocks, the nonlinear elements one by one and
// inside loops whose behaviour is known, and the diagrams the model must refuse.
#include "numeric/control_blocks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "base/errors.h"
#include "reference_file.h"

namespace zarnix {
namespace {

BlockDiagram FromReference(const ReferenceBlock& ref) {
  BlockDiagram d;
  const std::vector<Extended>& b = ref.Numbers("blocks");
  for (std::size_t i = 0; i + 4 < b.size(); i += 5)
    d.blocks.push_back({b[i], b[i + 1], b[i + 2], b[i + 3], b[i + 4], {}});
  const std::vector<Extended>& c = ref.Numbers("connections");
  for (std::size_t i = 0; i + 2 < c.size(); i += 3)
    d.connections.push_back({static_cast<int>(c[i]), static_cast<int>(c[i + 1]), c[i + 2]});
  d.input = ref.Number("input");
  return d;
}

TEST(BlockDiagramSimulation, LinearDiagramsAgreeWithLsim) {
  int cases = 0;
  for (const ReferenceBlock& ref : ReadReference("control_reference.txt")) {
    if (!ref.Has("blocks")) continue;
    ++cases;
    std::vector<int> recorded;
    for (const Extended j : ref.Numbers("recorded")) recorded.push_back(static_cast<int>(j));
    const int steps = static_cast<int>(ref.Number("steps"));
    const auto table =
        BlockDiagramSimulation(FromReference(ref), ref.Number("dt"), steps, recorded);
    ASSERT_EQ(table.size(), recorded.size());
    for (std::size_t r = 0; r < recorded.size(); ++r) {
      const std::vector<Extended>& expected = ref.Numbers("y" + std::to_string(recorded[r]));
      ASSERT_EQ(table[r].size(), static_cast<std::size_t>(steps / 5 + 1));
      ASSERT_EQ(table[r].size(), expected.size());
      for (std::size_t m = 0; m < expected.size(); ++m)
        ASSERT_TRUE(Near(table[r][m], expected[m], 1e-6))
            << ref.name << " block " << recorded[r] << " at " << m;
    }
  }
  EXPECT_EQ(cases, 3);
}

TEST(NonlinearOutput, EachKindOnItsOwn) {
  using K = NonlinearKind;
  struct Case {
    NonlinearElement element;
    Extended u, memory, expected;
  };
  const Case cases[] = {
      {{K::kNone, 5, 5}, -3, 0, -3},
      // Saturation and dead zone: slope 0 stands for 1, a negative threshold for its size.
      {{K::kSaturation, 0.5, 0}, 0.25, 0, 0.25},
      {{K::kSaturation, -0.5, 2}, -3, 0, -1},
      {{K::kDeadZone, 0.5, 0}, 0.5, 0, 0},
      {{K::kDeadZone, 0.5, 2}, -1.5, 0, -2},
      // Relay: the level beyond ±h, the last output inside the band.
      {{K::kRelay, 2, 0.125}, 0.25, -2, 2},
      {{K::kRelay, 2, 0.125}, -0.25, 2, -2},
      {{K::kRelay, 2, 0.125}, 0.0625, -2, -2},
      // Backlash: the output stays until the input has taken up the play of ±c.
      {{K::kBacklash, 0.25, 0}, 0.125, 0, 0},
      {{K::kBacklash, 0.25, 0}, 0.75, 0, 0.5},
      {{K::kBacklash, 0.25, 0}, 0.625, 0.5, 0.5},
      {{K::kBacklash, 0.25, 2}, -1, 0, -1.5},
  };
  for (const Case& c : cases)
    EXPECT_EQ(NonlinearOutput(c.element, c.u, c.memory), c.expected)
        << static_cast<int>(c.element.kind) << " at " << static_cast<double>(c.u);
}

constexpr ControlBlock kIntegrator{0, 1, 1, 0, 0, {}};
constexpr ControlBlock kGain{1, 0, 1, 0, 0, {}};

Extended Max(const std::vector<Extended>& v, std::size_t from = 0) {
  return *std::max_element(v.begin() + from, v.end());
}
Extended Min(const std::vector<Extended>& v, std::size_t from = 0) {
  return *std::min_element(v.begin() + from, v.end());
}

// A relay in a loop with an integrator: the output runs as a triangle between ±h at the
// relay's level, one period every 4h/M.
TEST(BlockDiagramSimulation, RelayWithHysteresisOscillatesBetweenItsThresholds) {
  BlockDiagram d;
  d.blocks = {kGain, kIntegrator};
  d.blocks[0].nonlinear = {NonlinearKind::kRelay, 1, 0.1};
  d.blocks[1].initial = 0.5;
  d.connections = {{2, 1, -1}, {1, 2, 1}};
  const Extended dt = 0.0002;
  const auto table = BlockDiagramSimulation(d, dt, 30000, std::vector<int>{2, 1});
  const std::vector<Extended>& y = table[0];
  // It falls from 0.5 at the relay's rate until it leaves the band at -0.1.
  EXPECT_NEAR(y[static_cast<std::size_t>(std::nearbyint(0.3L / (5 * dt)))], 0.2, 1e-12);
  EXPECT_EQ(table[1][0], -1);
  const std::size_t settled = static_cast<std::size_t>(1.0L / (5 * dt));
  EXPECT_NEAR(Max(y, settled), 0.1, 2 * dt);
  EXPECT_NEAR(Min(y, settled), -0.1, 2 * dt);
  int rising = 0;
  for (std::size_t m = settled; m + 1 < y.size(); ++m) rising += y[m] < 0 && y[m + 1] >= 0;
  EXPECT_NEAR(rising, 5.0 / 0.4, 1);  // five seconds of a 0.4 s period
  for (const Extended v : table[1]) EXPECT_TRUE(v == 1 || v == -1) << static_cast<double>(v);
}

// Backlash between a sine and a gain: the output keeps within the play of the input and
// turns c below each peak.
TEST(BlockDiagramSimulation, BacklashFollowsASineWithinItsPlay) {
  BlockDiagram d;
  d.blocks = {kIntegrator, kIntegrator, kGain};
  d.blocks[0].initial = 1;  // y1 = cos t, y2 = sin t
  d.blocks[2].nonlinear = {NonlinearKind::kBacklash, 0.2, 1};
  d.connections = {{2, 1, -1}, {1, 2, 1}, {2, 3, 1}};
  const Extended dt = 0.001;
  const auto table = BlockDiagramSimulation(d, dt, 20000, std::vector<int>{2, 3});
  for (std::size_t m = 0; m < table[0].size(); ++m) {
    const Extended t = 5 * m * dt;
    ASSERT_NEAR(table[0][m], std::sin(t), 1e-9);
    ASSERT_LE(std::fabs(table[1][m] - table[0][m]), 0.2 + 1e-12);
  }
  const std::size_t afterFirstPeak = static_cast<std::size_t>(std::numbers::pi / 2 / (5 * dt)) + 1;
  EXPECT_NEAR(Max(table[1], afterFirstPeak), 0.8, 1e-6);
  EXPECT_NEAR(Min(table[1], afterFirstPeak), -0.8, 1e-6);
}

std::string FailureOf(const BlockDiagram& d, std::vector<int> recorded = {1}) {
  try {
    BlockDiagramSimulation(d, 0.01, 10, recorded);
  } catch (const Exception& e) {
    return e.Message();
  }
  return "";
}

TEST(BlockDiagramSimulation, RefusesDiagramsWithoutASolution) {
  BlockDiagram d;
  d.blocks = {kGain, {0, 0, 1, 0, 0, {}}};
  EXPECT_EQ(FailureOf(d), "方框2的分母A+B*s为0");
  d.blocks[1] = {1, 0, 1, 2, 0, {}};
  EXPECT_EQ(FailureOf(d), "方框2是纯微分环节(B=0而D≠0)，无法仿真");
  d.blocks[1] = kIntegrator;
  d.connections = {{3, 1, 1}};
  EXPECT_EQ(FailureOf(d), "连接(3,1)的方框号超出1到2的范围");
  d.connections = {{0, 0, 1}};
  EXPECT_EQ(FailureOf(d), "连接(0,0)的方框号超出1到2的范围");
  d.connections = {};
  EXPECT_EQ(FailureOf(d, {1, 3}), "输出方框号3超出1到2的范围");
  // A gain fed back onto itself with gain 1: y = y + r has no solution.
  d.connections = {{1, 1, 1}, {0, 1, 1}};
  EXPECT_EQ(FailureOf(d), "方框的直通项构成无解的代数环，无法仿真");
  // The same loop with gain -1 solves (y = r/2) but may not hold a nonlinear element.
  d.connections = {{1, 1, -1}, {0, 1, 1}};
  EXPECT_EQ(FailureOf(d), "");
  d.blocks[0].nonlinear = {NonlinearKind::kSaturation, 1, 1};
  EXPECT_EQ(FailureOf(d), "方框1的非线性环节处在代数环中，无法仿真");
}

}  // namespace
}  // namespace zarnix
