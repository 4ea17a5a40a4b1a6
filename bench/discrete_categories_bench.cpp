// Speed of the general and integer categories: the two shipped sheets run whole, and the slow
// items at their limits (primes near 9*10^15, 10000!, a power of 65534 digits), with the prime
// list by the extended-precision trial division as the reference it replaces.
#include <benchmark/benchmark.h>

#include <cmath>
#include <string>
#include <vector>

#include "discrete/general_calculation.h"
#include "discrete/integer_arithmetic.h"
#include "discrete/integer_primes.h"
#include "sheet/worksheet.h"
#include "shipped_sheet.h"

namespace zarnix {
namespace {

void BM_IntegerSheet(benchmark::State& state) {
  RunShippedSheet(state, "整数运算.thf", HandleIntegerArithmetic);
}
BENCHMARK(BM_IntegerSheet)->Unit(benchmark::kMillisecond);

void BM_GeneralSheet(benchmark::State& state) {
  RunShippedSheet(state, "通用计算.thf", HandleGeneralCalculation);
}
BENCHMARK(BM_GeneralSheet)->Unit(benchmark::kMillisecond);

// One integer item row: number and parameters from column 4.
void RunIntegerItem(benchmark::State& state, std::vector<std::string> cells) {
  Bench bench;
  for (auto _ : state) {
    Worksheet grid;
    grid.SetColCount(8);
    grid.SetRowCount(3);
    grid.SetFixedRows(2);
    grid.SetCell(1, 2, cells[0]);
    for (std::size_t i = 1; i < cells.size(); ++i)
      grid.SetCell(static_cast<int>(3 + i), 2, cells[i]);
    bench.Answer().Clear();
    Workbench workbench = bench.Make(grid);
    HandleIntegerArithmetic(workbench);
    benchmark::DoNotOptimize(grid.Cell(7, 2));
  }
}

void BM_PrimesNear9e15(benchmark::State& state) {
  RunIntegerItem(state, {"4", "9000000000000000", "1000"});
}
BENCHMARK(BM_PrimesNear9e15)->Unit(benchmark::kMillisecond);

// The same list by extended-precision trial division over 6k +- 1.
void BM_PrimesNear9e15ByTrialDivision(benchmark::State& state) {
  for (auto _ : state) {
    int count = 0;
    for (std::int64_t k = 1500000000000000; 6 * k - 1 <= 9000000000001000; ++k)
      for (std::int64_t n : {6 * k - 1, 6 * k + 1})
        if (n >= 9000000000000000 && n <= 9000000000001000 && IsPrimeTrial(n)) ++count;
    benchmark::DoNotOptimize(count);
  }
}
BENCHMARK(BM_PrimesNear9e15ByTrialDivision)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Factorial10000(benchmark::State& state) {
  RunIntegerItem(state, {"13", "10000"});
}
BENCHMARK(BM_Factorial10000)->Unit(benchmark::kMillisecond);

// 2^k with the largest k whose result still has at most 65534 digits in the base.
void BM_PowerAtTheDigitLimit(benchmark::State& state) {
  const int base = static_cast<int>(state.range(0));
  const auto k = static_cast<long long>(65532 / std::log10(2.0L) * std::log10(Extended(base)));
  std::string exponent;
  for (long long v = k; v > 0; v /= base)
    exponent.insert(exponent.begin(), "0123456789ABCDEF"[v % base]);
  RunIntegerItem(state, {"25", "2", exponent, std::to_string(base)});
}
BENCHMARK(BM_PowerAtTheDigitLimit)->Arg(10)->Arg(16)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
