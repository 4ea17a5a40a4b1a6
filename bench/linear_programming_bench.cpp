// Speed of the linear-programming category's slow parts: the tour search on random cities
// (15 and 20, several instances each) and the two service simulations at their limits.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <utility>
#include <vector>

#include "base/random.h"
#include "discrete/service_simulation.h"
#include "discrete/simplex.h"
#include "discrete/traveling_shop.h"

namespace zarnix {
namespace {

void BM_TourSearch(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::mt19937 rng(static_cast<unsigned>(state.range(1)));
  std::uniform_real_distribution<double> coordinate(0, 100);
  std::vector<Extended> xs, ys;
  for (int i = 0; i < n; ++i) {
    xs.push_back(coordinate(rng));
    ys.push_back(coordinate(rng));
  }
  for (auto _ : state) {
    TTravelingShop shop(n);
    shop.LoadCities(xs, ys);
    benchmark::DoNotOptimize(shop.Solve());
  }
}
BENCHMARK(BM_TourSearch)
    ->ArgsProduct({{15, 20}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}})
    ->Unit(benchmark::kMillisecond);

// Cities with many tours of equal length or a weak spanning-tree bound: whole numbers on a
// line, a 4 x 5 grid, a circle, ten places holding two cities each, random places on a line,
// and two tight groups far apart.
std::vector<std::pair<Extended, Extended>> ShapedCities(int shape) {
  std::vector<std::pair<Extended, Extended>> cities;
  std::mt19937 rng(1);
  std::uniform_real_distribution<double> coordinate(0, 100);
  for (int i = 0; i < 20; ++i) {
    const Extended angle = 2 * M_PIl * ((i * 7) % 20) / 20;
    const double x = coordinate(rng), y = coordinate(rng);
    switch (shape) {
      case 0:
        cities.push_back({(i * 7) % 20, 0});
        break;
      case 1:
        cities.push_back({(i * 3) % 4, (i * 7) % 5});
        break;
      case 2:
        cities.push_back({std::cos(angle), std::sin(angle)});
        break;
      case 3:
        cities.push_back(i % 2 ? cities.back() : std::pair<Extended, Extended>{x, y});
        break;
      case 4:
        cities.push_back({x, 0});
        break;
      default:
        cities.push_back({(i < 10 ? 0 : 100) + x / 20, y / 20});
    }
  }
  return cities;
}

void BM_TourSearchShaped(benchmark::State& state) {
  std::vector<Extended> xs, ys;
  for (const auto& [x, y] : ShapedCities(static_cast<int>(state.range(0)))) {
    xs.push_back(x);
    ys.push_back(y);
  }
  for (auto _ : state) {
    TTravelingShop shop(20);
    shop.LoadCities(xs, ys);
    benchmark::DoNotOptimize(shop.Solve());
  }
}
BENCHMARK(BM_TourSearchShaped)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// A dense random program of n variables and n mixed rows, feasible at x = 1.
void BM_Simplex(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> coefficient(0, 9);
  std::vector<LpRow> rows;
  for (int i = 0; i < n; ++i) {
    LpRow row;
    Extended sum = 0;
    for (int j = 0; j < n; ++j) sum += row.coefficients.emplace_back(coefficient(rng));
    row.relation = i % 3 == 0 ? Relation::kAtLeast : Relation::kAtMost;
    row.rhs = i % 3 == 0 ? sum / 2 : sum * 2;
    rows.push_back(row);
  }
  LpRow objective;
  for (int j = 0; j < n; ++j) objective.coefficients.push_back(-coefficient(rng) - 1);
  rows.push_back(objective);
  for (auto _ : state) benchmark::DoNotOptimize(SimplexSolve(n, n, rows));
}
BENCHMARK(BM_Simplex)->Arg(20)->Arg(100)->Arg(200)->Unit(benchmark::kMillisecond);

void BM_QueueSimulation(benchmark::State& state) {
  LcgRandom random(1);
  for (auto _ : state)
    benchmark::DoNotOptimize(QueueSimulation(1, 0.8L, kMaxQueueArrivals, random));
}
BENCHMARK(BM_QueueSimulation)->Unit(benchmark::kMillisecond);

void BM_ExchangeSimulation(benchmark::State& state) {
  LcgRandom random(1);
  for (auto _ : state)
    benchmark::DoNotOptimize(
        ExchangeSimulation(kMaxSubscribers, 50, kMaxExchangeTicks, 1, 40, random));
}
BENCHMARK(BM_ExchangeSimulation)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zarnix
