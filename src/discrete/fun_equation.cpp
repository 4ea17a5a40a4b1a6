// Whole-number solutions by trying every point of a box: both sides parsed once with the small
// evaluator, compared exactly where extended precision is exact and relatively beyond.
#include "discrete/fun_equation.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "base/convert.h"
#include "base/errors.h"
#include "base/fpu.h"
#include "expr/small_eval.h"
#include "expr/tree_eval_math.h"

namespace zarnix {

namespace {

constexpr const char* kTwoEquals = "方程中只能有一个等号";

// Sides that agree to the last bits of extended precision are equal; below 2^64 every whole
// value is exact and a difference is at least 1.
bool SidesEqual(Extended left, Extended right) {
  const Extended scale = std::max(std::fabs(left), std::fabs(right));
  return std::fabs(left - right) <= std::max(1e-9L, scale * 1e-17L);
}

std::string PointText(const std::string& letters, const std::array<Extended, 26>& values) {
  std::string text;
  for (char letter : letters) {
    if (!text.empty()) text += ",";
    text += std::string(1, letter) + "=" +
            IntToStr(static_cast<std::int64_t>(values[static_cast<std::size_t>(letter - 'a')]));
  }
  return text;
}

// Moves to the next point of the box (the last letter fastest); false after the last one.
bool NextPoint(const std::string& letters, std::int64_t range, std::array<Extended, 26>& values) {
  for (std::size_t i = letters.size(); i-- > 0;) {
    Extended& value = values[static_cast<std::size_t>(letters[i] - 'a')];
    if (value < range) {
      ++value;
      return true;
    }
    value = -range;
  }
  return false;
}

}  // namespace

std::string EquationLetters(const std::string& equation) {
  std::string letters;
  for (char c : LowerCase(equation))
    if (c >= 'a' && c <= 'z' && letters.find(c) == std::string::npos) letters += c;
  std::sort(letters.begin(), letters.end());
  return letters;
}

std::int64_t EquationRange(std::size_t letters) {
  std::int64_t range = kMaxEquationRange;
  const auto points = [&](std::int64_t r) {
    long double total = 1;
    for (std::size_t i = 0; i < letters; ++i) total *= static_cast<long double>(2 * r + 1);
    return total;
  };
  while (range > 0 && points(range) > kMaxEquationPoints) --range;
  return range;
}

std::vector<std::string> EquationSolutionLines(Ui& ui, const std::string& equation) {
  const std::size_t equals = equation.find('=');
  if (equals != std::string::npos && equation.find('=', equals + 1) != std::string::npos)
    throw Exception(kTwoEquals);
  const SmallEvaluator left(equation.substr(0, equals));
  const SmallEvaluator right(equals == std::string::npos ? "0" : equation.substr(equals + 1));
  if (left.UnrecognisedCount() + right.UnrecognisedCount() > 0) {
    left.ShowParseMessages(ui);
    right.ShowParseMessages(ui);
    return {};
  }
  const std::string letters = EquationLetters(equation);
  const std::int64_t range = EquationRange(letters.size());
  std::vector<std::string> lines = {"（各未知数取 -" + IntToStr(range) + "～" + IntToStr(range) +
                                    " 的整数）"};
  std::array<Extended, 26> values{};
  for (char letter : letters) values[static_cast<std::size_t>(letter - 'a')] = -range;
  std::int64_t count = 0;
  do {
    try {
      ClearFpFaults();
      const Extended l = left.Evaluate(values);
      const Extended r = right.Evaluate(values);
      CheckFpFaults();
      if (!SidesEqual(l, r)) continue;
    } catch (const EMathError&) {
      continue;  // a division by zero or an overflow at this point
    } catch (const EFormulaError&) {
      continue;  // a non-positive number to a broken power
    }
    // Without letters the equation is a statement; only the count says whether it holds.
    if (++count <= static_cast<std::int64_t>(kMaxListedSolutions) && !letters.empty())
      lines.push_back(PointText(letters, values));
  } while (NextPoint(letters, range, values));
  if (count > static_cast<std::int64_t>(kMaxListedSolutions))
    lines.push_back("有1000组以上，只列出前1000组");
  lines.push_back("共" + IntToStr(count) + "组解");
  return lines;
}

}  // namespace zarnix
