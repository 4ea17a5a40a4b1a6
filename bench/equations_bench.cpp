// Speed of the equation solvers: a 200 x 200 real system (routine and whole worksheet run),
// a 100 x 100 complex inverse, and RK4 on four equations for 100000 steps (compiled right
// sides, and the whole category run with its table).
#include <benchmark/benchmark.h>

#include <span>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/format.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/eval_wrappers.h"
#include "numeric/linear_algebra.h"
#include "numeric/linear_algebra_category.h"
#include "numeric/linear_algebra_complex.h"
#include "numeric/ode.h"
#include "numeric/ode_category.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {
namespace {

// Deterministic entries in [-1, 1) with a dominant diagonal.
Extended Entry(LcgRandom& random, int i, int j, int n) {
  return 2 * random.NextReal() - 1 + (i == j ? n : 0);
}

struct Desk {
  Worksheet grid;
  AnswerPane answer;
  std::string resultFormat = "%.3f";
  std::vector<std::string> dataList;
  ScriptedUi ui;
  DataPaths paths;
  SystemClock clock;
  LcgRandom random{7};
  int puzzleMode = 9;
  std::string timing;
  Workbench Bench() {
    return Workbench{grid,    answer, resultFormat, 3,      dataList,   ui,
                     nullptr, paths,  clock,        random, puzzleMode, timing};
  }
};

void BM_SolveLinearSystem(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  LcgRandom random(1);
  RCOMat a(n);
  RCOVec b(n);
  for (int i = 0; i < n; ++i) {
    b[i] = Entry(random, i, -1, n);
    for (int j = 0; j < n; ++j) a(i, j) = Entry(random, i, j, n);
  }
  for (auto _ : state) benchmark::DoNotOptimize(SolveLinearSystem(a, b));
}
BENCHMARK(BM_SolveLinearSystem)->Arg(200)->Unit(benchmark::kMillisecond);

// The whole category run: 200 x 200 cells read, solved and the solution written.
void BM_LinearSystemSheet(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Desk desk;
  LcgRandom random(2);
  desk.grid.SetFixedCols(0);
  desk.grid.SetColCount(n + 2);
  desk.grid.SetRowCount(n + 1);
  desk.grid.SetCell(0, 0, "方程组");
  for (int i = 0; i < n; ++i) {
    for (int j = 0; j < n; ++j) desk.grid.SetCell(j, i + 1, GeneralFormat(Entry(random, i, j, n)));
    desk.grid.SetCell(n + 1, i + 1, GeneralFormat(Entry(random, i, -1, n)));
  }
  desk.grid.SetCell(n, 2, "=");
  Workbench bench = desk.Bench();
  for (auto _ : state) {
    desk.answer.Clear();
    HandleLinearAlgebra(bench);
  }
}
BENCHMARK(BM_LinearSystemSheet)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_ComplexInverse(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  LcgRandom random(3);
  ComplexMatrix a(n, n);
  for (int i = 0; i < n; ++i)
    for (int j = 0; j < n; ++j) a(i, j) = {Entry(random, i, j, n), Entry(random, i, -1, n)};
  for (auto _ : state) benchmark::DoNotOptimize(ComplexInverse(a));
}
BENCHMARK(BM_ComplexInverse)->Arg(100)->Unit(benchmark::kMillisecond);

const std::vector<std::string> kRightSides = {"y2", "-a*y1+b*y3", "y4", "-a*y3+b*y1"};
const std::vector<Extended> kParameters = {4, 0.1L};

void BM_RungeKutta4Compiled(benchmark::State& state) {
  const int steps = static_cast<int>(state.range(0));
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random;
  std::vector<RealFormula> formulas;
  for (const std::string& f : kRightSides)
    formulas.emplace_back(EvalServices{ui, clock, random}, f);
  std::vector<Extended> ys(5);
  const OdeRightSide f = [&](std::span<const Extended> y, std::span<Extended> dy) {
    for (std::size_t i = 0; i < 4; ++i) ys[i + 1] = y[i];
    for (std::size_t i = 0; i < 4; ++i) dy[i] = formulas[i].EvaluateYn(kParameters, ys);
  };
  const std::vector<Extended> initial = {0, 1, 1, 0};
  for (auto _ : state) benchmark::DoNotOptimize(RungeKutta4System(f, initial, 1e-4L, steps));
}
BENCHMARK(BM_RungeKutta4Compiled)->Arg(100000)->Unit(benchmark::kMillisecond);

// The whole category run, with the parameter list and the 20001-row table.
void BM_OdeSheet(benchmark::State& state) {
  Desk desk;
  const std::vector<std::vector<std::string>> rows = {{"耦合振子"},
                                                      {"步长h", "步数N", "参数"},
                                                      {"0.0001", "100000", "w=4;c=0.1"},
                                                      {"方程", "初值", "输出"},
                                                      {"y1'=y2", "0", "1"},
                                                      {"y2'=-w*y1+c*y3", "1", "1"},
                                                      {"y3'=y4", "1", "1"},
                                                      {"y4'=-w*y3+c*y1", "0", "1"}};
  for (auto _ : state) {
    state.PauseTiming();
    desk.grid = Worksheet();
    desk.grid.SetFixedCols(0);
    desk.grid.SetColCount(3);
    desk.grid.SetRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
      for (int c = 0; c < static_cast<int>(rows[r].size()); ++c)
        desk.grid.SetCell(c, r, rows[r][c]);
    Workbench bench = desk.Bench();
    state.ResumeTiming();
    HandleOdeSystem(bench);
  }
}
BENCHMARK(BM_OdeSheet)->Unit(benchmark::kMillisecond);

// A ring of n coupled equations, 100 steps: the cost per step grows with n, not n squared.
void BM_OdeRing(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  Desk desk;
  for (auto _ : state) {
    state.PauseTiming();
    desk.grid = Worksheet();
    desk.grid.SetFixedCols(0);
    desk.grid.SetColCount(3);
    desk.grid.SetRowCount(4 + n);
    desk.grid.SetCell(0, 2, "0.01");
    desk.grid.SetCell(1, 2, "100");
    for (int i = 1; i <= n; ++i) {
      const std::string next = std::to_string(i % n + 1);
      desk.grid.SetCell(0, 3 + i,
                        "y" + std::to_string(i) + "'=y" + next + "-y" + std::to_string(i));
      desk.grid.SetCell(1, 3 + i, "1");
      desk.grid.SetCell(2, 3 + i, i == 1 ? "1" : "0");
    }
    Workbench bench = desk.Bench();
    state.ResumeTiming();
    HandleOdeSystem(bench);
  }
}
BENCHMARK(BM_OdeRing)->Arg(200)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
