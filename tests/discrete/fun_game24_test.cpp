// The 24 game: every printed expression is parsed again and evaluated with exact fractions of
// this file's own, must give the target and use each number once; the solutions are counted
// against a plain search of every expression, whose classes are told apart by evaluating each
// expression with the numbers replaced by unrelated values.
#include "discrete/fun_game24.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/errors.h"

namespace zarnix {
namespace {

// --- exact fractions of the test, always reduced ---

__int128 Gcd(__int128 a, __int128 b) {
  if (a < 0) a = -a;
  if (b < 0) b = -b;
  while (b != 0) {
    const __int128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

struct Q {
  __int128 n = 0;
  __int128 d = 1;
  static Q Of(__int128 n, __int128 d) {
    if (d < 0) n = -n, d = -d;
    const __int128 g = Gcd(n, d);
    return g > 1 ? Q{n / g, d / g} : Q{n, d};
  }
  bool operator==(const Q& o) const { return n == o.n && d == o.d; }
  bool operator<(const Q& o) const { return n * o.d < o.n * d; }
};

Q operator+(Q a, Q b) {
  return Q::Of(a.n * b.d + b.n * a.d, a.d * b.d);
}
Q operator-(Q a, Q b) {
  return Q::Of(a.n * b.d - b.n * a.d, a.d * b.d);
}
Q operator*(Q a, Q b) {
  return Q::Of(a.n * b.n, a.d * b.d);
}
std::optional<Q> Divide(Q a, Q b) {
  if (b.n == 0) return std::nullopt;
  return Q::Of(a.n * b.d, a.d * b.n);
}

// --- a recursive-descent reader of the printed expressions ---

// Evaluates text with every number replaced by leaf(number); the numbers met are collected.
class Reader {
 public:
  Reader(const std::string& text, std::function<Q(std::int64_t)> leaf)
      : text_(text), leaf_(std::move(leaf)) {}

  std::optional<Q> Read() {
    const std::optional<Q> value = Sum();
    if (pos_ != text_.size()) return std::nullopt;
    return value;
  }
  std::vector<std::int64_t> numbers;

 private:
  std::optional<Q> Sum() {
    std::optional<Q> value = Product();
    while (value && pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) {
      const char op = text_[pos_++];
      const std::optional<Q> right = Product();
      if (!right) return std::nullopt;
      value = op == '+' ? *value + *right : *value - *right;
    }
    return value;
  }
  std::optional<Q> Product() {
    std::optional<Q> value = Factor();
    while (value && pos_ < text_.size() && (text_[pos_] == '*' || text_[pos_] == '/')) {
      const char op = text_[pos_++];
      const std::optional<Q> right = Factor();
      if (!right) return std::nullopt;
      value = op == '*' ? std::optional<Q>(*value * *right) : Divide(*value, *right);
    }
    return value;
  }
  std::optional<Q> Factor() {
    if (pos_ >= text_.size()) return std::nullopt;
    if (text_[pos_] == '-') {
      ++pos_;
      // "(-3)" is the number -3; a minus before anything else negates it.
      if (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
        return Number(-1);
      const std::optional<Q> value = Factor();
      if (!value) return std::nullopt;
      return Q{} - *value;
    }
    if (text_[pos_] == '(') {
      ++pos_;
      const std::optional<Q> value = Sum();
      if (pos_ >= text_.size() || text_[pos_] != ')') return std::nullopt;
      ++pos_;
      return value;
    }
    return Number(1);
  }
  std::optional<Q> Number(int sign) {
    std::int64_t n = 0;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
      n = n * 10 + (text_[pos_++] - '0');
    if (pos_ == start) return std::nullopt;
    numbers.push_back(sign * n);
    return leaf_(sign * n);
  }

  const std::string& text_;
  std::function<Q(std::int64_t)> leaf_;
  std::size_t pos_ = 0;
};

Q Whole(std::int64_t n) {
  return Q{n, 1};
}

// --- the plain search: every expression tree, with its value at the numbers and at two
// substitutions of unrelated values, which tell different expressions apart ---

struct Triple {
  Q value, first, second;
};

void AllExpressions(
    std::vector<Triple> items, std::int64_t target,
    std::set<std::pair<std::pair<__int128, __int128>, std::pair<__int128, __int128>>>& classes) {
  if (items.size() == 1) {
    if (items[0].value == Whole(target))
      classes.insert(
          {{items[0].first.n, items[0].first.d}, {items[0].second.n, items[0].second.d}});
    return;
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    for (std::size_t j = 0; j < items.size(); ++j) {
      if (i == j) continue;
      std::vector<Triple> rest;
      for (std::size_t k = 0; k < items.size(); ++k)
        if (k != i && k != j) rest.push_back(items[k]);
      const Triple& a = items[i];
      const Triple& b = items[j];
      const auto recurse = [&](const Triple& t) {
        rest.push_back(t);
        AllExpressions(rest, target, classes);
        rest.pop_back();
      };
      recurse({a.value + b.value, a.first + b.first, a.second + b.second});
      recurse({a.value - b.value, a.first - b.first, a.second - b.second});
      recurse({a.value * b.value, a.first * b.first, a.second * b.second});
      const auto v = Divide(a.value, b.value);
      const auto f = Divide(a.first, b.first);
      const auto s = Divide(a.second, b.second);
      if (v) {
        ASSERT_TRUE(f && s) << "substitution hit a zero divisor";
        recurse({*v, *f, *s});
      }
    }
}

// Checks every solution line of distinct numbers: it reads back to the target with each number
// once, and the lines are exactly the classes of the plain search.
void CheckAgainstPlainSearch(const std::vector<std::int64_t>& numbers, std::int64_t target) {
  const std::vector<GameExpression> solutions = SolveGame(numbers, target);
  std::map<std::int64_t, std::pair<Q, Q>> substitute;
  std::vector<Triple> items;
  std::int64_t seed = 1009;
  for (std::int64_t n : numbers) {
    substitute[n] = {Whole(seed), Whole(seed * 3 + 7919)};
    items.push_back({Whole(n), substitute[n].first, substitute[n].second});
    seed = seed * 7 % 10007 + 13;
  }
  std::set<std::pair<std::pair<__int128, __int128>, std::pair<__int128, __int128>>> classes;
  AllExpressions(items, target, classes);

  std::set<std::pair<std::pair<__int128, __int128>, std::pair<__int128, __int128>>> printed;
  for (const GameExpression& solution : solutions) {
    Reader exact(solution.text, Whole);
    const std::optional<Q> value = exact.Read();
    ASSERT_TRUE(value) << solution.text;
    EXPECT_EQ(*value, Whole(target)) << solution.text;
    std::vector<std::int64_t> used = exact.numbers;
    std::vector<std::int64_t> given = numbers;
    std::sort(used.begin(), used.end());
    std::sort(given.begin(), given.end());
    EXPECT_EQ(used, given) << solution.text;
    EXPECT_EQ(solution.bracketed, solution.text.find('(') != std::string::npos);
    const auto first =
        Reader(solution.text, [&](std::int64_t n) { return substitute[n].first; }).Read();
    const auto second =
        Reader(solution.text, [&](std::int64_t n) { return substitute[n].second; }).Read();
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(printed.insert({{first->n, first->d}, {second->n, second->d}}).second)
        << "printed twice: " << solution.text;
  }
  EXPECT_EQ(printed, classes);
}

TEST(Game24, EveryClassOfSolutionsOnceForFourAndFiveNumbers) {
  CheckAgainstPlainSearch({1, 2, 3, 4}, 24);
  CheckAgainstPlainSearch({2, 5, 11, 3}, 24);
  CheckAgainstPlainSearch({1, 5, 7, 10}, 24);
  CheckAgainstPlainSearch({1, 2, 3, 4, 5}, 24);
  CheckAgainstPlainSearch({3, 7, 9, 13, 17}, 41);
  // Negative numbers and a negative target.
  CheckAgainstPlainSearch({-3, 4, 6, 8}, -24);
}

TEST(Game24, FamousSingleSolutionsAndTheirTexts) {
  EXPECT_EQ(GameLines(std::vector<std::int64_t>{3, 3, 8, 8}, 24, true),
            (std::vector<std::string>{"8/(3-8/3)=24", "有解1个，其中未用括号的0个"}));
  EXPECT_EQ(GameLines(std::vector<std::int64_t>{1, 5, 5, 5}, 24, true),
            (std::vector<std::string>{"5*(5-1/5)=24", "有解1个，其中未用括号的0个"}));
  EXPECT_EQ(GameLines(std::vector<std::int64_t>{4, 4, 10, 10}, 24, false),
            (std::vector<std::string>{"(10*10-4)/4=24", "有解1个"}));
}

TEST(Game24, UnbracketedSolutionsAreMarkedAndCounted) {
  const std::vector<std::string> lines = GameLines(std::vector<std::int64_t>{1, 2, 3, 4}, 24, true);
  ASSERT_FALSE(lines.empty());
  // Sorted as texts, so the summary (GBK bytes above every ASCII character) comes last.
  EXPECT_TRUE(std::is_sorted(lines.begin(), lines.end()));
  int marked = 0;
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const bool bang = lines[i].size() > 5 && lines[i].substr(lines[i].size() - 5) == "  !!!";
    EXPECT_EQ(bang, lines[i].find('(') == std::string::npos) << lines[i];
    marked += bang;
  }
  EXPECT_NE(std::find(lines.begin(), lines.end(), "1*2*3*4=24  !!!"), lines.end());
  EXPECT_NE(std::find(lines.begin(), lines.end(), "(1+3)*(2+4)=24"), lines.end());
  EXPECT_EQ(lines.back(), "有解" + std::to_string(lines.size() - 1) + "个，其中未用括号的" +
                              std::to_string(marked) + "个");
}

TEST(Game24, NoSolutionNamesTheProblem) {
  EXPECT_EQ(GameLines(std::vector<std::int64_t>{1, 1, 1, 1}, 24, true),
            (std::vector<std::string>{"1,1,1,1,24", "本题无解！"}));
  EXPECT_EQ(GameLines(std::vector<std::int64_t>{0, 0, 0, 0, 0}, 24, false),
            (std::vector<std::string>{"0,0,0,0,0,24", "本题无解！"}));
  // Zero as target, with zeros: every expression that does not divide by zero counts once.
  const std::vector<GameExpression> zeros = SolveGame(std::vector<std::int64_t>{0, 0}, 0);
  std::vector<std::string> texts;
  for (const GameExpression& e : zeros) texts.push_back(e.text);
  EXPECT_EQ(texts, (std::vector<std::string>{"0*0", "0+0", "0-0"}));
}

TEST(Game24, NumbersBeyondTheLimitAreRefused) {
  EXPECT_THROW(SolveGame(std::vector<std::int64_t>{1, 2, 3, 10001}, 24), Exception);
  EXPECT_THROW(SolveGame(std::vector<std::int64_t>{1, 2, 3, 4, 5, 6, 7}, 24), Exception);
  EXPECT_NO_THROW(SolveGame(std::vector<std::int64_t>{10000, -10000, 9999, 9998}, 2147483647));
}

TEST(Game24, RealNumbersWithinTheTolerance) {
  const std::vector<Extended> numbers = {1.5L, 2, 8};
  const std::vector<std::string> lines = RealGameLines(numbers, 24);
  ASSERT_GE(lines.size(), 2u);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "1.5*2*8=24"), lines.end());
  EXPECT_EQ(lines.back(), "共" + std::to_string(lines.size() - 1) + "组");
  // A long list ends at the step limit; a full list at the solution limit.
  const std::vector<Extended> many = {1, 2, 3, 4, 5, 6, 7};
  EXPECT_LE(RealGameLines(many, 24).size(), 1001u);
  EXPECT_EQ(SolveRealGame(many, 24, {1e-6L, 5000000, 10}).size(), 10u);
  EXPECT_LT(SolveRealGame(many, 24, {1e-6L, 1000, 1000}).size(), 10u);
  // Huge values overflow in some branches; those are dropped, not reported.
  EXPECT_THROW(SolveRealGame(std::vector<Extended>(kMaxRealGameNumbers + 1, 1), 24), Exception);
  const std::vector<Extended> huge = {1e4000L, 1e4000L, 2};
  EXPECT_EQ(RealGameLines(huge, 2).back(), "共2组");
}

TEST(Game24, OperatorInsertionAgreesWithReadingEveryAssignment) {
  const std::vector<std::int64_t> numbers = {1, 2, 3, 4, 5, 6};
  const std::vector<std::string> lines = OperatorInsertionLines(numbers, 21);
  std::set<std::string> expected;
  const char ops[] = {'+', '-', '*', '/'};
  for (int code = 0; code < 1024; ++code) {
    std::string text = "1";
    for (int gap = 0, rest = code; gap < 5; ++gap, rest /= 4)
      text += std::string(1, ops[rest % 4]) + std::to_string(gap + 2);
    const std::optional<Q> value = Reader(text, Whole).Read();
    if (value && *value == Whole(21)) expected.insert(text + "=21");
  }
  ASSERT_FALSE(expected.empty());
  EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end() - 1), expected);
  EXPECT_EQ(lines.back(), "共" + std::to_string(expected.size()) + "组");
  EXPECT_NE(std::find(lines.begin(), lines.end(), "1+2+3+4+5+6=21"), lines.end());
  // Negative numbers keep their brackets; a division by zero is no solution.
  const std::vector<std::string> signed_ =
      OperatorInsertionLines(std::vector<std::int64_t>{-1, 0, 2, 3}, 5);
  EXPECT_NE(std::find(signed_.begin(), signed_.end(), "(-1)*0+2+3=5"), signed_.end());
  for (const std::string& line : signed_) EXPECT_EQ(line.find("/0"), std::string::npos) << line;
  EXPECT_EQ(OperatorInsertionLines(std::vector<std::int64_t>{1, 2, 3}, 6),
            (std::vector<std::string>{"共0组"}));
}

}  // namespace
}  // namespace zarnix
