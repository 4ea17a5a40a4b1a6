// The integer category's number tables. Searches that the plain definition would run over every
// pair of candidates solve for the second number instead; the lines they print are the same.
#include "discrete/integer_sequences.h"

#include <cmath>
#include <numeric>
#include <utility>

#include "base/convert.h"
#include "base/extended.h"
#include "base/format.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"
#include "discrete/integer_primes.h"

namespace zarnix {

namespace {

using bignum::Natural;

// floor(sqrt(n)) for n >= 0, exact.
std::int64_t Isqrt(__int128 n) {
  if (n <= 0) return 0;
  auto r = static_cast<std::int64_t>(std::sqrt(static_cast<Extended>(n)));
  while (r > 0 && static_cast<__int128>(r) * r > n) --r;
  while (static_cast<__int128>(r + 1) * (r + 1) <= n) ++r;
  return r;
}

std::string NumberLine(const std::string& number) {
  return number + "(" + IntToStr(static_cast<std::int64_t>(number.size())) + "位)";
}

// F(n) and F(n + 1) by doubling: F(2k) = F(k)(2F(k+1) - F(k)), F(2k+1) = F(k)^2 + F(k+1)^2.
std::pair<Natural, Natural> FibonacciPair(std::uint64_t n) {
  if (n == 0) return {Natural{}, bignum::FromWord(1)};
  const auto [a, b] = FibonacciPair(n / 2);
  Natural c = bignum::Multiply(a, bignum::Subtract(bignum::Add(b, b), a));
  Natural d = bignum::Add(bignum::Square(a), bignum::Square(b));
  if (n % 2 == 0) return {std::move(c), std::move(d)};
  Natural next = bignum::Add(c, d);
  return {std::move(d), std::move(next)};
}

}  // namespace

std::vector<std::string> BinomialTriangle(int rows) {
  std::vector<std::string> lines;
  std::vector<std::uint64_t> row;
  for (int i = 1; i <= rows; ++i) {
    // Each inner entry is the sum of its two neighbours above.
    for (std::size_t j = row.size(); j-- > 1;) row[j] += row[j - 1];
    row.push_back(1);
    std::string line;
    for (std::uint64_t entry : row) line += std::to_string(entry) + " ";
    lines.push_back(std::move(line));
  }
  return lines;
}

std::vector<std::string> PrimitiveTriples(std::int64_t a, std::int64_t b) {
  std::vector<std::string> lines{Format("%9s%12s%12s", "勾", "股", "弦")};
  int count = 0;
  int primeCount = 0;
  std::int64_t first = a < 6 ? 5 : (a % 2 == 0 ? a + 1 : a);
  for (std::int64_t c = first; c <= b; c += 2) {
    if (c % 3 == 0 || c % 7 == 0 || c % 11 == 0) continue;
    if (c % 4 != 1) continue;  // i^2 + d^2 with i + d odd is 1 mod 4
    // c = i^2 + d^2 with d < i: i runs from sqrt(c/2) to sqrt(c), d follows from i.
    for (std::int64_t i = std::max<std::int64_t>(2, Isqrt(c / 2)); i * i <= c; ++i) {
      const std::int64_t dd = c - i * i;
      const std::int64_t d = Isqrt(dd);
      if (d < 1 || d >= i || d * d != dd || (i + d) % 2 == 0) continue;
      std::int64_t leg1 = i * i - d * d;
      std::int64_t leg2 = 2 * i * d;
      if (leg1 > leg2) std::swap(leg1, leg2);
      if (std::gcd(std::gcd(leg1, leg2), c) != 1) continue;
      const bool prime = IsPrime64(c);
      lines.push_back(Format("%9.0d%12.0d%12.0d", leg1, leg2, c) + (prime ? "*" : ""));
      ++count;
      if (prime) ++primeCount;
    }
  }
  lines.push_back("互质整数勾股弦共" + IntToStr(count) + "组");
  lines.push_back("（弦=" + IntToStr(a) + "~" + IntToStr(b) + "）");
  lines.push_back("行末有*者(共" + IntToStr(primeCount) + "组)，弦为质数");
  return lines;
}

std::vector<std::string> PerimeterTriples(std::int64_t n) {
  std::vector<std::string> lines{Format("%8s%8s%8s", "勾", "股", "弦")};
  int count = 0;
  const std::int64_t last = n / 2 - 2;
  for (std::int64_t a = 3; a <= last; ++a) {
    // a^2 + b^2 = (n - a - b)^2 gives b = n(n - 2a) / (2(n - a)).
    const std::int64_t numerator = n * (n - 2 * a);
    const std::int64_t denominator = 2 * (n - a);
    if (numerator <= 0 || numerator % denominator != 0) continue;
    const std::int64_t b = numerator / denominator;
    if (b <= a || b > last) continue;
    const std::int64_t c = n - a - b;
    if (c * c != a * a + b * b) continue;
    lines.push_back(Format("%8.0d%8.0d%8.0d", a, b, c));
    ++count;
  }
  lines.push_back("共" + IntToStr(count) + "组(周长=" + IntToStr(n) + ")");
  return lines;
}

std::vector<std::string> ConsecutiveLegTriples(int n, bool onlyLast) {
  constexpr int kMaxRounds = 10000;
  std::vector<std::string> lines;
  if (onlyLast) lines.push_back("200组以上，只列出第" + IntToStr(n) + "组");
  std::string t = "1";
  int index = 0;
  for (int round = 0; round < kMaxRounds && index < n; ++round) {
    for (int relation = 0; relation < 2 && index < n; ++relation) {
      // 2t^2 - 1 = r^2, then 2t^2 + 1 = r^2; m = r + t.
      const std::string twice = BigMultiply("2", BigMultiply(t, t));
      const std::string square = relation == 0 ? BigSubtract(twice, "1") : BigAdd(twice, "1");
      const std::string r = StripLeadingZeros(BigSqrtDigits(square).root);
      const std::string m = BigAdd(r, t);
      const std::string m2 = BigMultiply(m, m);
      const std::string t2 = BigMultiply(t, t);
      const std::string difference = BigSubtract(m2, t2);
      const std::string leg1 = relation == 0 ? difference : BigSubtract(difference, "1");
      const std::string leg2 = relation == 0 ? BigAdd(difference, "1") : difference;
      const std::string hypotenuse = BigAdd(m2, t2);
      ++index;
      if (!onlyLast || index == n) {
        lines.push_back(onlyLast ? "第" + IntToStr(n) + "组勾股弦" : "第" + IntToStr(index) + "组");
        lines.push_back(leg1);
        lines.push_back(leg2);
        lines.push_back(hypotenuse);
        lines.push_back("");
      }
      t = m;
    }
  }
  return lines;
}

std::vector<std::string> FibonacciLines(std::int64_t n) {
  std::vector<std::string> lines;
  if (n > kFibonacciListLimit) {
    lines.push_back("第" + IntToStr(n) + "项:");
    lines.push_back(
        NumberLine(bignum::FormatDigits(FibonacciPair(static_cast<std::uint64_t>(n)).first)));
    return lines;
  }
  lines.push_back("前" + IntToStr(n) + "项:");
  Natural previous;  // F(i - 1)
  Natural current = bignum::FromWord(1);
  for (std::int64_t i = 1; i <= n; ++i) {
    if (i > 1) {
      Natural next = bignum::Add(previous, current);
      previous = std::move(current);
      current = std::move(next);
    }
    const std::string head = "第" + IntToStr(i) + "项:";
    const std::string number = NumberLine(bignum::FormatDigits(current));
    if (i < 50) {
      lines.push_back(head + number);
    } else {
      lines.push_back(head);
      lines.push_back(number);
    }
  }
  return lines;
}

std::vector<std::string> BellLines(int n) {
  std::vector<std::string> lines{"Bell数数列是函数e^e^x的麦克劳林展开式各项分子的系数",
                                 "Bn前" + IntToStr(n) + "项:"};
  std::vector<Natural> row{bignum::FromWord(1)};
  for (int i = 0; i < n; ++i) {
    if (i > 0) {
      // Each row starts with the last entry of the row above; each next entry adds the entry
      // above its left neighbour.
      std::vector<Natural> next{row.back()};
      next.reserve(row.size() + 1);
      for (std::size_t j = 0; j < row.size(); ++j) next.push_back(bignum::Add(next.back(), row[j]));
      row = std::move(next);
    }
    lines.push_back(bignum::FormatDigits(row.front()));
    if (i >= 27) lines.push_back("");
  }
  return lines;
}

std::vector<std::string> FactorialSquareLines() {
  std::vector<std::string> lines{"不定方程整数解", "n,x"};
  std::uint64_t factorial = 6;
  for (int n = 4; n <= 20; ++n) {
    factorial *= static_cast<std::uint64_t>(n);
    const auto x =
        static_cast<std::uint64_t>(std::llround(std::sqrt(static_cast<Extended>(factorial) + 1)));
    if (x * x == factorial + 1) lines.push_back(IntToStr(n) + "," + IntToStr(x));
  }
  lines.push_back("已算至n=20");
  return lines;
}

std::vector<IntegerPair> MordellSolutions(std::int64_t k) {
  constexpr std::int64_t kLastX = 32767;
  std::vector<IntegerPair> solutions;
  // The smallest x with x^3 + k >= 0.
  std::int64_t x = 0;
  if (k < 0) {
    const __int128 need = -static_cast<__int128>(k);
    x = static_cast<std::int64_t>(std::cbrt(static_cast<Extended>(need)));
    while (x > 0 && static_cast<__int128>(x - 1) * (x - 1) * (x - 1) >= need) --x;
    while (static_cast<__int128>(x) * x * x < need) ++x;
  }
  for (; x <= kLastX; ++x) {
    const __int128 value = static_cast<__int128>(x) * x * x + k;
    const std::int64_t y = Isqrt(value);
    if (static_cast<__int128>(y) * y == value) solutions.push_back({x, y});
  }
  return solutions;
}

std::vector<IntegerPair> PellSolutions(std::int64_t k) {
  constexpr std::int64_t kBound = 46340;
  std::vector<IntegerPair> solutions;
  if (k == 0) return solutions;
  const std::uint64_t magnitude =
      k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
  const auto last = static_cast<std::int64_t>(static_cast<std::uint64_t>(kBound) / magnitude);
  for (std::int64_t y = 0; y <= last; ++y) {
    const std::int64_t value = k * y * y + 1;
    if (value < 0) break;  // it only falls further
    const std::int64_t x = Isqrt(value);
    if (x * x == value) solutions.push_back({x, y});
  }
  return solutions;
}

}  // namespace zarnix
