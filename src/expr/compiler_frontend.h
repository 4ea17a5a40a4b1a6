// Front end shared by the formula compilers: the text rewriting passes, the tokenizer, the
// adjacency check and the operator-precedence parse. What differs between engines is a dialect.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"

namespace zarnix {

// Compile error numbers (the complex compiler reports them plus 100).
enum CompileErrorNumber : int {
  kErrUnknown = 1,
  kErrNoText = 2,
  kErrHexCode = 3,
  kErrInstructionLength = 4,
  kErrOperandName = 5,
  kErrOperatorName = 6,
  kErrExpression = 7,
  kErrBracket = 8,
  kErrFolding = 9,
  kErrFoldDomain = 10,
  kErrFunctionForm = 11,
  kErrIntegralForm = 12,
  kErrNumber = 13,
  kErrIdentifier = 14,
  kErrCharacter = 15,
  kErrComment = 16,
  kErrParameterList = 17,
  kErrIfForm = 18,
};

// The message of an error number: "" for 0, the text of 2 for numbers outside 0..18.
std::string CompileErrorText(int number);

// The first failure wins; later stages stop when it is set.
struct CompileStatus {
  int error = 0;
  void Fail(int number) {
    if (error == 0) error = number;
  }
  bool Ok() const { return error == 0; }
};

// Precedence class of a function-table token (openers are "(" and the one-argument functions).
enum class PrecClass : std::uint8_t {
  kOpener,
  kRelation,
  kAdditive,  // "+" and "-"
  kIntegral,  // the integral tokens: additive, but they shift over "*" and "^"
  kMultiplicative,
  kPower,
};

// Membership of a token in the adjacency check's token sets.
enum AdjacencyFlag : std::uint8_t {
  kAdjBinary = 1,          // may follow an operand or ")"
  kAdjStrictBinary = 2,    // binary token other than AND, OR, XOR
  kAdjLogic = 4,           // AND, OR, XOR
  kAdjNotAfterOpener = 8,  // may not follow "(", a function or a logic token
};

struct FunctionEntry {
  std::string_view name;  // upper case, with the leading "@"
  std::uint8_t kind;      // 1: NAME( absorbs the bracket; 2: binary operator
  PrecClass prec;
  std::uint8_t adjacency;  // AdjacencyFlag bits
  int action;              // meaning for the engine's generator
  bool fold;               // the generator may fold it over constants
};

// Builders for the engines' function tables.
inline constexpr std::uint8_t kAdjOperator = kAdjBinary | kAdjStrictBinary;
inline constexpr std::uint8_t kAdjTightOperator = kAdjOperator | kAdjNotAfterOpener;
inline constexpr std::uint8_t kAdjLogicOperator = kAdjBinary | kAdjLogic | kAdjNotAfterOpener;

constexpr FunctionEntry BinaryEntry(std::string_view name, PrecClass prec, std::uint8_t adjacency,
                                    int action, bool fold = true) {
  return {name, 2, prec, adjacency, action, fold};
}
constexpr FunctionEntry UnaryEntry(std::string_view name, int action, bool fold = true) {
  return {name, 1, PrecClass::kOpener, 0, action, fold};
}

struct FrontEndDialect {
  std::string_view sysPrefix;  // "TCMSYS_": prefix of the compiler's own names
  std::span<const FunctionEntry> functions;
  bool integrals;                  // the FF(...) form exists
  std::string_view imaginaryUnit;  // text that replaces the identifier I; empty: none
};

// The generator side of the front end.
class FrontEndSink {
 public:
  virtual ~FrontEndSink() = default;
  // Enters a numeric literal and returns its operand name (upper case, without "&").
  virtual std::string AddLiteral(Extended value) = 0;
  // Makes sure an identifier (upper case) is in the operand table.
  virtual void AddIdentifier(const std::string& name) = 0;
  virtual void LoadOperand(const std::string& name) = 0;
  // level: the nesting level of an integral token, else -1 (malformed level: -2).
  virtual void ReduceOperator(const FunctionEntry& entry, int level) = 0;
  virtual void Finish() = 0;
};

// Entry whose name equals the upper-cased name (with "@"); integral names match on their
// first twelve characters. Null when there is none.
const FunctionEntry* FindFunction(const FrontEndDialect& dialect, std::string_view name);

// Passes 1-8: brackets, upper case, comments, blanks and MOD, "**", spaces, trim, signs.
std::string NormaliseFormula(std::string_view text, const FrontEndDialect& dialect,
                             bool stripComments, CompileStatus& status);
// Pass 9: FF(lower, upper, variable[, steps], integrand) at nesting level `level` and deeper.
std::string RewriteIntegrals(std::string_view text, const FrontEndDialect& dialect, int level,
                             CompileStatus& status);
// Pass 10: IF(c, a, b).
std::string RewriteIf(std::string_view text, const FrontEndDialect& dialect, CompileStatus& status);
// Pass 11: NAME(p, q) becomes ((p)NAME(q)).
std::string RewriteTwoArguments(std::string_view text, CompileStatus& status);
// Pass 12: the token text ("@" operators, "&" operands, "#" end), entering operands.
std::string Tokenize(std::string_view text, const FrontEndDialect& dialect, FrontEndSink& sink,
                     CompileStatus& status);
// Reads the token text and drives the sink through the precedence parse.
void Parse(std::string_view tokenText, const FrontEndDialect& dialect, FrontEndSink& sink,
           CompileStatus& status);

// All passes and the parse; returns the token text (for inspection).
std::string RunFrontEnd(std::string_view formula, const FrontEndDialect& dialect,
                        bool stripComments, FrontEndSink& sink, CompileStatus& status);

// Character classes and scanners of the formula syntax, for the engines' own text handling
// (macro expansion, complex literals).
bool IsIdentifierStart(char c);
bool IsIdentifierChar(char c);
// End of the identifier characters from `i` on.
std::size_t IdentifierEnd(std::string_view text, std::size_t i);
// End of the unsigned number that starts at `i`, or npos when its syntax is broken.
std::size_t NumberEnd(std::string_view text, std::size_t i);
// Splits "a,b,c)" from `from` (just after an opening bracket) at the top-level commas up to
// the matching ")", whose position goes to `close`. False when the bracket is not closed.
bool SplitCallArguments(std::string_view text, std::size_t from, std::vector<std::string>& args,
                        std::size_t& close);

// Identifiers separated by commas (blanks allowed, a trailing comma too), upper-cased, each
// once, in list order. Nothing when the list is malformed.
std::optional<std::vector<std::string>> ParseParameterList(std::string_view text);

}  // namespace zarnix
