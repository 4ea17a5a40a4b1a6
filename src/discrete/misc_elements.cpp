// The element table is a backquote-separated text file; formulas are read token by token,
// a token starting at each capital letter (never inside a two-byte character).
#include "discrete/misc_elements.h"

#include "base/convert.h"
#include "base/gbk.h"
#include "base/textfile.h"
#include "sheet/text_utils.h"

namespace zarnix {

namespace {

bool IsCapital(char c) {
  return c >= 'A' && c <= 'Z';
}

// The formula's tokens: each capital letter up to the next one; text before the first
// capital belongs to no token.
std::vector<std::string_view> Tokens(std::string_view formula) {
  std::vector<std::string_view> tokens;
  std::size_t start = std::string_view::npos;
  for (std::size_t i = 0; i < formula.size(); i += CharLengthAt(formula, i)) {
    if (!IsCapital(formula[i])) continue;
    if (start != std::string_view::npos) tokens.push_back(formula.substr(start, i - start));
    start = i;
  }
  if (start != std::string_view::npos) tokens.push_back(formula.substr(start));
  return tokens;
}

// The count written from position `at` on: its leading digits as a whole number.
Extended CountAt(std::string_view token, std::size_t at) {
  Extended count = 0;
  for (std::size_t i = at; i < token.size() && token[i] >= '0' && token[i] <= '9'; ++i)
    count = count * 10 + (token[i] - '0');
  return count;
}

const Element* Find(const std::vector<Element>& table, std::string_view symbol) {
  for (const Element& element : table)
    if (element.symbol == symbol) return &element;
  return nullptr;
}

}  // namespace

std::vector<Element> LoadElementTable(const std::filesystem::path& path) {
  const std::vector<std::string> lines = ReadTextLines(path);
  std::vector<Element> table;
  for (std::size_t i = 2; i < lines.size() && table.size() < kMaxElements; ++i) {
    const std::vector<std::string> fields = SplitText(lines[i], '`');
    Element element;
    element.symbol = Trim(fields[0]);
    if (fields.size() > 1) element.name = Trim(fields[1]);
    if (fields.size() > 2) element.weight = StrToFloatDef(fields[2], 0);
    table.push_back(std::move(element));
  }
  return table;
}

MolecularWeightResult MolecularWeight(std::string_view formula, const std::vector<Element>& table) {
  MolecularWeightResult result;
  for (const std::string_view token : Tokens(formula)) {
    const std::size_t digit = token.find_first_of("123456789");
    const std::string_view symbol = token.substr(0, digit);
    const Extended count = digit == std::string_view::npos ? 1 : CountAt(token, digit);
    if (const Element* element = Find(table, symbol)) {
      result.weight += count * element->weight;
      result.names += element->name;
    }
  }
  return result;
}

}  // namespace zarnix
