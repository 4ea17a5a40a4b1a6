// Molecular weights: the element table file and the reading of a chemical formula.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "base/extended.h"

namespace zarnix {

struct Element {
  std::string symbol;
  std::string name;
  Extended weight = 0;
};

// Elements the table holds at most; later lines are not read.
inline constexpr int kMaxElements = 120;

// Reads the element table: two header lines, then "symbol`name`weight" per line (a weight
// that is not a number counts 0). Throws EInOutError when the file cannot be read.
std::vector<Element> LoadElementTable(const std::filesystem::path& path);

struct MolecularWeightResult {
  Extended weight = 0;
  std::string names;  // the names of the elements found, in formula order
};

// Splits the formula into tokens starting at capital letters; a token's count starts at its
// first digit 1-9 (1 without one) and its symbol is the text before it. Symbols not in the
// table add nothing.
MolecularWeightResult MolecularWeight(std::string_view formula, const std::vector<Element>& table);

}  // namespace zarnix
