// Speed of the digit-text arithmetic on its heaviest jobs, with Python 3's integers timed on
// the same jobs in the same run (BM_PythonReference, counters in microseconds) for comparison.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <sstream>
#include <string>

#include "discrete/bignum/big_decimal.h"
#include "discrete/bignum/big_integer.h"

namespace {

using namespace zarnix;

std::string RandomDigits(int length, unsigned seed) {
  std::mt19937 rng(seed);
  std::string s(1, static_cast<char>('1' + rng() % 9));
  while (static_cast<int>(s.size()) < length) s.push_back(static_cast<char>('0' + rng() % 10));
  return s;
}

std::string NumberList(int last) {
  std::string list = "1";
  for (int i = 2; i <= last; ++i) list += ";" + std::to_string(i);
  return list;
}

void BM_Factorial10000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BigFactorial(10000));
}
BENCHMARK(BM_Factorial10000)->Unit(benchmark::kMillisecond);

void BM_TwoToThe300000(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(BigPower("2", 300000, 0));
}
BENCHMARK(BM_TwoToThe300000)->Unit(benchmark::kMillisecond);

void BM_OneSeventhTo20000Digits(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(DecimalDivide("1", "7", 20000));
}
BENCHMARK(BM_OneSeventhTo20000Digits)->Unit(benchmark::kMillisecond);

void BM_Base36RoundTrip5000Digits(benchmark::State& state) {
  const std::string s = RandomDigits(5000, 1);
  for (auto _ : state) benchmark::DoNotOptimize(FromBase(ToBase(s, 36), 36));
}
BENCHMARK(BM_Base36RoundTrip5000Digits)->Unit(benchmark::kMillisecond);

void BM_SqrtDigits2000Digits(benchmark::State& state) {
  const std::string s = RandomDigits(2000, 2);
  for (auto _ : state) benchmark::DoNotOptimize(BigSqrtDigits(s));
}
BENCHMARK(BM_SqrtDigits2000Digits)->Unit(benchmark::kMicrosecond);

void BM_Root2000Digits(benchmark::State& state) {
  const std::string s = RandomDigits(2000, 2);
  for (auto _ : state) benchmark::DoNotOptimize(BigRoot(s, 2, 0));
}
BENCHMARK(BM_Root2000Digits)->Unit(benchmark::kMicrosecond);

void BM_LcmOf1To2000(benchmark::State& state) {
  const std::string list = NumberList(2000);
  for (auto _ : state) benchmark::DoNotOptimize(BigLcmList(list));
}
BENCHMARK(BM_LcmOf1To2000)->Unit(benchmark::kMillisecond);

void BM_Multiply4000By4000Digits(benchmark::State& state) {
  const std::string a = RandomDigits(4000, 3);
  const std::string b = RandomDigits(4000, 4);
  for (auto _ : state) benchmark::DoNotOptimize(BigMultiply(a, b));
}
BENCHMARK(BM_Multiply4000By4000Digits)->Unit(benchmark::kMicrosecond);

// Further heavy jobs of the categories, without a target of their own.
void BM_DivMod8000By4000Digits(benchmark::State& state) {
  const std::string a = RandomDigits(8000, 5);
  const std::string b = RandomDigits(4000, 6);
  for (auto _ : state) benchmark::DoNotOptimize(BigDivMod(a, b));
}
BENCHMARK(BM_DivMod8000By4000Digits)->Unit(benchmark::kMillisecond);

void BM_Gcd2000Digits(benchmark::State& state) {
  const std::string a = RandomDigits(2000, 7);
  const std::string b = RandomDigits(2000, 8);
  for (auto _ : state) benchmark::DoNotOptimize(BigGcd(a, b));
}
BENCHMARK(BM_Gcd2000Digits)->Unit(benchmark::kMillisecond);

void BM_PerfectNumber216091(benchmark::State& state) {
  for (auto _ : state) {
    const std::string mersenne = BigSubtract(BigPower("2", 216091, 0), "1");
    benchmark::DoNotOptimize(BigMultiply(BigPower("2", 216090, 0), mersenne));
  }
}
BENCHMARK(BM_PerfectNumber216091)->Unit(benchmark::kMillisecond);

void BM_ToBase36Of65534Digits(benchmark::State& state) {
  const std::string s = RandomDigits(65534, 9);
  for (auto _ : state) benchmark::DoNotOptimize(ToBase(s, 36));
}
BENCHMARK(BM_ToBase36Of65534Digits)->Unit(benchmark::kMillisecond);

// The same jobs with Python 3's integers, text in and text out as here (the base-36 writer
// is the usual divide-and-conquer one, Python having none built in). Each figure is the best
// of five timed repetitions, in microseconds of process CPU time
// (the machine is shared, so the C++ figures to compare with are the CPU column).
constexpr const char* kPythonScript = R"PY(
import sys, math, time, timeit, random, functools
if hasattr(sys, 'set_int_max_str_digits'):
    sys.set_int_max_str_digits(0)
DIG = '0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ'
def to_base(n, b):
    pw = [b ** 12]
    while pw[-1] * pw[-1] <= n:
        pw.append(pw[-1] * pw[-1])
    def emit(x, level, pad):
        if level < 0:
            s = ''
            while x:
                x, r = divmod(x, b)
                s = DIG[r] + s
            return s.rjust(12, '0') if pad else (s or '0')
        if not pad and x < pw[level]:
            return emit(x, level - 1, False)
        q, r = divmod(x, pw[level])
        return emit(q, level - 1, pad) + emit(r, level - 1, True)
    return emit(n, len(pw) - 1, False)
random.seed(1)
d5000 = str(random.randrange(10**4999, 10**5000))
d2000 = str(random.randrange(10**1999, 10**2000))
a4000 = str(random.randrange(10**3999, 10**4000))
b4000 = str(random.randrange(10**3999, 10**4000))
jobs = {
  'factorial_10000': lambda: str(math.factorial(10000)),
  'two_to_300000': lambda: str(2 ** 300000),
  'one_seventh_20000': lambda: str(10 ** 20000 // 7),
  'base36_round_trip_5000': lambda: str(int(to_base(int(d5000), 36), 36)),
  'isqrt_2000': lambda: (lambda n: (str(math.isqrt(n)), str(n - math.isqrt(n) ** 2)))(int(d2000)),
  'lcm_1_to_2000': lambda: str(functools.reduce(math.lcm, range(1, 2001))),
  'multiply_4000': lambda: str(int(a4000) * int(b4000)),
}
for name, job in jobs.items():
    t = timeit.Timer(job, timer=time.process_time)
    n, _ = t.autorange()
    best = min(t.repeat(5, n)) / n
    print(name, best * 1e6)
)PY";

void BM_PythonReference(benchmark::State& state) {
  std::map<std::string, double> micros;
  for (auto _ : state) {
    micros.clear();
    FILE* pipe = popen("python3 -c \"$ZARNIX_PY\"", "r");
    if (!pipe) {
      state.SkipWithError("python3 not available");
      return;
    }
    char line[256];
    while (fgets(line, sizeof line, pipe)) {
      std::istringstream in(line);
      std::string name;
      double value = 0;
      if (in >> name >> value) micros[name] = value;
    }
    if (pclose(pipe) != 0 || micros.empty()) {
      state.SkipWithError("python3 reference failed");
      return;
    }
  }
  for (const auto& [name, value] : micros) state.counters[name] = value;
}
BENCHMARK(BM_PythonReference)->Iterations(1)->Unit(benchmark::kMillisecond);

// The script reaches the shell through the environment, so no quoting is needed.
const bool kScriptExported = [] { return setenv("ZARNIX_PY", kPythonScript, 1) == 0; }();

}  // namespace
