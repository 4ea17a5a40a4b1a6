// The 24-game search over exact fractions or extended reals, the normal form that recognises
// equal solutions, the printer that writes a normal form with the brackets it needs, and the
// operator insertion between numbers kept in their order.
#include "discrete/fun_game24.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <unordered_set>
#include <utility>

#include "base/convert.h"
#include "base/errors.h"
#include "base/format.h"
#include "base/fpu.h"

namespace zarnix {

namespace {

constexpr const char* kGameNumberTooLarge = "各数的绝对值最多为10000";
constexpr const char* kTooManyGameNumbers = "最多6个数";
constexpr const char* kTooManyRealNumbers = "最多12个数";
constexpr const char* kNoSolution = "本题无解！";

// --- the two kinds of value ---

// num/den with den > 0, never reduced: the search only compares with the target, by cross
// multiplication. An expression over n numbers of at most 10^4 keeps both below 2^(n-1)*10^(4n),
// so six numbers stay far inside 128 bits.
struct Fraction {
  __int128 num = 0;
  __int128 den = 1;
};

// num == target * den, where a product beyond 128 bits cannot equal a numerator within the
// bounds above.
bool EqualsWhole(const Fraction& value, std::int64_t target) {
  __int128 scaled = 0;
  if (__builtin_mul_overflow(value.den, static_cast<__int128>(target), &scaled)) return false;
  return value.num == scaled;
}

struct ExactArithmetic {
  using Value = Fraction;
  std::int64_t target;

  static std::optional<Value> Apply(char op, const Value& a, const Value& b) {
    switch (op) {
      case '+':
        return Value{a.num * b.den + b.num * a.den, a.den * b.den};
      case '-':
        return Value{a.num * b.den - b.num * a.den, a.den * b.den};
      case '*':
        return Value{a.num * b.num, a.den * b.den};
      default:
        if (b.num == 0) return std::nullopt;
        if (b.num < 0) return Value{-a.num * b.den, -a.den * b.num};
        return Value{a.num * b.den, a.den * b.num};
    }
  }
  static int Sign(const Value& v) { return v.num > 0 ? 1 : v.num < 0 ? -1 : 0; }
  bool Hits(const Value& v) const { return EqualsWhole(v, target); }
  // Leaves are the given whole numbers.
  static bool Less(const Value& a, const Value& b) { return a.num < b.num; }
  static std::string Text(const Value& v) { return IntToStr(static_cast<std::int64_t>(v.num)); }
};

struct RealArithmetic {
  using Value = Extended;
  Extended target;
  Extended tolerance;

  static std::optional<Value> Apply(char op, Value a, Value b) {
    Value v = 0;
    switch (op) {
      case '+':
        v = a + b;
        break;
      case '-':
        v = a - b;
        break;
      case '*':
        v = a * b;
        break;
      default:
        if (b == 0) return std::nullopt;
        v = a / b;
    }
    if (!std::isfinite(v)) return std::nullopt;
    return v;
  }
  static int Sign(Value v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }
  bool Hits(Value v) const { return std::fabs(v - target) < tolerance; }
  static bool Less(Value a, Value b) { return a < b; }
  static std::string Text(Value v) { return GeneralFormat(v); }
};

// --- expressions as they are built ---

template <class Value>
struct Node {
  char op;  // 0 for a given number
  int left;
  int right;
  Value value;
};

// --- the normal form ---

// Sums and products are flattened into lists of parts; a part of a sum may be subtracted, a part
// of a product may divide. Parts are sorted, so the key of a form does not depend on the order
// or grouping the search happened to build. A sum is oriented to have a positive value; the sign
// this takes away moves to the enclosing sum or product.
enum class FormKind { kNumber, kProduct, kSum };

template <class Value>
struct Part;

template <class Value>
struct Form {
  FormKind kind = FormKind::kNumber;
  Value number{};
  std::vector<Part<Value>> parts;
  std::string key;
};

template <class Value>
struct Part {
  Form<Value> form;
  bool inverted = false;  // subtracted from a sum, dividing a product
};

template <class Value>
struct SignedForm {
  int sign = 1;
  Form<Value> form;
};

template <class Arith>
class NormalForm {
 public:
  using Value = typename Arith::Value;

  explicit NormalForm(const std::vector<Node<Value>>& nodes) : nodes_(nodes) {}

  // value(node) = sign * value(form).
  SignedForm<Value> Of(int index) const {
    const Node<Value>& node = nodes_[static_cast<std::size_t>(index)];
    if (node.op == 0) {
      SignedForm<Value> leaf;
      leaf.form.number = node.value;
      leaf.form.key = "#" + Arith::Text(node.value);
      return leaf;
    }
    return node.op == '+' || node.op == '-' ? Sum(index) : Product(index);
  }

 private:
  bool IsSumNode(int index) const {
    const char op = nodes_[static_cast<std::size_t>(index)].op;
    return op == '+' || op == '-';
  }
  bool IsProductNode(int index) const {
    const char op = nodes_[static_cast<std::size_t>(index)].op;
    return op == '*' || op == '/';
  }

  void CollectTerms(int index, bool negated, std::vector<Part<Value>>& parts) const {
    const Node<Value>& node = nodes_[static_cast<std::size_t>(index)];
    if (IsSumNode(index)) {
      CollectTerms(node.left, negated, parts);
      CollectTerms(node.right, node.op == '-' ? !negated : negated, parts);
      return;
    }
    SignedForm<Value> term = Of(index);
    parts.push_back({std::move(term.form), negated != (term.sign < 0)});
  }

  void CollectFactors(int index, bool inverted, std::vector<Part<Value>>& parts, int& sign) const {
    const Node<Value>& node = nodes_[static_cast<std::size_t>(index)];
    if (IsProductNode(index)) {
      CollectFactors(node.left, inverted, parts, sign);
      CollectFactors(node.right, node.op == '/' ? !inverted : inverted, parts, sign);
      return;
    }
    SignedForm<Value> factor = Of(index);
    sign *= factor.sign;
    parts.push_back({std::move(factor.form), inverted});
  }

  static bool PartLess(const Part<Value>& a, const Part<Value>& b) {
    if (a.form.kind != b.form.kind) return a.form.kind < b.form.kind;
    if (a.form.kind == FormKind::kNumber) {
      if (Arith::Less(a.form.number, b.form.number)) return true;
      if (Arith::Less(b.form.number, a.form.number)) return false;
    } else if (a.form.key != b.form.key) {
      return a.form.key < b.form.key;
    }
    return a.inverted < b.inverted;
  }

  static std::string KeyOf(char tag, const std::vector<Part<Value>>& parts, char plain,
                           char inverted) {
    std::string key(1, tag);
    key += '(';
    for (const Part<Value>& part : parts) {
      key += part.inverted ? inverted : plain;
      key += part.form.key;
    }
    key += ')';
    return key;
  }

  static void Sort(std::vector<Part<Value>>& parts) {
    std::sort(parts.begin(), parts.end(), PartLess);
  }

  SignedForm<Value> Sum(int index) const {
    SignedForm<Value> sum;
    sum.form.kind = FormKind::kSum;
    CollectTerms(index, false, sum.form.parts);
    Sort(sum.form.parts);
    sum.form.key = KeyOf('S', sum.form.parts, '+', '-');
    const int sign = Arith::Sign(nodes_[static_cast<std::size_t>(index)].value);
    std::vector<Part<Value>> flipped = sum.form.parts;
    for (Part<Value>& part : flipped) part.inverted = !part.inverted;
    Sort(flipped);
    std::string flippedKey = KeyOf('S', flipped, '+', '-');
    // A zero sum has no positive orientation; the smaller key decides.
    if (sign < 0 || (sign == 0 && flippedKey < sum.form.key)) {
      sum.sign = -1;
      sum.form.parts = std::move(flipped);
      sum.form.key = std::move(flippedKey);
    }
    return sum;
  }

  SignedForm<Value> Product(int index) const {
    SignedForm<Value> product;
    product.form.kind = FormKind::kProduct;
    CollectFactors(index, false, product.form.parts, product.sign);
    Sort(product.form.parts);
    product.form.key = KeyOf('P', product.form.parts, '*', '/');
    return product;
  }

  const std::vector<Node<Value>>& nodes_;
};

// --- printing a normal form ---

// A negative number is bracketed wherever it stands.
template <class Arith>
std::string NumberText(const typename Arith::Value& value) {
  const std::string text = Arith::Text(value);
  return Arith::Sign(value) < 0 ? "(" + text + ")" : text;
}

// The form's text; `negate` asks for the text of minus its value.
template <class Arith, class Value = typename Arith::Value>
std::string PrintForm(const Form<Value>& form, bool negate) {
  switch (form.kind) {
    case FormKind::kNumber:
      return NumberText<Arith>(form.number);
    case FormKind::kSum: {
      std::string added;
      std::string subtracted;
      for (const Part<Value>& part : form.parts) {
        const std::string text = PrintForm<Arith>(part.form, false);
        if (part.inverted != negate) {
          subtracted += "-" + text;
        } else {
          added += (added.empty() ? "" : "+") + text;
        }
      }
      return added + subtracted;
    }
    case FormKind::kProduct: {
      // The sign of a product lives in its sums: minus the product flips its first sum.
      bool flipPending = negate;
      std::string multiplied;
      std::string divided;
      for (const Part<Value>& part : form.parts) {
        std::string text;
        if (part.form.kind == FormKind::kSum) {
          text = "(" + PrintForm<Arith>(part.form, flipPending) + ")";
          flipPending = false;
        } else {
          text = PrintForm<Arith>(part.form, false);
        }
        if (part.inverted) {
          divided += "/" + text;
        } else {
          multiplied += (multiplied.empty() ? "" : "*") + text;
        }
      }
      return multiplied + divided;
    }
  }
  return {};
}

// --- the search ---

struct SearchLimits {
  long maxSteps = -1;            // -1: no limit
  std::size_t maxSolutions = 0;  // 0: no limit
};

template <class Arith>
class GameSearch {
 public:
  using Value = typename Arith::Value;

  GameSearch(const Arith& arith, std::span<const Value> numbers, SearchLimits limits)
      : arith_(arith), limits_(limits) {
    std::vector<int> items;
    for (const Value& number : numbers) {
      items.push_back(static_cast<int>(nodes_.size()));
      nodes_.push_back({0, -1, -1, number});
    }
    if (!items.empty()) Search(items);
  }

  struct Solution {
    GameExpression expression;
    Value value;
  };
  // In the order found.
  const std::vector<Solution>& Solutions() const { return solutions_; }

 private:
  void Search(const std::vector<int>& items) {
    if (items.size() == 1) {
      if (arith_.Hits(nodes_[static_cast<std::size_t>(items[0])].value)) Found(items[0]);
      return;
    }
    // Each pair once; the non-commutative operators both ways round.
    static constexpr struct {
      char op;
      bool swapped;
    } kCombinations[] = {{'+', false}, {'-', false}, {'-', true},
                         {'*', false}, {'/', false}, {'/', true}};
    std::vector<int> rest;
    for (std::size_t i = 0; i < items.size(); ++i) {
      for (std::size_t j = i + 1; j < items.size(); ++j) {
        rest.clear();
        for (std::size_t k = 0; k < items.size(); ++k)
          if (k != i && k != j) rest.push_back(items[k]);
        rest.push_back(static_cast<int>(nodes_.size()));
        for (const auto& combination : kCombinations) {
          if (Stopped()) return;
          ++steps_;
          const int left = combination.swapped ? items[j] : items[i];
          const int right = combination.swapped ? items[i] : items[j];
          const std::optional<Value> value =
              Arith::Apply(combination.op, nodes_[static_cast<std::size_t>(left)].value,
                           nodes_[static_cast<std::size_t>(right)].value);
          if (!value) continue;
          nodes_.push_back({combination.op, left, right, *value});
          Search(rest);
          nodes_.pop_back();
        }
      }
    }
  }

  bool Stopped() const {
    return (limits_.maxSteps >= 0 && steps_ >= limits_.maxSteps) ||
           (limits_.maxSolutions > 0 && solutions_.size() >= limits_.maxSolutions);
  }

  void Found(int root) {
    const SignedForm<Value> normal = NormalForm<Arith>(nodes_).Of(root);
    if (!keys_.insert(normal.form.key).second) return;
    std::string text = PrintForm<Arith>(normal.form, normal.sign < 0);
    const bool bracketed = text.find('(') != std::string::npos;
    solutions_.push_back(
        {{std::move(text), bracketed}, nodes_[static_cast<std::size_t>(root)].value});
  }

  Arith arith_;
  SearchLimits limits_;
  std::vector<Node<Value>> nodes_;
  std::unordered_set<std::string> keys_;
  std::vector<Solution> solutions_;
  long steps_ = 0;
};

void CheckGameNumber(std::int64_t number) {
  if (number > kMaxGameNumber || number < -kMaxGameNumber) throw Exception(kGameNumberTooLarge);
}

std::string CountText(std::size_t count) {
  return IntToStr(static_cast<std::int64_t>(count));
}

// --- operator insertion ---

// The value of numbers joined by the operators, * and / first; none after a division by zero.
std::optional<Fraction> InsertedValue(std::span<const std::int64_t> numbers,
                                      std::span<const char> ops) {
  Fraction sum{0, 1};
  Fraction term{numbers[0], 1};
  for (std::size_t i = 0; i < ops.size(); ++i) {
    const Fraction next{numbers[i + 1], 1};
    if (ops[i] == '*' || ops[i] == '/') {
      const std::optional<Fraction> product = ExactArithmetic::Apply(ops[i], term, next);
      if (!product) return std::nullopt;
      term = *product;
    } else {
      sum = *ExactArithmetic::Apply('+', sum, term);
      term = ops[i] == '+' ? next : Fraction{-next.num, 1};
    }
  }
  return ExactArithmetic::Apply('+', sum, term);
}

}  // namespace

std::vector<GameExpression> SolveGame(std::span<const std::int64_t> numbers, std::int64_t target) {
  if (numbers.size() > kMaxExactGameNumbers) throw Exception(kTooManyGameNumbers);
  std::vector<Fraction> values;
  for (std::int64_t number : numbers) {
    CheckGameNumber(number);
    values.push_back({number, 1});
  }
  const GameSearch<ExactArithmetic> search(ExactArithmetic{target}, values, {});
  std::vector<GameExpression> expressions;
  for (const auto& solution : search.Solutions()) expressions.push_back(solution.expression);
  std::sort(expressions.begin(), expressions.end(),
            [](const GameExpression& a, const GameExpression& b) { return a.text < b.text; });
  return expressions;
}

std::vector<std::string> GameLines(std::span<const std::int64_t> numbers, std::int64_t target,
                                   bool countUnbracketed) {
  const std::vector<GameExpression> solutions = SolveGame(numbers, target);
  std::vector<std::string> lines;
  if (solutions.empty()) {
    std::string given;
    for (std::int64_t number : numbers) given += IntToStr(number) + ",";
    return {given + IntToStr(target), kNoSolution};
  }
  std::size_t unbracketed = 0;
  for (const GameExpression& solution : solutions) {
    std::string line = solution.text + "=" + GeneralFormat(static_cast<Extended>(target), 7);
    if (!solution.bracketed) {
      line += "  !!!";
      ++unbracketed;
    }
    lines.push_back(std::move(line));
  }
  std::string summary = "有解" + CountText(solutions.size()) + "个";
  if (countUnbracketed) summary += "，其中未用括号的" + CountText(unbracketed) + "个";
  lines.push_back(std::move(summary));
  std::sort(lines.begin(), lines.end());
  return lines;
}

std::vector<std::string> SolveRealGame(std::span<const Extended> numbers, Extended target,
                                       const RealGameLimits& limits) {
  if (numbers.size() > kMaxRealGameNumbers) throw Exception(kTooManyRealNumbers);
  std::vector<std::string> lines;
  {
    const GameSearch<RealArithmetic> search(RealArithmetic{target, limits.tolerance}, numbers,
                                            {limits.maxSteps, limits.maxSolutions});
    for (const auto& solution : search.Solutions())
      lines.push_back(solution.expression.text + "=" + GeneralFormat(solution.value, 7));
  }
  // Branches that overflowed or divided by zero were dropped; their flags are no fault of
  // the solutions kept.
  ClearFpFaults();
  std::sort(lines.begin(), lines.end());
  lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
  return lines;
}

std::vector<std::string> RealGameLines(std::span<const Extended> numbers, Extended target) {
  const RealGameLimits limits;
  std::vector<std::string> lines = SolveRealGame(numbers, target, limits);
  if (lines.size() >= limits.maxSolutions) {
    lines.push_back("有1000组以上，只列出前1000组");
  } else {
    lines.push_back("共" + CountText(lines.size()) + "组");
  }
  return lines;
}

std::vector<std::string> OperatorInsertionLines(std::span<const std::int64_t> numbers,
                                                std::int64_t target) {
  std::vector<std::string> lines;
  const std::size_t k = numbers.size();
  if (k >= kMinInsertionNumbers && k <= kMaxInsertionNumbers) {
    for (std::int64_t number : numbers) CheckGameNumber(number);
    static constexpr char kOps[] = {'+', '-', '*', '/'};
    const std::size_t gaps = k - 1;
    std::size_t assignments = 1;
    for (std::size_t i = 0; i < gaps; ++i) assignments *= 4;
    std::vector<char> ops(gaps);
    for (std::size_t code = 0; code < assignments; ++code) {
      // The first gap is the most significant digit of the code in base 4.
      std::size_t rest = code;
      for (std::size_t i = gaps; i-- > 0; rest /= 4) ops[i] = kOps[rest % 4];
      const std::optional<Fraction> value = InsertedValue(numbers, ops);
      if (!value || !EqualsWhole(*value, target)) continue;
      std::string text = NumberText<ExactArithmetic>(Fraction{numbers[0], 1});
      for (std::size_t i = 0; i < gaps; ++i)
        text += ops[i] + NumberText<ExactArithmetic>(Fraction{numbers[i + 1], 1});
      lines.push_back(text + "=" + IntToStr(target));
    }
  }
  lines.push_back("共" + CountText(lines.size()) + "组");
  return lines;
}

}  // namespace zarnix
