// Depth-first search over tours from city 0 in ascending city order, keeping a tour only when
// it is strictly shorter than the best so far, so ties go to the first tour of that order.
// Lengths are summed in tour order in extended precision. A local-search tour supplies a good
// best from the start. A branch is cut when a lower bound on its remaining path cannot beat
// the best: EdgeBound, and a spanning tree of the cities left plus the cheapest links to both
// ends under city weights from Held and Karp's ascent; where that bound is weak the search
// starts again on a table of exact remaining lengths. Bounds are compared with a margin for
// rounding, so a tour that is shorter by rounding alone is still found, within a budget of
// such branches.
#include "discrete/traveling_shop.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zarnix {

namespace {

constexpr Extended kZeroEdgeWeight = 10000;
// Far above the rounding of a 20-term sum in double, far below any real difference of tours.
constexpr Extended kCutMargin = 1e-9L;
// Branches searched only because rounding might make them shorter; only cities with very many
// tours of equal length (on a line, say) use them up.
constexpr long kTieBranches = 200000;
// The table's floats carry 24 bits: lengths this close count as ties.
constexpr Extended kTableTieWidth = 1e-6L;
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

// Distances with city weights added: d(i, j) + pi[i] + pi[j].
struct Penalised {
  const std::vector<double>& d;
  int n;
  const double* pi;
  double operator()(int i, int j) const {
    return d[static_cast<std::size_t>(i * n + j)] + pi[i] + pi[j];
  }
};

// Prim's spanning tree over cities[0 … count-1]; parent[i] receives the city through which
// cities[i] joined the tree (-1 for the first).
double SpanningTree(const Penalised& w, const int* cities, int count, int* parent) {
  double key[kMaxShopCities];
  bool done[kMaxShopCities] = {};
  for (int i = 0; i < count; ++i) key[i] = kInfinity;
  key[0] = 0;
  parent[0] = -1;
  double tree = 0;
  for (int step = 0; step < count; ++step) {
    int next = -1;
    for (int i = 0; i < count; ++i)
      if (!done[i] && (next < 0 || key[i] < key[next])) next = i;
    done[next] = true;
    tree += key[next];
    for (int i = 0; i < count; ++i) {
      const double link = w(cities[next], cities[i]);
      if (!done[i] && link < key[i]) {
        key[i] = link;
        parent[i] = cities[next];
      }
    }
  }
  return tree;
}

// The nearest of cities[0 … count-1] to `city`.
int Nearest(const Penalised& w, int city, const int* cities, int count) {
  int nearest = cities[0];
  for (int i = 1; i < count; ++i)
    if (w(city, cities[i]) < w(city, nearest)) nearest = cities[i];
  return nearest;
}

// City weights for the whole tour (Held and Karp's subgradient ascent on 1-trees: a spanning
// tree of cities 1 … n-1 plus the two cheapest links of city 0). Any weights give a valid
// bound; these bring it close to the shortest tour, and every branch starts from them.
std::vector<double> Penalties(const std::vector<double>& d, int n, double upper) {
  constexpr int kSteps = 300;
  std::vector<double> pi(static_cast<std::size_t>(n), 0), bestPi = pi;
  if (n < 4) return bestPi;
  int cities[kMaxShopCities], parent[kMaxShopCities], degree[kMaxShopCities];
  for (int i = 1; i < n; ++i) cities[i - 1] = i;
  double bestBound = -kInfinity, scale = 2;
  for (int step = 0, stale = 0; step < kSteps; ++step) {
    const Penalised w{d, n, pi.data()};
    double bound = SpanningTree(w, cities, n - 1, parent);
    std::fill(degree, degree + n, 0);
    for (int i = 1; i < n - 1; ++i) ++degree[cities[i]], ++degree[parent[i]];
    const int first = Nearest(w, 0, cities, n - 1);
    int second = first == 1 ? 2 : 1;
    for (int j = 1; j < n; ++j)
      if (j != first && w(0, j) < w(0, second)) second = j;
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

// The cheapest path from each city j through every city of a set R to city 0, for all R
// not holding j: exact remaining lengths for the search, kept as floats rounded down so they
// stay lower bounds. R is a bit set over cities 1 … n-1.
class PathTable {
 public:
  PathTable(const std::vector<double>& d, int n)
      : m_(n - 1), table_((std::size_t{1} << m_) * static_cast<std::size_t>(m_)) {
    for (std::uint32_t set = 0; set < (1u << m_); ++set) {
      for (int j = 1; j <= m_; ++j) {
        if (set >> (j - 1) & 1) continue;
        const double* fromJ = &d[static_cast<std::size_t>(j * n)];
        double cheapest = set == 0 ? fromJ[0] : kInfinity;
        for (std::uint32_t bits = set; bits != 0; bits &= bits - 1) {
          const int k = std::countr_zero(bits) + 1;
          cheapest = std::min(cheapest, fromJ[k] + At(set & ~(1u << (k - 1)), k));
        }
        float stored = static_cast<float>(cheapest);
        if (stored > cheapest) stored = std::nextafter(stored, -INFINITY);
        table_[Index(set, j)] = stored;
      }
    }
  }
  double At(std::uint32_t set, int city) const { return table_[Index(set, city)]; }

 private:
  // City by city, so the sets one step smaller are read in runs.
  std::size_t Index(std::uint32_t set, int city) const {
    return (static_cast<std::size_t>(city - 1) << m_) + set;
  }
  int m_;
  std::vector<float> table_;
};

struct TTravelingShop::Search {
  enum class Reach { kShorter, kTie, kBeyond };

  Search(const TTravelingShop& owner, int cities) : shop(owner), n(cities) {}

  const TTravelingShop& shop;
  int n;
  bool useEdgeBound = true;
  bool whole = false;  // whole-number distances: every length is exact
  std::vector<double> d;
  std::vector<double> pi;
  const PathTable* table = nullptr;  // exact remaining lengths, when the tree bound gave up
  Extended tieWidth = kCutMargin;
  std::vector<bool> visited;
  std::uint32_t unvisited = 0;  // bits of cities 1 … n-1
  std::vector<int> path;
  Extended best = 0;
  std::vector<int> bestTour;
  long branches = 0;
  long tieBranches = kTieBranches;
  bool gaveUp = false;

  // Whether a completion of the branch could come out shorter than the best: certainly, only
  // by rounding (a tie), or not at all. With whole-number lengths a bound rounds up to the
  // next whole number and there are no ties.
  Reach Compare(Extended current, Extended bound) const {
    if (whole) {
      const Extended reach = current + std::ceil(bound - 1e-6L * (1 + std::fabs(bound)));
      return reach >= best ? Reach::kBeyond : Reach::kShorter;
    }
    const Extended reach = current + bound;
    if (reach >= best + best * tieWidth) return Reach::kBeyond;
    return reach < best - best * tieWidth ? Reach::kShorter : Reach::kTie;
  }
  // A tie is searched while the budget for ties lasts; after that the first of the equally
  // long tours stays.
  bool Cut(Reach reach) {
    return reach == Reach::kBeyond || (reach == Reach::kTie && tieBranches-- <= 0);
  }

  // A path from `last` through every unvisited city to city 0 is a spanning tree of those
  // cities plus one link from `last` and one to city 0; the city weights added along the
  // path are taken off again.
  double TreeBound(int last) const {
    int left[kMaxShopCities], parent[kMaxShopCities];
    int count = 0;
    double weights = pi[last] + pi[0];
    for (int u = 1; u < n; ++u) {
      if (visited[u]) continue;
      left[count++] = u;
      weights += 2 * pi[u];
    }
    const Penalised w{d, n, pi.data()};
    return SpanningTree(w, left, count, parent) + w(last, Nearest(w, last, left, count)) +
           w(Nearest(w, 0, left, count), 0) - weights;
  }

  double RemainingBound(int last) const {
    if (table && last != 0) return table->At(unvisited, last);
    return TreeBound(last);
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
    if (!table && --branches < 0) gaveUp = true;
    if (gaveUp) return;
    if (useEdgeBound && Cut(Compare(current, shop.edgeBound_[n - placed]))) return;
    if (Cut(Compare(current, RemainingBound(last)))) return;
    for (int j = 1; j < n; ++j) {
      if (visited[j]) continue;
      visited[j] = true;
      unvisited &= ~(1u << (j - 1));
      path[placed] = j;
      Go(placed + 1, current + shop.Distance(last, j));
      visited[j] = false;
      unvisited |= 1u << (j - 1);
    }
  }

  // From the start, with the best just above the given tour's length (and its rounding), so
  // the search finds that tour or a better one itself.
  void Run(const std::vector<int>& tour, Extended length) {
    const Extended margin = whole ? 0 : 3 * tieWidth;
    best = std::nextafter(length + length * margin, std::numeric_limits<Extended>::infinity());
    bestTour = tour;
    visited.assign(static_cast<std::size_t>(n), false);
    visited[0] = true;
    unvisited = (1u << (n - 1)) - 1;
    path.assign(static_cast<std::size_t>(n), 0);
    tieBranches = kTieBranches;
    Go(1, 0);
  }
};

// The tree bound is fast and usually strong; where it is not (cities on a line, in a few
// tight groups) the search starts again on the table of exact remaining lengths.
ShopTour TTravelingShop::Solve() {
  if (n_ <= 1) return {0, std::vector<int>(static_cast<std::size_t>(n_), 0)};
  const std::vector<int> start = HeuristicTour();
  const Extended startLength = PathLength(start);
  // EdgeBound treats a zero distance as 10000, which stays a lower bound while at most one
  // pair of cities coincides.
  Search search(*this, n_);
  search.useEdgeBound = zeroPairs_ <= 1;
  search.whole = WholeDistances();
  search.branches = treeBranches_;
  search.d.assign(distance_.begin(), distance_.end());
  search.pi = Penalties(search.d, n_, static_cast<double>(startLength));
  search.Run(start, startLength);
  if (search.gaveUp) {
    const PathTable table(search.d, n_);
    search.table = &table;
    search.tieWidth = kTableTieWidth;
    search.gaveUp = false;
    const std::vector<int> found = search.bestTour;
    search.Run(found, PathLength(found));
  }
  return {PathLength(search.bestTour), search.bestTour};
}

}  // namespace zarnix
