// Egyptian fractions: the searched sums against trying every pair of denominators, the greedy
// expansions summed back with GMP's exact fractions, and the texts that cannot be fractions.
#include "discrete/fun_fractions.h"

#include <gmp.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/errors.h"

namespace zarnix {
namespace {

// Every x <= y <= 999 for which p/q - 1/x - 1/y is 0 or a unit fraction 1/z with y <= z <= 999.
std::vector<std::vector<std::int64_t>> PlainSums(std::int64_t p, std::int64_t q) {
  std::vector<std::vector<std::int64_t>> pairs;
  std::vector<std::vector<std::int64_t>> triples;
  for (std::int64_t x = 1; x <= 999; ++x)
    for (std::int64_t y = x; y <= 999; ++y) {
      // p/q - 1/x - 1/y = (p x y - q y - q x) / (q x y)
      const std::int64_t num = p * x * y - q * (x + y);
      const std::int64_t den = q * x * y;
      if (num == 0) pairs.push_back({x, y});
      if (num > 0 && den % num == 0 && den / num >= y && den / num <= 999)
        triples.push_back({x, y, den / num});
    }
  pairs.insert(pairs.end(), triples.begin(), triples.end());
  return pairs;
}

std::vector<std::vector<std::int64_t>> Found(const std::string& fraction) {
  std::vector<std::vector<std::int64_t>> found;
  for (const UnitSum& sum : UnitFractionSums(ParseFraction(fraction)))
    found.push_back(sum.denominators);
  return found;
}

TEST(FunFractions, ParsingReducesAndRefusesNonFractions) {
  EXPECT_EQ(ParseFraction("6/8").Text(), "3/4");
  EXPECT_EQ(ParseFraction(" -2/4 ").Text(), "-1/2");
  EXPECT_EQ(ParseFraction("-0/5").Text(), "0");
  EXPECT_EQ(ParseFraction("0012").Text(), "12");
  EXPECT_EQ(ParseFraction("123456789012345678901234567890/10").Text(),
            "12345678901234567890123456789");
  EXPECT_THROW(ParseFraction("3/0"), Exception);
  EXPECT_THROW(ParseFraction("a/3"), EConvertError);
  EXPECT_THROW(ParseFraction("1/2/3"), EConvertError);
  EXPECT_THROW(ParseFraction(""), EConvertError);
  EXPECT_THROW(ParseFraction("1.5/2"), EConvertError);
  EXPECT_THROW(ParseFraction("1/" + std::string(70000, '3')), Exception);
}

TEST(FunFractions, SearchedSumsAreEveryPairAndTriple) {
  for (const auto& [p, q] : std::vector<std::pair<int, int>>{
           {5, 121}, {3, 7}, {2, 3}, {4, 5}, {1, 1}, {2, 1}, {3, 1}, {7, 1000}, {1, 12}})
    EXPECT_EQ(Found(std::to_string(p) + "/" + std::to_string(q)), PlainSums(p, q)) << p << "/" << q;
  EXPECT_EQ(Found("5/121"), (std::vector<std::vector<std::int64_t>>{{33, 121, 363}}));
  EXPECT_TRUE(Found("4/1").empty());
  EXPECT_TRUE(Found("-1/2").empty());
  EXPECT_TRUE(Found("1/123456789012345678901234567890").empty());
}

TEST(FunFractions, SearchLines) {
  EXPECT_EQ(EgyptianSearchLines(ParseFraction("5/121")),
            (std::vector<std::string>{"埃及分数(分子为1的分数，又称单位分数)", "方法一：",
                                      "5/121= 1/33+1/121+1/363", "共有1组解",
                                      "(只搜索分母为1000以下的，由2~3个埃及分数组成的和式)"}));
  const std::vector<std::string> none = EgyptianSearchLines(ParseFraction("1/1000000"));
  EXPECT_EQ(none[2], "  无！");
  EXPECT_EQ(none.size(), 4u);
}

// Whether the unit fractions sum exactly to p/q, with strictly growing denominators.
bool SumsBack(const std::string& p, const std::string& q, const std::vector<std::string>& ds) {
  mpq_t sum, term, target;
  mpq_inits(sum, term, target, nullptr);
  mpq_set_str(target, (p + "/" + q).c_str(), 10);
  mpq_canonicalize(target);
  mpz_t previous;
  mpz_init(previous);
  bool growing = true;
  for (const std::string& d : ds) {
    mpq_set_str(term, ("1/" + d).c_str(), 10);
    mpq_add(sum, sum, term);
    growing = growing && mpz_cmp(mpq_denref(term), previous) > 0;
    mpz_set(previous, mpq_denref(term));
  }
  const bool equal = mpq_equal(sum, target) != 0;
  mpq_clears(sum, term, target, nullptr);
  mpz_clear(previous);
  return equal && growing;
}

TEST(FunFractions, GreedyExpansionsSumBackExactly) {
  for (const auto& [p, q] :
       std::vector<std::pair<std::string, std::string>>{{"5", "121"},
                                                        {"4", "17"},
                                                        {"31", "311"},
                                                        {"2006", "2007"},
                                                        {"1", "123456789012345678901234567890"},
                                                        {"7", "100000000000000000001"}}) {
    const GreedyExpansion expansion = GreedyUnitFractions(ParseFraction(p + "/" + q));
    EXPECT_TRUE(expansion.complete) << p << "/" << q;
    EXPECT_TRUE(SumsBack(p, q, expansion.denominators)) << p << "/" << q;
  }
  EXPECT_EQ(GreedyLine(ParseFraction("5/121")),
            "5/121= 1/25+1/757+1/763309+1/873960180913+1/1527612795642093418846225");
  // A fraction above 1 takes 1/1 as often as it fits.
  EXPECT_EQ(GreedyLine(ParseFraction("7/3")), "7/3= 1/1+1/1+1/3");
  EXPECT_EQ(GreedyLine(ParseFraction("-3/7")), "-3/7：不是正分数");
  EXPECT_EQ(GreedyLine(ParseFraction("0/7")), "0：不是正分数");
}

TEST(FunFractions, GreedyExpansionsStopAtTheirLimits) {
  EXPECT_TRUE(GreedyUnitFractions(ParseFraction("1000")).complete);
  const GreedyExpansion many = GreedyUnitFractions(ParseFraction("1000000000000000000000000"));
  EXPECT_FALSE(many.complete);
  EXPECT_EQ(many.denominators.size(), kMaxGreedyTerms);
  // 36/457 reaches a denominator of 2847 digits at its twelfth term.
  const GreedyExpansion whole = GreedyUnitFractions(ParseFraction("36/457"));
  EXPECT_TRUE(whole.complete);
  EXPECT_EQ(whole.denominators.size(), 12u);
  const GreedyExpansion cut = GreedyUnitFractions(ParseFraction("36/457"), 1000);
  EXPECT_FALSE(cut.complete);
  EXPECT_EQ(cut.denominators.size(), 10u);
  const std::string line = GreedyLine(ParseFraction("1000000000000000000000000"));
  EXPECT_EQ(line.substr(line.size() - 10), "未展开完）");
}

}  // namespace
}  // namespace zarnix
