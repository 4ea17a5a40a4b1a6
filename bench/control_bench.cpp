// Speed of the control simulations at their limits: one transfer function of order 20 for
// 100000 steps, block diagrams of 100 blocks (a chain, and a loop of direct blocks that is
// solved at every stage), and a Bode table of 100000 points with its margins.
#include <benchmark/benchmark.h>

#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "numeric/control_blocks.h"
#include "numeric/control_frequency.h"
#include "numeric/control_response.h"

namespace zarnix {
namespace {

void BM_TransferFunctionResponse(benchmark::State& state) {
  const int n = 20;
  const int steps = static_cast<int>(state.range(0));
  // (s + 1)^20 below a constant numerator: stable, every coefficient in use.
  std::vector<Extended> den(n + 1, 1);
  for (int k = 1; k <= n; ++k) den[k] = den[k - 1] * (n - k + 1) / k;
  std::vector<Extended> num(n, 0);
  num.back() = 1;
  const std::vector<Extended> u = RampToStepInput(1, 1, 0.001, steps);
  for (auto _ : state)
    benchmark::DoNotOptimize(TransferFunctionResponse(n, steps, num, den, 0.001, 0.5, u));
}
BENCHMARK(BM_TransferFunctionResponse)->Arg(100000)->Unit(benchmark::kMillisecond);

// A chain of lags from the input, fed back from the last block; `direct` gives every block
// a lead term so that the whole chain is one loop of direct blocks.
BlockDiagram Chain(int n, bool direct) {
  BlockDiagram d;
  d.input = 1;
  for (int i = 0; i < n; ++i) d.blocks.push_back({1, 0.1, 1, direct ? 0.05L : 0, 0, {}});
  d.blocks[0].nonlinear = {NonlinearKind::kSaturation, 0.5, 1};
  if (direct) d.blocks[0].nonlinear = {};
  d.connections.push_back({0, 1, 1});
  for (int i = 1; i < n; ++i) d.connections.push_back({i, i + 1, 1});
  d.connections.push_back({n, 1, -0.5});
  return d;
}

void BM_BlockDiagram(benchmark::State& state) {
  const BlockDiagram d = Chain(100, state.range(1) != 0);
  const std::vector<int> recorded = {1, 50, 100};
  for (auto _ : state)
    benchmark::DoNotOptimize(
        BlockDiagramSimulation(d, 0.001, static_cast<int>(state.range(0)), recorded));
}
BENCHMARK(BM_BlockDiagram)->Args({100000, 0})->Args({10000, 1})->Unit(benchmark::kMillisecond);

void BM_BodeAndMargins(benchmark::State& state) {
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random(3);
  const std::vector<Extended> omega = Frequencies({0.01, 100, static_cast<int>(state.range(0))});
  const std::string formula = TransferFunctionFormula({"K/S", "1/(S+1)", "1/(T*S+1)"}, {"K", "T"});
  const std::vector<Extended> values = {2, 0.5};
  for (auto _ : state) {
    FrequencyResponse r;
    benchmark::DoNotOptimize(
        EvaluateFrequencyResponse({ui, clock, random}, formula, values, omega, r));
    benchmark::DoNotOptimize(MarginsOf(r));
  }
}
BENCHMARK(BM_BodeAndMargins)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
