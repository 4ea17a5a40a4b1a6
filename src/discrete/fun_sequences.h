// Recreational sequences and counting puzzles: the Collatz sequence, polygonal and Markov
// numbers, the matchstick (Josephus) game and the orchard problem. Each returns its answer
// lines; the numbers are exposed for checking.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

// The Collatz sequence of a positive whole number typed as text (blanks and leading zeros
// allowed): the start, each value until 1 and "共n次运算". Zero, a text that is no such
// number, or a start longer than kMaxCollatzDigits gets a message line instead; a walk of
// kMaxCollatzSteps stops with one.
inline constexpr std::size_t kMaxCollatzDigits = 200;
inline constexpr long kMaxCollatzSteps = 100000;
std::vector<std::string> CollatzLines(const std::string& text);

// P(k, i) = i((k-2)(i-1) + 2)/2 for digit texts k >= 3 and i >= 1.
std::string PolygonalNumber(const std::string& k, const std::string& i);
// The first N k-gonal numbers, or the N-th alone when N or k exceeds 10000. A number beyond
// the long-number limit throws Exception.
std::vector<std::string> PolygonalLines(const std::string& k, const std::string& n);

// The Markov numbers the seed pairs lead to (and 1, 2), ascending, as digit texts.
std::vector<std::string> MarkovNumbers();
std::vector<std::string> MarkovLines();

// The place to start counting so that, taking every m-th of n matches in a circle, the last
// one taken is the first (n >= 1, m >= 1).
std::int64_t MatchstickStart(std::int64_t n, std::int64_t m);
std::vector<std::string> MatchstickLines(std::int64_t n, std::int64_t m);

// The most rows of three that n trees can be planted in (the known values for small n).
std::int64_t OrchardRows(std::int64_t n);
std::vector<std::string> OrchardLines(std::int64_t n);

}  // namespace zarnix
