// The travelling-salesman problem for up to 20 cities: the shortest closed tour from city 0,
// and among tours of equal length the first one in ascending-index depth-first order.
#pragma once

#include <span>
#include <vector>

#include "base/extended.h"

namespace zarnix {

inline constexpr int kMaxShopCities = 20;

struct ShopTour {
  Extended length = 0;
  std::vector<int> cities;  // n city indices, starting with city 0
};

class TTravelingShop {
 public:
  // n cities, 1 … kMaxShopCities.
  explicit TTravelingShop(int n);

  // Stores the first n cities, fills the distance table and EdgeBound.
  void LoadCities(std::span<const Extended> xs, std::span<const Extended> ys);
  ShopTour Solve();

  // Branches the spanning-tree bound may take before the search starts again on a table of
  // exact remaining lengths; tests lower it to reach the table.
  void LimitTreeBranches(long branches) { treeBranches_ = branches; }

  int CityCount() const { return n_; }
  Extended Distance(int i, int j) const { return distance_[Index(i, j)]; }
  // Entry k: the sum of the k smallest city distances, a zero distance counted as 10000.
  const std::vector<Extended>& EdgeBound() const { return edgeBound_; }

 private:
  struct Search;

  std::size_t Index(int i, int j) const { return static_cast<std::size_t>(i * n_ + j); }
  std::vector<int> HeuristicTour() const;
  Extended PathLength(const std::vector<int>& tour) const;
  bool WholeDistances() const;

  int n_;
  std::vector<Extended> xs_;
  std::vector<Extended> ys_;
  std::vector<Extended> distance_;
  std::vector<Extended> edgeBound_;
  int zeroPairs_ = 0;
  long treeBranches_ = 50000;
};

}  // namespace zarnix
