// The tree formula evaluator: a formula is split at its loosest operator into a tree once,
// then the tree is walked for each set of values of the 26 letters a ... z.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "base/extended.h"

namespace zarnix {

class Clock;
class LcgRandom;
class Ui;
struct Workbench;

// Values of the letters a ... z; index 0 is a.
using LetterValues = std::array<Extended, 26>;

// clang-format off
enum class TreeOp : std::uint8_t {
  // Leaves.
  kConstant,  // leftConstant
  kVariable,  // letters[variable]
  kRnd,       // a random real in [0, 1)
  // Two operands.
  kNotEqual, kEqual, kLessEqual, kGreaterEqual, kGreater, kLess,
  kAdd, kSubtract, kMultiply, kDivide, kIntDivide, kMod, kPower,
  kXor, kOr, kAnd, kShl, kShr,
  // One argument, on the left side.
  kNot, kSinc, kSinh, kCosh, kTanh, kCoth, kSin, kCos, kTan, kCot, kSqrt, kSqr,
  kArcSinh, kArcCosh, kArcTanh, kArcCoth, kArcSin, kArcCos, kArcTan, kArcCot,
  kHeavy, kSgn, kFrac, kExp, kAbs, kTrunc, kLn, kOdd, kPred, kSucc, kRound, kInt, kFac,
  kLog10, kRev, kSech, kCsch, kArcSech, kArcCsch, kSec, kCsc, kArcSec, kArcCsc,
  kRtod, kDtor, kRandom,
};
// clang-format on

// A side without a child uses its constant (0 for an empty text).
struct TreeNode {
  TreeOp operation = TreeOp::kConstant;
  std::unique_ptr<TreeNode> left;
  Extended leftConstant = 0;
  std::unique_ptr<TreeNode> right;
  Extended rightConstant = 0;
  std::uint8_t variable = 0;  // letter index of a kVariable node
};

// kFull: every operator, function and constant; kArithmetic: only + - * / ^, brackets,
// numbers and the letters (the small evaluator).
enum class TreeDialect { kFull, kArithmetic };

// A formula parsed once into a tree, evaluated any number of times.
class FormulaEvaluator {
 public:
  // Parses the formula (lower-cased, spaces removed first). Pieces that are not recognised
  // count as 0 and are counted. A formula nested deeper than kMaxDepth throws
  // EFormulaError "表达式错误".
  explicit FormulaEvaluator(std::string_view formula, TreeDialect dialect = TreeDialect::kFull);

  static constexpr int kMaxDepth = 1000;

  // Pieces of the text that were not recognised; each one deserves a "表达式错误" message.
  int UnrecognisedCount() const { return unrecognised_; }
  // Shows "表达式错误" once per unrecognised piece.
  void ShowParseMessages(Ui& ui) const;

  // The value with the given letters. Floating-point faults throw EZeroDivide, EInvalidOp or
  // EOverflow; the power and factorial rules throw EFormulaError.
  Extended Evaluate(const LetterValues& letters, LcgRandom& random) const;

  // Evaluate for every z of zs (outer), y of ys and x of xs (inner), the letters x, y, z
  // taking those values; the results in that order, x varying fastest.
  std::vector<Extended> EvaluateGrid(LetterValues letters, std::span<const Extended> xs,
                                     std::span<const Extended> ys, std::span<const Extended> zs,
                                     LcgRandom& random) const;

  const TreeNode& Root() const { return *root_; }

 private:
  std::unique_ptr<TreeNode> root_;
  int unrecognised_ = 0;
};

// What an evaluation needs from the program: where messages are shown, and the random
// generator with the clock it is re-seeded from at the start of every entry call.
struct EvalServices {
  Ui& ui;
  const Clock& clock;
  LcgRandom& random;

  static EvalServices Of(Workbench& workbench);
};

// a ... w from values[0..22] (missing values are 0), then x, y, z; the value is stored in
// result.
void EvalFormulaXY(EvalServices services, std::string_view formula,
                   std::span<const Extended> values, Extended x, Extended y, Extended z,
                   Extended& result);

// a ... z from values[0..25] (missing values are 0).
Extended EvalFormulaVars(EvalServices services, std::string_view formula,
                         std::span<const Extended> values);

// One tree, evaluated for every z of zs (outer), y of ys and x of xs (inner) with a ... w
// from values; the results in that order, x varying fastest.
std::vector<Extended> EvalFormulaGrid(EvalServices services, std::string_view formula,
                                      std::span<const Extended> values,
                                      std::span<const Extended> xs, std::span<const Extended> ys,
                                      std::span<const Extended> zs);

}  // namespace zarnix
