// The sampling search for extrema, skipping undefined samples and passing over poles.
#include "formulas/function_extrema.h"

#include <cmath>

namespace zarnix {

namespace {

constexpr int kIntervals = 1000;
constexpr int kPasses = 11;
// At a true extremum the neighbours' values approach the dip's as the bracket narrows; at a
// pole they stay far apart.
constexpr Extended kSettled = 1e-6L;
// Poles stepped over in one search at most.
constexpr int kMaxPoles = 100;

struct Dip {
  Extended left, x, right;  // the bracket and the dip
  Extended gLeft, g, gRight;
};

// The first k in 1 … 999 with g(x[k-1]) > g(x[k]) < g(x[k+1]), all three defined.
std::optional<Dip> Sample(const SampledFunction& g, Extended lo, Extended hi) {
  std::vector<std::optional<Extended>> values(kIntervals + 1);
  std::vector<Extended> xs(kIntervals + 1);
  for (int k = 0; k <= kIntervals; ++k) {
    xs[k] = lo + k * (hi - lo) / kIntervals;
    values[k] = g(xs[k]);
  }
  for (int k = 1; k < kIntervals; ++k) {
    if (!values[k - 1] || !values[k] || !values[k + 1]) continue;
    if (*values[k] < *values[k - 1] && *values[k + 1] > *values[k])
      return Dip{xs[k - 1], xs[k], xs[k + 1], *values[k - 1], *values[k], *values[k + 1]};
  }
  return std::nullopt;
}

bool Settled(const Dip& dip) {
  const Extended spread = std::fabs(dip.gLeft - dip.g) + std::fabs(dip.gRight - dip.g);
  return spread <= kSettled * (1 + std::fabs(dip.g));
}

}  // namespace

std::optional<Extremum> FirstMinimum(const SampledFunction& g, Extended lo, Extended hi) {
  Extended start = lo;
  // A pole found first is stepped over and the search goes on to its right.
  for (int attempt = 0; attempt < kMaxPoles && start < hi; ++attempt) {
    std::optional<Dip> found = Sample(g, start, hi);
    if (!found) return std::nullopt;
    Dip last = *found;
    for (int pass = 1; pass < kPasses; ++pass) {
      const std::optional<Dip> narrower = Sample(g, last.left, last.right);
      if (!narrower) break;
      last = *narrower;
    }
    if (Settled(last)) return Extremum{last.x, last.g};
    start = found->right;
  }
  return std::nullopt;
}

std::vector<Extremum> Minima(const SampledFunction& f, Extended lo, Extended hi) {
  std::vector<Extremum> found;
  Extended start = lo;
  while (found.size() < static_cast<std::size_t>(kMaxExtrema)) {
    const std::optional<Extremum> next = FirstMinimum(f, start, hi);
    // Each search starts at the point found; no progress means nothing further to find.
    if (!next || next->x <= start) break;
    found.push_back(*next);
    start = next->x;
  }
  return found;
}

std::vector<Extremum> Maxima(const SampledFunction& f, Extended lo, Extended hi) {
  const SampledFunction negated = [&](Extended x) -> std::optional<Extended> {
    const std::optional<Extended> y = f(x);
    if (!y) return std::nullopt;
    return -*y;
  };
  std::vector<Extremum> found = Minima(negated, lo, hi);
  for (Extremum& e : found) e.y = -e.y;
  return found;
}

}  // namespace zarnix
