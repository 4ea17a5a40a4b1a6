// Local extrema of y = f(x) on an interval by repeated sampling: 1001 samples, the first
// strict dip, then the bracket around it sampled again, eleven times in all.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// f at x, or nothing where f is undefined (a pole, a root of a negative number).
using SampledFunction = std::function<std::optional<Extended>(Extended x)>;

struct Extremum {
  Extended x;
  Extended y;  // f(x)
};

// The first local minimum of g in [lo, hi]; nothing when the first sampling finds no strict
// dip. A dip whose neighbours do not close in on it as the bracket narrows is a pole, not an
// extremum, and is passed over.
std::optional<Extremum> FirstMinimum(const SampledFunction& g, Extended lo, Extended hi);

// Extrema listed for one function at most (each one costs eleven samplings).
inline constexpr int kMaxExtrema = 200;

// Every local minimum (maximum) of f in [lo, hi], left to right, each once; at most
// kMaxExtrema of them.
std::vector<Extremum> Minima(const SampledFunction& f, Extended lo, Extended hi);
std::vector<Extremum> Maxima(const SampledFunction& f, Extended lo, Extended hi);

}  // namespace zarnix
