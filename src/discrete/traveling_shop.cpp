// Depth-first search over tours from city 0 in ascending city order, keeping a tour only when
// it is strictly shorter than the best so far, so ties go to the first tour of that order.
// Lengths are summed in tour order in extended precision. A branch is cut when a lower bound
// on its remaining path (EdgeBound, and a spanning tree of the cities left plus the cheapest
// links to both ends) cannot beat the best; a local-search tour found first supplies a good
// best from the start. The bounds are cut with a relative margin so a tour shorter by rounding
// alone is never lost.
#include "discrete/traveling_shop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarnix {

namespace {

constexpr Extended kZeroEdgeWeight = 10000;
// Far above the rounding of a 20-term sum in double, far below any real difference of tours.
constexpr Extended kCutMargin = 1e-9L;
constexpr double kInfinity = std::numeric_limits<double>::infinity();

}  // namespace

TTravelingShop::TTravelingShop(int n) : n_(std::clamp(n, 1, kMaxShopCities)) {}

void TTravelingShop::LoadCities(std::span<const Extended> xs, std::span<const Extended> ys) {
  n_ = std::min({n_, static_cast<int>(xs.size()), static_cast<int>(ys.size())});
  xs_.assign(xs.begin(), xs.begin() + n_);
  ys_.assign(ys.begin(), ys.begin() + n_);
  distance_.assign(static_cast<std::size_t>(n_ * n_), 0);
  std::vector<Extended> edges;
  zeroPairs_ = 0;
  for (int i = 0; i < n_; ++i) {
    for (int j = 0; j < n_; ++j) {
      const Extended dx = xs_[i] - xs_[j];
      const Extended dy = ys_[i] - ys_[j];
      distance_[Index(i, j)] = std::sqrt(dx * dx + dy * dy);
    }
    for (int j = i + 1; j < n_; ++j) {
      const Extended d = distance_[Index(i, j)];
      zeroPairs_ += d == 0;
      edges.push_back(d == 0 ? kZeroEdgeWeight : d);
    }
  }
  std::sort(edges.begin(), edges.end());
  edgeBound_.assign(edges.size() + 1, 0);
  for (std::size_t k = 0; k < edges.size(); ++k) edgeBound_[k + 1] = edgeBound_[k] + edges[k];
}

Extended TTravelingShop::PathLength(const std::vector<int>& tour) const {
  Extended length = 0;
  for (int k = 1; k < n_; ++k) length += Distance(tour[k - 1], tour[k]);
  return length + Distance(tour[n_ - 1], tour[0]);
}

// Nearest neighbour from every city, each improved by 2-opt; the shortest, turned to start
// at city 0.
std::vector<int> TTravelingShop::HeuristicTour() const {
  std::vector<int> best;
  Extended bestLength = 0;
  for (int start = 0; start < n_; ++start) {
    std::vector<int> tour{start};
    std::vector<bool> used(static_cast<std::size_t>(n_), false);
    used[start] = true;
    while (static_cast<int>(tour.size()) < n_) {
      int next = -1;
      for (int j = 0; j < n_; ++j)
        if (!used[j] && (next < 0 || Distance(tour.back(), j) < Distance(tour.back(), next)))
          next = j;
      used[next] = true;
      tour.push_back(next);
    }
    for (bool improved = true; improved;) {
      improved = false;
      for (int i = 0; i + 1 < n_; ++i) {
        for (int j = i + 2; j < n_; ++j) {
          const int a = tour[i], b = tour[i + 1], c = tour[j], d = tour[(j + 1) % n_];
          if (a == d) continue;
          if (Distance(a, c) + Distance(b, d) < Distance(a, b) + Distance(c, d) - 1e-12L) {
            std::reverse(tour.begin() + i + 1, tour.begin() + j + 1);
            improved = true;
          }
        }
      }
    }
    std::rotate(tour.begin(), std::find(tour.begin(), tour.end(), 0), tour.end());
    const Extended length = PathLength(tour);
    if (best.empty() || length < bestLength) {
      best = tour;
      bestLength = length;
    }
  }
  return best;
}

struct TTravelingShop::Search {
  const TTravelingShop& shop;
  int n;
  bool useEdgeBound;
  std::vector<double> d;  // the distances once more, for the bounds
  std::vector<bool> visited;
  std::vector<int> path;
  Extended best;
  std::vector<int> bestTour;

  double D(int i, int j) const { return d[static_cast<std::size_t>(i * n + j)]; }

  bool Hopeless(Extended current, Extended bound) const {
    return current + bound >= best + best * kCutMargin;
  }

  // A path from `last` through every unvisited city to city 0 is a spanning tree of those
  // cities plus one link from `last` and one to city 0.
  double RemainingBound(int last) const {
    int left[kMaxShopCities];
    double key[kMaxShopCities];
    int count = 0;
    double toLast = kInfinity, toHome = kInfinity;
    for (int u = 1; u < n; ++u) {
      if (visited[u]) continue;
      left[count] = u;
      key[count++] = kInfinity;
      toLast = std::min(toLast, D(last, u));
      toHome = std::min(toHome, D(u, 0));
    }
    double tree = 0;
    key[0] = 0;
    for (int size = count; size > 0; --size) {
      int nearest = 0;
      for (int i = 1; i < size; ++i)
        if (key[i] < key[nearest]) nearest = i;
      tree += key[nearest];
      const int city = left[nearest];
      left[nearest] = left[size - 1];
      key[nearest] = key[size - 1];
      for (int i = 0; i + 1 < size; ++i) key[i] = std::min(key[i], D(city, left[i]));
    }
    return tree + toLast + toHome;
  }

  void Go(int placed, Extended current) {
    const int last = path[placed - 1];
    if (placed == n) {
      const Extended total = current + shop.Distance(last, 0);
      if (total < best) {
        best = total;
        bestTour = path;
      }
      return;
    }
    if (useEdgeBound && Hopeless(current, shop.edgeBound_[n - placed])) return;
    if (Hopeless(current, RemainingBound(last))) return;
    for (int j = 1; j < n; ++j) {
      if (visited[j]) continue;
      visited[j] = true;
      path[placed] = j;
      Go(placed + 1, current + shop.Distance(last, j));
      visited[j] = false;
    }
  }
};

ShopTour TTravelingShop::Solve() {
  if (n_ <= 1) return {0, std::vector<int>(static_cast<std::size_t>(n_), 0)};
  const std::vector<int> start = HeuristicTour();
  const Extended startLength = PathLength(start);
  // EdgeBound treats a zero distance as 10000, which stays a lower bound while at most one
  // pair of cities coincides.
  Search search{*this, n_, zeroPairs_ <= 1, {}, {}, {}, {}, {}};
  search.d.assign(distance_.begin(), distance_.end());
  search.visited.assign(static_cast<std::size_t>(n_), false);
  search.visited[0] = true;
  search.path.assign(static_cast<std::size_t>(n_), 0);
  // Just above the local-search tour, so the search itself finds that tour or a better one.
  search.best = startLength + startLength * kCutMargin + std::numeric_limits<Extended>::min();
  search.bestTour = start;
  search.Go(1, 0);
  return {PathLength(search.bestTour), search.bestTour};
}

}  // namespace zarnix
