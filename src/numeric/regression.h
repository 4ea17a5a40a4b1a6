// Least-squares fit of a formula written as a sum of terms: each "+"-separated term is one
// basis function carrying one coefficient letter (a, b, c, ... in term order).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/tree_eval.h"

namespace zarnix {

// The fit holds at most this many terms.
inline constexpr int kMaxFitTerms = 8;

// Values of the status slot that follows the coefficients.
inline constexpr Extended kFitOk = 0;
inline constexpr Extended kFitSingular = -1;      // the normal matrix has no usable pivot
inline constexpr Extended kFitTooManyTerms = -2;  // more than kMaxFitTerms terms

// Number of "+"-separated terms of a formula ("a-b*x" is one term).
int CountTerms(std::string_view formula);

// Least-squares coefficients for y ≈ Σ coef[k]·basis[k][i]: the normal equations solved by
// Gauss-Jordan elimination with complete pivoting. The result holds one coefficient per basis
// row, then the status slot (kFitOk or kFitSingular; the coefficients are then undefined).
[[nodiscard]] std::vector<Extended> SolveNormalEquations(
    std::span<const Extended> y, const std::vector<std::vector<Extended>>& basis);

// Fits the formula's terms to the points. Each term is evaluated at every x with the letters
// a ... i bound to 1; x and y values of exactly 0 or 1 are nudged by 1e-9 first. The result
// holds one coefficient per term, then the status slot (kFitTooManyTerms for more than
// kMaxFitTerms terms, without evaluating anything).
[[nodiscard]] std::vector<Extended> FitByTerms(EvalServices services, std::string_view formula,
                                               std::span<const Extended> x,
                                               std::span<const Extended> y);

// Three forms are fitted as "a+b*x" on transformed points (shift ε = 1e-9): "a*x^b" on
// (ln x, ln y), whose first coefficient is then e^a; "1/(a+b*x)" on (x, 1/y); "x/(a*x+b)" on
// (1/x, 1/y).
inline constexpr const char* kLinearForm = "a+b*x";
inline constexpr const char* kPowerForm = "a*x^b";
inline constexpr const char* kReciprocalForm = "1/(a+b*x)";
inline constexpr const char* kRationalForm = "x/(a*x+b)";
inline constexpr Extended kLinearisingShift = 1e-9L;

// The text to fit and the points to fit it on.
struct FitInput {
  std::string text;
  std::vector<Extended> x;
  std::vector<Extended> y;
};

// For `form` equal to one of the three forms: "a+b*x" and the transformed points; otherwise
// `text` on the points as they are.
FitInput LinearisedFit(std::string_view form, std::string_view text, std::span<const Extended> x,
                       std::span<const Extended> y);

// How well predicted values follow the points, for a formula of m terms: with
// SSE = Σ(ŷ − y)², St = Σy² − (Σy)²/n and D = |St − SSE|, the correlation index
// R = √(D / (SSE + D)) and the dispersion C = √(SSE / (n − m)).
struct FitGoodness {
  Extended r = 0;
  Extended c = 0;
};
FitGoodness GoodnessOfFit(std::span<const Extended> predicted, std::span<const Extended> y, int m);

}  // namespace zarnix
