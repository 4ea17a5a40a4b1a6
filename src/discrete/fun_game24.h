// The 24 game and its relatives: numbers combined pairwise with + - * / until one value is left,
// each distinct solution printed once with only the brackets it needs; and operators inserted
// between numbers kept in their order.
//
// Two solutions are the same when they differ only by the order of the terms of a sum or the
// factors of a product, by how those are grouped, or by which sign a sum carries where that sign
// is compensated elsewhere: a-b+c, c+a-b and a-(b-c) are one solution, as are (5-2)*(11-3) and
// (2-5)*(3-11), and a/(b/c) is a*c/b.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// The exact game keeps every intermediate value as a fraction in 128 bits; this many numbers of
// at most this size cannot overflow it.
inline constexpr std::int64_t kMaxGameNumber = 10000;
inline constexpr std::size_t kMaxExactGameNumbers = 6;
// Operator insertion evaluates at most this many numbers.
inline constexpr std::size_t kMinInsertionNumbers = 4;
inline constexpr std::size_t kMaxInsertionNumbers = 9;

struct GameExpression {
  std::string text;  // e.g. "8/(3-8/3)"; a negative number is written "(-3)"
  bool bracketed = false;
};

// Every distinct expression over all the numbers, each used once, whose exact value is the
// target; sorted by text. Numbers beyond kMaxGameNumber or more than kMaxExactGameNumbers of
// them throw Exception.
std::vector<GameExpression> SolveGame(std::span<const std::int64_t> numbers, std::int64_t target);

// The answer lines of the 24-game items: the solutions "text=target" (a line without brackets
// ends with "  !!!") and the summary, sorted together; or the numbers and target joined by ","
// and "本题无解！". The summary counts the solutions without brackets when asked to.
std::vector<std::string> GameLines(std::span<const std::int64_t> numbers, std::int64_t target,
                                   bool countUnbracketed);

// The real game takes at most this many numbers; the step limit ends the search long before
// all their combinations are tried.
inline constexpr std::size_t kMaxRealGameNumbers = 12;

struct RealGameLimits {
  Extended tolerance = 1e-6L;
  long maxSteps = 5000000;  // combinations tried
  std::size_t maxSolutions = 1000;
};

// The game on real numbers: every distinct expression within the tolerance of the target, as
// "text=value", sorted; the search ends at the first limit reached. More than
// kMaxRealGameNumbers numbers throw Exception.
std::vector<std::string> SolveRealGame(std::span<const Extended> numbers, Extended target,
                                       const RealGameLimits& limits = {});
// Those lines followed by "共n组", or by "有1000组以上，只列出前1000组" when the list is full.
std::vector<std::string> RealGameLines(std::span<const Extended> numbers, Extended target);

// Every assignment of + - * / to the gaps between the numbers (in their order, * and / before
// + and -) whose exact value is the target, as "expression=target", in the order of the
// operators + - * / from the first gap on; then "共n组". Fewer than 4 or more than 9 numbers
// list nothing; numbers beyond kMaxGameNumber throw Exception.
std::vector<std::string> OperatorInsertionLines(std::span<const std::int64_t> numbers,
                                                std::int64_t target);

}  // namespace zarnix
