// Statement lists: splitting, the expression rewrites, parsing once with the names known so
// far and evaluating in order.
#include "formulas/common_formulas_statements.h"

#include "base/convert.h"
#include "base/gbk.h"

namespace zarnix {

namespace {

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

}  // namespace

std::string ExpandStatementText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  bool afterLetter = false;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = CharLengthAt(text, i);
    const char c = text[i];
    if (length == 1 && c == '\\') {
      out += " div ";
    } else if (length == 1 && c == 'e' && !afterLetter && i + 1 < text.size() &&
               text[i + 1] == '(') {
      out += "*10^";
    } else {
      out.append(text.substr(i, length));
    }
    afterLetter = length == 1 && IsAsciiLetter(c);
    i += length;
  }
  return out;
}

Statement SplitStatement(std::string_view text) {
  Statement statement;
  std::size_t at = text.find('=');
  statement.result = at != std::string_view::npos;
  if (!statement.result) at = text.find(':');
  if (at == std::string_view::npos) {
    statement.formula = std::string(text);
    return statement;
  }
  statement.name = Trim(text.substr(0, at));
  statement.formula = std::string(text.substr(at + 1));
  return statement;
}

bool StatementList::Parse(std::span<const std::string> statements) {
  parsed_.clear();
  rejected_.clear();
  std::vector<std::string> names;
  const auto parseOne = [&](const std::string& text) {
    const Statement statement = SplitStatement(text);
    const std::string formula = ExpandStatementText(statement.formula);
    if (Trim(formula).empty()) return true;
    auto expression = std::make_unique<TCalcExpress>(services_);
    // The names first, so the formula is parsed once, knowing exactly the earlier names.
    expression->SetVariables(names);
    expression->SetFormula(formula);
    if (!expression->HasTree()) {
      rejected_ = text;
      return false;
    }
    parsed_.push_back({std::move(expression), statement.result});
    names.push_back(statement.name);
    return true;
  };
  if (!parseOne(kPiStatement)) return false;
  for (const std::string& text : statements)
    if (!parseOne(text)) return false;
  return true;
}

std::vector<Extended> StatementList::Evaluate(std::span<const Extended> preset) const {
  std::vector<Extended> values;
  std::vector<Extended> results;
  values.reserve(parsed_.size());
  for (std::size_t i = 0; i < parsed_.size(); ++i) {
    // Statement 0 is pi; the presets stand for the statements after it.
    const bool given = i >= 1 && i - 1 < preset.size();
    const Extended value = given ? preset[i - 1] : parsed_[i].expression->Evaluate(values);
    values.push_back(value);
    if (parsed_[i].result) results.push_back(value);
  }
  return results;
}

std::optional<std::vector<Extended>> EvalStatementList(EvalServices services,
                                                       std::span<const std::string> statements) {
  StatementList list(services);
  if (!list.Parse(statements)) return std::nullopt;
  return list.Evaluate();
}

}  // namespace zarnix
