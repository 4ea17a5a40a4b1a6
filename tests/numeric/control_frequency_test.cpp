// Bode and Nyquist tables against closed forms and scipy's freqresp, and the margins against
// crossings solved exactly, including tables that never cross, turn round or wrap.
#include "numeric/control_frequency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/errors.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "reference_file.h"

namespace zarnix {
namespace {

using Complex = std::complex<long double>;
constexpr Extended kDegrees = 180 / std::numbers::pi_v<Extended>;

class ControlFrequency : public ::testing::Test {
 protected:
  FrequencyResponse Response(const std::vector<std::string>& factors, const std::string& range,
                             const std::vector<std::string>& names = {},
                             const std::vector<Extended>& values = {}) {
    FrequencyResponse r;
    EXPECT_TRUE(EvaluateFrequencyResponse({ui, clock, random},
                                          TransferFunctionFormula(factors, names), values,
                                          Frequencies(ParseFrequencyRange(range)), r));
    return r;
  }

  ScriptedUi ui;
  ManualClock clock{0.25};
  LcgRandom random;
};

// The root of f in [low, high] (f changes sign there) to extended precision.
Extended Root(const std::function<Extended(Extended)>& f, Extended low, Extended high) {
  const bool rising = f(low) < 0;
  for (int i = 0; i < 200; ++i) {
    const Extended mid = (low + high) / 2;
    ((f(mid) < 0) == rising ? low : high) = mid;
  }
  return (low + high) / 2;
}

TEST_F(ControlFrequency, RangeFormulaAndPhaseConventions) {
  const FrequencyRange range = ParseFrequencyRange("0.1~10;100");
  EXPECT_EQ(range.points, 100);
  const std::vector<Extended> omega = Frequencies(range);
  EXPECT_EQ(omega.front(), 0.1L);
  EXPECT_NEAR(omega.back(), 10, 1e-17);
  EXPECT_EQ(Frequencies(ParseFrequencyRange("5~1; 3")), (std::vector<Extended>{5, 3, 1}));
  EXPECT_THROW(ParseFrequencyRange("0.1;10~100"), Exception);
  EXPECT_THROW(ParseFrequencyRange("0.1~10;1.5"), EConvertError);
  // S and the parameters only where they stand as whole names.
  EXPECT_EQ(TransferFunctionFormula({"K/S", "1/(T*s+1)"}, {"K", "T"}), "(a/x)*(1/(b*x+1))");
  EXPECT_EQ(TransferFunctionFormula({"exp(-Ts*S)*abs(S)", "sin(s)"}, {"Ts"}),
            "(exp(-a*x)*abs(x))*(sin(x))");
  // The phase lies in (-360, 0]: a real positive G is 0, not -360.
  EXPECT_EQ(PhaseDegrees(1, 0), 0);
  EXPECT_NEAR(PhaseDegrees(-1, 0), -180, 1e-15);
  EXPECT_NEAR(PhaseDegrees(0, 1), -270, 1e-15);
}

TEST_F(ControlFrequency, IntegratorAndLagMatchTheirClosedForms) {
  const FrequencyResponse r = Response({"1/S", "1/(S+1)"}, "0.1~10;100");
  ASSERT_EQ(r.omega.size(), 100u);
  for (std::size_t i = 0; i < r.omega.size(); ++i) {
    const Extended w = r.omega[i];
    ASSERT_NEAR(r.gainDb[i], -20 * std::log10(w * std::sqrt(1 + w * w)), 1e-12) << w;
    ASSERT_NEAR(r.phase[i], -90 - std::atan(w) * kDegrees, 1e-12) << w;
    ASSERT_NEAR(r.re[i], -1 / (1 + w * w), 1e-15);
    ASSERT_NEAR(r.im[i], -1 / (w * (1 + w * w)), 1e-15);
  }
  // L crosses 0 dB where w^4 + w^2 = 1; the phase never reaches -180 degrees, so the
  // parabola through the table's last points stands in for the crossing.
  const StabilityMargins m = MarginsOf(r);
  const Extended wc = std::sqrt((std::sqrt(5.0L) - 1) / 2);
  EXPECT_EQ(m.gainCrossover.status, MarginStatus::kMeasured);
  EXPECT_NEAR(m.gainCrossover.value, wc, 2e-4);
  EXPECT_NEAR(m.gainCrossover.value, 0.786, 5e-4);
  EXPECT_EQ(m.phaseMargin.status, MarginStatus::kMeasured);
  EXPECT_NEAR(m.phaseMargin.value, 90 - std::atan(wc) * kDegrees, 1e-2);
  EXPECT_NEAR(m.phaseMargin.value, 51.8, 0.05);
  EXPECT_EQ(m.phaseCrossover.status, MarginStatus::kExtrapolated);
  EXPECT_GT(m.phaseCrossover.value, 10);
  EXPECT_EQ(m.gainMargin.status, MarginStatus::kExtrapolated);
}

TEST_F(ControlFrequency, ThirdOrderLoopMargins) {
  const FrequencyResponse r =
      Response({"K/S", "1/(S+1)", "1/(T*S+1)"}, "0.1~5;200", {"K", "T"}, {1, 0.5});
  const StabilityMargins m = MarginsOf(r);
  // Phase crossover where w·0.5w = 1; |G| = 1/3 there.
  EXPECT_EQ(m.phaseCrossover.status, MarginStatus::kMeasured);
  EXPECT_NEAR(m.phaseCrossover.value, std::sqrt(2.0L), 1e-5);
  EXPECT_NEAR(m.gainMargin.value, 20 * std::log10(3.0L), 1e-4);
  const Extended wc =
      Root([](Extended w) { return w * w * (1 + w * w) * (1 + w * w / 4) - 1; }, 0.1, 5);
  EXPECT_NEAR(m.gainCrossover.value, wc, 1e-5);
  EXPECT_NEAR(m.phaseMargin.value, 90 - (std::atan(wc) + std::atan(wc / 2)) * kDegrees, 1e-3);
}

// 5(0.5s + 1)/((s + 1)(0.2s + 1)(s^2 + 0.4s + 4)): a resonance makes L rise and fall, so
// the margins come from the runs around each crossing, not from the whole table.
TEST_F(ControlFrequency, ResonantLoopAgreesWithFreqrespAndExactCrossings) {
  const FrequencyResponse r = Response({"K*(T1*S+1)", "1/(S+1)", "1/(0.2*s+1)", "1/(S^2+0.4*S+4)"},
                                       "0.1~10;100", {"K", "T1"}, {5, 0.5});
  int found = 0;
  for (const ReferenceBlock& ref : ReadReference("control_reference.txt")) {
    if (!ref.Has("omega")) continue;
    ++found;
    const std::vector<Extended>& re = ref.Numbers("re");
    const std::vector<Extended>& im = ref.Numbers("im");
    ASSERT_EQ(re.size(), r.re.size());
    for (std::size_t i = 0; i < re.size(); ++i) {
      EXPECT_TRUE(Near(r.re[i], re[i], 1e-12)) << i;
      EXPECT_TRUE(Near(r.im[i], im[i], 1e-12)) << i;
    }
  }
  EXPECT_EQ(found, 1);

  const auto g = [](Extended w) {
    const Complex s(0, w);
    return 5.0L * (0.5L * s + 1.0L) / ((s + 1.0L) * (0.2L * s + 1.0L) * (s * s + 0.4L * s + 4.0L));
  };
  const auto gain = [&](Extended w) { return 20 * std::log10(std::abs(g(w))); };
  const auto phase = [&](Extended w) { return PhaseDegrees(g(w).real(), g(w).imag()); };
  const StabilityMargins m = MarginsOf(r);
  // L dips, rises to the resonance peak and only then falls through 0 dB; the phase passes
  // -180 degrees on the steep side of the peak. Both come from a parabola on a 0.1 grid.
  const Extended wc = Root(gain, 2.3, 3.0);
  const Extended wg = Root([&](Extended w) { return phase(w) + 180; }, 2.0, 3.0);
  EXPECT_EQ(m.gainCrossover.status, MarginStatus::kMeasured);
  EXPECT_NEAR(m.gainCrossover.value, wc, 2e-3);
  EXPECT_NEAR(m.phaseMargin.value, phase(wc) + 180, 0.1);
  EXPECT_LT(m.phaseMargin.value, 0);  // the loop is unstable
  EXPECT_EQ(m.phaseCrossover.status, MarginStatus::kMeasured);
  EXPECT_NEAR(m.phaseCrossover.value, wg, 5e-3);
  EXPECT_NEAR(m.gainMargin.value, -gain(wg), 0.15);
}

TEST_F(ControlFrequency, PhaseWrapIsNoCrossing) {
  // 1/(s+1)^5 passes -180 degrees at tan 36°, and wraps from -360 to 0 at tan 72°.
  const std::vector<std::string> fifth(5, "1/(S+1)");
  const StabilityMargins full = MarginsOf(Response(fifth, "0.1~10;100"));
  EXPECT_EQ(full.phaseCrossover.status, MarginStatus::kMeasured);
  EXPECT_NEAR(full.phaseCrossover.value, std::tan(std::numbers::pi_v<Extended> / 5), 3e-4);
  const StabilityMargins wrapped = MarginsOf(Response(fifth, "2~10;81"));
  EXPECT_EQ(wrapped.phaseCrossover.status, MarginStatus::kNone);
  EXPECT_EQ(wrapped.gainMargin.status, MarginStatus::kNone);
  // Without a crossing a table that turns round cannot be extrapolated either.
  const StabilityMargins peak = MarginsOf(Response({"0.1/(S^2+0.2*S+1)"}, "0.1~3;30"));
  EXPECT_EQ(peak.gainCrossover.status, MarginStatus::kNone);
  EXPECT_EQ(peak.phaseMargin.status, MarginStatus::kNone);
}

}  // namespace
}  // namespace zarnix
