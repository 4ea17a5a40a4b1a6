// Lists of named statements, the evaluation shared by the common formulas and the batch
// tables: "name:expression" defines a value, "name=formula" computes a result, and each may
// use pi and the names of the statements before it (Chinese names kept whole).
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/calc_express.h"
#include "expr/tree_eval.h"

namespace zarnix {

// Put in front of every list, so pi is always known.
inline constexpr const char* kPiStatement = "pi:3.14159265358979323846";

// An expression as the component reads it: "\" becomes " div " and "e(" becomes "*10^(" (so
// 1.5e(3) is 1.5·10³). Two-byte characters are never split, and an "e(" that ends a word of
// letters (the function heaviside) is left alone.
std::string ExpandStatementText(std::string_view text);

// One statement split at its first "=" (a result) or else at its first ":"; a statement with
// neither has an empty name and is all formula.
struct Statement {
  std::string name;  // trimmed
  std::string formula;
  bool result = false;
};
Statement SplitStatement(std::string_view text);

// The statements parsed once, to be evaluated as often as needed (a batch evaluates the same
// list for every value of its counter).
class StatementList {
 public:
  explicit StatementList(EvalServices services) : services_(services) {}

  // Parses pi and then the statements in order, each with the names before it; a statement
  // whose formula is blank is skipped. False at the first formula the component rejects (it
  // has shown "表达式错误"); that statement's text is then RejectedText().
  bool Parse(std::span<const std::string> statements);
  const std::string& RejectedText() const { return rejected_; }

  // The values of the "=" statements in order. The first values of `preset` replace those of
  // the first parsed statements after pi (the iteration counter of a batch). Floating-point
  // faults throw.
  std::vector<Extended> Evaluate(std::span<const Extended> preset = {}) const;

 private:
  struct Parsed {
    std::unique_ptr<TCalcExpress> expression;
    bool result = false;
  };

  EvalServices services_;
  std::vector<Parsed> parsed_;
  std::string rejected_;
};

// Parses and evaluates the list once; nullopt when a formula was rejected (its message shown).
std::optional<std::vector<Extended>> EvalStatementList(EvalServices services,
                                                       std::span<const std::string> statements);

}  // namespace zarnix
