// Speed of the interpolation and fitting routines: a natural spline of 10^5 points queried
// at 10^5 abscissas, a five-term fit over 10^4 points, and one whole regression run on a
// sheet with the shipped formula list.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "numeric/regression.h"
#include "numeric/regression_category.h"
#include "numeric/spline.h"
#include "sheet/answer_pane.h"
#include "sheet/workbench.h"
#include "sheet/worksheet.h"

namespace zarnix {
namespace {

std::vector<Extended> Axis(int n, Extended from, Extended step) {
  std::vector<Extended> axis(n);
  for (int i = 0; i < n; ++i) axis[i] = from + i * step;
  return axis;
}

std::vector<Extended> Sines(const std::vector<Extended>& x) {
  std::vector<Extended> y;
  for (const Extended v : x) y.push_back(std::sin(v));
  return y;
}

void BM_CubicSpline(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const std::vector<Extended> x = Axis(n, 0, 0.001L);
  const std::vector<Extended> y = Sines(x);
  const std::vector<Extended> t = Axis(n, 0.0005L, 0.001L);
  for (auto _ : state) benchmark::DoNotOptimize(CubicSpline(x, y, t));
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_CubicSpline)->Arg(1000)->Arg(100000);

void BM_FitByTerms(benchmark::State& state) {
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random;
  const std::vector<Extended> x = Axis(10000, 0.1L, 0.0005L);
  const std::vector<Extended> y = Sines(x);
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        FitByTerms(EvalServices{ui, clock, random}, "a+b*x+c*x^2+d*x^3+e*x^4", x, y));
  }
}
BENCHMARK(BM_FitByTerms);

void BM_RegressionCategory(benchmark::State& state) {
  const std::vector<std::string> dataList = {"回归公式",
                                             "a+b*x",
                                             "a*x^b",
                                             "1/(a+b*x)",
                                             "x/(a*x+b)",
                                             "a+b*ln(x)",
                                             "a+b*exp(x)",
                                             "a+b*exp(-x)",
                                             "a+b/x",
                                             "a+b*x+c*x^2",
                                             "a+b*x+c*x^2+d*x^3",
                                             "a+b*x+c*x^2+d*x^3+e*x^4",
                                             "a*x+b*x^2",
                                             "a+b*x^2",
                                             "a+b/x+c/x^2",
                                             "***",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             "",
                                             ""};
  ScriptedUi ui;
  SystemClock clock;
  LcgRandom random;
  DataPaths paths;
  int puzzleMode = 9;
  std::string timing;
  for (auto _ : state) {
    state.PauseTiming();
    Worksheet grid;
    grid.SetFixedCols(0);
    grid.SetColCount(21);
    grid.SetRowCount(4);
    for (int i = 1; i <= 20; ++i) {
      grid.SetCell(i, 1, IntToStr(i));
      grid.SetCell(i, 2, IntToStr(i * i + 3));
    }
    for (int k = 1; k <= 5; ++k) grid.SetCell(k, 3, IntToStr(3 * k) + ".5");
    AnswerPane answer;
    std::string format = "%.3f";
    state.ResumeTiming();
    Workbench bench{grid,    answer, format, 3,      dataList,   ui,
                    nullptr, paths,  clock,  random, puzzleMode, timing};
    HandleRegressionInterpolation(bench);
  }
}
BENCHMARK(BM_RegressionCategory);

}  // namespace
}  // namespace zarnix
