// Egyptian fractions. The search solves for the last denominator instead of trying it; the
// greedy expansion works on long numbers, whose denominators square at every step.
#include "discrete/fun_fractions.h"

#include <algorithm>

#include "base/convert.h"
#include "base/errors.h"
#include "discrete/bignum/big_integer.h"
#include "discrete/bignum/natural.h"
#include "discrete/integer_text.h"

namespace zarnix {

namespace {

using bignum::Natural;

constexpr const char* kNotPositive = "：不是正分数";
constexpr const char* kGreedyCut = "+…（项数超过1000或分母超过10000位，未展开完）";

bool IsZero(const Natural& x) {
  return x.empty();
}

// The fraction as 64-bit numbers when it could be a sum of at most three unit fractions with
// denominators up to 999 (so q <= 999^3 and p/q <= 3).
bool SmallFraction(const DigitFraction& fraction, std::int64_t& p, std::int64_t& q) {
  if (fraction.negative || fraction.numerator == "0" || fraction.denominator.size() > 10 ||
      fraction.numerator.size() > 11)
    return false;
  p = StrToInt64(fraction.numerator);
  q = StrToInt64(fraction.denominator);
  const std::int64_t limit = kMaxUnitDenominator;
  return q <= limit * limit * limit && p <= 3 * q;
}

void PairSums(std::int64_t p, std::int64_t q, std::vector<UnitSum>& sums) {
  // 1/x < p/q <= 2/x; then y = qx / (px - q).
  for (std::int64_t x = q / p + 1; x <= std::min(kMaxUnitDenominator, 2 * q / p); ++x) {
    const std::int64_t rest = p * x - q;
    const std::int64_t scaled = q * x;
    if (scaled % rest != 0) continue;
    const std::int64_t y = scaled / rest;
    if (y >= x && y <= kMaxUnitDenominator) sums.push_back({{x, y}});
  }
}

void TripleSums(std::int64_t p, std::int64_t q, std::vector<UnitSum>& sums) {
  for (std::int64_t x = q / p + 1; x <= std::min(kMaxUnitDenominator, 3 * q / p); ++x) {
    // The rest after 1/x is n1/d1; 1/y < n1/d1 <= 2/y; then z = d1 y / (n1 y - d1).
    const std::int64_t n1 = p * x - q;
    const std::int64_t d1 = q * x;
    const std::int64_t first = std::max(x, d1 / n1 + 1);
    for (std::int64_t y = first; y <= std::min(kMaxUnitDenominator, 2 * d1 / n1); ++y) {
      const std::int64_t n2 = n1 * y - d1;
      const std::int64_t d2 = d1 * y;
      if (d2 % n2 != 0) continue;
      const std::int64_t z = d2 / n2;
      if (z >= y && z <= kMaxUnitDenominator) sums.push_back({{x, y, z}});
    }
  }
}

}  // namespace

std::string DigitFraction::Text() const {
  return (negative ? "-" : "") + numerator + (denominator == "1" ? "" : "/" + denominator);
}

DigitFraction ParseFraction(const std::string& text) {
  std::string rest = Trim(text);
  DigitFraction fraction;
  if (!rest.empty() && rest[0] == '-') {
    fraction.negative = true;
    rest.erase(0, 1);
  }
  const std::size_t slash = rest.find('/');
  // Reducing costs a gcd, quadratic in the length.
  if (rest.size() > kMaxGcdDigits) throw Exception(GcdTooLargeMessage());
  Natural p = bignum::ParseDigits(DigitTextOf(rest.substr(0, slash)));
  Natural q = slash == std::string::npos ? Natural{1}
                                         : bignum::ParseDigits(DigitTextOf(rest.substr(slash + 1)));
  if (IsZero(q)) throw Exception(kZeroDenominator);
  const Natural g = bignum::Gcd(p, q);
  Natural remainder;
  bignum::DivMod(Natural(p), g, p, remainder);
  bignum::DivMod(Natural(q), g, q, remainder);
  fraction.negative = fraction.negative && !IsZero(p);
  fraction.numerator = bignum::FormatDigits(p);
  fraction.denominator = bignum::FormatDigits(q);
  return fraction;
}

std::vector<UnitSum> UnitFractionSums(const DigitFraction& fraction) {
  std::vector<UnitSum> sums;
  std::int64_t p = 0;
  std::int64_t q = 0;
  if (!SmallFraction(fraction, p, q)) return sums;
  PairSums(p, q, sums);
  TripleSums(p, q, sums);
  return sums;
}

std::vector<std::string> EgyptianSearchLines(const DigitFraction& fraction) {
  std::vector<std::string> lines = {"埃及分数(分子为1的分数，又称单位分数)", "方法一："};
  const std::vector<UnitSum> sums = UnitFractionSums(fraction);
  for (const UnitSum& sum : sums) {
    std::string line = fraction.Text() + "=";
    for (std::size_t i = 0; i < sum.denominators.size(); ++i)
      line += (i == 0 ? " 1/" : "+1/") + IntToStr(sum.denominators[i]);
    lines.push_back(line);
  }
  if (sums.empty()) {
    lines.push_back("  无！");
  } else {
    lines.push_back("共有" + IntToStr(static_cast<std::int64_t>(sums.size())) + "组解");
  }
  lines.push_back("(只搜索分母为1000以下的，由2~3个埃及分数组成的和式)");
  return lines;
}

GreedyExpansion GreedyUnitFractions(const DigitFraction& fraction, std::size_t maxDigits) {
  GreedyExpansion expansion;
  Natural p = bignum::ParseDigits(fraction.numerator);
  Natural q = bignum::ParseDigits(fraction.denominator);
  if (fraction.negative) p.clear();
  while (!IsZero(p)) {
    if (expansion.denominators.size() == kMaxGreedyTerms) {
      expansion.complete = false;
      break;
    }
    // d = ceil(q / p), the largest unit fraction 1/d <= p/q; the rest is (pd - q) / (qd).
    Natural d;
    Natural remainder;
    bignum::DivMod(q, p, d, remainder);
    if (!IsZero(remainder)) d = bignum::AddWord(d, 1);
    if (bignum::DigitCount(d) > maxDigits) {
      expansion.complete = false;
      break;
    }
    expansion.denominators.push_back(bignum::FormatDigits(d));
    p = bignum::Subtract(bignum::Multiply(p, d), q);
    q = bignum::Multiply(q, d);
    if (IsZero(p)) break;
    const Natural g = bignum::Gcd(p, q);
    bignum::DivMod(Natural(p), g, p, remainder);
    bignum::DivMod(Natural(q), g, q, remainder);
  }
  return expansion;
}

std::string GreedyLine(const DigitFraction& fraction) {
  if (fraction.negative || fraction.numerator == "0") return fraction.Text() + kNotPositive;
  const GreedyExpansion expansion = GreedyUnitFractions(fraction);
  std::string line = fraction.Text() + "= ";
  for (std::size_t i = 0; i < expansion.denominators.size(); ++i)
    line += (i == 0 ? "1/" : "+1/") + expansion.denominators[i];
  if (!expansion.complete) line += kGreedyCut;
  return line;
}

}  // namespace zarnix
