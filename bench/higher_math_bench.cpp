// Speed of the higher-mathematics and multivariate categories: π to 8000 decimals, the whole
// shipped higher-mathematics sheet (double integral included), and a 10-variable regression
// over 1000 observations, alone and as a worksheet run.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "base/convert.h"
#include "base/format.h"
#include "discrete/bignum/pi_digits.h"
#include "numeric/higher_math_category.h"
#include "numeric/multivariate.h"
#include "numeric/multivariate_category.h"
#include "sheet/worksheet.h"
#include "shipped_sheet.h"

namespace zarnix {
namespace {

void BM_PiDigits(benchmark::State& state) {
  const int decimals = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PiDigits(decimals));
}
BENCHMARK(BM_PiDigits)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

void BM_HigherMathSheet(benchmark::State& state) {
  RunShippedSheet(state, "高等数学.thf", HandleHigherMathematics);
}
BENCHMARK(BM_HigherMathSheet)->Unit(benchmark::kMillisecond);

// Y and the variables of a regression: 1000 observations of 10 noisy variables.
struct RegressionData {
  std::vector<Extended> y;
  std::vector<std::vector<Extended>> x;
};

RegressionData MakeRegression(int n, int m) {
  std::mt19937_64 random(21);
  std::uniform_real_distribution<double> value(-10, 10);
  RegressionData data{std::vector<Extended>(m, 1), std::vector<std::vector<Extended>>(n)};
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < m; ++i) {
      data.x[j].push_back(value(random));
      data.y[i] += (j + 1) * data.x[j][i] + value(random) / 10;
    }
  return data;
}

void BM_MultipleRegression(benchmark::State& state) {
  const RegressionData data = MakeRegression(10, 1000);
  for (auto _ : state) benchmark::DoNotOptimize(MultipleLinearRegression(data.x, data.y));
}
BENCHMARK(BM_MultipleRegression)->Unit(benchmark::kMillisecond);

// The same regression typed into a worksheet: reading 11000 cells, writing 1000 fitted values.
void BM_MultipleRegressionSheet(benchmark::State& state) {
  const RegressionData data = MakeRegression(10, 1000);
  Worksheet sheet;
  sheet.SetColCount(1001);
  sheet.SetRowCount(14);
  sheet.SetFixedRows(1);
  sheet.SetCell(0, 1, kMultivariateHeading);
  sheet.SetCell(0, 2, "Y");
  for (int i = 0; i < 1000; ++i) sheet.SetCell(i + 1, 2, GeneralFormat(data.y[i]));
  for (int j = 0; j < 10; ++j) {
    sheet.SetCell(0, 3 + j, "X" + IntToStr(j + 1));
    for (int i = 0; i < 1000; ++i) sheet.SetCell(i + 1, 3 + j, GeneralFormat(data.x[j][i]));
  }
  Bench bench;
  for (auto _ : state) {
    Worksheet grid = sheet;
    bench.Answer().Clear();
    Workbench workbench = bench.Make(grid);
    HandleMultivariateRegression(workbench);
    benchmark::DoNotOptimize(grid.Cell(1000, 13));
  }
}
BENCHMARK(BM_MultipleRegressionSheet)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
