// Speed of the higher-mathematics category: π to 8000 decimals on the digit arithmetic.
#include <benchmark/benchmark.h>

#include "discrete/bignum/pi_digits.h"

namespace zarnix {
namespace {

void BM_PiDigits(benchmark::State& state) {
  const int decimals = static_cast<int>(state.range(0));
  for (auto _ : state) benchmark::DoNotOptimize(PiDigits(decimals));
}
BENCHMARK(BM_PiDigits)->Arg(1000)->Arg(8000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
