// Speed of the tree evaluator: one 20-node formula over a grid of 10^6 points (parsed once),
// parsing alone, and TCalcExpress evaluating a formula of the same shape.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/calc_express.h"
#include "expr/tree_eval.h"
#include "expr/tree_eval_math.h"

namespace zarnix {
namespace {

// 20 nodes once the constants are kept in their parents: 10 operators, one function and
// 9 letters (the count is reported with the results).
constexpr const char* kFormula = "a*x*x+b*y-c/(1+x*y)+sin(x)*2";

int CountNodes(const TreeNode& node) {
  int count = 1;
  if (node.left) count += CountNodes(*node.left);
  if (node.right) count += CountNodes(*node.right);
  return count;
}

std::vector<Extended> Axis(int n, Extended from, Extended step) {
  std::vector<Extended> axis(n);
  for (int i = 0; i < n; ++i) axis[i] = from + i * step;
  return axis;
}

void BM_EvalFormulaGrid(benchmark::State& state) {
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random;
  const Extended values[] = {1.5, -2, 0.25};
  const std::vector<Extended> xs = Axis(100, -5, 0.1);
  const std::vector<Extended> ys = Axis(100, -3, 0.07);
  const std::vector<Extended> zs = Axis(100, 0, 0.5);
  const int nodes = CountNodes(FormulaEvaluator(kFormula).Root());
  std::size_t points = 0;
  for (auto _ : state) {
    const std::vector<Extended> r =
        EvalFormulaGrid(EvalServices{ui, clock, random}, kFormula, values, xs, ys, zs);
    benchmark::DoNotOptimize(r.data());
    points += r.size();
  }
  state.counters["nodes"] = nodes;
  state.counters["points/s"] =
      benchmark::Counter(static_cast<double>(points), benchmark::Counter::kIsRate);
  state.counters["node evals/s"] =
      benchmark::Counter(static_cast<double>(points) * nodes, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EvalFormulaGrid)->Unit(benchmark::kMillisecond);

// Parsing brackets nested n deep: linear in n, so 900 levels cost about ten times 90.
void BM_ParseNestedBrackets(benchmark::State& state) {
  const auto depth = static_cast<std::size_t>(state.range(0));
  const std::string formula = std::string(depth, '(') + "x+1" + std::string(depth, ')');
  for (auto _ : state) {
    FormulaEvaluator evaluator(formula);
    benchmark::DoNotOptimize(&evaluator.Root());
  }
}
BENCHMARK(BM_ParseNestedBrackets)->Arg(90)->Arg(900)->Unit(benchmark::kMicrosecond);

// A 100,000-character product is refused at the depth limit without rescanning the text.
void BM_RefuseLongProduct(benchmark::State& state) {
  std::string formula = "x";
  while (formula.size() < 100000) formula += "*x";
  for (auto _ : state) {
    try {
      FormulaEvaluator evaluator(formula);
    } catch (const EFormulaError&) {
    }
  }
}
BENCHMARK(BM_RefuseLongProduct)->Unit(benchmark::kMillisecond);

void BM_ParseFormula(benchmark::State& state) {
  for (auto _ : state) {
    FormulaEvaluator evaluator(kFormula);
    benchmark::DoNotOptimize(&evaluator.Root());
  }
}
BENCHMARK(BM_ParseFormula);

void BM_CalcExpressEvaluate(benchmark::State& state) {
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random;
  TCalcExpress calc(EvalServices{ui, clock, random});
  calc.SetVariables({"a", "b", "c", "x", "y", "z"});
  calc.SetFormula(kFormula);
  Extended values[] = {1.5, -2, 0.25, 0, 0.5, 2};
  std::size_t evaluations = 0;
  for (auto _ : state) {
    values[3] += 0.001L;
    benchmark::DoNotOptimize(calc.Evaluate(values));
    ++evaluations;
  }
  state.counters["evals/s"] =
      benchmark::Counter(static_cast<double>(evaluations), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_CalcExpressEvaluate);

}  // namespace
}  // namespace zarnix
