// Frequency response of a transfer function written in S: the Bode table (L in dB, φ in
// (−360°, 0°]), the Nyquist table, and the stability margins read off the tables.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/eval_wrappers.h"

namespace zarnix {

struct FrequencyRange {
  Extended first = 0;
  Extended last = 0;
  int points = 0;
};

// "ω1~ω2;N", the numbers by the strict conversions; an Exception when "~" or ";" is missing.
FrequencyRange ParseFrequencyRange(std::string_view text);

// ω_i = ω1 + i·(ω2 − ω1)/(N − 1) for i = 0 … N − 1 (N ≥ 2).
std::vector<Extended> Frequencies(const FrequencyRange& range);

// The factors joined as "(f1)*(f2)*…", with S (either case) replaced by x and the parameter
// names by the letters a, b, … in their order; both only where they stand as whole names, so
// "sin", "abs" or a parameter "Ts" keep their letters.
std::string TransferFunctionFormula(const std::vector<std::string>& factors,
                                    const std::vector<std::string>& names);

struct FrequencyResponse {
  std::vector<Extended> omega;
  std::vector<Extended> re, im;  // G(jω)
  std::vector<Extended> gainDb;  // 20·log10|G|
  std::vector<Extended> phase;   // arg G in degrees, within (−360, 0]
};

// 20·log10|G| and arg G in degrees moved into (−360, 0].
Extended GainDb(Extended re, Extended im);
Extended PhaseDegrees(Extended re, Extended im);

// G(jω) for every ω of the range with a … h = coefficients (8 values), then L and φ. False
// when the formula did not compile (its message has been shown).
bool EvaluateFrequencyResponse(EvalServices services, std::string_view formula,
                               std::span<const Extended> coefficients,
                               std::span<const Extended> omega, FrequencyResponse& response);

enum class MarginStatus {
  kMeasured,      // the crossing lies between two points of the table
  kExtrapolated,  // no crossing in the table; the parabola through its end points
  kNone,          // no crossing, and the table cannot be extrapolated
};

struct MarginValue {
  MarginStatus status = MarginStatus::kNone;
  Extended value = 0;
  std::size_t bracket = 0;  // for a measured crossing: the first point of its interval
};

struct StabilityMargins {
  MarginValue gainCrossover;   // ω_c where L = 0
  MarginValue phaseMargin;     // φ(ω_c) + 180
  MarginValue phaseCrossover;  // ω_g where φ = −180
  MarginValue gainMargin;      // −L(ω_g)
};

// Each crossing by the parabola through three neighbouring points (ParabolicInterpolation)
// over the run of the table around the first interval that brackets it, the run ending where
// the abscissa turns or the phase wraps round; without a bracketing interval the whole table
// is extrapolated when it is such a run.
StabilityMargins MarginsOf(const FrequencyResponse& response);

}  // namespace zarnix
