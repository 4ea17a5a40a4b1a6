// Speed of the complex formula compiler and of the evaluation wrappers: runs of compiled
// complex formulas against hand-written std::complex code, and compile-once handles against
// the per-call wrappers that compile on every call.
#include <benchmark/benchmark.h>

#include <complex>
#include <vector>

#include "base/clock.h"
#include "base/random.h"
#include "base/scripted_ui.h"
#include "expr/eval_wrappers.h"
#include "expr/tcompile_complex.h"

namespace {

// A frequency response G(s) at s = i w.
const char* const kResponse = "(a*x+b)/(x*x+c*x+d)";
const char* const kMixed = "exp(x)*sin(x)+sqrt(x*x+1)-ln(x+2)/(x+i)";

std::vector<std::complex<long double>> Arguments() {
  std::vector<std::complex<long double>> xs(1024);
  for (std::size_t k = 0; k < xs.size(); ++k) xs[k] = {0.001L * k, 1 + 0.002L * k};
  return xs;
}

void RunComplex(benchmark::State& state, const char* formula) {
  zarnix::TCompileComplex c;
  if (!c.SetFormula(formula)) {
    state.SkipWithError("compile error");
    return;
  }
  for (const char* name : {"a", "b", "c", "d"}) {
    if (auto* slot = c.ParameterAddress(name)) *slot = {2, 0};
  }
  zarnix::ComplexValue* x = c.ParameterAddress("x");
  const auto xs = Arguments();
  std::size_t i = 0;
  for (auto _ : state) {
    const auto& v = xs[i++ & 1023];
    *x = {v.real(), v.imag()};
    benchmark::DoNotOptimize(c.CodeEntry());
  }
  state.SetItemsProcessed(state.iterations());
}

void RunNativeResponse(benchmark::State& state) {
  const auto xs = Arguments();
  volatile long double coefficient = 2;
  std::size_t i = 0;
  for (auto _ : state) {
    const std::complex<long double> x = xs[i++ & 1023];
    const long double a = coefficient;
    benchmark::DoNotOptimize((a * x + a) / (x * x + a * x + a));
  }
  state.SetItemsProcessed(state.iterations());
}

void RunNativeMixed(benchmark::State& state) {
  const auto xs = Arguments();
  const std::complex<long double> i1{0, 1};
  std::size_t i = 0;
  for (auto _ : state) {
    const std::complex<long double> x = xs[i++ & 1023];
    benchmark::DoNotOptimize(std::exp(x) * std::sin(x) + std::sqrt(x * x + 1.0L) -
                             std::log(x + 2.0L) / (x + i1));
  }
  state.SetItemsProcessed(state.iterations());
}

// 1000 points of a table through the table wrapper (one compilation).
void TableWrapper(benchmark::State& state) {
  zarnix::ScriptedUi ui;
  zarnix::ManualClock clock;
  zarnix::LcgRandom random;
  const std::vector<long double> c = {1, 2, 3, 4, 0, 0, 0, 0};
  std::vector<long double> re(1000), im(1000);
  for (auto _ : state) {
    for (std::size_t k = 0; k < re.size(); ++k) {
      re[k] = 0;
      im[k] = 0.01L * k;
    }
    zarnix::EvalComplexFormulaTable({ui, clock, random}, kResponse, c, re, im);
    benchmark::DoNotOptimize(re.data());
  }
  state.SetItemsProcessed(state.iterations() * 1000);
}

// One real formula evaluated repeatedly: compiled per call, or once through a handle.
const char* const kReal = "a*x^3+b*x^2-sin(x)+c";

void RealPerCall(benchmark::State& state) {
  zarnix::ScriptedUi ui;
  zarnix::ManualClock clock;
  zarnix::LcgRandom random;
  const std::vector<long double> abc = {1, 2, 3};
  long double x = 0, result = 0;
  for (auto _ : state) {
    zarnix::EvalFormulaXYZ({ui, clock, random}, kReal, abc, x, 0, 0, result);
    x += 0.001L;
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations());
}

void RealHandle(benchmark::State& state) {
  zarnix::ScriptedUi ui;
  zarnix::ManualClock clock;
  zarnix::LcgRandom random;
  zarnix::RealFormula formula({ui, clock, random}, kReal);
  const std::vector<long double> abc = {1, 2, 3};
  long double x = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(formula.EvaluateXYZ(abc, x, 0, 0));
    x += 0.001L;
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK_CAPTURE(RunComplex, Response, kResponse);
BENCHMARK_CAPTURE(RunComplex, Mixed, kMixed);
BENCHMARK(RunNativeResponse);
BENCHMARK(RunNativeMixed);
BENCHMARK(TableWrapper);
BENCHMARK(RealPerCall);
BENCHMARK(RealHandle);
