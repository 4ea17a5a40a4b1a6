// Probabilities of the higher-mathematics category: normal, binomial and hypergeometric
// probabilities, drawing and birthday problems, and the Pearson type III frequency curve.
// Counts beyond what a product of factorials can hold go through logarithms, so a large count
// gives its probability rather than an overflow or a zero.
#pragma once

#include <array>
#include <cstdint>

#include "base/extended.h"

namespace zarnix {

// Counts are whole numbers; a count that does not fit with the others (negative, more drawn
// than there are) throws EHigherMathError (numeric/higher_math_functions.h), as does a
// probability outside [0, 1].

// ∫_lower^upper of the normal density with this mean and standard deviation, through the
// error function. A zero deviation divides by zero; a negative one throws.
Extended NormalProbability(Extended mean, Extended deviation, Extended lower, Extended upper);
// The normal density at x.
Extended NormalDensity(Extended mean, Extended deviation, Extended x);

// C(n, k) p^k (1 − p)^(n−k); 0 for k < 0 or k > n.
Extended BinomialProbability(std::int64_t n, std::int64_t k, Extended p);
// Probability of at least k successes in n trials: Σ_{i=0}^{n−k} C(n, i) p^(n−i) (1 − p)^i.
Extended AtLeastSuccessesProbability(std::int64_t n, std::int64_t k, Extended p);

// (Σ_{i=0}^{t} C(b − i, m)) / C(b, m) / (t + 1): the mean, over i = 0 … t, of the probability
// that m of b things drawn at random miss i given ones.
Extended MeanMissProbability(std::int64_t b, std::int64_t m, std::int64_t t);

// Σ_{i>=lowest} C(marked, i) C(population − marked, drawn − i) / C(population, drawn): at
// least `lowest` marked ones among `drawn` taken from the population.
Extended HypergeometricTail(std::int64_t population, std::int64_t marked, std::int64_t drawn,
                            std::int64_t lowest);

// 1 / (t (t−1) … (t−m+1)) = C(m, m) C(t − m, 0) / C(t, m) / m!: m given things drawn from t
// in one given order.
Extended OrderedDrawProbability(std::int64_t t, std::int64_t m);

// n! / ((n − k)! n^k): k draws with replacement from n possibilities all differ.
Extended AllDifferentProbability(std::int64_t k, std::int64_t n);
// 1 − 365! / ((365 − k)! 365^k): two of k people share a birthday.
Extended BirthdayProbability(std::int64_t k);
// (f + 1) (f!)² / (2f − 1)! / 2 = f (f + 1) / C(2f, f), for f >= 1.
Extended CentralBinomialRatio(std::int64_t f);

// The exceedance percentages at which the Pearson type III curve is tabulated.
inline constexpr std::array<Extended, 15> kPearsonPercents = {
    0.01L, 0.1L, 1, 3, 5, 10, 25, 50, 75, 90, 95, 97, 99, 99.9L, 99.99L};

struct PearsonPoint {
  Extended percent;  // exceedance probability in percent
  Extended x;
};

// The Pearson type III curve with mean x̄, variation Cv and skew Cs (Cs >= 2 Cv): the value
// exceeded with each probability of kPearsonPercents. The shape α = 4/Cs², the scale
// β = 2/(x̄ Cv Cs) and the origin a0 = x̄ (1 − 2 Cv/Cs); each x solves
// Q(α, β (x − a0)) = percent / 100 with the regularised incomplete gamma function.
std::array<PearsonPoint, 15> PearsonIIICurve(Extended mean, Extended cv, Extended cs);
// Whether Cs is too small for the curve (below 2 Cv).
bool PearsonSkewTooSmall(Extended cv, Extended cs);

}  // namespace zarnix
