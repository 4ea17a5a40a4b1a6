// Tokens, the recursive-descent parser and the tree walker of TCalcExpress.
// Words run over letters, digits, quotes and two-byte characters, so Chinese names work.
#include "expr/calc_express.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "base/clock.h"
#include "base/convert.h"
#include "base/fpu.h"
#include "base/gbk.h"
#include "base/random.h"
#include "base/ui.h"
#include "expr/tree_eval_math.h"

namespace zarnix {

namespace {

using enum CalcKind;

constexpr Extended kPi = 3.1415926535897932385L;

struct FunctionWord {
  std::string_view name;
  CalcKind kind;
};

constexpr FunctionWord kFunctionWords[] = {
    {"cos", kCos},         {"sin", kSin},         {"tan", kTan},
    {"tg", kTan},          {"cot", kCot},         {"ctg", kCot},
    {"abs", kAbs},         {"sgn", kSgn},         {"sign", kSgn},
    {"sqrt", kSqrt},       {"ln", kLn},           {"exp", kExp},
    {"arcsin", kArcSin},   {"arccos", kArcCos},   {"arctan", kArcTan},
    {"arctg", kArcTan},    {"arccot", kArcCot},   {"arcctg", kArcCot},
    {"sinh", kSinh},       {"sh", kSinh},         {"cosh", kCosh},
    {"ch", kCosh},         {"tanh", kTanh},       {"th", kTanh},
    {"coth", kCoth},       {"cth", kCoth},        {"heaviside", kHeaviside},
    {"if", kIf},           {"sqr", kSqr},         {"sec", kSec},
    {"csc", kCsc},         {"sech", kSech},       {"csch", kCsch},
    {"arcsinh", kArcSinh}, {"arcsh", kArcSinh},   {"arccosh", kArcCosh},
    {"arcch", kArcCosh},   {"arctanh", kArcTanh}, {"arcth", kArcTanh},
    {"dtor", kDtor},       {"rtod", kRtod},       {"log10", kLog10},
    {"int", kInt},         {"arcsec", kArcSec},   {"arccsc", kArcCsc},
    {"arccoth", kArcCoth}, {"arccth", kArcCoth},  {"arcsech", kArcSech},
    {"arccsch", kArcCsch}, {"round", kRound},     {"random", kRandom},
    {"rnd", kRandom},      {"rev", kRev},         {"div", kDiv},
    {"mod", kMod},
};

struct SymbolToken {
  char symbol;
  CalcKind kind;
};

// "-" is read apart: it may start a negative number.
constexpr SymbolToken kSymbolTokens[] = {
    {'(', kOpen}, {')', kClose}, {'+', kPlus}, {'*', kTimes}, {'/', kDivide}, {'^', kPower},
};

// One-argument functions: the words that must be followed by "(".
bool IsFunction(CalcKind kind) {
  const int k = static_cast<int>(kind);
  return (k >= static_cast<int>(kCos) && k <= static_cast<int>(kIf)) ||
         (k >= static_cast<int>(kSqr) && k <= static_cast<int>(kRev));
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool IsWordByte(unsigned char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || IsDigit(static_cast<char>(c)) ||
         c == '"' || c == '\'' || c >= 0x80;
}

struct Token {
  CalcKind kind = kStart;
  Extended number = 0;
  int index = 0;
};

class CalcParser {
 public:
  CalcParser(std::string_view text, const std::vector<std::string>& variables)
      : text_(text), variables_(variables) {
    Advance();
  }

  bool TooDeep() const { return tooDeep_; }

  // The tree, or null when the text is not a valid formula.
  std::unique_ptr<CalcNode> ParseFormula() {
    auto root = ParseExpression(0);
    if (failed_) return nullptr;
    return root;
  }

 private:
  // expression := term { ("+" | "-") term }, ending at ")" (closing this level) or at the
  // end of the text (only at level 0).
  std::unique_ptr<CalcNode> ParseExpression(int level) {
    if (level > TCalcExpress::kMaxDepth) return FailTooDeep();
    auto node = ParseTerm(level);
    while (!failed_) {
      const CalcKind kind = current_.kind;
      if (kind == kPlus || kind == kMinus) {
        Advance();
        node = Binary(kind, std::move(node), ParseTerm(level));
      } else if (kind == kClose && level > 0) {
        Advance();
        return node;
      } else if (kind == kEnd && level == 0) {
        return node;
      } else {
        return Fail();
      }
    }
    return nullptr;
  }

  // term := [sign] factor { ("*" | "/" | "div" | "mod") factor }; the sign only where the
  // term starts an expression, and "-" negates the whole term.
  std::unique_ptr<CalcNode> ParseTerm(int level) {
    bool negate = false;
    if (previous_ == kStart || previous_ == kOpen) {
      if (current_.kind == kPlus) {
        Advance();
      } else if (current_.kind == kMinus) {
        negate = true;
        Advance();
      }
    }
    auto node = ParseFactor(level);
    while (!failed_) {
      const CalcKind kind = current_.kind;
      if (kind != kTimes && kind != kDivide && kind != kDiv && kind != kMod) break;
      Advance();
      node = Binary(kind, std::move(node), ParseFactor(level));
    }
    if (negate && !failed_) node = Unary(kNegate, std::move(node));
    return node;
  }

  // factor := number | variable | "(" expression | function "(" expression, then any
  // number of "^" with a number, bare or in brackets, as the exponent.
  std::unique_ptr<CalcNode> ParseFactor(int level) {
    std::unique_ptr<CalcNode> node;
    const Token token = current_;
    if (token.kind == kNumber || token.kind == kVariable) {
      node = std::make_unique<CalcNode>();
      node->kind = token.kind;
      node->number = token.number;
      node->index = token.index;
      Advance();
    } else if (token.kind == kOpen) {
      Advance();
      node = ParseExpression(level + 1);
    } else if (IsFunction(token.kind)) {
      Advance();
      if (current_.kind != kOpen) return Fail();
      Advance();
      node = Unary(token.kind, ParseExpression(level + 1));
    } else {
      return Fail();
    }
    while (!failed_ && current_.kind == kPower) {
      Advance();
      Extended exponent = 0;
      if (!ParseExponent(exponent)) return Fail();
      node = Unary(kPower, std::move(node));
      if (node) node->number = exponent;
    }
    return node;
  }

  bool ParseExponent(Extended& exponent) {
    const bool bracketed = current_.kind == kOpen;
    if (bracketed) Advance();
    if (current_.kind != kNumber) return false;
    exponent = current_.number;
    Advance();
    if (bracketed) {
      if (current_.kind != kClose) return false;
      Advance();
    }
    return true;
  }

  // ---- nodes

  std::unique_ptr<CalcNode> Unary(CalcKind kind, std::unique_ptr<CalcNode> operand) {
    if (failed_ || !operand) return Fail();
    auto node = std::make_unique<CalcNode>();
    node->kind = kind;
    node->height = operand->height + 1;
    node->left = std::move(operand);
    return CheckHeight(std::move(node));
  }

  std::unique_ptr<CalcNode> Binary(CalcKind kind, std::unique_ptr<CalcNode> left,
                                   std::unique_ptr<CalcNode> right) {
    if (failed_ || !left || !right) return Fail();
    auto node = std::make_unique<CalcNode>();
    node->kind = kind;
    node->height = std::max(left->height, right->height) + 1;
    node->left = std::move(left);
    node->right = std::move(right);
    return CheckHeight(std::move(node));
  }

  std::unique_ptr<CalcNode> CheckHeight(std::unique_ptr<CalcNode> node) {
    if (node->height > TCalcExpress::kMaxDepth) return FailTooDeep();
    return node;
  }

  std::unique_ptr<CalcNode> Fail() {
    failed_ = true;
    return nullptr;
  }

  // A valid formula nested beyond the limit: the message names the limit.
  std::unique_ptr<CalcNode> FailTooDeep() {
    tooDeep_ = true;
    return Fail();
  }

  // ---- tokens

  // previous_ becomes the kind of the token left behind, which NextToken and ParseTerm
  // consult.
  void Advance() {
    previous_ = current_.kind;
    current_ = NextToken();
    if (current_.kind == kInvalid) failed_ = true;
  }

  Token NextToken() {
    while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    if (pos_ >= text_.size()) return Token{kEnd};
    const char c = text_[pos_];
    if (c == '-') {
      if (StartsNegativeNumber()) return ScanNumber();
      ++pos_;
      return Token{kMinus};
    }
    for (const SymbolToken& symbol : kSymbolTokens) {
      if (symbol.symbol == c) {
        ++pos_;
        return Token{symbol.kind};
      }
    }
    if (IsDigit(c)) return ScanNumber();
    if (IsWordByte(static_cast<unsigned char>(c))) return ScanWord();
    // ">", "<" and every other character have no place in a formula.
    return Token{kInvalid};
  }

  // "-" directly followed by a digit, at the start or after "(".
  bool StartsNegativeNumber() const {
    return (previous_ == kStart || previous_ == kOpen) && pos_ + 1 < text_.size() &&
           IsDigit(text_[pos_ + 1]);
  }

  // digits ["." digits] [("e" | "E") [sign] digits], with an optional leading "-".
  Token ScanNumber() {
    const std::size_t start = pos_;
    if (text_[pos_] == '-') ++pos_;
    SkipDigits();
    if (pos_ < text_.size() && text_[pos_] == '.') {
      ++pos_;
      SkipDigits();
    }
    if (pos_ < text_.size() && (text_[pos_] == 'e' || text_[pos_] == 'E')) {
      ++pos_;
      if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) ++pos_;
      const std::size_t digits = pos_;
      SkipDigits();
      if (pos_ == digits) return Token{kInvalid};
    }
    const auto value = TryStrToFloat(text_.substr(start, pos_ - start));
    if (!value) return Token{kInvalid};
    return Token{kNumber, *value};
  }

  void SkipDigits() {
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
  }

  // A word is a function, else a variable from the list; an unknown word is an error.
  Token ScanWord() {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && IsWordByte(static_cast<unsigned char>(text_[pos_]))) {
      pos_ += CharLengthAt(text_, pos_);
    }
    const std::string_view word = text_.substr(start, pos_ - start);
    for (const FunctionWord& function : kFunctionWords) {
      if (function.name == word) return Token{function.kind};
    }
    for (std::size_t i = 0; i < variables_.size(); ++i) {
      if (LowerCase(variables_[i]) == word) return Token{kVariable, 0, static_cast<int>(i)};
    }
    return Token{kInvalid};
  }

  std::string_view text_;
  const std::vector<std::string>& variables_;
  std::size_t pos_ = 0;
  Token current_;
  CalcKind previous_ = kStart;
  bool failed_ = false;
  bool tooDeep_ = false;
};

Extended Sign(Extended x) {
  return x > 0 ? 1 : (x < 0 ? -1 : 0);
}

}  // namespace

TCalcExpress::TCalcExpress(EvalServices services) : services_(services) {
  SetFormula("0");
}

void TCalcExpress::SetFormula(std::string_view formula) {
  root_.reset();
  formula_ = LowerCase(formula);
  Parse();
}

void TCalcExpress::SetVariables(std::vector<std::string> names) {
  variables_ = std::move(names);
  Parse();
}

void TCalcExpress::Parse() {
  CalcParser parser(formula_, variables_);
  root_ = parser.ParseFormula();
  if (!root_)
    services_.ui.ShowMessage(FormulaMessageText(parser.TooDeep() ? FormulaMessage::kTooDeep
                                                                 : FormulaMessage::kBadExpression));
}

Extended TCalcExpress::Evaluate(std::span<const Extended> values) const {
  if (!root_) return 0;
  FpFaultScope scope;
  return Checked(EvalNode(*root_, values));
}

Extended TCalcExpress::EvalNode(const CalcNode& node, std::span<const Extended> values) const {
  if (node.kind == kNumber) return node.number;
  if (node.kind == kVariable) {
    const auto i = static_cast<std::size_t>(node.index);
    return i < values.size() ? values[i] : 0;
  }
  const Extended x = node.left ? EvalNode(*node.left, values) : 0;
  const Extended y = node.right ? EvalNode(*node.right, values) : 0;
  // clang-format off
  switch (node.kind) {
    case kNegate: return -x;
    case kPlus: return x + y;
    case kMinus: return x - y;
    case kTimes: return x * y;
    case kDivide: return x / y;
    case kDiv: return std::trunc(x / y);
    case kMod: return x - y * std::trunc(x / y);
    case kPower: return x == 0 ? 0 : evalmath::Power(x, node.number);
    case kCos: return std::cos(x);
    case kSin: return std::sin(x);
    case kTan: return std::tan(x);
    case kCot: return 1 / std::tan(x);
    case kAbs: return std::fabs(x);
    case kSgn: return Sign(x);
    case kSqrt: return std::sqrt(x);
    case kSqr: return x * x;
    case kLn: return std::log(x);
    case kExp: return std::exp(x);
    case kArcSin: return std::asin(x);
    case kArcCos: return std::acos(x);
    case kArcTan: return std::atan(x);
    case kArcCot: return std::atan(1 / x);
    case kSinh: return std::sinh(x);
    case kCosh: return std::cosh(x);
    case kTanh: return std::tanh(x);
    case kCoth: return 1 / std::tanh(x);
    case kSec: return 1 / std::cos(x);
    case kCsc: return 1 / std::sin(x);
    case kSech: return 1 / std::cosh(x);
    case kCsch: return 1 / std::sinh(x);
    case kArcSinh: return std::asinh(x);
    case kArcCosh: return std::acosh(x);
    case kArcTanh: return std::atanh(x);
    case kArcSec: return std::acos(1 / x);
    case kArcCsc: return std::asin(1 / x);
    case kArcCoth: return std::atanh(1 / x);
    case kArcSech: return std::acosh(1 / x);
    case kArcCsch: return std::asinh(1 / x);
    case kHeaviside: return x >= 0 ? 1 : 0;
    case kIf:
      services_.ui.ShowMessage(FloatToStr(x));
      return 1;
    case kDtor: return x * kPi / 180;
    case kRtod: return x * 180 / kPi;
    case kLog10: return std::log(x) / std::log(10.0L);
    case kInt: return std::trunc(x);
    case kRound: return std::nearbyint(x);
    case kRandom: {
      services_.random.Randomize(services_.clock);
      const Extended rounded = std::nearbyint(x);
      const Extended range = std::isnan(rounded) ? 0 : std::clamp<Extended>(rounded, 0, INT32_MAX);
      return services_.random.Next(static_cast<std::int32_t>(range));
    }
    case kRev: return 1 / x;
    // Kinds that never name a node.
    case kNumber:
    case kVariable:
    case kOpen:
    case kClose:
    case kGreater:
    case kLess:
    case kStart:
    case kEnd:
    case kInvalid: return 0;
  }
  // clang-format on
  return 0;
}

}  // namespace zarnix
