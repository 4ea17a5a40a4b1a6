// Formula front end: rewriting passes, tokenizer and precedence parse shared by the compilers.
// Every pass works on the whole (upper-cased) text and stops at the first error.
#include "expr/compiler_frontend.h"

#include <array>

#include "base/convert.h"

namespace zarnix {

namespace {

constexpr std::array<const char*, 19> kErrorTexts = {
    "",
    "不知道的错误!",
    "找不到错误号所对应的错误描述!",
    "编译时指令的十六进制代码错误!",
    "编译时传入指令长度错误!",
    "编译得到参数名称时发生错误!",
    "编译得到函数名称时发生错误!",
    "表达式错误!",
    "语法错误,在 ( ) 处!",
    "编译优化时发生错误!",
    "函数编译错误(或超出定义域)!",
    "函数书写格式错误!",
    "积分函数书写格式错误!",
    "编译读取常数数字时发生错误!",
    "编译读取标识符时发生错误!",
    "语法错误,有不识别的字符!",
    "注释符号不匹配!  { } 或 /*  */",
    "参数列表错误!",
    "If函数书写格式错误!",
};

// Integrals nest at most this deep: one scratch block per level.
constexpr int kMaxIntegralLevels = 128;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsIdentStart(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}
bool IsIdentChar(char c) {
  return IsIdentStart(c) || IsDigit(c);
}
bool IsBlank(char c) {
  return c == '\t' || c == '\n' || c == '\r' || c == ' ';
}
bool IsOperatorChar(char c) {
  return std::string_view("%()*+,-/<=>\\^").find(c) != std::string_view::npos;
}
// First byte of a two-byte GBK character.
bool IsGbkLead(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}

// Position of `what` at or after `from`, stepping over two-byte characters.
std::size_t FindText(std::string_view text, std::string_view what, std::size_t from) {
  for (std::size_t i = from; i < text.size();) {
    if (text.compare(i, what.size(), what) == 0) return i;
    i += (IsGbkLead(text[i]) && i + 1 < text.size()) ? 2 : 1;
  }
  return std::string_view::npos;
}

// End of the number that starts at `i`, or npos when its syntax is broken.
std::size_t ScanNumber(std::string_view t, std::size_t i) {
  if (t[i] == '.') {
    if (i + 1 >= t.size() || !IsDigit(t[i + 1])) return std::string_view::npos;
  }
  while (i < t.size() && IsDigit(t[i])) ++i;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && IsDigit(t[i])) ++i;
  }
  if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
    if (j >= t.size() || !IsDigit(t[j])) return std::string_view::npos;
    while (j < t.size() && IsDigit(t[j])) ++j;
    i = j;
  }
  return i;
}

std::size_t ScanIdentifier(std::string_view t, std::size_t i) {
  while (i < t.size() && IsIdentChar(t[i])) ++i;
  return i;
}

// Splits "a,b,c)" starting after an opening bracket at the top-level commas, up to the matching
// ")". Returns false when the bracket is not closed; `close` receives its position.
bool SplitArguments(std::string_view t, std::size_t from, std::vector<std::string>& args,
                    std::size_t& close) {
  args.clear();
  int depth = 0;
  std::size_t start = from;
  for (std::size_t i = from; i < t.size(); ++i) {
    if (t[i] == '(') {
      ++depth;
    } else if (t[i] == ')') {
      if (depth == 0) {
        args.emplace_back(t.substr(start, i - start));
        close = i;
        return true;
      }
      --depth;
    } else if (t[i] == ',' && depth == 0) {
      args.emplace_back(t.substr(start, i - start));
      start = i + 1;
    }
  }
  return false;
}

bool IsSingleIdentifier(std::string_view s) {
  return !s.empty() && IsIdentStart(s[0]) && ScanIdentifier(s, 0) == s.size();
}

// Replaces every identifier equal to `name` (numbers are stepped over whole).
std::string ReplaceIdentifier(std::string_view t, std::string_view name,
                              std::string_view replacement) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (IsIdentStart(t[i])) {
      const std::size_t end = ScanIdentifier(t, i);
      const std::string_view word = t.substr(i, end - i);
      out += word == name ? replacement : word;
      i = end;
    } else if (IsDigit(t[i]) || t[i] == '.') {
      std::size_t end = ScanNumber(t, i);
      if (end == std::string_view::npos || end == i) end = i + 1;
      out += t.substr(i, end - i);
      i = end;
    } else {
      out += t[i++];
    }
  }
  return out;
}

// Pass 1: "(" and ")" balance, never below zero.
void CheckBrackets(std::string_view t, CompileStatus& status) {
  int depth = 0;
  for (char c : t) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) break;
  }
  if (depth != 0) status.Fail(kErrBracket);
}

// Pass 3: { }, /* */ and // comments become one space each.
std::string RemoveComments(std::string_view t, CompileStatus& status) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (t[i] == '{' || t.compare(i, 2, "/*") == 0) {
      const bool brace = t[i] == '{';
      const std::size_t end = FindText(t, brace ? "}" : "*/", i + (brace ? 1 : 2));
      if (end == std::string_view::npos) {
        status.Fail(kErrComment);
        return out;
      }
      out += ' ';
      i = end + (brace ? 1 : 2);
    } else if (t.compare(i, 2, "//") == 0) {
      const std::size_t end = FindText(t, "\r\n", i + 2);
      if (end == std::string_view::npos) return out;
      out += ' ';
      i = end + 2;
    } else if (IsGbkLead(t[i]) && i + 1 < t.size()) {
      out += t.substr(i, 2);
      i += 2;
    } else {
      out += t[i++];
    }
  }
  return out;
}

// Pass 4: line breaks and tabs become spaces, " MOD " becomes " % ", "#" is refused.
std::string BlanksAndMod(std::string_view t, CompileStatus& status) {
  std::string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    if (c == '#') {
      status.Fail(kErrCharacter);
      return out;
    }
    if (IsBlank(c) && i + 4 < t.size() && t.substr(i + 1, 3) == "MOD" && IsBlank(t[i + 4])) {
      out += " %";
      i += 3;  // the blank after MOD starts the next look
      continue;
    }
    out += IsBlank(c) ? ' ' : c;
  }
  return out;
}

// Pass 5: a pair "**" is the power operator; longer runs stay.
std::string DoubleStarToPower(std::string_view t) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (t[i] != '*') {
      out += t[i++];
      continue;
    }
    std::size_t end = i;
    while (end < t.size() && t[end] == '*') ++end;
    if (end - i == 2) {
      out += '^';
    } else {
      out.append(end - i, '*');
    }
    i = end;
  }
  return out;
}

// Passes 6 and 7: spaces next to operator characters go, then the outer spaces.
std::string RemoveSpaces(std::string_view t) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (t[i] != ' ') {
      out += t[i++];
      continue;
    }
    std::size_t end = i;
    while (end < t.size() && t[end] == ' ') ++end;
    const bool afterOperator = !out.empty() && IsOperatorChar(out.back());
    const bool beforeOperator = end < t.size() && IsOperatorChar(t[end]);
    if (!afterOperator && !beforeOperator) out.append(end - i, ' ');
    i = end;
  }
  return Trim(out);
}

// The identifier I (not after ".", a digit, a letter or "_") names the imaginary unit.
std::string ReplaceImaginaryUnit(std::string_view t, std::string_view unit) {
  std::string out;
  std::size_t i = 0;
  while (i < t.size()) {
    if (!IsIdentChar(t[i])) {
      out += t[i++];
      continue;
    }
    const std::size_t end = ScanIdentifier(t, i);
    const std::string_view word = t.substr(i, end - i);
    const bool free = i == 0 || (t[i - 1] != '.' && !IsIdentChar(t[i - 1]));
    out += (free && word == "I") ? unit : word;
    i = end;
  }
  return out;
}

// Pass 8: a sign at the start or after "(" or "," is dropped ("+") or becomes "0-".
std::string RewriteSigns(std::string_view t) {
  std::string out;
  for (std::size_t i = 0; i < t.size(); ++i) {
    const char c = t[i];
    const bool signPlace = i == 0 || t[i - 1] == '(' || t[i - 1] == ',';
    if (signPlace && c == '+') continue;
    if (signPlace && c == '-') {
      out += "0-";
      continue;
    }
    out += c;
  }
  return out;
}

// Position of the leftmost `word` + "(" not preceded by an identifier character.
std::size_t FindCall(std::string_view t, std::string_view word, std::size_t from) {
  for (std::size_t p = t.find(word, from); p != std::string_view::npos; p = t.find(word, p + 1)) {
    if (p > 0 && IsIdentChar(t[p - 1])) continue;
    return p;
  }
  return std::string_view::npos;
}

std::string FourDigits(int level) {
  std::string digits = std::to_string(level);
  return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

// ---------------------------------------------------------------------------------------------
// Tokens as the parser sees them.

enum class TokenKind { kNone, kOperand, kClose, kEnd, kFunction };

struct Token {
  TokenKind kind = TokenKind::kNone;
  const FunctionEntry* entry = nullptr;
  int level = -1;
};

// Reads the token text one token at a time; operands are loaded on the way.
class TokenReader {
 public:
  TokenReader(std::string_view text, const FrontEndDialect& dialect, FrontEndSink& sink,
              CompileStatus& status)
      : text_(text), dialect_(dialect), sink_(sink), status_(status) {}

  Token Next() {
    while (status_.Ok()) {
      if (pos_ >= text_.size() || text_[pos_] == '#') return Check({TokenKind::kEnd});
      const std::size_t end = text_.find_first_of("@&#", pos_ + 1);
      const bool operand = text_[pos_] == '&';
      if (end == std::string_view::npos) {
        status_.Fail(operand ? kErrOperandName : kErrOperatorName);
        break;
      }
      const std::string_view name = text_.substr(pos_, end - pos_);
      pos_ = end;
      if (operand) {
        sink_.LoadOperand(std::string(name.substr(1)));
        Check({TokenKind::kOperand});
        continue;
      }
      if (name == "@)") return Check({TokenKind::kClose});
      Token token{TokenKind::kFunction, FindFunction(dialect_, name), -1};
      if (token.entry == nullptr) {
        status_.Fail(kErrExpression);
        break;
      }
      if (token.entry->prec == PrecClass::kIntegral)
        token.level = IntegralLevel(*token.entry, name);
      return Check(token);
    }
    return {TokenKind::kEnd};
  }

 private:
  // The digits after "_" that follow the integral name; -2 when they are missing.
  static int IntegralLevel(const FunctionEntry& entry, std::string_view name) {
    std::string_view rest = name.substr(entry.name.size());
    if (rest.size() < 2 || rest.size() > 6 || rest[0] != '_') return -2;
    int level = 0;
    for (char c : rest.substr(1)) {
      if (!IsDigit(c)) return -2;
      level = level * 10 + (c - '0');
    }
    return level;
  }

  static bool Has(const Token& t, std::uint8_t flag) {
    return t.kind == TokenKind::kFunction && (t.entry->adjacency & flag) != 0;
  }

  // The adjacency check of each token against the one before it.
  Token Check(Token token) {
    const Token& prev = previous_;
    const bool closing = token.kind == TokenKind::kClose || token.kind == TokenKind::kEnd;
    bool bad = false;
    if (prev.kind == TokenKind::kOperand || prev.kind == TokenKind::kClose) {
      bad = !(closing || Has(token, kAdjBinary));
    } else if (Has(prev, kAdjStrictBinary)) {
      bad = closing || Has(token, kAdjStrictBinary);
    } else if (prev.kind == TokenKind::kFunction &&
               (prev.entry->kind == 1 || Has(prev, kAdjLogic))) {
      bad = closing || Has(token, kAdjNotAfterOpener);
    } else if (prev.kind == TokenKind::kNone || prev.kind == TokenKind::kEnd) {
      bad = token.kind == TokenKind::kClose;
    }
    if (bad) status_.Fail(kErrExpression);
    previous_ = token;
    return token;
  }

  std::string_view text_;
  const FrontEndDialect& dialect_;
  FrontEndSink& sink_;
  CompileStatus& status_;
  std::size_t pos_ = 0;
  Token previous_;
};

enum class Relation { kShift, kReduce, kMatch, kError };

bool In(PrecClass c, std::initializer_list<PrecClass> set) {
  for (PrecClass s : set)
    if (s == c) return true;
  return false;
}

// The precedence relation between the stack top and the incoming token.
Relation Relate(const Token& top, const Token& in) {
  const bool closing = in.kind == TokenKind::kClose || in.kind == TokenKind::kEnd;
  if (top.kind == TokenKind::kEnd) {
    if (in.kind == TokenKind::kEnd) return Relation::kMatch;
    return in.kind == TokenKind::kClose ? Relation::kError : Relation::kShift;
  }
  if (top.kind != TokenKind::kFunction) return Relation::kError;
  const PrecClass row = top.entry->prec;
  if (row == PrecClass::kOpener) {
    if (in.kind == TokenKind::kClose) return Relation::kMatch;
    return in.kind == TokenKind::kEnd ? Relation::kError : Relation::kShift;
  }
  if (closing) return Relation::kReduce;
  using P = PrecClass;
  const P col = in.entry->prec;
  bool reduce = false;
  switch (row) {
    case P::kRelation:
      reduce = false;
      break;
    case P::kAdditive:
    case P::kIntegral:
      reduce = In(col, {P::kRelation, P::kAdditive, P::kIntegral});
      break;
    case P::kMultiplicative:
      reduce = In(col, {P::kRelation, P::kAdditive, P::kMultiplicative});
      break;
    case P::kPower:
      reduce = In(col, {P::kRelation, P::kAdditive, P::kMultiplicative, P::kPower});
      break;
    case P::kOpener:
      break;
  }
  return reduce ? Relation::kReduce : Relation::kShift;
}

}  // namespace

std::string CompileErrorText(int number) {
  if (number < 0 || number >= static_cast<int>(kErrorTexts.size())) return kErrorTexts[2];
  return kErrorTexts[number];
}

const FunctionEntry* FindFunction(const FrontEndDialect& dialect, std::string_view name) {
  const std::string upper = UpperCase(name);
  const std::string integralPrefix = "@" + std::string(dialect.sysPrefix) + "FF_";
  const bool integral =
      dialect.integrals && upper.compare(0, integralPrefix.size(), integralPrefix) == 0;
  for (const FunctionEntry& entry : dialect.functions) {
    if (integral && entry.prec == PrecClass::kIntegral) {
      if (upper.compare(0, entry.name.size(), entry.name) == 0) return &entry;
    } else if (entry.name == upper) {
      return &entry;
    }
  }
  return nullptr;
}

std::string NormaliseFormula(std::string_view text, const FrontEndDialect& dialect,
                             bool stripComments, CompileStatus& status) {
  CheckBrackets(text, status);
  if (!status.Ok()) return {};
  std::string t = UpperCase(text);
  if (stripComments) t = RemoveComments(t, status);
  if (status.Ok()) t = BlanksAndMod(t, status);
  if (!status.Ok()) return {};
  t = RemoveSpaces(DoubleStarToPower(t));
  if (!dialect.imaginaryUnit.empty()) t = ReplaceImaginaryUnit(t, dialect.imaginaryUnit);
  return RewriteSigns(t);
}

std::string RewriteIntegrals(std::string_view text, const FrontEndDialect& dialect, int level,
                             CompileStatus& status) {
  std::string t(text);
  const std::string prefix(dialect.sysPrefix);
  std::vector<std::string> args;
  for (std::size_t p = FindCall(t, "FF(", 0); p != std::string::npos && status.Ok();
       p = FindCall(t, "FF(", p)) {
    std::size_t close = 0;
    if (!SplitArguments(t, p + 3, args, close) || args.size() < 4 || args.size() > 5 ||
        !IsSingleIdentifier(args[2])) {
      status.Fail(kErrIntegralForm);
      break;
    }
    if (level >= kMaxIntegralLevels) {
      status.Fail(kErrExpression);
      break;
    }
    const std::string variable = prefix + "CONST_FF_X_" + std::to_string(level);
    std::string integrand = ReplaceIdentifier(args.back(), args[2], variable);
    integrand = RewriteIntegrals(integrand, dialect, level + 1, status);
    const std::string steps = args.size() == 5 ? args[3] : "1000";
    const std::string nnnn = FourDigits(level);
    const std::string replacement = "((" + args[0] + ")" + prefix + "FF_0_" + nnnn + "(" + args[1] +
                                    ")" + prefix + "FF_1_" + nnnn + "(" + steps + ")" + prefix +
                                    "FF_2_" + nnnn + "((" + integrand + ")))";
    t.replace(p, close + 1 - p, replacement);
  }
  return t;
}

std::string RewriteIf(std::string_view text, const FrontEndDialect& dialect,
                      CompileStatus& status) {
  std::string t(text);
  const std::string prefix(dialect.sysPrefix);
  std::vector<std::string> args;
  for (std::size_t p = t.find("IF"); p != std::string::npos && status.Ok(); p = t.find("IF", p)) {
    const std::size_t after = p + 2;
    const bool word = (p == 0 || !IsIdentChar(t[p - 1])) && after < t.size() &&
                      (IsBlank(t[after]) || t[after] == '(');
    if (!word) {
      ++p;
      continue;
    }
    std::size_t open = after;
    while (open < t.size() && IsBlank(t[open])) ++open;
    std::size_t close = 0;
    if (open >= t.size() || t[open] != '(' || !SplitArguments(t, open + 1, args, close) ||
        args.size() != 3) {
      status.Fail(kErrIfForm);
      break;
    }
    const std::string replacement =
        prefix + "IF_1(" + prefix + "IF_0(" + args[1] + "," + args[2] + ")," + args[0] + ")";
    t.replace(p, close + 1 - p, replacement);
  }
  return t;
}

std::string RewriteTwoArguments(std::string_view text, CompileStatus& status) {
  std::string t(text);
  for (std::size_t comma = t.find(','); comma != std::string::npos; comma = t.find(',')) {
    // The bracket around the comma, closing side first.
    std::size_t close = std::string::npos;
    for (std::size_t i = comma + 1, depth = 0; i < t.size(); ++i) {
      if (t[i] == '(') ++depth;
      if (t[i] == ')' && depth-- == 0) {
        close = i;
        break;
      }
    }
    std::size_t open = std::string::npos;
    for (std::size_t i = comma, depth = 0; i-- > 0;) {
      if (t[i] == ')') ++depth;
      if (t[i] == '(' && depth-- == 0) {
        open = i;
        break;
      }
    }
    std::size_t nameStart = open;
    while (nameStart != std::string::npos && nameStart > 0 && IsIdentChar(t[nameStart - 1]))
      --nameStart;
    while (nameStart != std::string::npos && nameStart < open && !IsIdentStart(t[nameStart]))
      ++nameStart;
    if (close == std::string::npos || open == std::string::npos || nameStart == open) {
      status.Fail(kErrFunctionForm);
      break;
    }
    const std::string name = t.substr(nameStart, open - nameStart);
    const std::string left = t.substr(open + 1, comma - open - 1);
    const std::string right = t.substr(comma + 1, close - comma - 1);
    t.replace(nameStart, close + 1 - nameStart, "((" + left + ")" + name + "(" + right + "))");
  }
  return t;
}

std::string Tokenize(std::string_view t, const FrontEndDialect& dialect, FrontEndSink& sink,
                     CompileStatus& status) {
  const std::string relation = "@" + std::string(dialect.sysPrefix) + "BOOLEAN";
  std::string out;
  std::size_t i = 0;
  while (i < t.size() && status.Ok()) {
    const char c = t[i];
    if (IsDigit(c) || c == '.') {
      const std::size_t end = ScanNumber(t, i);
      const auto value =
          end == std::string_view::npos ? std::nullopt : TryStrToFloat(t.substr(i, end - i));
      if (!value) {
        status.Fail(kErrNumber);
        break;
      }
      out += "&" + sink.AddLiteral(*value);
      i = end;
    } else if (IsIdentStart(c)) {
      const std::size_t end = ScanIdentifier(t, i);
      const std::string name(t.substr(i, end - i));
      i = end;
      const FunctionEntry* entry = FindFunction(dialect, "@" + name);
      if (entry != nullptr) {
        out += "@" + name;
        if (entry->kind == 1 && i < t.size() && t[i] == '(') ++i;
      } else {
        sink.AddIdentifier(name);
        out += "&" + name;
      }
    } else {
      const std::string_view two = t.substr(i, 2);
      std::string token;
      if (two == "<>") token = relation + "NE";
      if (two == "<=") token = relation + "LE";
      if (two == ">=") token = relation + "GE";
      if (!token.empty()) {
        out += token;
        i += 2;
        continue;
      }
      switch (c) {
        case '%':
          token = "@MOD";
          break;
        case '*':
          token = "@MUL";
          break;
        case '+':
          token = "@ADD";
          break;
        case '-':
          token = "@SUB";
          break;
        case '/':
          token = "@DIV";
          break;
        case '\\':
          token = "@DIVE";
          break;
        case '^':
          token = "@POWER";
          break;
        case '<':
          token = relation + "LT";
          break;
        case '=':
          token = relation + "EQ";
          break;
        case '>':
          token = relation + "GT";
          break;
        case '(':
          token = "@BRACKET";
          break;
        case ')':
          token = "@)";
          break;
        default:
          status.Fail(kErrCharacter);
          break;
      }
      out += token;
      ++i;
    }
  }
  return out + "#######";
}

void Parse(std::string_view tokenText, const FrontEndDialect& dialect, FrontEndSink& sink,
           CompileStatus& status) {
  TokenReader reader(tokenText, dialect, sink, status);
  std::vector<Token> stack{Token{TokenKind::kEnd}};
  Token in = reader.Next();
  while (status.Ok()) {
    switch (Relate(stack.back(), in)) {
      case Relation::kError:
        status.Fail(kErrBracket);
        break;
      case Relation::kShift:
        stack.push_back(in);
        in = reader.Next();
        break;
      case Relation::kReduce: {
        const Token top = stack.back();
        stack.pop_back();
        sink.ReduceOperator(*top.entry, top.level);
        break;
      }
      case Relation::kMatch: {
        const Token top = stack.back();
        if (top.kind == TokenKind::kEnd) {
          sink.Finish();
          return;
        }
        stack.pop_back();
        sink.ReduceOperator(*top.entry, top.level);
        in = reader.Next();
        break;
      }
    }
  }
}

std::string RunFrontEnd(std::string_view formula, const FrontEndDialect& dialect,
                        bool stripComments, FrontEndSink& sink, CompileStatus& status) {
  std::string t = NormaliseFormula(formula, dialect, stripComments, status);
  if (status.Ok() && dialect.integrals) t = RewriteIntegrals(t, dialect, 0, status);
  if (status.Ok()) t = RewriteIf(t, dialect, status);
  if (status.Ok()) t = RewriteTwoArguments(t, status);
  if (!status.Ok()) return {};
  const std::string tokens = Tokenize(t, dialect, sink, status);
  if (status.Ok()) Parse(tokens, dialect, sink, status);
  return tokens;
}

bool IsIdentifierStart(char c) {
  return IsIdentStart(c);
}
bool IsIdentifierChar(char c) {
  return IsIdentChar(c);
}
std::size_t IdentifierEnd(std::string_view text, std::size_t i) {
  return ScanIdentifier(text, i);
}
std::size_t NumberEnd(std::string_view text, std::size_t i) {
  if (i >= text.size() || !(IsDigit(text[i]) || text[i] == '.')) return std::string_view::npos;
  return ScanNumber(text, i);
}
bool SplitCallArguments(std::string_view text, std::size_t from, std::vector<std::string>& args,
                        std::size_t& close) {
  return SplitArguments(text, from, args, close);
}

std::optional<std::vector<std::string>> ParseParameterList(std::string_view text) {
  std::vector<std::string> names;
  std::size_t i = 0;
  auto skipBlanks = [&] {
    while (i < text.size() && IsBlank(text[i])) ++i;
  };
  skipBlanks();
  while (i < text.size()) {
    if (!IsIdentStart(text[i])) return std::nullopt;
    const std::size_t end = ScanIdentifier(text, i);
    const std::string name = UpperCase(text.substr(i, end - i));
    bool known = false;
    for (const std::string& n : names) known = known || n == name;
    if (!known) names.push_back(name);
    i = end;
    skipBlanks();
    if (i >= text.size()) break;
    if (text[i] != ',') return std::nullopt;
    ++i;
    skipBlanks();
  }
  return names;
}

}  // namespace zarnix
