// The tour search against the plain depth-first search with the EdgeBound cut (same tour,
// ties included) and against a brute force over all tours (same length).
#include "discrete/traveling_shop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <random>

namespace zarnix {
namespace {

// The classic search: ascending city order, EdgeBound as the only cut, a tour kept only when
// strictly shorter, best length 10000000 at the start.
class PlainSearch {
 public:
  explicit PlainSearch(const TTravelingShop& shop)
      : shop_(shop), n_(shop.CityCount()), visited_(n_, false), path_(n_, 0), tour_(n_, 0) {}

  ShopTour Solve() {
    visited_[0] = true;
    Go(1, 0);
    return {best_, tour_};
  }

 private:
  void Go(int k, Extended current) {
    const int last = path_[k - 1];
    if (k == n_) {
      const Extended total = current + shop_.Distance(last, 0);
      if (total < best_) {
        best_ = total;
        tour_ = path_;
      }
      return;
    }
    if (!(best_ > current + shop_.EdgeBound()[n_ - k])) return;
    for (int j = 0; j < n_; ++j) {
      if (visited_[j]) continue;
      visited_[j] = true;
      path_[k] = j;
      Go(k + 1, current + shop_.Distance(last, j));
      visited_[j] = false;
    }
  }

  const TTravelingShop& shop_;
  int n_;
  std::vector<bool> visited_;
  std::vector<int> path_;
  std::vector<int> tour_;
  Extended best_ = 10000000;
};

// The shortest tour over every order of the cities 1 … n-1.
Extended BruteForceLength(const TTravelingShop& shop) {
  std::vector<int> order(shop.CityCount());
  std::iota(order.begin(), order.end(), 0);
  Extended best = INFINITY;
  do {
    Extended length = 0;
    for (std::size_t k = 1; k < order.size(); ++k) length += shop.Distance(order[k - 1], order[k]);
    best = std::min(best, length + shop.Distance(order.back(), 0));
  } while (std::next_permutation(order.begin() + 1, order.end()));
  return best;
}

TTravelingShop Shop(const std::vector<Extended>& xs, const std::vector<Extended>& ys) {
  TTravelingShop shop(static_cast<int>(xs.size()));
  shop.LoadCities(xs, ys);
  return shop;
}

// n cities on a square grid of (grid + 1)^2 points spaced 0.5, all distinct or with the last
// one on top of another.
TTravelingShop RandomShop(std::mt19937& rng, int n, int grid, bool twin = false) {
  std::uniform_int_distribution<int> coordinate(0, grid);
  std::vector<Extended> xs, ys;
  while (static_cast<int>(xs.size()) < n - (twin ? 1 : 0)) {
    const Extended x = coordinate(rng) * 0.5L;
    const Extended y = coordinate(rng) * 0.5L;
    bool taken = false;
    for (std::size_t i = 0; i < xs.size(); ++i) taken = taken || (xs[i] == x && ys[i] == y);
    if (taken) continue;
    xs.push_back(x);
    ys.push_back(y);
  }
  if (twin) {
    const std::size_t other = rng() % xs.size();
    xs.push_back(xs[other]);
    ys.push_back(ys[other]);
  }
  return Shop(xs, ys);
}

TEST(TravelingShop, LoadCitiesFillsDistancesAndTheRunningEdgeSums) {
  // A 3-4-5 triangle with a second city on top of the first.
  const TTravelingShop shop = Shop({0, 3, 0, 0}, {0, 0, 4, 0});
  EXPECT_EQ(shop.Distance(1, 2), 5);
  EXPECT_EQ(shop.Distance(2, 1), 5);
  EXPECT_EQ(shop.Distance(0, 3), 0);
  // Pairs: 3, 4, 0 (as 10000), 5, 3, 4.
  EXPECT_EQ(shop.EdgeBound(), (std::vector<Extended>{0, 3, 6, 10, 14, 19, 10019}));
}

TEST(TravelingShop, UnitSquareAndTinyCases) {
  const ShopTour square = Shop({0, 1, 1, 0}, {0, 0, 1, 1}).Solve();
  EXPECT_EQ(square.length, 4);
  EXPECT_EQ(square.cities, (std::vector<int>{0, 1, 2, 3}));
  // Crossed input order: the search still walks the square's rim.
  const ShopTour crossed = Shop({0, 1, 0, 1}, {0, 1, 1, 0}).Solve();
  EXPECT_EQ(crossed.length, 4);
  EXPECT_EQ(crossed.cities, (std::vector<int>{0, 2, 1, 3}));
  EXPECT_EQ(Shop({0, 3, 0}, {0, 0, 4}).Solve().length, 12);
  EXPECT_EQ(Shop({5}, {5}).Solve().cities, (std::vector<int>{0}));
}

TEST(TravelingShop, CitiesBeyondTheLimitOrTheListsAreNotUsed) {
  TTravelingShop shop(30);
  EXPECT_EQ(shop.CityCount(), kMaxShopCities);
  TTravelingShop short_(5);
  short_.LoadCities(std::vector<Extended>{0, 1, 1}, std::vector<Extended>{0, 0, 1, 7});
  EXPECT_EQ(short_.CityCount(), 3);
}

TEST(TravelingShop, SameTourAsThePlainSearchOnRandomInstances) {
  std::mt19937 rng(7);
  for (int trial = 0; trial < 300; ++trial) {
    const int n = 3 + trial % 9;  // 3 … 11 cities
    // Coarse grids give many tours of equal length; fine ones almost none. One pair of
    // coincident cities keeps EdgeBound a lower bound.
    const TTravelingShop shop = RandomShop(rng, n, trial % 2 ? 8 : 2000, trial % 5 == 0);
    const ShopTour plain = PlainSearch(shop).Solve();
    const ShopTour fast = TTravelingShop(shop).Solve();
    ASSERT_EQ(fast.cities, plain.cities) << "trial " << trial;
    ASSERT_EQ(fast.length, plain.length) << "trial " << trial;
    // The same on the table of exact remaining lengths.
    TTravelingShop tabled(shop);
    tabled.LimitTreeBranches(0);
    ASSERT_EQ(tabled.Solve().cities, plain.cities) << "trial " << trial;
  }
}

TEST(TravelingShop, ShortestLengthAgreesWithBruteForce) {
  std::mt19937 rng(11);
  for (int trial = 0; trial < 60; ++trial) {
    const int n = 3 + trial % 7;  // 3 … 9 cities
    const TTravelingShop shop = RandomShop(rng, n, trial % 3 ? 1000 : 6);
    EXPECT_NEAR(static_cast<double>(TTravelingShop(shop).Solve().length),
                static_cast<double>(BruteForceLength(shop)), 1e-9)
        << "trial " << trial;
  }
}

TEST(TravelingShop, ManyCoincidentCitiesStillGiveTheShortestTour) {
  // With two or more pairs of coincident cities, EdgeBound (a zero distance counted as 10000)
  // over-estimates and the plain search can cut the shortest tour away.
  std::mt19937 rng(3);
  int plainMissed = 0;
  for (int trial = 0; trial < 200; ++trial) {
    const int n = 5 + trial % 4;
    std::uniform_int_distribution<int> coordinate(0, 3);
    std::vector<Extended> xs, ys;
    for (int i = 0; i < n; ++i) {
      xs.push_back(coordinate(rng));
      ys.push_back(coordinate(rng));
    }
    const TTravelingShop shop = Shop(xs, ys);
    const Extended shortest = BruteForceLength(shop);
    const ShopTour fast = TTravelingShop(shop).Solve();
    EXPECT_NEAR(static_cast<double>(fast.length), static_cast<double>(shortest), 1e-9) << trial;
    plainMissed += PlainSearch(shop).Solve().length > shortest + 1e-9L;
  }
  EXPECT_GT(plainMissed, 0);
}

TEST(TravelingShop, LongToursAreFoundToo) {
  // Tours beyond 10000000 are real answers as well.
  const ShopTour tour = Shop({0, 4e6L, 4e6L, 0}, {0, 0, 4e6L, 4e6L}).Solve();
  EXPECT_EQ(tour.length, 16e6L);
  EXPECT_EQ(tour.cities, (std::vector<int>{0, 1, 2, 3}));
}

// The shortest tour by Held and Karp's recursion over subsets, forward from city 0.
double DynamicProgrammingLength(const TTravelingShop& shop) {
  const int m = shop.CityCount() - 1;
  std::vector<double> best((std::size_t{1} << m) * m, INFINITY);
  const auto at = [&](std::uint32_t set, int last) -> double& { return best[set * m + last]; };
  for (int j = 0; j < m; ++j) at(1u << j, j) = static_cast<double>(shop.Distance(0, j + 1));
  for (std::uint32_t set = 1; set < (1u << m); ++set)
    for (int last = 0; last < m; ++last)
      if (set >> last & 1 && at(set, last) < INFINITY)
        for (int next = 0; next < m; ++next)
          if (!(set >> next & 1)) {
            double& to = at(set | 1u << next, next);
            to = std::min(to,
                          at(set, last) + static_cast<double>(shop.Distance(last + 1, next + 1)));
          }
  double shortest = INFINITY;
  for (int last = 0; last < m; ++last)
    shortest = std::min(shortest,
                        at((1u << m) - 1, last) + static_cast<double>(shop.Distance(last + 1, 0)));
  return shortest;
}

bool IsTour(const std::vector<int>& cities, int n) {
  std::vector<int> sorted = cities;
  std::sort(sorted.begin(), sorted.end());
  std::vector<int> all(n);
  std::iota(all.begin(), all.end(), 0);
  return !cities.empty() && cities[0] == 0 && sorted == all;
}

TEST(TravelingShop, CitiesOnALineAndInTwoTightGroups) {
  // Shapes where the spanning-tree bound is weak and very many tours are equally long.
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> coordinate(0, 100);
  std::vector<Extended> xs, zeros(20, 0);
  for (int i = 0; i < 20; ++i) xs.push_back(coordinate(rng));
  const ShopTour line = Shop(xs, zeros).Solve();
  const auto [low, high] = std::minmax_element(xs.begin(), xs.end());
  EXPECT_NEAR(static_cast<double>(line.length), static_cast<double>(2 * (*high - *low)), 1e-9);
  EXPECT_TRUE(IsTour(line.cities, 20));

  std::uniform_real_distribution<double> near(0, 5);
  std::vector<Extended> gx, gy;
  for (int i = 0; i < 18; ++i) {
    gx.push_back((i < 9 ? 0 : 100) + near(rng));
    gy.push_back(near(rng));
  }
  const TTravelingShop groups = Shop(gx, gy);
  const ShopTour tour = TTravelingShop(groups).Solve();
  EXPECT_NEAR(static_cast<double>(tour.length), DynamicProgrammingLength(groups), 1e-9);
  EXPECT_TRUE(IsTour(tour.cities, 18));
}

TEST(TravelingShop, TwentyCitiesAllInOnePlaceOrOnACircle) {
  const std::vector<Extended> same(20, 1.5L);
  const ShopTour one = Shop(same, same).Solve();
  EXPECT_EQ(one.length, 0);
  std::vector<int> ascending(20);
  std::iota(ascending.begin(), ascending.end(), 0);
  EXPECT_EQ(one.cities, ascending);

  std::vector<Extended> xs, ys;
  for (int i = 0; i < 20; ++i) {
    const Extended angle = 2 * M_PIl * ((i * 7) % 20) / 20;
    xs.push_back(std::cos(angle));
    ys.push_back(std::sin(angle));
  }
  const ShopTour circle = Shop(xs, ys).Solve();
  EXPECT_NEAR(static_cast<double>(circle.length), 40 * std::sin(M_PI / 20), 1e-12);
}

}  // namespace
}  // namespace zarnix
