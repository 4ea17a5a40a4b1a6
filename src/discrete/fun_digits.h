// Recreational problems about the digits of numbers: automorphic endings of squares, cubes and
// fifth powers, narcissistic numbers, factorions, and Kaprekar's routine with its black holes.
// Each returns its answer lines; the number lists are exposed for checking.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

inline constexpr int kMaxSquareEndingDigits = 250;
inline constexpr int kMaxPowerEndingDigits = 200;
inline constexpr int kMaxNarcissisticDigits = 19;
inline constexpr int kMaxKaprekarDigits = 9;

// The numbers of exactly `digits` digits (1 excluded) whose power ends in the number itself,
// ascending. Grown one digit at a time: an ending of k + 1 digits extends one of k digits.
std::vector<std::vector<std::string>> AutomorphicEndings(int power, int maxDigits);

// "自守数：" and the square endings: every one up to n digits when n <= 100, else those of
// exactly n digits.
std::vector<std::string> AutomorphicSquareLines(int n);
// The cube (power 3) or fifth-power endings up to n digits, one per line, and their count.
std::vector<std::string> AutomorphicPowerLines(int power, int n);

// Numbers of 1 ... maxDigits digits equal to the sum of their digits' powers (the power being
// the digit count), ascending.
std::vector<std::uint64_t> NarcissisticNumbers(int maxDigits);
std::vector<std::string> NarcissisticLines(int maxDigits);

// n = 1 ... 99999 equal to the sum of the factorials of their digits.
std::vector<std::int64_t> Factorions();
std::vector<std::string> FactorionLines();

// The explanation shared by the two Kaprekar items.
std::vector<std::string> KaprekarHeaderLines();
// The cycles that the routine falls into from every number of `digits` digits whose digits are
// not all equal; each starts at its smallest member, the cycles ordered by it.
std::vector<std::vector<std::uint64_t>> KaprekarCycles(int digits);
std::vector<std::string> KaprekarCycleLines(int firstDigits, int lastDigits);
// 20 steps of the routine from a digit text: "largest-smallest=difference", the difference
// written with as many digits as the start. A text beyond the long-number limit throws
// Exception.
inline constexpr int kKaprekarSteps = 20;
std::vector<std::string> KaprekarRoutineLines(const std::string& digits);

}  // namespace zarnix
