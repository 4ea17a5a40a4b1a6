// TCalcExpress: formulas whose variables carry free names (Chinese words included), parsed
// once by recursive descent into a tree and evaluated for arrays of variable values.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"
#include "expr/tree_eval.h"

namespace zarnix {

// Token and node kinds. The numbered ones are the token kinds; kNegate only names a node, and
// the last three only mark the parser's position.
// clang-format off
enum class CalcKind : std::uint8_t {
  kOpen = 1, kClose = 2, kPlus = 3, kMinus = 4, kTimes = 5, kDivide = 6, kNumber = 7,
  kVariable = 8, kNegate = 9,
  kCos = 10, kSin = 11, kTan = 12, kCot = 13, kAbs = 14, kSgn = 15, kSqrt = 16, kLn = 17,
  kExp = 18, kArcSin = 19, kArcCos = 20, kArcTan = 21, kArcCot = 22, kSinh = 23, kCosh = 24,
  kTanh = 25, kCoth = 26, kHeaviside = 27, kIf = 28,
  kPower = 31, kGreater = 32, kLess = 33,
  kSqr = 34, kSec = 35, kCsc = 36, kSech = 37, kCsch = 38, kArcSinh = 39, kArcCosh = 40,
  kArcTanh = 41, kDtor = 42, kRtod = 43, kLog10 = 44, kInt = 45, kArcSec = 46, kArcCsc = 47,
  kArcCoth = 48, kArcSech = 49, kArcCsch = 50, kRound = 51, kRandom = 52, kRev = 53,
  kDiv = 54, kMod = 55,
  kStart, kEnd, kInvalid,
};
// clang-format on

struct CalcNode {
  CalcKind kind = CalcKind::kNumber;
  Extended number = 0;  // a number's value; the exponent of a kPower node
  int index = 0;        // a variable's position in Variables
  int height = 1;       // levels of the subtree, bounded so evaluation cannot run out of stack
  std::unique_ptr<CalcNode> left;   // operand, argument, base
  std::unique_ptr<CalcNode> right;  // second operand
};

class TCalcExpress {
 public:
  // Formula "0", no variables. Parse errors and the "if" function show their texts on
  // services.ui; "random" re-seeds services.random from services.clock.
  explicit TCalcExpress(EvalServices services);

  // Brackets nested, or a tree grown, deeper than this is a parse error.
  static constexpr int kMaxDepth = 1000;

  const std::string& Formula() const { return formula_; }
  // Stores the formula lower-cased and parses it; on an error shows "表达式错误" and keeps no
  // tree.
  void SetFormula(std::string_view formula);

  const std::vector<std::string>& Variables() const { return variables_; }
  // Replaces the names (matched without regard to ASCII case) and parses Formula again.
  void SetVariables(std::vector<std::string> names);

  // False after a rejected formula.
  bool HasTree() const { return root_ != nullptr; }

  // The value with variable i = values[i] (0 beyond the array's end); 0 without a tree.
  // Floating-point faults throw EZeroDivide, EInvalidOp or EOverflow.
  Extended Evaluate(std::span<const Extended> values) const;

 private:
  void Parse();
  Extended EvalNode(const CalcNode& node, std::span<const Extended> values) const;

  EvalServices services_;
  std::string formula_;
  std::vector<std::string> variables_;
  std::unique_ptr<CalcNode> root_;
};

}  // namespace zarnix
