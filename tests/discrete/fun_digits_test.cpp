// Digit problems against published sequences and against plain searches over every number of
// a few digits: automorphic endings, narcissistic numbers, factorions and Kaprekar's routine.
#include "discrete/fun_digits.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "discrete/bignum/big_integer.h"

namespace zarnix {
namespace {

std::vector<std::string> Flatten(const std::vector<std::vector<std::string>>& byLength) {
  std::vector<std::string> all;
  for (const auto& members : byLength) all.insert(all.end(), members.begin(), members.end());
  return all;
}

// Every x in 2 ... 10^digits - 1 whose power ends in x, by checking each one.
std::vector<std::string> PlainEndings(int power, int digits) {
  std::uint64_t limit = 1;
  for (int i = 0; i < digits; ++i) limit *= 10;
  std::vector<std::string> found;
  for (std::uint64_t x = 2, modulus = 10; x < limit; ++x) {
    if (x == modulus) modulus *= 10;
    std::uint64_t p = 1;
    for (int i = 0; i < power; ++i) p = p * x % modulus;
    if (p == x) found.push_back(std::to_string(x));
  }
  return found;
}

TEST(FunDigits, AutomorphicEndingsMatchThePublishedListsAndAPlainSearch) {
  // A003226 without 0 and 1.
  const std::vector<std::string> a003226 = {
      "5",         "6",         "25",         "76",         "376",         "625",        "9376",
      "90625",     "109376",    "890625",     "2890625",    "7109376",     "12890625",   "87109376",
      "212890625", "787109376", "1787109376", "8212890625", "18212890625", "81787109376"};
  EXPECT_EQ(Flatten(AutomorphicEndings(2, 11)), a003226);
  // A033819 without 0 and 1.
  const std::vector<std::string> a033819 = {
      "4",    "5",    "6",    "9",    "24",   "25",   "49",   "51",   "75",   "76",   "99",  "125",
      "249",  "251",  "375",  "376",  "499",  "501",  "624",  "625",  "749",  "751",  "875", "999",
      "1249", "3751", "4375", "4999", "5001", "5625", "6249", "8751", "9375", "9376", "9999"};
  EXPECT_EQ(Flatten(AutomorphicEndings(3, 4)), a033819);
  for (int power : {2, 3, 5})
    EXPECT_EQ(Flatten(AutomorphicEndings(power, 6)), PlainEndings(power, 6));
  // Long endings really end their power.
  for (int power : {2, 3, 5}) {
    const auto byLength = AutomorphicEndings(power, 120);
    ASSERT_EQ(byLength.size(), 120u);
    for (const std::string& x : byLength[119]) {
      ASSERT_EQ(x.size(), 120u);
      const std::string p = BigPower(x, power, 0);
      EXPECT_EQ(p.substr(p.size() - x.size()), x);
    }
    EXPECT_FALSE(byLength[119].empty());
  }
}

TEST(FunDigits, AutomorphicLinesListAllOrOnlyTheLongest) {
  const std::vector<std::string> four = AutomorphicSquareLines(4);
  EXPECT_EQ(four, (std::vector<std::string>{"自守数：", "  一个数的平方的后几位数等于该数", "5",
                                            "6", "25", "76", "376", "625", "9376"}));
  const std::vector<std::string> long101 = AutomorphicSquareLines(101);
  ASSERT_GE(long101.size(), 3u);
  for (std::size_t i = 2; i < long101.size(); ++i) EXPECT_EQ(long101[i].size(), 101u);
  const std::vector<std::string> cubes = AutomorphicPowerLines(3, 2);
  EXPECT_EQ(cubes.back(), "共11个");
  EXPECT_EQ(cubes.front(), "    一个数的立方的后几位数等于该数");
  EXPECT_EQ(AutomorphicPowerLines(5, 0).back(), "共0个");
}

TEST(FunDigits, NarcissisticNumbersToNineteenDigits) {
  // A005188, every term below 10^19.
  // clang-format off
  const std::vector<std::uint64_t> a005188 = {
      1, 2, 3, 4, 5, 6, 7, 8, 9, 153, 370, 371, 407, 1634, 8208, 9474, 54748, 92727, 93084,
      548834, 1741725, 4210818, 9800817, 9926315, 24678050, 24678051, 88593477, 146511208,
      472335975, 534494836, 912985153, 4679307774, 32164049650, 32164049651, 40028394225,
      42678290603, 44708635679, 49388550606, 82693916578, 94204591914, 28116440335967,
      4338281769391370, 4338281769391371, 21897142587612075, 35641594208964132,
      35875699062250035, 1517841543307505039, 3289582984443187032, 4498128791164624869,
      4929273885928088826};
  // clang-format on
  EXPECT_EQ(NarcissisticNumbers(19), a005188);
  // The plain definition up to six digits.
  std::vector<std::uint64_t> plain;
  for (std::uint64_t n = 1; n < 1000000; ++n) {
    const std::string digits = std::to_string(n);
    std::uint64_t sum = 0;
    for (char c : digits) {
      std::uint64_t p = 1;
      for (std::size_t i = 0; i < digits.size(); ++i) p *= static_cast<std::uint64_t>(c - '0');
      sum += p;
    }
    if (sum == n) plain.push_back(n);
  }
  EXPECT_EQ(NarcissisticNumbers(6), plain);
  const std::vector<std::string> three = NarcissisticLines(3);
  EXPECT_EQ(std::vector<std::string>(three.begin() + 2, three.end()),
            (std::vector<std::string>{"1～3位的幂回归数：", "1", "2", "3", "4", "5", "6", "7", "8",
                                      "9", "153", "370", "371", "407"}));
}

TEST(FunDigits, Factorions) {
  EXPECT_EQ(Factorions(), (std::vector<std::int64_t>{1, 2, 145, 40585}));  // A014080
  const std::vector<std::string> lines = FactorionLines();
  EXPECT_EQ(lines.back(), "5位阶乘和数: 40585");
  EXPECT_EQ(lines[2], "1位阶乘和数: 1");
}

// The cycles reached from every number of k digits, following each one separately.
std::set<std::vector<std::uint64_t>> PlainKaprekarCycles(int k) {
  std::set<std::vector<std::uint64_t>> cycles;
  std::uint64_t low = 1;
  for (int i = 1; i < k; ++i) low *= 10;
  for (std::uint64_t n = low; n < low * 10; ++n) {
    std::string digits = std::to_string(n);
    if (std::count(digits.begin(), digits.end(), digits[0]) == k) continue;
    std::vector<std::uint64_t> path;
    std::uint64_t x = n;
    while (std::find(path.begin(), path.end(), x) == path.end()) {
      path.push_back(x);
      std::string d = std::to_string(x);
      d.insert(0, static_cast<std::size_t>(k) - d.size(), '0');
      std::string big = d;
      std::sort(big.begin(), big.end(), std::greater<>());
      std::sort(d.begin(), d.end());
      x = std::stoull(big) - std::stoull(d);
    }
    std::vector<std::uint64_t> cycle(std::find(path.begin(), path.end(), x), path.end());
    std::rotate(cycle.begin(), std::min_element(cycle.begin(), cycle.end()), cycle.end());
    cycles.insert(cycle);
  }
  return cycles;
}

TEST(FunDigits, KaprekarCyclesAgreeWithFollowingEveryNumber) {
  for (int k = 2; k <= 5; ++k) {
    const auto cycles = KaprekarCycles(k);
    EXPECT_EQ(std::set<std::vector<std::uint64_t>>(cycles.begin(), cycles.end()),
              PlainKaprekarCycles(k))
        << k;
  }
  // The fixed points are A099009 (0 aside) for three to nine digits.
  std::vector<std::uint64_t> fixed;
  for (int k = 3; k <= 9; ++k)
    for (const auto& cycle : KaprekarCycles(k))
      if (cycle.size() == 1) fixed.push_back(cycle[0]);
  EXPECT_EQ(fixed, (std::vector<std::uint64_t>{495, 6174, 549945, 631764, 63317664, 97508421,
                                               554999445, 864197532}));
  EXPECT_TRUE(KaprekarCycles(1).empty());
  const std::vector<std::string> lines = KaprekarCycleLines(1, 2);
  EXPECT_EQ(
      std::vector<std::string>(lines.end() - 4, lines.end()),
      (std::vector<std::string>{"1位数的黑洞数字：", "无", "2位数的黑洞数字：", "09→81→63→27→45"}));
}

TEST(FunDigits, KaprekarRoutineKeepsTheDigitCountAndEndsOnRepdigits) {
  const std::vector<std::string> lines = KaprekarRoutineLines("3087");
  const std::size_t header = KaprekarHeaderLines().size();
  ASSERT_EQ(lines.size(), header + kKaprekarSteps);
  EXPECT_EQ(lines[header], "8730-0378=8352");
  EXPECT_EQ(lines[header + 1], "8532-2358=6174");
  EXPECT_EQ(lines.back(), "7641-1467=6174");
  EXPECT_EQ(KaprekarRoutineLines("21")[header + 1], "90-09=81");
  const std::vector<std::string> repdigit = KaprekarRoutineLines("7777");
  EXPECT_EQ(repdigit[header], "7777-7777=0000");
  EXPECT_EQ(repdigit.back(), "0000-0000=0000");
  EXPECT_THROW(KaprekarRoutineLines(std::string(kMaxBigDigits + 1, '5')), Exception);
}

}  // namespace
}  // namespace zarnix
