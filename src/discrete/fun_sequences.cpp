// Sequences and counting puzzles of the fun category, on the digit-string arithmetic where the
// numbers outgrow 64 bits.
#include "discrete/fun_sequences.h"

#include <algorithm>
#include <array>
#include <set>

#include "base/convert.h"
#include "base/errors.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"
#include "discrete/integer_text.h"

namespace zarnix {

namespace {

using bignum::Natural;

constexpr const char* kCollatzNotPositive = "请输入正整数";
constexpr std::int64_t kPolygonalListLimit = 10000;

// Every pair of the first 20 Markov numbers seeds a walk; together they reach every Markov
// number up to 144059117 and many larger ones.
constexpr std::array<std::uint64_t, 20> kMarkovSeeds = {1,    2,    5,    13,   29,   34,  89,
                                                        169,  194,  233,  433,  610,  985, 1325,
                                                        1597, 2897, 4181, 5741, 6466, 7561};
constexpr int kMarkovSteps = 10;

// Digit texts ordered by value.
bool ValueLess(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

// --- Collatz ---

std::vector<std::string> CollatzLines(const std::string& text) {
  std::vector<std::string> lines = {
      "对任意正整数 n，",
      "如果n是偶数， "
      "那么我们将n除以2,得到新的数n/2；如果n是奇数，那么我们将n乘以3再加上1，得到新的数3n+1。",
      "将新的数重复以上运算，最终会得到整数1。"};
  const std::string digits = Trim(text);
  const std::string start = IsBaseDigits(digits, 10) ? StripLeadingZeros(digits) : "0";
  if (start == "0") {
    lines.push_back(kCollatzNotPositive);
    return lines;
  }
  if (start.size() > kMaxCollatzDigits) {
    lines.push_back("起始数最多" + IntToStr(static_cast<std::int64_t>(kMaxCollatzDigits)) + "位");
    return lines;
  }
  lines.push_back(start);
  Natural n = bignum::ParseDigits(start);
  long steps = 0;
  while (!(n.size() == 1 && n[0] == 1)) {
    if (steps == kMaxCollatzSteps) {
      lines.push_back("已运算" + IntToStr(steps) + "次，尚未得到1");
      return lines;
    }
    if (n[0] % 2 == 0) {
      bignum::DivideWordInPlace(n, 2);
    } else {
      n = bignum::AddWord(bignum::MultiplyWord(n, 3), 1);
    }
    ++steps;
    lines.push_back(bignum::FormatDigits(n));
  }
  lines.push_back("共" + IntToStr(steps) + "次运算");
  return lines;
}

// --- polygonal numbers ---

std::string PolygonalNumber(const std::string& k, const std::string& i) {
  // i((k-2)(i-1) + 2)/2: every factor is non-negative for k >= 3 and i >= 1.
  const Natural sides = bignum::SubtractWord(bignum::ParseDigits(k), 2);
  const Natural index = bignum::ParseDigits(i);
  const Natural inner = bignum::AddWord(bignum::Multiply(sides, bignum::SubtractWord(index, 1)), 2);
  Natural product = bignum::Multiply(index, inner);
  bignum::DivideWordInPlace(product, 2);
  return bignum::FormatDigits(product);
}

std::vector<std::string> PolygonalLines(const std::string& k, const std::string& n) {
  // The number has about len(k) + 2 len(n) digits.
  if (k.size() + 2 * n.size() > kMaxBigDigits) throw Exception(BigTooLargeMessage());
  const Natural limit = bignum::FromWord(kPolygonalListLimit);
  const bool listAll = bignum::Compare(bignum::ParseDigits(n), limit) <= 0 &&
                       bignum::Compare(bignum::ParseDigits(k), limit) <= 0;
  std::vector<std::string> lines = {"多边形数是可以排成正多边形的整数",
                                    (listAll ? "前" : "第") + n + "个" + k + "边形数是:"};
  if (!listAll) {
    lines.push_back(n + ": " + PolygonalNumber(k, n));
    return lines;
  }
  for (std::int64_t i = 1; i <= StrToInt64(n); ++i)
    lines.push_back(IntToStr(i) + ": " + PolygonalNumber(k, IntToStr(i)));
  return lines;
}

// --- Markov numbers ---

std::vector<std::string> MarkovNumbers() {
  std::set<std::string, decltype(&ValueLess)> found(&ValueLess);
  for (std::uint64_t seedX : kMarkovSeeds) {
    for (std::uint64_t seedY : kMarkovSeeds) {
      const std::string x = IntToStr(static_cast<std::int64_t>(seedX));
      std::string y = IntToStr(static_cast<std::int64_t>(seedY));
      // (x, y, z) solves z^2 - 3xyz + x^2 + y^2 = 0 with integer z when the discriminant
      // 9x^2y^2 - 4(x^2 + y^2) is a square; the larger root then continues as (x, z).
      for (int step = 0; step < kMarkovSteps; ++step) {
        const std::string threeXY = BigMultiply(BigMultiply(x, y), "3");
        const std::string squares = BigMultiply("4", BigAdd(BigMultiply(x, x), BigMultiply(y, y)));
        const std::string discriminant = BigSubtract(BigMultiply(threeXY, threeXY), squares);
        if (discriminant[0] == '-') break;
        const BigRootResult root = BigSqrtNewton(discriminant);
        if (root.remainder != "0") break;
        const std::string z = BigDivMod(BigAdd(threeXY, root.root), "2").quotient;
        if (ValueLess("2", z)) found.insert(z);
        y = z;
      }
    }
  }
  std::vector<std::string> numbers = {"1", "2"};
  numbers.insert(numbers.end(), found.begin(), found.end());
  return numbers;
}

std::vector<std::string> MarkovLines() {
  std::vector<std::string> lines = {
      "方程 x^2+y^2+z^2=3xyz 的整数解（x<=y<=z）中的z值称为马尔可夫数"};
  const std::vector<std::string> numbers = MarkovNumbers();
  lines.insert(lines.end(), numbers.begin(), numbers.end());
  lines.push_back("以上共" + IntToStr(static_cast<std::int64_t>(numbers.size())) + "个");
  return lines;
}

// --- the matchstick game ---

std::int64_t MatchstickStart(std::int64_t n, std::int64_t m) {
  // The survivor of counting from place 0: J(1) = 0, J(i) = (J(i-1) + m) mod i. Starting s - 1
  // places later moves it there; it must land on place 0.
  std::int64_t survivor = 0;
  for (std::int64_t i = 2; i <= n; ++i) survivor = (survivor + m % i) % i;
  return (n - survivor) % n + 1;
}

std::vector<std::string> MatchstickLines(std::int64_t n, std::int64_t m) {
  return {"火柴游戏", "    " + IntToStr(n) + "根火柴排成放射圆，其中一根头朝里，",
          "每数到 " + IntToStr(m) + " 就拿起一根，边数边拿，使最后拿的是头朝里的",
          "一根，则应从第 " + IntToStr(MatchstickStart(n, m)) + " 根数起。",
          "     （以头朝里的为第 1 根）。"};
}

// --- the orchard problem ---

std::int64_t OrchardRows(std::int64_t n) {
  if (n < 3) return 0;
  switch (n) {
    case 7:
      return 6;
    case 11:
      return 16;
    case 16:
      return 37;
    case 19:
      return 53;
    default:
      return n * (n - 3) / 6 + 1;
  }
}

std::vector<std::string> OrchardLines(std::int64_t n) {
  return {IntToStr(n) + "棵树，每行栽3棵，最多能栽行数：" + IntToStr(OrchardRows(n))};
}

}  // namespace zarnix
