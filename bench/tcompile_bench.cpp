// Speed of the real formula compiler: compile once, run many times with x changing every run,
// a = 2 and b = 3. muparser (double precision) runs the same formulas as a reference.
#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "expr/tcompile.h"

namespace {

const char* const kF1 = "sin(x)^2+max(a,b)/3";
const char* const kF2 = "a*x^3+b*x^2-x+1";
const char* const kF3 = "sqrt(x*x+1)*exp(-x/10)+ln(x+2)";
const char* const kF4 =
    "(x+a)*(x-b)/(a+1)+sin(x)^2-cos(a*x)+sqrt(x*x+b)*exp(-x/a)-ln(a+x)/(b+x)+x^3-a*x^2+b*x"
    "-(x+1)^2/(a*b)+tan(x/3)*a-abs(x-b)+max(x,a)-min(x,b)";
const char* const kF5 = "if(x>0.5,x*2,x/2)";
const char* const kF5MuParser = "x>0.5 ? x*2 : x/2";

// Arguments with full 64-bit mantissas in [0, 1).
std::vector<long double> Arguments() {
  std::vector<long double> xs(1024);
  long double v = 0.123456789L;
  for (long double& x : xs) {
    v += 0.6180339887498948482L;
    v -= std::floor(v);
    x = v;
  }
  return xs;
}

void RunTCompile(benchmark::State& state, const char* formula) {
  zarnix::TCompile c;
  if (!c.SetFormula(formula)) {
    state.SkipWithError("compile error");
    return;
  }
  if (auto* a = c.ParameterAddress("a")) *a = 2;
  if (auto* b = c.ParameterAddress("b")) *b = 3;
  long double* x = c.ParameterAddress("x");
  const std::vector<long double> xs = Arguments();
  std::size_t i = 0;
  for (auto _ : state) {
    // Copy the bytes: moving a long double through the x87 stack costs more than a run.
    std::memcpy(x, &xs[i++ & 1023], sizeof(long double));
    benchmark::DoNotOptimize(c.CodeEntry());
  }
  state.SetItemsProcessed(state.iterations());
}

void RunMuParser(benchmark::State& state, const char* formula) {
  double a = 2, b = 3, x = 0;
  mu::Parser p;
  p.DefineVar("a", &a);
  p.DefineVar("b", &b);
  p.DefineVar("x", &x);
  p.SetExpr(formula);
  const std::vector<long double> xs = Arguments();
  std::size_t i = 0;
  for (auto _ : state) {
    x = static_cast<double>(xs[i++ & 1023]);
    benchmark::DoNotOptimize(p.Eval());
  }
  state.SetItemsProcessed(state.iterations());
}

// Hand-written long double code on the C library's functions, for F1 and F3.
void RunNativeF1(benchmark::State& state) {
  const std::vector<long double> xs = Arguments();
  volatile long double a = 2, b = 3;
  std::size_t i = 0;
  for (auto _ : state) {
    const long double x = xs[i++ & 1023];
    const long double s = sinl(x);
    benchmark::DoNotOptimize(s * s + fmaxl(a, b) / 3);
  }
  state.SetItemsProcessed(state.iterations());
}

void RunNativeF3(benchmark::State& state) {
  const std::vector<long double> xs = Arguments();
  std::size_t i = 0;
  for (auto _ : state) {
    const long double x = xs[i++ & 1023];
    benchmark::DoNotOptimize(sqrtl(x * x + 1) * expl(-x / 10) + logl(x + 2));
  }
  state.SetItemsProcessed(state.iterations());
}

void CompileF4(benchmark::State& state) {
  for (auto _ : state) {
    zarnix::TCompile c;
    benchmark::DoNotOptimize(c.SetFormula(kF4));
  }
}

}  // namespace

BENCHMARK_CAPTURE(RunTCompile, F1, kF1);
BENCHMARK_CAPTURE(RunTCompile, F2, kF2);
BENCHMARK_CAPTURE(RunTCompile, F3, kF3);
BENCHMARK_CAPTURE(RunTCompile, F4, kF4);
BENCHMARK_CAPTURE(RunTCompile, F5, kF5);
BENCHMARK_CAPTURE(RunMuParser, F1, kF1);
BENCHMARK_CAPTURE(RunMuParser, F2, kF2);
BENCHMARK_CAPTURE(RunMuParser, F3, kF3);
BENCHMARK_CAPTURE(RunMuParser, F4, kF4);
BENCHMARK_CAPTURE(RunMuParser, F5, kF5MuParser);
BENCHMARK(RunNativeF1);
BENCHMARK(RunNativeF3);
BENCHMARK(CompileF4);
