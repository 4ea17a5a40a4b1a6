// Whole-number solutions of an equation in the letters a ... z, found by trying every point of
// a box around 0 with the small formula evaluator.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zarnix {

class Ui;

// Points tried at most; the box's half-width R is the largest with (2R+1)^v within it for v
// letters, and at most kMaxEquationRange.
inline constexpr std::int64_t kMaxEquationPoints = 250000;
inline constexpr std::int64_t kMaxEquationRange = 1000;
inline constexpr std::size_t kMaxListedSolutions = 1000;

// The letters of the equation in alphabetical order, lower-cased.
std::string EquationLetters(const std::string& equation);
std::int64_t EquationRange(std::size_t letters);

// "lhs=rhs" (or an expression that must be 0): a note on the box, the solutions "x=3,y=4" (at
// most kMaxListedSolutions), "共n组解". A point where the formula divides by zero or raises a
// non-positive number to a broken power is no solution. Unrecognised pieces are shown with
// "表达式错误" and no search runs; more than one "=" throws Exception.
std::vector<std::string> EquationSolutionLines(Ui& ui, const std::string& equation);

}  // namespace zarnix
