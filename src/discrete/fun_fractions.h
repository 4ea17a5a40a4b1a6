// Egyptian fractions: a fraction as a sum of two or three unit fractions with small
// denominators, and its greedy expansion on digit strings.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

// A fraction typed as "p/q" or "p" (an optional "-" before p), reduced. Throws EConvertError
// "'%s' is not a valid integer value" for a part that is not a whole number, Exception
// kZeroDenominator for q = 0 and the long-number gcd message for texts too long to reduce.
struct DigitFraction {
  bool negative = false;
  std::string numerator;  // digit texts without leading zeros
  std::string denominator;
  std::string Text() const;
};
inline constexpr const char* kZeroDenominator = "分母不能为0";
DigitFraction ParseFraction(const std::string& text);

inline constexpr std::int64_t kMaxUnitDenominator = 999;

struct UnitSum {
  std::vector<std::int64_t> denominators;  // ascending, two or three of them
};
// Every way to write the fraction as 1/x + 1/y or 1/x + 1/y + 1/z with x <= y <= z <= 999:
// the pairs by x, then the triples by x and y.
std::vector<UnitSum> UnitFractionSums(const DigitFraction& fraction);
// "方法一：", the sums "p/q= 1/x+1/y", their count and the search rule, or "  无！".
std::vector<std::string> EgyptianSearchLines(const DigitFraction& fraction);

// Greedy expansion: repeatedly the largest unit fraction not above the rest. It stops, with
// `complete` false, after kMaxGreedyTerms terms or at a denominator of more than maxDigits
// digits (the denominators roughly square at every step).
inline constexpr std::size_t kMaxGreedyTerms = 1000;
inline constexpr std::size_t kMaxGreedyDigits = 10000;
struct GreedyExpansion {
  std::vector<std::string> denominators;
  bool complete = true;
};
GreedyExpansion GreedyUnitFractions(const DigitFraction& fraction,
                                    std::size_t maxDigits = kMaxGreedyDigits);
// "p/q= 1/d1+1/d2+…", or a note when the fraction is not positive or the expansion was cut.
std::string GreedyLine(const DigitFraction& fraction);

}  // namespace zarnix
