// Depth-first search over tours from city 0 in ascending city order, keeping a tour only when
// it is strictly shorter than the best so far, so ties go to the first tour of that order.
// Lengths are summed in tour order in extended precision. A branch is cut when a lower bound
// on its remaining path cannot beat the best: EdgeBound, and a spanning tree of the cities
// left plus the cheapest links to both ends, under city weights from Held and Karp's ascent.
// A local-search tour supplies a good best from the start. Bounds are compared with a margin
// for rounding, so a tour that is shorter by rounding alone is still found.
#include "discrete/traveling_shop.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace zarnix {

namespace {

constexpr Extended kZeroEdgeWeight = 10000;
// Far above the rounding of a 20-term sum in double, far below any real difference of tours.
constexpr Extended kCutMargin = 1e-9L;
// Whole-number distances below this add up without rounding, so no margin is needed.
constexpr Extended kExactLimit = 1e12L;
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

bool TTravelingShop::WholeDistances() const {
  return std::all_of(distance_.begin(), distance_.end(),
                     [](Extended d) { return d < kExactLimit && d == std::floor(d); });
}

namespace {

// Weights between cities, row by row.
struct Weights {
  int n = 0;
  std::vector<double> w;
  double operator()(int i, int j) const { return w[static_cast<std::size_t>(i * n + j)]; }
};

// Prim's spanning tree over cities[0 … count-1]; parent[i], when asked for, receives the city
// through which cities[i] joined the tree (-1 for the first).
double SpanningTree(const Weights& w, const int* cities, int count, int* parent = nullptr) {
  double key[kMaxShopCities];
  int from[kMaxShopCities];
  bool done[kMaxShopCities] = {};
  for (int i = 0; i < count; ++i) key[i] = kInfinity;
  key[0] = 0;
  from[0] = -1;
  double tree = 0;
  for (int step = 0; step < count; ++step) {
    int next = -1;
    for (int i = 0; i < count; ++i)
      if (!done[i] && (next < 0 || key[i] < key[next])) next = i;
    done[next] = true;
    tree += key[next];
    if (parent) parent[next] = from[next];
    for (int i = 0; i < count; ++i) {
      const double link = w(cities[next], cities[i]);
      if (!done[i] && link < key[i]) {
        key[i] = link;
        from[i] = cities[next];
      }
    }
  }
  return tree;
}

Weights Penalised(const Weights& d, const std::vector<double>& pi) {
  Weights w{d.n, d.w};
  for (int i = 0; i < d.n; ++i)
    for (int j = 0; j < d.n; ++j) w.w[static_cast<std::size_t>(i * d.n + j)] += pi[i] + pi[j];
  return w;
}

// City weights that tighten the bound (Held and Karp's subgradient ascent on 1-trees: a
// spanning tree of cities 1 … n-1 plus the two cheapest links of city 0). Any weights give a
// valid bound; these make it close to the shortest tour.
std::vector<double> Penalties(const Weights& d, double upper) {
  constexpr int kSteps = 300;
  const int n = d.n;
  std::vector<double> pi(static_cast<std::size_t>(n), 0), bestPi = pi;
  if (n < 4) return bestPi;
  int cities[kMaxShopCities], parent[kMaxShopCities], degree[kMaxShopCities];
  for (int i = 1; i < n; ++i) cities[i - 1] = i;
  double bestBound = -kInfinity, scale = 2;
  for (int step = 0, stale = 0; step < kSteps; ++step) {
    const Weights w = Penalised(d, pi);
    double bound = SpanningTree(w, cities, n - 1, parent);
    std::fill(degree, degree + n, 0);
    for (int i = 1; i < n - 1; ++i) ++degree[cities[i]], ++degree[parent[i]];
    int first = 1, second = 2;
    if (w(0, second) < w(0, first)) std::swap(first, second);
    for (int j = 3; j < n; ++j) {
      if (w(0, j) < w(0, first)) {
        second = first;
        first = j;
      } else if (w(0, j) < w(0, second)) {
        second = j;
      }
    }
    ++degree[first], ++degree[second];
    bound += w(0, first) + w(0, second);
    double norm = 0;
    for (int i = 0; i < n; ++i) {
      bound -= 2 * pi[i];
      norm += (degree[i] - 2) * (degree[i] - 2);
    }
    if (bound > bestBound) {
      bestBound = bound;
      bestPi = pi;
      stale = 0;
    } else if (++stale == 10) {
      scale /= 2;
      stale = 0;
    }
    if (norm == 0 || bound >= upper) break;  // the 1-tree is a tour: nothing left to gain
    const double length = scale * (upper - bound) / norm;
    for (int i = 1; i < n; ++i) pi[i] += length * (degree[i] - 2);
  }
  return bestPi;
}

}  // namespace

struct TTravelingShop::Search {
  const TTravelingShop& shop;
  int n;
  bool useEdgeBound;
  bool whole;  // whole-number distances: every length is exact
  std::vector<double> pi;
  Weights w;  // the distances with the city weights added
  std::vector<bool> visited;
  std::vector<int> path;
  Extended best;
  std::vector<int> bestTour;

  // Cut only when no completion can come out shorter than the best, rounding included. With
  // whole-number lengths a bound rounds up to the next whole number.
  bool Hopeless(Extended current, Extended bound) const {
    if (whole) return current + std::ceil(bound - 1e-9L * (1 + std::fabs(bound))) >= best;
    return current + bound >= best + best * kCutMargin;
  }

  // A path from `last` through every unvisited city to city 0 is a spanning tree of those
  // cities plus one link from `last` and one to city 0; the city weights added along the
  // path are taken off again.
  double RemainingBound(int last) const {
    int left[kMaxShopCities];
    int count = 0;
    double toLast = kInfinity, toHome = kInfinity, weights = pi[last] + pi[0];
    for (int u = 1; u < n; ++u) {
      if (visited[u]) continue;
      left[count++] = u;
      toLast = std::min(toLast, w(last, u));
      toHome = std::min(toHome, w(u, 0));
      weights += 2 * pi[u];
    }
    return SpanningTree(w, left, count) + toLast + toHome - weights;
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
  const Weights d{n_, std::vector<double>(distance_.begin(), distance_.end())};
  // EdgeBound treats a zero distance as 10000, which stays a lower bound while at most one
  // pair of cities coincides.
  Search search{*this, n_, zeroPairs_ <= 1, WholeDistances(), {}, {}, {}, {}, {}, {}};
  search.pi = Penalties(d, static_cast<double>(startLength));
  search.w = Penalised(d, search.pi);
  search.visited.assign(static_cast<std::size_t>(n_), false);
  search.visited[0] = true;
  search.path.assign(static_cast<std::size_t>(n_), 0);
  // Just above the local-search tour, so the search itself finds that tour or a better one.
  const Extended margin = search.whole ? 0 : kCutMargin;
  search.best =
      std::nextafter(startLength + startLength * margin, std::numeric_limits<Extended>::infinity());
  search.bestTour = start;
  search.Go(1, 0);
  return {PathLength(search.bestTour), search.bestTour};
}

}  // namespace zarnix
