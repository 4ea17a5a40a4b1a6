// Sequences and counting puzzles against published sequences and plain simulations: Collatz
// step counts, polygonal numbers, Markov numbers from the tree of Markov triples, the
// matchstick game played out, and the orchard numbers.
#include "discrete/fun_sequences.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"
#include "discrete/bignum/big_integer.h"

namespace zarnix {
namespace {

constexpr std::size_t kCollatzHeader = 3;

std::vector<std::string> Tail(const std::vector<std::string>& lines, std::size_t from) {
  return {lines.begin() + static_cast<std::ptrdiff_t>(from), lines.end()};
}

TEST(FunSequences, CollatzStepsAreA006577) {
  EXPECT_EQ(Tail(CollatzLines("6"), kCollatzHeader),
            (std::vector<std::string>{"6", "3", "10", "5", "16", "8", "4", "2", "1", "共8次运算"}));
  // A006577 for n = 1 ... 20.
  const std::vector<int> a006577 = {0,  1, 7, 2,  5,  8, 16, 3,  19, 6,
                                    14, 9, 9, 17, 17, 4, 12, 20, 20, 7};
  for (int n = 1; n <= 20; ++n)
    EXPECT_EQ(CollatzLines(std::to_string(n)).back(),
              "共" + std::to_string(a006577[n - 1]) + "次运算");
  const std::vector<std::string> from27 = CollatzLines(" 0027 ");
  EXPECT_EQ(from27[kCollatzHeader], "27");
  EXPECT_EQ(from27.back(), "共111次运算");
  EXPECT_NE(std::find(from27.begin(), from27.end(), "9232"), from27.end());
  // 2^100 halves a hundred times, on digit strings.
  EXPECT_EQ(CollatzLines(BigPower("2", 100, 0)).back(), "共100次运算");
}

TEST(FunSequences, CollatzRefusesWhatWouldNeverEnd) {
  for (const char* bad : {"0", "000", "-5", "abc", "", "1.5"})
    EXPECT_EQ(CollatzLines(bad).back(), "请输入正整数") << bad;
  EXPECT_EQ(CollatzLines(std::string(201, '7')).back(), "起始数最多200位");
  EXPECT_EQ(CollatzLines("1").back(), "共0次运算");
  const std::vector<std::string> longest = CollatzLines(std::string(200, '9'));
  EXPECT_EQ(longest.back().substr(0, 2), "共");
}

TEST(FunSequences, PolygonalNumbersAreThePublishedOnes) {
  const auto first = [](const char* k, int count) {
    std::vector<std::string> numbers;
    for (int i = 1; i <= count; ++i) numbers.push_back(PolygonalNumber(k, std::to_string(i)));
    return numbers;
  };
  EXPECT_EQ(first("3", 8),
            (std::vector<std::string>{"1", "3", "6", "10", "15", "21", "28", "36"}));  // A000217
  EXPECT_EQ(first("4", 5), (std::vector<std::string>{"1", "4", "9", "16", "25"}));     // A000290
  EXPECT_EQ(first("5", 10), (std::vector<std::string>{"1", "5", "12", "22", "35", "51", "70", "92",
                                                      "117", "145"}));  // A000326
  EXPECT_EQ(first("6", 10), (std::vector<std::string>{"1", "6", "15", "28", "45", "66", "91", "120",
                                                      "153", "190"}));  // A000384
  for (std::int64_t k = 3; k <= 300; k += 7)
    for (std::int64_t i = 1; i <= 300; i += 11)
      EXPECT_EQ(PolygonalNumber(std::to_string(k), std::to_string(i)),
                std::to_string(((k - 2) * i * i - (k - 4) * i) / 2));
  // Beyond 64 bits: the 10^30-th triangular number is 10^30 (10^30 + 1) / 2.
  const std::string n = "1" + std::string(30, '0');
  EXPECT_EQ(PolygonalNumber("3", n), BigDivMod(BigMultiply(n, BigAdd(n, "1")), "2").quotient);
}

TEST(FunSequences, PolygonalLinesListOrNameOne) {
  EXPECT_EQ(PolygonalLines("4", "5"),
            (std::vector<std::string>{"多边形数是可以排成正多边形的整数", "前5个4边形数是:", "1: 1",
                                      "2: 4", "3: 9", "4: 16", "5: 25"}));
  EXPECT_EQ(PolygonalLines("3", "10001"),
            (std::vector<std::string>{"多边形数是可以排成正多边形的整数",
                                      "第10001个3边形数是:", "10001: 50015001"}));
  EXPECT_EQ(PolygonalLines("20000", "2").size(), 3u);
  EXPECT_THROW(PolygonalLines("3", std::string(150000, '9')), Exception);
}

TEST(FunSequences, MarkovNumbersComeFromTheTreeOfTriples) {
  // Every Markov number up to 10^18, from (1, 1, 1) by replacing one member of a triple by
  // 3 times the product of the other two less it.
  using U = unsigned __int128;
  const U bound = 1000000000000000000ULL;
  std::set<U> markov;
  std::set<std::vector<U>> seen;
  std::vector<std::vector<U>> todo = {{1, 1, 1}};
  while (!todo.empty()) {
    std::vector<U> t = todo.back();
    todo.pop_back();
    std::sort(t.begin(), t.end());
    if (!seen.insert(t).second) continue;
    markov.insert(t.begin(), t.end());
    for (int i = 0; i < 3; ++i) {
      std::vector<U> next = t;
      next[i] = 3 * t[(i + 1) % 3] * t[(i + 2) % 3] - t[i];
      if (next[i] > 0 && next[i] <= bound) todo.push_back(next);
    }
  }
  const auto text = [](U x) {
    std::string s;
    do s.insert(s.begin(), static_cast<char>('0' + static_cast<int>(x % 10)));
    while ((x /= 10) > 0);
    return s;
  };
  std::vector<std::string> sorted;
  for (U x : markov) sorted.push_back(text(x));
  const std::vector<std::string> found = MarkovNumbers();
  // A002559 begins 1, 2, 5, 13, 29, 34, 89, 169, 194, 233, 433, 610, 985; the seeds reach
  // its first 72 terms without a gap.
  ASSERT_GE(found.size(), 72u);
  EXPECT_EQ(std::vector<std::string>(found.begin(), found.begin() + 13),
            (std::vector<std::string>{"1", "2", "5", "13", "29", "34", "89", "169", "194", "233",
                                      "433", "610", "985"}));
  EXPECT_EQ(std::vector<std::string>(found.begin(), found.begin() + 72),
            std::vector<std::string>(sorted.begin(), sorted.begin() + 72));
  const auto byValue = [](const std::string& a, const std::string& b) {
    return a.size() != b.size() ? a.size() < b.size() : a < b;
  };
  for (const std::string& z : found) {
    const bool checked =
        z.size() > 18 || std::binary_search(sorted.begin(), sorted.end(), z, byValue);
    EXPECT_TRUE(checked) << z;
  }
  EXPECT_EQ(MarkovLines().back(), "以上共" + std::to_string(found.size()) + "个");
}

// Plays the game from every start and returns the starts whose last match is the first one.
std::int64_t PlayedStart(std::int64_t n, std::int64_t m) {
  for (std::int64_t start = 1; start <= n; ++start) {
    std::list<std::int64_t> circle;
    for (std::int64_t i = 1; i <= n; ++i) circle.push_back(i);
    auto at = std::next(circle.begin(), start - 1);
    std::int64_t last = 0;
    while (!circle.empty()) {
      for (std::int64_t step = 1; step < m; ++step)
        if (++at == circle.end()) at = circle.begin();
      last = *at;
      at = circle.erase(at);
      if (at == circle.end()) at = circle.begin();
    }
    if (last == 1) return start;
  }
  return 0;
}

TEST(FunSequences, MatchstickStartAgreesWithPlayingItOut) {
  for (std::int64_t n = 1; n <= 40; ++n)
    for (std::int64_t m = 1; m <= 12; ++m)
      EXPECT_EQ(MatchstickStart(n, m), PlayedStart(n, m)) << n << "," << m;
  EXPECT_EQ(MatchstickStart(41, 3), 12);
  const std::int64_t large = MatchstickStart(1000000, 2147483647);
  EXPECT_GE(large, 1);
  EXPECT_LE(large, 1000000);
  EXPECT_EQ(MatchstickLines(41, 3)[3], "一根，则应从第 12 根数起。");
}

TEST(FunSequences, OrchardRows) {
  // A003035 for n = 1 ... 14.
  const std::vector<std::int64_t> a003035 = {0, 0, 1, 1, 2, 4, 6, 7, 10, 12, 16, 19, 22, 26};
  for (std::int64_t n = 1; n <= 14; ++n) EXPECT_EQ(OrchardRows(n), a003035[n - 1]) << n;
  EXPECT_EQ(OrchardRows(0), 0);
  EXPECT_EQ(OrchardRows(-7), 0);
  EXPECT_EQ(OrchardRows(16), 37);
  EXPECT_EQ(OrchardRows(2147483647), 2147483647LL * 2147483644LL / 6 + 1);
  EXPECT_EQ(OrchardLines(9), (std::vector<std::string>{"9棵树，每行栽3棵，最多能栽行数：10"}));
}

}  // namespace
}  // namespace zarnix
