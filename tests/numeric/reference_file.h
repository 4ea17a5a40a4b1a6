// Reads the reference files of tests/numeric/data: blocks headed "[name]", each line a key
// with numbers, or with one text for the keys "formula" and "text".
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/extended.h"

namespace zarnix {

struct ReferenceBlock {
  std::string name;
  std::map<std::string, std::vector<Extended>> numbers;
  std::map<std::string, std::string> texts;

  bool Has(const std::string& key) const { return numbers.count(key) > 0; }
  const std::vector<Extended>& Numbers(const std::string& key) const {
    const auto found = numbers.find(key);
    if (found == numbers.end()) ADD_FAILURE() << name << ": no key " << key;
    static const std::vector<Extended> kNone;
    return found == numbers.end() ? kNone : found->second;
  }
  Extended Number(const std::string& key) const {
    const auto& values = Numbers(key);
    return values.empty() ? 0 : values.front();
  }
};

// The generator writes doubles as their shortest text, which must be read back as that
// double (not as the nearest extended); exact integers beyond 17 digits are read in full.
inline Extended ParseReferenceNumber(const std::string& word) {
  int digits = 0;
  for (const char c : word) {
    if (c == 'e' || c == 'E') break;
    digits += c >= '0' && c <= '9';
  }
  if (digits > 17) return std::strtold(word.c_str(), nullptr);
  return std::strtod(word.c_str(), nullptr);
}

// The blocks of a file in tests/numeric/data; a missing file fails the calling test.
inline std::vector<ReferenceBlock> ReadReference(const std::string& fileName) {
  std::vector<ReferenceBlock> blocks;
  std::ifstream in(std::string(ZARNIX_TEST_DATA_DIR) + "/" + fileName);
  if (!in) {
    ADD_FAILURE() << "missing reference file " << fileName;
    return blocks;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (line[0] == '[') {
      blocks.push_back({line.substr(1, line.size() - 2), {}, {}});
      continue;
    }
    if (blocks.empty()) continue;
    const std::size_t blank = line.find(' ');
    const std::string key = line.substr(0, blank);
    const std::string rest = blank == std::string::npos ? "" : line.substr(blank + 1);
    if (key == "formula" || key == "text") {
      blocks.back().texts[key] = rest;
      continue;
    }
    std::istringstream words(rest);
    std::vector<Extended>& values = blocks.back().numbers[key];
    for (std::string word; words >> word;) values.push_back(ParseReferenceNumber(word));
  }
  if (blocks.empty()) ADD_FAILURE() << "no blocks in " << fileName;
  return blocks;
}

// |actual - expected| within relative tolerance rel of max(1, |expected|).
inline ::testing::AssertionResult Near(Extended actual, Extended expected, Extended rel) {
  const Extended scale = std::fmax(1, std::fabs(expected));
  if (std::fabs(actual - expected) <= rel * scale) return ::testing::AssertionSuccess();
  std::ostringstream text;
  text.precision(18);
  text << actual << " differs from " << expected << " by more than " << static_cast<double>(rel)
       << " relative";
  return ::testing::AssertionFailure() << text.str();
}

}  // namespace zarnix
