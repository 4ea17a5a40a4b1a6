// The small formula evaluator: the tree evaluator reduced to + - * / ^, brackets, numbers
// and the letters a ... z, without functions, constants or random numbers.
#pragma once

#include <span>
#include <string_view>

#include "base/extended.h"
#include "expr/tree_eval.h"

namespace zarnix {

class Ui;

// A formula parsed once with the small vocabulary, evaluated any number of times.
class SmallEvaluator {
 public:
  explicit SmallEvaluator(std::string_view formula) : tree_(formula, TreeDialect::kArithmetic) {}

  int UnrecognisedCount() const { return tree_.UnrecognisedCount(); }
  void ShowParseMessages(Ui& ui) const { tree_.ShowParseMessages(ui); }

  // a ... z from values[0..25] (missing values are 0).
  Extended Evaluate(std::span<const Extended> values) const;

 private:
  FormulaEvaluator tree_;
};

// Parses the formula, shows "表达式错误" once per unrecognised piece (which counts as 0) and
// returns its value with a ... z = values[0..25]. A non-positive base with a non-whole
// exponent throws EFormulaError; floating-point faults throw their errors.
Extended EvalSimpleFormula(Ui& ui, std::string_view formula, std::span<const Extended> values);

}  // namespace zarnix
