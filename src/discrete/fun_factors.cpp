// Divisor and factor problems of the fun category. Amicable pairs come from one divisor-sum
// sieve over the searched window; Mersenne numbers and perfect numbers from the long powers of
// the digit-string arithmetic; Smith numbers and Ruth-Aaron pairs from the factorization texts.
#include "discrete/fun_factors.h"

#include <algorithm>

#include "base/convert.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/integer_primes.h"

namespace zarnix {

// The published exponents, in ascending order.
const int kMersenneExponents[kMersenneCount] = {
    2,     3,     5,     7,     13,    17,    19,     31,     61,    89,   107,
    127,   521,   607,   1279,  2203,  2281,  3217,   4253,   4423,  9689, 9941,
    11213, 19937, 21701, 23209, 44497, 86243, 110503, 132049, 216091};

namespace {

std::string Count(std::size_t n) {
  return IntToStr(static_cast<std::int64_t>(n));
}

int DigitSum(std::string_view text) {
  int sum = 0;
  for (char c : text)
    if (c >= '0' && c <= '9') sum += c - '0';
  return sum;
}

// The prime factors of a factorization text "2*2*3".
std::vector<std::int64_t> FactorsOf(const std::string& text) {
  std::vector<std::int64_t> factors;
  std::int64_t factor = 0;
  for (char c : text) {
    if (c == '*') {
      factors.push_back(factor);
      factor = 0;
    } else {
      factor = factor * 10 + (c - '0');
    }
  }
  factors.push_back(factor);
  return factors;
}

std::int64_t PrimeFactorSum(std::int64_t n) {
  if (n < 2) return 0;
  std::int64_t sum = 0;
  for (std::int64_t f : FactorsOf(Factorize(n))) sum += f;
  return sum;
}

// "其中孪生史密斯数：", the pairs of consecutive list entries two apart, "有n对".
void AddTwins(const std::vector<std::int64_t>& numbers, std::vector<std::string>& lines) {
  lines.push_back("其中孪生史密斯数：");
  std::size_t twins = 0;
  for (std::size_t i = 1; i < numbers.size(); ++i) {
    if (numbers[i] - numbers[i - 1] != 2) continue;
    lines.push_back(IntToStr(numbers[i - 1]) + "," + IntToStr(numbers[i]));
    ++twins;
  }
  lines.push_back("有" + Count(twins) + "对");
}

}  // namespace

// --- amicable pairs ---

std::vector<std::pair<std::int64_t, std::int64_t>> AmicablePairs(std::int64_t a, std::int64_t b) {
  std::vector<std::pair<std::int64_t, std::int64_t>> pairs;
  a = std::max<std::int64_t>(a, 1);
  if (b < a) return pairs;
  // sums[m - a] collects every proper divisor d of m: d runs over 1 ... b/2, its multiples
  // from 2d on that fall into the window.
  std::vector<std::int64_t> sums(static_cast<std::size_t>(b - a + 1), 0);
  for (std::int64_t d = 1; d <= b / 2; ++d) {
    const std::int64_t first = std::max(2 * d, (a + d - 1) / d * d);
    for (std::int64_t m = first; m <= b; m += d) sums[static_cast<std::size_t>(m - a)] += d;
  }
  for (std::int64_t x = a; x <= b; ++x) {
    const std::int64_t y = sums[static_cast<std::size_t>(x - a)];
    if (y > x && y <= b && sums[static_cast<std::size_t>(y - a)] == x) pairs.push_back({x, y});
  }
  return pairs;
}

std::vector<std::string> AmicableLines(std::int64_t a, std::int64_t span) {
  std::vector<std::string> lines = {
      "情侣数（亲和数）：", "设F(x)为x的除x外的所有约数之和，若F(x)=y且F(y)=x，则x与y为一对情侣数",
      "例：F(220)=1+2+4+5+10+11+20+22+44+55+110=284，F(284)=1+2+4+71+142=220",
      IntToStr(a) + "～" + IntToStr(a + span) + "之间的情侣数(亲和数)"};
  const auto pairs = AmicablePairs(a, a + span);
  for (const auto& [x, y] : pairs) lines.push_back(IntToStr(x) + "," + IntToStr(y));
  lines.push_back("共" + Count(pairs.size()) + "对");
  return lines;
}

// --- Mersenne primes and perfect numbers ---

std::vector<std::string> MersenneList(int n, MersenneForm form) {
  n = std::clamp(n, 0, kMersenneCount);
  std::vector<std::string> lines;
  if (form == MersenneForm::kMersenne) {
    lines = {"梅森质数", "形为 2^n-1 的质数", "前" + IntToStr(n) + "个梅森质数："};
  } else {
    lines = {"完全数", "设F(x)为x的除x外的所有约数之和，则",
             "    若F(x)=x，则x为完全数（绝妙数），", "    例 6=1+2+3",
             "前" + IntToStr(n) + "个完全数："};
  }
  for (int k = 1; k <= n; ++k) {
    const int p = kMersenneExponents[k - 1];
    const std::string half = BigPower("2", p - 1, 0);
    const std::string mersenne = BigSubtract(BigAdd(half, half), "1");
    const std::string number =
        form == MersenneForm::kMersenne ? mersenne : BigMultiply(half, mersenne);
    const std::string digits = " (" + Count(number.size()) + "位)";
    lines.push_back("第" + IntToStr(k) + "个" +
                    (form == MersenneForm::kMersenne ? " n=" + IntToStr(p) : "") + digits);
    lines.push_back(number);
  }
  return lines;
}

// --- Smith numbers and Ruth-Aaron pairs ---

std::vector<std::int64_t> SmithNumbers(std::int64_t a, std::int64_t b) {
  std::vector<std::int64_t> found;
  for (std::int64_t n = std::max<std::int64_t>(a, 4); n <= b; ++n) {
    const std::string factors = Factorize(n);
    if (factors.find('*') == std::string::npos) continue;  // a prime
    if (DigitSum(factors) == DigitSum(IntToStr(n))) found.push_back(n);
  }
  return found;
}

std::vector<std::string> SmithLines(std::int64_t a, std::int64_t span) {
  std::vector<std::string> lines = {
      "史密斯数：", "    全部数字之和等于其全部质因数数字之和的合数",
      "例：22=2*11 是史密斯数，因为2+2=2+1+1",
      "在" + IntToStr(a) + "~" + IntToStr(a + span) + "范围内有史密斯数："};
  const std::vector<std::int64_t> numbers = SmithNumbers(a, a + span);
  std::string list;
  for (std::int64_t n : numbers) list += (list.empty() ? "" : " ") + IntToStr(n);
  lines.push_back(list);
  lines.push_back("共" + Count(numbers.size()) + "个");
  AddTwins(numbers, lines);
  return lines;
}

std::vector<std::int64_t> RuthAaronStarts(std::int64_t a, std::int64_t b) {
  std::vector<std::int64_t> found;
  std::int64_t next = PrimeFactorSum(a);
  for (std::int64_t n = a; n <= b; ++n) {
    const std::int64_t current = next;
    next = PrimeFactorSum(n + 1);
    if (n >= 2 && current == next) found.push_back(n);
  }
  return found;
}

std::vector<std::string> RuthAaronLines(std::int64_t a, std::int64_t b) {
  std::vector<std::string> lines = {"鲁兹-阿伦数对", "（两相邻整数的质因数之和相等）"};
  const std::vector<std::int64_t> starts = RuthAaronStarts(a, b);
  for (std::int64_t n : starts) lines.push_back(IntToStr(n) + "," + IntToStr(n + 1));
  lines.push_back("共" + Count(starts.size()) + "对（" + IntToStr(a) + "~" + IntToStr(b) + "）");
  return lines;
}

}  // namespace zarnix
