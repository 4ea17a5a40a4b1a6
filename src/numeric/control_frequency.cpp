// Bode and Nyquist tables through the complex evaluator, and margins by three-point parabolas
// on the tables.
#include "numeric/control_frequency.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "numeric/ode_category.h"
#include "numeric/spline.h"

namespace zarnix {

namespace {

constexpr const char* kBadRange = "频率范围应写成\"起始频率~终止频率;点数\"，例如0.1~10;100";
constexpr std::size_t kCoefficients = 8;
constexpr Extended kNoJumpLimit = std::numeric_limits<Extended>::infinity();
// Two neighbouring phases further apart than this are the phase wrapping round, not a crossing.
constexpr Extended kWrapJump = 180;

// `name` as a whole identifier replaced by `letter`.
std::string ReplaceName(std::string_view text, const std::string& name, char letter) {
  std::vector<std::string> names(static_cast<std::size_t>(letter - 'a') + 1);
  names.back() = name;
  return ReplaceParameterNames(text, names);
}

int Direction(Extended from, Extended to) {
  return from < to ? 1 : (from > to ? -1 : 0);
}

// A table read as y over x, with the phase table that says where it wraps.
struct Curve {
  std::span<const Extended> x, y, phase;

  std::size_t Size() const { return x.size(); }
  // Whether the step k → k+1 continues a run in direction `dir` without a phase wrap.
  bool Smooth(std::size_t k, int dir) const {
    return Direction(x[k], x[k + 1]) == dir && std::fabs(phase[k + 1] - phase[k]) <= kWrapJump;
  }
  bool WholeRun() const {
    if (Size() < 3) return false;
    const int dir = Direction(x[0], x[1]);
    for (std::size_t k = 0; k + 1 < Size(); ++k)
      if (dir == 0 || !Smooth(k, dir)) return false;
    return true;
  }
};

// y at x = t by the parabola over the run around the interval [i, i + 1].
Extended InterpolateAround(const Curve& c, Extended t, std::size_t i) {
  const int dir = Direction(c.x[i], c.x[i + 1]);
  if (dir == 0) return c.y[i];
  std::size_t low = i, high = i + 1;
  while (low > 0 && c.Smooth(low - 1, dir)) --low;
  while (high + 1 < c.Size() && c.Smooth(high, dir)) ++high;
  const std::size_t count = high - low + 1;
  if (count >= 3)
    return ParabolicInterpolation(c.x.subspan(low, count), c.y.subspan(low, count), t);
  return c.y[i] + (t - c.x[i]) * (c.y[i + 1] - c.y[i]) / (c.x[i + 1] - c.x[i]);
}

// Where the curve's x passes `level`: the first interval that brackets it (steps larger than
// `jumpLimit` are no crossing), else the whole table's parabola when it is one run.
MarginValue Crossing(const Curve& c, Extended level, Extended jumpLimit) {
  for (std::size_t i = 0; i + 1 < c.Size(); ++i) {
    const Extended a = c.x[i] - level, b = c.x[i + 1] - level;
    const bool brackets = (a <= 0 && b >= 0) || (a >= 0 && b <= 0);
    if (brackets && c.x[i] != c.x[i + 1] && std::fabs(c.x[i + 1] - c.x[i]) <= jumpLimit)
      return {MarginStatus::kMeasured, InterpolateAround(c, level, i), i};
  }
  if (!c.WholeRun()) return {};
  return {MarginStatus::kExtrapolated, ParabolicInterpolation(c.x, c.y, level), 0};
}

// The curve's y at the abscissa found by `at`, measured or extrapolated as `at` was.
MarginValue ValueAt(const Curve& c, const MarginValue& at) {
  switch (at.status) {
    case MarginStatus::kMeasured:
      return {at.status, InterpolateAround(c, at.value, at.bracket), at.bracket};
    case MarginStatus::kExtrapolated:
      if (!c.WholeRun()) return {};
      return {at.status, ParabolicInterpolation(c.x, c.y, at.value), 0};
    case MarginStatus::kNone:
      return {};
  }
  return {};
}

MarginValue Shifted(MarginValue v, Extended scale, Extended offset) {
  v.value = scale * v.value + offset;
  return v;
}

}  // namespace

FrequencyRange ParseFrequencyRange(std::string_view text) {
  const std::size_t tilde = text.find('~');
  const std::size_t semicolon = text.find(';', tilde == std::string_view::npos ? 0 : tilde);
  if (tilde == std::string_view::npos || semicolon == std::string_view::npos)
    throw Exception(kBadRange);
  FrequencyRange range;
  range.first = StrToFloat(text.substr(0, tilde));
  range.last = StrToFloat(text.substr(tilde + 1, semicolon - tilde - 1));
  range.points = StrToInt(Trim(text.substr(semicolon + 1)));
  return range;
}

std::vector<Extended> Frequencies(const FrequencyRange& range) {
  std::vector<Extended> omega(range.points < 0 ? 0 : range.points);
  const Extended step = (range.last - range.first) / (range.points - 1);
  for (std::size_t i = 0; i < omega.size(); ++i) omega[i] = range.first + i * step;
  return omega;
}

std::string TransferFunctionFormula(const std::vector<std::string>& factors,
                                    const std::vector<std::string>& names) {
  std::string joined;
  for (const std::string& factor : factors) joined += "(" + factor + ")*";
  if (!joined.empty()) joined.pop_back();
  const std::string inX = ReplaceName(ReplaceName(joined, "S", 'x'), "s", 'x');
  return ReplaceParameterNames(inX, names);
}

Extended GainDb(Extended re, Extended im) {
  return 20 * std::log10(std::sqrt(re * re + im * im));
}

Extended PhaseDegrees(Extended re, Extended im) {
  const Extended degrees = std::atan2(im, re) * 180 / std::numbers::pi_v<Extended>;
  return degrees > 0 ? degrees - 360 : degrees;
}

bool EvaluateFrequencyResponse(EvalServices services, std::string_view formula,
                               std::span<const Extended> coefficients,
                               std::span<const Extended> omega, FrequencyResponse& response) {
  std::vector<Extended> c(coefficients.begin(), coefficients.end());
  c.resize(std::max(c.size(), kCoefficients), 0);
  response.omega.assign(omega.begin(), omega.end());
  response.re.assign(omega.size(), 0);
  response.im.assign(omega.begin(), omega.end());
  if (!EvalComplexFormulaTable(services, formula, c, response.re, response.im)) return false;
  FpFaultScope scope;
  response.gainDb.resize(omega.size());
  response.phase.resize(omega.size());
  for (std::size_t i = 0; i < omega.size(); ++i) {
    response.gainDb[i] = GainDb(response.re[i], response.im[i]);
    response.phase[i] = PhaseDegrees(response.re[i], response.im[i]);
  }
  CheckFpFaults();
  return true;
}

StabilityMargins MarginsOf(const FrequencyResponse& r) {
  const Curve omegaOverGain{r.gainDb, r.omega, r.phase};
  const Curve phaseOverOmega{r.omega, r.phase, r.phase};
  const Curve omegaOverPhase{r.phase, r.omega, r.phase};
  const Curve gainOverOmega{r.omega, r.gainDb, r.phase};
  StabilityMargins m;
  m.gainCrossover = Crossing(omegaOverGain, 0, kNoJumpLimit);
  m.phaseMargin = Shifted(ValueAt(phaseOverOmega, m.gainCrossover), 1, 180);
  m.phaseCrossover = Crossing(omegaOverPhase, -180, kWrapJump);
  m.gainMargin = Shifted(ValueAt(gainOverOmega, m.phaseCrossover), -1, 0);
  return m;
}

}  // namespace zarnix
