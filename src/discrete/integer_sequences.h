// Number tables of the integer arithmetic category: the binomial triangle, Pythagorean triples,
// Fibonacci and Bell numbers, and the three Diophantine searches. Each returns its answer lines.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

inline constexpr int kMaxTriangleRows = 67;  // C(66, 33) is the last row's largest entry in 64 bits

// Rows 1 ... n, entry C(i-1, j) each followed by a space.
std::vector<std::string> BinomialTriangle(int rows);

// Primitive Pythagorean triples whose odd hypotenuse c lies in [a, b]: a header, one line per
// triple (legs ascending, "*" when c is prime) and the footer with the counts.
std::vector<std::string> PrimitiveTriples(std::int64_t a, std::int64_t b);
// Pythagorean triples of perimeter n, a header, one line each and the count.
std::vector<std::string> PerimeterTriples(std::int64_t n);
// Triples whose legs differ by one, from the Pell-type relations 2t^2 -+ 1 = r^2: the first n,
// or only the n-th when onlyLast is set.
std::vector<std::string> ConsecutiveLegTriples(int n, bool onlyLast);

// F_1 ... F_n with their lengths (the n-th alone beyond kFibonacciListLimit).
inline constexpr int kFibonacciListLimit = 4000;
std::vector<std::string> FibonacciLines(std::int64_t n);
// The first n Bell numbers from the Bell triangle.
std::vector<std::string> BellLines(int n);

// n! + 1 = x^2 for n = 4 ... 20.
std::vector<std::string> FactorialSquareLines();

struct IntegerPair {
  std::int64_t x = 0;
  std::int64_t y = 0;
};
// Non-negative solutions of y^2 = x^3 + k with x <= 32767.
std::vector<IntegerPair> MordellSolutions(std::int64_t k);
// Solutions of x^2 - k y^2 = 1 with 0 <= y <= 46340 div |k|, k != 0; for k < 0 the search ends
// where k y^2 + 1 turns negative.
std::vector<IntegerPair> PellSolutions(std::int64_t k);

}  // namespace zarnix
