// The integer category's tables: the triple searches against the plain double loops they
// replace, the Pell-type triples and Fibonacci numbers against identities, and the Diophantine
// searches against direct checks.
#include "discrete/integer_sequences.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "base/format.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/integer_primes.h"

namespace zarnix {
namespace {

// The primitive-triple table by the definition: every i > d with c = i^2 + d^2.
std::vector<std::string> PrimitiveTriplesByDefinition(std::int64_t a, std::int64_t b) {
  std::vector<std::string> lines;
  for (std::int64_t c = a < 6 ? 5 : (a % 2 == 0 ? a + 1 : a); c <= b; c += 2) {
    if (c % 3 == 0 || c % 7 == 0 || c % 11 == 0) continue;
    for (std::int64_t i = 2; i * i <= c; ++i)
      for (std::int64_t d = 1; d < i; ++d) {
        if ((i + d) % 2 == 0 || i * i + d * d != c) continue;
        std::int64_t x = i * i - d * d, y = 2 * i * d;
        if (x > y) std::swap(x, y);
        if (std::gcd(std::gcd(x, y), c) != 1) continue;
        lines.push_back(Format("%9.0d%12.0d%12.0d", x, y, c) + (IsPrimeTrial(c) ? "*" : ""));
      }
  }
  return lines;
}

TEST(Triples, PrimitiveTriplesMatchTheDoubleLoop) {
  for (auto [a, b] : {std::pair<std::int64_t, std::int64_t>{1, 3000}, {25, 25}, {99000, 100000}}) {
    std::vector<std::string> lines = PrimitiveTriples(a, b);
    ASSERT_GE(lines.size(), 4u);
    const std::vector<std::string> body(lines.begin() + 1, lines.end() - 3);
    EXPECT_EQ(body, PrimitiveTriplesByDefinition(a, b)) << a;
    EXPECT_EQ(lines.end()[-3], "互质整数勾股弦共" + std::to_string(body.size()) + "组");
  }
  EXPECT_EQ(PrimitiveTriples(25, 25)[1], "        7          24          25");
}

TEST(Triples, PerimeterTriplesMatchTheDoubleLoop) {
  for (std::int64_t n : {12, 60, 120, 1000, 2310, 9240}) {
    std::vector<std::string> expected;
    for (std::int64_t a = 3; a <= n / 2 - 2; ++a)
      for (std::int64_t b = a + 1; b <= n / 2 - 2 && a * a + b * b <= n * n; ++b) {
        const auto c = static_cast<std::int64_t>(std::llround(std::sqrt(double(a * a + b * b))));
        if (a + b + c == n && c * c == a * a + b * b)
          expected.push_back(Format("%8.0d%8.0d%8.0d", a, b, c));
      }
    std::vector<std::string> lines = PerimeterTriples(n);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end() - 1), expected) << n;
    EXPECT_EQ(lines.back(),
              "共" + std::to_string(expected.size()) + "组(周长=" + std::to_string(n) + ")");
  }
}

TEST(Triples, ConsecutiveLegs) {
  const std::vector<std::string> first = ConsecutiveLegTriples(3, false);
  EXPECT_EQ(first, (std::vector<std::string>{"第1组", "3", "4", "5", "", "第2组", "20", "21", "29",
                                             "", "第3组", "119", "120", "169", ""}));
  // The 800th triple: legs one apart whose squares add up to the hypotenuse's.
  const std::vector<std::string> last = ConsecutiveLegTriples(800, true);
  ASSERT_EQ(last.size(), 6u);
  EXPECT_EQ(last[0], "200组以上，只列出第800组");
  EXPECT_EQ(last[1], "第800组勾股弦");
  EXPECT_EQ(BigAdd(last[2], "1"), last[3]);
  EXPECT_EQ(BigAdd(BigMultiply(last[2], last[2]), BigMultiply(last[3], last[3])),
            BigMultiply(last[4], last[4]));
  EXPECT_TRUE(ConsecutiveLegTriples(0, false).empty());
}

TEST(Tables, BinomialTriangle) {
  const std::vector<std::string> rows = BinomialTriangle(kMaxTriangleRows);
  ASSERT_EQ(rows.size(), 67u);
  EXPECT_EQ(rows[0], "1 ");
  EXPECT_EQ(rows[4], "1 4 6 4 1 ");
  EXPECT_NE(rows[66].find(" 7219428434016265740 "), std::string::npos);  // C(66, 33)
  EXPECT_TRUE(BinomialTriangle(0).empty());
}

TEST(Tables, FibonacciAndBell) {
  const std::vector<std::string> lines = FibonacciLines(60);
  ASSERT_EQ(lines.size(), 1u + 49 + 2 * 11);
  EXPECT_EQ(lines[0], "前60项:");
  EXPECT_EQ(lines[49], "第49项:7778742049(10位)");
  EXPECT_EQ(lines[50], "第50项:");
  EXPECT_EQ(lines[51], "12586269025(11位)");
  EXPECT_EQ(FibonacciLines(1), (std::vector<std::string>{"前1项:", "第1项:1(1位)"}));
  // Beyond the list limit only the last number, computed by doubling: F(n) F(n+2) - F(n+1)^2
  // is (-1)^(n+1).
  const std::vector<std::string> far = FibonacciLines(4001);
  ASSERT_EQ(far.size(), 2u);
  EXPECT_EQ(far[0], "第4001项:");
  const std::vector<std::string> listed = FibonacciLines(4000);
  const std::string f4000 = listed[listed.size() - 1].substr(0, listed.back().find('('));
  const std::string f3999 =
      listed[listed.size() - 3].substr(0, listed[listed.size() - 3].find('('));
  EXPECT_EQ(far[1], BigAdd(f4000, f3999) + "(836位)");

  const std::vector<std::string> bell = BellLines(30);
  ASSERT_EQ(bell.size(), 2u + 30 + 3);  // an empty line after each number from the 28th on
  EXPECT_EQ(bell[1], "Bn前30项:");
  EXPECT_EQ(std::vector<std::string>(bell.begin() + 2, bell.begin() + 9),
            (std::vector<std::string>{"1", "1", "2", "5", "15", "52", "203"}));
  EXPECT_EQ(bell[28], "49631246523618756274");   // B_26
  EXPECT_EQ(bell[29], "545717047936059989389");  // B_27, the 28th
  EXPECT_EQ(bell[30], "");
}

TEST(Diophantine, FactorialSquaresMordellAndPell) {
  EXPECT_EQ(FactorialSquareLines(), (std::vector<std::string>{"不定方程整数解", "n,x", "4,5",
                                                              "5,11", "7,71", "已算至n=20"}));

  for (std::int64_t k : {17LL, -26LL, 0LL, 1LL, -2LL, 7LL}) {
    std::vector<IntegerPair> expected;
    for (std::int64_t x = 0; x <= 32767; ++x) {
      const __int128 v = static_cast<__int128>(x) * x * x + k;
      if (v < 0) continue;
      const auto y =
          static_cast<std::int64_t>(std::llround(std::sqrt(static_cast<long double>(v))));
      if (static_cast<__int128>(y) * y == v) expected.push_back({x, y});
    }
    const std::vector<IntegerPair> found = MordellSolutions(k);
    ASSERT_EQ(found.size(), expected.size()) << k;
    for (std::size_t i = 0; i < found.size(); ++i) EXPECT_EQ(found[i].x, expected[i].x) << k;
  }
  EXPECT_EQ(MordellSolutions(-26)[0].x, 3);  // missed when the start is rounded up past it
  EXPECT_TRUE(MordellSolutions(-9000000000000000000).empty());
  for (const IntegerPair& s : MordellSolutions(9000000000000000000))
    EXPECT_EQ(static_cast<__int128>(s.y) * s.y,
              static_cast<__int128>(s.x) * s.x * s.x + 9000000000000000000);

  const std::vector<IntegerPair> pell = PellSolutions(2);
  ASSERT_EQ(pell.size(), 7u);
  EXPECT_EQ(pell[6].x, 19601);
  EXPECT_EQ(pell[6].y, 13860);
  EXPECT_EQ(PellSolutions(-1).size(), 2u);  // (1, 0) and (0, 1), then k y^2 + 1 < 0
  EXPECT_TRUE(PellSolutions(0).empty());
  EXPECT_EQ(PellSolutions(INT64_MIN).size(), 1u);
  EXPECT_EQ(PellSolutions(4).size(), 1u);  // a square k leaves (1, 0) only
}

}  // namespace
}  // namespace zarnix
