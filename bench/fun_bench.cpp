// Speed of the fun calculations at their limits: the 24 game for five numbers with every
// solution deduplicated, the 31 Mersenne primes and perfect numbers, amicable pairs by the
// divisor-sum sieve, and the other searches with their largest inputs.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "base/scripted_ui.h"
#include "discrete/fun_digits.h"
#include "discrete/fun_equation.h"
#include "discrete/fun_factors.h"
#include "discrete/fun_fractions.h"
#include "discrete/fun_game24.h"
#include "discrete/fun_sequences.h"
#include "discrete/fun_triangles.h"

namespace zarnix {
namespace {

void BM_Game24Four(benchmark::State& state) {
  const std::vector<std::int64_t> numbers = {1, 2, 3, 4};
  for (auto _ : state) benchmark::DoNotOptimize(SolveGame(numbers, 24));
}
BENCHMARK(BM_Game24Four)->Unit(benchmark::kMillisecond);

// Many solutions, a few, and none (the whole search with nothing to keep).
void BM_Game24Five(benchmark::State& state, std::vector<std::int64_t> numbers,
                   std::int64_t target) {
  std::size_t solutions = 0;
  for (auto _ : state) {
    solutions = SolveGame(numbers, target).size();
    benchmark::DoNotOptimize(solutions);
  }
  state.counters["solutions"] = static_cast<double>(solutions);
}
BENCHMARK_CAPTURE(BM_Game24Five, many, std::vector<std::int64_t>{1, 2, 3, 4, 5}, 24)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Game24Five, some, std::vector<std::int64_t>{2, 3, 5, 7, 11}, 24)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Game24Five, none, std::vector<std::int64_t>{1, 1, 1, 1, 1}, 24)
    ->Unit(benchmark::kMillisecond);

void BM_MersennePrimes31(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MersenneList(31, MersenneForm::kMersenne));
}
BENCHMARK(BM_MersennePrimes31)->Unit(benchmark::kMillisecond);

void BM_PerfectNumbers31(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MersenneList(31, MersenneForm::kPerfect));
}
BENCHMARK(BM_PerfectNumbers31)->Unit(benchmark::kMillisecond);

// A search over the window a ... a + span.
template <class Search>
void BM_Window(benchmark::State& state, Search search, std::int64_t a, std::int64_t span) {
  for (auto _ : state) benchmark::DoNotOptimize(search(a, a + span));
}
BENCHMARK_CAPTURE(BM_Window, amicable_from1_span80000, AmicablePairs, 1, 80000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Window, amicable_from1000000_span10000, AmicablePairs, 1000000, 10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Window, smith_nine_digits_span10000, SmithNumbers, 999990000, 10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Window, smith_fifteen_digits_span1000, SmithNumbers, 100000000000000, 1000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Window, ruth_aaron_nine_digits_span10000, RuthAaronStarts, 999990000, 10000)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Window, ruth_aaron_fifteen_digits_span1000, RuthAaronStarts, 100000000000000,
                  1000)
    ->Unit(benchmark::kMillisecond);

void BM_Narcissistic19(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(NarcissisticNumbers(19));
}
BENCHMARK(BM_Narcissistic19)->Unit(benchmark::kMillisecond);

void BM_KaprekarCycles1To9(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(KaprekarCycleLines(1, 9));
}
BENCHMARK(BM_KaprekarCycles1To9)->Unit(benchmark::kMillisecond);

void BM_AutomorphicEndings(benchmark::State& state, int power, int digits) {
  for (auto _ : state) benchmark::DoNotOptimize(AutomorphicEndings(power, digits));
}
BENCHMARK_CAPTURE(BM_AutomorphicEndings, square250, 2, 250)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AutomorphicEndings, cube200, 3, 200)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AutomorphicEndings, fifth200, 5, 200)->Unit(benchmark::kMillisecond);

void BM_Collatz200Digits(benchmark::State& state) {
  const std::string start(200, '9');
  for (auto _ : state) benchmark::DoNotOptimize(CollatzLines(start));
}
BENCHMARK(BM_Collatz200Digits)->Unit(benchmark::kMillisecond);

void BM_Markov(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(MarkovNumbers());
}
BENCHMARK(BM_Markov)->Unit(benchmark::kMillisecond);

void BM_GreedyEgyptian(benchmark::State& state) {
  const DigitFraction fraction = ParseFraction("36/457");
  for (auto _ : state) benchmark::DoNotOptimize(GreedyUnitFractions(fraction));
}
BENCHMARK(BM_GreedyEgyptian)->Unit(benchmark::kMillisecond);

void BM_RealGameStepLimit(benchmark::State& state) {
  const std::vector<Extended> numbers = {1, 2, 3, 4, 5, 6, 7, 8};
  for (auto _ : state) benchmark::DoNotOptimize(SolveRealGame(numbers, 24));
}
BENCHMARK(BM_RealGameStepLimit)->Unit(benchmark::kMillisecond);

void BM_OperatorInsertion9(benchmark::State& state) {
  const std::vector<std::int64_t> numbers = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  for (auto _ : state) benchmark::DoNotOptimize(OperatorInsertionLines(numbers, 100));
}
BENCHMARK(BM_OperatorInsertion9)->Unit(benchmark::kMillisecond);

void BM_EquationBox(benchmark::State& state, const char* equation) {
  ScriptedUi ui;
  for (auto _ : state) benchmark::DoNotOptimize(EquationSolutionLines(ui, equation));
}
BENCHMARK_CAPTURE(BM_EquationBox, two_letters, "x^2-2*y^2=1")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_EquationBox, three_letters, "x^2+y^2=z^2")->Unit(benchmark::kMillisecond);

void BM_Heron1To1000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(HeronTriangles(1, kMaxHeronSide, 0));
}
BENCHMARK(BM_Heron1To1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
