// Function macros: the head is parsed, the body cut into text and parameter pieces once, and
// each call is replaced in place; the arguments inside a replacement are expanded in turn.
#include "expr/tcompile_complex_macro.h"

#include <vector>

#include "base/convert.h"
#include "expr/compiler_frontend.h"

namespace zarnix {

namespace {

// Limits that keep a self-multiplying macro (a parameter used twice, calls nested in the
// arguments) from growing without end.
constexpr std::size_t kMaxExpandedLength = 65536;
constexpr int kMaxExpansions = 4096;

// While a call is expanded, the macro's own name inside the body is hidden under this name.
constexpr std::string_view kHiddenName = "TCMCXSYS_DEFINEFPNAME_TEMPFNAME";
constexpr std::string_view kHiddenName2 = "TCMCXSYS_DEFINEFPNAME_TEMPFNAME2";

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsGbkLead(char c) {
  const auto b = static_cast<unsigned char>(c);
  return b >= 0x81 && b <= 0xFE;
}

// Moves `pos` to the next identifier and sets `end` after it; numbers (so "2E5" is no
// identifier) and two-byte characters are stepped over whole.
bool NextIdentifier(std::string_view t, std::size_t& pos, std::size_t& end) {
  while (pos < t.size()) {
    const char c = t[pos];
    if (IsIdentifierStart(c)) {
      end = IdentifierEnd(t, pos);
      return true;
    }
    if (IsDigit(c) || c == '.') {
      const std::size_t e = NumberEnd(t, pos);
      pos = (e == std::string_view::npos || e == pos) ? pos + 1 : e;
    } else {
      pos += (IsGbkLead(c) && pos + 1 < t.size()) ? 2 : 1;
    }
  }
  return false;
}

bool IsIdentifier(std::string_view s) {
  return !s.empty() && IsIdentifierStart(s[0]) && IdentifierEnd(s, 0) == s.size();
}

struct Head {
  std::string name;                 // upper case
  std::vector<std::string> params;  // upper case
  bool call = false;                // NAME(...) rather than a bare NAME
};

std::optional<Head> ParseHead(std::string_view text) {
  const std::string head = Trim(text);
  if (head.empty() || !IsIdentifierStart(head[0])) return std::nullopt;
  const std::size_t nameEnd = IdentifierEnd(head, 0);
  Head result{UpperCase(head.substr(0, nameEnd)), {}, false};
  std::size_t i = nameEnd;
  while (i < head.size() && IsBlank(head[i])) ++i;
  if (i == head.size()) return result;
  std::vector<std::string> args;
  std::size_t close = 0;
  if (head[i] != '(' || !SplitCallArguments(head, i + 1, args, close) || close + 1 != head.size())
    return std::nullopt;
  result.call = true;
  for (const std::string& arg : args) {
    const std::string param = UpperCase(Trim(arg));
    if (!IsIdentifier(param) || param == result.name) return std::nullopt;
    for (const std::string& known : result.params)
      if (known == param) return std::nullopt;
    result.params.push_back(param);
  }
  return result;
}

// The body as text pieces and parameter pieces; the macro's name inside it is hidden.
struct Piece {
  std::string text;
  int param = -1;  // >= 0: replaced by "(" argument ")"
};

std::vector<Piece> CutBody(std::string_view body, const Head& head, std::string_view hidden) {
  std::vector<Piece> pieces(1);
  std::size_t copied = 0, pos = 0, end = 0;
  while (NextIdentifier(body, pos, end)) {
    const std::string word = UpperCase(body.substr(pos, end - pos));
    int param = -1;
    for (std::size_t k = 0; k < head.params.size(); ++k)
      if (head.params[k] == word) param = static_cast<int>(k);
    if (param >= 0 || word == head.name) {
      pieces.back().text += body.substr(copied, pos - copied);
      if (param >= 0) {
        pieces.push_back({"", param});
        pieces.push_back({});
      } else {
        pieces.back().text += hidden;
      }
      copied = end;
    }
    pos = end;
  }
  pieces.back().text += body.substr(copied);
  return pieces;
}

std::string Instantiate(const std::vector<Piece>& pieces, const std::vector<std::string>& args) {
  std::string out = "(";
  for (const Piece& piece : pieces)
    out += piece.param >= 0 ? "(" + args[piece.param] + ")" : piece.text;
  return out + ")";
}

// Every identifier equal to `name` (upper case) becomes `replacement`, in one pass.
std::optional<std::string> ReplaceWord(std::string_view t, std::string_view name,
                                       std::string_view replacement) {
  std::string out;
  std::size_t copied = 0, pos = 0, end = 0;
  while (NextIdentifier(t, pos, end)) {
    if (UpperCase(t.substr(pos, end - pos)) == name) {
      out += t.substr(copied, pos - copied);
      out += replacement;
      copied = end;
      if (out.size() > kMaxExpandedLength) return std::nullopt;
    }
    pos = end;
  }
  out += t.substr(copied);
  return out;
}

std::optional<std::string> ExpandCalls(std::string_view formula, const Head& head,
                                       std::string_view body) {
  const std::string_view hidden = head.name == kHiddenName ? kHiddenName2 : kHiddenName;
  const std::vector<Piece> pieces = CutBody(body, head, hidden);
  std::string t(formula);
  std::vector<std::string> args;
  int expansions = 0;
  std::size_t pos = 0, end = 0;
  while (NextIdentifier(t, pos, end)) {
    std::size_t open = end;
    while (open < t.size() && IsBlank(t[open])) ++open;
    std::size_t close = 0;
    if (UpperCase(std::string_view(t).substr(pos, end - pos)) != head.name || open >= t.size() ||
        t[open] != '(' || !SplitCallArguments(t, open + 1, args, close) ||
        args.size() != head.params.size()) {
      pos = end;
      continue;
    }
    const std::string replacement = Instantiate(pieces, args);
    if (++expansions > kMaxExpansions ||
        t.size() - (close + 1 - pos) + replacement.size() > kMaxExpandedLength) {
      return std::nullopt;
    }
    // The scan goes on at the replacement, where calls inside the arguments are found.
    t.replace(pos, close + 1 - pos, replacement);
  }
  return ReplaceWord(t, hidden, head.name);
}

}  // namespace

std::optional<std::string> ExpandFunctionMacro(std::string_view formula, std::string_view head,
                                               std::string_view body) {
  const std::optional<Head> parsed = ParseHead(head);
  if (!parsed) return std::nullopt;
  if (!parsed->call) return ReplaceWord(formula, parsed->name, "(" + std::string(body) + ")");
  return ExpandCalls(formula, *parsed, body);
}

}  // namespace zarnix
