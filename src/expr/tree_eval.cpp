// Parsing a formula into a TreeNode tree by splitting at the loosest operator, walking the
// tree, and the three entry points that bind the letters and evaluate.
#include "expr/tree_eval.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "base/clock.h"
#include "base/convert.h"
#include "base/fpu.h"
#include "base/random.h"
#include "base/ui.h"
#include "expr/tree_eval_math.h"
#include "sheet/workbench.h"

namespace zarnix {

namespace {

using enum TreeOp;

constexpr Extended kPi = 3.1415926535897932385L;

// An operator text, or a one-argument function name that applies when the text starts with
// it (tried among the operators, so that "dtor" and "random" are not split at the "or" and
// "and" inside them).
struct SplitEntry {
  std::string_view text;
  TreeOp operation;
  bool prefix = false;
};

// Loosest first; each entry is its own level.
constexpr SplitEntry kFullSplitOrder[] = {
    {"<>", kNotEqual},     {"<=", kLessEqual}, {">=", kGreaterEqual},
    {">", kGreater},       {"<", kLess},       {"=", kEqual},
    {"+", kAdd},           {"-", kSubtract},   {"xor", kXor},
    {"dtor", kDtor, true}, {"or", kOr},        {"*", kMultiply},
    {"/", kDivide},        {"\\", kIntDivide}, {"random", kRandom, true},
    {"and", kAnd},         {"mod", kMod},      {"div", kIntDivide},
    {"^", kPower},         {"shl", kShl},      {"shr", kShr},
};

constexpr SplitEntry kArithmeticSplitOrder[] = {
    {"+", kAdd}, {"-", kSubtract}, {"*", kMultiply}, {"/", kDivide}, {"^", kPower},
};

struct FunctionEntry {
  std::string_view name;
  TreeOp operation;
};

// Tried in this order against the start of the text, so a longer name must come before a
// shorter one it begins with.
constexpr FunctionEntry kFunctions[] = {
    {"not", kNot},         {"sinc", kSinc},       {"sinh", kSinh},       {"cosh", kCosh},
    {"tanh", kTanh},       {"coth", kCoth},       {"sin", kSin},         {"cos", kCos},
    {"tan", kTan},         {"cot", kCot},         {"sqrt", kSqrt},       {"sqr", kSqr},
    {"arcsinh", kArcSinh}, {"arccosh", kArcCosh}, {"arctanh", kArcTanh}, {"arccoth", kArcCoth},
    {"arcsin", kArcSin},   {"arccos", kArcCos},   {"arctan", kArcTan},   {"arccot", kArcCot},
    {"heavy", kHeavy},     {"sgn", kSgn},         {"frac", kFrac},       {"exp", kExp},
    {"abs", kAbs},         {"trunc", kTrunc},     {"ln", kLn},           {"odd", kOdd},
    {"pred", kPred},       {"succ", kSucc},       {"round", kRound},     {"int", kInt},
    {"fac", kFac},         {"log10", kLog10},     {"rev", kRev},         {"sech", kSech},
    {"csch", kCsch},       {"arcsech", kArcSech}, {"arccsch", kArcCsch}, {"sec", kSec},
    {"csc", kCsc},         {"arcsec", kArcSec},   {"arccsc", kArcCsc},   {"rtod", kRtod},
};

// ---------------------------------------------------------------------------------------
// Parsing

// Position of the rightmost occurrence of op whose right-hand text holds as many "(" as
// ")", or npos. One pass from the right keeps the bracket counts of the right-hand text.
std::size_t FindSplit(std::string_view text, std::string_view op) {
  // Most operators do not occur at all; a plain search settles that quickly.
  if (text.find(op) == std::string_view::npos) return std::string_view::npos;
  std::size_t open = 0;
  std::size_t close = 0;
  for (std::size_t i = text.size() - op.size();; --i) {
    if (open == close && text[i] == op[0] && text.compare(i, op.size(), op) == 0) return i;
    if (i == 0) return std::string_view::npos;
    const char entering = text[i - 1 + op.size()];
    if (entering == '(') ++open;
    if (entering == ')') ++close;
  }
}

std::unique_ptr<TreeNode> Leaf(TreeOp operation, Extended constant = 0) {
  auto node = std::make_unique<TreeNode>();
  node->operation = operation;
  node->leftConstant = constant;
  return node;
}

// A constant child is kept as the side's constant rather than as a node.
void SetSide(std::unique_ptr<TreeNode> child, std::unique_ptr<TreeNode>& side, Extended& constant) {
  if (child->operation == kConstant) {
    constant = child->leftConstant;
  } else {
    side = std::move(child);
  }
}

// The formula text prepared for parsing: lower case, spaces removed. Removing the spaces
// must not join two numbers ("2 3" is no 23).
struct PreparedText {
  std::string text;
  bool joinedNumbers = false;
};

bool IsNumberChar(char c) {
  return (c >= '0' && c <= '9') || c == '.';
}

PreparedText PrepareText(std::string_view formula) {
  PreparedText prepared{LowerCase(formula)};
  std::string& text = prepared.text;
  for (std::size_t i = 1; i < text.size(); ++i) {
    if (text[i] != ' ' || !IsNumberChar(text[i - 1])) continue;
    std::size_t next = i;
    while (next < text.size() && text[next] == ' ') ++next;
    if (next < text.size() && IsNumberChar(text[next])) prepared.joinedNumbers = true;
  }
  std::erase(text, ' ');
  return prepared;
}

// The closing bracket of every "(" of a properly nested text, found once, so that each
// level of the parse tells in constant time whether its text is one bracketed piece.
std::vector<std::size_t> MatchBrackets(std::string_view text, bool& nested) {
  std::vector<std::size_t> match(text.size(), std::string_view::npos);
  std::vector<std::size_t> open;
  nested = true;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '(') open.push_back(i);
    if (text[i] != ')') continue;
    if (open.empty()) {
      nested = false;
      continue;
    }
    match[open.back()] = i;
    open.pop_back();
  }
  nested = nested && open.empty();
  return match;
}

class TreeParser {
 public:
  // `base` is the whole prepared text; every piece parsed is a view into it.
  TreeParser(TreeDialect dialect, std::string_view base) : dialect_(dialect), base_(base) {
    match_ = MatchBrackets(base, nested_);
    const std::span<const SplitEntry> order = SplitOrder();
    for (const SplitEntry& entry : order)
      present_.push_back(base.find(entry.text) != std::string_view::npos);
  }

  int Unrecognised() const { return unrecognised_; }
  // Brackets that do not pair up leave no reading of the formula.
  bool Nested() const { return nested_; }

  std::unique_ptr<TreeNode> Parse(std::string_view text, int depth) {
    for (;;) {
      if (depth > FormulaEvaluator::kMaxDepth) throw EFormulaError(FormulaMessage::kTooDeep);
      if (text.empty()) return Leaf(kConstant, 0);
      if (const auto number = TryStrToFloat(text)) return Leaf(kConstant, *number);
      // Inside one pair of brackets around the whole text every operator has an unbalanced
      // right-hand side, so the search can be skipped.
      const bool bracketed = IsBracketed(text);
      if (!bracketed) {
        if (auto node = SplitAtOperator(text, depth)) return node;
      }
      if (text.front() != '(') break;
      // "(" that does not close at the end ("(2)x") leaves no piece to read.
      if (!bracketed) return Unrecognisable();
      text = text.substr(1, text.size() - 2);
      // "()" is no value.
      if (text.empty()) return Unrecognisable();
      ++depth;
    }
    if (dialect_ == TreeDialect::kFull) {
      for (const FunctionEntry& function : kFunctions) {
        if (text.starts_with(function.name)) {
          return Function(function.operation, text.substr(function.name.size()), depth);
        }
      }
      if (text == "rnd") return Leaf(kRnd);
      if (text == "pi") return Leaf(kConstant, kPi);
    }
    if (text.size() == 1 && text[0] >= 'a' && text[0] <= 'z') {
      auto node = Leaf(kVariable);
      node->variable = static_cast<std::uint8_t>(text[0] - 'a');
      return node;
    }
    return Unrecognisable();
  }

 private:
  std::span<const SplitEntry> SplitOrder() const {
    return dialect_ == TreeDialect::kFull ? std::span<const SplitEntry>(kFullSplitOrder)
                                          : std::span<const SplitEntry>(kArithmeticSplitOrder);
  }

  std::size_t Offset(std::string_view piece) const {
    return static_cast<std::size_t>(piece.data() - base_.data());
  }

  bool IsBracketed(std::string_view text) const {
    if (text.size() < 2 || text.front() != '(' || text.back() != ')') return false;
    return nested_ && match_[Offset(text)] == Offset(text) + text.size() - 1;
  }

  std::unique_ptr<TreeNode> Unrecognisable() {
    ++unrecognised_;
    return Leaf(kConstant, 0);
  }

  // An operand that is missing is an error, except where the sign that follows was split
  // off first: "2*-3" is 2*0-3 and "x^-1" is x^0-1 by the evaluator's precedence.
  bool MissingOperand(std::string_view piece) const {
    if (!piece.empty()) return false;
    const std::size_t next = Offset(piece);
    return next >= base_.size() || (base_[next] != '-' && base_[next] != '+');
  }

  std::unique_ptr<TreeNode> SplitAtOperator(std::string_view text, int depth) {
    const std::span<const SplitEntry> order = SplitOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
      const SplitEntry& entry = order[i];
      if (!present_[i]) continue;
      if (entry.prefix) {
        if (text.starts_with(entry.text)) {
          return Function(entry.operation, text.substr(entry.text.size()), depth);
        }
        continue;
      }
      const std::size_t at = FindSplit(text, entry.text);
      if (at == std::string_view::npos) continue;
      auto node = std::make_unique<TreeNode>();
      node->operation = entry.operation;
      const std::string_view left = text.substr(0, at);
      const std::string_view right = text.substr(at + entry.text.size());
      // Only a sign may stand without a left operand ("-x" is 0-x).
      const bool sign = entry.operation == kAdd || entry.operation == kSubtract;
      if ((left.empty() && !sign) || MissingOperand(right)) ++unrecognised_;
      SetSide(Parse(left, depth + 1), node->left, node->leftConstant);
      SetSide(Parse(right, depth + 1), node->right, node->rightConstant);
      return node;
    }
    return nullptr;
  }

  // A one-argument function of the parsed argument text.
  std::unique_ptr<TreeNode> Function(TreeOp operation, std::string_view argument, int depth) {
    auto node = std::make_unique<TreeNode>();
    node->operation = operation;
    if (MissingOperand(argument)) ++unrecognised_;  // "sin" alone
    SetSide(Parse(argument, depth + 1), node->left, node->leftConstant);
    return node;
  }

  TreeDialect dialect_;
  std::string_view base_;
  std::vector<std::size_t> match_;
  std::vector<bool> present_;
  bool nested_ = true;
  int unrecognised_ = 0;
};

// ---------------------------------------------------------------------------------------
// Evaluation

Extended Factorial(Extended x) {
  if (x < 0) throw EFormulaError(FormulaMessage::kNegativeFactorial);
  const std::int64_t n = evalmath::TruncToInt64(x);
  Extended product = 1;
  // Once the product has overflowed, further factors change nothing.
  for (std::int64_t k = 2; k <= n && !std::isinf(product); ++k) {
    product *= static_cast<Extended>(k);
  }
  return product;
}

// Counts of 64 and more (the count's low byte is used) shift every bit out.
std::int64_t Shift(std::int64_t value, Extended count, bool left) {
  const auto bits = static_cast<std::uint64_t>(evalmath::TruncToInt64(count)) & 0xFF;
  if (bits >= 64) return 0;
  const auto word = static_cast<std::uint64_t>(value);
  return static_cast<std::int64_t>(left ? word << bits : word >> bits);
}

Extended RandomBelow(Extended x, LcgRandom& random) {
  const std::int64_t n = evalmath::TruncToInt64(x);
  const auto range = static_cast<std::int32_t>(std::clamp<std::int64_t>(n, 0, INT32_MAX));
  const auto value = static_cast<Extended>(random.Next(range));
  return evalmath::IsWhole(x) ? value : value * random.NextReal();
}

Extended Wrapped(std::int64_t value, std::int64_t delta) {
  return static_cast<Extended>(static_cast<std::int64_t>(static_cast<std::uint64_t>(value) +
                                                         static_cast<std::uint64_t>(delta)));
}

Extended Truth(bool value) {
  return value ? 1 : 0;
}

// The operation on its two side values (l is the argument of a one-argument function).
Extended Operate(TreeOp operation, Extended l, Extended r, LcgRandom& random) {
  using evalmath::TruncToInt64;
  // clang-format off
  switch (operation) {
    case kConstant:
    case kVariable:
    case kRnd:
      return l;  // leaves are handled before the sides are evaluated
    case kNotEqual: return Truth(l != r);
    case kEqual: return Truth(l == r);
    case kLessEqual: return Truth(l <= r);
    case kGreaterEqual: return Truth(l >= r);
    case kGreater: return Truth(l > r);
    case kLess: return Truth(l < r);
    case kAdd: return l + r;
    case kSubtract: return l - r;
    case kMultiply: return l * r;
    case kDivide: return l / r;
    case kIntDivide: return static_cast<Extended>(TruncToInt64(l / r));
    case kMod: return l - r * static_cast<Extended>(TruncToInt64(l / r));
    case kPower:
      if (l <= 0 && !evalmath::IsWhole(r)) {
        throw EFormulaError(FormulaMessage::kPowerOfNonPositive);
      }
      return evalmath::Power(l, r);
    case kXor: return Truth((l != 0) != (r != 0));
    case kOr: return Truth(l != 0 || r != 0);
    case kAnd: return Truth(l != 0 && r != 0);
    case kShl: return static_cast<Extended>(Shift(TruncToInt64(l), r, true));
    case kShr: return static_cast<Extended>(Shift(TruncToInt64(l), r, false));
    case kNot: return Truth(l == 0);
    case kSinc: return l == 0 ? 1 : std::sin(l) / l;
    case kSinh: return std::sinh(l);
    case kCosh: return std::cosh(l);
    case kTanh: return std::tanh(l);
    case kCoth: return 1 / std::tanh(l);
    case kSin: return std::sin(l);
    case kCos: return std::cos(l);
    case kTan: return std::tan(l);
    case kCot: return 1 / std::tan(l);
    case kSqrt: return std::sqrt(l);
    case kSqr: return l * l;
    case kArcSinh: return std::asinh(l);
    case kArcCosh: return std::acosh(l);
    case kArcTanh: return std::atanh(l);
    case kArcCoth: return std::atanh(1 / l);
    case kArcSin: return std::asin(l);
    case kArcCos: return std::acos(l);
    case kArcTan: return std::atan(l);
    case kArcCot: return std::atan(1 / l);
    case kHeavy: return Truth(l > 0);
    case kSgn: return l == 0 ? 0 : l / std::fabs(l);
    case kFrac: return l - std::trunc(l);
    case kExp: return std::exp(l);
    case kAbs: return std::fabs(l);
    case kTrunc: return static_cast<Extended>(TruncToInt64(l));
    case kLn: return std::log(l);
    case kOdd: return Truth((TruncToInt64(l) & 1) != 0);
    case kPred: return Wrapped(TruncToInt64(l), -1);
    case kSucc: return Wrapped(TruncToInt64(l), 1);
    case kRound: return std::nearbyint(l);
    case kInt: return std::trunc(l);
    case kFac: return Factorial(l);
    case kLog10: return std::log10(l);
    case kRev: return 1 / l;
    case kSech: return 1 / std::cosh(l);
    case kCsch: return 1 / std::sinh(l);
    case kArcSech: return std::acosh(1 / l);
    case kArcCsch: return std::asinh(1 / l);
    case kSec: return 1 / std::cos(l);
    case kCsc: return 1 / std::sin(l);
    case kArcSec: return l == 0 ? HUGE_VALL : std::acos(1 / l);
    case kArcCsc: return l == 0 ? HUGE_VALL : std::asin(1 / l);
    case kRtod: return l * 180 / kPi;
    case kDtor: return l * kPi / 180;
    case kRandom: return RandomBelow(l, random);
  }
  // clang-format on
  return 0;
}

struct EvalState {
  const LetterValues& letters;
  LcgRandom& random;
};

Extended EvalNode(const TreeNode& node, EvalState& state);

Extended SideValue(const std::unique_ptr<TreeNode>& child, Extended constant, EvalState& state) {
  return child ? EvalNode(*child, state) : constant;
}

Extended EvalNode(const TreeNode& node, EvalState& state) {
  if (node.operation == kConstant) return node.leftConstant;
  if (node.operation == kVariable) return state.letters[node.variable];
  if (node.operation == kRnd) return state.random.NextReal();
  const Extended l = SideValue(node.left, node.leftConstant, state);
  const Extended r = SideValue(node.right, node.rightConstant, state);
  return Operate(node.operation, l, r, state.random);
}

// The first `count` letters from values, zeros where values ends.
LetterValues LettersFrom(std::span<const Extended> values, std::size_t count) {
  LetterValues letters{};
  for (std::size_t i = 0; i < count && i < values.size(); ++i) letters[i] = values[i];
  return letters;
}

constexpr std::size_t kX = 'x' - 'a';
constexpr std::size_t kY = 'y' - 'a';
constexpr std::size_t kZ = 'z' - 'a';

// Parses for one entry call: re-seeds the random generator and shows the parse messages.
FormulaEvaluator PrepareEntry(EvalServices& services, std::string_view formula) {
  services.random.Randomize(services.clock);
  FormulaEvaluator evaluator(formula);
  evaluator.ShowParseMessages(services.ui);
  return evaluator;
}

}  // namespace

// -----------------------------------------------------------------------------------------

FormulaEvaluator::FormulaEvaluator(std::string_view formula, TreeDialect dialect) {
  const PreparedText prepared = PrepareText(formula);
  TreeParser parser(dialect, prepared.text);
  if (!parser.Nested()) {
    // Without pairs of brackets no part of the formula can be read with confidence.
    root_ = Leaf(kConstant, 0);
    unrecognised_ = 1;
    return;
  }
  root_ = parser.Parse(prepared.text, 0);
  unrecognised_ = parser.Unrecognised() + (prepared.joinedNumbers ? 1 : 0);
}

void FormulaEvaluator::ShowParseMessages(Ui& ui) const {
  for (int i = 0; i < unrecognised_; ++i) {
    ui.ShowMessage(FormulaMessageText(FormulaMessage::kBadExpression));
  }
}

Extended FormulaEvaluator::Evaluate(const LetterValues& letters, LcgRandom& random) const {
  FpFaultScope scope;
  EvalState state{letters, random};
  return Checked(EvalNode(*root_, state));
}

std::vector<Extended> FormulaEvaluator::EvaluateGrid(LetterValues letters,
                                                     std::span<const Extended> xs,
                                                     std::span<const Extended> ys,
                                                     std::span<const Extended> zs,
                                                     LcgRandom& random) const {
  std::size_t count = 0;
  if (__builtin_mul_overflow(xs.size(), ys.size(), &count) ||
      __builtin_mul_overflow(count, zs.size(), &count)) {
    throw Exception("Out of memory");
  }
  std::vector<Extended> results;
  results.reserve(count);
  FpFaultScope scope;
  EvalState state{letters, random};
  for (const Extended z : zs) {
    letters[kZ] = z;
    for (const Extended y : ys) {
      letters[kY] = y;
      for (const Extended x : xs) {
        letters[kX] = x;
        results.push_back(Checked(EvalNode(*root_, state)));
      }
    }
  }
  return results;
}

EvalServices EvalServices::Of(Workbench& workbench) {
  return EvalServices{workbench.ui, workbench.clock, workbench.random};
}

void EvalFormulaXY(EvalServices services, std::string_view formula,
                   std::span<const Extended> values, Extended x, Extended y, Extended z,
                   Extended& result) {
  const FormulaEvaluator evaluator = PrepareEntry(services, formula);
  LetterValues letters = LettersFrom(values, kX);
  letters[kX] = x;
  letters[kY] = y;
  letters[kZ] = z;
  result = evaluator.Evaluate(letters, services.random);
}

Extended EvalFormulaVars(EvalServices services, std::string_view formula,
                         std::span<const Extended> values) {
  const FormulaEvaluator evaluator = PrepareEntry(services, formula);
  return evaluator.Evaluate(LettersFrom(values, 26), services.random);
}

std::vector<Extended> EvalFormulaGrid(EvalServices services, std::string_view formula,
                                      std::span<const Extended> values,
                                      std::span<const Extended> xs, std::span<const Extended> ys,
                                      std::span<const Extended> zs) {
  const FormulaEvaluator evaluator = PrepareEntry(services, formula);
  return evaluator.EvaluateGrid(LettersFrom(values, kX), xs, ys, zs, services.random);
}

}  // namespace zarnix
